// The beam block of one analysis pass: loads of the slab fields on the beam,
// the calculation stations, the beam's moments and shears, the zero-moment
// zone, the effective slab widths, the section analysis, the beam maxima and
// shear design, the slab loads and strand transfer, and the shear flows at
// the slab edges. It is also where the core-filling re-run starts again, so
// every step here is repeated on that pass.

#include "analysis/beam_block.h"

#include <algorithm>
#include <cmath>

#include "analysis/analysis_setup.h"
#include "analysis/section_analysis.h"
#include "analysis/slabs_on_beam.h"
#include "library/beam_actions.h"
#include "library/checked_math.h"
#include "library/coefficient_table.h"
#include "library/factors.h"
#include "library/load_distribution.h"
#include "library/shear_design.h"
#include "library/slab_actions.h"
#include "library/slab_geometry.h"
#include "library/slab_loads.h"
#include "library/strand_transfer.h"
#include "library/utilities.h"

namespace quorvel::analysis {

using model::ProjectModel;
using model::SideArray;

namespace {

// An area load of the slab fields (kN/m2 per side) and the line load it
// becomes at the two beam ends (kN/m per end). The slab self weight stands
// only on the slabs; the other loads also cover the joint strip over the
// beam.
struct AreaToLineLoad {
    SideArray ProjectModel::*area;
    SideArray ProjectModel::*line;
    bool onJointStrip;
};

const AreaToLineLoad slabLineLoads[] = {
    {&ProjectModel::SlabSelfWeight, &ProjectModel::SlabSelfWeightLineLoad, false},
    {&ProjectModel::ToppingLoad, &ProjectModel::ToppingLineLoad, true},
    {&ProjectModel::SlabImposedLoadPermanent, &ProjectModel::ImposedPermanentLineLoad, true},
    {&ProjectModel::SlabImposedLoadVariable, &ProjectModel::ImposedVariableLineLoad, true},
    {&ProjectModel::SlabSelfWeightDesign, &ProjectModel::SlabSelfWeightLineLoadDesign, false},
    {&ProjectModel::ToppingLoadDesign, &ProjectModel::ToppingLineLoadDesign, true},
    {&ProjectModel::SlabImposedLoadPermanentDesign, &ProjectModel::ImposedPermanentLineLoadDesign,
     true},
    {&ProjectModel::SlabImposedLoadVariableDesign, &ProjectModel::ImposedVariableLineLoadDesign,
     true},
};

// The contributions of the loads standing on the slab fields to the slab
// checks, per side and station.
model::SidePointArray ProjectModel::*const slabFieldLoadTables[] = {
    &ProjectModel::PointLoadSlabMomentK, &ProjectModel::PointLoadSlabMomentD,
    &ProjectModel::PointLoadSlabShear,   &ProjectModel::LineLoadSlabMomentK,
    &ProjectModel::LineLoadSlabMomentD,  &ProjectModel::LineLoadSlabShear,
    &ProjectModel::PointLoadSlabMomentG, &ProjectModel::PointLoadSlabShearG,
    &ProjectModel::LineLoadSlabMomentG,  &ProjectModel::LineLoadSlabShearG,
};

double stationSpacing(const ProjectModel& m) {
    return library::checkedQuotient(m.BeamSpan, m.CalculationPointCount);
}

}  // namespace

void formBeamLineLoads(ProjectModel& m, const AnalysisRun& run) {
    for (int side = 1; side <= 2; ++side) m.SlabWidthDataParam(side) = 0.0;
    m.LedgeHeightBySide(1) = m.LeftLedgeHeight;
    m.LedgeHeightBySide(2) = m.RightLedgeHeight;

    // The joint concrete is of the topping's kind; its core filling is the
    // one in effect in this pass, never less than the threshold. The cores
    // are the slab section less its concrete (without the strands' share).
    library::ComputeJointConcreteLoad(
        m, m.OverallBeamHeight, m.LedgeHeightBySide, m.SlabWidthDataParam, m.SlabSidePresent,
        m.SlabHeight, m.SlabUnitWidth, m.SlabWidthDeduction, m.SlabSectionValueA, m.SlabBottomLevel,
        m.JointGroutWidth, run.ActiveCoreFillingLength, CoreFillingThreshold,
        m.UnitWeightByKind(6), m.PermanentLoadFactorKfi, m.JointConcreteLineLoad,
        m.JointConcreteLineLoadDesign);

    Value W;
    library::ComputeSlabLoadWidths(m, m.SlabSidePresent, m.JointGroutWidth, SlabBearingWidth(m),
                                   m.BeamSpacing, m.SlabLoadWidth, W);
    for (const AreaToLineLoad& load : slabLineLoads)
        library::ComputeSlabLineLoads(load.onJointStrip ? static_cast<double>(W) : 0.0,
                                      m.SlabLoadWidth, m.*load.area, m.*load.line);
}

void setUniformStations(ProjectModel& m, AnalysisRun* run) {
    const double h = stationSpacing(m);
    for (int i = 0; i <= m.CalculationPointCount; ++i) {
        m.CalculationPointX(i) = i * h;
        if (run) {
            run->PointCoreFillingFlag(1, i) = 0.0;
            run->PointCoreFillingFlag(2, i) = 0.0;
        }
    }
}

void placeStations(ProjectModel& m, AnalysisRun& run) {
    library::CopyMatrixColumn(m.BeamMomentDesign, run.CompositeMomentLine, -1, 5,
                              model::MaxCalculationPoint, 0);
    library::FindZeroMomentPoints(m, m.CalculationPointX, run.CompositeMomentLine,
                                  m.CalculationPointCount, m.ZeroMomentX, m.ZeroMomentSpan);

    // The webs nearest inside the zone (the governing joint), and those
    // nearest inside the beam's ends. Every slab check, tvl included, takes
    // its stations over the whole beam: a hogging end moment shrinks the
    // zone but not the slab, and the shear the beam hands to the slab webs
    // does not stop where the moment changes sign. A support moment then
    // changes the checks only through the beam's forces.
    const auto webs = [&m](double xa, double xb, Value& first, Value& last, Value& nearest) {
        Value gap;
        library::FindSlabWebPositions(m.BeamSpan, m.FirstJointDistance, m.SlabWidthDeduction,
                                      m.SlabCoreCount, m.SlabCoreWidth, m.SlabEdgeCoreDistance,
                                      m.SlabCoreSpacing, xa, xb, first, last, nearest, gap);
    };
    Value first, last, nearest, beamFirst, beamLast, beamNearest;
    webs(m.ZeroMomentX(1), m.ZeroMomentX(2), first, last, nearest);
    webs(0.0, m.BeamSpan, beamFirst, beamLast, beamNearest);
    m.GoverningJointX = nearest;

    const auto clamp = [](double x, double lo, double hi) { return x < lo ? lo : x > hi ? hi : x; };
    const double h = stationSpacing(m);
    for (int i = 0; i <= m.CalculationPointCount; ++i)
        m.CalculationPointX(i) = clamp(i * h, beamFirst, beamLast);
}

void findBeamMaximaOverSpan(ProjectModel& m, const BeamActionsAndMaxima& actions, AnalysisRun* run) {
    // The stations of the slab checks stop at the slab webs nearest the
    // supports and never reach one, where the shear of a beam with end
    // moments is largest and a hogging moment too; the maxima are taken on
    // stations spread over the whole span.
    const model::PointArray checkStations = m.CalculationPointX;
    const model::PointStageArray momentChar = m.BeamMomentChar;
    const model::PointStageArray momentDesign = m.BeamMomentDesign;
    const model::PointStageArray shearDesign = m.BeamShearDesign;
    const model::PointStageArray shearChar = m.BeamShearChar;

    setUniformStations(m);
    actions(m);

    // The largest hogging moments of the total rows, supports included,
    // each judged by MomentHogs against the largest moment of its row.
    const auto largestHogging = [&m](const model::PointStageArray& moments, Value& hogging, Value* x) {
        double scale = 0.0;
        for (int i = 0; i <= m.CalculationPointCount; ++i) scale = std::max(scale, std::fabs(moments(i, 6)));
        hogging = 0.0;
        if (x) *x = 0.0;
        for (int i = 0; i <= m.CalculationPointCount; ++i) {
            const double moment = moments(i, 6);
            if (MomentHogs(moment, scale) && moment < hogging) {
                hogging = moment;
                if (x) *x = m.CalculationPointX(i);
            }
        }
    };
    largestHogging(m.BeamMomentDesign, m.MaxHoggingDesignMoment, &m.MaxHoggingDesignMomentX);
    largestHogging(m.BeamMomentChar, m.MaxHoggingCharMoment, nullptr);
    if (run) run->SpanMomentDesign = m.BeamMomentDesign;

    m.CalculationPointX = checkStations;
    m.BeamMomentChar = momentChar;
    m.BeamMomentDesign = momentDesign;
    m.BeamShearDesign = shearDesign;
    m.BeamShearChar = shearChar;
}

void designBeamShearReinforcement(ProjectModel& m, AnalysisRun& run) {
    run.StirrupPartialFactor = library::SelectSteelPartialFactor(0, m.ConcreteQualityClass(3));
    m.StirrupYieldStrength = 500.0;
    m.StirrupDesignStrength = library::checkedQuotient(m.StirrupYieldStrength, run.StirrupPartialFactor);
    // The compression strut spreads over the slab bearings of each side
    // that carries slabs, each with its own length; the minimum stirrups
    // take the weaker of the beam's and the grout's concrete.
    double bearings = 0.0;
    for (int side = 1; side <= 2; ++side)
        if (m.SlabSidePresent(side) != 0) bearings += m.SlabSupportLength(side);
    library::DesignShearReinforcement(
        m.BeamCategory, m.MaxShearStage6, m.JointGroutWidth(1) + m.JointGroutWidth(2),
        m.SolverReferenceDepth, bearings, m.ConcreteFctd(1), m.ConcreteFctd(3),
        library::MinValue(m.ConcreteFctk(1), m.ConcreteFctk(3)), m.ConcreteFcd(1), m.ConcreteFcd(3),
        m.StirrupYieldStrength, m.StirrupDesignStrength, m.ShearReinforcementDesign,
        m.ShearReinforcementRequired, m.MaxShearResistance, m.MaxDesignMoment,
        m.MomentResistanceA, m.MomentResistanceSolved, m.SolverResultB, m.ZeroMomentSpan,
        m.SteelWebShearStress);
    if (m.MaxShearResistance < m.MaxShearStage6) {
        run.ShearCheckJointWidth = 0.0;
        m.BetaY = 1.0;
    }
}

void designBeamShear(ProjectModel& m, AnalysisRun& run) {
    const bool designed = m.SlabsOnLedge == 0 && m.BeamCategory <= 2 &&
                          m.DowelsOnBeamTop < 0.999 && run.ShearCheckJointWidth > 0;
    if (!designed) {
        m.ShearReinforcementDesign = 0.0;
        m.SteelWebShearStress = 0.0;
        return;
    }
    designBeamShearReinforcement(m, run);
}

void computeSlabEdgeShearFlows(ProjectModel& m, AnalysisRun& run) {
    for (int side = 1; side <= 2; ++side) {
        for (int i = 0; i <= m.CalculationPointCount; ++i) {
            const double V2 = std::fabs(m.BeamShearDesign(i, 2));
            const double V5 = std::fabs(m.BeamShearDesign(i, 5));
            run.BeamShearFlowA(i) = m.PartGroupShearFlowFactor(5) * V2;
            run.BeamShearFlowB(i) = m.PartGroupShearFlowFactor(6) * V5;
            m.SlabEdgeShearFlow(i, side, 1) = m.PartGroupShearFlowFactor(side) * V2;
            m.SlabEdgeShearFlow(i, side, 2) = m.PartGroupShearFlowFactor(side + 2) * V5;
        }
    }
}

void SlabsOnBeamAnalysis::runBeamBlock() {
    ProjectModel& m = m_;

    formBeamLineLoads(m, run_);

    // First moment pass on the uniform stations, for the zero-moment zone.
    setUniformStations(m, &run_);
    library::ComputeBeamMomentsAndShears(m);
    placeStations(m, run_);

    // Loads standing on the slab fields, then the second moment pass on the
    // stations of the slab checks with those loads.
    for (auto table : slabFieldLoadTables)
        for (int side = 1; side <= 2; ++side)
            for (int i = 0; i <= m.CalculationPointCount; ++i) (m.*table)(side, i) = 0.0;
    if (m.SlabPointLoadCount(1) + m.SlabPointLoadCount(2) > 0) library::DistributeSlabPointLoads(m);
    if (m.SlabLineLoadCount(1) + m.SlabLineLoadCount(2) > 0) library::DistributeSlabLineLoads(m);
    library::ComputeBeamMomentsAndShears(m);

    // Effective width of each slab side acting with the beam, constant over
    // the span at the value of a span supported at both ends (Lo the beam's
    // span). Taken from the zero-moment zone it would shrink to nothing as
    // the support moments grow and take the slab webs' shear with it, and
    // it jumped back to the whole span once the beam hogged everywhere.
    for (int side = 1; side <= 2; ++side) {
        library::LookupKefCoefficient(m, m.BeamTypeName, m.SlabTypeName(side), m.SlabHeight(side),
                                      m.SlabDimensionHct(side), m.DowelsOnBeamTop,
                                      m.DowelledConnection, m.SlabKcd(side),
                                      m.SlabRecordValue14(side));
        m.SlabBcd(side) = m.SlabKcd(side) * m.BeamSpan;
    }

    AnalyseBeamSection(m);
    findBeamMaximaOverSpan(m, ComputeBeamActionsWithSelfWeight, &run_);
    designBeamShear(m, run_);

    library::ComputeSlabLoadsOnBeam(m);
    library::ComputeStrandTransferPerSide(m);

    m.TvlComponentWeightA = int16_t{1};
    m.TvlComponentWeightB = int16_t{1};
    computeSlabEdgeShearFlows(m, run_);
    m.UtilisationRatio = 0.0;
}

}  // namespace quorvel::analysis
