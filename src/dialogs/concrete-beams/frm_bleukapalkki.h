#pragma once
// The section dialog of the reinforced-concrete ledge beams (BLEUKA and
// JALO): the web, a ledge on either side (height of its top and projection
// beyond the web) and the main reinforcement rows (BLEUKA's bars, JALO's
// strands, whose strength box is captioned as their 0.1 % proof stress).

#include "dialogs/concrete-beams/reinforced_beam_dialog.h"

namespace quorvel::dialogs {

class frmBLeukapalkki : public ReinforcedBeamDialog {
public:
    frmBLeukapalkki(ProjectModel& m, platform::Platform& p);

    platform::TextBox txtVasenLeuankorkeus;
    platform::TextBox txtOikeaLeuankorkeus;
    platform::TextBox txtVasenleuka;
    platform::TextBox txtOikealeuka;

    // The contradiction check of the values in the window.
    void CheckBLeukaFormInput(std::string& message, int16_t& conflict);

protected:
    // Whether the beam's rows are strands (JALO).
    bool strands() const;
    void loadControls() override;
    void checkInput(std::string& message, int16_t& conflict) override { CheckBLeukaFormInput(message, conflict); }
    void writeModel() override;
};

}  // namespace quorvel::dialogs
