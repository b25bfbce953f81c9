#pragma once
// A calculated project filled by hand for the tests of the report's result
// half, and a run of the half into a report file of its own.
//
// The project: a 380 x 600 reinforced concrete beam (C30/37, Ecm 33 GPa),
// span 7200 mm, hollow-core slabs of 265 mm (C40/50, Ecm 35 GPa, fctd
// 1.67 MPa) on both sides bearing on the beam top with dowelled joints, joint
// grout C25/30 (Ecm 31 GPa), 50 mm topping. Part properties follow from the
// dimensions (area b h, first moment A yc, own second moment b h^3 / 12);
// stiffnesses are E times them. The results describe a beam whose design
// shear passed the upper limit of its shear resistance (so the analysis
// raised beta_y to 1), a right slab field whose webs are over their
// principal stress limit, a strain at the slab support over the allowed one
// and slab tension over fctd on both sides.

#include <filesystem>
#include <string>
#include <vector>

#include "model/project_model.h"
#include "platform/headless/headless_platform.h"
#include "report/report_lines.h"
#include "report/report_result_half.h"
#include "runtime/text_file.h"
#include "support/test_support.h"

namespace quorvel::testing {

inline std::string deliveredDataFolder() {
    return std::string(QUORVEL_SOURCE_DIR) + "/data/";
}

// Sets part k of the section: a rectangle b x h whose bottom is at level y0,
// of material with modulus E; its stiffness about the level yRef.
inline void setRectangularPart(model::ProjectModel& m, int k, double b, double h, double y0, double E, double yRef) {
    const double A = b * h, yc = y0 + h / 2, I = b * h * h * h / 12;
    m.PartArea(k) = A;
    m.PartCentroidHeight(k) = yc;
    m.PartFirstMoment(k) = A * yc;
    m.PartOwnInertia(k) = I;
    m.PartAxialStiffness(k) = E * A;
    m.PartStiffnessMoment(k) = E * A * yc;
    m.PartParallelAxisStiffness(k) = E * A * (yc - yRef) * (yc - yRef);
    m.PartOwnStiffness(k) = E * I;
}

// Section stage k from the parts first..last of the list given.
inline void setStage(model::ProjectModel& m, int k, std::initializer_list<int> parts) {
    double ea = 0, es = 0;
    for (int p : parts) {
        ea += m.PartAxialStiffness(p);
        es += m.PartStiffnessMoment(p);
    }
    const double yc = es / ea;
    double parallel = 0, own = 0;
    for (int p : parts) {
        const double d = m.PartCentroidHeight(p) - yc;
        parallel += m.PartAxialStiffness(p) * d * d;
        own += m.PartOwnStiffness(p);
    }
    m.SectionAxialStiffness(k) = ea;
    m.SectionStiffnessMoment(k) = es;
    m.SectionCentroid(k) = yc;
    m.SectionParallelAxisSum(k) = parallel;
    m.SectionOwnInertiaSum(k) = own;
    m.SectionBendingStiffness(k) = parallel + own;
}

inline model::ProjectModel calculatedProject() {
    model::ProjectModel m;
    m.DataPath = deliveredDataFolder();
    m.BeamTypeName = "SUORA";
    m.BeamCategory = 2;
    m.BeamSpan = 7200.0;
    m.IsMiddleBeam = 1;
    m.SlabSideCount = 2;
    m.SlabSidePresent(1) = 1;
    m.SlabSidePresent(2) = 1;
    m.DowelsOnBeamTop = 1;

    // Block 1: simply supported, so the zero points are the supports;
    // b_cd = k_cd Lo = 0.2 x 7200 = 1440 mm.
    m.ZeroMomentSpan = 7200.0;
    for (int s = 1; s <= 2; ++s) {
        m.SlabKcd(s) = 0.2;
        m.SlabBcd(s) = 1440.0;
    }

    // Materials.
    m.ConcreteEcm(1) = 33000.0;
    m.ConcreteEcm(3) = 31000.0;
    m.ConcreteEcm(4) = 35000.0;
    m.ConcreteEcm(5) = 35000.0;
    m.ConcreteEcm(6) = 31000.0;
    m.ReinforcementModulus = 200000.0;
    m.ConcreteFctd(4) = 1.67;  // C40/50: fctk,0.05 2.5 MPa / 1.5
    m.ConcreteFctd(5) = 1.67;

    // Parts: the beam (2), four 25 mm bars at 50 mm (3, 1963 mm2), the
    // joint grout over the beam (7), the upper slab flanges of 35 mm beside
    // it (8, 9) and the topping in three strips (12 to 14).
    m.PrecastPartCount = 1;
    m.ReinforcementRowCount = 1;
    const double yRef = 420.0;
    setRectangularPart(m, 2, 380, 600, 0, 33000, yRef);
    setRectangularPart(m, 3, 1963.5 / 10, 10, 45, 200000, yRef);
    setRectangularPart(m, 7, 380, 265, 600, 31000, yRef);
    setRectangularPart(m, 8, 1440, 35, 830, 35000, yRef);
    setRectangularPart(m, 9, 1440, 35, 830, 35000, yRef);
    m.ToppingThickness = 50.0;
    setRectangularPart(m, 12, 1440, 50, 865, 31000, yRef);
    setRectangularPart(m, 13, 380, 50, 865, 31000, yRef);
    setRectangularPart(m, 14, 1440, 50, 865, 31000, yRef);

    // Stages: the beam alone (2), cracked (4: a third of its stiffness),
    // with the slabs and grout (5), with the topping (6).
    setStage(m, 2, {2, 3});
    setStage(m, 4, {2, 3});
    m.SectionBendingStiffness(4) = m.SectionBendingStiffness(2) / 3;
    setStage(m, 5, {2, 3, 7, 8, 9});
    setStage(m, 6, {2, 3, 7, 8, 9, 12, 13, 14});

    // Part groups: the slab flanges of each side (1, 2) and the topping
    // over them (3, 4); static moment about the composite centroid and the
    // shear flow factor Q / EI.
    for (int g = 1; g <= 2; ++g) {
        m.PartGroupAxialStiffness(g) = m.PartAxialStiffness(7 + g);
        m.PartGroupStaticMoment(g) = m.PartAxialStiffness(7 + g) * 321.2;
        m.PartGroupShearFlowFactor(g) = m.PartGroupStaticMoment(g) / m.SectionBendingStiffness(6);
        m.PartGroupAxialStiffness(g + 2) = m.PartAxialStiffness(12);
        m.PartGroupStaticMoment(g + 2) = m.PartAxialStiffness(12) * 363.7;
        m.PartGroupShearFlowFactor(g + 2) = m.PartGroupStaticMoment(g + 2) / m.SectionBendingStiffness(6);
    }

    // Beam moments (Nmm).
    m.SectionResultA = 95.4e6;
    m.MaxCharMoment = 420.0e6;
    m.MaxDesignMoment = 560.0e6;
    m.MomentResistanceA = 610.0e6;
    m.MomentResistanceUsed = 610.0e6;
    m.MomentResistanceSolved = 652.0e6;
    m.ActingDesignMoment = 560.0e6;
    m.UtilisationRatio = 560.0 / 610.0;

    // Solved plane: reference depth 550, eps_ref 10 per mille, x 112.4 mm;
    // curvature 10 / (550 - 112.4) = 0.02285 per mille per mm, top strain
    // -10 x 112.4 / 437.6 = -2.57 per mille.
    m.SolverLimitStrain = -2.57;
    m.SolverReferenceStrain = 10.0;
    m.NeutralAxisDepth = 112.4;
    m.SectionCurvature = 0.02285;

    // Deflections (mm), psi1 of the imposed load.
    m.SideSpanWidthLimit(1) = 1800.0;
    m.SideSpanWidthLimit(2) = 1800.0;
    m.BeamDeflectionMax1 = 0.0;
    m.BeamDeflectionMax2 = 5.12;
    m.BeamDeflectionMax4 = 3.40;
    m.BeamDeflectionMax5 = 1.05;
    m.BeamDeflectionMax6 = 2.31;
    m.BeamDeflectionTotalMax = 11.88;
    m.ImposedLoadPsi1 = runtime::Value::single(0.6);

    // Strains at the slab support, allowed 0.001 (3 x 0.2 + 0.1) = 0.0007.
    m.BeamTopStrainMaxA = 0.00047;
    m.BeamTopStrainMaxB = 0.00036;
    m.BeamTopStrainMax = 0.00083;
    m.AllowedCrackWidth = runtime::Value::single(0.2);
    m.AllowedStrain = 0.0007;
    m.SlabTensileStressPart1 = 0.97;
    m.SlabTensileStressPart2 = 0.85;
    m.SlabTensileStressSum = 1.82;
    m.SlabTensileStressBySide(1) = m.SlabTensileStressBySide(2) = 1.82;

    // Slab fields (kNm/m, kN/m, MPa); the left one within its principal
    // stress limit 1.67 / 1.2 = 1.39 MPa, the right one over it.
    const double charMoment[] = {0, 38.4, 35.1}, crackMoment[] = {0, 72.5, 72.5};
    const double designMoment[] = {0, 52.3, 47.9}, ultimate[] = {0, 118.6, 118.6};
    const double shearA[] = {0, 35.2, 32.0}, shearB[] = {0, 18.3, 16.7};
    const double thcA[] = {0, 0.42, 0.38}, thcB[] = {0, 0.21, 0.19};
    const double tvlA[] = {0, 0.31, 0.28}, tvlB[] = {0, 0.18, 0.16};
    const double principal[] = {0, 1.21, 1.62};
    for (int s = 1; s <= 2; ++s) {
        m.SlabMaxCharacteristicMoment(s) = charMoment[s];
        m.SlabCrackingMoment(s) = crackMoment[s];
        m.SlabCrackingUtilisation(s) = charMoment[s] / crackMoment[s];
        m.SlabMaxDesignMoment(s) = designMoment[s];
        m.SlabUltimateMoment(s) = ultimate[s];
        m.SlabBendingUtilisation(s) = designMoment[s] / ultimate[s];
        m.SlabMaxShearPartA(s) = shearA[s];
        m.SlabMaxShearPartB(s) = shearB[s];
        m.SlabMaxDesignShear(s) = shearA[s] + shearB[s];
        m.SlabShearStressThcMaxA(s) = thcA[s];
        m.SlabShearStressThcMaxB(s) = thcB[s];
        m.SlabShearStressThcMax(s) = thcA[s] + thcB[s];
        m.SlabShearStressTvlMaxA(s) = tvlA[s];
        m.SlabShearStressTvlMaxB(s) = tvlB[s];
        m.SlabShearStressTvl0Max(s) = tvlA[s] + tvlB[s];
        m.SlabShearStressTvlMax(s) = 0.9 * (tvlA[s] + tvlB[s]);
        m.SlabPrincipalStressLimit(s) = 1.67 / 1.2;
        m.SlabPrincipalStressMax(s) = principal[s];
        m.EffectiveAdditionalSafetyFactor(s) = 1.2;
        m.SideToppingThickness(s) = 50.0;
        m.WebForcePerLength(s) = 85.0 - 5 * s;
        m.TopForcePerLength(s) = 46.0 - 4 * s;
        m.BetaT(s) = 0.649;
        m.BetaF(s) = 1.0;
        m.BetaR(s, 1) = 1.0;
        m.BetaR(s, 2) = 1.0;
        m.SlabTransferShearStress(s) = 0.12;
        m.SlabPrestressStress(s) = 3.85;
        m.SlabNormalStressMax(s) = 0.35;
        m.SlabCheckMinimum1(s) = 128.4;
        m.SlabMinShearValue(s) = 96.1 + s;
        m.SlabCheckMinimum3(s) = (96.1 + s) / 128.4;
        // The shear utilisation is the principal stress over its limit:
        // left 1.21 / 1.392 = 0.869, right 1.62 / 1.392 = 1.164.
        m.SlabShearUtilisation(s) = principal[s] / (1.67 / 1.2);
        m.SlabPrincipalStressTransferFactor(s) = 1.0;
        // The station that governs the web check (the only one, x = 1200
        // mm): thc and tvl as above, alpha 1, tau.cp 0.12, sig.cp -1.00,
        // and the normal stress that gives the side's sigma1 through
        // sig.1 = s / 2 + sqrt(s^2 / 4 + t^2 + tvl^2), i.e.
        // s = sig.1 - (t^2 + tvl^2) / sig.1 with t = tau.cp + thc.
        const double thc = thcA[s] + thcB[s], tvl = m.SlabShearStressTvlMax(s), t = 0.12 + thc;
        m.GoverningWebX(s) = 1200.0;
        m.GoverningWebThc(s) = thc;
        m.GoverningWebTvl(s) = tvl;
        m.GoverningWebTransferFactor(s) = 1.0;
        m.GoverningWebTransferShear(s) = 0.12;
        m.GoverningWebPrestress(s) = -1.0;
        m.GoverningWebNormalStress(s) = principal[s] - (t * t + tvl * tvl) / principal[s] + 1.0;
        m.GoverningWebPrincipalStress(s) = principal[s];
        m.GoverningWebLimit(s) = 1.67 / 1.2;
        m.GoverningWebSafetyFactor(s) = 1.2;
    }
    m.ToppingReinforcementArea = 188.0;
    // The slab widths MRd.c is solved with: 7200 / 12 less half of a 90 mm
    // joint on each side.
    m.JointPartTopWidth(2) = m.JointPartTopWidth(3) = 555.0;

    // Beam shear by load stage at the one slab check station (x = 1200 mm),
    // 45 + 12 + 98 + 150 = 305 kN, and the shear flow of the slab parts
    // there (N, N/mm); the largest design shear over the span is 320 kN.
    m.CalculationPointCount = 0;
    m.CalculationPointX(0) = 1200.0;
    m.BeamShearDesign(0, 0) = 45.0e3;
    m.BeamShearDesign(0, 1) = 12.0e3;
    m.BeamShearDesign(0, 2) = 98.0e3;
    m.BeamShearDesign(0, 5) = 150.0e3;
    m.BeamShearDesign(0, 6) = 305.0e3;
    m.MaxShearStage2 = 98.0e3;
    m.MaxShearStage5 = 210.0e3;
    m.MaxShearStage6 = 320.0e3;
    for (int s = 1; s <= 2; ++s) {
        m.SlabEdgeShearFlow(0, s, 1) = 12.5 - 0.6 * s;
        m.SlabEdgeShearFlow(0, s, 2) = 8.4 - 0.7 * s;
    }

    // Beam shear design: vmax 290 kN < 320 kN, so beta_y was raised
    // to 1 and no stirrups carry the shear (the design leaves their area
    // 0); minimum 200 x 1.8 x 380 / 500 = 274 mm2/m, fywd 500 / 1.15 =
    // 434.8 MPa.
    m.BetaY = 1.0;
    m.MaxShearResistance = 290.0e3;
    m.ShearReinforcementDesign = 0.0;
    m.ShearReinforcementRequired = 273.6;
    m.StirrupDesignStrength = 500.0 / 1.15;

    // The right field's own shear reserve: 0.28 MPa left for tvl, and the
    // zone where its tvl of 0.9 x 0.44 = 0.396 MPa exceeds it reaches
    // (1 - 0.28 / 0.396) x 7200 / 2 = 1054.5 mm from the support.
    const double tvlRight = m.SlabShearStressTvlMax(2);
    m.SideShearStressReserve(2) = 0.28;
    m.SideRequiredBeamStiffness(2) = m.SectionBendingStiffness(6) * tvlRight / 0.28;
    m.SideShearExceedancePosition(2) = (1 - 0.28 / tvlRight) * 7200 / 2;
    return m;
}

// One run of the result half.
struct ResultHalfRun {
    int16_t status = 0;
    int forcedLineBreaks = 0;
    bool leftOpen = false;
    std::string bytes;               // the report file as written
    std::vector<std::string> lines;  // its lines in UTF-8
};

inline ResultHalfRun runResultHalf(model::ProjectModel& m, platform::HeadlessPlatform& ui) {
    TempFolder out;
    ResultHalfRun run;
    {
        report::ReportFile file(out.file("r.tul"));
        run.status = report::WriteReportResultPart(m, ui, file);
        run.forcedLineBreaks = file.forcedLineBreaks();
        run.leftOpen = file.isOpen();
        file.close();
    }
    run.bytes = out.read("r.tul");
    for (const std::string& line : runtime::splitLines(run.bytes)) run.lines.push_back(runtime::cp1252ToUtf8(line));
    return run;
}

// A platform whose program folder holds the delivered report language
// files.
inline void useDeliveredLanguageFiles(platform::HeadlessPlatform& ui) {
    ui.setProgramFolder(deliveredDataFolder());
}

}  // namespace quorvel::testing
