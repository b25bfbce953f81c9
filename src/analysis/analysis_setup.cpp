// The set-up of one analysis: slab data of both sides, side presence, the
// calculation grid, the section model, seat levels, the connection factor
// and starting core filling, design values of the materials, slab section
// properties, effective support lengths and design loads.

#include "analysis/analysis_setup.h"

#include <cmath>

#include "analysis/section_model.h"
#include "analysis/slab_checks.h"
#include "analysis/slabs_on_beam.h"
#include "library/closed_forms.h"
#include "library/coefficient_table.h"
#include "library/factors.h"
#include "library/materials.h"
#include "library/slab_data.h"
#include "library/slab_geometry.h"
#include "library/slab_loads.h"
#include "library/slab_section.h"
#include "library/utilities.h"
#include "runtime/errors.h"

namespace quorvel::analysis {

using library::MaxValue;
using library::MinValue;
using runtime::RunTimeError;
using runtime::Value;

namespace {

// Sums of beam spacings at or below this (mm) mean no slabs on that side.
constexpr double NoSlabSpacingSum = 0.002;
// Starting core filling when the dowelled joint lowers the connection, mm.
constexpr double ReducedConnectionCoreFilling = 100.0;
// The joint grout width, mm, that a joint of no width is read with.
constexpr double NoJointGroutWidth = 0.001;
// The effective width, mm, of the grouted longitudinal joint between two
// slab units, taken over the slab height. The published grouted floors
// (P15 ... P50: 10 ... 40 kg/m2 of grout on units 1200 mm wide) are
// reproduced by 30.0 ... 38.4 mm; 40 mm covers every type.
constexpr double SlabJointEffectiveWidth = 40.0;

using F = model::BeamFamily;

// The family by the type name's first two letters as they stand ("Be..." is none).
std::optional<F> familyAsItStands(const std::string& code) { return model::FamilyOfTypeNameAsItStands(code); }

}  // namespace

bool SideCarriesSlabs(const model::ProjectInputFields& m, int side) {
    return m.BeamSpacing(side, 1) + m.BeamSpacing(side, 2) > NoSlabSpacingSum;
}

bool SideSetAside(const model::ProjectInputFields& m, int side) {
    return !SideCarriesSlabs(m, side) && SideCarriesSlabs(m, 3 - side);
}

double SlabBearingWidth(const model::ProjectModel& m) {
    return familyAsItStands(m.BeamTypeName) == F::BE ? m.BeamWidth + 2.0 * m.WebThickness
                                                    : m.BeamWidth.number();
}

void ResolveBeamSideValue(std::string& code, const Value& fallback, Value& value, Value& result) {
    const std::optional<F> family = familyAsItStands(code);
    if (value < 0) {
        value = Value(std::fabs(value.number()));
        result = value;
        return;
    }
    if (std::fabs(value.number()) < 0.1) {
        value = fallback;
        result = (family == F::LB || family == F::ME) ? Value(0.0) : fallback;
        return;
    }
    result = (family == F::LB) ? Value(0.0) : value;
}

int16_t CalculationGridSize(double span, double unitWidth1, double unitWidth2, double coreCount1,
                            double coreCount2) {
    const double w = MinValue(unitWidth1, unitWidth2);
    const double k = std::floor(MaxValue(coreCount1, coreCount2));
    if (!(w > 0.0) || !(span > 0.0)) throw RunTimeError(runtime::ErrDivisionByZero);
    const double units = static_cast<double>(runtime::floorToInt32(span / w)) + 1.0;
    const double n = units * k + 1.0;
    if (!std::isfinite(n)) throw RunTimeError(runtime::ErrOverflow);
    if (n > model::MaxCalculationPoint) return model::MaxCalculationPoint;
    return n < 1.0 ? int16_t{1} : runtime::toInt16(n);
}

double CommonToppingTopLevel(const model::ProjectModel& m) {
    const bool anySide = m.SlabSidePresent(1) != 0 || m.SlabSidePresent(2) != 0;
    double top = 0.0;
    bool first = true;
    for (int side = 1; side <= 2; ++side) {
        if (anySide && m.SlabSidePresent(side) == 0) continue;
        const double level = m.SlabBottomLevel(side) + m.SlabHeight(side) + m.ToppingThickness;
        top = first ? level : MaxValue(top, level);
        first = false;
    }
    return top;
}

bool SlabsOnBeamAnalysis::setUp(int16_t& status) {
    model::ProjectModel& m = m_;

    // 1. Constants of the run.
    m.ReinforcementStrainLimit = 0.027;

    // 2. Slab data and presence of each side.
    for (int16_t side = 1; side <= 2; ++side) {
        library::TrimIdentifier(m.BottomStrandCode(side), m.BottomStrandType(side),
                                m.BottomStrandCount(side));
        library::TrimIdentifier(m.TopStrandCode(side), m.TopStrandType(side), m.TopStrandCount(side));
        m.SlabSidePresent(side) = SideCarriesSlabs(m, side) ? 1 : 0;
        library::ReadSlabAndStrandData(m, messages_, side, status);
        if (status == 0 && m.SlabSidePresent(side) != 0) library::CheckStrandDesignations(m, messages_, side, status);
        if (status != 0) return false;
        ResolveBeamSideValue(m.BeamTypeName, m.SlabSupportLengthLimit(side), m.SlabSupportLength(side),
                             m.EffectiveSupportLength(side));
        m.SlabSelfWeight(side) = m.SlabSelfWeight(side) * m.SlabSidePresent(side);
        m.SlabSelfWeightDesign(side) = m.SlabSelfWeightDesign(side) * m.SlabSidePresent(side);
        m.RequiredCoreFillingLength(side) = 0.0;
    }
    // 3. A side without slabs (beside one with slabs) has no joint: whatever
    // width its hidden box still holds, the run takes the width a joint of
    // none is read with, as for a new edge beam.
    m.SlabSideCount = static_cast<int16_t>(m.SlabSidePresent(1) + m.SlabSidePresent(2));
    for (int side = 1; side <= 2; ++side)
        if (m.SlabSideCount > 0 && m.SlabSidePresent(side) == 0) m.JointGroutWidth(side) = NoJointGroutWidth;

    // 4. Calculation grid.
    m.CalculationPointCount = CalculationGridSize(m.BeamSpan, m.SlabUnitWidth(1), m.SlabUnitWidth(2),
                                                  m.SlabCoreCount(1), m.SlabCoreCount(2));

    // 5. Section model; 6. slab seat levels.
    BuildBeamSectionModel(m, m.BeamTypeName);
    if (m.SlabsOnLedge == 0) {
        for (int side = 1; side <= 2; ++side)
            m.SlabBottomLevel(side) = m.SlabBottomGap(side) + m.OverallBeamHeight;
    } else {
        m.SlabBottomLevel(1) = m.SlabBottomGap(1) + m.LeftLedgeHeight + m.BoxHeight;
        m.SlabBottomLevel(2) = m.SlabBottomGap(2) + m.RightLedgeHeight + m.BoxHeight;
    }

    // 7. Joint width kept for the beam shear design; connection factor.
    run_.ShearCheckJointWidth = m.JointGroutWidth(1);
    library::ComputeConnectionFactorBetaY(m.DowelsOnBeamTop, m.SlabsOnLedge,
                                          m.JointGroutWidth(1) + m.JointGroutWidth(2), m.BetaY);

    // 8. Starting core filling, one rule for both sides. A negative length
    // asks for the filling to count as placed from the start, by its size;
    // the typed lengths stay as typed (the run reads their size). A filling
    // of the threshold or less fills no station, so it starts as none: no
    // required length without a zone.
    model::SideArray startFilling;
    if (m.CoreFillingLength(1) < 0 || m.CoreFillingLength(2) < 0) {
        for (int side = 1; side <= 2; ++side) {
            const double length = slabcheck::availableCoreFilling(m, side);
            startFilling(side) = length > CoreFillingThreshold ? length : 0.0;
        }
    } else {
        const double start = m.BetaY < 1 ? ReducedConnectionCoreFilling : 0.0;
        for (int side = 1; side <= 2; ++side) startFilling(side) = start;
    }

    // 9. Clear slab spans (the entered spacings are kept for the driver).
    library::ComputeClearSlabSpans(m, m.SlabsOnLedge, m.TopFlangeWidth, SlabBearingWidth(m),
                                   m.JointGroutWidth, m.BeamSpacing, m.EnteredBeamSpacing);

    // 10. Coefficient k_cd and the cast layer above each slab.
    const double topLevel = CommonToppingTopLevel(m);
    for (int side = 1; side <= 2; ++side) {
        library::LookupKefCoefficient(m, m.BeamTypeName, m.SlabTypeName(side), m.SlabHeight(side),
                                      m.SlabDimensionHct(side), m.DowelsOnBeamTop,
                                      m.DowelledConnection, m.SlabKcd(side),
                                      m.SlabRecordValue14(side));
        m.SlabBcd(side) = m.SlabKcd(side) * m.BeamSpan;
        m.SideToppingThickness(side) = topLevel - m.SlabBottomLevel(side) - m.SlabHeight(side);
    }

    // 11. Concrete; 12. structural steel.
    library::ComputeDesignMaterialValues(m);
    m.SteelGrade = m.SteelStrength;
    library::ComputeStructuralSteelValues(m, m.SteelStrength, m.SteelStrength2, m.SteelStrength3,
                                          m.SteelPartialFactor, m.SteelYieldStrength,
                                          m.SteelDesignStrength, m.PlateYieldStrength,
                                          m.PlateDesignStrength, m.SteelModulus);

    // 13. Quality classes of the reinforcement factors; 14. the three groups.
    double firstClass = m.ConcreteQualityClass(1);
    double secondClass = m.ConcreteQualityClass(2);
    if (m.BeamCategory == 5) firstClass = secondClass = MaxValue(firstClass, secondClass);
    library::ComputeSteelDesignStrength(m, m.ReinforcementStrength, m.ReinforcementDesignStrength,
                                        m.ReinforcementProofRatio, m.ReinforcementKind, firstClass,
                                        m.ReinforcementPartialFactor, m.PrestressPartialFactor);
    library::ComputeSteelDesignStrength(m, m.TopRebarStrength, m.TopRebarDesignStrength,
                                        m.TopRebarProofRatio, m.TopRebarKind, firstClass,
                                        m.TopAndSteelBeamRebarPartialFactor,
                                        m.PrestressPartialFactor);
    library::ComputeSteelDesignStrength(m, m.SteelBeamRebarStrength, m.SteelBeamRebarDesignStrength,
                                        m.SteelBeamRebarProofRatio, m.SteelBeamRebarKind,
                                        secondClass, m.TopAndSteelBeamRebarPartialFactor,
                                        m.PrestressPartialFactor);

    // 15., 16. Strands of the slabs and the topping reinforcement.
    //     The catalogue gives the strands' tensile strength fpk; they are
    //     designed with their 0.1 % proof stress, fpd = fp0.1k / 1.1
    //     (EN 1992-1-1 3.3.6(7) with the factor of factory-made slabs).
    for (int side = 1; side <= 2; ++side)
        m.BottomStrandDesignStrength(side) = library::ComputeStrandProofStress(m.BottomStrandStrength(side)) / 1.1;
    m.ToppingReinforcementDesignStrength =
        m.ToppingReinforcementStrength /
        library::SelectSteelPartialFactor(0, m.ConcreteQualityClass(6));

    // 17. Unit weights; 18. design self weight of the slabs.
    library::FillUnitWeights(m.UnitWeightByKind, m.ConcreteStrengthByKind);
    for (int side = 1; side <= 2; ++side) {
        // The catalogue's g weighs the unit alone. The grout of the joint
        // between two units is weighed as an effective joint width w over
        // the slab height h, filled with the joint concrete (element 6 of
        // the unit weights, concrete kind 3): w h / b of it per unit area
        // of floor, N/mm2 x 1000 = kN/m2 (P27: 25 kN/m3 x 0.040 x 0.265 /
        // 1.2 = 0.221 kN/m2, the published grouted floor 0.20). It stands
        // where the slabs stand, so it joins their self weight.
        m.SlabJointGroutWeight(side) = m.SlabSidePresent(side) == 0
                                           ? 0.0
                                           : 1000.0 * m.UnitWeightByKind(6) * SlabJointEffectiveWidth *
                                                 m.SlabHeight(side) / m.SlabUnitWidth(side);
        m.SlabSelfWeight(side) = m.SlabSelfWeight(side) + m.SlabJointGroutWeight(side);
        if (m.SlabSelfWeightFactorKfi(side) != 0)
            m.SlabSelfWeightDesign(side) = m.SlabSelfWeight(side) * m.SlabSelfWeightFactorKfi(side);
    }

    // 19. Slab sections and effective support lengths.
    library::ComputeSlabSectionProperties(m);
    library::ComputeEffectiveSupportLength(m);
    // A slab field whose spacing leaves its slabs no span of their own is
    // not calculated: it is named.
    if (auto fault = SlabSpanTooShortFault(m)) {
        messages_.push_back(*fault);
        status = -1;
        return false;
    }

    // 20. Core filling in force at the start; 21. no re-run taken yet.
    for (int side = 1; side <= 2; ++side) {
        m.CoreFillingStart(side) = startFilling(side);
        m.CoreFillingResult(side) = m.CoreFillingStart(side);
        run_.ActiveCoreFillingLength(side) = m.CoreFillingResult(side);
        m.RequiredCoreFillingLength(side) = m.CoreFillingResult(side);
        m.BetaF(side) = 1.0;
    }
    run_.CoreFillingRerunDone = 0;

    // 22. Design loads.
    for (int side = 1; side <= 2; ++side) {
        m.ToppingLoadDesign(side) = m.ToppingLoad(side) * m.PermanentLoadFactorKfi;
        m.SlabImposedLoadPermanentDesign(side) = m.SlabImposedLoadPermanent(side) * m.PermanentLoadFactorKfi;
        m.SlabImposedLoadVariableDesign(side) = m.SlabImposedLoadVariable(side) * m.VariableLoadFactorKfi;
    }
    m.BeamLineLoadG1Design = m.BeamLineLoadG1 * m.PermanentLoadFactorKfi;
    m.BeamLineLoadG2Design = m.BeamLineLoadG2 * m.PermanentLoadFactorKfi;
    m.BeamLineLoadQ1Design = m.BeamLineLoadQ1 * m.VariableLoadFactorKfi;
    m.BeamLineLoadQ2Design = m.BeamLineLoadQ2 * m.VariableLoadFactorKfi;
    return true;
}

}  // namespace quorvel::analysis
