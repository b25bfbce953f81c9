#pragma once
// The support moments dialog: the bending moments at the two beam ends
// (kNm) for the four stages: before the joints are grouted, before the
// topping hardens, and after it from permanent and from variable load. The
// boxes take any number, of either sign.

#include "dialogs/dialog_frame.h"

namespace quorvel::dialogs {

class frmTukimomentit : public InputDialog {
public:
    using Frame = platform::Frame;
    using Label = platform::Label;
    using TextBox = platform::TextBox;
    using CommandButton = platform::CommandButton;

    frmTukimomentit(ProjectModel& m, platform::Platform& p);

    Frame Frame1{*this, "Frame1", {120, 120, 6780, 855}, "Tukimomentit ennen saumausta"};
    Label Label1{*this, "Label1", {120, 330, 1335, 255}, "Alkupäässä", &Frame1};
    TextBox txtAlkupaaM_ennensaumausta{*this, "txtAlkupaaM_ennensaumausta", {1500, 300, 855, 285}, "0", &Frame1};
    Label fLabel11{*this, "fLabel11", {2400, 330, 435, 255}, "kNm", &Frame1};
    Label Label2{*this, "Label2", {3360, 330, 1335, 255}, "Loppupäässä", &Frame1};
    TextBox txtLoppupaaM_ennensaumausta{*this, "txtLoppupaaM_ennensaumausta", {5160, 300, 855, 285}, "0", &Frame1};
    Label fLabel12{*this, "fLabel12", {6060, 330, 435, 255}, "kNm", &Frame1};

    Frame Frame2{*this, "Frame2", {120, 1080, 6780, 855}, "Tukimomentit ennen pintabetonin kovettumista"};
    Label Label3{*this, "Label3", {120, 330, 1335, 255}, "Alkupäässä", &Frame2};
    TextBox txtAlkupaaM_ennenpintakova{*this, "txtAlkupaaM_ennenpintakova", {1500, 300, 855, 285}, "0", &Frame2};
    Label fLabel13{*this, "fLabel13", {2400, 330, 435, 255}, "kNm", &Frame2};
    Label Label4{*this, "Label4", {3360, 330, 1335, 255}, "Loppupäässä", &Frame2};
    TextBox txtLoppupaaM_ennenpintakova{*this, "txtLoppupaaM_ennenpintakova", {5160, 300, 855, 285}, "0", &Frame2};
    Label fLabel14{*this, "fLabel14", {6060, 330, 435, 255}, "kNm", &Frame2};

    Frame Frame3{*this, "Frame3", {120, 2040, 6780, 1455}, "Tukimomentit pintabetonin kovettumisen jälkeen"};
    Label Label9{*this, "Label9", {1920, 270, 1335, 255}, "Alkupäässä", &Frame3};
    Label Label10{*this, "Label10", {5160, 270, 1335, 255}, "Loppupäässä", &Frame3};
    Label Label5{*this, "Label5", {120, 630, 1755, 255}, "Pysyvästä kuormasta", &Frame3};
    TextBox txtAlkupaaM_pysyva{*this, "txtAlkupaaM_pysyva", {1920, 600, 855, 285}, "0", &Frame3};
    Label fLabel15{*this, "fLabel15", {2820, 630, 435, 255}, "kNm", &Frame3};
    Label Label6{*this, "Label6", {3360, 630, 1755, 255}, "Pysyvästä kuormasta", &Frame3};
    TextBox txtLoppupaaM_pysyva{*this, "txtLoppupaaM_pysyva", {5160, 600, 855, 285}, "0", &Frame3};
    Label fLabel16{*this, "fLabel16", {6060, 630, 435, 255}, "kNm", &Frame3};
    Label Label7{*this, "Label7", {120, 1050, 1755, 255}, "Muuttuvasta kuormasta", &Frame3};
    TextBox txtAlkupaaM_muuttuva{*this, "txtAlkupaaM_muuttuva", {1920, 1020, 855, 285}, "0", &Frame3};
    Label fLabel17{*this, "fLabel17", {2820, 1050, 435, 255}, "kNm", &Frame3};
    Label Label8{*this, "Label8", {3360, 1050, 1755, 255}, "Muuttuvasta kuormasta", &Frame3};
    TextBox txtLoppupaaM_muuttuva{*this, "txtLoppupaaM_muuttuva", {5160, 1020, 855, 285}, "0", &Frame3};
    Label fLabel18{*this, "fLabel18", {6060, 1050, 435, 255}, "kNm", &Frame3};

    CommandButton cmdOK{*this, "cmdOK", {3720, 3660, 1455, 375}, "OK"};
    CommandButton cmdPeruuta{*this, "cmdPeruuta", {5400, 3660, 1455, 375}, "Peruuta"};

    void Form_Load();
    void cmdOK_Click();
};

}  // namespace quorvel::dialogs
