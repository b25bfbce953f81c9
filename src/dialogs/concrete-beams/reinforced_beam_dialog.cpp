#include "dialogs/concrete-beams/reinforced_beam_dialog.h"

namespace quorvel::dialogs {

namespace {
constexpr int RightColumn = 4800;
constexpr RowEditorNames MainRowNames{"txtRiviLkm", "vsbRiviLkm", "txtRiviNo", "vsbRiviNo", "ffraRaudoite",
                                      "txtRaudLkm", "txtRaudA",   "txtRaud_et_ap", "txtEsijannitys"};
// The steel rows under the row editor.
constexpr int SteelTop = 240 + 720 + 1740 + 180;
}  // namespace

ReinforcedBeamDialog::ReinforcedBeamDialog(ProjectModel& m, platform::Platform& p, const std::string& name,
                                           const std::string& caption, const BeamDialogLimits& limits)
    : BeamDialog(m, p, name, caption, 9300, 4920, limits),
      Label1(*this, "Label1", {240, 270, 1200, 255}, "Betoni     C"),
      cboBetoni(*this, "cboBetoni", {1440, 240, 855, 315}),
      flblPintaluokka(*this, "flblPintaluokka", {2355, 270, 150, 255}, "-"),
      cboLuokka(*this, "cboLuokka", {2520, 240, 615, 315}, platform::ComboStyle::DropDownList),
      txtKorkeus(*this, "txtKorkeus", {}),
      txtLeveys(*this, "txtLeveys", {}),
      rows(*this, nullptr, RightColumn, 240, MainRowNames),
      lblRaud_kimmo(*this, "lblRaud_kimmo", {RightColumn, SteelTop + 30, 2400, 255}, "Teräksen kimmokerroin"),
      txtRaud_kimmo(*this, "txtRaud_kimmo", {RightColumn + 2400, SteelTop, 855, 285}),
      lblRaud_kimmoUnit(*this, "lblRaud_kimmoUnit", {RightColumn + 3315, SteelTop + 30, 600, 255}, "MPa"),
      lblRaud_lujuus(*this, "lblRaud_lujuus", {RightColumn, SteelTop + 390, 2400, 255}, BarOrStrandStrengthCaption),
      txtRaud_lujuus(*this, "txtRaud_lujuus", {RightColumn + 2400, SteelTop + 360, 855, 285}),
      lblRaud_lujuusUnit(*this, "lblRaud_lujuusUnit", {RightColumn + 3315, SteelTop + 390, 600, 255}, "MPa") {
    placeSpanAndSpacings(240, 3360);
    chkVaarnoitus.setPlace({RightColumn, SteelTop + 840, 3600, 255});
    placeButtons(6000, 4320);

    rows.setRules({.barsDefault = [](int row) { return Value(int16_t(10 / std::max(row, 1))); },
                   .areaDefault = 93,
                   .distanceDefault = [](double d, int row) { return static_cast<float>(30 + 2 * d * (row - 1)); },
                   .prestressDefault = 1000});
    tableRule(cboBetoni, &ProjectModel::BeamConcreteClass);
    cboLuokka.onClick = [this] { cboLuokka_Click(); };
    // The window serves bars (SUORA, BLEUKA) and strands (JALO).
    tableRule(txtRaud_kimmo, &ProjectModel::ReinforcementModulus);
    tableRule(txtRaud_lujuus, &ProjectModel::ReinforcementStrength);
}

// A class different from the model's marks the dialog changed (so does any
// choice, through the edit watch of the frame).
void ReinforcedBeamDialog::cboLuokka_Click() {
    if (static_cast<int>(number(cboLuokka)) != static_cast<int>(model().ConcreteQualityClass(1).number()))
        markChanged();
}

void ReinforcedBeamDialog::loadShared() {
    ProjectModel& m = model();
    fillStrengthCombo(cboBetoni, {"40", "50", "60"}, m.BeamConcreteClass);
    fillClassCombo(cboLuokka, m.ConcreteQualityClass(1));
    rows.load(m, MainRowGroup);
    txtKorkeus.setText(shown(m.OverallBeamHeight));
    txtLeveys.setText(shown(m.BeamWidth));
    txtRaud_kimmo.setText(shown(m.ReinforcementModulus));
    txtRaud_lujuus.setText(shown(m.ReinforcementStrength));
}

void ReinforcedBeamDialog::writeShared() {
    ProjectModel& m = model();
    m.BeamConcreteClass = Value(number(cboBetoni));
    m.ConcreteQualityClass(1) = Value(number(cboLuokka));
    rows.write(m, MainRowGroup);
    m.OverallBeamHeight = Value(number(txtKorkeus));
    m.BeamWidth = Value(number(txtLeveys));
    m.ReinforcementModulus = Value(number(txtRaud_kimmo));
    m.ReinforcementStrength = Value(number(txtRaud_lujuus));
}

}  // namespace quorvel::dialogs
