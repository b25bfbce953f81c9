#pragma once
// The slab loads dialog: per slab field the permanent and variable imposed
// area loads, up to five point loads and up to five line loads (edited one
// at a time through a count and a number spin control), the weight of the
// topping shown, and how far the slab fields reach beyond the beam ends.
// A box shows the load as the project holds it; loads take decimals.

#include <array>
#include <memory>
#include <vector>

#include "dialogs/dialog_frame.h"

namespace quorvel::dialogs {

class frmLaatankuormat : public InputDialog {
public:
    using CommandButton = platform::CommandButton;
    using Frame = platform::Frame;
    using Label = platform::Label;
    using Line = platform::Line;
    using TextBox = platform::TextBox;
    using VScrollBar = platform::VScrollBar;

    frmLaatankuormat(ProjectModel& m, platform::Platform& p);
    ~frmLaatankuormat() override;

    // --- Area loads and the topping weight ---
    Frame Frame1{*this, "Frame1", {120, 120, 11160, 1500}, "Laataston hyötykyormat"};
    Label lblVasenPysyva{*this, "lblVasenPysyva", {120, 330, 2415, 255}, "Pysyvä hyötykuorma", &Frame1};
    TextBox txtVasenlaatastopysyva{*this, "txtVasenlaatastopysyva", {2580, 300, 735, 285}, "0.5", &Frame1};
    Label lblVasenYksikko1{*this, "lblVasenYksikko1", {3360, 330, 615, 255}, "kN/m ²", &Frame1};
    Label lblVasenMuuttuva{*this, "lblVasenMuuttuva", {120, 750, 2415, 255}, "Muuttuva hyötykuorma", &Frame1};
    TextBox txtVasenlaatastomuuttuva{*this, "txtVasenlaatastomuuttuva", {2580, 720, 735, 285}, "2.5", &Frame1};
    Label lblVasenYksikko2{*this, "lblVasenYksikko2", {3360, 750, 615, 255}, "kN/m ²", &Frame1};
    Label lblVasenPinta{*this, "lblVasenPinta", {120, 1140, 2415, 255}, "Pintalaatan paino", &Frame1};
    Label txtgpinta1{*this, "txtgpinta1", {2580, 1140, 735, 255}, "", &Frame1};
    Label lblVasenYksikko3{*this, "lblVasenYksikko3", {3360, 1140, 615, 255}, "kN/m ²", &Frame1};
    Label lblOikeaPysyva{*this, "lblOikeaPysyva", {5760, 330, 2415, 255}, "Pysyvä hyötykuorma", &Frame1};
    TextBox txtOikealaatastopysyva{*this, "txtOikealaatastopysyva", {8220, 300, 735, 285}, "0.5", &Frame1};
    Label lblOikeaYksikko1{*this, "lblOikeaYksikko1", {9000, 330, 615, 255}, "kN/m ²", &Frame1};
    Label lblOikeaMuuttuva{*this, "lblOikeaMuuttuva", {5760, 750, 2415, 255}, "Muuttuva hyötykuorma", &Frame1};
    TextBox txtOikealaatastomuuttuva{*this, "txtOikealaatastomuuttuva", {8220, 720, 735, 285}, "2.5", &Frame1};
    Label lblOikeaYksikko2{*this, "lblOikeaYksikko2", {9000, 750, 615, 255}, "kN/m ²", &Frame1};
    Label lblOikeaPinta{*this, "lblOikeaPinta", {5760, 1140, 2415, 255}, "Pintalaatan paino", &Frame1};
    Label txtgpinta2{*this, "txtgpinta2", {8220, 1140, 735, 255}, "", &Frame1};
    Label lblOikeaYksikko3{*this, "lblOikeaYksikko3", {9000, 1140, 615, 255}, "kN/m ²", &Frame1};

    Label Label1{*this, "Label1", {120, 1680, 4000, 255}, "Laataston piste- ja viivakuormat"};

    // --- The plan view between the two sides ---
    Label lblReuna2{*this, "lblReuna2", {4560, 2070, 2295, 255}, "Laataston reuna"};
    TextBox txtReunanetaisyys2{*this, "txtReunanetaisyys2", {5280, 2400, 855, 285}, "7200"};
    Label lblLoppupaa{*this, "lblLoppupaa", {4560, 2790, 2295, 255}, "Palkin loppupää"};
    Label lblLaatanpaa{*this, "lblLaatanpaa", {6030, 3180, 1140, 435}, "Ontelolaatan pää"};
    Label lblAkseliX{*this, "lblAkseliX", {4980, 6180, 195, 255}, "x"};
    Label lblAkseliY{*this, "lblAkseliY", {4380, 5460, 195, 255}, "y"};
    Label lblAlkupaa{*this, "lblAlkupaa", {4560, 6600, 2295, 255}, "Palkin alkupää"};
    TextBox txtReunanetaisyys1{*this, "txtReunanetaisyys1", {5280, 6960, 855, 285}, "7200"};
    Label lblReuna1{*this, "lblReuna1", {4560, 7350, 2295, 255}, "Laataston reuna"};

    // --- Left point loads ---
    Label lblVasenPistekuormienLkm{*this, "lblVasenPistekuormienLkm", {120, 2070, 2175, 255}, "Pistekuormien lkm"};
    TextBox txtVasenPistekuormienLkm{*this, "txtVasenPistekuormienLkm", {2400, 2040, 495, 285}, "0"};
    VScrollBar vsbVasenPistekuormienLkm{*this, "vsbVasenPistekuormienLkm", {2910, 1980, 255, 405}};
    platform::ControlArray<Label> label51, label52, label53, label55, label56, label57;
    TextBox txtVasenPistekuormienNro{*this, "txtVasenPistekuormienNro", {2400, 2460, 495, 285}, "0"};
    VScrollBar vsbVasenPistekuormienNro{*this, "vsbVasenPistekuormienNro", {2910, 2400, 255, 405}};
    TextBox txtVasenPysyvaPisteKuorma{*this, "txtVasenPysyvaPisteKuorma", {2400, 2880, 735, 285}, "0"};
    Label Label4{*this, "Label4", {3180, 2910, 375, 255}, "kN"};
    TextBox txtVasenMuuttuvaPisteKuorma{*this, "txtVasenMuuttuvaPisteKuorma", {2400, 3300, 735, 285}, "0"};
    Label Label6{*this, "Label6", {3180, 3330, 375, 255}, "kN"};
    Label Label3{*this, "Label3", {1920, 3750, 435, 255}, "x = "};
    TextBox txtVasenPisteX{*this, "txtVasenPisteX", {2400, 3720, 735, 285}, "0"};
    Label Label31{*this, "Label31", {3180, 3750, 375, 255}, "mm"};
    Label Label2{*this, "Label2", {1920, 4170, 435, 255}, "y = "};
    TextBox txtVasenPisteY{*this, "txtVasenPisteY", {2400, 4140, 735, 285}, "0"};
    Label Label32{*this, "Label32", {3180, 4170, 375, 255}, "mm"};

    // --- Left line loads ---
    Label lblVasenViivakuormienLkm{*this, "lblVasenViivakuormienLkm", {120, 4830, 2175, 255}, "Viivakuormien lkm"};
    TextBox txtVasenViivakuormienLkm{*this, "txtVasenViivakuormienLkm", {2400, 4800, 495, 285}, "0"};
    VScrollBar vsbVasenViivakuormienLkm{*this, "vsbVasenViivakuormienLkm", {2910, 4740, 255, 405}};
    TextBox txtVasenViivakuormienNro{*this, "txtVasenViivakuormienNro", {2400, 5220, 495, 285}, "0"};
    VScrollBar vsbVasenViivakuormienNro{*this, "vsbVasenViivakuormienNro", {2910, 5160, 255, 405}};
    TextBox txtVasenPysyvaViivaKuorma{*this, "txtVasenPysyvaViivaKuorma", {2400, 5640, 735, 285}, "0"};
    Label Label13{*this, "Label13", {3180, 5670, 495, 255}, "kN/m"};
    TextBox txtVasenMuuttuvaViivaKuorma{*this, "txtVasenMuuttuvaViivaKuorma", {2400, 6060, 735, 285}, "0"};
    Label Label14{*this, "Label14", {3180, 6090, 495, 255}, "kN/m"};
    Label Label12{*this, "Label12", {1920, 6510, 435, 255}, "y = "};
    TextBox txtVasenViivaY{*this, "txtVasenViivaY", {2400, 6480, 735, 285}, "0"};
    Label Label35{*this, "Label35", {3180, 6510, 375, 255}, "mm"};

    // --- Right point loads ---
    Label lblOikeaPistekuormienLkm{*this, "lblOikeaPistekuormienLkm", {7200, 2070, 2175, 255}, "Pistekuormien lkm"};
    TextBox txtOikeaPistekuormienLkm{*this, "txtOikeaPistekuormienLkm", {9480, 2040, 495, 285}, "0"};
    VScrollBar vsbOikeaPistekuormienLkm{*this, "vsbOikeaPistekuormienLkm", {9990, 1980, 255, 405}};
    TextBox txtOikeaPistekuormienNro{*this, "txtOikeaPistekuormienNro", {9480, 2460, 495, 285}, "0"};
    VScrollBar vsbOikeaPistekuormienNro{*this, "vsbOikeaPistekuormienNro", {9990, 2400, 255, 405}};
    TextBox txtOikeaPysyvaPisteKuorma{*this, "txtOikeaPysyvaPisteKuorma", {9480, 2880, 735, 285}, "0"};
    Label Label11{*this, "Label11", {10260, 2910, 375, 255}, "kN"};
    TextBox txtOikeaMuuttuvaPisteKuorma{*this, "txtOikeaMuuttuvaPisteKuorma", {9480, 3300, 735, 285}, "0"};
    Label Label15{*this, "Label15", {10260, 3330, 375, 255}, "kN"};
    Label Label7{*this, "Label7", {9000, 3750, 435, 255}, "x = "};
    TextBox txtOikeaPisteX{*this, "txtOikeaPisteX", {9480, 3720, 735, 285}, "0"};
    Label Label33{*this, "Label33", {10260, 3750, 375, 255}, "mm"};
    Label Label10{*this, "Label10", {9000, 4170, 435, 255}, "y = "};
    TextBox txtOikeaPisteY{*this, "txtOikeaPisteY", {9480, 4140, 735, 285}, "0"};
    Label Label34{*this, "Label34", {10260, 4170, 375, 255}, "mm"};

    // --- Right line loads ---
    Label lblOikeaViivakuormienLkm{*this, "lblOikeaViivakuormienLkm", {7200, 4830, 2175, 255}, "Viivakuormien lkm"};
    TextBox txtOikeaViivakuormienLkm{*this, "txtOikeaViivakuormienLkm", {9480, 4800, 495, 285}, "0"};
    VScrollBar vsbOikeaViivakuormienLkm{*this, "vsbOikeaViivakuormienLkm", {9990, 4740, 255, 405}};
    TextBox txtOikeaViivakuormienNro{*this, "txtOikeaViivakuormienNro", {9480, 5220, 495, 285}, "0"};
    VScrollBar vsbOikeaViivakuormienNro{*this, "vsbOikeaViivakuormienNro", {9990, 5160, 255, 405}};
    TextBox txtOikeaPysyvaViivaKuorma{*this, "txtOikeaPysyvaViivaKuorma", {9480, 5640, 735, 285}, "0"};
    Label Label29{*this, "Label29", {10260, 5670, 495, 255}, "kN/m"};
    TextBox txtOikeaMuuttuvaViivaKuorma{*this, "txtOikeaMuuttuvaViivaKuorma", {9480, 6060, 735, 285}, "0"};
    Label Label30{*this, "Label30", {10260, 6090, 495, 255}, "kN/m"};
    Label Label28{*this, "Label28", {9000, 6510, 435, 255}, "y = "};
    TextBox txtOikeaViivaY{*this, "txtOikeaViivaY", {9480, 6480, 735, 285}, "0"};
    Label Label36{*this, "Label36", {10260, 6510, 375, 255}, "mm"};

    CommandButton cmdOK{*this, "cmdOK", {8040, 7800, 1455, 375}, "OK"};
    CommandButton cmdPeruuta{*this, "cmdPeruuta", {9720, 7800, 1455, 375}, "Peruuta"};

    void Form_Load();    // LoadSlabLoadInput
    void cmdOK_Click();  // ApplySlabLoadInput

    void HideSlabPointLoadEditorsLeft() { hideGroup(0); }
    void ShowSlabPointLoadEditorsLeft() { showGroup(0); }
    void HideSlabLineLoadEditorsLeft() { hideGroup(1); }
    void ShowSlabLineLoadEditorsLeft() { showGroup(1); }
    void HideSlabPointLoadEditorsRight() { hideGroup(2); }
    void ShowSlabPointLoadEditorsRight() { showGroup(2); }
    void HideSlabLineLoadEditorsRight() { hideGroup(3); }
    void ShowSlabLineLoadEditorsRight() { showGroup(3); }
    void ClearUnusedSlabPointLoadsLeft() { clearUnused(0); }
    void ClearUnusedSlabLineLoadsLeft() { clearUnused(1); }
    void ClearUnusedSlabPointLoadsRight() { clearUnused(2); }
    void ClearUnusedSlabLineLoadsRight() { clearUnused(3); }

    // The load table of a group (0 left point, 1 left line, 2 right point,
    // 3 right line): entry 0..5, field 0..3 (G, Q, X, Y; a line load has
    // G, Q, Y).
    double tableValue(int group, int entry, int field) const;

private:
    static constexpr int GroupCount = 4;
    static constexpr int MaxLoads = 5;
    struct LoadGroup;

    void buildGroups();
    void buildPlanView();
    void countRule(int group);
    void numberRule(int group);
    void entryRule(int group, int field);
    // The value of the selected load of a group's field.
    Value& entryValue(int group, int field);
    void hideGroup(int group);
    void showGroup(int group);
    void setGroupVisible(int group, bool visible);
    void clearUnused(int group);
    void writeInput(ProjectModel& m);

    std::vector<LoadGroup> groups_;
    Value heldBefore_;  // the value of the box with the focus when it took it
    std::vector<std::unique_ptr<platform::Control>> planView_;
};

}  // namespace quorvel::dialogs
