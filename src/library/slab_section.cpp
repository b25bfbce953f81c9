#include "library/slab_section.h"

#include <cmath>

#include "library/utilities.h"
#include "runtime/errors.h"

namespace quorvel::library {

using runtime::Value;

namespace {

// Pi as the slab section formulas take it.
constexpr double SlabPi = 3.14159;

// One core: area, depth of its centroid below the top face, own second
// moment, and the rise of its cap (half the diameter of a circular core).
struct Core {
    double area = 0;
    double depth = 0;
    double inertia = 0;
    double capRise = 0;
};

// The circular cap of rise f over the chord d: area, depth of its centroid
// from the top face (t above the cap) and second moment about its centroid.
struct Cap {
    double area = 0;
    double depth = 0;
    double inertia = 0;
};

Cap circularCap(double f, double d, double t) {
    Cap cap;
    if (f <= 0) return cap;
    if (f > 0.5 * d * (1 + 1e-9))
        throw runtime::RunTimeError(runtime::ErrInvalidCall, "core cap higher than half the core width");
    if (f < 0.01 * d) {
        // A shallow cap as the parabolic segment the arc tends to: area
        // 2/3 d f, centroid 2/5 f above the chord, own second moment
        // 8/175 d f^3 (within (f/d)^2 of the arc). The arc's formulas
        // subtract nearly equal numbers there, R growing as d^2 / 8f: a rise
        // of 1e-5 mm over 135 mm put the cap's centroid 409 m below the top,
        // and the rise of 3.6e-15 mm that 135 - 105.3 - 29.7 leaves in
        // binary gave the cap a second moment of -1.8E+23 mm4.
        cap.area = 2.0 / 3.0 * d * f;
        cap.depth = t + 0.6 * f;
        cap.inertia = 8.0 / 175.0 * d * f * f * f;
        return cap;
    }
    const double R = (f * f + d * d / 4) / (2 * f);
    const double x = (d / 2) / R;
    // At x = 1 the cap is a half circle: the arcsine is exactly a right angle.
    const double alpha = x >= 1 ? SlabPi / 2 : ComputeArcSin(x);
    const double L = 2 * R * alpha;
    cap.area = 0.5 * (R * (L - d) + d * f);
    const double g = (d * d * d / 12) / cap.area;  // centroid from the circle centre
    cap.depth = t + (R - g);
    const double sinAlpha = std::sin(alpha);
    cap.inertia = (R * R * R * R / 4) *
                  ((alpha - std::sin(4 * alpha) / 4) - (8 * g / 3) / R * sinAlpha * sinAlpha * sinAlpha);
    return cap;
}

Core builtUpCore(double t, double hc, double hct, double hv, double d, double bb) {
    Core c;
    c.capRise = hc - hct - hv;
    const Cap cap = circularCap(c.capRise, d, t);
    // The straight part and the narrowing part as one rectangle ...
    const double ar = d * (hct + hv);
    const double yr = (hct + hv) / 2 + c.capRise + t;
    const double ir = ar * (hct + hv) * (hct + hv) / 12;
    // ... less the two bottom corner triangles where the core narrows.
    const double av = 0.5 * (d - bb) * hv;
    const double yv = t + c.capRise + hct + (2.0 / 3.0) * hv;
    const double iv = av * hv * hv / 36;
    c.area = (ar - av) + cap.area;
    c.depth = (ar * yr - av * yv + cap.area * cap.depth) / c.area;
    c.inertia = cap.inertia + ir - iv + cap.area * (cap.depth - c.depth) * (cap.depth - c.depth) +
                ar * (yr - c.depth) * (yr - c.depth) - av * (yv - c.depth) * (yv - c.depth);
    return c;
}

Core circularCore(double t, double hc, double d) {
    Core c;
    c.area = SlabPi * d * d / 4;
    c.inertia = c.area * d * d / 16;
    c.depth = t + hc / 2;
    c.capRise = d / 2;
    return c;
}

void computeSide(model::ProjectModel& m, int s) {
    const double h = m.SlabHeight(s), t = m.SlabTopFlangeThickness(s), hc = m.SlabCoreHeight(s);
    const double hct = m.SlabDimensionHct(s), hv = m.SlabDimensionHv(s);
    const double d = m.SlabCoreWidth(s), bb = m.SlabRecordValue8(s);
    const double n = m.SlabCoreCount(s);
    const double b = m.SlabUnitWidth(s), db = m.SlabWidthDeduction(s), e = m.SlabEdgeCoreDistance(s);
    const double ap = m.BottomStrandAxisDistance(s), at = m.TopStrandAxisDistance(s);
    const double Ec = m.ConcreteEcm(s + 3), Etop = m.ConcreteEcm(6);
    const double htop = m.SideToppingThickness(s);

    // Widths.
    m.SlabBcr(s) = h - hct;
    m.SlabWorkingWidth(s) = b;
    const double W = b - db;
    m.SlabNetWidth(s) = W;
    m.SlabWebWidthSum(s) = W - n * d;
    const double depthFactor = h > 410 ? 0.9 : 1.0;
    m.SlabDepthFactor(s) = depthFactor;

    const Core core = hct != 0 ? builtUpCore(t, hc, hct, hv, d, bb) : circularCore(t, hc, d);
    const double f = core.capRise;

    // Strands as extra areas of the concrete they replace.
    const double ratio = m.SlabStrandModulus(s) / Ec - 1;
    const double apb = m.BottomStrandCount(s) * m.BottomStrandArea(s) * ratio;
    const double apt = m.TopStrandCount(s) * m.TopStrandArea(s) * ratio;

    // Bare section.
    const double a0 = W * h - n * core.area;
    const double A = a0 + apb + apt;
    m.SlabSectionValueA(s) = a0;
    m.SlabArea(s) = A;
    const double y0 = (W * h * h / 2 - n * core.area * core.depth) / a0;
    const double y = (W * h * h / 2 - n * core.area * core.depth + apb * (h - ap) + apt * at) / A;
    const double I = W * h * h * h / 12 - n * core.inertia + W * h * (h / 2 - y) * (h / 2 - y) -
                     n * core.area * (core.depth - y) * (core.depth - y) + apb * (h - ap - y) * (h - ap - y) +
                     apt * (at - y) * (at - y);
    m.SlabInertiaSum(s) = I;
    m.SlabMomentOfInertia(s) = I;
    const double D = h - (t + f + hct);
    m.SlabSectionValueD(s) = D;
    m.SlabDimensionPhc(s) = h - y;

    // First moment about the concrete centroid of the section below the
    // height D. Both lever arms are heights above the bottom face: the
    // centroid lies at h - y0.
    const double centroidHeight = h - y0;
    double S = 0, ab0 = 0;
    if (hct != 0) {
        const double z0 = D - hv;  // bottom of the core
        const double atr = (d + bb) * hv / 2;
        const double ztr = z0 + ((2 * d + bb) / (d + bb)) * hv / 3;
        S = W * D * (centroidHeight - D / 2) - n * atr * (centroidHeight - ztr);
        ab0 = W * D - n * atr;
    } else {
        S = W * y0 * y0 / 2 - n * (SlabPi * d * d / 8) * ((y0 - t) - d * (0.5 - (2.0 / 3.0) / SlabPi));
        ab0 = W * D - n * SlabPi * d * d / 8;
    }
    m.SlabFirstMoment(s) = S / depthFactor;
    m.SlabSectionValueC(s) = a0 - ab0;

    // With the topping, its centroid half its thickness above the top face.
    const double at0 = W * htop;
    const double yt = -0.5 * htop;
    const double it = at0 * htop * htop / 12;
    Value ytop, y0top, unusedArea, unusedInertia;
    ComputeSlabSectionPart(m, Ec, A, y, I, Etop, at0, yt, it, m.ToppedSlabArea(s), ytop,
                           m.ToppedSlabMomentOfInertia(s));
    ComputeSlabSectionPart(m, Ec, a0, y0, I, Etop, at0, yt, it, unusedArea, y0top, unusedInertia);
    m.SlabDimensionPhc(s) = h - y;
    m.ToppedSlabCentroidPhc(s) = h - ytop;

    // The shift of the concrete centroid moves the arm of the part below D;
    // the depth factor divides the bare value a second time here.
    m.ToppedSlabFirstMoment(s) = (m.SlabFirstMoment(s) + ab0 * (y0 - y0top)) / depthFactor;

    m.SlabEdgeWebWidth(s) = e - (db + d) / 2;
    m.SlabCoreSpacing(s) = n > 1 ? (m.SlabWorkingWidth(s) - 2 * e) / (n - 1) : 0.0;
}

}  // namespace

void ComputeSlabSectionPart(model::ProjectModel& m, double E1, double A1, double y1, double I1, double E2,
                            double A2, double y2, double I2, Value& A, Value& y, Value& I) {
    const double ratio = E2 / E1;
    const double area = A1 + ratio * A2;
    const double moment = A1 * y1 + ratio * A2 * y2;
    const double centroid = moment / area;
    m.TransformedFirstMoment = moment;
    A = area;
    y = centroid;
    I = I1 + A1 * (centroid - y1) * (centroid - y1) + ratio * (I2 + A2 * (centroid - y2) * (centroid - y2));
}

double SlabConcreteArea(const model::SlabSectionColumns& c) {
    const double n = std::floor(c.n);
    const Core core = c.hct != 0 ? builtUpCore(c.t, c.hc, c.hct, c.hv, c.d, c.bb) : circularCore(c.t, c.hc, c.d);
    return (c.b - c.db) * c.h - n * core.area;
}

void ComputeSlabSectionProperties(model::ProjectModel& m) {
    for (int s = 1; s <= 2; ++s) computeSide(m, s);
}

}  // namespace quorvel::library
