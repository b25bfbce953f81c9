#pragma once
// The section dialog of the Kvatro beam: a steel bottom plate with two webs
// and no top flange, the plate reaching beyond the webs as the slab ledges,
// filled with concrete, with one row of bottom bars and one row of top bars
// entered by bar diameter.

#include "dialogs/concrete-beams/beam_dialog.h"

namespace quorvel::dialogs {

class frmKvatropalkki : public BeamDialog {
public:
    frmKvatropalkki(ProjectModel& m, platform::Platform& p);

    platform::Label Label1;
    platform::ComboBox cboTayttobetoni;
    platform::Label flblPintaluokka;
    platform::ComboBox cboTayttoluokka;
    platform::TextBox txth;
    platform::TextBox txttw;
    platform::TextBox txthfala;
    platform::TextBox txtUala;
    platform::TextBox txtVasenlaippa;
    platform::TextBox txtOikealaippa;
    platform::TextBox txtAla;
    platform::TextBox txthleuka;
    platform::TextBox txthfYla;
    platform::Frame ffraRaudoite0;  // ffraRaudoite(0): the bottom bars
    platform::TextBox txtAlaRaudLkm;
    platform::TextBox txtAlaRaudA;
    platform::TextBox txtAlaRaudDist;
    platform::Frame ffraRaudoite1;  // ffraRaudoite(1): the top bars
    platform::TextBox txtYlaRaudLkm;
    platform::TextBox txtYlaRaudA;
    platform::TextBox txtYlaRaudDist;
    platform::TextBox txtTeraslujuus;
    platform::TextBox txtRaud_kimmo;
    platform::TextBox txtRaud_lujuus;

    // The contradiction check of the values in the window.
    void CheckKvatroFormInput(std::string& message, int16_t& conflict);

protected:
    void loadControls() override;
    void checkInput(std::string& message, int16_t& conflict) override { CheckKvatroFormInput(message, conflict); }
    void writeModel() override;
    void afterLoad() override;

private:
    // The bottom width the window describes: the plate between the webs,
    // both webs and both ledges.
    float bottomWidth() const;
    // The number of a box, or the stored value when the box is empty.
    float numberOr(const platform::TextBox& box, double stored) const;
    void placeBarRow(platform::TextBox& count, platform::TextBox& diameter,
                     platform::TextBox& distance);
};

}  // namespace quorvel::dialogs
