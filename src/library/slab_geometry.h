#pragma once
// Slab geometry along the beam: the effective bearing length of the slab
// ends, the zero points of the design moment, the slab webs nearest to the
// zone between them, and the core-filling zones at the beam ends.
//
// Lengths in mm, moduli in MPa, moments in Nmm. Sides: 1 left, 2 right.

#include <cstdint>

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// Steps the web walk may take along one side before it is given up.
inline constexpr int WebWalkStepCap = 100000;

// Sets EffectiveSupportLength(1..2) from SlabSupportLength by family (the
// first two characters of BeamTypeName as stored):
// - BI, SU: the nominal bearing length;
// - BE, DE: the bearing length less half the seat thickness when the two
//   flanges are of one width (within 1 mm), else the bearing length;
// - every other family: the bearing shortened to where the seat plate, as
//   stiff as D = Es b t^3 / 12 over the slab unit width, follows the slab end
//   (stiffness 0.75 Ecm I of the slab): a = min(L sqrt(D / (18 EIs)), seat
//   projection), then min(2 (a - grout), limit, bearing), never below 0.
//   The concrete ledge families JA, BL and SX take the ledge depth and the
//   beam concrete's modulus, the others the ledge width and the steel
//   modulus. A slab stiffness of 0 raises error 11, a negative stiffness
//   ratio error 5.
void ComputeEffectiveSupportLength(model::ProjectModel& m);
// The largest effective support length a side reaches, over a slab span
// without end (the seat followed over its whole projection): the bound the
// side's slabs are held to does not move with the spacing.
double LongSpanEffectiveSupportLength(const model::ProjectModel& m, int side);

// How far the support's own load reaches into a slab end's web check, the
// end factor's p: with the strands at d from the slab top (d = h - ap) and
// the check at a from the slab end, p = u^2 / (4 d), u = max(2 d - a, 0).
// d = 0 raises 11.
double EndZoneReach(double d, double a);

// Core-filling zone lengths from the per-point flags F (side, point),
// element side + 3 * point, 1 where core filling is required. For each side,
// limits(side, 1) is the length from the beam start to one point beyond the
// last flagged point of the beam's first half, limits(side, 2) the length
// from the far end back to the point before the first flagged point of its
// second half (a point at midspan counts in both); 0 where a half has no
// flagged point. Where every point is flagged, both are the beam span: the
// filling runs over the whole beam. Needs CalculationPointCount of at least
// 1 (else error 9).
void FindCoreFillingZones(model::ProjectModel& m, const model::SidePointArray& flags,
                          model::SideEndArray& limits);

// The zero-moment zone of the moment M at the points X(0..n): from the
// first to the last place where M, straight between the points, is not
// negative (a point with M >= 0, or the zero point of a chord between
// moments of opposite signs), clamped to 0 .. BeamSpan, and its length
// span. A simply supported beam gives 0 .. BeamSpan. Where M hogs at every
// point the zone is the point of the largest moment (the first of equals)
// and span is 0, so that the zone shrinks to nothing as the hogging grows
// instead of jumping back to the whole beam. Sign changes are counted as
// brackets of neighbouring points whose moments have opposite signs, or
// whose right moment is 0 and the left one is not, M(0) >= 0 counting as
// the first and a last bracket that ends at M(n) >= 0 not looked at: a
// third raises error 9; a moment or position that is not a finite number
// error 5.
void FindZeroMomentPoints(model::ProjectModel& m, const model::PointArray& X,
                          const model::PointArray& M, int16_t& n, model::ZeroPointArray& zero,
                          Value& span);

// Lays the slab units of each side along the beam on both sides of x0 (the
// first joint) and finds, over both sides, the first web at or after the zero point xa
// (first, the smallest of the sides) and the last web not beyond xb (last,
// the largest of the sides); nearest is the one of the two closer to its
// zero point (first on a tie) and gap that distance. A unit's webs, from its
// edge: the edge web at we = ((e - d/2) + db/2) / 2, the webs between the
// cores at e + s/2 + k s, the far edge web, then 2 we across the joint.
// Geometry that is not a finite number, a unit width or span of 0 or less,
// or a walk longer than WebWalkStepCap steps raises error 5.
void FindSlabWebPositions(double L, double x0, const model::SideArray& dB,
                          const model::SideIntArray& cores, const model::SideArray& coreWidth,
                          const model::SideArray& edgeCore, const model::SideArray& spacing,
                          double xa, double xb, Value& first, Value& last, Value& nearest,
                          Value& gap);

}  // namespace quorvel::library
