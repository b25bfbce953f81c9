#include "library/slab_geometry.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "library/checked_math.h"
#include "library/utilities.h"
#include "runtime/arrays.h"
#include "runtime/errors.h"

namespace quorvel::library {

using runtime::RunTimeError;

namespace {

using F = model::BeamFamily;

bool isFamily(std::optional<F> family, std::initializer_list<F> families) {
    for (F f : families)
        if (family == f) return true;
    return false;
}

// The deformable-seat reduction of one side over a slab span L (the mean
// clear spacing of the side; infinite for the longest span): the length
// over which the seat plate follows the slab end, doubled, less the joint
// grout, capped by the catalogue limit and by the nominal bearing.
double seatLimitedBearing(const model::ProjectModel& m, int side, double Es, double projection, double thickness,
                          double L) {
    const double D = Es * m.SlabWorkingWidth(side) * thickness * thickness * thickness / 12.0;
    const double EIs = 0.75 * m.ConcreteEcm(side + 3) * m.SlabMomentOfInertia(side);
    const double ratio = checkedQuotient(D, 18.0 * EIs);  // 11 when the slab has no stiffness
    if (!(ratio >= 0.0)) throw RunTimeError(runtime::ErrInvalidCall, "seat to slab stiffness ratio below 0");
    const double reach = ratio > 0.0 ? L * std::sqrt(ratio) : 0.0;
    if (std::isnan(reach)) throw RunTimeError(runtime::ErrInvalidCall, "slab span is not a number");
    const double a = MinValue(reach, projection);
    const double a2 = MaxValue(2.0 * (a - m.JointGroutWidth(side)), 0.0);
    return MinValue(MinValue(a2, m.SlabSupportLengthLimit(side)), m.SlabSupportLength(side));
}

// The effective support length of a side over the slab span L; the
// families that take the bearing as it stands keep its value as entered.
runtime::Value effectiveSupportLengthOver(const model::ProjectModel& m, int side, double L) {
    // The code's letters as they stand: a type name in lower case takes the
    // seat-limited bearing.
    const std::optional<F> family = model::FamilyOfTypeNameAsItStands(m.BeamTypeName);
    if (isFamily(family, {F::BI, F::SU})) return m.SlabSupportLength(side);
    const double thickness = side == 1 ? m.LeftLedgeHeight.number() : m.RightLedgeHeight.number();
    if (isFamily(family, {F::BE, F::DE})) {
        const bool equalFlanges = std::abs(m.TopFlangeWidth - m.BottomFlangeWidth) < 1.0;
        return equalFlanges ? runtime::Value(m.SlabSupportLength(side) - thickness / 2.0) : m.SlabSupportLength(side);
    }
    const bool concreteLedge = isFamily(family, {F::JA, F::BL, F::SX});
    const double Es = concreteLedge ? double(m.ConcreteEcm(1)) : double(m.SteelModulus);
    const double projection = side == 1 ? (concreteLedge ? m.LeftLedgeDepth : m.LeftLedgeWidth).number()
                                        : (concreteLedge ? m.RightLedgeDepth : m.RightLedgeWidth).number();
    return runtime::Value(seatLimitedBearing(m, side, Es, projection, thickness, L));
}

}  // namespace

void ComputeEffectiveSupportLength(model::ProjectModel& m) {
    for (int side = 1; side <= 2; ++side)
        m.EffectiveSupportLength(side) =
            effectiveSupportLengthOver(m, side, 0.5 * (m.BeamSpacing(side, 1) + m.BeamSpacing(side, 2)));
}

double LongSpanEffectiveSupportLength(const model::ProjectModel& m, int side) {
    return effectiveSupportLengthOver(m, side, std::numeric_limits<double>::infinity()).number();
}

void FindCoreFillingZones(model::ProjectModel& m, const model::SidePointArray& flags,
                          model::SideEndArray& limits) {
    const int n = m.CalculationPointCount;
    if (n < 1) throw RunTimeError(runtime::ErrSubscriptOutOfRange, "no calculation interval for the core-filling zones");
    const auto& X = m.CalculationPointX;
    const double L = m.BeamSpan;
    // Each zone is filled from its beam end to one point beyond the
    // farthest flagged point of its half of the beam (a point at midspan
    // belongs to both halves, within the last digits of x = i L / n): a
    // project and its mirror image get mirror zones, and every flagged
    // point lies in one.
    const double half = L / 2, digits = 1e-9 * L;
    for (int side = 1; side <= 2; ++side) {
        bool every = true;
        int lastOfStartHalf = -1, firstOfEndHalf = -1;
        for (int i = 0; i <= n; ++i) {
            if (flags(side, i) == 0) {
                every = false;
                continue;
            }
            if (X(i) <= half + digits) lastOfStartHalf = i;
            if (X(i) >= half - digits && firstOfEndHalf < 0) firstOfEndHalf = i;
        }
        if (every) {
            // The cores are filled from end to end: both zones are the
            // whole beam, not two unrelated lengths.
            limits(side, 1) = L;
            limits(side, 2) = L;
            continue;
        }
        limits(side, 1) = lastOfStartHalf < 0 ? 0.0 : lastOfStartHalf < n ? double(X(lastOfStartHalf + 1)) : L;
        limits(side, 2) = firstOfEndHalf < 0 ? 0.0 : firstOfEndHalf > 0 ? L - double(X(firstOfEndHalf - 1)) : L;
    }
}

void FindZeroMomentPoints(model::ProjectModel& m, const model::PointArray& X,
                          const model::PointArray& M, int16_t& n, model::ZeroPointArray& zero,
                          Value& span) {
    const int last = n;
    for (int i = 0; i <= last; ++i) {
        if (!std::isfinite(X(i)) || !std::isfinite(M(i)))
            throw RunTimeError(runtime::ErrInvalidCall, "moment or position is not a number");
    }

    // Sign changes: opposite signs, or arriving at an exact 0 (a point with
    // a moment of 0 is one change, counted where the moment reaches it).
    // M(0) >= 0 counts as the first, and a last bracket ending at M(n) >= 0
    // is not looked at; a moment that changes sign a third time has no one
    // zero-moment zone.
    int changes = M(0) >= 0 ? 1 : 0;
    const int scanFrom = changes;
    const int scanTo = M(last) >= 0 ? last - 2 : last - 1;
    for (int i = scanFrom; i <= scanTo; ++i) {
        const double a = M(i), b = M(i + 1);
        if ((a < 0 && b > 0) || (a > 0 && b < 0) || (b == 0 && a != 0)) ++changes;
    }
    if (changes > 2) throw RunTimeError(runtime::ErrSubscriptOutOfRange, "a third sign change of the moment");

    // The zone is where the moment, straight between the points, does not
    // hog: from the first such place to the last. A bracket whose moments
    // have opposite signs holds a zero point on its chord. The zone follows
    // the moment without a jump: as the hogging grows it shrinks, and where
    // nothing is left that does not hog it is the one place where the
    // moment is largest (the first of equals), of length 0: the beam acts
    // alone there.
    bool found = false;
    double from = 0.0, to = 0.0;
    const auto take = [&](double x) {
        if (!found) from = x;
        to = x;
        found = true;
    };
    for (int i = 0; i <= last; ++i) {
        if (i > 0) {
            const double a = M(i - 1), b = M(i);
            if ((a < 0 && b > 0) || (a > 0 && b < 0)) take(X(i - 1) - a * (X(i) - X(i - 1)) / (b - a));
        }
        if (M(i) >= 0) take(X(i));
    }
    if (!found) {
        int top = 0;
        for (int i = 1; i <= last; ++i)
            if (M(i) > M(top)) top = i;
        from = to = X(top);
    }
    zero(1) = from < 0 ? 0.0 : from;
    zero(2) = to > m.BeamSpan ? double(m.BeamSpan) : to;
    if (zero(1) > zero(2)) zero(1) = zero(2);
    span = zero(2) - zero(1);
}

namespace {

// The webs of one slab unit, walked from web to web.
class WebWalk {
public:
    WebWalk(double we, double d1, double spacing, int cores)
        : we_(we), d1_(d1), spacing_(spacing), cores_(cores) {}

    // The distance to the next web: d1 from an edge web inward, the core
    // spacing between cores, d1 out to the far edge web, 2 we across the
    // joint to the next unit.
    double step() {
        ++j_;
        if (j_ == 1) return d1_;
        if (j_ < cores_) return spacing_;
        if (j_ == cores_) return d1_;
        j_ = 0;
        return 2.0 * we_;
    }

    // The length the walk advances over one whole unit.
    double unitLength() const {
        return cores_ >= 2 ? 2.0 * d1_ + (cores_ - 2) * spacing_ + 2.0 * we_ : d1_ + 2.0 * we_;
    }

private:
    double we_, d1_, spacing_;
    int cores_;
    int j_ = 0;
};

void requireFinite(double v) {
    if (!std::isfinite(v)) throw RunTimeError(runtime::ErrInvalidCall, "slab geometry is not a number");
}

}  // namespace

void FindSlabWebPositions(double L, double x0, const model::SideArray& dB,
                          const model::SideIntArray& cores, const model::SideArray& coreWidth,
                          const model::SideArray& edgeCore, const model::SideArray& spacing,
                          double xa, double xb, Value& first, Value& last, Value& nearest,
                          Value& gap) {
    for (double v : {L, x0, xa, xb}) requireFinite(v);
    if (L <= 0) throw RunTimeError(runtime::ErrInvalidCall, "beam span is 0");

    model::SideArray firstWeb, lastWeb;
    for (int side = 1; side <= 2; ++side) {
        for (double v : {double(dB(side)), double(coreWidth(side)), double(edgeCore(side)),
                         double(spacing(side))})
            requireFinite(v);
        const double we = 0.5 * ((edgeCore(side) - 0.5 * coreWidth(side)) + 0.5 * dB(side));
        const double d1 = (edgeCore(side) + 0.5 * spacing(side)) - we;
        WebWalk walk(we, d1, spacing(side), cores(side));
        if (!(walk.unitLength() > 0))
            throw RunTimeError(runtime::ErrInvalidCall, "slab unit width is 0");

        int steps = 0;
        auto advance = [&](double& p) {
            if (++steps > WebWalkStepCap)
                throw RunTimeError(runtime::ErrInvalidCall, "web walk along the beam does not end");
            p += walk.step();
        };

        // To the first web at or beyond xa. The units lie on both sides of
        // the first joint: the walk starts whole units before it when the
        // joint lies beyond xa, so that the webs before the joint count as
        // those after the last joint do (a project and its mirror image
        // then find mirror webs).
        const double unit = walk.unitLength();
        double p = x0 + we;
        if (p > xa) p -= std::ceil((p - xa) / unit) * unit;
        double before = p;  // the web before p
        while (p < xa) {
            before = p;
            advance(p);
        }
        firstWeb(side) = p;

        // On over the webs not beyond xb, keeping the count of webs within
        // the unit, so that every position is a web of the same units. The
        // walk ends beyond xb: the last web is the one before (the web
        // before xa when no web lies between xa and xb).
        while (p <= xb) {
            before = p;
            advance(p);
        }
        lastWeb(side) = before;
    }

    first = MinValue(firstWeb(1), firstWeb(2));
    last = MaxValue(lastWeb(1), lastWeb(2));
    if (std::abs(first - xa) <= std::abs(xb - last)) {
        nearest = first;
        gap = first - xa;
    } else {
        nearest = last;
        gap = xb - last;
    }
}

double EndZoneReach(double d, double a) {
    double u = 2.0 * d - a;
    if (u < 0) u = 0;
    return checkedQuotient(0.25 * u * u, d);
}

}  // namespace quorvel::library
