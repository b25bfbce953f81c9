#include "library/slab_loads.h"

#include <algorithm>
#include <cmath>

#include "library/checked_math.h"
#include "library/utilities.h"

namespace quorvel::library {

// --- Clear slab spans --------------------------------------------------------

void ComputeClearSlabSpans(model::ProjectModel& m, int16_t& onLedge, double flangeWidth,
                           double width, const model::SideArray& grout,
                           model::SideEndArray& spacing, model::SideEndArray& entered) {
    auto& offset = m.SlabEndOffset;
    for (int side = 1; side <= 2; ++side) {
        const int other = 3 - side;
        if (m.SlabSidePresent(side) != 0) {
            offset(side) = static_cast<float>(grout(side));
        } else if (onLedge != 0) {
            offset(side) = 0.0f;
        } else if (grout(side) <= 0.001) {
            // An edge beam with the slabs on top: the empty side's offset is
            // half the flange, and the slab side's joint is measured from the
            // beam centre line instead of its edge.
            offset(side) = static_cast<float>(flangeWidth / 2);
            offset(other) = static_cast<float>(grout(other) - flangeWidth / 2);
        } else {
            offset(side) = static_cast<float>(grout(side));
        }
    }
    for (int side = 1; side <= 2; ++side) {
        for (int end = 1; end <= 2; ++end) {
            entered(side, end) = spacing(side, end);
            double clear = spacing(side, end) - 2.0 * offset(side);
            if (onLedge == 1) clear -= width;
            spacing(side, end) = MaxValue(clear, 0.0);
        }
    }
}

// --- Joint concrete ------------------------------------------------------------

void ComputeJointConcreteLoad(const model::ProjectModel& m, double H, const model::SideArray& seat,
                              const model::SideArray& strip, const model::SideIntArray& present,
                              const model::SideArray& hs, const model::SideArray& B,
                              const model::SideArray& dB, const model::SideArray& As,
                              const model::SideArray& bottom, const model::SideArray& grout,
                              const model::SideArray& fill, double minFill, double gamma,
                              double kfi, Value& load, Value& loadDesign) {
    const bool onLedge = m.SlabsOnLedge != 0;
    double sum = 0.0;
    for (int side = 1; side <= 2; ++side) {
        const double p = present(side);
        // Concrete under the slab seat.
        const double seatArea = (bottom(side) - seat(side)) * strip(side) * p;
        // Filled cores: core area per unit slab width times the filled length.
        double coreArea = 0.0;
        if (p != 0.0) {
            const double coresPerWidth =
                checkedQuotient((B(side) - dB(side)) * hs(side) - As(side), B(side));
            coreArea = p * coresPerWidth * MaxValue(fill(side), minFill);
        }
        // The joint between slab end and beam; a side without slabs has none.
        const double depth = onLedge ? 0.5 * (bottom(side) + hs(side) + H) - seat(side)
                                     : bottom(side) + hs(side) - H;
        const double jointWidth = grout(side) * p;
        sum += gamma * (seatArea + jointWidth * depth + coreArea);
    }
    load = sum;
    loadDesign = sum * kfi;
}

// --- Area loads as beam line loads -------------------------------------------

void ComputeSlabLoadWidths(const model::ProjectModel& m, const model::SideIntArray& /*present*/,
                           const model::SideArray& groutWidth, double beamWidth,
                           const model::SideEndArray& spacing, model::SideEndArray& loadWidth,
                           Value& W) {
    W = (groutWidth(1) + groutWidth(2) + beamWidth * m.SlabsOnLedge) * 0.001;
    for (int side = 1; side <= 2; ++side)
        for (int end = 1; end <= 2; ++end) loadWidth(side, end) = 0.0005 * spacing(side, end);
}

void ComputeSlabLineLoads(double W, const model::SideEndArray& loadWidth,
                          const model::SideArray& areaLoad, model::SideArray& lineLoad) {
    const double strip = W * MaxValue(areaLoad(1), areaLoad(2));
    for (int end = 1; end <= 2; ++end) {
        double sum = strip;
        for (int side = 1; side <= 2; ++side) sum += loadWidth(side, end) * areaLoad(side);
        lineLoad(end) = sum;
    }
}

// --- Span curves of the unit shares --------------------------------------------

const SpanAbscissae& spanTableSpans() {
    static const SpanAbscissae spans = [] {
        SpanAbscissae x;
        for (int j = 1; j <= 6; ++j) x(j) = 2.0 + 2.0 * j;  // 4, 6, ... 14 m
        return x;
    }();
    return spans;
}

const SpanShareTable& spanTableShares() {
    static const SpanShareTable shares = [] {
        constexpr double rows[3][6] = {
            {0.284, 0.258, 0.242, 0.232, 0.226, 0.226},  // the loaded unit
            {0.216, 0.221, 0.220, 0.218, 0.213, 0.210},  // its neighbour
            {0.142, 0.150, 0.159, 0.166, 0.174, 0.178},  // the next unit
        };
        SpanShareTable t;
        for (int r = 1; r <= 3; ++r)
            for (int j = 1; j <= 6; ++j) t(r, j) = rows[r - 1][j - 1];
        return t;
    }();
    return shares;
}

void FitExponentialCurve(const SpanAbscissae& X, const SpanShareTable& T, double p, int r,
                         int i1, int i2, double& c, double& A, double& k) {
    if (i1 == i2) return;
    const double level = checkedQuotient(1.0, p);
    const double t1 = T(r, i1), t2 = T(r, i2);
    const double rate = checkedQuotient(
        checkedLog(std::fabs(t1 - level)) - checkedLog(std::fabs(t2 - level)), X(i2) - X(i1));
    c = level;
    k = rate;
    A = checkedQuotient(t1 - level, std::exp(-rate * X(i1)));
}

void InterpolateSpanCoefficients(double p, UnitCurveArray& c, UnitCurveArray& A,
                                 UnitCurveArray& k) {
    const SpanAbscissae& X = spanTableSpans();
    const SpanShareTable& T = spanTableShares();
    for (int r = 1; r <= 3; ++r) FitExponentialCurve(X, T, p, r, 1, 4, c(r), A(r), k(r));
}

// --- Holes in the slab ends ----------------------------------------------------

namespace {

// The spread of a hole's reaction along the beam reaches 3.6 m. f1 spreads
// it from the hole's stretch (0.5 on each side), f2 spreads back what would
// fall beyond a slab field edge (1.0 over the 3.6 m).
constexpr double SpreadReach = 3.6;

double spreadDensity(double s) { return 0.0144676 * s * s - 0.1041667 * s + 0.2638889; }
double edgeDensity(double s) { return 0.1157407 * s * s - 0.625 * s + 0.9027778; }

// The part of the f1 spread on one side that lies beyond u from the hole.
double spreadBeyond(double u) {
    if (!(u < SpreadReach)) return 0.0;
    const double r = SpreadReach;
    return 0.0144676 * (r * r * r - u * u * u) / 3 - 0.1041667 * (r * r - u * u) / 2 +
           0.2638889 * (r - u);
}

}  // namespace

double EvaluateSpreadPolynomial(double a1, double a2, double a3, double a4, double a5, double a6,
                                double a7, double a8, double a9, double a10) {
    const double window = MaxValue(1.5 * a5, 0.8);
    if (!(a4 - window < a2 && a2 < a4 + a6 + window)) return 0.0;

    const double u1 = a3 + a8;             // hole stretch to the field edge at the start
    const double u2 = a7 - (a3 + a5) + a9;  // and to the field edge at the end
    // What the spread would put beyond each field edge; f2 brings it back onto
    // the field. Both edges take the f1 spread beyond them, so a hole at
    // either edge delivers its whole reaction.
    const double F1 = spreadBeyond(u1);
    const double F2 = spreadBeyond(u2);

    double d = 0, v = 0, w = 0;
    if (a1 <= 1.0001 * a3) {
        d = a3 - a1;
        v = u1 - d;
        w = u2 + d;
    } else if (a1 >= 0.9999 * (a3 + a5)) {
        d = a1 - (a3 + a5);
        v = u1 + d;
        w = u2 - d;
    }
    if (a3 < a1 && a1 < a3 + a5) return 0.0;
    if (a3 - SpreadReach <= a1 && a1 <= a3 + a5 + SpreadReach) {
        const double g1 = v <= SpreadReach ? F1 * edgeDensity(v) : 0.0;
        const double g2 = w <= SpreadReach ? F2 * edgeDensity(w) : 0.0;
        return a5 * a10 * (spreadDensity(d) + g1 + g2);
    }
    return 0.0;
}

namespace {

// How far a hole reaches into the slab's web check, 0 .. 1: the part of its
// length A within 3 h of the slab end, over h; 0 from 3 h on or without a
// length.
double holeReach(const SlabEndHole& hole, double h) {
    if (hole.Y >= 3.0 * h || hole.A <= 0) return 0.0;
    return MinValue(checkedQuotient(MinValue(hole.A, 3.0 * h - hole.Y), h), 1.0);
}

// The union of the stretches of the holes in reach: its length, and the
// sum of each piece's length times the largest reach over it.
struct HoleUnion {
    double covered = 0.0;
    double weighted = 0.0;
};

HoleUnion unionOfHoles(const std::vector<SlabEndHole>& holes, double h) {
    std::vector<double> cuts;
    for (const SlabEndHole& hole : holes) {
        if (hole.to <= hole.from || holeReach(hole, h) == 0.0) continue;
        cuts.push_back(hole.from);
        cuts.push_back(hole.to);
    }
    std::sort(cuts.begin(), cuts.end());
    HoleUnion u;
    for (std::size_t c = 1; c < cuts.size(); ++c) {
        const double from = cuts[c - 1], to = cuts[c];
        if (to <= from) continue;
        double reach = 0.0;
        for (const SlabEndHole& hole : holes)
            if (hole.from <= from && to <= hole.to) reach = MaxValue(reach, holeReach(hole, h));
        if (reach == 0.0) continue;
        u.covered += to - from;
        u.weighted += reach * (to - from);
    }
    return u;
}

}  // namespace

double HoleCoveredLength(const std::vector<SlabEndHole>& holes, double h) {
    return unionOfHoles(holes, h).covered;
}

double ComputeHoleReductionFactor(double half, const std::vector<SlabEndHole>& holes, double h) {
    const HoleUnion u = unionOfHoles(holes, h);
    if (u.covered == 0.0) return 1.0;
    return 1.0 + checkedQuotient(u.weighted, half - u.covered);
}

}  // namespace quorvel::library
