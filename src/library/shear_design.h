#pragma once
// Shear transfer over the beam: the topping connection factor beta_t of a
// slab side, the shear reinforcement and upper shear limit of a concrete
// beam, and the web shear stress of a welded steel beam.
//
// Units: MPa, mm, N; reinforcement areas in mm2 per metre.

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// Whether a topping of thickness t (mm) with the reinforcement As (mm2/m)
// takes part over the joint: thicker than 39.9 mm and As at least
// As,min = max(1000 rho_min t, 130) mm2/m, rho_min = max(0.26 (fctk / 0.7) /
// fyk, 0.0013), fctk the topping concrete's fctk,0.05 (EN 1992-1-1 9.2.1.1
// with fctm = fctk / 0.7).
inline constexpr double ThinnestCountedTopping = 39.9;
double ComputeToppingMinimumReinforcement(double t, double fctk, double fyk);
bool ToppingCounts(double t, double As, double fctk, double fyk);

// beta_t = term / (term + cap) of one slab side, with
//   term := (2/3) g1 g3 g4 / (g2 g5)  (web share: web width sum g1 over the
//           unit width g2, width b.cr g3, slab fctk g4, core-filling factor g5)
//   cap  := what the reinforced topping carries over the joint, N/mm:
//           min(R, C) for a topping thicker than 39.9 mm reinforced with at
//           least As,min, else 0. As,min = max(1000 rho_min t, 130) mm2/m,
//           rho_min = max(0.26 (fctk / 0.7) / fyk, 0.0013) with the
//           topping's fctk. Family "CW": R = 1.25 0.001 As fyk and
//           C = 0.24 ConcreteFcd(6) t; every other family: R = 0.001 As fyk
//           and C = 0.15 fckTop t.
// The family is the first two characters of BeamTypeName as they stand.
// The five arguments after g4 take no part.
double ComputeToppingFactorBetaT(const model::ProjectModel& m, double t, double As, double fyk,
                                 double fctk, double fckTop, double g1, double g2, double g3,
                                 double g4, double unused1, double unused2, double unused3,
                                 double unused4, double unused5, double g5, Value& term,
                                 Value& cap);

// Category 2 (reinforced concrete): the stirrups that carry the shear
// stress V / (b d) in excess of the concrete share 0.3 min(c6, c7), as
// mm2/m (`minimum` 200 fctk b / fyk governs below it), and the upper limit
// vmax = 0.25 min(c9, c10) (b + bearings) d. The analysis passes the
// tensile design strengths of beam and grout as c6, c7, the smaller fctk
// of the two concretes as fctk, the compressive design strengths as c9,
// c10 and, as bearings, the sum of the slab bearing lengths of the sides
// that carry slabs.
// Category 1 (welded steel): webStress := 2 |Vs| k / tw with
// k = max((m1 - m2) / (m3 - m2 + 1e-6), 0.5), the shear flow between steel
// and concrete over the zero-moment span tw; no stirrups, vmax 1e30. A
// span of 0 (a beam that sags nowhere) carries no flow: webStress 0, which
// the views show as not checked.
// Any other category: zeros and vmax 1e30.
void DesignShearReinforcement(double category, double V, double b, double d, double bearings,
                              double c6, double c7, double fctk, double c9, double c10, double fyk,
                              double fywd, Value& design, Value& minimum, Value& vmax, double m1,
                              double m2, double m3, double Vs, double tw, Value& webStress);

}  // namespace quorvel::library
