#pragma once
// The section dialog of the LBL beam: a prestressed beam on a steel bottom
// plate whose ledges carry the slabs, with strand rows from the bottom face
// and top reinforcement rows from the top face. The web width follows from
// the height and the width between the ledges.

#include "dialogs/concrete-beams/prestressed_beam_dialog.h"

namespace quorvel::dialogs {

class FrmKemo : public PrestressedBeamDialog {
public:
    FrmKemo(ProjectModel& m, platform::Platform& p);

    // The contradiction check of the values in the window.
    void CheckKemoFormInput(std::string& message, int16_t& conflict);

protected:
    void loadControls() override;
    void checkInput(std::string& message, int16_t& conflict) override { CheckKemoFormInput(message, conflict); }
    void writeModel() override;

private:
    // The web width: the width between the ledges less 3/20 of the height
    // plus 5, cut down to whole centimetres.
    void webWidthRule();
    // The default height: the thicker side's slab and the gap under it.
    Value defaultHeight() const;
};

}  // namespace quorvel::dialogs
