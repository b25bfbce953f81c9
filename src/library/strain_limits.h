#pragma once
// Strain limits of the layers of a beam section for the section solver: a
// linear strain plane, given by the neutral axis depth x and the strain at a
// reference depth, is bounded so that no reinforcement row, steel plate edge
// or concrete part passes its limit.
//
// Strains in per mille, tension positive; levels are heights above the
// section bottom (mm), depths are measured down from the section top.

#include <cstdint>

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// Bounds epsRef, the strain at the reference depth dref, in place, then
// sets epsTop (section top) and epsC (level yc). With a = dref - x and the
// neutral axis at the level yn = ytop - x:
//   - the curvature epsRef / a is held to ReinforcementStrainLimit;
//   - each row r of the two row groups (counts m1, m3; limits lim, levels
//     z) bounds epsRef by lim(r) a / ((ytop - z(r)) - x) when that is
//     positive;
//   - the concrete and steel limits are turned into the strain they allow
//     at the section bottom, and the smallest one into epsRef:
//       steel plates, limit epsS: their top (when above the neutral axis)
//       and their bottom (when below it; a plate wholly above the neutral
//       axis is bounded by its top alone);
//       precast parts: e1 at their top and c1 at yc (when above the
//       neutral axis); infill parts: e2 and c2 likewise;
//       joint parts (when any): e3, e4, e5 at the tops of joint parts 1, 2,
//       3 (as stored, whatever the count), c3 at yc, e6 at the section top,
//       each divisor held at 1e-6 or more.
// a1, h and c4..c6 take no part. x = dref, yn = 0 or a row level on the
// neutral axis divide by zero.
void ComputeLayerStrainLimits(const model::ProjectModel& m, double a1, Value& epsRef,
                              Value& epsTop, Value& epsC, double e1, double e2, double e3,
                              double e4, double e5, double e6, double c1, double c2, double c3,
                              double c4, double c5, double c6, double epsS, double yc, double dref,
                              double x, double ytop, double h, int16_t m1,
                              const model::RowArray& lim1, const model::RowArray& z1, int16_t m3,
                              const model::RowArray& lim3, const model::RowArray& z3);

}  // namespace quorvel::library
