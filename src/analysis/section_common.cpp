#include "analysis/section_common.h"

#include "library/section_parts.h"
#include "runtime/errors.h"

namespace quorvel::analysis {

int rowCountOf(const RowGroup& g) { return partCountOf(g.count); }

int partCountOf(int16_t count) {
    if (count > 10) throw runtime::RunTimeError(runtime::ErrSubscriptOutOfRange);
    return count < 0 ? 0 : count;
}

double quotient(double a, double b) {
    if (b == 0)
        throw runtime::RunTimeError(a == 0 ? runtime::ErrOverflow : runtime::ErrDivisionByZero);
    return a / b;
}

void setSlotFromPartList(model::ProjectModel& m, int k, int16_t count,
                         const model::PartListArray& b1, const model::PartListArray& b2,
                         const model::PartListArray& h, const model::PartListArray& level,
                         double E) {
    library::BuildTrapezoidSection(m, partCountOf(count), b1, b2, h, level, E, m.PartArea(k),
                                   m.PartFirstMoment(k), m.PartCentroidHeight(k),
                                   m.PartOwnInertia(k), m.PartAxialStiffness(k),
                                   m.PartStiffnessMoment(k), m.PartOwnStiffness(k),
                                   m.PartParallelAxisStiffness(k));
}

void setSlotFromRectangle(model::ProjectModel& m, int k, double b, double h, double yc, double E) {
    library::AddRectangleToSection(b, h, yc, E, m.PartArea(k), m.PartFirstMoment(k),
                                   m.PartOwnInertia(k), m.PartAxialStiffness(k),
                                   m.PartStiffnessMoment(k), m.PartOwnStiffness(k),
                                   m.PartParallelAxisStiffness(k));
    m.PartCentroidHeight(k) = yc;
}

void sumStage(model::ProjectModel& m, int s, int first, int last) {
    library::SumSectionParts(first, last, m.PartAxialStiffness, m.PartStiffnessMoment,
                             m.PartOwnStiffness, m.PartParallelAxisStiffness,
                             m.SectionAxialStiffness(s), m.SectionStiffnessMoment(s),
                             m.SectionCentroid(s), m.SectionBendingStiffness(s),
                             m.SectionOwnInertiaSum(s), m.SectionParallelAxisSum(s));
}

}  // namespace quorvel::analysis
