#pragma once
// What the section analysis, the solver and the force integration share:
// the three reinforcement row groups of the beam section seen through one
// shape (so that each treatment is one routine), checked part and row counts,
// and the division the calculation leaves unguarded.

#include <cstdint>

#include "model/project_model.h"

namespace quorvel::analysis {

struct RowGroup {
    int16_t count;
    const model::RowIntArray& bars;
    const model::RowArray& barArea;
    const model::RowArray& distance;  // from the section bottom
    const model::RowArray& prestress;
    double modulus;
    double designStrength;
    double proofRatio;
    double kind;          // 2 prestressing steel (extra strain in per mille), else 0
    int displacedConcrete;  // concrete kind whose stress the bars displace
};

// Main (bottom) rows: distances from the bottom, in precast concrete.
inline RowGroup mainRowGroup(const model::ProjectModel& m) {
    return {m.ReinforcementRowCount, m.BarsInRow, m.BarArea, m.BarDistanceFromBottom,
            m.BarPrestress, m.ReinforcementModulus, m.ReinforcementDesignStrength,
            m.ReinforcementProofRatio, m.ReinforcementKind, 1};
}

// Top rows, at their derived distances from the bottom, in precast concrete.
inline RowGroup topRowGroup(const model::ProjectModel& m) {
    return {m.TopRebarRowCount, m.TopBarsInRow, m.TopBarArea, m.TopBarDistanceFromBottom,
            m.TopBarPrestress, m.TopRebarModulus, m.TopRebarDesignStrength,
            m.TopRebarProofRatio, m.TopRebarKind, 1};
}

// Rows inside a steel or composite beam, in the infill concrete.
inline RowGroup steelBeamRowGroup(const model::ProjectModel& m) {
    return {m.SteelBeamRebarRowCount, m.SteelBeamBarsInRow, m.SteelBeamBarArea,
            m.SteelBeamBarDistance, m.SteelBeamBarPrestress, m.SteelBeamRebarModulus,
            m.SteelBeamRebarDesignStrength, m.SteelBeamRebarProofRatio, m.SteelBeamRebarKind,
            2};
}

// Rows 1..count of a group; a count beyond the ten rows of the arrays is a
// subscript error (9), a negative count gives no rows.
int rowCountOf(const RowGroup& g);

// Parts 1..count of a part list, checked against the ten parts of the lists.
int partCountOf(int16_t count);

// a / b for a division the calculation does not guard: a zero divisor ends
// the calculation with run-time error 11, or 6 when the dividend is zero too
// (0 / 0), as the program's arithmetic reports them.
double quotient(double a, double b);

// Part slots of the transformed section (1..20) and section stages (1..10).
// Slot k from the parts 1..count of a part list with modulus E.
void setSlotFromPartList(model::ProjectModel& m, int k, int16_t count,
                         const model::PartListArray& b1, const model::PartListArray& b2,
                         const model::PartListArray& h, const model::PartListArray& level,
                         double E);
// Slot k as one rectangle b x h with its centroid at level yc.
// Whether the levels of side s take part where a level is taken over both
// sides (the joint top, the section top): a side carrying slabs does; when
// neither side does, both do. An edge beam's hidden left slab type then
// gives the right side no topping or joint that is not there.
inline bool sideLevelCounts(const model::ProjectModel& m, int s) {
    const bool none = m.SlabSidePresent(1) == 0 && m.SlabSidePresent(2) == 0;
    return none || m.SlabSidePresent(s) != 0;
}

void setSlotFromRectangle(model::ProjectModel& m, int k, double b, double h, double yc, double E);
// Stage s summed over the slots first..last.
void sumStage(model::ProjectModel& m, int s, int first, int last);

}  // namespace quorvel::analysis
