#include "library/shear_design.h"

#include <cmath>

#include "library/utilities.h"

namespace quorvel::library {

namespace {

// A value standing for "no upper shear limit"; it never governs a comparison.
constexpr double noShearLimit = 1e30;

// Stirrups (mm2/m) for the stirrup ratio r over the width b: straight lines
// through r / 0.6 below 0.0009 and r / 0.9 above 0.0045, joined by a curve
// that meets both within 0.001.
double stirrupArea(double b, double r) {
    if (r <= 0.0009) return 1000 * b * r / 0.6;
    if (r >= 0.0045) return 1000 * b * r / 0.9;
    return b * (std::sqrt(7.563 + 11670 * r) - 2.75);
}

}  // namespace

double ComputeToppingMinimumReinforcement(double t, double fctk, double fyk) {
    const double rhoMin = MaxValue(0.26 * (fctk / 0.7) / fyk, 0.0013);
    return MaxValue(1000 * rhoMin * t, 130);
}

bool ToppingCounts(double t, double As, double fctk, double fyk) {
    return t > ThinnestCountedTopping && As >= ComputeToppingMinimumReinforcement(t, fctk, fyk);
}

double ComputeToppingFactorBetaT(const model::ProjectModel& m, double t, double As, double fyk,
                                 double fctk, double fckTop, double g1, double g2, double g3,
                                 double g4, double /*unused1*/, double /*unused2*/,
                                 double /*unused3*/, double /*unused4*/, double /*unused5*/,
                                 double g5, Value& term, Value& cap) {
    const bool cw = model::FamilyOfTypeNameAsItStands(m.BeamTypeName) == model::BeamFamily::CW;
    const double concrete = cw ? 0.24 * m.ConcreteFcd(6) * t : 0.15 * fckTop * t;
    const double reinforcement = (cw ? 1.25 : 1.0) * 0.001 * As * fyk;

    cap = ToppingCounts(t, As, fctk, fyk) ? MinValue(reinforcement, concrete) : 0.0;
    term = (2.0 / 3.0) * g1 * g3 * g4 / (g2 * g5);
    return term / (term + cap);
}

void DesignShearReinforcement(double category, double V, double b, double d, double bearings,
                              double c6, double c7, double fctk, double c9, double c10, double fyk,
                              double fywd, Value& design, Value& minimum, Value& vmax, double m1,
                              double m2, double m3, double Vs, double tw, Value& webStress) {
    if (category == 2) {
        const double tau = V / (b * d);
        const double f = MinValue(c6, c7);
        const double r = MaxValue(tau - 0.3 * f, 0) / fywd;
        const double required = stirrupArea(b, r);
        minimum = 200 * fctk * b / fyk;
        design = MaxValue(required, minimum);
        vmax = 0.25 * MinValue(c9, c10) * (b + bearings) * d;
        webStress = 0;
    } else if (category == 1) {
        const double k = MaxValue((m1 - m2) / (m3 - m2 + 1e-6), 0.5);
        webStress = tw > 0 ? 2 * std::fabs(Vs) * k / tw : 0;
        design = 0;
        minimum = 0;
        vmax = noShearLimit;
    } else {
        webStress = 0;
        design = 0;
        minimum = 0;
        vmax = noShearLimit;
    }
}

}  // namespace quorvel::library
