#pragma once
// The section dialog of the rectangular reinforced-concrete beam (SUORA).

#include "dialogs/concrete-beams/reinforced_beam_dialog.h"

namespace quorvel::dialogs {

class FrmSuorakaidepalkki : public ReinforcedBeamDialog {
public:
    FrmSuorakaidepalkki(ProjectModel& m, platform::Platform& p);

    // The contradiction check of the values in the window.
    void CheckRectangularBeamGeometry(std::string& message, int16_t& conflict);

protected:
    void loadControls() override { loadShared(); }
    void checkInput(std::string& message, int16_t& conflict) override {
        CheckRectangularBeamGeometry(message, conflict);
    }
    void writeModel() override;

private:
    // The width the slab seats need: both sides' joint grout and support
    // length on a middle beam, the right side's on an edge beam.
    float seatWidth() const;
};

}  // namespace quorvel::dialogs
