#pragma once
// Point and line loads standing on the slab fields, distributed to the beam:
// each load becomes a segment of uniform line load on the beam (the beam
// moments and shears add the segments) and, per side and calculation point,
// an extra slab moment and slab support shear for the slab checks. A load on
// a hollow-core field is shared by five slab units (the loaded unit and two
// on each side); the unit shares depend on the slab span.
//
// The distribution works in mm and kN; the share procedures in metres.

#include "library/slab_loads.h"
#include "model/project_model.h"
#include "runtime/arrays.h"

namespace quorvel::library {

// Shares of the loaded unit (1), its neighbour (2) and the next unit (3);
// element 0 unused.
using UnitShareArray = runtime::Array1<double, 0, 3>;

// Width of one hollow-core slab unit, mm, and the factor on the share of the
// loaded unit.
inline constexpr double SlabUnitWidthMm = 1200.0;
inline constexpr double LoadedUnitFactor = 1.25;

// Fills the point-load segments, PointLoadSpreadLength and the per-point
// slab moments and shears of the point loads of both slab fields. A load on
// a side without slabs or where the slab span is 0, or outside the slab
// field along the beam, gives no share (its segment is empty).
void DistributeSlabPointLoads(model::ProjectModel& m);

// The same for the line loads that run across the slab fields.
void DistributeSlabLineLoads(model::ProjectModel& m);

// Unit shares of a point load at distance a (m) from the support on a slab
// span Ls (m), f the factor of the loaded unit; the shares follow the
// distance to the nearer support, min(a, Ls - a). A load within Ls/20 of
// either support stays on the loaded unit. Ls = a = 0 raises 11.
void ComputePointLoadShares(double Ls, double a, double f, UnitShareArray& shares);

// Unit shares of a line load across a slab field of span Ls (m).
void ComputeLineLoadShares(double Ls, UnitShareArray& shares);

// The span curves c, A, k of the n / 2 + 1 inner units (n units sharing the
// load) at the span Ls (m), rescaled so that the loaded unit carries f times
// its table share; P(1..3) of the curve P1 + P2 exp(-P3 z) across the slab
// width through the unit centres z = 0, w, 2w.
void FitLineLoadShareCurve(double n, double w, double Ls, double f, const UnitCurveArray& c,
                           const UnitCurveArray& A, const UnitCurveArray& k, UnitShareArray& P);

}  // namespace quorvel::library
