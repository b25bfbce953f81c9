#pragma once
// The slab holes dialog: none, one or two rectangular holes in the slab
// end on each side of the beam (position X along the beam and size B along
// it, distance Y from the slab end and size A into the slab), and the two
// distances from the beam ends to the slab field edges. OK checks the holes
// against the beam length and the slab spans first.

#include <array>
#include <memory>
#include <vector>

#include "dialogs/dialog_frame.h"

namespace quorvel::dialogs {

class frmReiat : public InputDialog {
public:
    using ComboBox = platform::ComboBox;
    using CommandButton = platform::CommandButton;
    using Label = platform::Label;
    using Shape = platform::Shape;
    using TextBox = platform::TextBox;

    frmReiat(ProjectModel& m, platform::Platform& p);
    ~frmReiat() override;

    // The plan sketch first, so that the boxes lie on top of it.
    Shape shpPalkki{*this, "shpPalkki", {4200, 960, 240, 3600}};
    Shape shpReika11{*this, "shpReika11", {3120, 1200, 960, 840}};
    Shape shpReika12{*this, "shpReika12", {3120, 2760, 960, 840}};
    Shape shpReika21{*this, "shpReika21", {4560, 1200, 960, 840}};
    Shape shpReika22{*this, "shpReika22", {4560, 2760, 960, 840}};

    Label lblVasenReikienLkm{*this, "lblVasenReikienLkm", {240, 150, 1575, 255}, "Reikien lukumäärä"};
    ComboBox cboVasenReikienLkm{*this, "cboVasenReikienLkm", {1860, 120, 735, 315}, platform::ComboStyle::DropDownList};
    Label lblOikeaReikienLkm{*this, "lblOikeaReikienLkm", {5760, 150, 1575, 255}, "Reikien lukumäärä"};
    ComboBox cboOikeaReikienLkm{*this, "cboOikeaReikienLkm", {7380, 120, 735, 315}, platform::ComboStyle::DropDownList};

    Label lblReuna2{*this, "lblReuna2", {240, 630, 1575, 255}, "Laataston reuna"};
    TextBox txtReunanetaisyys2{*this, "txtReunanetaisyys2", {1860, 600, 855, 285}};
    Label lblLoppupaa{*this, "lblLoppupaa", {3600, 630, 1575, 255}, "Palkin loppupää"};
    Label lblLaatanpaa{*this, "lblLaatanpaa", {5760, 630, 1575, 255}, "Ontelolaatan pää"};

    // Left holes: the boxes of hole 1 and hole 2 beside their rectangles.
    Label lblX11{*this, "lblX11", {240, 1230, 255, 255}, "X"};
    TextBox txtXReika11{*this, "txtXReika11", {540, 1200, 855, 285}};
    Label lblB11{*this, "lblB11", {1560, 1230, 255, 255}, "B"};
    TextBox txtBReika11{*this, "txtBReika11", {1860, 1200, 855, 285}};
    Label lblY11{*this, "lblY11", {240, 1650, 255, 255}, "Y"};
    TextBox txtYReika11{*this, "txtYReika11", {540, 1620, 855, 285}};
    Label lblA11{*this, "lblA11", {1560, 1650, 255, 255}, "A"};
    TextBox txtAReika11{*this, "txtAReika11", {1860, 1620, 855, 285}};
    Label lblX12{*this, "lblX12", {240, 2790, 255, 255}, "X"};
    TextBox txtXReika12{*this, "txtXReika12", {540, 2760, 855, 285}};
    Label lblB12{*this, "lblB12", {1560, 2790, 255, 255}, "B"};
    TextBox txtBReika12{*this, "txtBReika12", {1860, 2760, 855, 285}};
    Label lblY12{*this, "lblY12", {240, 3210, 255, 255}, "Y"};
    TextBox txtYReika12{*this, "txtYReika12", {540, 3180, 855, 285}};
    Label lblA12{*this, "lblA12", {1560, 3210, 255, 255}, "A"};
    TextBox txtAReika12{*this, "txtAReika12", {1860, 3180, 855, 285}};

    // Right holes.
    Label lblX21{*this, "lblX21", {5760, 1230, 255, 255}, "X"};
    TextBox txtXReika21{*this, "txtXReika21", {6060, 1200, 855, 285}};
    Label lblB21{*this, "lblB21", {7080, 1230, 255, 255}, "B"};
    TextBox txtBReika21{*this, "txtBReika21", {7380, 1200, 855, 285}};
    Label lblY21{*this, "lblY21", {5760, 1650, 255, 255}, "Y"};
    TextBox txtYReika21{*this, "txtYReika21", {6060, 1620, 855, 285}};
    Label lblA21{*this, "lblA21", {7080, 1650, 255, 255}, "A"};
    TextBox txtAReika21{*this, "txtAReika21", {7380, 1620, 855, 285}};
    Label lblX22{*this, "lblX22", {5760, 2790, 255, 255}, "X"};
    TextBox txtXReika22{*this, "txtXReika22", {6060, 2760, 855, 285}};
    Label lblB22{*this, "lblB22", {7080, 2790, 255, 255}, "B"};
    TextBox txtBReika22{*this, "txtBReika22", {7380, 2760, 855, 285}};
    Label lblY22{*this, "lblY22", {5760, 3210, 255, 255}, "Y"};
    TextBox txtYReika22{*this, "txtYReika22", {6060, 3180, 855, 285}};
    Label lblA22{*this, "lblA22", {7080, 3210, 255, 255}, "A"};
    TextBox txtAReika22{*this, "txtAReika22", {7380, 3180, 855, 285}};

    Label lblAlkupaa{*this, "lblAlkupaa", {3600, 4680, 1575, 255}, "Palkin alkupää"};
    Label lblReuna1{*this, "lblReuna1", {240, 5190, 1575, 255}, "Laataston reuna"};
    TextBox txtReunanetaisyys1{*this, "txtReunanetaisyys1", {1860, 5160, 855, 285}};

    CommandButton cmdOK{*this, "cmdOK", {5280, 5640, 1455, 375}, "OK"};
    CommandButton cmdPeruuta{*this, "cmdPeruuta", {6840, 5640, 1455, 375}, "Peruuta"};

    void Form_Load();             // LoadHoleInput
    void cmdOK_Click();           // ApplyHoleInput
    void UpdateHoleCountLeft();
    void UpdateHoleCountRight();
    // The placement check of the holes in use, as the boxes stand.
    void CheckHolePlacement(std::string& message, int16_t& found);

private:
    // The boxes of one hole: X, B, Y, A.
    std::array<TextBox*, 4> holeBoxes(int side, int hole);
    Shape& holeShape(int side, int hole);
    ComboBox& countList(int side);
    void updateHoleCount(int side);
    void writeInput(ProjectModel& m);

    std::vector<std::unique_ptr<platform::Control>> sketch_;
};

}  // namespace quorvel::dialogs
