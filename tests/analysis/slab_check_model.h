#pragma once
// The model of the slab-check tests: a slab whose section values are set
// as the beam block would leave them: two stations, station 0 near a support where the beam hogs
// (the slab underside cracks), station 1 where the beam moments are 0.
//
// The slab (both sides alike unless a case says otherwise):
//   fctd 1.5 MPa, additional safety factor gamma 1.2, prestress sigma_cp
//   -4.0 MPa, transfer shear tau_cp 0.3 MPa, 10 strands, 6 cores,
//   transfer factors 1.0 (lpt1) and 0.5 (lpt2);
//   S 6e6 mm3, I 6e8 mm4 (bare), St 8e6 mm3, It 1e9 mm4 (topped),
//   unit width b 1200, web width sum bw 240, b.cr 200 mm;
//   support shears VA 12 + VB 8 = Vd 20 kN/m at both stations;
//   shear flows at the slab edge -20 and 10 N/mm;
//   moments at b.cr MA 6e6 and dM 2e6 Nmm, check level zD 70, centroid
//   zP 130 (bare) and zPt 150 (topped) mm;
//   no topping, no holes, beam type DELTA (no end factor).

#include "model/project_model.h"

namespace quorvel::testing {

using model::ProjectModel;

inline void setSide(ProjectModel& m, int k) {
    m.SlabSidePresent(k) = 1;
    m.BeamSpacing(k, 1) = 6000.0;
    m.BeamSpacing(k, 2) = 6000.0;
    m.SlabSupportLength(k) = 80.0;
    m.EffectiveSupportLength(k) = 80.0;
    m.SlabSupportLengthLimit(k) = 120.0;
    m.ConcreteFctd(k + 3) = 1.5;
    m.ConcreteFctk(k + 3) = 2.0;
    m.SlabHeight(k) = 265.0;
    m.BottomStrandAxisDistance(k) = 45.0;
    m.BottomStrandCount(k) = 10;
    m.SlabCoreCount(k) = 6;
    m.SlabCoreHeight(k) = 200.0;
    m.SlabRecordValue14(k) = 0.5;
    m.SlabPrestressStress(k) = -4.0;
    m.SlabTransferShearStress(k) = 0.3;
    m.SlabFirstMoment(k) = 6e6;
    m.SlabMomentOfInertia(k) = 6e8;
    m.ToppedSlabFirstMoment(k) = 8e6;
    m.ToppedSlabMomentOfInertia(k) = 1e9;
    m.SlabUnitWidth(k) = 1200.0;
    m.SlabWebWidthSum(k) = 240.0;
    m.SlabBcr(k) = 200.0;
    m.SlabSectionValueD(k) = 70.0;
    m.SlabDimensionPhc(k) = 130.0;
    m.ToppedSlabCentroidPhc(k) = 150.0;
    m.SlabBottomLevel(k) = 500.0;
    m.BetaF(k) = 1.0;
    for (int i = 0; i <= 1; ++i) {
        m.SlabShearPartA(k, i) = 12.0;
        m.SlabShearPartB(k, i) = 8.0;
        m.SlabDesignShear(k, i) = 20.0;
        m.SlabEdgeShearFlow(i, k, 1) = -20.0;
        m.SlabEdgeShearFlow(i, k, 2) = 10.0;
        m.SlabAreaLoadMomentAtBcr(k, i) = 6e6;
        m.SlabMomentAtBcrDifference(k, i) = 2e6;
    }
}

inline ProjectModel twoStationModel() {
    ProjectModel m;
    m.BeamTypeName = "DELTA";
    m.BeamSpan = 2000.0;
    m.CalculationPointCount = 1;
    m.CalculationPointX(0) = 500.0;
    m.CalculationPointX(1) = 1500.0;
    m.ZeroMomentX(1) = 0.0;
    m.ZeroMomentX(2) = 2000.0;
    m.ZeroMomentSpan = 2000.0;
    m.AdditionalSafetyFactor = 1.2;
    m.FactorLpt1Ratio = 1.0;
    m.FactorLpt2Ratio = 0.5;
    m.BetaY = 1.0;
    m.TvlComponentWeightA = 1;
    m.TvlComponentWeightB = 1;
    m.ConcreteEcm(4) = 30000.0;
    m.ConcreteEcm(5) = 40000.0;
    m.ConcreteFctk(6) = 2.0;
    m.ToppingReinforcementStrength = 500.0;
    m.ToppingConcreteClass = 25.0;
    // Beam stages after grouting (5) and composite (6).
    m.SectionCentroid(5) = 300.0;
    m.SectionCentroid(6) = 350.0;
    m.SectionBendingStiffness(5) = 3e14;
    m.SectionBendingStiffness(6) = 6e14;
    // Hogging at station 0: rows 2 and 5 of the design moments.
    m.BeamMomentDesign(0, 2) = -50e6;
    m.BeamMomentDesign(0, 5) = -100e6;
    setSide(m, 1);
    setSide(m, 2);
    return m;
}

}  // namespace quorvel::testing
