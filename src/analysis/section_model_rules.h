#pragma once
// Shared pieces of the family builds of the beam section model: checked
// arithmetic, writing one part, the inclined-web geometry, the bottom
// overhang of the ledge families, and the build of each family.
//
// Symbols in the family builds: H overall height, Hn nominal height, B beam
// width, tw web thickness, bt/tt top flange width and thickness, bb/tb bottom
// flange width and thickness, hL/hR ledge heights (slab seat levels), wL/wR
// ledge widths, dL/dR concrete ledge depths, g(s) joint grout width, N the
// number of sides carrying slabs, P(s) 1 when side s carries slabs.

#include "analysis/section_model.h"

namespace quorvel::analysis::section {

// a / b. A zero divisor raises 11 (6 for 0 / 0); a result beyond the range
// of a double raises 6.
double quotient(double a, double b);
// Square root; a negative argument raises 5.
double root(double x);
// x when finite, else error 6.
double finite(double x);
// The value in single precision; beyond its range error 6.
float single(double x);

struct Trapezoid {
    double b1;  // bottom width
    double b2;  // top width
    double h;   // height
    double y;   // bottom level
};
// A part whose top width equals its bottom width.
inline Trapezoid rect(double b, double h, double y) { return {b, b, h, y}; }

// Writes part n (1..10) of a list; the offset stays 0.
void setPart(model::ProjectModel& m, SectionPartListKind kind, int n, const Trapezoid& p);
// Steel plates first..last are cut from a plate of thickness t: their yield
// strength is looked up by t, whatever their width in the section.
void setPlateThickness(model::ProjectModel& m, int first, int last, double t);

// A web inclined by the rise over the horizontal run: its angle to the
// horizontal and its horizontal width t = thickness / sin(angle).
struct InclinedWeb {
    double sinTheta;
    double width;
};
// Added to a horizontal run that may be 0, so that the slope stays finite.
inline constexpr double RunGuard = 0.000001;
InclinedWeb inclinedWeb(double rise, double run, double thickness);

// Bottom overhang of the beams whose bottom reaches beyond the web on the
// ledges (LB, KE, AP): widthExcess / N on each side that carries slabs and
// has a ledge and a joint grout width, else 0.
void setLedgeOverhang(model::ProjectModel& m, double widthExcess);

// H - distance from the top, for the top rows 1..TopRebarRowCount.
void setTopRowsFromBottom(model::ProjectModel& m);

// The steel profile as the section analysis sees it: the full height H,
// the bottom plate as its flange, no inner profile width.
void setSteelProfile(model::ProjectModel& m);

// Number of sides carrying slabs, as a divisor.
inline double sideCount(const model::ProjectModel& m) { return m.SlabSideCount; }

// Concrete families.
void buildLedgeBeam(model::ProjectModel& m);        // JA, BL
void buildRectangularBeam(model::ProjectModel& m);  // SU
void buildConcreteIBeam(model::ProjectModel& m);    // BI

// Welded steel families.
void buildSteelIBeam(model::ProjectModel& m);    // TI
void buildSteelBoxBeam(model::ProjectModel& m);  // HQ, CW

// Composite steel families.
void buildDeltaBeam(model::ProjectModel& m);    // DE
void buildHxBeam(model::ProjectModel& m);       // HX
void buildMekBeam(model::ProjectModel& m);      // ME
void buildAbeamS(model::ProjectModel& m);       // AB
void buildSxBeam(model::ProjectModel& m);       // SX
void buildXxBeam(model::ProjectModel& m);       // XX

// Prestressed families.
void buildLbBeam(model::ProjectModel& m);       // LB
void buildKeBeam(model::ProjectModel& m);       // KE
void buildKvatroBeam(model::ProjectModel& m);   // KV
void buildSuperBeam(model::ProjectModel& m);    // BE
void buildApalkki(model::ProjectModel& m);      // AP

}  // namespace quorvel::analysis::section
