#include "dialogs/concrete-beams/frm_bleukapalkki.h"

#include <algorithm>

#include "app/geometry_checks.h"
#include "app/language.h"

namespace quorvel::dialogs {

namespace {
constexpr BeamDialogLimits Limits{false, &ProjectModel::DowelledConnection, "Vaarnoitus uumassa"};
// The language entry of the strength box's caption on a JALO beam.
constexpr const char* StrandStrengthKey = "lblRaud_lujuusJalo";
}  // namespace

frmBLeukapalkki::frmBLeukapalkki(ProjectModel& m, platform::Platform& p)
    : ReinforcedBeamDialog(m, p, "frmBLeukapalkki", "Leukapalkki/Jalopalkki - teräsbetonia", Limits),
      txtVasenLeuankorkeus(*this, "txtVasenLeuankorkeus", {360, 2250, 615, 285}),
      txtOikeaLeuankorkeus(*this, "txtOikeaLeuankorkeus", {3660, 2250, 615, 285}),
      txtVasenleuka(*this, "txtVasenleuka", {1260, 2820, 615, 285}),
      txtOikealeuka(*this, "txtOikealeuka", {2880, 2820, 615, 285}) {
    // The section: the web standing on the two ledges; the web width above
    // it, the height beside the web, the ledge heights beside the ledges and
    // the ledge projections under them.
    addSketch({{2040, 1020}, {2640, 1020}, {2640, 2100}, {3540, 2100}, {3540, 2700}, {1140, 2700}, {1140, 2100},
               {2040, 2100}});
    txtLeveys.setPlace({2040, 660, 615, 285});
    txtKorkeus.setPlace({1320, 1500, 615, 285});
    // JALO's rows are strands, BLEUKA's bars: on a JALO beam the strength
    // box takes the strands' 0.1 % proof stress.
    if (strands()) lblRaud_lujuus.setCaption(StrandStrengthCaption);

    addRule(txtKorkeus, [this] {
        const float ledges = std::max(number(txtVasenLeuankorkeus), number(txtOikeaLeuankorkeus));
        const Value own = ownDefault(&ProjectModel::OverallBeamHeight, 580);
        return Bounds{tableBound(tableLimit(txtKorkeus).range.minimum), std::nullopt,
                      ledges > own ? Value(ledges) : own};
    });
    addRule(txtLeveys, [this] {
        // Without a left ledge the web may be as narrow as 130.
        return Bounds{number(txtVasenleuka) < 0.1f ? 130 : 180, std::nullopt,
                      ownDefault(&ProjectModel::BeamWidth, 380)};
    });
    tableRule(txtVasenLeuankorkeus, &ProjectModel::LeftLedgeHeight);
    tableRule(txtOikeaLeuankorkeus, &ProjectModel::RightLedgeHeight);
    for (int side : {1, 2}) {
        addRule(side == 1 ? txtVasenleuka : txtOikealeuka, [this, side] {
            const float seat = static_cast<float>(model().JointGroutWidth(side) + model().SlabSupportLength(side) + 35);
            const Value own =
                ownDefault(side == 1 ? &ProjectModel::LeftLedgeDepth : &ProjectModel::RightLedgeDepth, 150);
            return Bounds{0, std::nullopt, seat > own ? Value(seat) : own};
        });
    }
    watchEdits();
}

bool frmBLeukapalkki::strands() const { return model().Family() == model::BeamFamily::JA; }

void frmBLeukapalkki::loadControls() {
    loadShared();
    const ProjectModel& m = model();
    // The window's language gave the strength box the bars' caption; a JALO
    // beam's box has an entry of its own (the layout text without one).
    if (strands()) {
        const std::string own = app::GetLanguageText(platform(), m.LanguageIndex, name(), StrandStrengthKey);
        lblRaud_lujuus.setCaption(own.empty() ? StrandStrengthCaption : own);
    }
    // The box's row names it for bars or strands; a message about JALO's
    // box names it as its caption does, as the proof stress.
    txtRaud_lujuus.setAccessibleName(
        strands() ? app::byLanguage(m.LanguageIndex, model::StrandStrengthName, model::StrandStrengthEnglishName) : "");
    txtVasenLeuankorkeus.setText(shown(m.LeftLedgeHeight));
    txtOikeaLeuankorkeus.setText(shown(m.RightLedgeHeight));
    txtVasenleuka.setText(shown(m.LeftLedgeDepth));
    txtOikealeuka.setText(shown(m.RightLedgeDepth));
}

// The window's values as OK would write them, held to the ledge beam's
// check of the calculation and taken back: one rule for both.
void frmBLeukapalkki::CheckBLeukaFormInput(std::string& message, int16_t& conflict) {
    withTypedValues([&](const ProjectModel& m) {
        conflict = app::CheckLedgeBeamGeometry(m, 0, app::SlabBearingNeed(m, 1), app::SlabBearingNeed(m, 2), message);
    });
}

void frmBLeukapalkki::writeModel() {
    writeShared();
    ProjectModel& m = model();
    m.LeftLedgeHeight = Value(number(txtVasenLeuankorkeus));
    m.RightLedgeHeight = Value(number(txtOikeaLeuankorkeus));
    m.LeftLedgeDepth = Value(number(txtVasenleuka));
    m.RightLedgeDepth = Value(number(txtOikealeuka));
}

}  // namespace quorvel::dialogs
