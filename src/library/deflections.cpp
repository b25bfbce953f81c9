#include "library/deflections.h"

#include <cmath>

#include "library/beam_actions.h"
#include "library/beam_formulas.h"
#include "library/checked_math.h"
#include "library/utilities.h"
#include "runtime/errors.h"

namespace quorvel::library {

namespace {

using model::ProjectModel;
using runtime::Value;

// A running extreme that keeps the value of largest magnitude with its
// sign; on equal magnitudes the first stays.
void keepLargestMagnitude(Value& extreme, double value) {
    if (std::fabs(value) > std::fabs(extreme)) extreme = value;
}

}  // namespace

void ComputeBeamDeflections(ProjectModel& m) {
    Value* const terms[] = {&m.BeamDeflectionMax1, &m.BeamDeflectionMax2,
                            &m.BeamDeflectionMax3, &m.BeamDeflectionMax4,
                            &m.BeamDeflectionMax5, &m.BeamDeflectionMax6,
                            &m.BeamDeflectionMax7, &m.BeamDeflectionTotalMax,
                            &m.BeamTopStrainMaxA,  &m.BeamTopStrainMaxB,
                            &m.BeamTopStrainMax,   &m.BeamTopStrainMin};
    for (Value* v : terms) *v = 0.0;

    const double L = m.BeamSpan;
    requirePositive(L, "beam span");
    const double ei1 = m.SectionBendingStiffness(1);
    const double ei5 = m.SectionBendingStiffness(5);
    const double ei8 = m.SectionBendingStiffness(8);
    requirePositive(ei1, "stiffness of the beam alone");
    requirePositive(ei5, "stiffness of the grouted section");
    requirePositive(ei8, "stiffness of the composite section");
    const int n = m.CalculationPointCount;
    if (n > model::MaxCalculationPoint)
        throw runtime::RunTimeError(runtime::ErrSubscriptOutOfRange, "calculation points");

    // Shores: their reactions (the moments' PrestressEquivalentLoads) hold
    // the bare beam up while the concrete is wet, and act downward on the
    // grouted section when the shores are taken away. Of each reaction, the
    // share of the cast-in-place beam concrete is the shore's reaction under
    // that weight alone; the rest is the slabs' and the joint concrete's.
    const int shores = shoreCount(m);
    runtime::Array1<double, 0, MaxShoreCount> beamReactions;
    if (shores > 0) ComputeShoreReactions(shores, L, m.BeamSelfWeight - m.BeamPartialSelfWeight, beamReactions);
    const auto shoreDeflection = [&](double x, bool beamPart) {
        double u = 0.0;
        for (int k = 1; k <= shores; ++k) {
            const double total = m.PrestressEquivalentLoads(k);
            const double r = beamPart ? beamReactions(k) : total - beamReactions(k);
            u += pointLoadDeflection(r, k * L / (shores + 1), x, L, ei1);
        }
        return u;
    };

    const double psi1 = m.ImposedLoadPsi1;
    // The strain is taken at the underside of each slab field that carries
    // slabs (of both when neither does), where the check applies at all.
    const bool strainChecked = StrainCheckApplies(m);
    const bool anySide = m.SlabSidePresent(1) != 0 || m.SlabSidePresent(2) != 0;
    bool strainSide[3] = {false, false, false};
    for (int side = 1; side <= 2; ++side) strainSide[side] = strainChecked && (!anySide || m.SlabSidePresent(side) != 0);
    // Per side: the largest stage-2, composite-stage and total strains
    // (shortening), and the largest stretch of the total.
    double strainA[3] = {0, 0, 0}, strainB[3] = {0, 0, 0}, strainTotal[3] = {0, 0, 0};
    double stretch = 0;
    // Beam-self-weight part of the end moments before grouting, and the
    // rest of that pair: each enters one term only.
    const double swStart = m.SupportMomentStartBeamSelfWeight;
    const double swEnd = m.SupportMomentEndBeamSelfWeight;
    const double restStart = m.SupportMomentStartBeforeGrouting - swStart;
    const double restEnd = m.SupportMomentEndBeforeGrouting - swEnd;
    const bool onShores = m.Family() == model::BeamFamily::BE;
    const double beforeGroutingEI = onShores ? ei5 : ei1;

    const PlacedLoads placedLoadsG(m, 1), placedLoadsQ(m, 2);
    for (int i = 0; i <= n; ++i) {
        const double x = m.CalculationPointX(i);
        const double xi = x / L;

        // Strains at the slab underside from the moments of the stage 2 and
        // the composite stage.
        for (int side = 1; side <= 2; ++side) {
            if (!strainSide[side]) continue;
            const double level = m.SlabBottomLevel(side);
            const double epsA = m.BeamMomentChar(i, 2) * (level - m.SectionCentroid(5)) / ei5;
            const double epsB = m.BeamMomentChar(i, 5) * (level - m.SectionCentroid(8)) / ei8;
            strainA[side] = MaxValue(epsA, strainA[side]);
            strainB[side] = MaxValue(epsB, strainB[side]);
            strainTotal[side] = MaxValue(epsA + epsB, strainTotal[side]);
            stretch = MinValue(epsA + epsB, stretch);
        }

        const auto ends = [&](double ms, double me, double ei) {
            return endMomentsEffect(LoadEffect::Deflection, ms, me, x, L, ei);
        };
        const auto span = [&](const model::SideArray& q, double factor, double ei) {
            return ComputeTrapezoidDeflection(factor * q(1), factor * q(2), x, L, ei);
        };
        // Each pair of end moments deflects the section of the moment row
        // it stands in: on shores the end moments before grouting stand in
        // row 2 (the shores are out, the section grouted), the permanent
        // ones in rows 3 and 5 on the composite section.
        const double eSw = ends(swStart, swEnd, beforeGroutingEI);
        const double e0 = ends(restStart, restEnd, beforeGroutingEI);
        const double e1 =
            ends(m.SupportMomentStartBeforeTopping, m.SupportMomentEndBeforeTopping, ei5);
        const double eG = ends(m.SupportMomentStartPermanent, m.SupportMomentEndPermanent, ei8);
        const double eQ = ends(psi1 * m.SupportMomentStartVariable,
                               psi1 * m.SupportMomentEndVariable, ei8);

        const double uPartial = ComputeUdlDeflection(m.BeamPartialSelfWeight, x, L, ei1);
        const double uBeam = ComputeUdlDeflection(m.BeamSelfWeight, x, L, ei1);
        const double uJoint = ComputeUdlDeflection(m.JointConcreteLineLoad, x, L, ei1);
        const double tSlab = span(m.SlabSelfWeightLineLoad, 1.0, ei1);
        const double tTopping = span(m.ToppingLineLoad, 1.0, ei5);
        const double tG = span(m.ImposedPermanentLineLoad, 1.0, ei8);
        const double tQ = span(m.ImposedVariableLineLoad, psi1, ei8);
        const double placedG = placedLoadsG.effect(LoadEffect::Deflection, x, L, ei8);
        const double placedQ = psi1 * placedLoadsQ.effect(LoadEffect::Deflection, x, L, ei8);

        // The shore reactions on the bare beam (upward: the shores hold the
        // beam up), the beam concrete's share and the rest.
        const double sBeam = -shoreDeflection(x, true);
        const double sRest = -shoreDeflection(x, false);

        double d[8];
        d[1] = m.PrestressMomentTerm * L * L * xi * (1.0 - xi) / (2.0 * ei1);
        if (shores > 0) {
            d[3] = uPartial;
            d[2] = (uBeam - uPartial) + sBeam;
        } else {
            d[3] = 0.0;
            d[2] = uBeam;
        }
        d[4] = tSlab + uJoint + sRest;
        d[5] = e1 + tTopping;
        if (onShores) {
            d[5] += eSw + e0;
        } else {
            d[2] += eSw;
            d[4] += e0;
        }
        d[6] = tG + tQ + placedG + placedQ + eG + eQ;
        d[7] = -(sBeam + sRest) * ei1 / ei5;
        double total = 0.0;
        for (int k = 1; k <= 7; ++k) {
            keepLargestMagnitude(*terms[k - 1], d[k]);
            total += d[k];
        }
        keepLargestMagnitude(m.BeamDeflectionTotalMax, total);
    }

    // The side with the larger total strain governs, with its two parts; on
    // equal totals the left side.
    const int governing = strainTotal[2] > strainTotal[1] ? 2 : 1;
    m.BeamTopStrainMaxA = strainA[governing];
    m.BeamTopStrainMaxB = strainB[governing];
    m.BeamTopStrainMax = strainTotal[governing];
    m.BeamTopStrainMin = stretch;
}

bool StrainCheckApplies(const ProjectModel& m) { return m.SlabsOnLedge == 0; }

}  // namespace quorvel::library
