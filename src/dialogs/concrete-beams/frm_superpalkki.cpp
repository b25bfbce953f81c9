#include "dialogs/concrete-beams/frm_superpalkki.h"

namespace quorvel::dialogs {

namespace {
constexpr BeamDialogLimits Limits{true, &ProjectModel::DowelledConnection, "Vaarnoitus uumassa"};
constexpr PrestressedBeamDialog::Texts SuperTexts{"Kulmateräkseen hitsatut harjateräkset",
                                                  "Terästen etäisyys alapinnasta",
                                                  platform::ComboStyle::DropDownCombo, 3};
}  // namespace

FrmSuperpalkki::FrmSuperpalkki(ProjectModel& m, platform::Platform& p)
    : PrestressedBeamDialog(m, p, "FrmSuperpalkki", "Superpalkki", Limits, SuperTexts),
      cbobwbeam(*this, "cbobwbeam", {2010, 3000, 855, 315}),
      cbohkulma(*this, "cbohkulma", {3120, 3000, 780, 315}),
      cbobyla(*this, "cbobyla", {3120, 3400, 780, 315}),
      txtBYla(*this, "txtBYla", {2100, 660, 615, 285}),
      txthfYla(*this, "txthfYla", {3120, 900, 615, 285}) {
    // The section: web and top flange on the steel plate, an angle steel at
    // each bottom edge; the top flange's width above it and thickness beside
    // it, the height left of the web, the angle size and the web width under
    // it, the plate thickness at its end.
    addSketch({{2100, 1020}, {2700, 1020}, {2700, 1140}, {3000, 1140}, {3000, 2700}, {1800, 2700}, {1800, 1140},
               {2100, 1140}});
    addSketch({{900, 2700}, {3900, 2700}, {3900, 2880}, {900, 2880}});
    addSketch({{1020, 2400}, {1020, 2580}, {1800, 2580}}, false);
    addSketch({{3780, 2400}, {3780, 2580}, {3000, 2580}}, false);
    cboh.setPlace({900, 1700, 780, 315});
    txthfala.setPlace({4020, 2640, 615, 285});
    cboLaippa1.setPlace({840, 3000, 780, 315});
    // Kept hidden: mirrors and labels of the layout that no one edits.
    cboBala.setPlace({3120, 3800, 780, 315});
    txtBwbeam.setPlace({3240, 660, 615, 255});
    txtLaippa2.setPlace({3960, 3030, 615, 255});
    cbobyla.setText("50");
    for (platform::Control* c : std::initializer_list<platform::Control*>{&cbohkulma, &cbobyla, &cboBala, &txtBwbeam,
                                                                          &txtLaippa2, &chkVaarnoitus})
        c->setVisible(false);
    // The strand count comes from the project file; only the rows' fields
    // are edited here. The bar rows are at most two.
    txtJanneRiviLkm.setEnabled(false);
    vsbRiviLkm.setEnabled(false);

    cboLaippa1.onChange = cboLaippa1.onClick = [this] { cboLaippa1_Change(); };
    for (platform::Control* box : std::initializer_list<platform::Control*>{&cbobwbeam, &cboh, &cboLaippa1, &txtBYla,
                                                                            &txthfYla})
        tableRule(*box);
    watchEdits();
}

// The one angle size gives the angle steel and both ledges; the hidden
// mirror follows it.
void FrmSuperpalkki::cboLaippa1_Change() {
    markChanged();
    cbohkulma.setText(shown(Value(number(cboLaippa1))));
}

void FrmSuperpalkki::loadControls() {
    ProjectModel& m = model();
    loadShared();
    cbobwbeam.clear();
    cbobwbeam.setText(shown(m.BeamWidth));
    cbobwbeam.addItem("600");
    // The angle size opens at the stored size (another size is added to
    // the list), so that OK never replaces a stored 120 by 110.
    const Value angle(static_cast<float>(m.AngleSteelHeight.number()));
    cbohkulma.clear();
    for (const char* item : {"90", "110", "120"}) cbohkulma.addItem(item);
    selectOrAppend(cbohkulma, angle);
    cboh.clear();
    for (const char* item : {"180", "240", "300", "380"}) cboh.addItem(item);
    cboh.setText(shown(m.BeamHeight));
    txtBYla.setText(shown(m.TopFlangeWidth));
    txthfYla.setText(shown(m.TopFlangeThickness));
    cboLaippa1.clear();
    for (const char* item : {"90", "110", "120"}) cboLaippa1.addItem(item);
    selectOrAppend(cboLaippa1, angle);
    cboBala.clear();
    if (!middleBeam()) {
        for (const char* item : {"780", "820", "840"}) cboBala.addItem(item);
        cboBala.setText(shown(Value(static_cast<float>(m.BeamWidth + m.LeftLedgeWidth + m.RightLedgeWidth))));
        txtLaippa2.setCaption(shown(m.RightLedgeWidth));
    }
    txtBwbeam.setCaption(shown(m.BeamWidth));
    cbobwbeam.setText(shown(m.BeamWidth));
    chkVaarnoitus.setEnabled(false);
}

void FrmSuperpalkki::CheckSuperFormInput(std::string& message, int16_t& conflict) {
    message.clear();
    const ProjectModel& m = model();
    const float angle = number(cboLaippa1);
    const float seat = angle - number(txthfala);
    if (m.JointGroutWidth(2) + m.SlabSupportLength(2) > seat ||
        (middleBeam() && m.JointGroutWidth(1) + m.SlabSupportLength(1) > seat))
        message += contradiction(app::Contradiction::LedgeGroutSupport);
    fillSpacingTable();
    if (number(cbobwbeam) + 2 * angle > smallestSpacing()) message += contradiction(app::Contradiction::WidthSpacings);
    // The rows the window shows, measured against the angle size.
    if (angle - 20 < strands.largestDistance()) message += contradiction(app::Contradiction::HeightStrands);
    if (angle - 20 < topRows.largestDistance()) message += contradiction(app::Contradiction::HeightRebars);
    checkSlabLevel(number(cboh) + 20.0, message);
    conflict = message.empty() ? 0 : 1;
}

void FrmSuperpalkki::writeModel() {
    ProjectModel& m = model();
    writeShared();
    m.BeamWidth = Value(number(cbobwbeam));
    m.BeamHeight = Value(number(cboh));
    m.TopFlangeThickness = Value(number(txthfYla));
    m.LeftLedgeWidth = Value(number(cboLaippa1));
    m.RightLedgeWidth = Value(number(cboLaippa1));
    m.AngleSteelHeight = Value(number(cboLaippa1));
    m.BottomFlangeWidth = Value(static_cast<float>(m.BeamWidth + m.LeftLedgeWidth + m.RightLedgeWidth));
    m.TopFlangeWidth = Value(number(txtBYla));
}

}  // namespace quorvel::dialogs
