#include "analysis/section_analysis.h"

#include <memory>
#include <string>

#include "analysis/analysis_run.h"
#include "analysis/beam_block.h"
#include "analysis/section_common.h"
#include "analysis/section_forces.h"
#include "analysis/section_solver.h"
#include "analysis/slabs_on_beam.h"
#include "library/beam_actions.h"
#include "library/beam_formulas.h"
#include "library/closed_forms.h"
#include "library/section_parts.h"
#include "library/stiffness.h"
#include "library/utilities.h"
#include "runtime/errors.h"

namespace quorvel::analysis {

using model::ProjectModel;
using runtime::Value;

namespace {

// Upper-cased type name: the families and the A beam are recognised whatever
// the case in which a project file spells the type.
std::string upperTypeName(const ProjectModel& m) {
    std::string name = m.BeamTypeName;
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return name;
}

void reset(ProjectModel& m) {
    for (int k = 1; k <= 20; ++k) {
        m.PartArea(k) = 0;
        m.PartFirstMoment(k) = 0;
        m.PartCentroidHeight(k) = 0;
        m.PartOwnInertia(k) = 0;
        m.PartAxialStiffness(k) = 0;
        m.PartStiffnessMoment(k) = 0;
        m.PartOwnStiffness(k) = 0;
        m.PartParallelAxisStiffness(k) = 0;
    }
    for (int s = 1; s <= 10; ++s) {
        m.SectionAxialStiffness(s) = 0;
        m.SectionStiffnessMoment(s) = 0;
        m.SectionCentroid(s) = 0;
        m.SectionBendingStiffness(s) = 0;
        m.SectionOwnInertiaSum(s) = 0;
        m.SectionParallelAxisSum(s) = 0;
    }
    m.JointPartCount = 0;
    m.LayerAreaSum = 0.000001;
    m.LayerFirstMoment = 0;
}

// Rounded corners of the steel profile added to slot 1: four web-to-flange
// fillets of the inner I profile of ME (at the profile's bottom level), two
// fillets on the bottom plates of BE. Other families take none.
void addFillets(ProjectModel& m, std::optional<model::BeamFamily> family) {
    if (!(m.CornerRadius > 0)) return;
    Value a, c, s, i;
    double offset;
    if (family == model::BeamFamily::ME) {
        m.FilletCorrection = 4;
        library::ComputeFilletPropertiesSubtract(m, m.CornerRadius, m.InnerProfileHeight,
                                                 m.InnerProfileFlangeThickness,
                                                 m.TopFlangeThickness, 0, a, c, s, i);
        offset = m.OverallBeamHeight - m.InnerProfileHeight;
    } else if (family == model::BeamFamily::BE) {
        m.FilletCorrection = 2;
        library::ComputeFilletProperties(m, m.CornerRadius, 0, 0, 0, 0, a, c, s, i);
        a = a * m.FilletCorrection;
        s = s * m.FilletCorrection;
        i = i * m.FilletCorrection;
        offset = m.BottomFlangeThickness;
    } else {
        return;
    }
    const double areaBefore = m.PartArea(1), centroidBefore = m.PartCentroidHeight(1);
    const double area = areaBefore + a;
    const double first = m.PartFirstMoment(1) + offset * a + s;
    const double yc = first / area;
    const double filletLevel = offset + c;
    // Both the plates and the fillets move to the new centroid.
    const double inertia = m.PartOwnInertia(1) +
                           areaBefore * (centroidBefore - yc) * (centroidBefore - yc) + i +
                           a * (yc - filletLevel) * (yc - filletLevel);
    const double E = m.SteelModulus;
    m.PartArea(1) = area;
    m.PartFirstMoment(1) = first;
    m.PartCentroidHeight(1) = yc;
    m.PartOwnInertia(1) = inertia;
    m.PartAxialStiffness(1) = area * E;
    m.PartStiffnessMoment(1) = first * E;
    m.PartOwnStiffness(1) = inertia * E;
    m.PartParallelAxisStiffness(1) = yc * yc * area * E;
}

// Adds the rows of a group as points to slot k; P and Py receive their
// prestressing force and its first moment. False for a group without rows.
bool addRowsToSlot(ProjectModel& m, int k, const RowGroup& g, double concreteModulus, Value& P,
                   Value& Py) {
    const int rows = rowCountOf(g);
    if (rows == 0) return false;
    Value A, yc, S, Sy, EA, ES, ESy;
    library::SumReinforcementRows(m, rows, g.modulus - concreteModulus, g.bars, g.barArea,
                                  g.distance, g.prestress, A, yc, S, Sy, EA, ES, ESy, P, Py);
    m.PartArea(k) += A;
    m.PartFirstMoment(k) += S;
    m.PartAxialStiffness(k) += EA;
    m.PartStiffnessMoment(k) += ES;
    // Points: no own second moment; E A d^2 summed row by row.
    m.PartParallelAxisStiffness(k) += ESy;
    m.PartCentroidHeight(k) = m.PartStiffnessMoment(k) / m.PartAxialStiffness(k);
    return true;
}

void setTransformed(ProjectModel& m, int stage, double Er) {
    m.TransformedArea = m.SectionAxialStiffness(stage) / Er;
    m.TransformedFirstMoment = m.SectionStiffnessMoment(stage) / Er;
    m.TransformedInertia = m.SectionBendingStiffness(stage) / Er;
}

void copyStage(ProjectModel& m, int from, int to, bool withCentroid) {
    m.SectionAxialStiffness(to) = m.SectionAxialStiffness(from);
    m.SectionStiffnessMoment(to) = m.SectionStiffnessMoment(from);
    m.SectionBendingStiffness(to) = m.SectionBendingStiffness(from);
    m.SectionOwnInertiaSum(to) = m.SectionOwnInertiaSum(from);
    m.SectionParallelAxisSum(to) = m.SectionParallelAxisSum(from);
    if (withCentroid) m.SectionCentroid(to) = m.SectionCentroid(from);
}

// Slots 1..5, stages 1 and 2, the self weight, Wb of stage 2.
double buildBeamStages(ProjectModel& m, std::optional<model::BeamFamily> family) {
    if (m.SteelPlateCount > 0) {
        setSlotFromPartList(m, 1, m.SteelPlateCount, m.SteelPlateBottomWidth,
                            m.SteelPlateTopWidth, m.SteelPlateHeight, m.SteelPlateLevel,
                            m.SteelModulus);
        addFillets(m, family);
    }
    if (m.PrecastPartCount > 0)
        setSlotFromPartList(m, 2, m.PrecastPartCount, m.PrecastPartBottomWidth,
                            m.PrecastPartTopWidth, m.PrecastPartHeight, m.PrecastPartLevel,
                            m.ConcreteEcm(1));
    Value P, Py;
    if (addRowsToSlot(m, 3, mainRowGroup(m), m.ConcreteEcm(1), P, Py)) {
        m.LayerAreaSum = P;
        m.LayerFirstMoment = Py;
    }
    if (addRowsToSlot(m, 3, topRowGroup(m), m.ConcreteEcm(1), P, Py)) {
        m.LayerAreaSum += P;
        m.LayerFirstMoment += Py;
    }

    sumStage(m, 1, 1, 3);
    setTransformed(m, 1, m.SteelPlateCount > 0 ? m.SteelModulus : m.ConcreteEcm(1));

    if (m.InfillPartCount > 0) {
        setSlotFromPartList(m, 4, m.InfillPartCount, m.InfillPartBottomWidth,
                            m.InfillPartTopWidth, m.InfillPartHeight, m.InfillPartLevel,
                            m.ConcreteEcm(2));
        addRowsToSlot(m, 5, steelBeamRowGroup(m), m.ConcreteEcm(2), P, Py);
        sumStage(m, 2, 1, 5);
    } else {
        copyStage(m, 1, 2, true);
    }

    // Self weight: unit weight of slot k's material times its area, N/mm.
    // The concrete's 25 kN/m3 holds its normal reinforcement (EN 1991-1-1
    // Table A.1) and its area is the gross one: a bar adds only what it
    // weighs beyond the concrete it displaces, 78.5 - 25 kN/m3. Bars of
    // slot 3 stand in the precast concrete (or, without it, in the infill),
    // those of slot 5 in the infill; bars with no concrete round them weigh
    // in full.
    const auto hostConcrete = [&m](int slot) {
        if (slot == 3 && m.PrecastPartCount > 0) return static_cast<double>(m.UnitWeightByKind(2));
        if ((slot == 3 || slot == 5) && m.InfillPartCount > 0) return static_cast<double>(m.UnitWeightByKind(4));
        return 0.0;
    };
    double partial = 0, whole = 0;
    for (int k = 1; k <= 5; ++k) {
        const double displaced = k == 3 || k == 5 ? hostConcrete(k) : 0.0;
        const double w = (m.UnitWeightByKind(k) - displaced) * m.PartArea(k);
        if (k <= 3) partial += w;
        whole += w;
    }
    m.BeamPartialSelfWeight = partial;
    m.BeamSelfWeight = whole;
    m.BeamPartialSelfWeightDesign = partial * m.PermanentLoadFactorKfi;
    m.BeamSelfWeightDesign = whole * m.PermanentLoadFactorKfi;

    const double Er = m.BeamCategory == 1   ? static_cast<double>(m.SteelModulus)
                      : m.BeamCategory == 4 ? static_cast<double>(m.ConcreteEcm(2))
                                            : static_cast<double>(m.ConcreteEcm(1));
    setTransformed(m, 2, Er);
    return quotient(m.TransformedInertia, m.SectionCentroid(2));
}

// Resistance of the beam alone (first solver call, no joint parts).
void beamResistance(ProjectModel& m, double Wb) {
    if (m.BeamCategory != 1) {
        if (m.LayerAreaSum == 0) m.LayerAreaSum = 0.000001;
        m.LayerEccentricity = m.LayerFirstMoment / m.LayerAreaSum - m.SectionCentroid(1);
        // Cracking moment of the beam, with the mean tensile strength of the
        // beam concrete, fctm = fctk,0.05 / 0.7 (EN 1992-1-1 Table 3.1). The
        // concrete of a composite steel beam is its infill, the one the
        // section is transformed to; the precast concrete of the other
        // families is concrete 1.
        const int beamConcrete = m.BeamCategory == 4 ? 2 : 1;
        library::ComputeTendonEccentricity(1, m.BeamWidth,
                                           m.BeamWidth + m.LeftLedgeDepth + m.RightLedgeDepth,
                                           m.OverallBeamHeight, 0, Wb, m.TransformedArea,
                                           m.ConcreteFctk(beamConcrete) / 0.7, m.LayerAreaSum,
                                           m.LayerEccentricity, m.SectionResultA);
        SolveSectionEquilibrium(m);
        m.MomentResistanceA = m.MomentResistanceSolved;
        return;
    }
    // Welded steel: the smallest moment at first yield of the top fibre, the
    // inner faces of both flanges and the bottom fibre.
    m.SectionResultA = 1e30;
    const double I = m.PartOwnInertia(1), yc = m.SectionCentroid(1), H = m.OverallBeamHeight;
    double firstYield = m.PlateDesignStrength(0) * quotient(I, H - yc);
    firstYield = library::MinValue(
        m.PlateDesignStrength(1) * quotient(I, (H - yc) - m.TopFlangeThickness), firstYield);
    firstYield = library::MinValue(
        m.PlateDesignStrength(1) * quotient(I, yc - m.BottomFlangeThickness), firstYield);
    firstYield = library::MinValue(m.PlateDesignStrength(2) * quotient(I, yc), firstYield);
    m.SectionResultB = firstYield;
    SolveSectionEquilibrium(m);
    // The 1.2 x first-yield floor, never above the plastic moment that no
    // cross-section can exceed.
    const double floor = library::MinValue(1.2 * firstYield, SteelPlatePlasticMoment(m));
    m.MomentResistanceA = library::MaxValue(m.MomentResistanceSolved, floor);
}

// The stiffness of a section that cracks is found under its sagging design
// moment; a beam whose design moment hogs over the whole span has none, and
// is not calculated: the hogging is named, with its most negative moment. (A beam
// with no moment at all is left to the error of the 0 / 0 below.)
void refuseHoggingOverTheSpan(ProjectModel& m) {
    model::CalculationResultFields& results = m;
    const auto before = std::make_unique<model::CalculationResultFields>(results);
    findBeamMaximaOverSpan(m, ComputeBeamActionsWithSelfWeight);
    if (!BeamHogs(m)) {
        results = *before;
        return;
    }
    const std::string moment = HoggingMomentText(m.MaxHoggingDesignMoment * 1e-6, 1);
    throw CalculationRefused(runtime::NotCalculated(
        std::string("palkin mitoitusmomentti on negatiivinen (tukimomentti) koko jänteellä, "
                    "alimmillaan ") +
            moment +
            " kNm. Palkki tarkistetaan vain positiiviselle momentille, ja sen halkeilleen poikkileikkauksen "
            "jäykkyys lasketaan positiivisesta momentista. Tarkista tukimomentit.",
        std::string("the beam's design moment is hogging (negative) over the whole span, "
                    "down to ") +
            moment +
            " kNm. The beam is checked in sagging only, and the stiffness of its cracked section is found from "
            "a sagging moment. Check the support moments."));
}

// Stages 3 and 4 and slot 6 (the beam as one part of the composite section).
// Composite steel beams and the A beam without prestress crack: stage 3 is
// the section with concrete only above the neutral axis under the design
// moment, stage 4 the smaller of each cracked and uncracked sum. Returns the
// level b0 from which the joint grout counts.
double beamStiffness(ProjectModel& m) {
    const double Md = library::MinValue(m.MomentResistanceSolved, m.MaxDesignMoment);
    const bool cracks = m.BeamCategory == 4 || (upperTypeName(m) == "APALKKI" && m.BarPrestress(1) < 0.1);
    if (cracks && !(m.MaxDesignMoment > 0.0)) refuseHoggingOverTheSpan(m);
    if (cracks) {
        // No load below the cracking moment is taken into account (ratio
        // 0 / 0.75 Md, which is 0 / 0 when Md is 0: error 6), so each sum is
        // the cracked one, bounded by the uncracked one.
        quotient(0, 0.75 * Md);
        library::ComputeNeutralAxisSectionStiffness(
            m, Md, m.SectionAxialStiffness(3), m.SectionStiffnessMoment(3),
            m.SectionOwnInertiaSum(3), m.SectionParallelAxisSum(3), m.SectionBendingStiffness(3));
        auto effective = [&](model::SectionStageArray& X) {
            X(4) = library::MinValue(library::ComputeCubicRatioTerm(0, 0.75 * Md, X(2), X(3)), X(2));
        };
        effective(m.SectionAxialStiffness);
        effective(m.SectionStiffnessMoment);
        effective(m.SectionOwnInertiaSum);
        effective(m.SectionParallelAxisSum);
        effective(m.SectionBendingStiffness);
    } else {
        copyStage(m, 2, 3, false);
        copyStage(m, 2, 4, false);
    }
    const int source = cracks ? 4 : 2;
    m.PartAxialStiffness(6) = m.SectionAxialStiffness(source);
    m.PartStiffnessMoment(6) = m.SectionStiffnessMoment(source);
    m.PartOwnStiffness(6) = m.SectionOwnInertiaSum(source);
    m.PartParallelAxisStiffness(6) = m.SectionParallelAxisSum(source);
    m.PartCentroidHeight(6) = m.PartStiffnessMoment(6) / m.PartAxialStiffness(6);
    return cracks ? static_cast<double>(m.PartCentroidHeight(6)) : 0.0;
}

}  // namespace

// Self weight along the beam: row 0 of the moment and shear tables, added to
// the total row 6. Family BE keeps the bare beam's weight in row 0 and puts
// the rest (the cast concrete) in row 1, the stage before grouting.
void ComputeBeamActionsWithSelfWeight(ProjectModel& m) {
    const bool onShores = m.Family() == model::BeamFamily::BE;
    library::ComputeBeamMomentsAndShears(m);
    const double L = m.BeamSpan;
    for (int i = 0; i <= m.CalculationPointCount; ++i) {
        const double x = m.CalculationPointX(i);
        auto M = [&](double q) { return library::ComputeUdlMoment(q, x, L); };
        if (onShores) {
            m.BeamMomentChar(i, 0) = M(m.BeamPartialSelfWeight);
            m.BeamMomentDesign(i, 0) = M(m.BeamPartialSelfWeightDesign);
            m.BeamMomentChar(i, 1) += M(m.BeamSelfWeight - m.BeamPartialSelfWeight);
            m.BeamMomentDesign(i, 1) += M(m.BeamSelfWeightDesign - m.BeamPartialSelfWeightDesign);
            // Row 6 was summed before row 1 grew: the whole self weight joins it.
            m.BeamMomentChar(i, 6) += M(m.BeamSelfWeight);
            m.BeamMomentDesign(i, 6) += M(m.BeamSelfWeightDesign);
        } else {
            m.BeamMomentChar(i, 0) = M(m.BeamSelfWeight);
            m.BeamMomentDesign(i, 0) = M(m.BeamSelfWeightDesign);
            m.BeamMomentChar(i, 6) += m.BeamMomentChar(i, 0);
            m.BeamMomentDesign(i, 6) += m.BeamMomentDesign(i, 0);
        }
        m.BeamShearDesign(i, 0) = library::ComputeUdlShear(m.BeamSelfWeightDesign, x, L);
        m.BeamShearDesign(i, 6) += m.BeamShearDesign(i, 0);
        m.BeamShearChar(i, 0) = library::ComputeUdlShear(m.BeamSelfWeight, x, L);
        m.BeamShearChar(i, 6) += m.BeamShearChar(i, 0);
    }
    library::DesignBeamWithGoverningExpression(m);
    // A point load or a peak between two stations is not missed.
    library::FindBeamMomentPeaks(m, m.BeamSelfWeight, m.BeamSelfWeightDesign);
}

void AnalyseBeamSection(ProjectModel& m) {
    const std::optional<model::BeamFamily> family = m.Family();
    reset(m);
    const double Wb = buildBeamStages(m, family);
    beamResistance(m, Wb);
    ComputeBeamActionsWithSelfWeight(m);
    // The part-list sums use TransformedInertia as their scratch value; the
    // beam's transformed second moment (stage 2) is kept for the report.
    const double beamInertia = m.TransformedInertia;
    const double b0 = beamStiffness(m);
    BuildCompositeSection(m, b0);
    SolveSectionEquilibrium(m);
    m.TransformedInertia = beamInertia;
    runtime::checkFloatingPoint();
}

}  // namespace quorvel::analysis
