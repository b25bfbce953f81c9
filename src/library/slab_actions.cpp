#include "library/slab_actions.h"

#include <cmath>

#include "library/utilities.h"

namespace quorvel::library {

SlabAreaDesignLoads SlabDesignAreaLoads(const model::ProjectModel& m, int s, bool permanentOnly) {
    if (permanentOnly) {
        const double a = m.PermanentOnlyLoadFactorKfi;
        return {a * (m.SlabSelfWeight(s) + m.ToppingLoad(s)), a * m.SlabImposedLoadPermanent(s)};
    }
    return {m.SlabSelfWeightDesign(s) + m.ToppingLoadDesign(s),
            m.SlabImposedLoadPermanentDesign(s) + m.SlabImposedLoadVariableDesign(s)};
}

namespace {

// The design values of one station by one expression of EN 1990: the area
// loads before and after the topping hardens, and the slab-field loads'
// moment and shear.
struct SlabStationDesign {
    SlabAreaDesignLoads q;
    double loadMoment, loadShear;
};

}  // namespace

void ComputeSlabLoadsOnBeam(model::ProjectModel& m) {
    const double a = m.PermanentOnlyLoadFactorKfi;
    for (int s = 1; s <= 2; ++s) {
        m.SlabDesignAreaLoad(s) = m.SlabSelfWeightDesign(s) + m.ToppingLoadDesign(s) +
                                  m.SlabImposedLoadPermanentDesign(s) +
                                  m.SlabImposedLoadVariableDesign(s);
        const double qDead = m.SlabSelfWeight(s) + m.ToppingLoad(s);
        const double qImposed = m.SlabImposedLoadPermanent(s) + m.SlabImposedLoadVariable(s);
        const double unit = m.SlabUnitWidth(s) * 0.001;  // slab unit width, m

        m.SlabMaxDeadLoadMoment(s) = 0;
        m.SlabMaxImposedLoadMoment(s) = 0;
        m.SlabMaxCharacteristicMoment(s) = 0;
        m.SlabMaxDesignMoment(s) = 0;
        m.SlabMaxShearPartA(s) = 0;
        m.SlabMaxShearPartB(s) = 0;
        m.SlabMaxDesignShear(s) = 0;
        m.SlabMomentExpression(s) = 0;
        m.SlabShearExpression(s) = 0;

        const double start = m.BeamSpacing(s, 1);
        const double slope = (m.BeamSpacing(s, 2) - start) / m.BeamSpan;
        for (int i = 0; i <= m.CalculationPointCount; ++i) {
            const double Lx = start + slope * m.CalculationPointX(i);
            m.WorkSlabSpan = Lx - m.SlabSupportLength(s);
            m.WorkSlabSpanReduced = m.WorkSlabSpan - m.SlabBcr(s);
            const double Ln = m.WorkSlabSpan;
            const double Lr = m.WorkSlabSpanReduced;

            const double dead = ComputeUdlMidspanMoment(qDead, Ln) * unit;
            const double imposed = (ComputeUdlMidspanMoment(qImposed, Ln) +
                                    m.LineLoadSlabMomentK(s, i) + m.PointLoadSlabMomentK(s, i)) *
                                   unit;
            m.SlabDeadLoadMoment(s, i) = dead;
            m.SlabImposedLoadMoment(s, i) = imposed;
            m.SlabCharacteristicMoment(s, i) = dead + imposed;

            // (6.10b) with the factors of the dialog; (6.10a) 1.35 K_FI on
            // every permanent load and no variable load. The station's
            // moment and its shear each take the larger.
            const SlabStationDesign b{SlabDesignAreaLoads(m, s, false),
                                      m.LineLoadSlabMomentD(s, i) + m.PointLoadSlabMomentD(s, i),
                                      m.LineLoadSlabShear(s, i) + m.PointLoadSlabShear(s, i)};
            const SlabStationDesign pa{SlabDesignAreaLoads(m, s, true),
                                       a * (m.LineLoadSlabMomentG(s, i) + m.PointLoadSlabMomentG(s, i)),
                                       a * (m.LineLoadSlabShearG(s, i) + m.PointLoadSlabShearG(s, i))};
            const auto moment = [&](const SlabStationDesign& d) {
                return (ComputeUdlMidspanMoment(d.q.beforeTopping + d.q.afterTopping, Ln) + d.loadMoment) * unit;
            };
            const auto shear = [&](const SlabStationDesign& d, double& partA, double& partB) {
                partA = ComputeUdlReaction(d.q.beforeTopping, 0.001 * Lr);
                partB = ComputeUdlReaction(d.q.afterTopping, 0.001 * Lr) + d.loadShear;
                return partA + partB;
            };
            const bool momentA = std::fabs(moment(pa)) > std::fabs(moment(b));
            const SlabStationDesign& md = momentA ? pa : b;
            const double design = moment(md);
            m.SlabDesignMoment(s, i) = design;

            // Moment at b.cr from the slab end: the midspan value times
            // 4 r (1 - r), r = b.cr / Ln.
            const double r = m.SlabBcr(s) / Ln;
            const double shape = r * (1.0 - r) / 0.25;
            m.SlabDesignMomentAtBcr(s, i) = design * shape;
            m.SlabAreaLoadMomentAtBcr(s, i) = ComputeUdlMidspanMoment(md.q.beforeTopping, Ln) * shape;
            m.SlabMomentAtBcrDifference(s, i) =
                m.SlabDesignMomentAtBcr(s, i) - m.SlabAreaLoadMomentAtBcr(s, i);

            double shearA = 0, shearB = 0, shearAa = 0, shearBa = 0;
            const double totalB = shear(b, shearA, shearB);
            const bool shearByA = std::fabs(shear(pa, shearAa, shearBa)) > std::fabs(totalB);
            if (shearByA) {
                shearA = shearAa;
                shearB = shearBa;
            }
            m.SlabShearExpressionAt(s, i) = shearByA ? 1.0 : 0.0;
            m.SlabShearPartA(s, i) = shearA;
            m.SlabShearPartB(s, i) = shearB;
            m.SlabDesignShear(s, i) = shearA + shearB;

            if (design > m.SlabMaxDesignMoment(s)) m.SlabMomentExpression(s) = momentA ? 1 : 0;
            if (shearA + shearB > m.SlabMaxDesignShear(s)) m.SlabShearExpression(s) = shearByA ? 1 : 0;
            m.SlabMaxDeadLoadMoment(s) = MaxValue(m.SlabMaxDeadLoadMoment(s), dead);
            m.SlabMaxImposedLoadMoment(s) = MaxValue(m.SlabMaxImposedLoadMoment(s), imposed);
            m.SlabMaxCharacteristicMoment(s) =
                MaxValue(m.SlabMaxCharacteristicMoment(s), m.SlabCharacteristicMoment(s, i));
            m.SlabMaxDesignMoment(s) = MaxValue(m.SlabMaxDesignMoment(s), design);
            m.SlabMaxShearPartA(s) = MaxValue(m.SlabMaxShearPartA(s), shearA);
            m.SlabMaxShearPartB(s) = MaxValue(m.SlabMaxShearPartB(s), shearB);
            m.SlabMaxDesignShear(s) = MaxValue(m.SlabMaxDesignShear(s), m.SlabDesignShear(s, i));
        }
    }
}

void FindSlabResultMaxima(model::ProjectModel& m, model::GoverningSideArray& sides) {
    const model::SideArray* tables[3] = {&m.SlabSideCriterion1, &m.SlabSideCriterion2,
                                         &m.SlabSideCriterion3};
    for (int k = 1; k <= 3; ++k) {
        Value maximum;
        FindArrayMaximum(*tables[k - 1], 2, maximum, sides(k));
    }
}

}  // namespace quorvel::library
