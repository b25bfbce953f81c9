#include "library/slab_actions.h"

#include "library/utilities.h"

namespace quorvel::library {

void ComputeSlabLoadsOnBeam(model::ProjectModel& m) {
    for (int s = 1; s <= 2; ++s) {
        m.SlabDesignAreaLoad(s) = m.SlabSelfWeightDesign(s) + m.ToppingLoadDesign(s) +
                                  m.SlabImposedLoadPermanentDesign(s) +
                                  m.SlabImposedLoadVariableDesign(s);
        const double qA = m.SlabSelfWeightDesign(s) + m.ToppingLoadDesign(s);
        const double qB = m.SlabImposedLoadPermanentDesign(s) + m.SlabImposedLoadVariableDesign(s);
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
            const double design = (ComputeUdlMidspanMoment(m.SlabDesignAreaLoad(s), Ln) +
                                   m.LineLoadSlabMomentD(s, i) + m.PointLoadSlabMomentD(s, i)) *
                                  unit;
            m.SlabDeadLoadMoment(s, i) = dead;
            m.SlabImposedLoadMoment(s, i) = imposed;
            m.SlabCharacteristicMoment(s, i) = dead + imposed;
            m.SlabDesignMoment(s, i) = design;

            // Moment at b.cr from the slab end: the midspan value times
            // 4 r (1 - r), r = b.cr / Ln.
            const double r = m.SlabBcr(s) / Ln;
            const double shape = r * (1.0 - r) / 0.25;
            m.SlabDesignMomentAtBcr(s, i) = design * shape;
            m.SlabAreaLoadMomentAtBcr(s, i) = ComputeUdlMidspanMoment(qA, Ln) * shape;
            m.SlabMomentAtBcrDifference(s, i) =
                m.SlabDesignMomentAtBcr(s, i) - m.SlabAreaLoadMomentAtBcr(s, i);

            const double shearA = ComputeUdlReaction(qA, 0.001 * Lr);
            const double shearB = ComputeUdlReaction(qB, 0.001 * Lr) +
                                  (m.LineLoadSlabShear(s, i) + m.PointLoadSlabShear(s, i));
            m.SlabShearPartA(s, i) = shearA;
            m.SlabShearPartB(s, i) = shearB;
            m.SlabDesignShear(s, i) = shearA + shearB;

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
