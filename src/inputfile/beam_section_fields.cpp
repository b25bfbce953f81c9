#include "inputfile/beam_section_fields.h"

namespace quorvel::inputfile {

using runtime::Value;

std::vector<Value*> sectionParameterFields(model::ProjectModel& m, const std::string& f) {
    if (f == "JA" || f == "BL")
        return {&m.OverallBeamHeight, &m.BeamWidth, &m.LeftLedgeHeight, &m.RightLedgeHeight,
                &m.LeftLedgeDepth, &m.RightLedgeDepth};
    if (f == "SU") return {&m.OverallBeamHeight, &m.BeamWidth};
    if (f == "BI")
        return {&m.BeamHeight, &m.BottomFlangeThickness, &m.LowerRecessHeight, &m.UpperRecessHeight,
                &m.TopFlangeThickness, &m.BottomFlangeWidth, &m.BeamWidth, &m.TopFlangeWidth};
    if (f == "TI")
        return {&m.BeamHeight, &m.WebThickness, &m.TopFlangeThickness, &m.TopFlangeWidth,
                &m.BottomFlangeThickness, &m.BottomFlangeWidth, &m.CornerRadius};
    if (f == "HQ")
        return {&m.BeamHeight, &m.WebThickness, &m.TopFlangeThickness, &m.TopFlangeWidth,
                &m.LeftLedgeHeight, &m.BottomFlangeWidth};
    if (f == "CW")
        return {&m.BeamHeight, &m.WebThickness, &m.TopFlangeThickness, &m.TopFlangeWidth,
                &m.LeftLedgeHeight, &m.BottomFlangeWidth, &m.DowelWidth, &m.DowelHeight};
    if (f == "DE")
        return {&m.BeamHeight, &m.WebThickness, &m.TopFlangeThickness, &m.TopFlangeWidth,
                &m.BottomFlangeThickness, &m.BottomFlangeWidth, &m.LeftLedgeHeight, &m.LeftLedgeWidth,
                &m.RightLedgeWidth, &m.WebHoleDiameter, &m.WebHoleEdgeDistance};
    if (f == "HX")
        return {&m.BeamHeight, &m.WebThickness, &m.TopFlangeThickness, &m.TopFlangeWidth,
                &m.BottomFlangeThickness, &m.BottomFlangeWidth, &m.LeftLedgeWidth, &m.RightLedgeWidth,
                &m.WebHeight};
    if (f == "ME")
        return {&m.BeamHeight, &m.InnerProfileHeight, &m.WebThickness, &m.TopFlangeThickness,
                &m.TopFlangeWidth, &m.InnerProfileFlangeThickness, &m.InnerProfileWidth,
                &m.BottomFlangeThickness, &m.BottomFlangeWidth, &m.BoxHeight, &m.BoxPlateThickness,
                &m.LeftLedgeWidth, &m.RightLedgeWidth, &m.CornerRadius};
    if (f == "LB")
        return {&m.BeamHeight, &m.BeamWidth, &m.BottomFlangeThickness, &m.BottomFlangeWidth,
                &m.LeftLedgeWidth, &m.RightLedgeWidth};
    if (f == "KE")
        return {&m.BeamHeight, &m.LBBottomWidth, &m.BeamWidth, &m.BottomFlangeThickness,
                &m.BottomFlangeWidth, &m.AngleSteelHeight, &m.LeftLedgeHeight, &m.LeftLedgeWidth,
                &m.RightLedgeWidth};
    if (f == "SX")
        return {&m.BeamHeight, &m.TopFlangeThickness, &m.TopFlangeWidth, &m.LeftLedgeHeight,
                &m.BottomFlangeThickness, &m.BottomFlangeWidth, &m.BeamWidth};
    if (f == "XX")
        return {&m.BeamHeight, &m.BeamWidth, &m.BottomFlangeWidth, &m.LeftLedgeHeight,
                &m.LeftLedgeWidth, &m.XxSectionParam(1), &m.RightLedgeHeight, &m.RightLedgeWidth,
                &m.XxSectionParam(2)};
    if (f == "KV")
        return {&m.BeamHeight, &m.WebThickness, &m.BottomFlangeThickness, &m.BottomFlangeWidth,
                &m.LeftLedgeWidth, &m.RightLedgeWidth};
    if (f == "BE")
        return {&m.BeamHeight, &m.BeamWidth, &m.AngleSteelHeight, &m.BottomFlangeThickness,
                &m.LeftLedgeWidth, &m.RightLedgeWidth, &m.CornerRadius, &m.TopFlangeThickness,
                &m.TopFlangeWidth};
    if (f == "AP")
        return {&m.BeamHeight, &m.WebThickness, &m.TopFlangeThickness, &m.TopFlangeWidth,
                &m.BottomFlangeThickness, &m.BottomFlangeWidth, &m.LeftLedgeHeight, &m.LeftLedgeWidth,
                &m.RightLedgeWidth, &m.ApalkkiHoleSize};
    if (f == "AB")
        return {&m.BeamHeight, &m.WebThickness, &m.TopFlangeThickness, &m.TopFlangeWidth,
                &m.BottomFlangeThickness, &m.BottomFlangeWidth, &m.LeftLedgeHeight, &m.LeftLedgeWidth,
                &m.RightLedgeWidth, &m.WebHoleDiameter, &m.WebHoleEdgeDistance, &m.LowerHoleDiameter,
                &m.LowerHoleEdgeDistance};
    return {};
}

bool isKnownSectionFamily(const std::string& family) {
    model::ProjectModel probe;
    return !sectionParameterFields(probe, family).empty();
}

void completeSectionFields(model::ProjectModel& m, const std::string& f) {
    if (f == "BI") {
        m.OverallBeamHeight = m.BeamHeight;
        m.SteelPlateCount = 0;
        m.PrecastPartCount = 5;
        m.InfillPartCount = 0;
    } else if (f == "HQ" || f == "CW") {
        m.RightLedgeHeight = m.LeftLedgeHeight;
        m.BottomFlangeThickness = m.LeftLedgeHeight;
    } else if (f == "DE" || f == "AP" || f == "AB") {
        m.RightLedgeHeight = m.LeftLedgeHeight;
        if (f == "AB") {
            m.WebHoleSpacing = 400;
            m.LowerHoleLength = 80;
            m.WebStripHeight = 20;
            m.LowerHoleSpacing = 1200;
        }
    } else if (f == "LB") {
        m.OverallBeamHeight = m.BeamHeight + m.BottomFlangeThickness;
    } else if (f == "SX") {
        m.RightLedgeHeight = m.LeftLedgeHeight;
        m.BoxPlateThickness = m.BottomFlangeThickness;
        m.OverallBeamHeight = m.BeamHeight + m.LeftLedgeHeight;
        m.SteelPlateCount = 4;
        m.PrecastPartCount = 1;
        m.InfillPartCount = 3;
    } else if (f == "XX") {
        m.WebThickness = m.LeftLedgeHeight;
        m.BottomFlangeThickness = 0;
        m.SteelPlateCount = 6;
        m.PrecastPartCount = 1;
        m.InfillPartCount = 0;
    }
}

}  // namespace quorvel::inputfile
