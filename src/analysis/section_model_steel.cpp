// Sections of the welded steel beams: the I-beam (TI) and the box beams
// with two webs on a wide bottom plate (HQ, CWQ). All parts are steel
// plates.

#include "analysis/section_model_rules.h"

namespace quorvel::analysis::section {

using model::ProjectModel;

namespace {
constexpr SectionPartListKind Plates = SectionPartListKind::SteelPlates;
}  // namespace

// Bottom flange, web and top flange. The slabs rest on the top flange, or on
// the bottom flange when they are on ledges.
void buildSteelIBeam(ProjectModel& m) {
    m.OverallBeamHeight = m.BeamHeight;
    const double H = m.OverallBeamHeight;
    const double tb = m.BottomFlangeThickness, tt = m.TopFlangeThickness;
    setPart(m, Plates, 1, rect(m.BottomFlangeWidth, tb, 0));
    setPart(m, Plates, 2, rect(m.WebThickness, m.BeamHeight - tb - tt, tb));
    setPart(m, Plates, 3, rect(m.TopFlangeWidth, tt, H - tt));

    m.BeamWidth = m.TopFlangeWidth;
    m.WebHeight = finite(H - tb - tt);
    if (m.SlabsOnLedge == 0) m.LeftLedgeHeight = m.OverallBeamHeight;
    else m.LeftLedgeHeight = m.BottomFlangeThickness;
    m.RightLedgeHeight = m.LeftLedgeHeight;
    setSteelProfile(m);
    m.BeamHeight = m.OverallBeamHeight;
}

// Two webs of height Hn stand on the bottom plate; the top plate lies
// between them at the top. The bottom plate's projection beyond the top
// plate carries the slabs: split between the loaded sides.
void buildSteelBoxBeam(ProjectModel& m) {
    m.LeftLedgeHeight = m.BottomFlangeThickness;
    m.RightLedgeHeight = m.BottomFlangeThickness;
    const double tb = m.BottomFlangeThickness, tw = m.WebThickness, Hn = m.BeamHeight;
    const double bb = m.BottomFlangeWidth, bt = m.TopFlangeWidth, tt = m.TopFlangeThickness;
    setPart(m, Plates, 1, rect(bb, tb, 0));
    setPart(m, Plates, 2, rect(tw, Hn, tb));
    setPart(m, Plates, 3, rect(tw, Hn, tb));

    m.OverallBeamHeight = finite(m.LeftLedgeHeight + Hn);
    const double H = m.OverallBeamHeight;
    m.BeamWidth = finite(bt + 2 * tw);
    m.WebHeight = m.BeamHeight;
    const double projection = quotient(bb - bt, sideCount(m));
    m.LeftLedgeWidth = finite(projection * m.SlabSidePresent(1));
    m.RightLedgeWidth = finite(projection * m.SlabSidePresent(2));
    setPart(m, Plates, 4, rect(bt, tt, H - tt));

    m.CornerRadius = 0;
    setSteelProfile(m);
    m.LeftLedgeHeight = m.BottomFlangeThickness;
    m.RightLedgeHeight = m.LeftLedgeHeight;
}

}  // namespace quorvel::analysis::section
