#include "library/stiffness.h"

#include <cmath>

#include "library/section_parts.h"
#include "runtime/errors.h"

namespace quorvel::library {

namespace {

struct StiffnessSums {
    double ea = 0, es = 0, eiOwn = 0, eiPar = 0;
};

// Adds the parts 1..count of one concrete part list above level y. A part
// that straddles y is cut there (its width interpolated at y); a part wholly
// above y counts in full; one at or below y not at all.
void addPartsAboveLevel(StiffnessSums& sums, int count, const model::PartListArray& bottomWidth,
                        const model::PartListArray& topWidth,
                        const model::PartListArray& height, const model::PartListArray& level,
                        double E, double y) {
    for (int p = 1; p <= count; ++p) {
        const double top = level(p) + height(p);
        if (!(top > y)) continue;
        const bool straddles = y > level(p);
        const double from = straddles ? y : static_cast<double>(level(p));
        const double widthAtFrom =
            straddles
                ? bottomWidth(p) + (topWidth(p) - bottomWidth(p)) * (y - level(p)) / height(p)
                : static_cast<double>(bottomWidth(p));
        Value a, yc, s, i0, ea, es, ei0, eay2;
        AddTrapezoidToSection(top - from, widthAtFrom, topWidth(p), from, E, a, yc, s, i0, ea, es,
                              ei0, eay2);
        sums.ea += ea;
        sums.es += es;
        sums.eiOwn += ei0;
        sums.eiPar += eay2;
    }
}

}  // namespace

void ComputeNeutralAxisSectionStiffness(model::ProjectModel& m, double dS, Value& EA, Value& ES,
                                        Value& EIown, Value& EIpar, Value& EI) {
    StiffnessSums base;
    for (int slot : {1, 3, 5}) {
        base.ea += m.PartAxialStiffness(slot);
        base.es += m.PartStiffnessMoment(slot);
        base.eiOwn += m.PartOwnStiffness(slot);
        base.eiPar += m.PartParallelAxisStiffness(slot);
    }
    const double e = (m.LayerFirstMoment + dS) / m.LayerAreaSum;
    double y = m.SectionCentroid(2);

    for (int pass = 1; pass <= NeutralAxisIterationCap; ++pass) {
        StiffnessSums sums = base;
        addPartsAboveLevel(sums, m.PrecastPartCount, m.PrecastPartBottomWidth,
                           m.PrecastPartTopWidth, m.PrecastPartHeight, m.PrecastPartLevel,
                           m.ConcreteEcm(1), y);
        addPartsAboveLevel(sums, m.InfillPartCount, m.InfillPartBottomWidth, m.InfillPartTopWidth,
                           m.InfillPartHeight, m.InfillPartLevel, m.ConcreteEcm(2), y);

        // Zero-strain level of the counted section under a normal force at e.
        // The sums returned are those of the cut at y, so y must be the level
        // they imply: a loose stop would hand on a cut some millimetres off,
        // and the section's EA and centroid (and through them the composite
        // stiffness, the deflections and the shear flow) with it.
        const double eiTotal = sums.eiOwn + sums.eiPar;
        const double next = (eiTotal / e - sums.es) / (sums.es / e - sums.ea);
        if (std::fabs(1 - y / next) <= NeutralAxisTolerance) {
            EA = sums.ea;
            ES = sums.es;
            EIown = sums.eiOwn;
            EIpar = sums.eiPar;
            EI = eiTotal - sums.es * sums.es / sums.ea;
            return;
        }
        y = next;
    }
    throw runtime::RunTimeError(runtime::ErrInvalidCall,
                                "zero-strain level of the section does not settle");
}

}  // namespace quorvel::library
