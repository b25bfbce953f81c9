// The side pass of the slab web checks and the station check up to the
// core-filling decision.

#include "analysis/slab_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_setup.h"
#include "analysis/slabs_on_beam.h"
#include "library/checked_math.h"
#include "library/closed_forms.h"
#include "library/slab_actions.h"
#include "library/shear_design.h"
#include "library/slab_geometry.h"
#include "library/slab_loads.h"
#include "library/utilities.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quorvel::analysis {

using library::checkedQuotient;
using model::ProjectModel;
using runtime::ErrDivisionByZero;
using runtime::ErrInvalidCall;
using runtime::RunTimeError;

namespace {

// A divisor the check cannot do without: 0 ends the calculation with 11.
void requireNonZero(double divisor, const char* what) {
    if (divisor == 0.0) throw RunTimeError(ErrDivisionByZero, what);
    if (std::isnan(divisor)) throw RunTimeError(ErrInvalidCall, what);
}

// Beam families whose slab ends take no end factor.
bool takesNoEndFactor(std::string_view beamTypeName) {
    using F = model::BeamFamily;
    const std::optional<F> family = model::FamilyOfTypeNameAsItStands(beamTypeName);
    return family == F::DE || family == F::ME || family == F::LB;
}

// Beam spacing of a side at x, straight between the two beam ends.
double spacingAt(const ProjectModel& m, int side, double x) {
    const double s1 = m.BeamSpacing(side, 1);
    const double s2 = m.BeamSpacing(side, 2);
    return s1 + checkedQuotient(s2 - s1, m.BeamSpan) * x;
}

// Normal stress of the slab web at the check level D at station i, tension
// positive: a sagging moment stretches the web below the centroid. It
// depends on the slab moments of the station only, not on its shear or
// core filling.
double stationNormalStress(const ProjectModel& m, int k, int i) {
    const double zD = m.SlabSectionValueD(k);
    return library::ComputeGuardedRatio(m.SlabAreaLoadMomentAtBcr(k, i), m.SlabMomentOfInertia(k),
                                        zD, m.SlabDimensionPhc(k)) +
           library::ComputeGuardedRatio(m.SlabMomentAtBcrDifference(k, i),
                                        m.ToppedSlabMomentOfInertia(k), zD,
                                        m.ToppedSlabCentroidPhc(k));
}

}  // namespace

double ComputeEndFactor(double h, double ap, double L, double leff, double lmax, double a) {
    const double p = library::EndZoneReach(h - ap, a);
    double r = checkedQuotient(0.5 * L, 0.5 * L - p);
    if (r < 1) r = 1;
    double result = 1.0 + checkedQuotient((1.0 - r) * leff, lmax);
    if (result > r) result = r;
    return result;
}

SlabSpanBound LeastSlabSpan(const ProjectModel& m, int side) {
    SlabSpanBound bound{m.SlabBcr(side).number(), false};
    // Where the end factor applies, it keeps at least half of its value
    // (r - 1 at most lmax / (2 leff)): L/2 - p >= 2 p leff / lmax.
    const double d = m.SlabHeight(side) - m.BottomStrandAxisDistance(side);
    const double lmax = m.SlabSupportLengthLimit(side);
    if (!takesNoEndFactor(m.BeamTypeName) && d > 0 && lmax > 0) {
        const double a = 0.5 * (m.SlabSupportLength(side) + m.SlabBcr(side));
        const double p = library::EndZoneReach(d, a);
        const double leff = library::LongSpanEffectiveSupportLength(m, side);
        const double endFactor = 2.0 * p * (1.0 + 2.0 * leff / lmax);
        if (endFactor > bound.span) bound = {endFactor, true};
    }
    return bound;
}

std::optional<runtime::Message> SlabSpanTooShortFault(const ProjectModel& m) {
    for (int side = 1; side <= 2; ++side) {
        if (m.SlabSidePresent(side) == 0) continue;
        const double support = m.SlabSupportLength(side);
        const SlabSpanBound least = LeastSlabSpan(m, side);
        // The slab length is what the beam and the joints take from the
        // spacing; its span runs between the bearing centres.
        const double taken =
            2.0 * m.SlabEndOffset(side) + (m.SlabsOnLedge == 1 ? SlabBearingWidth(m) : 0.0);
        const auto leavesSpan = [&](double spacing) { return spacing - taken - support > least.span; };
        for (int end = 1; end <= 2; ++end) {
            const double entered = m.EnteredBeamSpacing(side, end);
            if (leavesSpan(entered)) continue;
            // The least whole millimetre that calculates, by the same test
            // (the sum rounded up, or one more where it is whole).
            double need = std::ceil(taken + support + least.span) - 1.0;
            for (int step = 0; step < 3 && !leavesSpan(need); ++step) need += 1.0;
            const bool left = side == 1, start = end == 1;
            const auto mm = runtime::tenthsText;
            return runtime::NotCalculated(
                std::string(left ? "vasemman" : "oikean") + " laataston palkkiväli " +
                    (start ? "alkupäässä" : "loppupäässä") + ", " + mm(entered) +
                    " mm, ei jätä laatoille jänneväliä: palkkivälin on oltava vähintään " + mm(need) +
                    " mm (palkki ja saumat vievät " + mm(taken) + " mm, tukipituus " + mm(support) +
                    " mm, ja laatan jännevälin on oltava yli " + mm(least.span) + " mm: " +
                    (least.endFactor ? "päätekijän 2 p (1 + 2 leff / lmax)"
                                     : "uuman tarkistusleikkauksen b.cr") +
                    ").",
                std::string("the beam spacing of the ") + (left ? "left" : "right") + " slab field at the beam " +
                    (start ? "start" : "end") + ", " + mm(entered) +
                    " mm, leaves its slabs no span: the spacing must be at least " + mm(need) +
                    " mm (the beam and the joints take " + mm(taken) + " mm, the support " + mm(support) +
                    " mm, and the slab's span must be more than " + mm(least.span) + " mm: " +
                    (least.endFactor ? "the end factor's 2 p (1 + 2 leff / lmax)"
                                     : "the web check section b.cr") +
                    ").");
        }
    }
    return std::nullopt;
}

double ComputePointShearResistance(double thc, double tvl, double Vd, double alpha,
                                   double sigmaCp, double sigmaN, double tauT, double f) {
    const double a = checkedQuotient(thc, Vd);
    const double b = checkedQuotient(tvl, Vd);
    const double D = a * a + b * b;
    const double t = alpha * tauT;  // transfer shear, independent of V
    // D V^2 + 2 a t V + t^2 - f (f - s) = 0.
    const double half = checkedQuotient(a * t, D);
    const double disc = half * half + (f * (f - alpha * sigmaCp - sigmaN) - t * t) / D;
    // No real root, or none above 0: sigma1 exceeds the limit already without
    // slab shear, so the web resists none.
    if (std::isnan(disc)) throw RunTimeError(ErrInvalidCall, "slab shear resistance");
    if (disc < 0) return 0.0;
    return std::max(std::sqrt(disc) - half, 0.0);
}

double StationSafetyFactor(double gamma, double thc, double tvl) {
    return 1.0 + checkedQuotient(thc, thc + tvl) * (gamma - 1.0);
}

namespace {

// Halvings of the bisection of the tvl reserve: the interval ends within
// tvl / 2^64 of each other, far below any printed digit.
constexpr int ReserveBisectionSteps = 64;

}  // namespace

double GoverningStationTvlReserve(const GoverningWebStation& g, double fctd, double gamma) {
    // The station's limit with t in place of its tvl; with no web shear at
    // all the slab's share is 0 and the factor 1.
    const auto limitAt = [&](double t) {
        if (g.thc + t == 0.0) return fctd;
        return checkedQuotient(fctd, StationSafetyFactor(gamma, g.thc, t));
    };
    const auto reserveUnder = [&](double t) {
        return library::ComputeShearStressReserve(limitAt(t), g.transferFactor, g.prestress,
                                                  g.normalStress, g.transferShear, g.thc);
    };
    // The station holds t while t is within the reserve its limit at t leaves.
    const auto holds = [&](double t) { return t <= reserveUnder(t); };
    if (!(reserveUnder(0.0) > 0.0)) return 0.0;
    double low = 0.0;
    double high = g.tvl;
    if (holds(high)) return high;
    for (int step = 0; step < ReserveBisectionSteps; ++step) {
        const double mid = 0.5 * (low + high);
        (holds(mid) ? low : high) = mid;
    }
    return low;
}

namespace {
runtime::Message holeRefusalMessage(int side, double from, double to) {
    char stretch[64];
    std::snprintf(stretch, sizeof stretch, "%.0f ... %.0f mm", from, to);
    const bool left = side == 1;
    return runtime::NotCalculated(
        std::string(left ? "vasemman" : "oikean") + " puolen reiät vievät koko puolikkaan x = " + stretch +
            " (puolet palkista): laatan päähän ei jää sillä uumaa. Kavenna reikiä "
            "palkin suunnassa (B) tai siirrä ne kauemmas laatan päästä (Y).",
        std::string("the holes of the ") + (left ? "left" : "right") +
            " side take away the whole of the half x = " + stretch +
            " (half of the beam): the slab end keeps no web there. Make the holes "
            "narrower along the beam (B) or move them further from the slab end (Y).");
}
}  // namespace

HoleRefusal::HoleRefusal(int side, double from, double to)
    : CalculationRefused(holeRefusalMessage(side, from, to)), side(side), from(from), to(to) {}

namespace slabcheck {

double availableCoreFilling(const ProjectModel& m, int side) {
    return std::fabs(m.CoreFillingLength(side));
}

void startSide(ProjectModel& m, int k) {
    m.SlabCheckMinimum1(k) = 1e10;
    m.SlabMinShearValue(k) = 1e10;
    m.SlabCheckMinimum3(k) = 1e10;
    m.SlabCheckMinimum5(k) = 1e10;
    for (int g = 1; g <= 2; ++g) {
        m.SlabShearUtilisationByZone(k, g) = 0.0;
        m.SlabPrincipalStressEnvelope(k, g) = 0.0;
        m.SlabShearStressTvlEnvelope(k, g) = 0.0;
    }
    m.SlabShearUtilisation(k) = 0.0;
    m.SlabBendingUtilisation(k) = 0.0;
    m.SlabCrackingUtilisation(k) = 0.0;
}

void computeHoleFactors(ProjectModel& m, int k) {
    m.BetaR(k, 1) = 1.0;
    m.BetaR(k, 2) = 1.0;
    // The two halves of the beam, as the stations of the web checks cover
    // it, and each hole's part X .. X + B within a half.
    const double L = m.BeamSpan;
    const double halves[3][2] = {{0, 0}, {0, 0.5 * L}, {0.5 * L, L}};
    const double bcr = m.SlabBcr(k);
    for (int half = 1; half <= 2; ++half) {
        std::vector<library::SlabEndHole> holes;
        for (int j = 1; j <= m.HoleCount(k); ++j) {
            const double X = m.HoleX(k, j);
            holes.push_back({std::max(X, halves[half][0]), std::min(X + m.HoleWidthB(k, j), halves[half][1]),
                             m.HoleLengthA(k, j), m.HoleY(k, j)});
        }
        // The holes that weaken the webs may leave the half no web at all:
        // the factor, the half over the length it keeps, has no value then.
        const double halfLength = halves[half][1] - halves[half][0];
        if (halfLength > 0 && library::HoleCoveredLength(holes, bcr) >= halfLength * (1.0 - 1e-9))
            throw HoleRefusal{k, halves[half][0], halves[half][1]};
        m.BetaR(k, half) = library::ComputeHoleReductionFactor(halfLength, holes, bcr);
    }
}

void formSideNormalStressMaximum(ProjectModel& m, AnalysisRun& run, int k) {
    for (int i = 0; i <= m.CalculationPointCount; ++i)
        run.PointNormalStress(i, k) = stationNormalStress(m, k, i);
    m.SlabNormalStressMax(k) = sideMaximum(run, run.PointNormalStress, k, m.CalculationPointCount);
}

void computeSideCapacities(ProjectModel& m, AnalysisRun& run, int k) {
    const double f0 = checkedQuotient(m.ConcreteFctd(k + 3), m.AdditionalSafetyFactor);
    run.BaseWebStressLimit(k) = f0;
    // A slab line under 69 mm high stands for no hollow-core slab on the
    // side (the delivered units are 150 mm and more): there are no webs to
    // crack, so the earlier values stay.
    if (m.SlabHeight(k) < 69) return;

    const double n = m.BottomStrandCount(k);
    const double cores = m.SlabCoreCount(k);
    const double neff = n <= cores + 1 ? n - 1 : n - 0.5 * (cores + 1);
    run.EffectiveBottomStrandCount(k) = neff;
    // Web capacity with the prestress of the strands that still count in a
    // slab cracked at its underside. The web's normal stress lowers it, as
    // it lowers every other web capacity.
    const double sigmaCp = m.SlabPrestressStress(k);
    const double tauCp = m.SlabTransferShearStress(k);
    const double root = f0 * (f0 - sigmaCp * checkedQuotient(neff, n) - m.SlabNormalStressMax(k)) -
                        tauCp * tauCp;
    // A web whose tension already exceeds the limit has nothing left (0); the
    // stations then show as exceeded instead of ending the calculation.
    if (std::isnan(root)) throw RunTimeError(ErrInvalidCall, "web capacity of the cracked slab");
    run.ReducedPrestressWebCapacity(k) = root > 0 ? std::sqrt(root) : 0.0;
}

void clearSideWithoutSlabs(ProjectModel& m, AnalysisRun& run, int k) {
    StationSideArray* const tables[] = {
        &run.PointShearStressTvlA,  &run.PointShearStressTvlB,   &run.PointShearStressTvl0,
        &run.PointShearStressTvl,   &run.PointShearStressThcA,   &run.PointShearStressThcB,
        &run.PointShearStressThc,   &run.PointNormalStress,      &run.SlabPointRatioNumerator,
        &run.PointShearResistance,  &run.PointShearResistanceCap, &run.SlabPointShearRatio,
        &run.PointTransferFactor};
    for (int i = 0; i <= model::MaxCalculationPoint; ++i) {
        for (StationSideArray* t : tables) (*t)(i, k) = 0.0;
        run.PointCoreFillingFlag(k, i) = 0.0;
        run.PointCoreFillingUsed(k, i) = 0.0;
    }
    m.SlabCheckMinimum1(k) = 0.0;
    m.SlabMinShearValue(k) = 0.0;
    m.SlabCheckMinimum3(k) = 0.0;
    m.SlabCheckMinimum5(k) = 0.0;
    m.SlabShearStressTvlMaxA(k) = 0.0;
    m.SlabShearStressTvlMaxB(k) = 0.0;
    m.SlabShearStressTvl0Max(k) = 0.0;
    m.SlabShearStressTvlMax(k) = 0.0;
    m.SlabShearStressThcMaxA(k) = 0.0;
    m.SlabShearStressThcMaxB(k) = 0.0;
    m.SlabShearStressThcMax(k) = 0.0;
    m.SlabNormalStressMax(k) = 0.0;
    m.SlabPrincipalStressMax(k) = 0.0;
    m.SlabPrincipalStressTransferFactor(k) = 0.0;
    m.EffectiveAdditionalSafetyFactor(k) = 0.0;
    m.BetaR(k, 1) = 1.0;
    m.BetaR(k, 2) = 1.0;
    m.BetaT(k) = 0.0;
    m.WebForcePerLength(k) = 0.0;
    m.TopForcePerLength(k) = 0.0;
}

void prepareStation(ProjectModel& m, AnalysisRun& run, int k, int i) {
    const double x = m.CalculationPointX(i);

    // 1. Tension at the slab underside from the beam's bending after
    //    grouting (row 2, stage 5) and on the composite section (row 5,
    //    stage 6), in the side's own slab concrete.
    library::ComputeTwoRatiosAndSum(m.BeamMomentDesign(i, 2), m.BeamMomentDesign(i, 5),
                                    m.SectionBendingStiffness(5), m.SectionBendingStiffness(6),
                                    m.SectionCentroid(5), m.SectionCentroid(6),
                                    m.SlabBottomLevel(k), m.ConcreteEcm(k + 3),
                                    m.SlabTensileStressPart1, m.SlabTensileStressPart2,
                                    run.PointCrackingStress);

    // 2.-4. Clear span at the station and the end factor.
    m.WorkSlabSpan = spacingAt(m, k, x) - m.SlabSupportLength(k);
    run.EndCheckDistance = 0.5 * (m.SlabSupportLength(k) + m.SlabBcr(k));
    if (takesNoEndFactor(m.BeamTypeName)) {
        run.PointEndFactor = 1.0;
    } else {
        run.PointEndFactor = ComputeEndFactor(m.SlabHeight(k), m.BottomStrandAxisDistance(k),
                                              m.WorkSlabSpan, m.EffectiveSupportLength(k),
                                              m.SlabSupportLengthLimit(k), run.EndCheckDistance);
    }

    // 5.-7. Support shear that holes in the slab end divert to the station.
    run.HoleShearIncrementA = 0.0;
    run.HoleShearIncrementB = 0.0;
    for (int j = 1; j <= m.HoleCount(k); ++j) {
        // The slab span over the hole is taken at the hole's centre along
        // the beam, the mean of the straight spacing over X .. X + B, so
        // that a project and its mirror image read the same span.
        const double centre = m.HoleX(k, j) + 0.5 * m.HoleWidthB(k, j);
        m.WorkSlabSpanReduced = spacingAt(m, k, centre) - m.SlabSupportLength(k) - m.SlabBcr(k);
        const double span = 0.001 * m.WorkSlabSpanReduced;
        // The loads of the expression that governs the station's shear.
        const library::SlabAreaDesignLoads q =
            library::SlabDesignAreaLoads(m, k, m.SlabShearExpressionAt(k, i) != 0.0);
        const double RA = library::ComputeUdlReaction(q.beforeTopping, span);
        const double RB = library::ComputeUdlReaction(q.afterTopping, span);
        const auto share = [&](double R) {
            return library::EvaluateSpreadPolynomial(
                0.001 * x, 0.001 * run.EndCheckDistance, 0.001 * m.HoleX(k, j),
                0.001 * m.HoleY(k, j), 0.001 * m.HoleWidthB(k, j), 0.001 * m.HoleLengthA(k, j),
                0.001 * m.BeamSpan, 0.001 * m.SlabFieldEdgeDistance1,
                0.001 * m.SlabFieldEdgeDistance2, R);
        };
        run.HoleShearIncrementA += share(RA);
        run.HoleShearIncrementB += share(RB);
    }
    m.SlabShearPartA(k, i) += run.HoleShearIncrementA;
    m.SlabShearPartB(k, i) += run.HoleShearIncrementB;
    m.SlabDesignShear(k, i) = m.SlabShearPartA(k, i) + m.SlabShearPartB(k, i);
    m.SlabMaxShearPartA(k) = library::MaxValue(m.SlabShearPartA(k, i), m.SlabMaxShearPartA(k));
    m.SlabMaxShearPartB(k) = library::MaxValue(m.SlabShearPartB(k, i), m.SlabMaxShearPartB(k));
    m.SlabMaxDesignShear(k) = library::MaxValue(m.SlabDesignShear(k, i), m.SlabMaxDesignShear(k));

    // 8. Web shear stress components caused by the beam. The shear flow's
    //    sign follows the sign of the section's static moment; the stress it
    //    causes in the slab web is a magnitude.
    const double bcr = m.SlabBcr(k);
    const double bw = m.SlabWebWidthSum(k);
    requireNonZero(bcr * bw, "slab width b.cr or web width");
    //    Both carry the hole factor of the half of the beam the station
    //    lies in, so that a project and its mirror image check alike.
    const double b = m.SlabUnitWidth(k);
    //    A station at midspan belongs to both halves and takes the larger.
    const double middle = 0.5 * m.BeamSpan;
    run.PointZoneIndex = x > middle ? 2 : 1;
    const double beta1 = m.BetaR(k, 1), beta2 = m.BetaR(k, 2);
    const double betaR = x < middle ? beta1 : x > middle ? beta2 : std::max(beta1, beta2);
    run.PointShearStressTvlA(i, k) =
        betaR * library::ComputeShearStress(std::fabs(m.SlabEdgeShearFlow(i, k, 1)), bcr, b, bw);
    run.PointShearStressTvlB(i, k) =
        betaR * library::ComputeShearStress(std::fabs(m.SlabEdgeShearFlow(i, k, 2)), bcr, b, bw);
    run.PointShearStressTvl0(i, k) = run.PointShearStressTvlA(i, k) + run.PointShearStressTvlB(i, k);

    // 10. The core filling the station starts from.
    run.PointCoreFillingLength = m.CoreFillingResult(k);
}

void evaluateStation(ProjectModel& m, AnalysisRun& run, int k, int i) {
    // 11.-12. Core-filling factor; a filling above the threshold marks the
    //    station as checked with filled cores.
    runtime::Value l0(CoreFillingThreshold);
    run.PointCoreFillingFactor =
        library::ComputeClampedRatio(m.SlabCoreHeight(k), m.SlabDimensionHct(k),
                                     m.SlabRecordValue14(k), l0, run.PointCoreFillingLength);
    if (run.PointCoreFillingLength > CoreFillingThreshold) run.PointCoreFillingFlag(k, i) = 1.0;

    // 13. Vertical web shear from the slab's support reaction: part A on the
    //     bare slab, part B on the topped slab.
    const double b = m.SlabUnitWidth(k);
    const double bw = m.SlabWebWidthSum(k);
    const double beta = run.PointEndFactor;
    requireNonZero(m.SlabMomentOfInertia(k) * bw * beta, "slab section or end factor");
    requireNonZero(m.ToppedSlabMomentOfInertia(k), "topped slab section");
    run.PointShearStressThcA(i, k) = library::ComputeSlabWebShearStress(
        m.SlabShearPartA(k, i), m.SlabFirstMoment(k), m.SlabMomentOfInertia(k), bw, b, beta);
    run.PointShearStressThcB(i, k) =
        library::ComputeSlabWebShearStress(m.SlabShearPartB(k, i), m.ToppedSlabFirstMoment(k),
                                           m.ToppedSlabMomentOfInertia(k), bw, b, beta);
    const double thc = run.PointShearStressThcA(i, k) + run.PointShearStressThcB(i, k);
    run.PointShearStressThc(i, k) = thc;

    // 14. Normal stress at the check level D (formed for the side before
    //     its stations).
    const double sigmaN = stationNormalStress(m, k, i);
    run.PointNormalStress(i, k) = sigmaN;

    // 15. Topping connection factor of the side.
    const double tauCp = m.SlabTransferShearStress(k);
    m.BetaT(k) = library::ComputeToppingFactorBetaT(
        m, m.SideToppingThickness(k), m.ToppingReinforcementArea, m.ToppingReinforcementStrength,
        m.ConcreteFctk(6), m.ToppingConcreteClass, bw, b, m.SlabBcr(k), m.ConcreteFctk(k + 3),
        m.ConcreteFctd(k + 3), m.SlabPrestressStress(k), sigmaN, thc, tauCp,
        run.PointCoreFillingFactor, m.WebForcePerLength(k), m.TopForcePerLength(k));

    // 16. tvl after the connection and core-filling factors (the hole
    //     factor is in its components).
    const double tvl = m.BetaY * run.PointCoreFillingFactor *
                       (m.TvlComponentWeightA * run.PointShearStressTvlA(i, k) +
                        m.TvlComponentWeightB * m.BetaT(k) * run.PointShearStressTvlB(i, k));
    run.PointShearStressTvl(i, k) = tvl;

    // 17. Safety factor and allowed principal stress of the station.
    run.PointSafetyFactor = StationSafetyFactor(m.AdditionalSafetyFactor, thc, tvl);
    run.PointStressLimit = checkedQuotient(m.ConcreteFctd(k + 3), run.PointSafetyFactor);

    // 18. Prestress: a slab cracked at its underside keeps the prestress of
    //     its effective strands only.
    run.PointPrestressStress = m.SlabPrestressStress(k);
    if (run.PointCrackingStress > m.ConcreteFctd(k + 3)) {
        run.PointPrestressStress = m.SlabPrestressStress(k) *
                                   checkedQuotient(run.EffectiveBottomStrandCount(k),
                                                   m.BottomStrandCount(k));
    }

    // 19. Principal tensile stress for both transfer factors; the larger
    //     governs, the second factor on a tie.
    const auto sigma1 = [&](double f) {
        return library::ComputePrincipalTensileStress(f, run.PointPrestressStress, sigmaN, tauCp,
                                                      thc, tvl);
    };
    const double s2 = sigma1(m.FactorLpt2Ratio);
    const double s1 = sigma1(m.FactorLpt1Ratio);
    if (s2 > s1) {
        run.GoverningTransferFactor = m.FactorLpt2Ratio;
        run.SlabPointRatioNumerator(i, k) = s2;
    } else {
        run.GoverningTransferFactor = m.FactorLpt1Ratio;
        run.SlabPointRatioNumerator(i, k) = s1;
    }
    run.PointTransferFactor(i, k) = run.GoverningTransferFactor;
}

bool callsForCoreFilling(const ProjectModel& m, const AnalysisRun& run, int k, int i) {
    const double available = availableCoreFilling(m, k);
    return run.PointCoreFillingLength < available && available > CoreFillingThreshold &&
           run.SlabPointRatioNumerator(i, k) > run.PointStressLimit;
}

}  // namespace slabcheck

bool SlabsOnBeamAnalysis::checkSlabSide(int k) {
    using namespace slabcheck;
    startSide(m_, k);
    run_.GoverningWeb[static_cast<std::size_t>(k)] = {};
    if (m_.SlabSidePresent(k) == 0) {
        clearSideWithoutSlabs(m_, run_, k);
        return false;
    }
    const int n = m_.CalculationPointCount;
    if (n < 0 || n > model::MaxCalculationPoint)
        throw RunTimeError(runtime::ErrSubscriptOutOfRange, "calculation points");
    computeHoleFactors(m_, k);
    // The side's largest web normal stress enters every station's
    // resistance and the cracked web capacity: it is formed over the
    // stations of this pass before any of them reads it.
    formSideNormalStressMaximum(m_, run_, k);
    computeSideCapacities(m_, run_, k);
    for (int i = 0; i <= n; ++i) {
        prepareStation(m_, run_, k, i);
        // At most two evaluations: after a call for core filling the
        // station's filling equals the available one and cannot call again.
        for (int evaluation = 1; evaluation <= 2; ++evaluation) {
            evaluateStation(m_, run_, k, i);
            if (!callsForCoreFilling(m_, run_, k, i)) break;
            run_.PointCoreFillingFlag(k, i) = 1.0;
            run_.PointCoreFillingLength = availableCoreFilling(m_, k);
            m_.RequiredCoreFillingLength(k) = availableCoreFilling(m_, k);
            if (run_.CoreFillingRerunDone == 0) {
                run_.ActiveCoreFillingLength(1) = availableCoreFilling(m_, 1);
                run_.ActiveCoreFillingLength(2) = availableCoreFilling(m_, 2);
                run_.CoreFillingRerunDone = 1;
                return true;
            }
        }
        closeStation(m_, run_, k, i);
    }
    findSideMaxima(m_, run_, k);
    runtime::checkFloatingPoint();
    return false;
}

}  // namespace quorvel::analysis
