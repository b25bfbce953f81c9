#include "library/load_distribution.h"

#include <cmath>

#include "library/checked_math.h"
#include "library/utilities.h"
#include "runtime/errors.h"

namespace quorvel::library {

namespace {

constexpr int MaxLoadsPerSide = 5;

// Slab span of side s at the position x along the beam, linear between the
// spans at the two beam ends.
double slabSpanAt(const model::ProjectModel& m, int s, double x) {
    const double L = m.BeamSpan;
    const double start = m.BeamSpacing(s, 1), end = m.BeamSpacing(s, 2);
    return start + (end - start) * checkedQuotient(x, L);
}

// The slab unit (1 loaded, 2 neighbour, 3 next; 0 none) that carries a
// station at the distance d along the beam from the load.
int unitOfStation(double d, double dx) {
    const double tolerance = 0.1 * dx;
    if (d < SlabUnitWidthMm / 2 + tolerance) return 1;
    if (d < 1.5 * SlabUnitWidthMm + tolerance) return 2;
    if (d < 2.5 * SlabUnitWidthMm + tolerance) return 3;
    return 0;
}

// The stretch along the beam over which one load reaches the beam: b1 before
// the load and b2 after it, each at most `half` and cut at the slab field
// edges (E1 before the beam start, E2 beyond its end). Near an edge the
// stretch lies on the side where the slab is, so that it holds the whole
// share. A load outside the field has no stretch.
struct Spread {
    double before = 0, after = 0;
    bool onField = false;
    double length() const { return before + after; }
};

Spread spreadAlongBeam(const model::ProjectModel& m, double y, double half) {
    const double L = m.BeamSpan, E1 = m.SlabFieldEdgeDistance1, E2 = m.SlabFieldEdgeDistance2;
    Spread s;
    s.before = MinValue(half, y + E1);
    s.after = MinValue(half, (L - y) + E2);
    s.onField = s.before >= 0 && s.after >= 0 && s.length() > 0;
    return s;
}

using SegmentStart = model::SegmentArray;
using SegmentIntensity = model::SegmentComponentArray;

// Writes segment j over [from, to] clipped to the beam, with the
// characteristic permanent and variable intensities g and q (kN/m) and the
// design intensity from the load factors.
void writeSegment(model::ProjectModel& m, SegmentStart& start, SegmentStart& length,
                  SegmentIntensity& intensity, int j, double from, double to, double g,
                  double q) {
    const double L = m.BeamSpan;
    const double a = MinValue(MaxValue(from, 0.0), L);
    const double b = MinValue(MaxValue(to, 0.0), L);
    start(j) = a;
    length(j) = MaxValue(b - a, 0.0);
    intensity(j, 1) = g;
    intensity(j, 2) = q;
    intensity(j, 3) = m.PermanentLoadFactorKfi * g + m.VariableLoadFactorKfi * q;
}

// The per-point tables of one kind of load and its segments.
struct LoadTables {
    model::SidePointArray& momentK;
    model::SidePointArray& momentD;
    model::SidePointArray& shear;
    model::SidePointArray& momentG;  // the permanent load's part of momentK
    model::SidePointArray& shearG;   // its characteristic part of the shear
    SegmentStart& start;
    SegmentStart& length;
    SegmentIntensity& intensity;
};

int lastPoint(const model::ProjectModel& m) {
    return runtime::toIndex(m.CalculationPointCount, 0, model::MaxCalculationPoint);
}

void clearPointTables(LoadTables& t, int n) {
    for (int s = 1; s <= 2; ++s)
        for (int i = 0; i <= n; ++i) {
            t.momentK(s, i) = 0.0;
            t.momentD(s, i) = 0.0;
            t.shear(s, i) = 0.0;
            t.momentG(s, i) = 0.0;
            t.shearG(s, i) = 0.0;
        }
}

// A side carries a load only where it has slabs and a slab span.
bool sideCarries(const model::ProjectModel& m, int s, double Ls) {
    return m.SlabSidePresent(s) != 0 && Ls > 0;
}

// The factor on the unit shares of a load at y along the beam: the loaded
// unit lies centred under the load and its neighbours 1 and 2 unit widths
// to either side. A unit that lies wholly or partly beyond an edge of the
// slab field (E1 before the beam start, E2 beyond its end) is not there to
// carry its share, or the part of it beyond the edge: that part goes to
// the units that are there, in proportion to their shares, so that the
// units carry the whole load. Within the field the factor is 1.
double fieldEdgeShareFactor(const model::ProjectModel& m, double y, const UnitShareArray& shares) {
    const double from = -m.SlabFieldEdgeDistance1, to = m.BeamSpan + m.SlabFieldEdgeDistance2;
    const double w = SlabUnitWidthMm;
    double total = shares(1), kept = shares(1);
    for (int u = 2; u <= 3; ++u) {
        for (const double direction : {-1.0, 1.0}) {
            const double centre = y + direction * (u - 1) * w;
            const double inField = MinValue(centre + w / 2, to) - MaxValue(centre - w / 2, from);
            total += shares(u);
            kept += shares(u) * MinValue(MaxValue(inField, 0.0), w) / w;
        }
    }
    return kept > 0 ? total / kept : 1.0;
}

}  // namespace

void DistributeSlabPointLoads(model::ProjectModel& m) {
    LoadTables t{m.PointLoadSlabMomentK,  m.PointLoadSlabMomentD,   m.PointLoadSlabShear,
                 m.PointLoadSlabMomentG,  m.PointLoadSlabShearG,    m.PointLoadSegmentStart,
                 m.PointLoadSegmentLength, m.PointLoadSegmentIntensity};
    const int n = lastPoint(m);
    clearPointTables(t, n);
    const double dx = m.CalculationPointX(2) - m.CalculationPointX(1);
    const double gammaG = m.PermanentLoadFactorKfi, gammaQ = m.VariableLoadFactorKfi;

    int j = 0;
    for (int s = 1; s <= 2; ++s) {
        const int count = runtime::toIndex(m.SlabPointLoadCount(s), 0, MaxLoadsPerSide);
        for (int p = 1; p <= count; ++p) {
            ++j;
            const double y = m.SlabPointLoadY(p, s);
            const double G = m.SlabPointLoadG(p, s), Q = m.SlabPointLoadQ(p, s);
            const double Ls = slabSpanAt(m, s, y);
            m.PointLoadSpreadLength(p, s) = 0.0;
            writeSegment(m, t.start, t.length, t.intensity, j, 0, 0, 0, 0);
            if (!sideCarries(m, s, Ls)) continue;

            // A load beyond the next support is carried by it, one in front of
            // this beam's support by this beam alone.
            const double a = MinValue(MaxValue(m.SlabPointLoadX(p, s), 0.0), Ls);
            const double h = 100.0 / 2 + m.SideToppingThickness(s) + m.SlabHeight(s) / 2 +
                             0.5 * a * (1.0 - a / (Ls + 1e-6));
            const Spread spread = spreadAlongBeam(m, y, MaxValue(h, SlabUnitWidthMm / 2));
            if (!spread.onField) continue;
            const double S = spread.length();
            m.PointLoadSpreadLength(p, s) = S;

            // The part of the load that the slab carries to this beam, spread
            // over S mm along the beam: kN/mm * 1000 = kN/m.
            const double toBeam = 1.0 - a / Ls;
            writeSegment(m, t.start, t.length, t.intensity, j, y - spread.before,
                         y + spread.after, toBeam * G / S * 1000, toBeam * Q / S * 1000);

            UnitShareArray shares;
            ComputePointLoadShares(Ls / 1000, a / 1000, LoadedUnitFactor, shares);
            const double slabMoment = toBeam * a / 1.2 * 1000 * fieldEdgeShareFactor(m, y, shares);
            for (int i = 0; i <= n; ++i) {
                const double x = m.CalculationPointX(i);
                const int u = unitOfStation(std::fabs(x - y), dx);
                if (u != 0) {
                    t.momentK(s, i) += shares(u) * (G + Q) * slabMoment;
                    t.momentD(s, i) += shares(u) * (gammaG * G + gammaQ * Q) * slabMoment;
                    t.momentG(s, i) += shares(u) * G * slabMoment;
                }
                if (y - spread.before < x && x < y + spread.after) {
                    t.shear(s, i) += t.intensity(j, 3);
                    t.shearG(s, i) += t.intensity(j, 1);
                }
            }
        }
    }
}

void DistributeSlabLineLoads(model::ProjectModel& m) {
    LoadTables t{m.LineLoadSlabMomentK,  m.LineLoadSlabMomentD,   m.LineLoadSlabShear,
                 m.LineLoadSlabMomentG,  m.LineLoadSlabShearG,    m.LineLoadSegmentStart,
                 m.LineLoadSegmentLength, m.LineLoadSegmentIntensity};
    const int n = lastPoint(m);
    clearPointTables(t, n);
    const double dx = m.CalculationPointX(2) - m.CalculationPointX(1);
    const double gammaG = m.PermanentLoadFactorKfi, gammaQ = m.VariableLoadFactorKfi;

    int j = 0;
    for (int s = 1; s <= 2; ++s) {
        const int count = runtime::toIndex(m.SlabLineLoadCount(s), 0, MaxLoadsPerSide);
        for (int l = 1; l <= count; ++l) {
            ++j;
            const double y = m.SlabLineLoadY(l, s);
            const double G = m.SlabLineLoadG(l, s), Q = m.SlabLineLoadQ(l, s);
            const double Ls = slabSpanAt(m, s, y);
            writeSegment(m, t.start, t.length, t.intensity, j, 0, 0, 0, 0);
            if (!sideCarries(m, s, Ls)) continue;

            // Width over which the load spreads through topping and slab.
            const double B = MaxValue(
                2 * (m.SideToppingThickness(s) + m.SlabTopFlangeDesignThickness(s)) +
                    0.106 * Ls + 750,
                SlabUnitWidthMm);
            const Spread spread = spreadAlongBeam(m, y, B / 2);
            if (!spread.onField) continue;
            const double S = spread.length();

            // Half of the load across the span reaches this beam.
            writeSegment(m, t.start, t.length, t.intensity, j, y - spread.before,
                         y + spread.after, G * Ls / 2 / S, Q * Ls / 2 / S);

            UnitShareArray shares;
            ComputeLineLoadShares(Ls / 1000, shares);
            const double edgeFactor = fieldEdgeShareFactor(m, y, shares);
            for (int i = 0; i <= n; ++i) {
                const double x = m.CalculationPointX(i);
                const double Lsi = slabSpanAt(m, s, x);
                const int u = unitOfStation(std::fabs(x - y), dx);
                if (u != 0) {
                    const double spanMoment = 0.125 * Lsi * Lsi / (0.001 * SlabUnitWidthMm) * edgeFactor;
                    t.momentK(s, i) += shares(u) * (G + Q) * spanMoment;
                    t.momentD(s, i) += shares(u) * (gammaG * G + gammaQ * Q) * spanMoment;
                    t.momentG(s, i) += shares(u) * G * spanMoment;
                }
                if (y - spread.before < x && x < y + spread.after) {
                    const double clear = (Lsi - m.SlabSupportLength(s) - m.SlabBcr(s)) / (Lsi + 0.001);
                    t.shear(s, i) += t.intensity(j, 3) * clear;
                    t.shearG(s, i) += t.intensity(j, 1) * clear;
                }
            }
        }
    }
}

void ComputePointLoadShares(double Ls, double a, double f, UnitShareArray& shares) {
    // D(u) = C1 + C2 exp(-C4 Ls) + C3 exp(-C5 Ls) per unit.
    static constexpr double C[3][5] = {
        {1.0 / 5, 0.2798, 0, 0.23116, 0},
        {1.0 / 5, 0.2468, -0.1397, 0.2785, 0.23116},
        {1.0 / 5, -0.2468, 0, 0.2785, 0},
    };
    // The share follows the distance to the nearer support: the strip's
    // moment P a (Ls - a) / Ls and its spread are the same for a and Ls - a.
    const double effective = MaxValue(MinValue(a, Ls - a), Ls / 20);
    const double spanRatio = checkedQuotient(Ls, effective);
    // The shares run straight from the table's at midspan (the loaded unit
    // at f times its table share, the others giving up what it carries
    // beyond it) to the whole load on the loaded unit at Ls/20: both add up
    // to the load, and so does every share between them.
    const double towardsMidspan = (20 - spanRatio) / 18;
    double loadedAtMidspan = 0;
    for (int u = 1; u <= 3; ++u) {
        const double* c = C[u - 1];
        const double D = c[0] + c[1] * std::exp(-c[3] * Ls) + c[2] * std::exp(-c[4] * Ls);
        double share = D * towardsMidspan;
        if (u == 1) {
            loadedAtMidspan = D;
            share = f * share + (1 - towardsMidspan);
        } else if (share > 0.001) {
            share = MinValue(share * checkedQuotient(1 - f * loadedAtMidspan, 1 - loadedAtMidspan),
                             shares(u - 1));
        } else {
            share = 0;
        }
        shares(u) = share;
    }
}

void ComputeLineLoadShares(double Ls, UnitShareArray& shares) {
    UnitCurveArray c, A, k;
    InterpolateSpanCoefficients(5, c, A, k);
    UnitShareArray P;
    FitLineLoadShareCurve(5, SlabUnitWidthMm / 1000, Ls, LoadedUnitFactor, c, A, k, P);
    for (int u = 1; u <= 3; ++u) {
        const double z = 1.2 * (u - 1);
        shares(u) = P(1) + P(2) * std::exp(-P(3) * z);
    }
}

void FitLineLoadShareCurve(double n, double w, double Ls, double f, const UnitCurveArray& c,
                           const UnitCurveArray& A, const UnitCurveArray& k, UnitShareArray& P) {
    const int m = runtime::floorToInt32(n / 2 + 1);
    UnitCurveArray T;
    double first = 0;
    for (int j = 1; j <= m; ++j) {
        const double value = c(j) + A(j) * std::exp(-k(j) * Ls);
        if (j == 1) {
            first = value;
            T(j) = value;
        } else {
            // The outer units give up what the loaded unit carries beyond its
            // table share; none carries more than its inner neighbour.
            T(j) = MinValue(value * checkedQuotient(1 - f * first, 1 - first), T(j - 1));
        }
    }
    T(1) = f * T(1);
    const double R = checkedQuotient(T(2) - T(3), T(1) - T(2) + 1e-6);
    const double K = checkedQuotient(-checkedLog(R), w);
    P(3) = K;
    P(2) = checkedQuotient(T(1) - T(2), 1 - std::exp(-K * w));
    P(1) = T(1) - P(2);
}

}  // namespace quorvel::library
