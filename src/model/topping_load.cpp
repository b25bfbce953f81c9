#include "model/topping_load.h"

namespace quorvel::model {

namespace {

// Thickness of the catalogue type named name (exact name; the last record
// of that name counts; 0 when none has it).
float catalogueThickness(const ProjectModel& m, const std::string& name) {
    float thickness = 0.0f;
    for (const SlabTypeRecord& record : m.SlabCatalogue)
        if (record.Name == name) thickness = record.Thickness;
    return thickness;
}

}  // namespace

void ComputeToppingLoad(ProjectModel& m) {
    // Ledge beams carry the two slab fields at their own ledge levels.
    double ledgeDifference = 0.0;
    if (m.BeamTypeName == "JALO" || m.BeamTypeName == "BLEUKA")
        ledgeDifference = m.LeftLedgeHeight - m.RightLedgeHeight;

    // Height of the left slab top above the right one, mm (single precision).
    float d = static_cast<float>((m.SlabBottomGap(1) + ledgeDifference) - m.SlabBottomGap(2));
    const float leftThickness = catalogueThickness(m, m.SlabTypeName(1));
    const float rightThickness = catalogueThickness(m, m.SlabTypeName(2));
    d = static_cast<float>(d + leftThickness - rightThickness);

    const double topping = 0.025 * m.ToppingThickness;  // kN/m² for a thickness in mm
    m.ToppingLoad(1) = topping;
    m.ToppingLoad(2) = topping;
    if (d >= 0)
        m.ToppingLoad(2) = m.ToppingLoad(2) + 0.025 * d;  // the right side is lower
    else
        m.ToppingLoad(1) = m.ToppingLoad(1) - 0.025 * d;  // the left side is lower

    if (m.IsMiddleBeam == 0) {  // edge beam: slabs on the right only, no step
        m.ToppingLoad(1) = 0;
        m.ToppingLoad(2) = 0.025 * m.ToppingThickness;
    }
}

}  // namespace quorvel::model
