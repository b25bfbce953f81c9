#pragma once
// The slab fields dialog: per slab field (left, right) the slab type, the
// bottom and top strand designations, the initial strand stress and its
// loss, the slab concrete, the filled cores, the gap under the slab end,
// the joint grout and the support length; for both fields the joint grout
// and topping concrete, the topping and its reinforcement, and the first
// longitudinal joint. OK checks the slab bearing against the beam family.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_frame.h"

namespace quorvel::dialogs {

class frm2Ontelolaatasto : public InputDialog {
public:
    using ComboBox = platform::ComboBox;
    using ComboStyle = platform::ComboStyle;
    using CommandButton = platform::CommandButton;
    using Frame = platform::Frame;
    using Label = platform::Label;
    using Shape = platform::Shape;
    using TextBox = platform::TextBox;

    frm2Ontelolaatasto(ProjectModel& m, platform::Platform& p);
    ~frm2Ontelolaatasto() override;

    // --- Left slab field ---
    Frame fraVasenlaatasto{*this, "fraVasenlaatasto", {120, 120, 4920, 4560}, "Vasen"};
    Shape shpVasenlaatta{*this, "shpVasenlaatta", {240, 3780, 3120, 420}, platform::ShapeKind::Rectangle, &fraVasenlaatasto};
    Shape shpVasenpalkki{*this, "shpVasenpalkki", {2880, 4200, 1800, 240}, platform::ShapeKind::Rectangle, &fraVasenlaatasto};
    Label lblVasenlaattatyyppi{*this, "lblVasenlaattatyyppi", {120, 270, 2175, 255}, "Laattatyyppi", &fraVasenlaatasto};
    ComboBox cboVasenlaattatyyppi{*this, "cboVasenlaattatyyppi", {2400, 240, 1695, 315}, ComboStyle::DropDownList, &fraVasenlaatasto};
    Label lblVasenalapunos{*this, "lblVasenalapunos", {120, 690, 2175, 255}, "Alapunosten tunnus", &fraVasenlaatasto};
    ComboBox cboVasenalapunos{*this, "cboVasenalapunos", {2400, 660, 1695, 315}, ComboStyle::DropDownCombo, &fraVasenlaatasto};
    Label lblVasenylapunos{*this, "lblVasenylapunos", {120, 1110, 2175, 255}, "Yläpunosten tunnus", &fraVasenlaatasto};
    TextBox txtVasenylapunos{*this, "txtVasenylapunos", {2400, 1080, 1695, 285}, &fraVasenlaatasto};
    Label lblVasenjannitys{*this, "lblVasenjannitys", {120, 1530, 2175, 255}, "Punosten alkujännitys", &fraVasenlaatasto};
    TextBox txtVasenjannitys{*this, "txtVasenjannitys", {2400, 1500, 855, 285}, "1000", &fraVasenlaatasto};
    Label lblVasenMPa{*this, "lblVasenMPa", {3300, 1530, 495, 255}, "MPa", &fraVasenlaatasto};
    Label lblVasenhavio{*this, "lblVasenhavio", {120, 1950, 2175, 255}, "Jännityshäviö", &fraVasenlaatasto};
    TextBox txtVasenjannityshavio{*this, "txtVasenjannityshavio", {2400, 1920, 855, 285}, "20", &fraVasenlaatasto};
    Label lblVasenpros{*this, "lblVasenpros", {3300, 1950, 255, 255}, "%", &fraVasenlaatasto};
    Label lblVasenbetoni{*this, "lblVasenbetoni", {120, 2370, 2175, 255}, "Ontelolaatan betoni  C", &fraVasenlaatasto};
    ComboBox cboVasenbetonilujuus{*this, "cboVasenbetonilujuus", {2400, 2340, 855, 315}, ComboStyle::DropDownCombo, &fraVasenlaatasto};
    Label lblVasenontelotaytto{*this, "lblVasenontelotaytto", {120, 2850, 1335, 255}, "Ontelotäyttö", &fraVasenlaatasto};
    TextBox txtVasenontelotaytto{*this, "txtVasenontelotaytto", {1500, 2820, 735, 285}, "150", &fraVasenlaatasto};
    Label lblVasensaumavalu{*this, "lblVasensaumavalu", {2400, 2850, 1095, 255}, "Saumavalu", &fraVasenlaatasto};
    TextBox txtVasensaumavalu{*this, "txtVasensaumavalu", {3540, 2820, 735, 285}, "50", &fraVasenlaatasto};
    Label lblVasenlaatanalavali{*this, "lblVasenlaatanalavali", {120, 3270, 1335, 255}, "Rako", &fraVasenlaatasto};
    TextBox txtVasenlaatanalavali{*this, "txtVasenlaatanalavali", {1500, 3240, 735, 285}, "5", &fraVasenlaatasto};
    Label lblVasentukipituus{*this, "lblVasentukipituus", {2400, 3270, 1095, 255}, "Tukipituus", &fraVasenlaatasto};
    TextBox txtVasentukipituus{*this, "txtVasentukipituus", {3540, 3240, 735, 285}, "65", &fraVasenlaatasto};

    // --- Right slab field ---
    Frame fraOikealaatasto{*this, "fraOikealaatasto", {5280, 120, 4920, 4560}, "Oikea"};
    Shape shpOikealaatta{*this, "shpOikealaatta", {1560, 3780, 3120, 420}, platform::ShapeKind::Rectangle, &fraOikealaatasto};
    Shape shpOikeapalkki{*this, "shpOikeapalkki", {240, 4200, 1800, 240}, platform::ShapeKind::Rectangle, &fraOikealaatasto};
    Label lblOikealaattatyyppi{*this, "lblOikealaattatyyppi", {120, 270, 2175, 255}, "Laattatyyppi", &fraOikealaatasto};
    ComboBox cboOikealaattatyyppi{*this, "cboOikealaattatyyppi", {2400, 240, 1695, 315}, ComboStyle::DropDownList, &fraOikealaatasto};
    Label lblOikeaalapunos{*this, "lblOikeaalapunos", {120, 690, 2175, 255}, "Alapunosten tunnus", &fraOikealaatasto};
    ComboBox cboOikeaalapunos{*this, "cboOikeaalapunos", {2400, 660, 1695, 315}, ComboStyle::DropDownCombo, &fraOikealaatasto};
    Label lblOikeaylapunos{*this, "lblOikeaylapunos", {120, 1110, 2175, 255}, "Yläpunosten tunnus", &fraOikealaatasto};
    TextBox txtOikeaylapunos{*this, "txtOikeaylapunos", {2400, 1080, 1695, 285}, &fraOikealaatasto};
    Label lblOikeajannitys{*this, "lblOikeajannitys", {120, 1530, 2175, 255}, "Punosten alkujännitys", &fraOikealaatasto};
    TextBox txtOikeajannitys{*this, "txtOikeajannitys", {2400, 1500, 855, 285}, "1000", &fraOikealaatasto};
    Label lblOikeaMPa{*this, "lblOikeaMPa", {3300, 1530, 495, 255}, "MPa", &fraOikealaatasto};
    Label lblOikeahavio{*this, "lblOikeahavio", {120, 1950, 2175, 255}, "Jännityshäviö", &fraOikealaatasto};
    TextBox txtOikeajannityshavio{*this, "txtOikeajannityshavio", {2400, 1920, 855, 285}, "20", &fraOikealaatasto};
    Label lblOikeapros{*this, "lblOikeapros", {3300, 1950, 255, 255}, "%", &fraOikealaatasto};
    Label lblOikeabetoni{*this, "lblOikeabetoni", {120, 2370, 2175, 255}, "Ontelolaatan betoni  C", &fraOikealaatasto};
    ComboBox cboOikeabetonilujuus{*this, "cboOikeabetonilujuus", {2400, 2340, 855, 315}, ComboStyle::DropDownCombo, &fraOikealaatasto};
    Label lblOikeasaumavalu{*this, "lblOikeasaumavalu", {120, 2850, 1095, 255}, "Saumavalu", &fraOikealaatasto};
    TextBox txtOikeasaumavalu{*this, "txtOikeasaumavalu", {1260, 2820, 735, 285}, "50", &fraOikealaatasto};
    Label lblOikeaontelotaytto{*this, "lblOikeaontelotaytto", {2400, 2850, 1335, 255}, "Ontelotäyttö", &fraOikealaatasto};
    TextBox txtOikeaontelotaytto{*this, "txtOikeaontelotaytto", {3780, 2820, 735, 285}, "150", &fraOikealaatasto};
    Label lblOikeatukipituus{*this, "lblOikeatukipituus", {120, 3270, 1095, 255}, "Tukipituus", &fraOikealaatasto};
    TextBox txtOikeatukipituus{*this, "txtOikeatukipituus", {1260, 3240, 735, 285}, "65", &fraOikealaatasto};
    Label lblOikealaatanalavali{*this, "lblOikealaatanalavali", {2400, 3270, 1335, 255}, "Rako", &fraOikealaatasto};
    TextBox txtOikealaatanalavali{*this, "txtOikealaatanalavali", {3780, 3240, 735, 285}, "5", &fraOikealaatasto};

    CommandButton cmdKopioioikealle{*this, "cmdKopioioikealle", {3480, 4800, 1455, 375}, "Kopioi =>"};
    CommandButton cmdKopioivasemmalle{*this, "cmdKopioivasemmalle", {5400, 4800, 1455, 375}, "<= Kopioi"};

    // --- Joints and topping ---
    Frame fraSaumatpinta{*this, "fraSaumatpinta", {120, 5280, 10080, 1680}, "Saumat ja pintalaatta"};
    Label lblSaumabetoni{*this, "lblSaumabetoni", {120, 300, 2655, 255}, "Saumavalun betoni         C", &fraSaumatpinta};
    ComboBox cboSaumabetoni{*this, "cboSaumabetoni", {2820, 270, 855, 315}, ComboStyle::DropDownCombo, &fraSaumatpinta};
    Label lblSaumaviiva{*this, "lblSaumaviiva", {3720, 300, 135, 255}, "-", &fraSaumatpinta};
    ComboBox cboSaumaluokka{*this, "cboSaumaluokka", {3900, 270, 615, 315}, ComboStyle::DropDownList, &fraSaumatpinta};
    Label lblPintabetoni{*this, "lblPintabetoni", {120, 720, 2655, 255}, "Pintabetoni                    C", &fraSaumatpinta};
    ComboBox cboPintabetoni{*this, "cboPintabetoni", {2820, 690, 855, 315}, ComboStyle::DropDownCombo, &fraSaumatpinta};
    Label lblPintaviiva{*this, "lblPintaviiva", {3720, 720, 135, 255}, "-", &fraSaumatpinta};
    ComboBox cboPintaluokka{*this, "cboPintaluokka", {3900, 690, 615, 315}, ComboStyle::DropDownList, &fraSaumatpinta};
    Label lblSauma1{*this, "lblSauma1", {120, 1080, 2655, 240}, "Ensimmäisen sauman", &fraSaumatpinta};
    Label lblSauma2{*this, "lblSauma2", {120, 1320, 2655, 240}, "etäisyys palkin tuelta", &fraSaumatpinta};
    TextBox txtSaumanetaisyys{*this, "txtSaumanetaisyys", {2820, 1200, 855, 285}, "0", &fraSaumatpinta};
    Label lblSaumamm{*this, "lblSaumamm", {3720, 1230, 495, 255}, "mm", &fraSaumatpinta};
    Label lblPintapaksuus{*this, "lblPintapaksuus", {5040, 300, 2655, 255}, "Pintabetonin paksuus", &fraSaumatpinta};
    TextBox txtPintapaksuus{*this, "txtPintapaksuus", {7740, 270, 855, 285}, "35", &fraSaumatpinta};
    Label lblPintamm{*this, "lblPintamm", {8640, 300, 735, 255}, "mm", &fraSaumatpinta};
    Label lblRaudoiteala{*this, "lblRaudoiteala", {5040, 720, 2655, 255}, "Pintabetonin raudoitus", &fraSaumatpinta};
    TextBox txtRaudoiteala{*this, "txtRaudoiteala", {7740, 690, 855, 285}, "130", &fraSaumatpinta};
    Label lblRaudoiteyksikko{*this, "lblRaudoiteyksikko", {8640, 720, 735, 255}, "mm ²/m", &fraSaumatpinta};
    Label lblRaudoitelujuus{*this, "lblRaudoitelujuus", {5040, 1140, 2655, 255}, "Raudoituksen myötölujuus", &fraSaumatpinta};
    TextBox txtRaudoitelujuus{*this, "txtRaudoitelujuus", {7740, 1110, 855, 285}, "500", &fraSaumatpinta};
    Label lblLujuusMPa{*this, "lblLujuusMPa", {8640, 1140, 735, 255}, "MPa", &fraSaumatpinta};

    CommandButton cmdOK{*this, "cmdOK", {7020, 7080, 1455, 375}, "OK"};
    CommandButton cmdPeruuta{*this, "cmdPeruuta", {8700, 7080, 1455, 375}, "Peruuta"};

    void Form_Load();
    void cmdOK_Click();
    void cmdKopioioikealle_Click() { copyField(1, 2); }
    void cmdKopioivasemmalle_Click() { copyField(2, 1); }
    // The strand designations of the named slab type in the list, and the
    // given designation as the combo's text.
    void FillStrandList(ComboBox& strandCombo, const std::string& slabTypeName, const std::string& designation);
    // The contradiction lines of the slab bearing as the boxes stand, and
    // of a missing bottom strand designation.
    void CheckSlabFieldGeometry(std::string& lines, int16_t& found);

private:
    struct Field;
    Field field(int side);
    void slabTypeRule(int side);
    void copyField(int from, int to);
    // The bounds of the joint grout and the support length boxes of a side
    // as they stand; the grout's check warns below 30 mm.
    app::BoxCheck jointGroutCheck(int side);
    app::BoxCheck supportLengthCheck(int side);
    bool checkJointGrout(int side, std::string& kept);
    bool checkSlabConcrete(int side, std::string& kept);
    // What is wrong with the side's bottom or top strand designation for
    // the slab type chosen (in the windows' language); nothing when it is
    // taken, or for an empty bottom combo.
    std::optional<std::string> strandFault(int side, model::StrandLayer layer);
    // The seat width of the side that the joint grout and support length
    // share, from the beam family.
    double seatWidth(int side) const;
    std::optional<model::BeamFamily> beamFamily() const;  // by the code as it stands
    // The side's bottom or top strand designation as typed, without the
    // blanks around it.
    std::string designation(int side, model::StrandLayer layer);
    void writeInput(ProjectModel& m);

    // The slab type each side's strand list was filled for (left, right):
    // a type chosen anew gives the side its first designation.
    std::array<std::string, 2> strandListType_;
};

}  // namespace quorvel::dialogs
