#pragma once
// Closed forms that the slab checks and the beam-section analysis evaluate
// with values they have gathered: the principal tensile stress of a slab
// web, the prestress stress and cracking moment of a slab section, the
// ultimate moment of a compression zone in three stacked layers, the
// cracking moment of a prestressed beam section and the connection factor
// beta_y of dowelled joints.
//
// Units: MPa, mm, N, Nmm. Stresses are negative in compression.

#include <cstdint>

#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// Principal tensile stress of a web with the normal stress s = a b + c and
// two shear stresses on perpendicular planes, t1 = a d + e and f:
// s/2 + Sqr(s^2/4 + t1^2 + f^2). a is the factor on the prestress terms
// b and d.
double ComputePrincipalTensileStress(double a, double b, double c, double d, double e, double f);

// The shear stress f of the same web at which its principal tensile stress
// reaches the limit fLimit: with s = a b + c and t1 = a d + e as above,
// s/2 + Sqr(s^2/4 + t1^2 + f^2) = fLimit where f^2 = fLimit (fLimit - s) - t1^2.
// The stress still available for the beam's longitudinal shear tvl beside
// the web's other stresses; 0 when those alone reach the limit (the
// radicand is 0 or below). A radicand that is not a number raises 5.
double ComputeShearStressReserve(double fLimit, double a, double b, double c, double d, double e);

// Stress from prestress at level y and the cracking moment of a slab unit.
// prestressStress := -P (1/A + e y / I), the stress at the level y
// (distance of the checked fibre below the centroid) from the force P at
// eccentricity e. The moment M already on the bare section (I, y) is kept;
// the tension reserve fct - prestressStress - M y / I is taken up by the
// topped section (I2, y2): crackingMoment := M + reserve I2 / y2. With no
// reserve, or when that comes out negative, crackingMoment :=
// (fct - prestressStress) I / y on the bare section.
struct SlabCracking {
    double prestressStress = 0;  // MPa, compression negative
    double crackingMoment = 0;   // Nmm per slab unit
};
SlabCracking ComputeSlabCrackingMoment(double P, double e, double M, double A, double I, double y, double I2,
                                       double y2, double fct);

// A topping of this thickness (mm) or less takes no part in the slab's
// ultimate moment.
inline constexpr double NoToppingThickness = 0.0011;

// Ultimate moment of a slab unit: the strand force p q k' is balanced by a
// rectangular stress block in up to three stacked layers, from the top: the
// topping (width b1, thickness t1, strength f1), the top flange (width b2,
// thickness t2, strength f2) and the webs below it (width b3, strength f2).
// With a topping thicker than 0.0011 mm k' = ToppedStrandForceShare k,
// else k. d = yA - yB is the depth of the strands below the slab top. Every
// layer force acts at its lever arm to the strands: a1 = (d + t1) - x1/2,
// a2 = d - x2/2, a3 = (d - t2) - x3/2. moment := sum of force x arm.
//
// With the strands' strain given (strain.modulus > 0) the strands are taken
// at their design strength k only while they reach its strain: the neutral
// axis lies x = y / lambda below the top of the block y, and the strands,
// D = d + t1 below that top, strain by their prestrain plus
// eps_cu (D - x) / x (EN 1992-1-1 3.1.7(3) and 6.1(2)), at most k / Ep. The
// block is the one whose force equals the strand force at that strain
// (found by bisection: the block's force grows with its depth, the strand
// force falls), never deeper than lambda D, where the strands reach the
// neutral axis: beyond it more strands add nothing. So the moment never
// falls as strands are added; an over-reinforced unit keeps the moment of
// its deepest block. f1 and f2 are the stresses of the block, eta fcd.
struct StrandStrain {
    double modulus = 0;           // Ep, MPa; 0: every strand at k
    double prestrain = 0;         // sigma_pm,inf / Ep
    double ultimateStrain = 0;    // eps_cu3 of the concrete, positive (0.0035)
    double blockFactor = 0.8;     // lambda, block depth over neutral-axis depth
};

// The share of the strands' design force that a topped slab unit counts on
// at its ultimate moment. The method takes the strands of the composite
// unit, whose compression block may reach into a topping of another
// concrete, at 92 % of their design force and the bare unit's at the full
// force; no derivation of the figure comes with the method, so it stands as
// a fixed share. With it a topping still raises the moment of the units
// tried, by the deeper lever arm (311.67 against 285.66 kNm per unit in
// the tests).
inline constexpr double ToppedStrandForceShare = 0.92;

struct SlabUltimateMoment {
    double moment = 0;       // Nmm per slab unit
    double toppingForce = 0; // F1, N: the topping's share of the block
    double toppingArm = 0;   // a1, mm (d without a topping)
    double flangeArm = 0;    // a2, mm
    double webArm = 0;       // a3, mm (a2 when the block ends in the flange)
};
SlabUltimateMoment ComputeSlabUltimateMoment(double p, double q, double b1, double b2, double yA, double b3,
                                             double t2, double yB, double t1, double k, double f2, double f1,
                                             const StrandStrain& strain = {});

// Cracking moment of a beam section at its bottom fibre:
// result := Wb (k fctm + P/A - P e / Wb), with
//   code    1 (or any other but 2) or 2: the form of the flange term phi,
//   b, bw   the web width and the width with ledges, rho = (b - bw) / b
//           held within 0..1 (ledges wider than the flange count as none),
//   h       the overall height, c4 a height entering phi for code 1,
//   Wb      the section modulus of the bottom fibre (c5),
//   A       the transformed area (c6), fctm the beam concrete's mean
//           tensile strength (c7), P the prestress force (c8),
//   e       the level of the prestress resultant relative to the
//           centroid, positive upward (c9): a tendon below the centroid
//           (e < 0) raises the cracking moment by P |e|.
// The size factor k = 0.001 h - (g + 0.15), g = b h^2 (0.28 + phi) / Wb,
// is held within 1.0 .. 1.7; phi = 0.04 rho^0.667 for code 2, otherwise
// rho (0.02 + 0.5 c4 / h). Without prestress (P = 0 or the analysis's
// 1e-6) the moment is Wb k fctm.
void ComputeTendonEccentricity(double code, double b, double bw, double h, double c4, double Wb,
                               double A, double fctm, double P, double e, Value& result);

// Connection factor beta_y of the joint over the beam. Slabs on the beam top
// (onLedge 0) with joints dowelled on the top (dowelsOnTop 1): 1 up to a
// summed grout width of 80 mm, falling linearly to 0.8 at 180 mm, 0.8
// beyond. Every other case: 1.
void ComputeConnectionFactorBetaY(const int16_t& dowelsOnTop, double onLedge, double groutWidth,
                                  Value& beta);

}  // namespace quorvel::library
