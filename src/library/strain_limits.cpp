#include "library/strain_limits.h"

#include "library/utilities.h"

namespace quorvel::library {

namespace {

// A bound that does not apply.
constexpr double none = 1e10;
// Smallest divisor of the joint-part bounds.
constexpr double divisorFloor = 1e-6;

// Rows of one group: a row's limit, turned into the reference strain,
// bounds it when positive (a row above the neutral axis gives none).
void boundByRows(Value& epsRef, double a, double x, double ytop, int16_t count,
                 const model::RowArray& limit, const model::RowArray& level) {
    for (int r = 1; r <= count; ++r) {
        const double t = limit(r) * a / ((ytop - level(r)) - x);
        if (t > 0 && t < epsRef) epsRef = t;
    }
}

// Bottom strain at which a concrete part group reaches its limit: eTop at
// its top level, eC2 at the centroid level yc (when above the neutral axis).
double concreteGroupBound(double eTop, double top, double eC2, double yc, double yn) {
    const double atTop = yn < top ? -eTop * yn / (top - yn) : none;
    const double atCentroid = yc > yn ? -eC2 * yn / (yc - yn) : none;
    return MinValue(atCentroid, atTop);
}

}  // namespace

void ComputeLayerStrainLimits(const model::ProjectModel& m, double /*a1*/, Value& epsRef,
                              Value& epsTop, Value& epsC, double e1, double e2, double e3,
                              double e4, double e5, double e6, double c1, double c2, double c3,
                              double /*c4*/, double /*c5*/, double /*c6*/, double epsS, double yc,
                              double dref, double x, double ytop, double /*h*/, int16_t m1,
                              const model::RowArray& lim1, const model::RowArray& z1, int16_t m3,
                              const model::RowArray& lim3, const model::RowArray& z3) {
    const double a = dref - x;
    const double yn = ytop - x;

    if (epsRef / a > m.ReinforcementStrainLimit) epsRef = m.ReinforcementStrainLimit * a;
    boundByRows(epsRef, a, x, ytop, m1, lim1, z1);
    boundByRows(epsRef, a, x, ytop, m3, lim3, z3);

    double steel = none;
    if (m.SteelPlateCount > 0) {
        const double top = m.SteelPlatesTopLevel;
        const double bottom = m.SteelPlatesBottomLevel;
        double atTop = none;
        if (yn < top) {
            atTop = epsS * yn / (top - yn);
            if (atTop < 0) atTop = none;
        }
        // The bottom edge limits the tension only when it lies below the
        // neutral axis; a plate wholly above it is in compression, where its
        // top edge governs.
        const double atBottom = yn > bottom ? epsS * yn / (yn - bottom) : none;
        steel = MinValue(atTop, atBottom);
    }

    const double precast =
        m.PrecastPartCount > 0 ? concreteGroupBound(e1, m.PrecastPartsTopLevel, c1, yc, yn) : none;
    const double infill =
        m.InfillPartCount > 0 ? concreteGroupBound(e2, m.InfillPartsTopLevel, c2, yc, yn) : none;

    double joint = none;
    if (m.JointPartCount > 0) {
        auto topBound = [&](double limit, double top) {
            return -limit * yn / MaxValue(top - yn, divisorFloor);
        };
        auto partTop = [&](int k) { return m.JointPartLevel(k) + m.JointPartHeight(k); };
        const double j1 = topBound(e3, partTop(1));
        const double j1c = yc > yn ? -c3 * yn / MaxValue(yc - yn, divisorFloor) : none;
        const double k1 = MinValue(j1c, j1);
        const double j2 = topBound(e4, partTop(2));
        const double j3 = topBound(e5, partTop(3));
        const double j4 = topBound(e6, ytop);
        joint = MinValue(MinValue(MinValue(k1, j2), j3), j4);
    }

    double bottomStrain = MinValue(steel, MinValue(precast, infill));
    bottomStrain = MinValue(bottomStrain, joint);
    epsRef = MinValue((a / yn) * bottomStrain, epsRef);

    epsTop = -epsRef * x / a;
    epsC = epsRef * (yn - yc) / a;
}

}  // namespace quorvel::library
