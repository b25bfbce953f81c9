#pragma once
// The section dialog of the Super beam (BESUPER): a prestressed beam on a
// steel bottom plate with an angle steel along each bottom edge, whose size
// also gives both slab ledges, bars welded to the angle steels (at most two
// rows) and a top flange.

#include "dialogs/concrete-beams/prestressed_beam_dialog.h"

namespace quorvel::dialogs {

class FrmSuperpalkki : public PrestressedBeamDialog {
public:
    FrmSuperpalkki(ProjectModel& m, platform::Platform& p);

    platform::ComboBox cbobwbeam;
    platform::ComboBox cbohkulma;
    platform::ComboBox cbobyla;
    platform::TextBox txtBYla;
    platform::TextBox txthfYla;

    // The contradiction check of the values in the window.
    void CheckSuperFormInput(std::string& message, int16_t& conflict);

protected:
    void loadControls() override;
    void checkInput(std::string& message, int16_t& conflict) override { CheckSuperFormInput(message, conflict); }
    void writeModel() override;

private:
    void cboLaippa1_Change();
};

}  // namespace quorvel::dialogs
