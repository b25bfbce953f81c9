#include "dialogs/concrete-beams/frm_suorakaidepalkki.h"

#include <algorithm>

namespace quorvel::dialogs {

namespace {
constexpr BeamDialogLimits Limits{false, &ProjectModel::DowelsOnBeamTop, "Vaarnoitus palkin päällä"};
}  // namespace

FrmSuorakaidepalkki::FrmSuorakaidepalkki(ProjectModel& m, platform::Platform& p)
    : ReinforcedBeamDialog(m, p, "FrmSuorakaidepalkki", "Suorakaideteräsbetonipalkki", Limits) {
    // The beam's section: the width box above it, the height box beside it.
    addSketch({{1740, 1020}, {3240, 1020}, {3240, 2700}, {1740, 2700}});
    txtLeveys.setPlace({2190, 660, 615, 285});
    txtKorkeus.setPlace({1020, 1700, 615, 285});

    addRule(txtKorkeus, [this] {
        // The rows shown, 20 mm under the top, or 580.
        const double minimum = tableLimit(txtKorkeus).range.minimum;
        const float need = std::max(static_cast<float>(minimum), largestRowDistance() + 20.0f);
        const Value own = ownDefault(&ProjectModel::OverallBeamHeight, 580);
        return Bounds{tableBound(minimum), std::nullopt, need > own ? Value(need) : own};
    });
    addRule(txtLeveys, [this] {
        const ProjectModel& md = model();
        float w;
        if (middleBeam())
            w = static_cast<float>(md.JointGroutWidth(1) + md.SlabSupportLength(1) + md.SlabSupportLength(2) +
                                   md.JointGroutWidth(2));
        else
            w = static_cast<float>(2 * (md.SlabSupportLength(2) + md.JointGroutWidth(2) - md.BeamWidth / 2));
        const model::NumberRange& r = tableLimit(txtLeveys).range;
        w = std::max(w, static_cast<float>(r.minimum));
        const Value own = ownDefault(&ProjectModel::BeamWidth, 380);
        return Bounds{tableBound(r.minimum), tableBound(r.maximum), w > own ? Value(w) : own};
    });
    watchEdits();
}

float FrmSuorakaidepalkki::seatWidth() const {
    const ProjectModel& m = model();
    if (middleBeam())
        return static_cast<float>(m.JointGroutWidth(1) + m.SlabSupportLength(1) + m.JointGroutWidth(2) +
                                  m.SlabSupportLength(2));
    return static_cast<float>(m.SlabSupportLength(2) + m.JointGroutWidth(2));
}

void FrmSuorakaidepalkki::CheckRectangularBeamGeometry(std::string& message, int16_t& conflict) {
    message.clear();
    const float width = number(txtLeveys);
    if (width < seatWidth()) message += contradiction(app::Contradiction::WidthGroutsSupports);
    fillSpacingTable();
    if (width > smallestSpacing()) message += contradiction(app::Contradiction::WidthSpacings);
    if (number(txtKorkeus) < largestRowDistance() + 30.0f)
        message += contradiction(app::Contradiction::HeightRebars);
    conflict = message.empty() ? 0 : 1;
}

void FrmSuorakaidepalkki::writeModel() {
    ProjectModel& m = model();
    const double w0 = m.BeamWidth;
    writeShared();
    // On an edge beam the right joint grout moves with half the change of
    // width, as the edge beam's joint grout counts from the beam's middle.
    if (!middleBeam()) m.JointGroutWidth(2) = Value(m.JointGroutWidth(2) - w0 * 0.5 + m.BeamWidth * 0.5);
}

}  // namespace quorvel::dialogs
