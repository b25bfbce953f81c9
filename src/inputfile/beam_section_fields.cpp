#include "inputfile/beam_section_fields.h"

namespace quorvel::inputfile {

using runtime::Value;

std::vector<SectionField> namedSectionParameterFields(model::ProjectModel& m, const std::string& f) {
// A parameter stored in a plain field, and one stored in an array element.
#define P(field) SectionField{#field, 0, &m.field}
#define E(field, element) SectionField{#field, element, &m.field(element)}
    if (f == "JA" || f == "BL")
        return {P(OverallBeamHeight), P(BeamWidth), P(LeftLedgeHeight), P(RightLedgeHeight),
                P(LeftLedgeDepth), P(RightLedgeDepth)};
    if (f == "SU") return {P(OverallBeamHeight), P(BeamWidth)};
    if (f == "BI")
        return {P(BeamHeight), P(BottomFlangeThickness), P(LowerRecessHeight), P(UpperRecessHeight),
                P(TopFlangeThickness), P(BottomFlangeWidth), P(BeamWidth), P(TopFlangeWidth)};
    if (f == "TI")
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(CornerRadius)};
    if (f == "HQ")
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(LeftLedgeHeight), P(BottomFlangeWidth)};
    if (f == "CW")
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(LeftLedgeHeight), P(BottomFlangeWidth), P(DowelWidth), P(DowelHeight)};
    if (f == "DE")
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(LeftLedgeHeight), P(LeftLedgeWidth),
                P(RightLedgeWidth), P(WebHoleDiameter), P(WebHoleEdgeDistance)};
    if (f == "HX")
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(LeftLedgeWidth), P(RightLedgeWidth),
                P(WebHeight)};
    if (f == "ME")
        return {P(BeamHeight), P(InnerProfileHeight), P(WebThickness), P(TopFlangeThickness),
                P(TopFlangeWidth), P(InnerProfileFlangeThickness), P(InnerProfileWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(BoxHeight), P(BoxPlateThickness),
                P(LeftLedgeWidth), P(RightLedgeWidth), P(CornerRadius)};
    if (f == "LB")
        return {P(BeamHeight), P(BeamWidth), P(BottomFlangeThickness), P(BottomFlangeWidth),
                P(LeftLedgeWidth), P(RightLedgeWidth)};
    if (f == "KE")
        return {P(BeamHeight), P(LBBottomWidth), P(BeamWidth), P(BottomFlangeThickness),
                P(BottomFlangeWidth), P(AngleSteelHeight), P(LeftLedgeHeight), P(LeftLedgeWidth),
                P(RightLedgeWidth)};
    if (f == "SX")
        return {P(BeamHeight), P(TopFlangeThickness), P(TopFlangeWidth), P(LeftLedgeHeight),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(BeamWidth)};
    if (f == "XX")
        return {P(BeamHeight), P(BeamWidth), P(BottomFlangeWidth), P(LeftLedgeHeight),
                P(LeftLedgeWidth), E(XxSectionParam, 1), P(RightLedgeHeight), P(RightLedgeWidth),
                E(XxSectionParam, 2)};
    if (f == "KV")
        return {P(BeamHeight), P(WebThickness), P(BottomFlangeThickness), P(BottomFlangeWidth),
                P(LeftLedgeWidth), P(RightLedgeWidth)};
    if (f == "BE")
        return {P(BeamHeight), P(BeamWidth), P(AngleSteelHeight), P(BottomFlangeThickness),
                P(LeftLedgeWidth), P(RightLedgeWidth), P(CornerRadius), P(TopFlangeThickness),
                P(TopFlangeWidth)};
    if (f == "AP")
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(LeftLedgeHeight), P(LeftLedgeWidth),
                P(RightLedgeWidth), P(ApalkkiHoleSize)};
    if (f == "AB")
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(LeftLedgeHeight), P(LeftLedgeWidth),
                P(RightLedgeWidth), P(WebHoleDiameter), P(WebHoleEdgeDistance), P(LowerHoleDiameter),
                P(LowerHoleEdgeDistance)};
    return {};
#undef P
#undef E
}

std::vector<Value*> sectionParameterFields(model::ProjectModel& m, const std::string& family) {
    std::vector<Value*> fields;
    for (const SectionField& f : namedSectionParameterFields(m, family)) fields.push_back(f.value);
    return fields;
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
