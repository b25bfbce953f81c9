#include "dialogs/concrete-beams/prestressed_beam_dialog.h"

#include "app/geometry_checks.h"
#include "runtime/errors.h"

namespace quorvel::dialogs {

namespace {
constexpr RowEditorNames StrandNames{"txtJanneRiviLkm", "vsbRiviLkm",   "txtJanneRiviNo",
                                     "vsbRiviNo",       "ffraRaudoite", "txtJanneLkm",
                                     "txtJanneA",       "txtJanne_et_ap", "txtEsijannitys"};
constexpr RowEditorNames TopNames{"txtRaudRiviLkm", "vsbYRiviLkm", "txtRaudRiviNo",     "vsbYRiviNo", "ffraYRaudoite",
                                  "txt_ypRaudLkm",  "txt_ypRaudA", "txt_ypRaud_et_yp", nullptr};
constexpr int SteelLabelWidth = 2400;

float rounded(double x) { return static_cast<float>(runtime::roundHalfEven(x)); }
}  // namespace

PrestressedBeamDialog::PrestressedBeamDialog(ProjectModel& m, platform::Platform& p, const std::string& name,
                                             const std::string& caption, const BeamDialogLimits& limits,
                                             const Texts& texts)
    : BeamDialog(m, p, name, caption, 9780, 7500, limits),
      Label1(*this, "Label1", {240, 270, 1200, 255}, "Betoni     C"),
      cboBetoni(*this, "cboBetoni", {1440, 240, 855, 315}),
      fPintaluokka(*this, "fPintaluokka", {2355, 270, 400, 255}, "- 1"),
      cboh(*this, "cboh", {}),
      cboLaippa1(*this, "cboLaippa1", {}, texts.ledgeStyle),
      cboBala(*this, "cboBala", {}),
      txtLaippa2(*this, "txtLaippa2", {}),
      txtBwbeam(*this, "txtBwbeam", {}),
      txthfala(*this, "txthfala", {}),
      txtAlalaippaLujuus(*this, "txtAlalaippaLujuus", {}),
      Frame2(*this, "Frame2", {4920, 120, 4620, 3720}, "Jänneteräkset"),
      strands(*this, &Frame2, 180, 300, StrandNames, {.count = "Jänneteräsrivien määrä"}),
      txt_Janne_kimmo(*this, "txt_Janne_kimmo", {}, &Frame2),
      txt_Janne_lujuus(*this, "txt_Janne_lujuus", {}, &Frame2),
      Frame1(*this, "Frame1", {4920, 3960, 4620, 3300}, texts.topFrame),
      topRows(*this, &Frame1, 180, 300, TopNames,
              {.area = "Yhden teräksien pinta-ala", .distance = texts.topDistance}),
      txt_ypRaud_kimmo(*this, "txt_ypRaud_kimmo", {}, &Frame1),
      txt_ypRaud_lujuus(*this, "txt_ypRaud_lujuus", {}, &Frame1) {
    placeLabelled(txt_Janne_kimmo, 180, 2880, SteelLabelWidth, "Teräksen kimmokerroin", "MPa");
    placeLabelled(txt_Janne_lujuus, 180, 3240, SteelLabelWidth, StrandStrengthCaption, "MPa");
    placeLabelled(txt_ypRaud_kimmo, 180, 2520, SteelLabelWidth, "Teräksen kimmokerroin", "MPa");
    placeLabelled(txt_ypRaud_lujuus, 180, 2880, SteelLabelWidth, BarOrStrandStrengthCaption, "MPa");
    placeLabelled(txtAlalaippaLujuus, 240, 3600, 2040, "Alalaipan lujuus", "MPa");
    placeSpanAndSpacings(240, 4080);
    chkVaarnoitus.setPlace({240, 5280, 3600, 255});
    placeButtons(1200, 6840);

    // The default distance of an emptied strand row: 40 mm and two bar
    // diameters a row, but at most 15 mm and half a bar under the top of the
    // plate and beam; of a top row: 30 mm and two diameters a row, at most
    // 20 mm under the beam's top.
    strands.setRules({.barsDefault = [](int) { return Value(9); },
                      .areaDefault = 100,
                      .distanceDefault =
                          [this](double d, int row) {
                              float m = rounded(40 + 2 * d * (row - 1));
                              const float u = static_cast<float>(number(cboh) + number(txthfala) - 15 - d / 2);
                              if (u < m) m = rounded(u);
                              return m;
                          },
                      .prestressDefault = 1100});
    topRows.setRules({.barsDefault = [](int) { return Value(4); },
                      .areaDefault = 314,
                      .distanceDefault =
                          [this](double d, int row) {
                              float m = rounded(30 + 2 * d * (row - 1));
                              const float top = number(cboh) - 20;
                              if (top < m) m = top;
                              return m;
                          },
                      .numberRuleNeedsCount = false,
                      .maxCount = texts.topRowLimit});
    tableRule(cboBetoni, &ProjectModel::BeamConcreteClass, [this] {
        if (number(cboBetoni) != model().BeamConcreteClass) markChanged();
    });
    tableRule(txthfala, &ProjectModel::BottomFlangeThickness, [this] { txthfala_Valid(); });
    const std::pair<platform::TextBox*, Value ProjectModel::*> materials[] = {
        {&txtAlalaippaLujuus, &ProjectModel::SteelStrength},
        {&txt_Janne_kimmo, &ProjectModel::ReinforcementModulus},
        {&txt_Janne_lujuus, &ProjectModel::ReinforcementStrength},
        {&txt_ypRaud_kimmo, &ProjectModel::TopRebarModulus},
        {&txt_ypRaud_lujuus, &ProjectModel::TopRebarStrength}};
    for (const auto& [box, field] : materials) tableRule(*box, field);
}

// A plate thinner than 8 mm is allowed, with a warning.
void PrestressedBeamDialog::txthfala_Valid() {
    if (number(txthfala) < 8.0f) platform().messageBox(app::GetMessageText(platform(), app::MsgThinBottomFlange, "Ei suosilella alle 8 mm vahvuista alalaippaa!"));
}

void PrestressedBeamDialog::loadShared() {
    ProjectModel& m = model();
    cboBetoni.clear();
    for (const char* item : {"60", "80", "100"}) cboBetoni.addItem(item);
    cboBetoni.setText(shown(m.BeamConcreteClass));
    txthfala.setText(shown(m.BottomFlangeThickness));
    txtAlalaippaLujuus.setText(shown(m.SteelStrength));
    topRows.load(m, TopRowGroup);
    txt_ypRaud_kimmo.setText(shown(m.TopRebarModulus));
    txt_ypRaud_lujuus.setText(shown(m.TopRebarStrength));
    strands.load(m, MainRowGroup);
    txt_Janne_kimmo.setText(shown(m.ReinforcementModulus));
    txt_Janne_lujuus.setText(shown(m.ReinforcementStrength));
}

void PrestressedBeamDialog::writeShared() {
    ProjectModel& m = model();
    m.BeamConcreteClass = Value(number(cboBetoni));
    m.ConcreteQualityClass(1) = Value(int16_t{1});
    m.BottomFlangeThickness = Value(number(txthfala));
    m.SteelStrength = Value(number(txtAlalaippaLujuus));
    topRows.write(m, TopRowGroup);
    for (int r = 1; r <= 10; ++r) m.TopBarPrestress(r) = Value(int16_t{0});
    m.TopRebarModulus = Value(number(txt_ypRaud_kimmo));
    m.TopRebarStrength = Value(number(txt_ypRaud_lujuus));
    strands.write(m, MainRowGroup);
    m.ReinforcementModulus = Value(number(txt_Janne_kimmo));
    m.ReinforcementStrength = Value(number(txt_Janne_lujuus));
}

void PrestressedBeamDialog::checkSlabLevel(double beamLevel, std::string& message) const {
    if (app::SlabLevelMismatch(model(), beamLevel))
        message += contradiction(app::Contradiction::HeightSlabLevels);
}

}  // namespace quorvel::dialogs
