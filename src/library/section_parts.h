#pragma once
// Geometric building blocks of a transformed cross-section: one rectangle,
// one trapezoid, rounded corners (fillets), a stack of trapezoid plates, the
// rows of a reinforcement group, and running sums of E-weighted section
// values.
//
// Lengths mm, levels y upwards from the section bottom, E in MPa (or 1 for
// purely geometric sums). Results go into the by-reference arguments in the
// order given.

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// Rectangle b x h with its centroid at level y:
// A = b h, S = A y, I0 = A h^2 / 12, EA, ES, EI0, EAy2 = EA y^2.
void AddRectangleToSection(double b, double h, double y, double E, Value& A, Value& S, Value& I0,
                           Value& EA, Value& ES, Value& EI0, Value& EAy2);

// Trapezoid of height h, width b1 at its base (level yBase) and b2 at its
// top: area, centroid level, first moment, own second moment and their
// E-weighted values. The width sum carries 1e-6 so that a zero-width part
// stays finite.
void AddTrapezoidToSection(double h, double b1, double b2, double yBase, double E, Value& A,
                           Value& y, Value& S, Value& I0, Value& EA, Value& ES, Value& EI0,
                           Value& EAy2);

// One fillet of radius r (square r x r less a quarter circle) whose straight
// edge lies at level yEdge: area, centroid level, first moment, and the
// second moment about the web mid-height (the current WebHeight). The
// fillet's own second moment is left in TransformedInertia. Arguments 2..4
// are not used.
void ComputeFilletProperties(model::ProjectModel& m, double r, double unused1, double unused2,
                             double unused3, double yEdge, Value& A, Value& y, Value& S,
                             Value& I);

// The four web-to-flange fillets of an I section of height hTotal and flange
// thicknesses tBottom, tTop: sets WebHeight to the clear web height, then the
// area of the four, their centroid (web mid-height), first moment and second
// moment about the web mid-height. One fillet's own second moment is left in
// TransformedInertia. The last argument is not used.
void ComputeFilletPropertiesSubtract(model::ProjectModel& m, double r, double hTotal,
                                     double tBottom, double tTop, double unused, Value& A,
                                     Value& y, Value& S, Value& I);

// The trapezoid plates 1..count of a part list as one section: area A, first
// moment S, centroid yc, second moment I about yc, and E A, E S, E I,
// EA yc^2. Uses the model's trapezoid scratch values and TransformedInertia
// (left holding the sum of the plates' own second moments).
void BuildTrapezoidSection(model::ProjectModel& m, double count,
                           const model::PartListArray& b1, const model::PartListArray& b2,
                           const model::PartListArray& h, const model::PartListArray& yBase,
                           double E, Value& A, Value& S, Value& yc, Value& I, Value& EA,
                           Value& ES, Value& EI, Value& EAyc2);

// Rows 1..count of a reinforcement group (bars per row, bar area, distance
// from the bottom, prestress): A, centroid yc, S, Sy = sum A d^2, EA, ES, ESy,
// prestressing force P (at least 0.001) and its first moment Py.
void SumReinforcementRows(model::ProjectModel& m, double count, double E,
                          const model::RowIntArray& bars, const model::RowArray& barArea,
                          const model::RowArray& distance, const model::RowArray& prestress,
                          Value& A, Value& yc, Value& S, Value& Sy, Value& EA, Value& ES,
                          Value& ESy, Value& P, Value& Py);

// Sums part slots first..last: sum EA, sum ES, centroid yc = sum ES / sum EA,
// EI about yc, sum EI0, sum EAy2.
void SumSectionParts(double first, double last, const model::PartSlotArray& EA,
                     const model::PartSlotArray& ES, const model::PartSlotArray& EI0,
                     const model::PartSlotArray& EAy2, Value& sumEA, Value& sumES, Value& yc,
                     Value& EI, Value& sumEI0, Value& sumEAy2);

// Adds one part to running sums and recomputes yc and EI about it.
void SumSectionTotals(Value& sumEA, Value& sumES, Value& yc, Value& EI, Value& sumEI0,
                      Value& sumEAy2, double EA, double ES, double EI0, double EAy2);

// r K1 + (1 - r) K2 with r = (a / b)^3 (no bound on r).
double ComputeCubicRatioTerm(double a, double b, double K1, double K2);

}  // namespace quorvel::library
