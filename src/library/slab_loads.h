#pragma once
// The slab fields as loads on the beam: the slab end offsets and clear slab
// spans, the self weight of the joint concrete cast along the beam, the area
// loads of the two slab fields as line loads at the beam ends, the span
// curves of the load shares of neighbouring hollow-core units, and the two
// slab-end hole procedures of the slab checks (the spread of a hole's
// reaction along the beam and the hole reduction factor).
//
// Units: lengths mm, line loads N/mm (numerically kN/m), unit weights
// N/mm^3, except where a procedure says metres: the load widths, the span
// table and its curves, and EvaluateSpreadPolynomial work in metres.

#include <cstdint>
#include <vector>

#include "model/project_model.h"
#include "runtime/arrays.h"
#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// --- Clear slab spans --------------------------------------------------------

// Sets the slab end offset SlabEndOffset(side) from the bearing geometry
// (onLedge = SlabsOnLedge, flangeWidth = TopFlangeWidth, width = the bearing
// width of the beam, grout = JointGroutWidth; the model's SlabSidePresent
// says which sides carry slabs), keeps every spacing in entered and reduces
// spacing(side, end) to the clear slab span: spacing - 2 * offset(side), less
// the bearing width too when onLedge = 1, and never below 0.
void ComputeClearSlabSpans(model::ProjectModel& m, int16_t& onLedge, double flangeWidth,
                           double width, const model::SideArray& grout,
                           model::SideEndArray& spacing, model::SideEndArray& entered);

// --- Joint concrete ------------------------------------------------------------

// Self weight of the in-situ joint concrete along the beam, N/mm: per side the
// concrete under the slab seat, in the joint between slab end and beam, and
// in the slab cores over the filled length (at least minFill); loadDesign =
// load * kfi. The cores' area per unit slab width is ((B - dB) hs - As) / B,
// so As is the concrete area of the slab section alone (strands not counted
// as concrete). The joint geometry follows the model's SlabsOnLedge. A side
// without slabs (present 0) adds nothing, whatever its hidden values.
void ComputeJointConcreteLoad(const model::ProjectModel& m, double H, const model::SideArray& seat,
                              const model::SideArray& strip, const model::SideIntArray& present,
                              const model::SideArray& hs, const model::SideArray& B,
                              const model::SideArray& dB, const model::SideArray& As,
                              const model::SideArray& bottom, const model::SideArray& grout,
                              const model::SideArray& fill, double minFill, double gamma,
                              double kfi, Value& load, Value& loadDesign);

// --- Area loads as beam line loads -------------------------------------------

// W = width of the joint strip over the beam (m): both joint grout widths,
// plus the beam width when the slabs rest on ledges; loadWidth(side, end) =
// half the slab span (m). The first argument is not consulted.
void ComputeSlabLoadWidths(const model::ProjectModel& m, const model::SideIntArray& present,
                           const model::SideArray& groutWidth, double beamWidth,
                           const model::SideEndArray& spacing, model::SideEndArray& loadWidth,
                           Value& W);

// lineLoad(end) = W * the larger area load of the two sides + the sum over
// the sides of loadWidth(side, end) * areaLoad(side); kN/m from kN/m^2 and m.
void ComputeSlabLineLoads(double W, const model::SideEndArray& loadWidth,
                          const model::SideArray& areaLoad, model::SideArray& lineLoad);

// --- Span curves of the unit shares --------------------------------------------

// Spans X(1..6) (m) and shares T(unit 1..3, span 1..6) of a line load across
// the slab field standing on unit 1; element 0 unused.
using SpanAbscissae = runtime::Array1<double, 0, 6>;
using SpanShareTable = runtime::Array2<double, 0, 3, 0, 6>;
// One number per unit 1..3 (element 0 unused).
using UnitCurveArray = runtime::Array1<double, 0, 3>;

// The spans and shares of the table (filled once; the same every call).
const SpanAbscissae& spanTableSpans();
const SpanShareTable& spanTableShares();

// The curve y = c + A exp(-k x) with c = 1/p through (X(i1), T(r, i1)) and
// (X(i2), T(r, i2)). With i1 = i2 nothing is written. p = 0 or X(i1) = X(i2)
// raise 11; a table point equal to c raises 5.
void FitExponentialCurve(const SpanAbscissae& X, const SpanShareTable& T, double p, int r,
                         int i1, int i2, double& c, double& A, double& k);

// The three span curves of the table, each through its 4 m and 10 m values
// with c = 1/p.
void InterpolateSpanCoefficients(double p, UnitCurveArray& c, UnitCurveArray& A,
                                 UnitCurveArray& k);

// --- Holes in the slab ends ----------------------------------------------------

// The part of a slab-end hole's support reaction a5 * a10 (kN/m) that reaches
// the beam at station a1, spread along the beam over up to 3.6 m on either
// side of the hole's stretch [a3, a3 + a5]; 0 unless the check distance a2
// lies in the window around the hole's extent a4..a4 + a6. The share that
// would fall beyond a slab field edge (a8, a9 from the beam ends, a7 the
// span) is spread back over the field. All lengths in metres.
double EvaluateSpreadPolynomial(double a1, double a2, double a3, double a4, double a5, double a6,
                                double a7, double a8, double a9, double a10);

// A hole in a slab end as the hole factor sees it: its stretch along the
// beam within one half (from .. to, mm), its length A into the slab and its
// distance Y from the slab end.
struct SlabEndHole {
    double from = 0, to = 0, A = 0, Y = 0;
};

// The length of the union of the stretches of the holes that weaken the
// webs (Y < 3 h and A > 0; h the slab's b.cr).
double HoleCoveredLength(const std::vector<SlabEndHole>& holes, double h);

// The hole factor of one half of the beam (half long): the half over the
// length its holes leave it, 1 + sum(r t) / (half - sum t), where t runs
// over the pieces of the union of the holes' stretches and r is the
// largest reach over a piece, r = min(min(A, 3 h - Y) / h, 1) for a hole
// with Y < 3 h and A > 0. One hole gives 1 + r t / (half - t); holes that
// weaken nothing give 1. Holes covering the whole half raise 11.
double ComputeHoleReductionFactor(double half, const std::vector<SlabEndHole>& holes, double h);

}  // namespace quorvel::library
