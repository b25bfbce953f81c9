// Sections of the composite steel beams: steel plates around concrete cast
// in place (infill). DELTA and ABeamS have inclined webs with holes, HX
// inclined webs, MEK an I-profile standing in concrete on a bottom plate;
// SX and XX come only from input files.

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

// The webs of DELTA and ABeamS rise from the bottom plate (at tb) to the top
// of the section; their horizontal run is half the difference of the bottom
// and top plate widths.
struct DeltaWeb {
    double run;
    double rise;
    InclinedWeb web;
};
DeltaWeb deltaWeb(const ProjectModel& m) {
    const double a = (m.BottomFlangeWidth - m.TopFlangeWidth) / 2;
    const double rise = m.OverallBeamHeight - m.BottomFlangeThickness;
    return {a, rise, inclinedWeb(rise, a + RunGuard, m.WebThickness)};
}

// DELTA and ABeamS: the heights from the nominal height and the ledge plate,
// the bottom plate and the two ledge plates.
void setDeltaHeightsAndBottom(ProjectModel& m) {
    m.OverallBeamHeight = finite(m.BeamHeight + m.LeftLedgeHeight);
    m.RightLedgeHeight = m.LeftLedgeHeight;
    m.WebHeight = m.BeamHeight;
    setPart(m, Plates, 1, rect(m.BottomFlangeWidth, m.BottomFlangeThickness, 0));
    setPart(m, Plates, 2, rect(m.LeftLedgeWidth, m.LeftLedgeHeight, 0));
    setPart(m, Plates, 3, rect(m.RightLedgeWidth, m.RightLedgeHeight, 0));
}

// DELTA and ABeamS: the concrete between the inclined webs, from the bottom
// plate to the top plate, and the beam width as the mean width of that
// concrete with the top plate taken out.
void setDeltaInfill(ProjectModel& m, const InclinedWeb& web) {
    const double H = m.OverallBeamHeight;
    const double tb = m.BottomFlangeThickness, tt = m.TopFlangeThickness;
    const double inner = m.BottomFlangeWidth - 2 * web.width;
    setPart(m, Infill, 1, rect(inner, H - tb - tt, tb));
    m.LeftLedgeDepth = 0;
    m.RightLedgeDepth = 0;
    m.BeamWidth = quotient(inner * (H - tb) - m.TopFlangeWidth * tt, H - tb - tt);
    setSteelProfile(m);
}

}  // namespace

// Inclined webs interrupted by one row of holes of diameter D1 at e1 up the
// slope: the webs below and above the holes are separate plates.
void buildDeltaBeam(ProjectModel& m) {
    setDeltaHeightsAndBottom(m);
    const double H = m.OverallBeamHeight;
    const double tb = m.BottomFlangeThickness, tt = m.TopFlangeThickness;
    const DeltaWeb delta = deltaWeb(m);
    const double a = delta.run, rise = delta.rise;
    // Length of the web up the slope.
    const double slope = quotient(m.BeamHeight, rise) * std::sqrt(rise * rise + a * a);
    const double e1 = m.WebHoleEdgeDistance, D1 = m.WebHoleDiameter;
    const double t = delta.web.width, s = delta.web.sinTheta;

    const double below = e1 * s;
    const double above = (slope - e1 - D1) * s;
    setPart(m, Plates, 4, rect(t, below, tb));
    setPart(m, Plates, 5, rect(t, below, tb));
    setPart(m, Plates, 6, rect(t, above, H - above));
    setPart(m, Plates, 7, rect(t, above, H - above));
    setPlateThickness(m, 4, 7, m.WebThickness);
    setPart(m, Plates, 8, rect(m.TopFlangeWidth - 2 * t, tt, H - tt));
    setDeltaInfill(m, delta.web);
}

// Inclined webs with the holes smeared along the beam: each row of holes is
// a part of negative width, both webs' width 2t times the hole length along
// the beam over the hole spacing.
void buildAbeamS(ProjectModel& m) {
    setDeltaHeightsAndBottom(m);
    const double H = m.OverallBeamHeight;
    const double tb = m.BottomFlangeThickness, tt = m.TopFlangeThickness;
    const InclinedWeb web = deltaWeb(m).web;
    const double t = web.width, s = web.sinTheta;
    const double D1 = m.WebHoleDiameter, e1 = m.WebHoleEdgeDistance, s1 = m.WebHoleSpacing;
    const double D2 = m.LowerHoleDiameter, e2 = m.LowerHoleEdgeDistance;
    const double l2 = m.LowerHoleLength, s2 = m.LowerHoleSpacing;
    const double hst = m.WebStripHeight;

    // The webs end at the top of the section, H - tb above the bottom plate
    // (the rise their slope is taken from). The nominal height Hn is that
    // rise plus tb - hL: 9 mm more in the default (tb 15 on ledge plates of
    // 6), which stood above the top plate.
    setPart(m, Plates, 4, rect(t, H - tb, tb));
    setPart(m, Plates, 5, rect(t, H - tb, tb));
    setPart(m, Plates, 6, rect(-2 * t * quotient(l2, s2), D2 * s, e2 * s + tb));
    setPart(m, Plates, 7, rect(-2 * t * quotient(D1, s1), D1 * s, e1 * s + tb));
    setPart(m, Plates, 8, rect(-2 * t * quotient(hst, s1), hst, H - tt - hst));
    setPlateThickness(m, 4, 8, m.WebThickness);
    setPart(m, Plates, 9, rect(m.TopFlangeWidth - 2 * t, tt, H - tt));
    setDeltaInfill(m, web);
}

// Webs of the intact height hw leaning in from the bottom plate towards the
// top plate; concrete between them.
void buildHxBeam(ProjectModel& m) {
    m.LeftLedgeHeight = m.BottomFlangeThickness;
    m.RightLedgeHeight = m.LeftLedgeHeight;
    m.OverallBeamHeight = finite(m.BeamHeight + m.LeftLedgeHeight);
    const double H = m.OverallBeamHeight;
    const double tb = m.BottomFlangeThickness, tt = m.TopFlangeThickness;
    const double bb = m.BottomFlangeWidth, bt = m.TopFlangeWidth;

    const double base = bb - m.LeftLedgeWidth - m.RightLedgeWidth;
    const double a = quotient(base - bt, sideCount(m));
    const double c = bt + a;
    const InclinedWeb web = inclinedWeb(m.BeamHeight - tt, c + RunGuard, m.WebThickness);
    const double t = web.width;

    setPart(m, Plates, 1, rect(bb, tb, 0));
    setPart(m, Plates, 2, rect(t, m.WebHeight, tb));
    setPart(m, Plates, 3, rect(t, m.WebHeight, tb));
    setPlateThickness(m, 2, 3, m.WebThickness);
    setPart(m, Plates, 4, rect(bt, tt, H - tt));
    setPart(m, Infill, 1, rect(bt - 2 * t, H - tb - tt, tb));

    m.LeftLedgeDepth = 0;
    m.RightLedgeDepth = 0;
    m.BeamWidth = m.TopFlangeWidth;
    setSteelProfile(m);
}

// An I-profile (height hs) standing on concrete over the bottom plate, with
// an optional raised steel box (height hk, plates tk) under the slab ends.
// The joint concrete at the slab ends is part of the infill list here.
void buildMekBeam(ProjectModel& m) {
    m.OverallBeamHeight = finite(m.BeamHeight + m.BottomFlangeThickness);
    m.WebHeight = finite(m.BeamHeight - m.InnerProfileHeight);
    const double H = m.OverallBeamHeight, Hn = m.BeamHeight;
    const double tb = m.BottomFlangeThickness, tt = m.TopFlangeThickness;
    const double bt = m.TopFlangeWidth, tw = m.WebThickness, bb = m.BottomFlangeWidth;
    const double hs = m.InnerProfileHeight, ts = m.InnerProfileFlangeThickness;
    const double bs = m.InnerProfileWidth;
    const double hk = m.BoxHeight, tk = m.BoxPlateThickness;

    const double profileWeb = hs - tt - ts;
    const double boxSide = MaxValue(hk - tk, 0);
    const double boxTop = hk * tk > 0.001 ? tk : 0.0;
    setPart(m, Plates, 1, rect(bb, tb, 0));
    setPart(m, Plates, 2, rect(bs, ts, Hn + tb - hs));
    setPart(m, Plates, 3, rect(bt, tt, H - tt));
    setPart(m, Plates, 4, rect(tw, profileWeb, H - hs + ts));
    setPart(m, Plates, 5, rect(tk, boxSide, tb));
    setPart(m, Plates, 6, rect(tk, boxSide, tb));
    setPart(m, Plates, 7, rect(m.LeftLedgeWidth, boxTop, tb + hk - tk));
    setPart(m, Plates, 8, rect(m.RightLedgeWidth, boxTop, tb + hk - tk));
    m.WebHeight = finite(profileWeb);

    setPart(m, Infill, 1, rect(bt, Hn - hs, tb));
    const Trapezoid beside{(bs - tw) * 0.5, (bt - tw) * 0.5, profileWeb, H - hs + ts};
    setPart(m, Infill, 2, beside);
    setPart(m, Infill, 3, beside);
    setPart(m, Infill, 4, rect(m.JointGroutWidth(1), m.SlabHeight(1), tb + m.SlabBottomGap(1)));
    setPart(m, Infill, 5, rect(m.JointGroutWidth(2), m.SlabHeight(2), tb + m.SlabBottomGap(2)));

    // Without a box the slabs rest on the bottom plate beyond the profile's
    // bottom flange. The box top plates keep the widths they were given.
    if (hk < 0.001) {
        m.LeftLedgeWidth = m.SlabSidePresent(1) > 0 ? quotient(bb - bs, sideCount(m)) : 0.0;
        m.RightLedgeWidth = m.SlabSidePresent(2) > 0 ? quotient(bb - bs, sideCount(m)) : 0.0;
    }
    m.LeftLedgeDepth = 0;
    m.RightLedgeDepth = 0;
    m.BeamWidth = m.TopFlangeWidth;
    m.LeftLedgeHeight = m.BottomFlangeThickness;
    m.RightLedgeHeight = m.BottomFlangeThickness;
    m.FilletCorrection = 4;
}

// A steel box of side plates on the bottom plate, filled with precast
// concrete up to the seat level hL, and cast concrete above it under the top
// plate.
void buildSxBeam(ProjectModel& m) {
    m.OverallBeamHeight = finite(m.BeamHeight + m.LeftLedgeHeight);
    m.BeamWidth = m.TopFlangeWidth;
    m.RightLedgeHeight = m.LeftLedgeHeight;
    m.LeftLedgeDepth = m.SlabSupportLength(1);
    m.RightLedgeDepth = m.SlabSupportLength(2);
    m.BoxPlateThickness = m.BottomFlangeThickness;
    const double H = m.OverallBeamHeight;
    const double tb = m.BottomFlangeThickness, tk = m.BoxPlateThickness;
    const double tt = m.TopFlangeThickness, bt = m.TopFlangeWidth, bb = m.BottomFlangeWidth;
    const double hL = m.LeftLedgeHeight, hR = m.RightLedgeHeight;

    setPart(m, Precast, 1, rect(bb - 2 * tk, hL - tb, tb));
    setPart(m, Plates, 1, rect(bb, tb, 0));
    setPart(m, Plates, 2, rect(tk, hL - tb, tb));
    setPart(m, Plates, 3, rect(tk, hR - tb, tb));
    setPart(m, Plates, 4, rect(bt, tt, H - tt));

    // B equals bt here, so the two strips beside the top plate have no width.
    const double B = m.BeamWidth;
    const double left = quotient(B - bt, sideCount(m));
    setPart(m, Infill, 1, rect(B, m.BeamHeight - tt, hL));
    setPart(m, Infill, 2, rect(left, tt, H - tt));
    setPart(m, Infill, 3, rect((B - bt) - left, tt, H - tt));
}

// A precast core between two inclined steel webs, each with a bottom plate
// (wL or wR wide, hL or hR thick) and a top plate p1 wide.
void buildXxBeam(ProjectModel& m) {
    const double hL = m.LeftLedgeHeight, hR = m.RightLedgeHeight;
    m.OverallBeamHeight = finite(m.BeamHeight + MaxValue(hL, hR));
    m.WebHeight = m.OverallBeamHeight;
    m.WebThickness = m.LeftLedgeHeight;
    m.BottomFlangeThickness = 0;
    const double H = m.OverallBeamHeight;
    const double bb = m.BottomFlangeWidth, B = m.BeamWidth, p1 = m.XxSectionParam(1);

    setPart(m, Precast, 1, {bb - hL - hR, B, H, 0});
    const double q = quotient(quotient(bb - B, sideCount(m)), m.BeamHeight) + 0.000000001;
    const double t = inclinedWeb(1, q, m.WebThickness).width;

    setPart(m, Plates, 1, rect(m.LeftLedgeWidth, hL, 0));
    setPart(m, Plates, 2, rect(t, H, 0));
    setPart(m, Plates, 3, rect(p1, hL, H - hL));
    setPart(m, Plates, 4, rect(m.RightLedgeWidth, hR, 0));
    setPart(m, Plates, 5, rect(t, H, 0));
    setPart(m, Plates, 6, rect(p1, hR, H - hR));
    setPlateThickness(m, 2, 2, m.WebThickness);
    setPlateThickness(m, 5, 5, m.WebThickness);

    const float overhang = single((bb - B) / 2);
    m.BottomOverhangBySide(1) = overhang;
    m.BottomOverhangBySide(2) = overhang;
}

}  // namespace quorvel::analysis::section
