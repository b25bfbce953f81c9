#pragma once
// The partial factors dialog: the consequence class factor K_FI, the
// partial factors of permanent and variable load, the additional factor,
// the self-weight factors of the two slabs, psi1 of the imposed load, the
// tensile strength factor of the slab concrete, the allowed crack width and
// the release strength ratio.

#include "dialogs/dialog_frame.h"

namespace quorvel::dialogs {

class frmKertoimet : public InputDialog {
public:
    using ComboBox = platform::ComboBox;
    using CommandButton = platform::CommandButton;
    using Label = platform::Label;
    using TextBox = platform::TextBox;

    frmKertoimet(ProjectModel& m, platform::Platform& p);

    Label Label9{*this, "Label9", {120, 270, 5400, 255}, "Seuraamusluokkakerroin Kfi"};
    ComboBox CmbKfi{*this, "CmbKfi", {5640, 240, 975, 315}};
    Label Label1{*this, "Label1", {120, 750, 5400, 255}, "Pysyvän kuorman varmuuskerroin"};
    TextBox txtVarmg{*this, "txtVarmg", {5640, 720, 975, 285}, "1.15"};
    Label Label2{*this, "Label2", {120, 1230, 5400, 255}, "Muuttuvan kuorman varmuuskerroin"};
    TextBox txtVarmq{*this, "txtVarmq", {5640, 1200, 975, 285}, "1.5"};
    Label Label3{*this, "Label3", {120, 1710, 5400, 255}, "Lisävarmuuskerroin"};
    TextBox txtVarmlisa{*this, "txtVarmlisa", {5640, 1680, 975, 285}, "1.0"};
    Label Label4{*this, "Label4", {120, 2190, 5400, 255}, "Vasemman ontelolaatan omanpainon varmuuskerroin"};
    TextBox txtVarmvasenlab{*this, "txtVarmvasenlab", {5640, 2160, 975, 285}, "1.15"};
    Label Label8{*this, "Label8", {120, 2670, 5400, 255}, "Oikean ontelolaatan omanpainon varmuuskerroin"};
    TextBox txtVarmoikealab{*this, "txtVarmoikealab", {5640, 2640, 975, 285}, "1.15"};
    Label Label10{*this, "Label10", {120, 3090, 5400, 435},
                  "Hyötykuorman yhdistelykerroin tavallisessa kuormayhdistelmässä psii1"};
    TextBox Txt_psii1{*this, "Txt_psii1", {5640, 3120, 975, 285}, "0.7"};
    Label Label5{*this, "Label5", {120, 3630, 5400, 255}, "Ontelolaattabetonin vetolujuuden kerroin"};
    TextBox txtHajontakerr{*this, "txtHajontakerr", {5640, 3600, 975, 285}, "1"};
    Label Label6{*this, "Label6", {120, 4110, 5400, 255}, "Sallittu halkeaman leveys"};
    TextBox txtwksall{*this, "txtwksall", {5640, 4080, 975, 285}, "0.2"};
    Label fLabel7{*this, "fLabel7", {6660, 4110, 435, 255}, "mm"};
    Label Label7{*this, "Label7", {120, 4590, 5400, 255}, "Päästölujuus/nimellislujuus"};
    TextBox txtPaasto{*this, "txtPaasto", {5640, 4560, 975, 285}, "0.7"};

    CommandButton cmdOK{*this, "cmdOK", {3960, 5160, 1455, 375}, "OK"};
    CommandButton cmdPeruuta{*this, "cmdPeruuta", {5640, 5160, 1455, 375}, "Peruuta"};

    void Form_Load();
    void cmdOK_Click();
};

}  // namespace quorvel::dialogs
