#include "dialogs/concrete-beams/frm_kvatropalkki.h"

#include <cmath>
#include <limits>

namespace quorvel::dialogs {

namespace {
constexpr BeamDialogLimits Limits{false, &ProjectModel::DowelledConnection,
                                  "Vaarnoitus laippojen päällä"};
constexpr int RightColumn = 4800;

// The area of a bar of diameter d, held to the single range.
double barArea(double d) {
    return std::min(FixedRowPi * (d / 2) * (d / 2), static_cast<double>(std::numeric_limits<float>::max()));
}
}  // namespace

frmKvatropalkki::frmKvatropalkki(ProjectModel& m, platform::Platform& p)
    : BeamDialog(m, p, "frmKvatropalkki", "Kvatropalkki", 9300, 5880, Limits),
      Label1(*this, "Label1", {240, 270, 1200, 255}, "Betoni     C"),
      cboTayttobetoni(*this, "cboTayttobetoni", {1440, 240, 855, 315}),
      flblPintaluokka(*this, "flblPintaluokka", {2355, 270, 150, 255}, "-"),
      cboTayttoluokka(*this, "cboTayttoluokka", {2520, 240, 615, 315}, platform::ComboStyle::DropDownList),
      txth(*this, "txth", {840, 1700, 615, 285}),
      txttw(*this, "txttw", {1680, 1200, 615, 285}),
      txthfala(*this, "txthfala", {4020, 2640, 615, 285}),
      txtUala(*this, "txtUala", {2100, 2280, 855, 285}),
      txtVasenlaippa(*this, "txtVasenlaippa", {900, 2940, 615, 285}),
      txtOikealaippa(*this, "txtOikealaippa", {3285, 2940, 615, 285}),
      txtAla(*this, "txtAla", {2100, 660, 615, 285}),
      txthleuka(*this, "txthleuka", {2100, 660, 615, 285}, "6"),
      txthfYla(*this, "txthfYla", {2100, 660, 615, 285}, "20"),
      ffraRaudoite0(*this, "ffraRaudoite", {RightColumn, 120, 4260, 1740}),
      lblAlaRaudoite(*this, "lblAlaRaudoite", {120, 240, 4020, 255}, "Alareunan raudoite", &ffraRaudoite0),
      txtAlaRaudLkm(*this, "txtAlaRaudLkm", {}, &ffraRaudoite0),
      txtAlaRaudA(*this, "txtAlaRaudA", {}, &ffraRaudoite0),
      txtAlaRaudDist(*this, "txtAlaRaudDist", {}, &ffraRaudoite0),
      ffraRaudoite1(*this, "ffraRaudoite", {RightColumn, 1980, 4260, 1740}),
      lblYlaRaudoite(*this, "lblYlaRaudoite", {120, 240, 4020, 255}, "Yläreunan raudoite", &ffraRaudoite1),
      txtYlaRaudLkm(*this, "txtYlaRaudLkm", {}, &ffraRaudoite1),
      txtYlaRaudA(*this, "txtYlaRaudA", {}, &ffraRaudoite1),
      txtYlaRaudDist(*this, "txtYlaRaudDist", {}, &ffraRaudoite1),
      txtTeraslujuus(*this, "txtTeraslujuus", {}),
      txtRaud_kimmo(*this, "txtRaud_kimmo", {}),
      txtRaud_lujuus(*this, "txtRaud_lujuus", {}) {
    ffraRaudoite0.setIndex(0);
    ffraRaudoite1.setIndex(1);
    // The section: the bottom plate reaching beyond the two webs; the
    // height beside the left web, the web thickness and the plate's width
    // between the webs inside, the ledges under the plate's ends.
    addSketch({{900, 2700}, {3900, 2700}, {3900, 2820}, {900, 2820}});
    addSketch({{1560, 2700}, {1560, 1140}, {1620, 1140}, {1620, 2700}}, false);
    addSketch({{3180, 2700}, {3180, 1140}, {3240, 1140}, {3240, 2700}}, false);
    for (platform::TextBox* hidden : {&txtAla, &txthleuka, &txthfYla}) hidden->setVisible(false);
    placeBarRow(txtAlaRaudLkm, txtAlaRaudA, txtAlaRaudDist);
    placeBarRow(txtYlaRaudLkm, txtYlaRaudA, txtYlaRaudDist);
    placeLabelled(txtTeraslujuus, 240, 3360, 2040, "Teräsrakenteen lujuus", "MPa");
    placeLabelled(txtRaud_kimmo, RightColumn, 3840, 2400, "Teräksen kimmokerroin", "MPa");
    placeLabelled(txtRaud_lujuus, RightColumn, 4200, 2400, BarOrStrandStrengthCaption, "MPa");
    placeSpanAndSpacings(240, 3840);
    chkVaarnoitus.setPlace({RightColumn, 4680, 3600, 255});
    placeButtons(6000, 5280);

    tableRule(cboTayttobetoni);
    addRule(txth, [this] {
        // The thicker slab of the sides in use, at least 200.
        const ProjectModel& md = model();
        const float left = slabThickness(md, md.SlabTypeName(1)).value_or(0.0f);
        const float right = slabThickness(md, md.SlabTypeName(2)).value_or(0.0f);
        const float h = middleBeam() && left > right ? left : right;
        return Bounds{tableBound(tableLimit(txth).range.minimum), std::nullopt, h < 200.0f ? Value(200) : Value(h)};
    });
    for (platform::TextBox* box : {&txttw, &txthfala, &txtUala}) tableRule(*box);
    for (int side : {1, 2}) {
        addRule(side == 1 ? txtVasenlaippa : txtOikealaippa, [this, side] {
            const ProjectModel& md = model();
            const float seat = side == 1 && !middleBeam()
                                   ? 0.0f
                                   : static_cast<float>(md.JointGroutWidth(side) + md.SlabSupportLength(side));
            const Value own =
                ownDefault(side == 1 ? &ProjectModel::LeftLedgeWidth : &ProjectModel::RightLedgeWidth, 100);
            return Bounds{0, std::nullopt, seat > own ? Value(seat) : own};
        });
    }
    for (platform::TextBox* box : {&txtAlaRaudLkm, &txtYlaRaudLkm, &txtAlaRaudA, &txtYlaRaudA}) tableRule(*box);
    // The bottom row at least 16 mm under the top row, the top row at least
    // 32 mm over the bottom row and 16 mm under the top face; an emptied
    // box counts with the value the model holds.
    addRule(txtAlaRaudDist, [this] {
        const model::BoxLimit& row = tableLimit(txtAlaRaudDist);
        return Bounds{tableBound(row.range.minimum),
                      Value(numberOr(txtYlaRaudDist, model().BarDistanceFromBottom(2)) - 16.0f),
                      tableBound(*row.defaultValue)};
    });
    addRule(txtYlaRaudDist, [this] {
        const ProjectModel& md = model();
        return Bounds{Value(numberOr(txtAlaRaudDist, md.BarDistanceFromBottom(1)) + 32.0f),
                      Value(numberOr(txth, md.BeamHeight) - 16.0f), tableBound(*tableLimit(txtYlaRaudDist).defaultValue)};
    });
    tableRule(txtTeraslujuus, &ProjectModel::SteelStrength);
    tableRule(txtRaud_kimmo, &ProjectModel::ReinforcementModulus);
    tableRule(txtRaud_lujuus, &ProjectModel::ReinforcementStrength);
    watchEdits();
}

void frmKvatropalkki::placeBarRow(platform::TextBox& count, platform::TextBox& diameter,
                                  platform::TextBox& distance) {
    // Under the heading of the frame.
    placeLabelled(count, 120, 600, 2520, "Terästen lukumäärä rivillä");
    placeLabelled(diameter, 120, 960, 2520, "Yhden teräksen halkaisija", "mm");
    placeLabelled(distance, 120, 1320, 2520, "Terästen etäisyys alapinnasta", "mm");
}

float frmKvatropalkki::numberOr(const platform::TextBox& box, double stored) const {
    return box.text().empty() ? static_cast<float>(stored) : number(box);
}

float frmKvatropalkki::bottomWidth() const {
    return number(txtUala) + number(txtVasenlaippa) + number(txtOikealaippa) + number(txttw) + number(txttw);
}

void frmKvatropalkki::loadControls() {
    ProjectModel& m = model();
    // The beam concrete: the Kvatro section and the project file use the
    // beam concrete (kind 1), so these combos edit it.
    fillStrengthCombo(cboTayttobetoni, {"20", "30", "40"}, m.BeamConcreteClass);
    fillClassCombo(cboTayttoluokka, m.ConcreteQualityClass(1));
    // The diameter is worked out in double precision and shown to single
    // precision: the default area pi 16^2 shows as 32, not 32.0000000182827.
    auto diameter = [](double area) { return Value(static_cast<float>(barDiameter(area, FixedRowPi))); };
    txtYlaRaudLkm.setText(shown(Value(m.BarsInRow(2))));
    txtYlaRaudA.setText(shown(diameter(m.BarArea(2))));
    txtYlaRaudDist.setText(shown(m.BarDistanceFromBottom(2)));
    txtAlaRaudLkm.setText(shown(Value(m.BarsInRow(1))));
    txtAlaRaudA.setText(shown(diameter(m.BarArea(1))));
    txtAlaRaudDist.setText(shown(m.BarDistanceFromBottom(1)));
    txth.setText(shown(m.BeamHeight));
    txttw.setText(shown(m.WebThickness));
    txthfala.setText(shown(m.BottomFlangeThickness));
    txtAla.setText(shown(m.BottomFlangeWidth));
    txtUala.setText(shown(Value(static_cast<float>(m.BottomFlangeWidth - m.LeftLedgeWidth - m.RightLedgeWidth -
                                                  m.WebThickness - m.WebThickness))));
    txtVasenlaippa.setText(shown(m.LeftLedgeWidth));
    txtOikealaippa.setText(shown(m.RightLedgeWidth));
    txtTeraslujuus.setText(shown(m.SteelStrength));
    txtRaud_kimmo.setText(shown(m.ReinforcementModulus));
    txtRaud_lujuus.setText(shown(m.ReinforcementStrength));
    chkVaarnoitus.setEnabled(true);
}

// The window always shows two bar rows: a model with another row count
// (the type's defaults count one row though both are filled) is saved with
// two by the next OK, whatever else was edited.
void frmKvatropalkki::afterLoad() {
    if (model().ReinforcementRowCount != 2) markChanged();
}

void frmKvatropalkki::CheckKvatroFormInput(std::string& message, int16_t& conflict) {
    message.clear();
    const ProjectModel& m = model();
    if ((middleBeam() && number(txtVasenlaippa) < m.JointGroutWidth(1) + m.SlabSupportLength(1)) ||
        number(txtOikealaippa) < m.JointGroutWidth(2) + m.SlabSupportLength(2))
        message += contradiction(app::Contradiction::LedgeGroutSupport);
    fillSpacingTable();
    if (bottomWidth() > smallestSpacing()) message += contradiction(app::Contradiction::WidthSpacings);
    if (number(txth) - 20 < number(txtYlaRaudDist)) message += contradiction(app::Contradiction::HeightRebars);
    conflict = message.empty() ? 0 : 1;
}

void frmKvatropalkki::writeModel() {
    ProjectModel& m = model();
    m.BeamConcreteClass = Value(number(cboTayttobetoni));
    m.ConcreteQualityClass(1) = Value(number(cboTayttoluokka));
    m.ReinforcementRowCount = 2;
    m.BarsInRow(1) = roundedCount(number(txtAlaRaudLkm));
    m.BarArea(1) = Value(barArea(number(txtAlaRaudA)));
    m.BarDistanceFromBottom(1) = Value(number(txtAlaRaudDist));
    m.BarsInRow(2) = roundedCount(number(txtYlaRaudLkm));
    m.BarArea(2) = Value(barArea(number(txtYlaRaudA)));
    m.BarDistanceFromBottom(2) = Value(number(txtYlaRaudDist));
    m.BeamHeight = Value(number(txth));
    m.WebThickness = Value(number(txttw));
    m.TopFlangeThickness = Value(int16_t{0});
    m.TopFlangeWidth = Value(int16_t{0});
    m.BottomFlangeThickness = Value(number(txthfala));
    m.BottomFlangeWidth = Value(bottomWidth());
    m.LeftLedgeWidth = Value(number(txtVasenlaippa));
    m.RightLedgeWidth = Value(number(txtOikealaippa));
    m.SteelStrength = Value(number(txtTeraslujuus));
    m.ReinforcementModulus = Value(number(txtRaud_kimmo));
    m.ReinforcementStrength = Value(number(txtRaud_lujuus));
}

}  // namespace quorvel::dialogs
