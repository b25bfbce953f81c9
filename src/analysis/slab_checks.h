#pragma once
// The slab web checks of one slab side at every station along the beam.
//
// For a side k the check works out, at each station, the slab support shear
// with the share that holes in the slab end divert to it, the vertical web
// shear stress thc from the slab's own support reaction, the web shear
// stress tvl that the deforming beam causes in the slab, the normal stress
// in the web, the principal tensile stress sigma1 and the allowed stress of
// the station. When sigma1 exceeds the allowed stress and the side has a
// longer core filling available, the station is checked again with filled
// cores (or, the first time in an analysis, the analysis restarts at the
// beam block with the filling in effect). Each station then closes with its
// shear resistance, the governing station of the side, the running minima
// and the utilisation of the station in its group; after the last station
// the side's stress maxima are taken.
//
// Stresses MPa (tension positive, the prestress negative), lengths mm, slab
// support shears and resistances kN/m, beam moments Nmm.
//
// slab_checks.cpp holds the side pass and the station check up to the core-
// filling decision; slab_results.cpp the close of a station, the per-side
// maxima, the core-filling zones and the deflection inputs.

#include <optional>

#include "analysis/analysis_run.h"
#include "model/project_model.h"
#include "runtime/messages.h"

namespace quorvel::analysis {

// End factor of the vertical web shear near the slab end. h the slab
// height, ap the strand axis distance from the slab bottom, L the clear
// slab span, leff the effective and lmax the largest support length, a the
// distance of the web check from the slab end:
//   d = h - ap; p = u^2 / (4d), u = max(2d - a, 0) (library::EndZoneReach);
//   r = max(L/2 / (L/2 - p), 1); result = min(1 + (1 - r) leff / lmax, r).
// d = 0, L/2 = p or lmax = 0 raise 11.
double ComputeEndFactor(double h, double ap, double L, double leff, double lmax, double a);

// The shortest slab the slab checks describe, by the slab's own geometry:
// its span between the bearing centres (the slab length less the support
// length) must exceed the larger of
//   - b.cr: the web check section, b.cr / 2 beyond the bearing centre,
//     lies before midspan (otherwise the support shear 0.5 q (Ln - b.cr)
//     there, and thc with it, turns negative under downward loads);
//   - where the end factor applies, 2 p (1 + 2 leff / lmax): the factor
//     keeps at least half its value (L/2 - p >= 2 p leff / lmax gives
//     r - 1 <= lmax / (2 leff)), so thc is at most doubled by it; it also
//     keeps L/2 - p above 0, so the factor never divides by 0. leff is
//     the side's long-span effective support length, the largest the
//     spacing can give it: the bound does not move with the spacing, and
//     every spacing above it calculates.
// The zones of 2 d = 2 (h - ap) at the two supports may overlap: the end
// factor needs only the load within p (at most d) of each support to stay
// within the slab's half, which L/2 > p gives.
// The least span (mm) of a side with slabs, and whether the end factor's
// term governs it (else b.cr).
struct SlabSpanBound {
    double span;
    bool endFactor;
};
SlabSpanBound LeastSlabSpan(const model::ProjectModel& m, int side);
// The first side and beam end, of the sides with slabs, whose beam spacing
// leaves its slabs a span no longer than LeastSlabSpan, named with the
// spacing entered and the least whole millimetre of spacing that
// calculates, in both languages; nothing when every side can carry its
// slabs. Read after the clear slab spans, the slab sections and the
// effective support lengths are set.
std::optional<runtime::Message> SlabSpanTooShortFault(const model::ProjectModel& m);

// The slab support shear V (kN/m) at which the principal tensile stress of
// a web, with thc = a V and tvl = b V (a = thc / Vd, b = tvl / Vd at the
// design shear Vd), the normal stress alpha sigmaCp + sigmaN and the
// transfer shear alpha tauT, reaches the limit f:
//   (a V + alpha tauT)^2 + (b V)^2 = f (f - alpha sigmaCp - sigmaN),
// the positive root. Vd = 0 or a = b = 0 raise 11; a limit the stresses
// alone already exceed (negative discriminant) raises 5.
double ComputePointShearResistance(double thc, double tvl, double Vd, double alpha,
                                   double sigmaCp, double sigmaN, double tauT, double f);

// The safety factor of a station's principal stress: the additional factor
// gamma weighed by the slab's own share of the web shear,
//   1 + thc / (thc + tvl) (gamma - 1);
// the station's limit is fctd over it. thc + tvl = 0 raises 11.
double StationSafetyFactor(double gamma, double thc, double tvl);

// The longitudinal shear stress tvl the side's governing station can carry
// before its sigma1 reaches its limit, all its other terms (alpha, sigma_cp,
// sigma_n, tau_cp, thc) as the governing sigma1 had them. The limit moves
// with tvl (through the safety factor), so this is the largest t at or below
// the station's tvl with sigma1(t) <= fctd / StationSafetyFactor(gamma, thc,
// t). 0 when the station is over its limit even without tvl; the station's
// own tvl when it is not over its limit at all. Taking the station as it
// stands, that set of t is one interval from 0 (sigma1 convex in t, the limit
// concave for gamma >= 1), bounded by bisection.
double GoverningStationTvlReserve(const GoverningWebStation& g, double fctd, double gamma);

// The steps of the side pass, each on the model and the analysis's working
// state. SlabsOnBeamAnalysis::checkSlabSide runs them in order.
// Holes of a slab side that together take away the whole web of the slab
// end over one half of the zero-moment zone (from .. to, mm from the beam
// start): the slab field carries nothing there, so the calculation stops
// and names the holes.
struct HoleRefusal : CalculationRefused {
    HoleRefusal(int side, double from, double to);
    int side = 0;
    double from = 0, to = 0;
};

namespace slabcheck {

// Minima of the side to 1e10, its group maxima and utilisations to 0.
void startSide(model::ProjectModel& m, int side);
// Hole factors BetaR(side, 1..2) of the two halves of the zero-moment zone:
// each hole within 3 b.cr of the slab end counts with the part of its width
// that lies in the half. Holes that together cover a whole half leave its
// webs nothing: HoleRefusal is thrown.
void computeHoleFactors(model::ProjectModel& m, int side);
// The web normal stress at every station of the side and its largest
// value SlabNormalStressMax(side), which the side capacities and every
// station's resistance read.
void formSideNormalStressMaximum(model::ProjectModel& m, AnalysisRun& run, int side);
// Web stress limit f0 and, for a side with a slab, the effective strand
// count and the web capacity of a slab cracked at its underside.
void computeSideCapacities(model::ProjectModel& m, AnalysisRun& run, int side);
// A side without slabs: its station tables and flags at 0, nothing checked.
void clearSideWithoutSlabs(model::ProjectModel& m, AnalysisRun& run, int side);

// Station steps up to the core filling in force: underside stress from the
// beam's bending, end factor, hole shares, tvl components, zone half.
void prepareStation(model::ProjectModel& m, AnalysisRun& run, int side, int i);
// Station steps from the core-filling factor to sigma1 (repeated when the
// station is checked again with filled cores).
void evaluateStation(model::ProjectModel& m, AnalysisRun& run, int side, int i);
// sigma1 over the station's limit while a longer core filling (above the
// threshold) is available.
bool callsForCoreFilling(const model::ProjectModel& m, const AnalysisRun& run, int side,
                         int i);
// The station's resistance, governing point, minima and group maxima.
void closeStation(model::ProjectModel& m, AnalysisRun& run, int side, int i);
// The largest value of a side's station table over stations 0..n: signed,
// from station 0, a later station only when strictly larger.
runtime::Value sideMaximum(AnalysisRun& run, const StationSideArray& table, int side, int n);
// Maxima over stations 0..n of the side's nine station stresses.
void findSideMaxima(model::ProjectModel& m, AnalysisRun& run, int side);

// The core-filling length available on a side, mm. A negative entry asks
// for the filling from the start and counts by its size.
double availableCoreFilling(const model::ProjectModel& m, int side);

}  // namespace slabcheck

}  // namespace quorvel::analysis
