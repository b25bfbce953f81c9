#include "analysis/section_solver.h"

#include <cmath>

#include "analysis/section_common.h"
#include "analysis/section_forces.h"
#include "library/strain_limits.h"
#include "library/utilities.h"
#include "runtime/errors.h"

namespace quorvel::analysis {

using model::ProjectModel;
using runtime::Value;

namespace {

// No bound on a strain or a level.
constexpr double Unbounded = 1e10;

// Lowest distance from the bottom among the rows of a group; 1e30 for a
// group without rows.
double lowestRow(const RowGroup& g) {
    if (rowCountOf(g) == 0) return 1e30;
    Value lowest, index;
    library::FindMinimumWithIndex(g.distance, g.count, lowest, index);
    return lowest;
}

// Highest top (bottom level + height) of parts 1..count, starting from part 1.
double highestTop(int16_t count, const model::PartListArray& level,
                  const model::PartListArray& height) {
    const int n = partCountOf(count);
    double top = level(1) + height(1);
    for (int i = 2; i <= n; ++i)
        if (level(i) + height(i) > top) top = level(i) + height(i);
    return top;
}

// Limit strains of the rows of one group: the ultimate 10 per mille, or the
// strain at which the row's steel reaches its design strength on top of its
// prestrain.
void setRowLimits(const RowGroup& g, bool ultimate, model::RowArray& limits) {
    for (int r = 1; r <= 10; ++r) limits(r) = 0;
    const int n = rowCountOf(g);
    for (int r = 1; r <= n; ++r)
        limits(r) = ultimate ? 10.0
                             : 1000 * g.designStrength / g.modulus + g.kind -
                                   1000 * g.prestress(r) / g.modulus;
}

struct Limits {
    double concrete[7] = {};  // per concrete kind 1..6, negative
    double plate = 0;
};

// Lowers the reference strain of the plane (reference, x) until no layer of
// the section passes its limit; sets SolverLimitStrain.
void boundReferenceStrain(ProjectModel& m, const Limits& lim, double top, double x,
                          double& reference) {
    Value eref = reference, centroidStrain;
    const auto& e = lim.concrete;
    library::ComputeLayerStrainLimits(
        m, 0, eref, m.SolverLimitStrain, centroidStrain, e[1], e[2], e[3], e[4], e[5], e[6],
        m.ConcreteStrainC2(1), m.ConcreteStrainC2(2), m.ConcreteStrainC2(3),
        m.ConcreteStrainC2(4), m.ConcreteStrainC2(5), m.ConcreteStrainC2(6), lim.plate,
        m.SolverSectionCentroid, m.SolverReferenceDepth, x, top, m.OverallBeamHeight,
        m.ReinforcementRowCount, m.RowLimitStrainMain, m.BarDistanceFromBottom,
        m.SteelBeamRebarRowCount, m.RowLimitStrainSteelBeam, m.SteelBeamBarDistance);
    reference = eref;
}

}  // namespace

void SolveSectionEquilibrium(ProjectModel& m) {
    const RowGroup mainRows = mainRowGroup(m), steelRows = steelBeamRowGroup(m);

    // 1. Lowest reinforcement level (the top rows take no part).
    double lowest = std::fmin(lowestRow(mainRows), lowestRow(steelRows));
    if (rowCountOf(mainRows) == 0 && rowCountOf(steelRows) == 0) lowest = 0;

    // 2. Part extremes.
    m.SteelPlatesTopLevel = highestTop(m.SteelPlateCount, m.SteelPlateLevel, m.SteelPlateHeight);
    {
        const int n = partCountOf(m.SteelPlateCount);
        double bottom = m.SteelPlateLevel(1);
        for (int i = 2; i <= n; ++i)
            if (m.SteelPlateLevel(i) < bottom) bottom = m.SteelPlateLevel(i);
        m.SteelPlatesBottomLevel = bottom;
    }
    m.PrecastPartsTopLevel = highestTop(m.PrecastPartCount, m.PrecastPartLevel, m.PrecastPartHeight);
    m.InfillPartsTopLevel = highestTop(m.InfillPartCount, m.InfillPartLevel, m.InfillPartHeight);

    // 3. Top of the section analysed and its centroid.
    double H;
    if (m.JointPartCount > 0) {
        H = m.BeamTopLevel + m.SideToppingThickness(0);
        for (int s = 1; s <= 2; ++s)
            if (sideLevelCounts(m, s))
                H = std::fmax(H, m.SlabBottomLevel(s) + m.SlabHeight(s) + m.SideToppingThickness(s));
        m.SolverSectionCentroid = m.SectionCentroid(6);
    } else {
        H = m.OverallBeamHeight;
        m.SolverSectionCentroid = m.SectionCentroid(2);
    }

    // 4. Reference depth and the search bracket.
    const double d = H - lowest;
    m.SolverReferenceDepth = d;
    double lower = 0, upper = d;

    // 5. Limit strains: the ultimate state, or first yield when the slab
    // end has no core to fill.
    const bool ultimate = m.CoreFillingResult(1) > -0.8 * m.SlabCoreHeight(1);
    Limits lim;
    for (int k = 1; k <= 6; ++k)
        lim.concrete[k] = ultimate ? m.ConcreteStrainCu2(k) : m.ConcreteStrainC2(k);
    setRowLimits(mainRows, ultimate, m.RowLimitStrainMain);
    setRowLimits(steelRows, ultimate, m.RowLimitStrainSteelBeam);
    lim.plate = ultimate ? Unbounded : 1000 * m.SteelDesignStrength / m.SteelModulus;

    // 6. Start: the neutral axis at the centroid; the reference strain at the
    // lowest main row for reinforced concrete, else at the bottom fibre.
    double x = H - m.SolverSectionCentroid;
    // The neutral axis may lie anywhere above the reference level: above the
    // lowest row when the reference strain is the row's, anywhere above the
    // bottom fibre otherwise. (A bracket that stopped at the lowest row held
    // a heavily reinforced section there, its forces out of balance.)
    double startStrain;
    if (m.BeamCategory == 2) {
        // A lowest row at or above the top leaves no depth to search (the
        // section rules refuse such a row before any calculation).
        if (!(d > 0)) throw runtime::RunTimeError(runtime::ErrInvalidCall);
        startStrain = m.RowLimitStrainMain(1);
    } else {
        startStrain = lim.plate;
        m.SolverReferenceDepth = H;
        upper = H;
    }

    // 7. Bisection on the neutral-axis depth.
    const double lowest0 = lower, highest0 = upper;
    Value C, MC, T, MT, MCT;
    for (int pass = 1;; ++pass) {
        if (pass > EquilibriumPassCap)
            throw runtime::RunTimeError(runtime::ErrInvalidCall,
                                        "section equilibrium not found");
        double reference = startStrain;
        boundReferenceStrain(m, lim, H, x, reference);
        const double dRef = m.SolverReferenceDepth;
        const double kappa = reference / (dRef - x);
        const double eps0 = reference * (H - x) / (dRef - x);
        IntegrateSectionForces(m, eps0, kappa, x, C, MC, T, MT, MCT);
        m.NeutralAxisDepth = x;
        m.SolverReferenceStrain = reference;
        m.SectionCurvature = kappa;
        m.SolverResidual = MC / (C + 0.000001) - MT / T;

        const bool unbalanced = std::fabs(1 + C / T) > EquilibriumBalance;
        const bool open = (upper - lower) / m.SolverReferenceDepth > EquilibriumBracket;
        if (!(unbalanced && open)) {
            const double depth = m.SolverReferenceDepth;
            const bool atRangeEnd =
                depth > 0 && (x - lowest0 <= 1e-6 * depth || highest0 - x <= 1e-6 * depth);
            const double apart = std::fabs(1 + C / T);
            // A section strained nowhere (no steel to set a strain) has
            // resultants of no size (below 1 kN) and a resistance of 0,
            // which is reported as it is.
            const bool forces = std::fmax(-C, T) > 1000.0;
            if (atRangeEnd && forces && !(apart <= UnbalancedAtRangeEnd)) throw SectionNotBalanced(apart, C + T > 0);
            break;
        }
        if (C + T < 0) upper = x;
        if (C + T > 0) lower = x;
        x = 0.5 * (lower + upper);
    }

    // 8. Mean resultant times the distance between the resultants.
    m.MomentResistanceSolved =
        0.5 * (T - C) * (MC / (C + 0.000001) - MT / (T + 0.000001));
    m.SolverResultB = C;
    m.SolverResultA = T;
}

}  // namespace quorvel::analysis
