#pragma once
// The part that the LBL and the Super beam dialogs share: a prestressed
// beam on a steel bottom plate, with the beam concrete, the height combo,
// the plate (thickness with its thin-plate warning, yield strength), the
// ledge combo, the strand rows ("Jänneteräkset") and a second row group in
// its own frame, each with its steel.

#include "dialogs/concrete-beams/beam_dialog.h"

namespace quorvel::dialogs {

class PrestressedBeamDialog : public BeamDialog {
public:
    platform::Label Label1;
    platform::ComboBox cboBetoni;
    platform::Label fPintaluokka;
    platform::ComboBox cboh;
    platform::ComboBox cboLaippa1;
    platform::ComboBox cboBala;
    platform::Label txtLaippa2;
    platform::Label txtBwbeam;
    platform::TextBox txthfala;
    platform::TextBox txtAlalaippaLujuus;

    platform::Frame Frame2;
    RowEditor strands;
    platform::TextBox& txtJanneRiviLkm = strands.count;
    platform::VScrollBar& vsbRiviLkm = strands.countBar;
    platform::TextBox& txtJanneRiviNo = strands.number;
    platform::VScrollBar& vsbRiviNo = strands.numberBar;
    platform::Frame& ffraRaudoite = strands.frame;
    platform::TextBox& txtJanneLkm = strands.bars;
    platform::TextBox& txtJanneA = strands.area;
    platform::TextBox& txtJanne_et_ap = strands.distance;
    platform::TextBox& txtEsijannitys = *strands.prestress;
    platform::TextBox txt_Janne_kimmo;
    platform::TextBox txt_Janne_lujuus;

    platform::Frame Frame1;
    RowEditor topRows;
    platform::TextBox& txtRaudRiviLkm = topRows.count;
    platform::VScrollBar& vsbYRiviLkm = topRows.countBar;
    platform::TextBox& txtRaudRiviNo = topRows.number;
    platform::VScrollBar& vsbYRiviNo = topRows.numberBar;
    platform::Frame& ffraYRaudoite = topRows.frame;
    platform::TextBox& txt_ypRaudLkm = topRows.bars;
    platform::TextBox& txt_ypRaudA = topRows.area;
    platform::TextBox& txt_ypRaud_et_yp = topRows.distance;
    platform::TextBox txt_ypRaud_kimmo;
    platform::TextBox txt_ypRaud_lujuus;

    // The second row group's frame caption and distance label differ.
    struct Texts {
        const char* topFrame;
        const char* topDistance;
        platform::ComboStyle ledgeStyle;
        int topRowLimit;  // the second group's count bar snaps back below it
    };

protected:
    PrestressedBeamDialog(ProjectModel& m, platform::Platform& p, const std::string& name,
                          const std::string& caption, const BeamDialogLimits& limits, const Texts& texts);

    // The row groups and their steel from the model (prestress below 0.002
    // becomes 0 in the model), the plate and the strength combo's list.
    void loadShared();
    // The row groups, their steel and the counts the window shows.
    void writeShared();
    // The slab level line of the check: the beam level against the slabs.
    void checkSlabLevel(double beamLevel, std::string& message) const;

private:
    void txthfala_Valid();
};

}  // namespace quorvel::dialogs
