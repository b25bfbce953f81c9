#pragma once
// Concrete and steel material laws (EN 1992-1-1 Table 3.1 relations, the
// parabola-rectangle law, bilinear reinforcement and strand laws, structural
// steel plates with the thickness reduction of the yield strength) and the
// resultants of one rectangular concrete or steel part under a linear strain.
//
// Units: MPa, mm, N, Nmm; strains in per mille, negative in compression.
// strainC2 arguments are minus epsilon_c2 (a negative number).

#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// Ecm = 22000 ((fck + 8) / 10)^0.3, MPa.
double ComputeConcreteEcm(double fck);
// Exponent n of the parabola: 2 up to fck 50.
double ComputeParabolaExponent(double fck);
// epsilon_c2 in per mille (positive): 2.0 up to fck 50.
double ComputeConcreteEpsC2(double fck);
// epsilon_cu2 in per mille (positive): 3.5 up to fck 50. EN 1992-1-1
// Table 3.1 gives epsilon_cu3, the ultimate strain of the rectangular
// block, by the same expression for every class.
double ComputeConcreteEpsCu2(double fck);
// The rectangular stress block of EN 1992-1-1 3.1.7(3): its depth lambda x
// over the neutral-axis depth x, 0.8 up to fck 50 and 0.8 - (fck - 50)/400
// above; its stress eta fcd, eta 1 up to fck 50 and 1 - (fck - 50)/200
// above.
double ComputeBlockDepthFactor(double fck);
double ComputeBlockStrengthFactor(double fck);
// Characteristic 0.1 % proof stress fp0.1k of a strand of tensile strength
// fpk: prEN 10138-3 gives the 0.1 % proof force of every strand as 0.88
// times its characteristic maximum force, Fp0.1 = 0.88 Fm
// (model::StrandProofStressRatio).
double ComputeStrandProofStress(double fpk);
// fctk,0.05 in MPa.
double ComputeConcreteFctk005(double fck);

// Parabola-rectangle concrete stress (negative in compression). No cut-off at
// epsilon_cu2; a tensile strain goes through the parabola expression.
double ComputeParabolaRectangleStress(double fcd, double strain, double strainC2, double n);

// Reinforcement (proofRatio 1, extraStrain 0: elastic-perfectly plastic) or
// prestressing steel (0.9 and 2: elastic to 0.9 fd, linear to fd at
// fd/Es + 2 per mille, then constant). Stress has the sign of the strain.
double ComputeBilinearSteelStress(double fd, double Es, double strain, double proofRatio,
                                  double extraStrain);

// Yield strength of a plate whose thickness is the smaller dimension,
// reduced from fyk by thickness step and by the steps of its grade's product
// standard (S235 ... S460, EN 10025-2, -3, -4); a strength that is no grade
// takes the steps of the next grade at or above it. Above 250 mm the
// 250..400 mm row applies.
double LookupSteelYieldStrength(double dimension1, double dimension2, double fyk);

// Axial force N and its moment M about the reference edge of a steel plate
// width x depth, strain linear from strainRef to strainFar,
// elastic-perfectly plastic with the thickness-reduced yield strength.
// thickness > 0 is the plate's nominal thickness for the strength lookup, in
// place of the smaller of width and depth.
void ComputeSteelPlateStress(double width, double depth, double strainRef, double strainFar,
                             double fyk, double Es, Value& N, Value& M, double thickness = 0);

// Resultant N (negative in compression) and its moment M about the reference
// edge of the concrete of a rectangle width x depth by the parabola-rectangle
// law, strain linear from strainRef to strainFar. When the two strains are
// closer than 0.001, strainFar is raised by 0.001 in the caller's variable.
// A part with no compressed fibre gives N = M = 0.
void IntegrateCompressionZone(double fcd, double width, double depth, double strainRef,
                              Value& strainFar, double strainC2, double n, Value& N, Value& M);

}  // namespace quorvel::library
