// Sections of the reinforced concrete beams: the beam with concrete ledges
// (JALO, BLEUKA), the rectangular beam (SUORA) and the I-beam with haunches
// (BI). All parts are precast concrete.

#include "analysis/section_model_rules.h"

namespace quorvel::analysis::section {

using model::ProjectModel;
using runtime::Value;

namespace {
constexpr SectionPartListKind Precast = SectionPartListKind::PrecastParts;
}

// A web of the full height with a ledge on each side at the bottom; the
// slabs rest on the ledges at hL and hR.
void buildLedgeBeam(ProjectModel& m) {
    const double H = m.OverallBeamHeight;
    const double B = m.BeamWidth;
    setPart(m, Precast, 1, rect(B, H, 0));
    setPart(m, Precast, 2, rect(m.LeftLedgeDepth, m.LeftLedgeHeight, 0));
    setPart(m, Precast, 3, rect(m.RightLedgeDepth, m.RightLedgeHeight, 0));

    m.WebHeight = finite(H - m.LeftLedgeHeight);
    m.BottomFlangeWidth = finite(m.LeftLedgeDepth + B + m.RightLedgeDepth);
    m.BottomFlangeThickness = m.LeftLedgeHeight;
    m.BeamHeight = m.WebHeight;
}

// One rectangle; the slabs rest on its top.
void buildRectangularBeam(ProjectModel& m) {
    m.LeftLedgeHeight = m.OverallBeamHeight;
    m.RightLedgeHeight = m.OverallBeamHeight;
    m.LeftLedgeDepth = 0;
    m.RightLedgeDepth = 0;
    setPart(m, Precast, 1, rect(m.BeamWidth, m.OverallBeamHeight, 0));
    m.WebHeight = m.OverallBeamHeight;
    m.BottomFlangeThickness = m.OverallBeamHeight;
    m.BeamHeight = m.OverallBeamHeight;
}

// Bottom flange, lower haunch, web, upper haunch, top flange. Each height
// carries 0.001 mm more so that neighbouring parts overlap and no gap opens
// between them. The ledge heights keep their entered values.
void buildConcreteIBeam(ProjectModel& m) {
    constexpr double Overlap = 0.001;
    m.BeamHeight = m.OverallBeamHeight;
    const double H = m.OverallBeamHeight;
    const double B = m.BeamWidth;
    const double bb = m.BottomFlangeWidth, tb = m.BottomFlangeThickness;
    const double bt = m.TopFlangeWidth, tt = m.TopFlangeThickness;
    const double hr1 = m.LowerRecessHeight, hr2 = m.UpperRecessHeight;

    setPart(m, Precast, 1, rect(bb, tb + Overlap, 0));
    setPart(m, Precast, 2, {bb, B, hr1 + Overlap, tb});
    setPart(m, Precast, 3, rect(B, H - tt - hr2 - hr1 - tb + Overlap, tb + hr1));
    setPart(m, Precast, 4, {B, bt, hr2 + Overlap, H - tt - hr2});
    setPart(m, Precast, 5, rect(bt, tt + Overlap, H - tt));
}

}  // namespace quorvel::analysis::section
