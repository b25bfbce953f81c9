// Sections of the prestressed concrete beams with steel parts: LBL on a
// steel bottom plate, KEMO_UUSI with steel angles, KVATRO (a steel box with
// a concrete core), BESUPER (a precast part between two angles under a steel
// roof) and the A-beam with inclined steel webs around a precast core.

#include <cmath>

#include "analysis/section_model_rules.h"
#include "library/utilities.h"

namespace quorvel::analysis::section {

using library::MaxValue;
using model::ProjectModel;

namespace {
constexpr SectionPartListKind Plates = SectionPartListKind::SteelPlates;
constexpr SectionPartListKind Precast = SectionPartListKind::PrecastParts;
constexpr SectionPartListKind Infill = SectionPartListKind::InfillParts;

// Pi as the bar diameter of the roof formula takes it.
constexpr double RoofPi = 3.141593;
}  // namespace

// A precast part, bLB wide at the bottom and B at the top, on a steel bottom
// plate as wide as the beam bottom including the ledges.
void buildLbBeam(ProjectModel& m) {
    m.OverallBeamHeight = finite(m.BeamHeight + m.BottomFlangeThickness);
    m.LBBottomWidth = finite(m.BottomFlangeWidth - m.LeftLedgeWidth - m.RightLedgeWidth);
    m.LeftLedgeHeight = m.BottomFlangeThickness;
    m.RightLedgeHeight = m.BottomFlangeThickness;
    m.WebHeight = 0;
    const double tb = m.BottomFlangeThickness;
    setPart(m, Precast, 1, {m.LBBottomWidth, m.BeamWidth, m.BeamHeight, tb});
    setPart(m, Plates, 1, rect(m.BottomFlangeWidth, tb, 0));
    setLedgeOverhang(m, m.LBBottomWidth - m.BeamWidth);
    setTopRowsFromBottom(m);
}

// A precast part on a bottom plate, and two steel angles of thickness t
// (hL) whose horizontal legs, beside the plate, carry the slabs. As the
// dialog draws it (and as LBL stands): the concrete from the plate's top tb
// to H = Hn + tb, moving with tb; each angle hA high, its horizontal leg
// 0 .. t and its upright leg above it, t .. hA.
void buildKeBeam(ProjectModel& m) {
    m.OverallBeamHeight = finite(m.BeamHeight + m.BottomFlangeThickness);
    m.RightLedgeHeight = m.LeftLedgeHeight;
    m.WebHeight = 0;
    const double hL = m.LeftLedgeHeight, hR = m.RightLedgeHeight, tb = m.BottomFlangeThickness;
    setPart(m, Precast, 1, {m.LBBottomWidth, m.BeamWidth, m.BeamHeight, tb});
    setPart(m, Plates, 1, rect(m.BottomFlangeWidth, tb, 0));
    setPart(m, Plates, 2, rect(m.LeftLedgeWidth, hL, 0));
    setPart(m, Plates, 3, rect(m.RightLedgeWidth, hR, 0));
    setPart(m, Plates, 4, rect(hL, m.AngleSteelHeight - hL, hL));
    setPart(m, Plates, 5, rect(hR, m.AngleSteelHeight - hR, hR));
    setLedgeOverhang(m, m.LBBottomWidth - m.BeamWidth);
    setTopRowsFromBottom(m);
}

// Two webs on a bottom plate with the concrete core between them; the slabs
// rest on the bottom plate outside the webs.
void buildKvatroBeam(ProjectModel& m) {
    const double tb = m.BottomFlangeThickness, tw = m.WebThickness, Hn = m.BeamHeight;
    setPart(m, Plates, 1, rect(m.BottomFlangeWidth, tb, 0));
    setPart(m, Plates, 2, rect(tw, Hn, tb));
    setPart(m, Plates, 3, rect(tw, Hn, tb));

    const double core = m.BottomFlangeWidth - m.LeftLedgeWidth - m.RightLedgeWidth - 2 * tw;
    m.OverallBeamHeight = finite(tb + Hn);
    m.BeamWidth = finite(core);
    m.WebHeight = m.BeamHeight;
    m.CornerRadius = 0;
    m.InnerProfileHeight = m.BeamHeight;
    m.InnerProfileWidth = finite(core);
    m.LeftLedgeHeight = m.BottomFlangeThickness;
    m.RightLedgeHeight = m.LeftLedgeHeight;
    setPart(m, Precast, 1, rect(m.BeamWidth, Hn, tb));
}

// A precast part (B wide, hA high) between two angles whose bottom legs carry
// the slabs, cast concrete above it, and a roof of two steel plates (bt long,
// tt thick) that meet under the highest top bar. The roof is its outer
// outline less the hollow under the plates and the two outer corners.
//
// The roof apex sits at the underside of top row n = TopRebarRowCount:
// y1 = Hn - D - d/2, with D the row's distance from the top face and d its
// bar diameter. Without top rows y1 = Hn.
void buildSuperBeam(ProjectModel& m) {
    m.LeftLedgeHeight = m.BottomFlangeThickness;
    m.RightLedgeHeight = m.BottomFlangeThickness;
    m.WebThickness = m.BottomFlangeThickness;
    m.OverallBeamHeight = m.BeamHeight;
    m.OverallBeamHeight = MaxValue(m.BeamHeight, m.BottomFlangeThickness +
                                                     MaxValue(m.SlabHeight(1), m.SlabHeight(2)));
    const double H = m.OverallBeamHeight, Hn = m.BeamHeight;
    const double tb = m.BottomFlangeThickness, tw = m.WebThickness;
    const double bt = m.TopFlangeWidth, tt = m.TopFlangeThickness;
    const double B = m.BeamWidth, hA = m.AngleSteelHeight;

    const int n = m.TopRebarRowCount;
    const double d = n == 0 ? 0.0 : root(4 * m.TopBarArea(n) / RoofPi);
    const double D = n == 0 ? 0.0 : static_cast<double>(m.TopBarDistanceFromTop(n));
    const double y1 = Hn - D - d / 2;
    const double x1 = B / 2;
    const double phi = std::atan(quotient(y1 - tt * std::cos(std::atan(quotient(y1, x1))), x1));
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    const double cornerRun = quotient(tt, sinPhi);
    const double roofLevel = Hn - bt * sinPhi + tt * cosPhi;

    setPart(m, Plates, 1, rect(m.LeftLedgeWidth - tb, tb, 0));
    setPart(m, Plates, 2, rect(m.RightLedgeWidth - tb, tb, 0));
    setPart(m, Plates, 3, rect(tw, hA, 0));
    setPart(m, Plates, 4, rect(tw, hA, 0));
    setPart(m, Plates, 5,
            {2 * (bt * cosPhi + cornerRun), 2 * tt * sinPhi, bt * sinPhi + tt * cosPhi, roofLevel});
    setPart(m, Plates, 6, {-2 * bt * cosPhi, 0, bt * sinPhi, roofLevel});
    setPart(m, Plates, 7, {-2 * cornerRun, 0, tt * cosPhi, roofLevel});
    setPlateThickness(m, 5, 7, tt);
    setPart(m, Precast, 1, rect(B, hA, 0));
    setPart(m, Infill, 1, rect(B + 2 * tw, H - hA, hA));

    m.FilletCorrection = 2;
    m.SuperPrestressTerm = 2;
}

// Inclined steel webs from the bottom plate to the top plate (which has a
// hole dA wide) around a precast core; the top bars lie on the top plate, so
// the overall height is the steel's top, Hn over the bottom plate tb, and
// twice the distance of top row 1 from the top. (The ledge plates hL lie
// beside the bottom plate and do not lift the section.)
void buildApalkki(ProjectModel& m) {
    m.OverallBeamHeight =
        finite(m.BeamHeight + m.BottomFlangeThickness + 2 * m.TopBarDistanceFromTop(1));
    m.RightLedgeHeight = m.LeftLedgeHeight;
    m.WebHeight = m.BeamHeight;
    const double H = m.OverallBeamHeight, Hn = m.BeamHeight;
    const double tb = m.BottomFlangeThickness, tt = m.TopFlangeThickness;
    const double bb = m.BottomFlangeWidth, bt = m.TopFlangeWidth;

    // Each web runs from the edge of the bottom plate (at tb) to the edge of
    // the top plate (at Hn + tb - tt): it rises the height of the core, and
    // a horizontal cut meets t = tw / sin(theta) of it at every level of
    // that rise. A flatter web is longer and so carries more steel over the
    // same levels; it never ends below the top plate.
    const double a = (bb - bt) / 2;
    const double rise = Hn - tt;
    const InclinedWeb web = inclinedWeb(rise, a + RunGuard, m.WebThickness);
    const double t = web.width;

    setPart(m, Plates, 1, rect(bb, tb, 0));
    setPart(m, Plates, 2, rect(m.LeftLedgeWidth, m.LeftLedgeHeight, 0));
    setPart(m, Plates, 3, rect(m.RightLedgeWidth, m.RightLedgeHeight, 0));
    setPart(m, Plates, 4, rect(t, rise, tb));
    setPart(m, Plates, 5, rect(t, rise, tb));
    setPlateThickness(m, 4, 5, m.WebThickness);
    setPart(m, Plates, 6, rect(bt - m.ApalkkiHoleSize, tt, Hn + tb - tt));
    setPart(m, Precast, 1, {bb - 2 * t, bt - 2 * t, Hn - tt, tb});

    m.LeftLedgeDepth = 0;
    m.RightLedgeDepth = 0;
    m.BeamWidth = quotient((bb - 2 * t) * (H - tb) - bt * tt, Hn - tt);
    m.InnerProfileHeight = finite(Hn - tt);
    m.InnerProfileFlangeThickness = 0;
    m.InnerProfileWidth = finite(bb - m.LeftLedgeWidth - m.RightLedgeWidth - 2 * m.WebThickness);
    setLedgeOverhang(m, bb - bt);
}

}  // namespace quorvel::analysis::section
