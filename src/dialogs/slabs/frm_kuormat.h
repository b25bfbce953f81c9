#pragma once
// The beam loads dialog: one permanent and one variable line load on the
// beam (intensity at its start and end, start position, length) and up to
// five point loads (position, permanent and variable magnitude), edited one
// at a time through a count and a number spin control. OK checks that the
// loads stand on the span first.

#include <array>
#include <memory>
#include <vector>

#include "dialogs/dialog_frame.h"

namespace quorvel::dialogs {

class frmKuormat : public InputDialog {
public:
    using CommandButton = platform::CommandButton;
    using Frame = platform::Frame;
    using Label = platform::Label;
    using TextBox = platform::TextBox;
    using VScrollBar = platform::VScrollBar;

    frmKuormat(ProjectModel& m, platform::Platform& p);
    ~frmKuormat() override;

    Frame Frame2{*this, "Frame2", {120, 120, 8520, 1860}, "Palkin viivakuormat"};
    Label lblViivaAlku{*this, "lblViivaAlku", {2160, 300, 1215, 255}, "alussa", &Frame2};
    Label lblViivaLoppu{*this, "lblViivaLoppu", {3480, 300, 1215, 255}, "lopussa", &Frame2};
    Label lblViivaX{*this, "lblViivaX", {4920, 300, 855, 255}, "x", &Frame2};
    Label lblViivaL{*this, "lblViivaL", {6240, 300, 855, 255}, "L", &Frame2};
    Label Label1{*this, "Label1", {120, 630, 1935, 255}, "Pysyvä viivakuorma", &Frame2};
    TextBox txtPysyvaviivag1{*this, "txtPysyvaviivag1", {2160, 600, 735, 285}, "0", &Frame2};
    Label fLabel1{*this, "fLabel1", {2940, 630, 495, 255}, "kN/m", &Frame2};
    TextBox txtPysyvaviivag2{*this, "txtPysyvaviivag2", {3480, 600, 735, 285}, "0", &Frame2};
    Label fLabel2{*this, "fLabel2", {4260, 630, 495, 255}, "kN/m", &Frame2};
    TextBox txtPysyvaviivaX{*this, "txtPysyvaviivaX", {4920, 600, 855, 285}, "0", &Frame2};
    Label fLabel5{*this, "fLabel5", {5820, 630, 375, 255}, "mm", &Frame2};
    TextBox txtPysyvaviivaL{*this, "txtPysyvaviivaL", {6240, 600, 855, 285}, "0", &Frame2};
    Label fLabel6{*this, "fLabel6", {7140, 630, 375, 255}, "mm", &Frame2};
    Label Label2{*this, "Label2", {120, 1050, 1935, 255}, "Muuttuva viivakuorma", &Frame2};
    TextBox txtMuuttuvaviivaq1{*this, "txtMuuttuvaviivaq1", {2160, 1020, 735, 285}, "0", &Frame2};
    Label fLabel3{*this, "fLabel3", {2940, 1050, 495, 255}, "kN/m", &Frame2};
    TextBox txtMuuttuvaviivaq2{*this, "txtMuuttuvaviivaq2", {3480, 1020, 735, 285}, "0", &Frame2};
    Label fLabel4{*this, "fLabel4", {4260, 1050, 495, 255}, "kN/m", &Frame2};
    TextBox txtMuuttuvaviivaX{*this, "txtMuuttuvaviivaX", {4920, 1020, 855, 285}, "0", &Frame2};
    Label fLabel7{*this, "fLabel7", {5820, 1050, 375, 255}, "mm", &Frame2};
    TextBox txtMuuttuvaviivaL{*this, "txtMuuttuvaviivaL", {6240, 1020, 855, 285}, "0", &Frame2};
    Label fLabel8{*this, "fLabel8", {7140, 1050, 375, 255}, "mm", &Frame2};

    Frame Frame3{*this, "Frame3", {120, 2100, 8520, 2160}, "Palkin pistekuormat"};
    Label Label3{*this, "Label3", {120, 330, 1935, 255}, "Pistekuormien määrä", &Frame3};
    TextBox txtPisteLkm{*this, "txtPisteLkm", {2160, 300, 495, 285}, "0", &Frame3};
    VScrollBar vsbPisteLkm{*this, "vsbPisteLkm", {2670, 240, 255, 405}, &Frame3};
    Label Label4{*this, "Label4", {3360, 330, 1455, 255}, "Pistekuorma no:", &Frame3};
    TextBox txtPisteNo{*this, "txtPisteNo", {4860, 300, 495, 285}, "1", &Frame3};
    VScrollBar vsbPisteNo{*this, "vsbPisteNo", {5370, 240, 255, 405}, &Frame3};
    CommandButton cmdPoista{*this, "cmdPoista", {6240, 270, 1095, 345}, "Poista", &Frame3};
    Label Label5{*this, "Label5", {120, 810, 1935, 255}, "Pysyvä pistekuorma", &Frame3};
    TextBox txtPysyvapisteg{*this, "txtPysyvapisteg", {2160, 780, 735, 285}, "0", &Frame3};
    Label fLabel9{*this, "fLabel9", {2940, 810, 375, 255}, "kN", &Frame3};
    Label Label6{*this, "Label6", {120, 1230, 1935, 255}, "Muuttuva pistekuorma", &Frame3};
    TextBox txtMuuttuvapisteq{*this, "txtMuuttuvapisteq", {2160, 1200, 735, 285}, "0", &Frame3};
    Label fLabel10{*this, "fLabel10", {2940, 1230, 375, 255}, "kN", &Frame3};
    Label lblPisteX{*this, "lblPisteX", {4440, 810, 375, 255}, "x", &Frame3};
    TextBox txtPisteX{*this, "txtPisteX", {4860, 780, 855, 285}, "0", &Frame3};
    Label fLabel11{*this, "fLabel11", {5760, 810, 375, 255}, "mm", &Frame3};

    CommandButton cmdOK{*this, "cmdOK", {5520, 4440, 1455, 375}, "OK"};
    CommandButton cmdPeruuta{*this, "cmdPeruuta", {7080, 4440, 1455, 375}, "Peruuta"};

    void Form_Load();                 // LoadBeamLoadInput
    void cmdOK_Click();               // ApplyBeamLoadInput
    void DeleteBeamPointLoad();       // cmdPoista
    void UpdateBeamPointLoadCount();  // the count rule
    void ShowBeamPointLoad();         // the number rule
    // The placement check of the loads as the boxes and the point-load
    // records stand.
    void CheckBeamLoadPlacement(std::string& message, int16_t& found);

private:
    struct PointLoad {
        float x = 0.0f;  // mm from the beam start
        float g = 0.0f;  // kN
        float q = 0.0f;  // kN
    };
    PointLoad& record(int number);
    // The record in the three value boxes.
    void showRecord(int number);
    void setEditorsEnabled(bool enabled);
    void writeInput(ProjectModel& m);

    // Records 1..5 are the point loads; record 0 is never loaded or edited.
    std::array<PointLoad, 6> records_{};
    std::vector<std::unique_ptr<platform::Control>> sketch_;
};

}  // namespace quorvel::dialogs
