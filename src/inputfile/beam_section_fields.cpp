#include "inputfile/beam_section_fields.h"

namespace quorvel::inputfile {

using runtime::Value;
using F = model::BeamFamily;

std::vector<SectionField> namedSectionParameterFields(model::ProjectModel& m, std::optional<model::BeamFamily> family) {
// A parameter stored in a plain field, and one stored in an array element.
#define P(field) SectionField{#field, 0, &m.field}
#define E(field, element) SectionField{#field, element, &m.field(element)}
    if (!family) return {};
    switch (*family) {
    case F::JA:
    case F::BL:
        return {P(OverallBeamHeight), P(BeamWidth), P(LeftLedgeHeight), P(RightLedgeHeight),
                P(LeftLedgeDepth), P(RightLedgeDepth)};
    case F::SU: return {P(OverallBeamHeight), P(BeamWidth)};
    case F::BI:
        return {P(BeamHeight), P(BottomFlangeThickness), P(LowerRecessHeight), P(UpperRecessHeight),
                P(TopFlangeThickness), P(BottomFlangeWidth), P(BeamWidth), P(TopFlangeWidth)};
    case F::TI:
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(CornerRadius)};
    case F::HQ:
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(LeftLedgeHeight), P(BottomFlangeWidth)};
    case F::CW:
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(LeftLedgeHeight), P(BottomFlangeWidth), P(DowelWidth), P(DowelHeight)};
    case F::DE:
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(LeftLedgeHeight), P(LeftLedgeWidth),
                P(RightLedgeWidth), P(WebHoleDiameter), P(WebHoleEdgeDistance)};
    case F::HX:
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(LeftLedgeWidth), P(RightLedgeWidth),
                P(WebHeight)};
    case F::ME:
        return {P(BeamHeight), P(InnerProfileHeight), P(WebThickness), P(TopFlangeThickness),
                P(TopFlangeWidth), P(InnerProfileFlangeThickness), P(InnerProfileWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(BoxHeight), P(BoxPlateThickness),
                P(LeftLedgeWidth), P(RightLedgeWidth), P(CornerRadius)};
    case F::LB:
        return {P(BeamHeight), P(BeamWidth), P(BottomFlangeThickness), P(BottomFlangeWidth),
                P(LeftLedgeWidth), P(RightLedgeWidth)};
    case F::KE:
        return {P(BeamHeight), P(LBBottomWidth), P(BeamWidth), P(BottomFlangeThickness),
                P(BottomFlangeWidth), P(AngleSteelHeight), P(LeftLedgeHeight), P(LeftLedgeWidth),
                P(RightLedgeWidth)};
    case F::SX:
        return {P(BeamHeight), P(TopFlangeThickness), P(TopFlangeWidth), P(LeftLedgeHeight),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(BeamWidth)};
    case F::XX:
        return {P(BeamHeight), P(BeamWidth), P(BottomFlangeWidth), P(LeftLedgeHeight),
                P(LeftLedgeWidth), E(XxSectionParam, 1), P(RightLedgeHeight), P(RightLedgeWidth),
                E(XxSectionParam, 2)};
    case F::KV:
        return {P(BeamHeight), P(WebThickness), P(BottomFlangeThickness), P(BottomFlangeWidth),
                P(LeftLedgeWidth), P(RightLedgeWidth)};
    case F::BE:
        return {P(BeamHeight), P(BeamWidth), P(AngleSteelHeight), P(BottomFlangeThickness),
                P(LeftLedgeWidth), P(RightLedgeWidth), P(CornerRadius), P(TopFlangeThickness),
                P(TopFlangeWidth)};
    case F::AP:
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(LeftLedgeHeight), P(LeftLedgeWidth),
                P(RightLedgeWidth), P(ApalkkiHoleSize)};
    case F::AB:
        return {P(BeamHeight), P(WebThickness), P(TopFlangeThickness), P(TopFlangeWidth),
                P(BottomFlangeThickness), P(BottomFlangeWidth), P(LeftLedgeHeight), P(LeftLedgeWidth),
                P(RightLedgeWidth), P(WebHoleDiameter), P(WebHoleEdgeDistance), P(LowerHoleDiameter),
                P(LowerHoleEdgeDistance)};
    }
    return {};
#undef P
#undef E
}

std::vector<Value*> sectionParameterFields(model::ProjectModel& m, std::optional<model::BeamFamily> family) {
    std::vector<Value*> fields;
    for (const SectionField& f : namedSectionParameterFields(m, family)) fields.push_back(f.value);
    return fields;
}

bool isKnownSectionFamily(std::optional<model::BeamFamily> family) {
    model::ProjectModel probe;
    return !sectionParameterFields(probe, family).empty();
}

bool hasTopRebarRecords(std::optional<model::BeamFamily> f) { return f == F::LB || f == F::BE || f == F::AP; }

void completeSectionFields(model::ProjectModel& m, std::optional<model::BeamFamily> f) {
    if (f == F::BI) {
        m.OverallBeamHeight = m.BeamHeight;
        m.SteelPlateCount = 0;
        m.PrecastPartCount = 5;
        m.InfillPartCount = 0;
    } else if (f == F::HQ || f == F::CW) {
        m.RightLedgeHeight = m.LeftLedgeHeight;
        m.BottomFlangeThickness = m.LeftLedgeHeight;
    } else if (f == F::DE || f == F::AP || f == F::AB) {
        m.RightLedgeHeight = m.LeftLedgeHeight;
        if (f == F::AB) {
            m.WebHoleSpacing = 400;
            m.LowerHoleLength = 80;
            m.WebStripHeight = 20;
            m.LowerHoleSpacing = 1200;
        }
    } else if (f == F::LB) {
        m.OverallBeamHeight = m.BeamHeight + m.BottomFlangeThickness;
    } else if (f == F::SX) {
        m.RightLedgeHeight = m.LeftLedgeHeight;
        m.BoxPlateThickness = m.BottomFlangeThickness;
        m.OverallBeamHeight = m.BeamHeight + m.LeftLedgeHeight;
        m.SteelPlateCount = 4;
        m.PrecastPartCount = 1;
        m.InfillPartCount = 3;
    } else if (f == F::XX) {
        m.WebThickness = m.LeftLedgeHeight;
        m.BottomFlangeThickness = 0;
        m.SteelPlateCount = 6;
        m.PrecastPartCount = 1;
        m.InfillPartCount = 0;
    }
}

}  // namespace quorvel::inputfile
