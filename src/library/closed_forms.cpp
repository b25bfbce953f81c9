#include "library/closed_forms.h"

#include <algorithm>
#include <cmath>

#include "library/utilities.h"
#include "runtime/errors.h"

namespace quorvel::library {

double ComputePrincipalTensileStress(double a, double b, double c, double d, double e, double f) {
    const double s = a * b + c;
    const double t1 = a * d + e;
    return s / 2 + std::sqrt(s * s / 4 + t1 * t1 + f * f);
}

double ComputeShearStressReserve(double fLimit, double a, double b, double c, double d, double e) {
    const double s = a * b + c;
    const double t1 = a * d + e;
    const double radicand = fLimit * (fLimit - s) - t1 * t1;
    if (std::isnan(radicand)) throw runtime::RunTimeError(runtime::ErrInvalidCall, "shear stress reserve");
    return radicand > 0 ? std::sqrt(radicand) : 0.0;
}

SlabCracking ComputeSlabCrackingMoment(double P, double e, double M, double A, double I, double y, double I2,
                                       double y2, double fct) {
    SlabCracking r;
    r.prestressStress = -P * (1 / A + e * y / I);
    const double sigmaM = M * y / I;
    const double bare = (fct - r.prestressStress) * I / y;
    if (fct > r.prestressStress + sigmaM) {
        r.crackingMoment = M + (fct - r.prestressStress - sigmaM) * I2 / y2;
    } else {
        r.crackingMoment = bare;
    }
    if (r.crackingMoment < 0) r.crackingMoment = bare;
    return r;
}

SlabUltimateMoment ComputeSlabUltimateMoment(double p, double q, double b1, double b2, double yA, double b3,
                                             double t2, double yB, double t1, double k, double f2, double f1,
                                             const StrandStrain& strain) {
    const double d = yA - yB;
    const bool topping = t1 > NoToppingThickness;
    const double share = topping ? ToppedStrandForceShare : 1.0;
    double F = p * q * share * k;
    if (strain.modulus > 0 && F > 0) {
        // Force of the block y deep from its top, layer by layer.
        const double top = topping ? t1 : 0.0;
        const auto block = [&](double y) {
            return b1 * f1 * std::clamp(y, 0.0, top) + b2 * f2 * std::clamp(y - top, 0.0, t2) +
                   b3 * f2 * std::max(y - top - t2, 0.0);
        };
        // Strand force with the block y deep.
        const double D = d + top;
        const auto strands = [&](double y) {
            const double x = y / strain.blockFactor;
            const double eps = strain.prestrain + strain.ultimateStrain * (D - x) / x;
            return p * q * share * std::clamp(strain.modulus * eps, 0.0, k);
        };
        // The block of the strands at their design strength, as the layers
        // below take it: when the strands reach its strain there, they yield.
        const double topForce = b1 * f1 * top, flangeForce = b2 * f2 * t2;
        const double yielding = F <= topForce              ? F / (b1 * f1)
                                : F <= topForce + flangeForce ? top + (F - topForce) / (b2 * f2)
                                                              : top + t2 + (F - topForce - flangeForce) / (b3 * f2);
        const double deepest = strain.blockFactor * D;
        if (yielding <= deepest && strands(yielding) >= F) {
            // every strand at k: F stands
        } else if (block(deepest) <= strands(deepest)) {
            F = block(deepest);
        } else {
            double low = 0.0, high = deepest;
            for (int step = 0; step < 80; ++step) {
                const double mid = 0.5 * (low + high);
                (block(mid) < strands(mid) ? low : high) = mid;
            }
            F = block(high);
        }
    }

    // Layer 1: the topping, its arm measured from the topping top.
    double F1 = 0;
    double a1 = d;
    if (topping) {
        const double x1 = MinValue(F / (b1 * f1), t1);
        F1 = b1 * x1 * f1;
        a1 = (d + t1) - 0.5 * x1;
    }

    // Layer 2: the top flange; layer 3: the webs below it.
    const double R = F - F1;
    const double x2 = R / (b2 * f2);
    double F2, a2, F3, a3;
    if (x2 > t2) {
        F2 = t2 * b2 * f2;
        a2 = d - 0.5 * t2;
        F3 = R - F2;
        const double x3 = F3 / (b3 * f2);
        a3 = (d - t2) - 0.5 * x3;
    } else {
        F2 = x2 * b2 * f2;
        a2 = d - 0.5 * x2;
        F3 = 0;
        a3 = a2;
    }

    return {F1 * a1 + F2 * a2 + F3 * a3, F1, a1, a2, a3};
}

void ComputeTendonEccentricity(double code, double b, double bw, double h, double c4, double Wb,
                               double A, double fctm, double P, double e, Value& result) {
    // The share of the width that the ledges add, held within 0..1: a web
    // with ledges wider than the flange (bw > b) has no flange overhang, and
    // a negative share would make phi negative and, with code 2, its power
    // no number.
    double rho = (b - bw) / b;
    if (rho < 0.0) rho = 0.0;
    if (rho > 1.0) rho = 1.0;
    const double phi = code == 2 ? 0.04 * std::pow(rho, 0.667) : rho * (0.02 + 0.5 * c4 / h);
    const double g = b * h * h * (0.28 + phi) / Wb;
    double k = 0.001 * h - (g + 0.15);
    if (k < 1.0) k = 1.0;
    if (k > 1.7) k = 1.7;
    // Bottom fibre: k fctm = M / Wb - P / A + P e / Wb (e < 0 below the
    // centroid compresses the bottom fibre).
    result = Wb * (k * fctm + P / A) - P * e;
}

void ComputeConnectionFactorBetaY(const int16_t& dowelsOnTop, double onLedge, double groutWidth,
                                  Value& beta) {
    if (onLedge == 0 && dowelsOnTop == 1) {
        if (groutWidth <= 80) {
            beta = 1;
        } else if (groutWidth <= 180) {
            beta = MaxValue(1 - 0.2 * (groutWidth - 80) / 100, 0.8);
        } else {
            beta = 0.8;
        }
    } else {
        beta = 1;
    }
}

}  // namespace quorvel::library
