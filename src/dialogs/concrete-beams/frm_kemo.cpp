#include "dialogs/concrete-beams/frm_kemo.h"

#include <cmath>

namespace quorvel::dialogs {

namespace {
constexpr BeamDialogLimits Limits{true, &ProjectModel::DowelledConnection, "Vaarnoitus uumassa"};
constexpr PrestressedBeamDialog::Texts KemoTexts{"Yläpinnan raudoitteet", "Terästen etäisyys yläpinnasta",
                                             platform::ComboStyle::DropDownList, 11};
}  // namespace

FrmKemo::FrmKemo(ProjectModel& m, platform::Platform& p)
    : PrestressedBeamDialog(m, p, "FrmKemo", "KemoBeam", Limits, KemoTexts) {
    // The section: the concrete web on the steel plate, whose ledges carry
    // the slabs; the web width above it, the height beside it, the plate
    // thickness at its end, the ledges and the width between them under it.
    addSketch({{1800, 1020}, {3000, 1020}, {3000, 2700}, {1800, 2700}});
    addSketch({{900, 2700}, {3900, 2700}, {3900, 2880}, {900, 2880}});
    txtBwbeam.setPlace({2100, 660, 615, 255});
    cboh.setPlace({900, 1700, 780, 315});
    txthfala.setPlace({4020, 2640, 615, 285});
    cboLaippa1.setPlace({840, 3000, 780, 315});
    cboBala.setPlace({1980, 3000, 855, 315});
    txtLaippa2.setPlace({3180, 3030, 615, 255});

    cboh.onChange = cboh.onClick = [this] { webWidthRule(); };
    cboBala.onChange = cboBala.onClick = [this] { webWidthRule(); };
    addRule(
        cboh,
        [this] {
            const model::NumberRange& r = tableLimit(cboh).range;
            return Bounds{tableBound(r.minimum), tableBound(r.maximum), defaultHeight()};
        },
        [this] { webWidthRule(); });
    tableRule(cboBala, [this] { webWidthRule(); });
    watchEdits();
}

void FrmKemo::webWidthRule() {
    const double t = std::trunc(3.0 * number(cboh) / 20.0 + 5.0);
    const double w = 10.0 * std::trunc(t / 10.0);
    txtBwbeam.setCaption(shown(Value(saturatedSingle(number(cboBala) - w))));
}

Value FrmKemo::defaultHeight() const {
    const ProjectModel& m = model();
    const auto left = slabThickness(m, m.SlabTypeName(1));
    const auto right = slabThickness(m, m.SlabTypeName(2));
    if (!left || !right) return 265;
    const float l = static_cast<float>(*left + m.SlabBottomGap(1));
    const float r = static_cast<float>(*right + m.SlabBottomGap(2));
    if (!middleBeam()) return r;
    return l > r ? l : r;
}

void FrmKemo::loadControls() {
    ProjectModel& m = model();
    loadShared();
    txtBwbeam.setCaption(shown(m.BeamWidth));
    cboh.clear();
    for (const char* item : {"200", "265", "320", "400"}) cboh.addItem(item);
    cboh.setText(shown(m.BeamHeight));
    // The ledge: 100 on a middle beam, 0 or 100 on an edge beam; a stored
    // width of another size is offered too and selected, so that OK does
    // not change it unasked.
    cboLaippa1.clear();
    if (!middleBeam()) cboLaippa1.addItem("0");
    cboLaippa1.addItem("100");
    selectOrAppend(cboLaippa1, Value(static_cast<float>(m.LeftLedgeWidth.number())));
    cboBala.clear();
    if (!middleBeam()) cboBala.addItem("380");
    cboBala.addItem("480");
    cboBala.addItem("580");
    cboBala.setText(shown(Value(saturatedSingle(m.BottomFlangeWidth - m.LeftLedgeWidth - m.RightLedgeWidth))));
    txtLaippa2.setCaption(shown(m.RightLedgeWidth));
    txtBwbeam.setCaption(shown(m.BeamWidth));  // filling the combos ran the web-width rule
    chkVaarnoitus.setEnabled(false);
}

void FrmKemo::CheckKemoFormInput(std::string& message, int16_t& conflict) {
    message.clear();
    const ProjectModel& m = model();
    const float left = number(cboLaippa1);
    const float right = number(txtLaippa2);
    if ((middleBeam() && m.JointGroutWidth(1) + m.SlabSupportLength(1) > left) ||
        m.JointGroutWidth(2) + m.SlabSupportLength(2) > right)
        message += contradiction(app::Contradiction::LedgeGroutSupport);
    fillSpacingTable();
    if (number(cboBala) + left + right > smallestSpacing()) message += contradiction(app::Contradiction::WidthSpacings);
    const float h = number(cboh);
    if (h + number(txthfala) - 20 < strands.largestDistance())
        message += contradiction(app::Contradiction::HeightStrands);
    if (h - 20 < topRows.largestDistance()) message += contradiction(app::Contradiction::HeightTopRebars);
    checkSlabLevel(h, message);
    conflict = message.empty() ? 0 : 1;
}

void FrmKemo::writeModel() {
    ProjectModel& m = model();
    writeShared();
    m.BeamWidth = Value(number(txtBwbeam));
    m.BeamHeight = Value(number(cboh));
    m.LeftLedgeWidth = Value(number(cboLaippa1));
    m.RightLedgeWidth = Value(number(txtLaippa2));
    m.BottomFlangeWidth = Value(static_cast<float>(m.LeftLedgeWidth + number(cboBala) + m.RightLedgeWidth));
    // The top rows' level from the bottom face, as the section model reads it.
    for (int r = 1; r <= 10; ++r)
        m.TopBarDistanceFromBottom(r) =
            Value(static_cast<float>(m.BeamHeight + m.BottomFlangeThickness - m.TopBarDistanceFromTop(r)));
}

}  // namespace quorvel::dialogs
