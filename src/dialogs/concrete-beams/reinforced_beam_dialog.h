#pragma once
// The part that the rectangular and the ledge beam dialogs share: the beam
// concrete (strength and class combos), the height and width boxes on the
// figure, the main reinforcement row editor and its steel.

#include "dialogs/concrete-beams/beam_dialog.h"

namespace quorvel::dialogs {

class ReinforcedBeamDialog : public BeamDialog {
public:
    platform::Label Label1;
    platform::ComboBox cboBetoni;
    platform::Label flblPintaluokka;
    platform::ComboBox cboLuokka;
    platform::TextBox txtKorkeus;
    platform::TextBox txtLeveys;
    RowEditor rows;
    platform::TextBox& txtRiviLkm = rows.count;
    platform::VScrollBar& vsbRiviLkm = rows.countBar;
    platform::TextBox& txtRiviNo = rows.number;
    platform::VScrollBar& vsbRiviNo = rows.numberBar;
    platform::Frame& ffraRaudoite = rows.frame;
    platform::TextBox& txtRaudLkm = rows.bars;
    platform::TextBox& txtRaudA = rows.area;
    platform::TextBox& txtRaud_et_ap = rows.distance;
    platform::TextBox& txtEsijannitys = *rows.prestress;
    platform::Label lblRaud_kimmo;
    platform::TextBox txtRaud_kimmo;
    platform::Label lblRaud_kimmoUnit;
    platform::Label lblRaud_lujuus;
    platform::TextBox txtRaud_lujuus;
    platform::Label lblRaud_lujuusUnit;

protected:
    ReinforcedBeamDialog(ProjectModel& m, platform::Platform& p, const std::string& name,
                         const std::string& caption, const BeamDialogLimits& limits);

    // Combos, rows, height, width and steel from the model.
    void loadShared();
    // Concrete, rows and steel into the model.
    void writeShared();
    // The largest row distance of the rows the window shows.
    float largestRowDistance() const { return rows.largestDistance(); }

private:
    void cboLuokka_Click();
};

}  // namespace quorvel::dialogs
