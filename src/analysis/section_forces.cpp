#include "analysis/section_forces.h"

#include <algorithm>
#include <cmath>

#include "analysis/section_common.h"
#include "library/materials.h"
#include "runtime/errors.h"

namespace quorvel::analysis {

using model::ProjectModel;

namespace {

// Five-point Gauss-Legendre rule on [-1, 1].
constexpr double GaussNodes[5] = {-0.9061798459386640, -0.5384693101056831, 0.0,
                                  0.5384693101056831, 0.9061798459386640};
constexpr double GaussWeights[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                    0.4786286704993665, 0.2369268850561891};

// Concrete kind of joint and topping part k: 1 joint grout, 2 and 4 the left
// slab, 3 and 5 the right slab, the toppings and the strip over the beam the
// topping concrete.
int jointPartConcreteKind(int k) {
    if (k == 1) return 3;
    if (k == 2 || k == 4) return 4;
    if (k == 3 || k == 5) return 5;
    return 6;
}

struct Sums {
    double c = 0, mc = 0, t = 0, mt = 0;
};

// The constant-stress block of a trapezoid from za to zb above its bottom
// (widths wa, wb there): its force and its centroid above the part bottom.
void addConstantBlock(double stress, double za, double zb, double wa, double wb, double& F,
                      double& zF) {
    const double hz = zb - za;
    F = stress * 0.5 * (wa + wb) * hz;
    const double widths = wa + wb;
    zF = widths != 0 ? za + hz * (wa + 2 * wb) / (3 * widths) : za + 0.5 * hz;
}

// Adds the rows of one group at the plane (eps0, kappa): steel stress less the
// concrete stress the bars displace, times the steel area of the row.
void addRows(const ProjectModel& m, const RowGroup& g, double eps0, double kappa, Sums& s) {
    const int k = g.displacedConcrete;
    const int n = rowCountOf(g);
    for (int r = 1; r <= n; ++r) {
        const double level = g.distance(r);
        const double strain = eps0 - kappa * level;
        const double concrete =
            strain < 0 ? library::ComputeParabolaRectangleStress(
                             m.ConcreteFcd(k), strain, m.ConcreteStrainC2(k),
                             m.ConcreteParabolaExponent(k))
                       : 0.0;
        const double total = strain + m.PrestressPartialFactor * 1000 * g.prestress(r) / g.modulus;
        const double steel = library::ComputeBilinearSteelStress(g.designStrength, g.modulus, total,
                                                                 g.proofRatio, g.kind);
        const double F = (steel - concrete) * g.barArea(r) * g.bars(r);
        s.t += F;
        s.mt += F * level;
    }
}

// Adds parts 1..count of a concrete list; kindOf gives the concrete kind of
// part i; onlyCompressed skips a part with no compressed edge.
template <typename KindOf>
void addConcreteParts(const ProjectModel& m, int16_t count, const model::PartListArray& b1,
                      const model::PartListArray& b2, const model::PartListArray& h,
                      const model::PartListArray& level, KindOf kindOf, bool onlyCompressed,
                      double eps0, double kappa, Sums& s) {
    const int n = partCountOf(count);
    for (int i = 1; i <= n; ++i) {
        const double epsBottom = eps0 - kappa * level(i);
        const double epsTop = epsBottom - kappa * h(i);
        if (onlyCompressed && !(epsBottom < 0 || epsTop < 0)) continue;
        const int k = kindOf(i);
        double F = 0, M = 0;
        IntegrateConcretePart(m.ConcreteFcd(k), m.ConcreteStrainC2(k),
                              m.ConcreteParabolaExponent(k), b1(i), b2(i), h(i), level(i), eps0,
                              kappa, F, M);
        s.c += F;
        s.mc += M;
    }
}

}  // namespace

double SteelPlateDesignStrength(const ProjectModel& m, int plate) {
    if (plate == 1) return m.PlateDesignStrength(2);
    if (plate == 4) return m.PlateDesignStrength(0);
    return m.PlateDesignStrength(1);
}

void IntegrateConcretePart(double fcd, double strainC2, double n, double b1, double b2, double h,
                           double y, double eps0, double kappa, double& F, double& M) {
    const double epsBottom = eps0 - kappa * y;
    F = 0;
    M = 0;
    if (std::fabs(b2 - b1) <= 0.01) {
        Value epsTop = epsBottom - kappa * h;
        Value N, Mb;
        library::IntegrateCompressionZone(fcd, 0.5 * (b1 + b2), h, epsBottom, epsTop, strainC2, n,
                                          N, Mb);
        F = N;
        M = Mb + y * N;
        return;
    }

    auto width = [&](double z) { return b1 + (b2 - b1) * z / h; };
    auto strain = [&](double z) { return epsBottom - kappa * z; };

    // Heights (above the part bottom) of the zero-strain fibre and of the
    // eps_c2 fibre, and the bands between them that lie within the part.
    double blockFrom = 0, blockTo = 0, paraFrom = 0, paraTo = 0;
    if (kappa == 0) {
        if (epsBottom <= strainC2) blockTo = h;
        else if (epsBottom < 0) paraTo = h;
    } else {
        const double zZero = epsBottom / kappa;
        const double zC2 = (epsBottom - strainC2) / kappa;
        auto clampH = [&](double z) { return std::clamp(z, 0.0, h); };
        if (kappa > 0) {  // compression grows upward
            blockFrom = clampH(zC2);
            blockTo = h;
            paraFrom = clampH(zZero);
            paraTo = clampH(zC2);
        } else {  // compression grows downward
            blockFrom = 0;
            blockTo = clampH(zC2);
            paraFrom = clampH(zC2);
            paraTo = clampH(zZero);
        }
    }

    if (blockTo > blockFrom) {
        double Fz = 0, zF = 0;
        addConstantBlock(-fcd, blockFrom, blockTo, width(blockFrom), width(blockTo), Fz, zF);
        F += Fz;
        M += Fz * (y + zF);
    }
    if (paraTo > paraFrom) {
        const double half = 0.5 * (paraTo - paraFrom), mid = 0.5 * (paraTo + paraFrom);
        for (int i = 0; i < 5; ++i) {
            const double z = mid + half * GaussNodes[i];
            const double sigma =
                library::ComputeParabolaRectangleStress(fcd, std::min(strain(z), 0.0), strainC2, n);
            const double dF = GaussWeights[i] * half * sigma * width(z);
            F += dF;
            M += dF * (y + z);
        }
    }
}

void IntegrateSectionForces(ProjectModel& m, double eps0, double kappa, double /*x*/, Value& C,
                            Value& MC, Value& T, Value& MT, Value& MCT) {
    Sums s;

    // Steel plates: each at its mean width, split by the sign of its force.
    const int plates = partCountOf(m.SteelPlateCount);
    for (int i = 1; i <= plates; ++i) {
        const double level = m.SteelPlateLevel(i), h = m.SteelPlateHeight(i);
        const double epsBottom = eps0 - kappa * level;
        const double epsTop = epsBottom - kappa * h;
        const double bm = 0.5 * (m.SteelPlateBottomWidth(i) + m.SteelPlateTopWidth(i));
        Value F, Mb;
        library::ComputeSteelPlateStress(bm, h, epsBottom, epsTop, SteelPlateDesignStrength(m, i),
                                         m.SteelModulus, F, Mb, m.SteelPlateThickness(i));
        if (F < 0) {
            s.c += F;
            s.mc += Mb + level * F;
        } else {
            s.t += F;
            s.mt += Mb + level * F;
        }
    }

    addConcreteParts(m, m.PrecastPartCount, m.PrecastPartBottomWidth, m.PrecastPartTopWidth,
                     m.PrecastPartHeight, m.PrecastPartLevel, [](int) { return 1; }, true, eps0,
                     kappa, s);
    addRows(m, mainRowGroup(m), eps0, kappa, s);
    addRows(m, topRowGroup(m), eps0, kappa, s);
    addConcreteParts(m, m.InfillPartCount, m.InfillPartBottomWidth, m.InfillPartTopWidth,
                     m.InfillPartHeight, m.InfillPartLevel, [](int) { return 2; }, false, eps0,
                     kappa, s);
    addRows(m, steelBeamRowGroup(m), eps0, kappa, s);
    addConcreteParts(m, m.JointPartCount, m.JointPartBottomWidth, m.JointPartTopWidth,
                     m.JointPartHeight, m.JointPartLevel, jointPartConcreteKind, false, eps0,
                     kappa, s);

    // A plane without compression or without tension keeps the caller's
    // ratios finite: C = -1, and T = 0.01 when there is no tension at all.
    // A plane in exact balance (C = -T) is kept as it is: it is the answer.
    if (s.c * s.t == 0) s.c = -1;
    if (s.t == 0) s.t = 0.01;

    C = s.c;
    MC = s.mc;
    T = s.t;
    MT = s.mt;
    MCT = s.mc + s.mt;
}

double SteelPlatePlasticMoment(const ProjectModel& m) {
    struct Plate {
        double from, to, forcePerHeight;  // strength x mean width
    };
    const int n = partCountOf(m.SteelPlateCount);
    if (n == 0) return 0;
    Plate plates[10];
    double lo = 0, hi = 0;
    for (int i = 1; i <= n; ++i) {
        const double bm = 0.5 * (m.SteelPlateBottomWidth(i) + m.SteelPlateTopWidth(i));
        const double h = m.SteelPlateHeight(i);
        const double t = m.SteelPlateThickness(i);
        const double fy = t > 0 ? library::LookupSteelYieldStrength(t, t, SteelPlateDesignStrength(m, i))
                                : library::LookupSteelYieldStrength(bm, h, SteelPlateDesignStrength(m, i));
        plates[i - 1] = {m.SteelPlateLevel(i), m.SteelPlateLevel(i) + h, fy * bm};
        lo = i == 1 ? plates[0].from : std::min(lo, plates[i - 1].from);
        hi = i == 1 ? plates[0].to : std::max(hi, plates[i - 1].to);
    }
    // Force above less force below level z; it falls as z rises, and the
    // plastic neutral axis is where it changes sign. Halving the level range
    // sixty times leaves it far below a micrometre.
    auto excessAbove = [&](double z) {
        double e = 0;
        for (int i = 0; i < n; ++i) {
            const Plate& p = plates[i];
            const double above = std::max(0.0, p.to - std::max(p.from, z));
            const double below = std::max(0.0, std::min(p.to, z) - p.from);
            e += p.forcePerHeight * (above - below);
        }
        return e;
    };
    double a = lo, b = hi;
    for (int pass = 0; pass < 60; ++pass) {
        const double z = 0.5 * (a + b);
        if (excessAbove(z) > 0) a = z;
        else b = z;
    }
    const double zp = 0.5 * (a + b);
    double mp = 0;
    for (int i = 0; i < n; ++i) {
        const Plate& p = plates[i];
        // Integral of |y - zp| over the plate's height.
        const double up = std::max(0.0, p.to - zp), upStart = std::max(0.0, p.from - zp);
        const double down = std::max(0.0, zp - p.from), downEnd = std::max(0.0, zp - p.to);
        mp += p.forcePerHeight * 0.5 * (up * up - upStart * upStart + down * down - downEnd * downEnd);
    }
    return mp;
}

}  // namespace quorvel::analysis
