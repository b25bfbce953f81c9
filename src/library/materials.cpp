#include "library/materials.h"

#include <cmath>

#include "library/utilities.h"
#include "model/slab_rules.h"

namespace quorvel::library {

namespace {

double signOf(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// Thickness steps (upper bounds, mm) of the yield strength reduction.
constexpr double SteelThicknessSteps[9] = {0, 16, 40, 63, 80, 100, 150, 200, 250};

// The grades by nominal yield strength (MPa); a strength between two grades
// takes the steps of the next grade at or above it, one above S460 S460's.
constexpr double SteelGrades[6] = {235, 275, 355, 420, 450, 460};

// Reductions of the yield strength (MPa) by grade and thickness row (row 0,
// t <= 0, and row 1, t <= 16 mm, keep fyk; row 9 is beyond 250 mm).
// S235, S275 and S355 follow EN 10025-2 over all rows (row 9 its 250..400 mm
// band). S420 and S460 follow EN 10025-3 and -4 to 80 mm, the lower of the
// two where they differ (S420 at 63..80 mm: 370 by -3 against 380 by -4),
// S450 EN 10025-2 to 80 mm (450 / 430 / 410 / 390). Past 80 mm, which no
// plate of the steel dialogs reaches, these three drop further as S355 does;
// this is EN 10025-3 for S420N (360 / 340 / 330 / 320 to 250 mm) and S460N
// (400 / 380 / 370 to 200 mm) and below EN 10025-2's 380 for S450.
constexpr double SteelStrengthReductions[6][10] = {
    {0, 0, 10, 20, 20, 20, 40, 50, 60, 70},     // S235
    {0, 0, 10, 20, 30, 40, 50, 60, 70, 80},     // S275
    {0, 0, 10, 20, 30, 40, 60, 70, 80, 90},     // S355
    {0, 0, 20, 30, 50, 60, 80, 90, 100, 110},   // S420
    {0, 0, 20, 40, 60, 70, 90, 100, 110, 120},  // S450
    {0, 0, 20, 30, 50, 60, 80, 90, 100, 110},   // S460
};

}  // namespace

double ComputeConcreteEcm(double fck) { return 22000.0 * std::pow((fck + 8.0) / 10.0, 0.3); }

double ComputeParabolaExponent(double fck) {
    if (fck > 50) return 1.4 + 23.4 * std::pow((90.0 - fck) / 100.0, 4);
    return 2.0;
}

double ComputeConcreteEpsC2(double fck) {
    if (fck > 50) return 2.0 + 0.085 * std::pow(fck - 50.0, 0.53);
    return 2.0;
}

double ComputeConcreteEpsCu2(double fck) {
    if (fck > 50) return 2.6 + 35.0 * std::pow((90.0 - fck) / 100.0, 4);
    return 3.5;
}

double ComputeBlockDepthFactor(double fck) { return fck > 50 ? 0.8 - (fck - 50.0) / 400.0 : 0.8; }

double ComputeBlockStrengthFactor(double fck) { return fck > 50 ? 1.0 - (fck - 50.0) / 200.0 : 1.0; }

double ComputeStrandProofStress(double fpk) { return model::StrandProofStressRatio * fpk; }

double ComputeConcreteFctk005(double fck) {
    if (fck > 50) return 1.484 * std::log(1.0 + (fck + 8.0) / 10.0);
    return 0.21 * std::pow(fck, 2.0 / 3.0);
}

double ComputeParabolaRectangleStress(double fcd, double strain, double strainC2, double n) {
    if (strain > strainC2) return -fcd * (1.0 - std::pow(1.0 - strain / strainC2, n));
    return -fcd;
}

double ComputeBilinearSteelStress(double fd, double Es, double strain, double proofRatio,
                                  double extraStrain) {
    const double k = Es * 0.001;  // MPa per per mille
    const double s = signOf(strain);
    const double elastic = proofRatio * fd / k;
    const double limit = fd / k + extraStrain;
    const double a = std::fabs(strain);
    double stress;
    if (a <= elastic) {
        stress = strain * k;
    } else if (a <= limit) {
        stress = s * fd * (proofRatio + (1.0 - proofRatio) * (a - elastic) / (limit - elastic));
    } else {
        stress = s * fd;
    }
    if (std::fabs(stress) > fd) stress = s * fd;
    return stress;
}

double LookupSteelYieldStrength(double dimension1, double dimension2, double fyk) {
    const double t = MinValue(dimension1, dimension2);
    int grade = 0;
    while (grade < 5 && fyk > SteelGrades[grade]) ++grade;
    int row = 9;  // beyond the last step (and a thickness that is not a number)
    for (int j = 0; j < 9; ++j) {
        if (t <= SteelThicknessSteps[j]) {
            row = j;
            break;
        }
    }
    return fyk - SteelStrengthReductions[grade][row];
}

void ComputeSteelPlateStress(double width, double depth, double strainRef, double strainFar,
                             double fyk, double Es, Value& N, Value& M, double thickness) {
    const double k = Es * 0.001;
    const double fy = thickness > 0 ? LookupSteelYieldStrength(thickness, thickness, fyk)
                                    : LookupSteelYieldStrength(width, depth, fyk);
    const double ey = fy / k;
    const double e1 = strainRef, e2 = strainFar;
    const double e1c = std::fabs(e1) > ey ? signOf(e1) * ey : e1;
    const double e2c = std::fabs(e2) > ey ? signOf(e2) * ey : e2;

    if (std::fabs(e2 - e1) <= 0.0001) {
        const double stress = 0.5 * (e1c + e2c) * k;
        N = stress * width * depth;
        M = N * 0.5 * depth;
        return;
    }
    // Exact integral of the elastic-perfectly plastic law over the depth:
    // plastic band at the reference edge, elastic band, plastic band at the
    // far edge.
    const double de = e2 - e1;
    N = width * depth / de *
        (0.5 * k * (e2c * e2c - e1c * e1c) +
         fy * (signOf(e1) * (e1c - e1) + signOf(e2) * (e2 - e2c)));
    const double p1 = signOf(e1) * fy * (e1 - e1c) * (e1 - e1c);
    const double p2 =
        k * (e2c * e2c * (2 * e2c - 3 * e1) - e1c * e1c * (2 * e1c - 3 * e1)) / 3.0;
    const double p3 = signOf(e2) * fy * (e2 - e2c) * (e2 + e2c - 2 * e1);
    M = 0.5 * (p1 + p2 + p3) * width * depth * depth / (de * de);
}

void IntegrateCompressionZone(double fcd, double width, double depth, double strainRef,
                              Value& strainFar, double strainC2, double n, Value& N, Value& M) {
    if (std::fabs(strainFar - strainRef) < 0.001) strainFar += 0.001;
    const double far = strainFar;

    // No compressed fibre at all (both edges at zero or in tension).
    if (strainRef >= 0 && far >= 0) {
        N = 0.0;
        M = 0.0;
        return;
    }

    // The compressed zone: depth x from level a (measured from the reference
    // edge), strain eA at its start and eB at its end.
    double x, a, eA, eB;
    if (strainRef > 0) {
        x = -depth * far / (strainRef - far);
        eA = 0;
        eB = far;
        a = depth - x;
    } else if (far > 0) {
        x = -depth * strainRef / (far - strainRef);
        eA = strainRef;
        eB = 0;
        a = 0;
    } else {
        x = depth;
        eA = strainRef;
        eB = far;
        a = 0;
    }
    if (x <= 0) {
        N = 0.0;
        M = 0.0;
        return;
    }

    // Strains as fractions u = e / strainC2 of the parabola's end; the stress
    // is -fcd (1 - (1 - u)^n) for u < 1 and -fcd beyond. vA, vB are 1 - u of
    // the zone ends limited to the parabola (0 on the rectangle).
    const double eAc = eA > strainC2 ? eA : strainC2;
    const double eBc = eB > strainC2 ? eB : strainC2;
    const double uA = eA / strainC2;  // not limited: the lever arm starts at eA
    const double vA = 1.0 - eAc / strainC2;
    const double vB = 1.0 - eBc / strainC2;
    const double g = strainC2 / (eB - eA);
    const double n1 = n + 1.0, n2 = n + 2.0;
    const double pA = std::pow(vA, n1), pB = std::pow(vB, n1);

    N = -fcd * width * x * (1.0 + g / n1 * (pB - pA));

    // First moment of the parabola's deficit about the zone start:
    // integral over the zone of (1 - u)^n (u - uA) du, in closed form. It holds
    // also when the zone starts on the rectangle (vA = 0, uA > 1).
    const double lever = n2 * (1.0 - uA);
    const double W = g * g / (n1 * n2) * (pB * (lever - n1 * vB) - pA * (lever - n1 * vA));
    M = -fcd * width * x * x * (0.5 + W) + N * a;
}

}  // namespace quorvel::library
