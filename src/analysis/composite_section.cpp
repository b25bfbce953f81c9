#include <algorithm>
#include <string>

#include "analysis/section_analysis.h"
#include "analysis/section_common.h"
#include "library/section_parts.h"
#include "library/utilities.h"

namespace quorvel::analysis {

using model::ProjectModel;
using runtime::Value;

namespace {

void setJointPart(ProjectModel& m, int k, double bottomWidth, double topWidth, double height,
                  double level) {
    m.JointPartBottomWidth(k) = bottomWidth;
    m.JointPartTopWidth(k) = topWidth;
    m.JointPartHeight(k) = height;
    m.JointPartLevel(k) = level;
}

double slabTop(const ProjectModel& m, int s) { return m.SlabBottomLevel(s) + m.SlabHeight(s); }

bool familyIs(const ProjectModel& m, model::BeamFamily family) { return m.Family() == family; }

// Where the joint grout and the strip over the beam start.
struct JointLevels {
    double top;        // tj, top of the joint grout between the slab ends
    double seat;       // hl, level of the slab seat
    double beamTop;    // t, top of the beam on ledges (0 with the slabs on top)
    double flange;     // bf, flange width that joint part 2 takes in (A beam)
};

JointLevels jointLevels(ProjectModel& m) {
    const double H = m.OverallBeamHeight;
    if (m.SlabsOnLedge == 0) {
        // The slabs rest on the beam top, which is also the section top that
        // the composite solver starts from.
        m.BeamTopLevel = H;
        double top = 0;
        bool first = true;
        for (int s = 1; s <= 2; ++s) {
            if (!sideLevelCounts(m, s)) continue;
            top = first ? slabTop(m, s) : library::MaxValue(top, slabTop(m, s));
            first = false;
        }
        return {top, H, 0, 0};
    }
    JointLevels j{};
    if (familyIs(m, model::BeamFamily::AP)) {
        j.beamTop = H - 2 * m.TopBarDistanceFromTop(1);
        j.flange = m.TopFlangeWidth;
    } else {
        j.beamTop = H;
    }
    m.BeamTopLevel = j.beamTop;
    const double p1 = m.SlabSidePresent(1), p2 = m.SlabSidePresent(2);
    const double j1 = library::MinValue(slabTop(m, 1), j.beamTop);
    const double j2 = library::MinValue(slabTop(m, 2), j.beamTop);
    j.top = quotient(p1 * j1 + p2 * j2, p1 + p2);
    j.seat = quotient(p1 * m.LedgeHeightBySide(1) + p2 * m.LedgeHeightBySide(2), p1 + p2);
    return j;
}

// Width of the cast strip over the beam between the slabs. With the slabs on
// the beam top the slab toppings reach to the slab ends, so only the gap
// between the slab ends (the two joint grout widths) is left for the strip.
double stripWidth(const ProjectModel& m, double overhang) {
    const double g = m.JointGroutWidth(1) + m.JointGroutWidth(2);
    if (m.SlabsOnLedge == 0) return g;
    const double category = m.BeamCategory;
    if (category == 2 || (category == 3 && familyIs(m, model::BeamFamily::LB)) ||
        (category == 5 && familyIs(m, model::BeamFamily::SX)))
        return m.BeamWidth + g;
    if (category == 3 && familyIs(m, model::BeamFamily::AP)) return g + m.TopFlangeWidth + overhang;
    if (familyIs(m, model::BeamFamily::CW)) return g + m.TopFlangeWidth + 2 * m.WebThickness;
    return m.TopFlangeThickness < 1 ? m.BeamWidth + g : g;
}

// Slot k as a rectangle of the strip less the concrete of an upper joint part
// that the strip covers too (both centred over the beam), so that concrete
// counts once.
void setStripSlot(ProjectModel& m, int k, double width, double height, double level,
                  double coveredWidth, double coveredFrom, double coveredTo) {
    const double E = m.ConcreteEcm(6);
    const double overlapFrom = std::max(coveredFrom, level);
    const double overlapTo = std::min(coveredTo, level + height);
    const double overlapWidth = std::min(coveredWidth, width);
    if (!(overlapTo > overlapFrom) || !(overlapWidth > 0)) {
        setSlotFromRectangle(m, k, width, height, level + height / 2, E);
        return;
    }
    Value A1, S1, I1, EA1, ES1, EI1, EAy1, A2, S2, I2, EA2, ES2, EI2, EAy2;
    library::AddRectangleToSection(width, height, level + height / 2, E, A1, S1, I1, EA1, ES1,
                                   EI1, EAy1);
    library::AddRectangleToSection(-overlapWidth, overlapTo - overlapFrom,
                                   0.5 * (overlapFrom + overlapTo), E, A2, S2, I2, EA2, ES2, EI2,
                                   EAy2);
    const double A = A1 + A2, S = S1 + S2;
    // An upper joint part as wide and as high as the strip takes all of it:
    // the slot is empty (its centroid would be 0/0).
    if (!(A > 1e-9 * A1)) {
        setSlotFromRectangle(m, k, 0, height, level + height / 2, E);
        return;
    }
    const double yc = S / A;
    const double I = I1 + I2 + (EAy1 + EAy2) / E - S * S / A;
    m.PartArea(k) = A;
    m.PartFirstMoment(k) = S;
    m.PartCentroidHeight(k) = yc;
    m.PartOwnInertia(k) = I;
    m.PartAxialStiffness(k) = E * A;
    m.PartStiffnessMoment(k) = E * S;
    m.PartOwnStiffness(k) = E * I;
    m.PartParallelAxisStiffness(k) = E * A * yc * yc;
}

// Stage s over slots 6..last, less the bottom flange of a slab whose underside
// lies below the stage centroid (concrete in tension). Taking a flange out
// moves the centroid, so a flange still in is judged again against the new
// one until no further flange is taken out; in each round both sides are
// judged against the same centroid, so that a mirrored section gives the
// mirrored stage.
// Returns 0 when the right slab's flange was taken out, else 1.
double stageWithoutTensionFlanges(ProjectModel& m, int s, int last) {
    sumStage(m, s, 6, last);
    bool takenOut[3] = {false, false, false};
    for (bool again = true; again;) {
        again = false;
        const double centroid = m.SectionCentroid(s);
        for (int side = 1; side <= 2; ++side) {
            if (takenOut[side] || !(centroid > m.SlabBottomLevel(side))) continue;
            const int k = 9 + side;
            library::SumSectionTotals(m.SectionAxialStiffness(s), m.SectionStiffnessMoment(s),
                                      m.SectionCentroid(s), m.SectionBendingStiffness(s),
                                      m.SectionOwnInertiaSum(s), m.SectionParallelAxisSum(s),
                                      -m.PartAxialStiffness(k), -m.PartStiffnessMoment(k),
                                      -m.PartOwnStiffness(k), -m.PartParallelAxisStiffness(k));
            takenOut[side] = true;
            again = true;
        }
    }
    return takenOut[2] ? 0 : 1;
}

void setGroup(ProjectModel& m, int g, double EA, double ES, double yc, double EI) {
    const double Q = yc * EA - ES;
    m.PartGroupAxialStiffness(g) = EA;
    m.PartGroupStaticMoment(g) = Q;
    m.PartGroupShearFlowFactor(g) = Q / EI;
}

// Shear-flow factors of the slab parts: static moment about the stage
// centroid over the stage's bending stiffness.
void partGroups(ProjectModel& m, const double slabWidth[3]) {
    const double yc5 = m.SectionCentroid(5), EI5 = m.SectionBendingStiffness(5);
    const double yc6 = m.SectionCentroid(6), EI6 = m.SectionBendingStiffness(6);
    auto EA = [&](int k) { return static_cast<double>(m.PartAxialStiffness(k)); };
    auto ES = [&](int k) { return static_cast<double>(m.PartStiffnessMoment(k)); };
    setGroup(m, 1, EA(8), ES(8), yc5, EI5);
    setGroup(m, 2, EA(9), ES(9), yc5, EI5);
    setGroup(m, 5, EA(8) + EA(9), ES(8) + ES(9), yc5, EI5);
    setGroup(m, 3, EA(12) + EA(8), ES(12) + ES(8), yc6, EI6);
    setGroup(m, 4, EA(13) + EA(9), ES(13) + ES(9), yc6, EI6);
    const double r1 = slabWidth[1] / (slabWidth[1] + 0.001);
    const double r2 = slabWidth[2] / (slabWidth[2] + 0.001);
    setGroup(m, 6, EA(8) + EA(9) + EA(12) * r1 + EA(13) * r2,
             ES(8) + ES(9) + ES(12) * r1 + ES(13) * r2, yc6, EI6 + 0.001);
}

}  // namespace

void BuildCompositeSection(ProjectModel& m, double b0) {
    const double H = m.OverallBeamHeight;
    const JointLevels j = jointLevels(m);

    // Joint grout between the slab ends (slot 7; joint parts 1 and 2).
    const double g = m.EffectiveJointGroutWidth(1) + m.EffectiveJointGroutWidth(2);
    const double overhang = m.BottomOverhangBySide(1) + m.BottomOverhangBySide(2);
    const double level1 = library::MaxValue(b0, j.seat);
    const double h1 = j.top - level1;
    const double top1 = g + overhang;
    const double bottom1 =
        g + quotient(overhang * ((j.beamTop - j.seat) - h1), j.beamTop - j.seat);
    setJointPart(m, 1, bottom1, top1, h1, level1);
    m.JointPartCount = 1;
    double upperWidth = 0, upperFrom = 0, upperTo = 0;  // joint part 2 on ledges
    if (m.SlabsOnLedge != 0) {
        double lowerSlab = 0;
        bool first = true;
        for (int s = 1; s <= 2; ++s) {
            if (!sideLevelCounts(m, s)) continue;
            lowerSlab = first ? m.SlabHeight(s).number() : library::MinValue(lowerSlab, m.SlabHeight(s));
            first = false;
        }
        if (lowerSlab > m.BeamHeight) {
            upperWidth = j.flange + top1;
            upperFrom = level1 + h1;
            upperTo = upperFrom + (lowerSlab - m.BeamHeight);
            setJointPart(m, 2, upperWidth, upperWidth, upperTo - upperFrom, upperFrom);
            m.JointPartCount = 2;
        }
    }
    setSlotFromPartList(m, 7, m.JointPartCount, m.JointPartBottomWidth, m.JointPartTopWidth,
                        m.JointPartHeight, m.JointPartLevel, m.ConcreteEcm(3));

    // Slab flanges and toppings of each side (slots 8..13; joint parts 2..7).
    double slabWidth[3] = {0, 0, 0};
    double toppingTop = 0;
    bool toppingTopSet = false;
    for (int s = 1; s <= 2; ++s) {
        const double bs = m.SlabBcd(s) * m.SlabSidePresent(s);
        const double ts = slabTop(m, s);
        const double Eslab = m.ConcreteEcm(3 + s);
        slabWidth[s] = bs;
        const double hTop = m.SlabTopFlangeDesignThickness(s);
        setJointPart(m, 1 + s, bs, bs, hTop, ts - hTop);
        setSlotFromRectangle(m, 7 + s, bs, hTop, ts - hTop / 2, Eslab);
        const double hBottom = m.SlabBottomFlangeThickness(s);
        setJointPart(m, 3 + s, bs, bs, hBottom, m.SlabBottomLevel(s));
        setSlotFromRectangle(m, 9 + s, bs, hBottom, m.SlabBottomLevel(s) + hBottom / 2, Eslab);
        const double hTopping = m.SideToppingThickness(s);
        setJointPart(m, 5 + s, bs, bs, hTopping, ts);
        setSlotFromRectangle(m, 11 + s, bs, hTopping, ts + hTopping / 2, m.ConcreteEcm(6));
        m.CwqJointSideValue(s) = bs;
        if (sideLevelCounts(m, s))
            toppingTop = toppingTopSet ? library::MaxValue(toppingTop, ts + hTopping) : ts + hTopping;
        toppingTopSet = toppingTopSet || sideLevelCounts(m, s);
    }

    // Cast strip over the beam (slot 14; joint part 8).
    const double ws = stripWidth(m, overhang);
    double hs, levelS;
    if (m.SlabsOnLedge == 0) {
        hs = toppingTop - H - h1;
        levelS = H + h1;
    } else {
        hs = library::MaxValue(toppingTop - j.beamTop, 0);
        levelS = j.beamTop;
    }
    m.SideToppingThickness(0) = hs;
    setJointPart(m, 8, ws, ws, hs, levelS);
    setStripSlot(m, 14, ws, hs, levelS, upperWidth, upperFrom, upperTo);

    m.SectionSummaryValue1 = stageWithoutTensionFlanges(m, 5, 11);
    m.SectionSummaryValue2 = stageWithoutTensionFlanges(m, 6, 14);
    partGroups(m, slabWidth);

    // Effective width: each loaded side widened (or narrowed) to span / 12
    // from the beam's centre line.
    for (int s = 1; s <= 2; ++s) {
        m.SideSpanWidthLimit(s) = m.BeamSpan / 12;
        const double w = CompositeStageSlabWidth(m, s);
        const double es = w - slabWidth[s];
        m.JointPartBottomWidth(1 + s) = w;
        m.JointPartTopWidth(1 + s) = w;
        m.JointPartBottomWidth(5 + s) = w;
        m.JointPartTopWidth(5 + s) = w;
        setSlotFromRectangle(m, 14 + s, es, m.SlabTopFlangeDesignThickness(s),
                             m.PartCentroidHeight(7 + s), m.ConcreteEcm(3 + s));
        setSlotFromRectangle(m, 16 + s, es, m.SideToppingThickness(s),
                             m.PartCentroidHeight(11 + s), m.ConcreteEcm(6));
    }
    // The composite stage leaves out tension concrete as the grouted stages
    // do: a slab flange below its centroid cracks.
    stageWithoutTensionFlanges(m, 8, 18);
    m.JointPartCount = 8;
}

double CompositeStageSlabWidth(const ProjectModel& m, int s) {
    const double g = m.EffectiveJointGroutWidth(1) + m.EffectiveJointGroutWidth(2);
    return (m.BeamSpan / 12 - g / 2) * m.SlabSidePresent(s);
}

}  // namespace quorvel::analysis
