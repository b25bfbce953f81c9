// The close of a station's slab check (shear resistance, governing point,
// minima and group maxima), the per-side maxima of the station stresses,
// and after both sides the core-filling zones and the beam's deflections.

#include <cmath>

#include "analysis/slab_checks.h"
#include "analysis/slabs_on_beam.h"
#include "library/checked_math.h"
#include "library/deflections.h"
#include "library/slab_geometry.h"
#include "library/utilities.h"
#include "runtime/errors.h"

namespace quorvel::analysis {

using library::checkedQuotient;
using library::MaxValue;
using library::MinValue;
using model::ProjectModel;

namespace {

// The shear stress a web can still take beside its normal stresses: the root
// of f (f - alpha sigma_cp - sigma_n). Where the tension already exceeds the
// limit the radicand is negative and the web has nothing left: 0, so the
// station shows as exceeded instead of ending the calculation. A radicand
// that is not a number still ends it.
double capacityRoot(double x, const char* what) {
    if (std::isnan(x)) throw runtime::RunTimeError(runtime::ErrInvalidCall, what);
    return x > 0 ? std::sqrt(x) : 0.0;
}

// Slabs thinner than this carry no web check of their own: their
// capacities are taken as a token 0.001 MPa.
constexpr double ThinnestCheckedSlab = 69.0;

// The station stresses of a side and the per-side maxima taken over them.
struct StationMaximum {
    StationSideArray AnalysisRun::*station;
    model::SideArray model::CalculationResultFields::*maximum;
};

constexpr StationMaximum StationMaxima[] = {
    {&AnalysisRun::PointShearStressTvlA, &model::CalculationResultFields::SlabShearStressTvlMaxA},
    {&AnalysisRun::PointShearStressTvlB, &model::CalculationResultFields::SlabShearStressTvlMaxB},
    {&AnalysisRun::PointShearStressTvl0, &model::CalculationResultFields::SlabShearStressTvl0Max},
    {&AnalysisRun::PointShearStressTvl, &model::CalculationResultFields::SlabShearStressTvlMax},
    {&AnalysisRun::PointShearStressThcA, &model::CalculationResultFields::SlabShearStressThcMaxA},
    {&AnalysisRun::PointShearStressThcB, &model::CalculationResultFields::SlabShearStressThcMaxB},
    {&AnalysisRun::PointShearStressThc, &model::CalculationResultFields::SlabShearStressThcMax},
    {&AnalysisRun::PointNormalStress, &model::CalculationResultFields::SlabNormalStressMax},
    {&AnalysisRun::SlabPointRatioNumerator, &model::CalculationResultFields::SlabPrincipalStressMax},
};

}  // namespace

namespace slabcheck {

void closeStation(ProjectModel& m, AnalysisRun& run, int s, int i) {
    // 1. The station counts in the core-filling zones when its check used a
    //    filling above the threshold, whether the starting filling or the
    //    whole available one.
    run.PointCoreFillingFlag(s, i) = run.PointCoreFillingLength > CoreFillingThreshold ? 1.0 : 0.0;
    run.PointCoreFillingUsed(s, i) = run.PointCoreFillingFlag(s, i) * run.PointCoreFillingLength;

    const double f0 = run.BaseWebStressLimit(s);
    const double fi = run.PointStressLimit;
    const double alpha = run.GoverningTransferFactor;
    const double sigmaCp = m.SlabPrestressStress(s);
    const double tauT = m.SlabTransferShearStress(s);
    const double sigmaNMax = m.SlabNormalStressMax(s);
    const double thc = run.PointShearStressThc(i, s);
    const double tvl = run.PointShearStressTvl(i, s);
    const double sigmaN = run.PointNormalStress(i, s);
    const double sigma1 = run.SlabPointRatioNumerator(i, s);
    const double Vd = m.SlabDesignShear(s, i);
    const double transfer = alpha * tauT;

    // 2. Web capacities: of the side (base, with the side's largest normal
    //    stress) and of the station.
    double c0 = 0.001;
    double ci = 0.001;
    if (m.SlabHeight(s) >= ThinnestCheckedSlab) {
        c0 = capacityRoot(f0 * (f0 - alpha * sigmaCp - sigmaNMax), "base web capacity") - transfer;
        ci = capacityRoot(fi * (fi - alpha * sigmaCp - sigmaN), "station web capacity") - transfer;
    }

    // 3. Capacity ratio of the station.
    const double shear = std::sqrt((thc + transfer) * (thc + transfer) + tvl * tvl);
    const double ratio = checkedQuotient(ci, shear);

    // 4. Slab shear resistance at the station: the slab shear at which
    //    sigma1 first reaches the limit, of either transfer factor (at a
    //    higher shear the factor that did not govern at Vd can reach it
    //    first).
    const auto resistanceWith = [&](double factor) {
        return ComputePointShearResistance(thc, tvl, Vd, factor, sigmaCp, sigmaNMax, tauT, fi);
    };
    double resistance = MinValue(resistanceWith(m.FactorLpt1Ratio), resistanceWith(m.FactorLpt2Ratio));

    // 5. Governing station of the side: the smallest ratio, the first of equals.
    if (ratio < m.SlabCheckMinimum5(s)) {
        m.SlabCheckMinimum5(s) = ratio;
        m.EffectiveAdditionalSafetyFactor(s) = run.PointSafetyFactor;
        m.SlabPrincipalStressLimit(s) =
            checkedQuotient(m.ConcreteFctd(s + 3), m.EffectiveAdditionalSafetyFactor(s));
        m.GoverningLptFactor = alpha;
    }

    // 6.-8. Base shear capacity, its cap in a slab cracked at the underside,
    //    and the resistance clipped to both. A web whose transfer shear
    //    alone uses up its capacity resists no slab shear: 0, not a
    //    negative resistance (its sigma1 still fails the check).
    const double v0 = c0 > 0 ? checkedQuotient(c0, thc) * Vd : 0.0;
    m.SlabCheckMinimum1(s) = MinValue(m.SlabCheckMinimum1(s), v0);
    if (run.PointCrackingStress > m.ConcreteFctd(s + 3) && c0 > 0)
        run.PointShearResistanceCap(i, s) =
            checkedQuotient(run.ReducedPrestressWebCapacity(s), c0) * v0;
    else
        run.PointShearResistanceCap(i, s) = v0;
    if (resistance > m.SlabCheckMinimum1(s)) resistance = m.SlabCheckMinimum1(s);
    if (resistance > run.PointShearResistanceCap(i, s)) resistance = run.PointShearResistanceCap(i, s);
    run.PointShearResistance(i, s) = resistance;

    // 9.-11. Minima of the side and the station's utilisation.
    m.SlabMinShearValue(s) = MinValue(m.SlabMinShearValue(s), resistance);
    m.SlabCheckMinimum3(s) = MinValue(
        m.SlabCheckMinimum3(s), m.SlabCheckMinimum1(s) > 0 ? resistance / m.SlabCheckMinimum1(s) : 0.0);
    m.BetaF(s) = MinValue(m.BetaF(s), run.PointCoreFillingFactor);
    const double utilisation = checkedQuotient(sigma1, fi);
    run.SlabPointShearRatio(i, s) = utilisation;
    GoverningWebStation& governing = run.GoverningWeb[static_cast<std::size_t>(s)];
    // The first station of equals governs: a station further along takes
    // over only when it is larger by more than rounding (1e-9 of itself),
    // so that the two ends of a symmetric beam never trade places on the
    // last digit.
    if (governing.station < 0 || utilisation > governing.utilisation + 1e-9 * std::fabs(governing.utilisation))
        governing = {i,   utilisation, alpha,  run.PointPrestressStress, sigmaN, tauT,
                     thc, tvl,         sigma1, fi,                       run.PointSafetyFactor};

    // 12. Group 1: stations checked with filled cores (or every station when
    //     the dowelled joints call for a long filling); group 2 the others.
    const bool filled = run.PointCoreFillingFlag(s, i) == 1.0 ||
                        (m.RequiredCoreFillingLength(s) > 90 && m.BetaY < 1.0);
    const int g = filled ? 1 : 2;
    m.SlabShearUtilisationByZone(s, g) = MaxValue(m.SlabShearUtilisationByZone(s, g), utilisation);
    m.SlabShearStressTvlEnvelope(s, g) = MaxValue(m.SlabShearStressTvlEnvelope(s, g), tvl);
    m.SlabPrincipalStressEnvelope(s, g) = MaxValue(m.SlabPrincipalStressEnvelope(s, g), sigma1);
}

runtime::Value sideMaximum(AnalysisRun& run, const StationSideArray& table, int s, int n) {
    runtime::Value maximum, station;
    library::CopyMatrixColumn(table, run.PointMaximumWork, -1, s, model::MaxCalculationPoint, 2);
    library::FindArrayMaximum(run.PointMaximumWork, n, maximum, station);
    return maximum;
}

void findSideMaxima(ProjectModel& m, AnalysisRun& run, int s) {
    for (const StationMaximum& entry : StationMaxima)
        (m.*entry.maximum)(s) = sideMaximum(run, run.*entry.station, s, m.CalculationPointCount);
    // The transfer factor of the station with the largest sigma1 (the
    // first of equals): the alpha that maximum was calculated with, kept
    // beside it (the report prints the governing station's own terms).
    runtime::Value largest, station;
    library::CopyMatrixColumn(run.SlabPointRatioNumerator, run.PointMaximumWork, -1, s, model::MaxCalculationPoint, 2);
    library::FindArrayMaximum(run.PointMaximumWork, m.CalculationPointCount, largest, station);
    m.SlabPrincipalStressTransferFactor(s) = run.PointTransferFactor(runtime::toInt32(station), s);

    // The governing station's terms, which the report prints as one set.
    const GoverningWebStation& g = run.GoverningWeb[static_cast<std::size_t>(s)];
    if (g.station < 0) return;
    m.GoverningWebX(s) = m.CalculationPointX(g.station);
    m.GoverningWebThc(s) = g.thc;
    m.GoverningWebTvl(s) = g.tvl;
    m.GoverningWebTransferFactor(s) = g.transferFactor;
    m.GoverningWebTransferShear(s) = g.transferFactor * g.transferShear;
    m.GoverningWebPrestress(s) = g.transferFactor * g.prestress;
    m.GoverningWebNormalStress(s) = g.normalStress;
    m.GoverningWebPrincipalStress(s) = g.sigma1;
    m.GoverningWebLimit(s) = g.limit;
    m.GoverningWebSafetyFactor(s) = g.safetyFactor;
}

}  // namespace slabcheck

void SlabsOnBeamAnalysis::findZonesAndDeflections() {
    // Lengths of the filled-core zones from each beam end.
    library::FindCoreFillingZones(m_, run_.PointCoreFillingFlag, m_.CoreFillingZoneLimits);

    // The prestress of the beam's strands, P at its eccentricity e from the
    // centroid of the bare beam (negative below it), bends the beam by the
    // moment P e: strands below the centroid lift the beam (a negative,
    // upward deflection).
    m_.PrestressMomentTerm = m_.LayerAreaSum * m_.LayerEccentricity;

    // The parts of the end moments before grouting that fall on the beam's
    // own weight, each end with the slab load at that end.
    const double w = m_.BeamSelfWeight;
    m_.SupportMomentStartBeamSelfWeight =
        checkedQuotient(m_.SupportMomentStartBeforeGrouting, w + m_.SlabSelfWeightLineLoad(1)) * w;
    m_.SupportMomentEndBeamSelfWeight =
        checkedQuotient(m_.SupportMomentEndBeforeGrouting, w + m_.SlabSelfWeightLineLoad(2)) * w;

    library::ComputeBeamDeflections(m_);
    runtime::checkFloatingPoint();
}

}  // namespace quorvel::analysis
