#pragma once
// The main window: the start-up window and the only non-modal one. The slab
// fields of both sides drawn as a cross-section with the most used inputs
// on the drawing, the beam location and type, the two title lines, the
// eight utilisation gauges, the menus and the button row.
//
// The window owns its controls, its handlers and the parsed data files; the project model and the
// platform are the program's and outlive it. Places are twips in the
// container.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/dialog_openers.h"
#include "app/project_state.h"
#include "model/project_model.h"
#include "platform/forms/form.h"
#include "runtime/data_files.h"
#include "runtime/text_file.h"

namespace quorvel::analysis {
struct BeamMomentCheck;
}

namespace quorvel::app {

class frmQuorvel : public platform::Form, public MainWindowState {
public:
    using ComboBox = platform::ComboBox;
    using ComboStyle = platform::ComboStyle;
    using CommandButton = platform::CommandButton;
    using Frame = platform::Frame;
    using Image = platform::Image;
    using Label = platform::Label;
    using Line = platform::Line;
    using Menu = platform::Menu;
    using OptionButton = platform::OptionButton;
    using PictureBox = platform::PictureBox;
    using Shape = platform::Shape;
    using TextBox = platform::TextBox;

    frmQuorvel(model::ProjectModel& m, platform::Platform& p);
    ~frmQuorvel() override;

    model::ProjectModel& model() const { return model_; }

    // --- Menus -------------------------------------------------------------
    Menu mnuMain{*this, "mnuMain", "&Tiedosto"};
    Menu cmdUusi{*this, "cmdUusi", "&Uusi", &mnuMain, "Ctrl+N"};
    Menu mnu0{*this, "mnu0", "-", &mnuMain};
    Menu cmdAvaalahto{*this, "cmdAvaalahto", "&Avaa lähtötiedot...", &mnuMain, "Ctrl+O"};
    Menu cmdTallennalahto{*this, "cmdTallennalahto", "&Tallenna lähtötiedot", &mnuMain, "Ctrl+S"};
    Menu cmdTallennalahtoNimella{*this, "cmdTallennalahtoNimella", "Tallenna lähtötiedot &nimellä...", &mnuMain,
                                 "Ctrl+A"};
    Menu mnu1{*this, "mnu1", "-", &mnuMain};
    Menu cmdTallennatulokset{*this, "cmdTallennatulokset", "Tallenna tul&okset", &mnuMain};
    Menu cmdTallennatuloksetNimella{*this, "cmdTallennatuloksetNimella", "Tallenna tulokset ni&mellä...", &mnuMain};
    Menu mnu5{*this, "mnu5", "-", &mnuMain};
    Menu cmdTulosta{*this, "cmdTulosta", "Tulo&sta", &mnuMain, "Ctrl+P"};
    Menu mnu6{*this, "mnu6", "-", &mnuMain};
    Menu cmdKieli{*this, "cmdKieli", "&Kieli", &mnuMain};
    Menu cmdSuomi{*this, "cmdSuomi", "&Suomi", &cmdKieli};
    Menu cmdEnglanti{*this, "cmdEnglanti", "&Englanti", &cmdKieli};
    Menu mnu9{*this, "mnu9", "-", &mnuMain};
    Menu cmdLopeta{*this, "cmdLopeta", "&Lopeta", &mnuMain};

    Menu mnuLahtotiedot{*this, "mnuLahtotiedot", "&Lähtötiedot"};
    Menu cmdLaatasto0{*this, "cmdLaatasto0", "&Laatasto...", &mnuLahtotiedot};
    Menu cmdLaatankuormat0{*this, "cmdLaatankuormat0", "Laatan k&uormat...", &mnuLahtotiedot};
    Menu cmdReiat0{*this, "cmdReiat0", "&Reiät...", &mnuLahtotiedot};
    Menu mnu2{*this, "mnu2", "-", &mnuLahtotiedot};
    Menu cmdPalkki0{*this, "cmdPalkki0", "&Palkki...", &mnuLahtotiedot};
    Menu mnu3{*this, "mnu3", "-", &mnuLahtotiedot};
    Menu cmdKuormat0{*this, "cmdKuormat0", "Palkin kuor&mat...", &mnuLahtotiedot};
    Menu cmdTukimomentit0{*this, "cmdTukimomentit0", "&Tukimomentit...", &mnuLahtotiedot};
    Menu mnu4{*this, "mnu4", "-", &mnuLahtotiedot};
    Menu cmdKertoimet{*this, "cmdKertoimet", "&Kertoimet ja sallittu halkeama...", &mnuLahtotiedot};

    Menu mnuTulokset{*this, "mnuTulokset", "T&ulokset"};
    Menu cmdLaske0{*this, "cmdLaske0", "&Laske", &mnuTulokset};
    Menu mnu7{*this, "mnu7", "-", &mnuTulokset};
    Menu cmdTaulukko0{*this, "cmdTaulukko0", "&Taulukko...", &mnuTulokset};
    Menu cmdTeksti{*this, "cmdTeksti", "T&eksti...", &mnuTulokset};

    Menu mnuOhje{*this, "mnuOhje", "&Ohje"};
    Menu cmdOhje{*this, "cmdOhje", "Käyttö&ohje", &mnuOhje};
    Menu mnu8{*this, "mnu8", "-", &mnuOhje};
    Menu cmdTietoja{*this, "cmdTietoja", "&Tietoja ohjelmasta...", &mnuOhje};

    // --- Button row ----------------------------------------------------------
    Shape shpPainikerivi{*this, "shpPainikerivi", {0, 0, 11955, 375}};
    Line linPainikerivi{*this, "linPainikerivi", 0, 288, 11955, 288};
    CommandButton cmdLaatasto{*this, "cmdLaatasto", {0, 0, 1455, 375}, "Laatasto"};
    CommandButton cmdLaatankuormat{*this, "cmdLaatankuormat", {1440, 0, 1695, 375}, "Laatan kuormat"};
    CommandButton cmdReiat{*this, "cmdReiat", {3120, 0, 1455, 375}, "Reiät"};
    CommandButton cmdPalkki{*this, "cmdPalkki", {4560, 0, 1455, 375}, "Palkki"};
    CommandButton cmdKuormat{*this, "cmdKuormat", {6000, 0, 1455, 375}, "Palkin kuormat"};
    CommandButton cmdTukimomentit{*this, "cmdTukimomentit", {7440, 0, 1455, 375}, "Tukimomentit"};
    CommandButton cmdTaulukko{*this, "cmdTaulukko", {9840, 0, 1455, 375}, "Laske"};
    Image imgFlag{*this, "imgFlag", {11400, 0, 384, 240}};
    Image imgFlagFin{*this, "imgFlagFin", {240, 8280, 384, 240}};
    Image imgFlagEng{*this, "imgFlagEng", {720, 8280, 384, 240}};

    // --- Titles ---------------------------------------------------------------
    Frame FraOtsikot{*this, "FraOtsikot", {60, 420, 6915, 975}, "Otsikot"};
    TextBox txtOtsikko1{*this, "txtOtsikko1", {120, 240, 6675, 285}, &FraOtsikot};
    TextBox txtOtsikko2{*this, "txtOtsikko2", {120, 600, 6675, 285}, &FraOtsikot};

    // --- Input frame with the cross-section drawing ----------------------------
    Frame fLahtotiedot{*this, "fLahtotiedot", {60, 1440, 6915, 6855}};

    // The drawing first, so that the inputs lie on top of it. The lower
    // (left) slab bears on the beam top at 4500; the higher (right) one on
    // the bed under its end, 4380 to 4500. The topping lies over both.
    Shape shpVasenlaatta{*this, "shpVasenlaatta", {1500, 3900, 1380, 600}, platform::ShapeKind::Rectangle,
                         &fLahtotiedot};
    Shape shpOikealaatta{*this, "shpOikealaatta", {4095, 3780, 1380, 600}, platform::ShapeKind::Rectangle,
                         &fLahtotiedot};
    Shape shpSauma{*this, "shpSauma", {2880, 3690, 1215, 810}, platform::ShapeKind::Rectangle, &fLahtotiedot};
    Shape shpPaalla{*this, "shpPaalla", {1500, 3690, 3975, 90}, platform::ShapeKind::Rectangle, &fLahtotiedot};
    Line linYlempiyla{*this, "linYlempiyla", 4095, 4380, 6900, 4380, &fLahtotiedot};
    Line linAlempiyla{*this, "linAlempiyla", 240, 4500, 2880, 4500, &fLahtotiedot};
    Line linViiva{*this, "linViiva", 2370, 4500, 4605, 4500, &fLahtotiedot};
    Line linKeskivino{*this, "linKeskivino", 3487, 4500, 3487, 5100, &fLahtotiedot};
    Line linVasenpysty{*this, "linVasenpysty", 2880, 3780, 2880, 4500, &fLahtotiedot};
    Line linVasenvino{*this, "linVasenvino", 2370, 4980, 2490, 5100, &fLahtotiedot};
    Line linOikeapysty{*this, "linOikeapysty", 4095, 3780, 4095, 4380, &fLahtotiedot};
    Line linOikeavino{*this, "linOikeavino", 4605, 4980, 4485, 5100, &fLahtotiedot};

    Label lblVasenlaattatyyppiOtsikko{*this, "lblVasenlaattatyyppiOtsikko", {60, 225, 2010, 255}, "Laattatyyppi",
                                      &fLahtotiedot};
    ComboBox cboVasenlaattatyyppi{*this, "cboVasenlaattatyyppi", {2100, 180, 1215, 315}, ComboStyle::DropDownList,
                                  &fLahtotiedot};
    Label lblOikealaattatyyppiOtsikko{*this, "lblOikealaattatyyppiOtsikko", {3480, 225, 2010, 255}, "Laattatyyppi",
                                      &fLahtotiedot};
    ComboBox cboOikealaattatyyppi{*this, "cboOikealaattatyyppi", {5520, 180, 1215, 315}, ComboStyle::DropDownList,
                                  &fLahtotiedot};
    Label Label1{*this, "Label1", {60, 600, 2010, 255}, "Pysyvä hyötykuorma", &fLahtotiedot};
    TextBox txtVasenlaatastopysyva{*this, "txtVasenlaatastopysyva", {2100, 600, 555, 285}, "0.5", &fLahtotiedot};
    Label fLabel5{*this, "fLabel5", {2700, 630, 720, 255}, "kN/m ²", &fLahtotiedot};
    Label Label3{*this, "Label3", {3480, 600, 2010, 255}, "Pysyvä hyötykuorma", &fLahtotiedot};
    TextBox txtOikealaatastopysyva{*this, "txtOikealaatastopysyva", {5520, 600, 555, 285}, "0.5", &fLahtotiedot};
    Label fLabel7{*this, "fLabel7", {6120, 630, 720, 255}, "kN/m ²", &fLahtotiedot};
    Label Label2{*this, "Label2", {60, 1020, 2010, 255}, "Muuttuva hyötykuorma", &fLahtotiedot};
    TextBox txtVasenlaatastomuuttuva{*this, "txtVasenlaatastomuuttuva", {2100, 1020, 555, 285}, "2.5",
                                     &fLahtotiedot};
    Label fLabel8{*this, "fLabel8", {2700, 1050, 720, 255}, "kN/m ²", &fLahtotiedot};
    Label Label4{*this, "Label4", {3480, 1020, 2010, 255}, "Muuttuva hyötykuorma", &fLahtotiedot};
    TextBox txtOikealaatastomuuttuva{*this, "txtOikealaatastomuuttuva", {5520, 1020, 555, 285}, "2.5",
                                     &fLahtotiedot};
    Label fLabel9{*this, "fLabel9", {6120, 1050, 720, 255}, "kN/m ²", &fLahtotiedot};

    Label lblSaumabetoniotsikko{*this, "lblSaumabetoniotsikko", {1200, 1485, 2595, 255},
                                "Saumavalun betoni         C", &fLahtotiedot};
    ComboBox cboSaumabetoni{*this, "cboSaumabetoni", {3840, 1440, 1095, 315}, ComboStyle::DropDownCombo,
                            &fLahtotiedot};
    Label lSaumaluokka{*this, "lSaumaluokka", {4980, 1485, 135, 255}, "-", &fLahtotiedot};
    ComboBox cboSaumaluokka{*this, "cboSaumaluokka", {5160, 1440, 495, 315}, ComboStyle::DropDownList,
                            &fLahtotiedot};
    Label Label17{*this, "Label17", {1200, 1860, 2595, 255}, "Ensimmäisen sauman", &fLahtotiedot};
    Label Label18{*this, "Label18", {1200, 2070, 2595, 255}, "etäisyys palkin tuelta", &fLahtotiedot};
    TextBox txtSaumanetaisyys{*this, "txtSaumanetaisyys", {3840, 1920, 855, 285}, "0", &fLahtotiedot};
    Label fLabel19{*this, "fLabel19", {4740, 1950, 495, 255}, "mm", &fLahtotiedot};
    Label lblPintabetoniotsikko{*this, "lblPintabetoniotsikko", {1200, 2385, 2595, 255},
                                "Pintabetoni                    C", &fLahtotiedot};
    ComboBox cboPintabetoni{*this, "cboPintabetoni", {3840, 2340, 1095, 315}, ComboStyle::DropDownCombo,
                            &fLahtotiedot};
    Label lPintaluokka{*this, "lPintaluokka", {4980, 2385, 135, 255}, "-", &fLahtotiedot};
    ComboBox cboPintaluokka{*this, "cboPintaluokka", {5160, 2340, 495, 315}, ComboStyle::DropDownList,
                            &fLahtotiedot};
    Label Label14{*this, "Label14", {1200, 2805, 2595, 255}, "Pintabetonin raudoitus", &fLahtotiedot};
    TextBox txtRaudoiteala{*this, "txtRaudoiteala", {3840, 2760, 855, 285}, "130", &fLahtotiedot};
    Label fLabel13{*this, "fLabel13", {4740, 2790, 735, 255}, "mm ²/m", &fLahtotiedot};
    Label Label11{*this, "Label11", {1200, 3345, 2595, 255}, "Raudoituksen myötölujuus", &fLahtotiedot};
    TextBox txtRaudoitelujuus{*this, "txtRaudoitelujuus", {3840, 3300, 855, 285}, "500", &fLahtotiedot};
    Label fLabel21{*this, "fLabel21", {4740, 3330, 495, 255}, "MPa", &fLahtotiedot};

    TextBox txtVasensaumavalu{*this, "txtVasensaumavalu", {2880, 3720, 495, 285}, "50", &fLahtotiedot};
    TextBox txtOikeasaumavalu{*this, "txtOikeasaumavalu", {3600, 3720, 495, 285}, "50", &fLahtotiedot};
    TextBox txtVasenontelotaytto{*this, "txtVasenontelotaytto", {1500, 3840, 615, 285}, "150", &fLahtotiedot};
    TextBox txtOikeaontelotaytto{*this, "txtOikeaontelotaytto", {4740, 3840, 615, 285}, "150", &fLahtotiedot};
    TextBox txtPintapaksuus{*this, "txtPintapaksuus", {5520, 4020, 855, 285}, "35", &fLahtotiedot};
    Label Label33{*this, "Label33", {5040, 4440, 1815, 555}, "Korkeammalla olevan ontelolaatan pintabetonin paksuus",
                  &fLahtotiedot};
    TextBox txtVasenlaatanalavali{*this, "txtVasenlaatanalavali", {420, 5040, 615, 285}, "5", &fLahtotiedot};
    TextBox txtOikealaatanalavali{*this, "txtOikealaatanalavali", {5880, 5040, 615, 285}, "5", &fLahtotiedot};
    TextBox txtVasentukipituus{*this, "txtVasentukipituus", {1620, 5220, 615, 285}, "65", &fLahtotiedot};
    TextBox txtOikeatukipituus{*this, "txtOikeatukipituus", {4620, 5220, 615, 285}, "65", &fLahtotiedot};
    Label Label10{*this, "Label10", {120, 5925, 2295, 255}, "Palkkivälit alkupäässä", &fLahtotiedot};
    TextBox txtVasenalkuvali{*this, "txtVasenalkuvali", {2460, 5880, 855, 285}, "7200", &fLahtotiedot};
    TextBox txtOikeaalkuvali{*this, "txtOikeaalkuvali", {3600, 5880, 855, 285}, "7200", &fLahtotiedot};
    Label Label6{*this, "Label6", {120, 6405, 2295, 255}, "Palkkivälit loppupäässä", &fLahtotiedot};
    TextBox txtVasenloppuvali{*this, "txtVasenloppuvali", {2460, 6360, 855, 285}, "7200", &fLahtotiedot};
    TextBox txtOikealoppuvali{*this, "txtOikealoppuvali", {3600, 6360, 855, 285}, "7200", &fLahtotiedot};

    // --- Beam location ----------------------------------------------------------
    Frame FraPalkinSijainti{*this, "FraPalkinSijainti", {7080, 420, 4815, 732}, "Palkin sijainti"};
    OptionButton optKeskipalkki{*this, "optKeskipalkki", {120, 420, 2175, 255}, "&Keskipalkki", &FraPalkinSijainti};
    OptionButton optReunapalkki{*this, "optReunapalkki", {2460, 420, 2175, 255}, "&Reunapalkki", &FraPalkinSijainti};

    // --- Beam type ------------------------------------------------------------------
    Frame fraPalkkityyppi{*this, "fraPalkkityyppi", {7080, 1080, 4815, 1692}, "Palkkityyppi"};
    Label Label51{*this, "Label51", {120, 240, 1095, 255}, "Betoni", &fraPalkkityyppi};
    Label Label52{*this, "Label52", {1320, 240, 855, 255}, "Teräs", &fraPalkkityyppi};
    Label Label53{*this, "Label53", {2160, 240, 1455, 255}, "Liittopalkki", &fraPalkkityyppi};
    OptionButton optSuora{*this, "optSuora", {120, 480, 1095, 255}, "&SUORA", &fraPalkkityyppi};
    OptionButton optBLeuka{*this, "optBLeuka", {120, 840, 1095, 255}, "BL&EUKA", &fraPalkkityyppi};
    OptionButton optI{*this, "optI", {120, 1200, 1155, 255}, "I-BETO&NI", &fraPalkkityyppi};
    OptionButton optHQ{*this, "optHQ", {1320, 480, 735, 255}, "W&Q", &fraPalkkityyppi};
    OptionButton OptCWQ{*this, "OptCWQ", {1320, 840, 735, 255}, "&CWQ", &fraPalkkityyppi};
    OptionButton optTI{*this, "optTI", {1320, 1200, 735, 255}, "T&I", &fraPalkkityyppi};
    OptionButton optJalo{*this, "optJalo", {1320, 1440, 735, 255}, "&JALO", &fraPalkkityyppi};
    OptionButton optDelta{*this, "optDelta", {2160, 480, 1035, 255}, "&DELTA", &fraPalkkityyppi};
    OptionButton optKvatro{*this, "optKvatro", {2160, 840, 1095, 255}, "K&VATRO", &fraPalkkityyppi};
    OptionButton optMEK{*this, "optMEK", {2160, 1200, 1035, 255}, "&MEK", &fraPalkkityyppi};
    OptionButton optSuper{*this, "optSuper", {2160, 1440, 1035, 255}, "SU&PER", &fraPalkkityyppi};
    OptionButton optLBL{*this, "optLBL", {3240, 480, 675, 255}, "LBL", &fraPalkkityyppi};
    OptionButton optLB{*this, "optLB", {3960, 480, 735, 255}, "L&B", &fraPalkkityyppi};
    OptionButton OptApalkki{*this, "OptApalkki", {3360, 720, 1335, 255}, "A BEAM &W", &fraPalkkityyppi};
    OptionButton OptAbeamS{*this, "OptAbeamS", {3360, 1080, 1335, 255}, "&A BEAM S", &fraPalkkityyppi};

    // --- Utilisation gauges -------------------------------------------------------------
    Frame FraKayttoasteet{*this, "FraKayttoasteet", {7080, 2880, 4815, 5415}, "Käyttöasteet %"};
    Label Label26{*this, "Label26", {120, 360, 3255, 255}, "Vasen ontelolaatta:", &FraKayttoasteet};
    Label Label22{*this, "Label22", {120, 780, 1455, 255}, "Leikkaus", &FraKayttoasteet};
    PictureBox picVasenleikkaus{*this, "picVasenleikkaus", {1680, 720, 3015, 375}, &FraKayttoasteet};
    Label Label24{*this, "Label24", {120, 1140, 1455, 255}, "Taivutus", &FraKayttoasteet};
    PictureBox picVasentaipuma{*this, "picVasentaipuma", {1680, 1140, 3015, 255}, &FraKayttoasteet};
    Label Label23{*this, "Label23", {120, 1380, 1455, 255}, "Halkeilu", &FraKayttoasteet};
    PictureBox picVasenhalkeilu{*this, "picVasenhalkeilu", {1680, 1380, 3015, 255}, &FraKayttoasteet};
    Line linErotin1{*this, "linErotin1", 120, 1740, 4695, 1740, &FraKayttoasteet};
    Label Label31{*this, "Label31", {120, 1860, 3255, 255}, "Oikea ontelolaatta:", &FraKayttoasteet};
    Label Label30{*this, "Label30", {120, 2280, 1455, 255}, "Leikkaus", &FraKayttoasteet};
    PictureBox picOikealeikkaus{*this, "picOikealeikkaus", {1680, 2220, 3015, 375}, &FraKayttoasteet};
    Label Label28{*this, "Label28", {120, 2640, 1455, 255}, "Taivutus", &FraKayttoasteet};
    PictureBox picOikeataipuma{*this, "picOikeataipuma", {1680, 2640, 3015, 255}, &FraKayttoasteet};
    Label Label29{*this, "Label29", {120, 2880, 1455, 255}, "Halkeilu", &FraKayttoasteet};
    PictureBox picOikeahalkeilu{*this, "picOikeahalkeilu", {1680, 2880, 3015, 255}, &FraKayttoasteet};
    Line linErotin2{*this, "linErotin2", 120, 3240, 4695, 3240, &FraKayttoasteet};
    Label Label27{*this, "Label27", {120, 3360, 3255, 255}, "Palkki:", &FraKayttoasteet};
    Label Label25{*this, "Label25", {120, 3720, 1455, 255}, "Taivutus", &FraKayttoasteet};
    PictureBox picPalkkitaipuma{*this, "picPalkkitaipuma", {1680, 3720, 3015, 255}, &FraKayttoasteet};
    Label Label32{*this, "Label32", {120, 3960, 1455, 255}, "Venymä", &FraKayttoasteet};
    PictureBox picVenyma{*this, "picVenyma", {1680, 3960, 3015, 255}, &FraKayttoasteet};
    Line linErotin3{*this, "linErotin3", 120, 4260, 4695, 4260, &FraKayttoasteet};
    Label Label20{*this, "Label20", {120, 4320, 4575, 435},
                  "Venymä on laskettu alempana olevan ontelolaatan tukipinnan tasossa!", &FraKayttoasteet};
    Line linErotin4{*this, "linErotin4", 120, 4815, 4695, 4815, &FraKayttoasteet};
    Label txtOntelotaytto1{*this, "txtOntelotaytto1", {180, 4920, 4515, 255}, "HUOM!  Ontelotäyttöä tarvitaan!",
                           &FraKayttoasteet};
    Label txtOntelotaytto2{*this, "txtOntelotaytto2", {900, 5100, 3795, 255}, "KS. Taulukko", &FraKayttoasteet};

    // --- Start-up, paint and unload ----------------------------------------------------
    void Form_Load();
    void Form_Paint();
    void Form_Unload(int& cancel);

    // The eight gauges from the results, or all stale.
    void DrawResultGauges();
    void ClearResultGauges();

    // The Calculate command (run_calculation.cpp): questions, the run, and
    // its outcome in the window.
    void RunCalculation();
    // The core-filling notice of the current results in the window's
    // language (empty labels when none is needed or the results are stale).
    void showCoreFillingNotice();

    // The help file of the help command: the user's guide in the language
    // of the windows (the English one for English, the Finnish one
    // otherwise).
    std::string helpFileName() const;

    // MainWindowState
    void hideCoreFillingNotices() override;
    void clearResultGauges() override { ClearResultGauges(); }
    void setTableButtonCaption(const std::string& caption) override;
    void enableCalculateCommand() override;
    // The title: the program and its version, the project's file name and
    // " *" while the input has changes not saved.
    void showProjectTitle() override;

    // --- Input, beam-type, list and refresh handlers (frm_quorvel_inputs/beam/lists/refresh.cpp)
    // Connects the event slots of the boxes, lists and options to their handlers.
    void wireInputHandlers();
    // Fills the window from the model.
    void RefreshMainForm();
    // Middle beam (slab fields on both sides) and edge beam (right side only).
    void optKeskipalkki_Click();
    void optReunapalkki_Click();
    // Shows the topping load of both sides.
    void txtPintapaksuus_DblClick();
    // --- end of input handlers

    // --- Dialog openers (frm_quorvel_dialogs.cpp)
    // Makes a dialog available to its opener (by its form name) and enables
    // the opener's button and menu item.
    void registerDialog(const std::string& formName, DialogFactory factory);
    bool hasDialog(const std::string& formName) const;
    // The beam command: the beam dialog of the selected beam-type option.
    void ShowBeamForm();
    // --- end of dialog openers

    // --- File, result, help and language commands (file_commands.cpp, result_commands.cpp)
    // The file menu: new project, open, save the input under its name or a
    // new one, save the report under its name or a new one, quit. New,
    // open and quit first ask whether to save a changed project.
    void NewProject();
    void OpenInputFile();
    void SaveInputFile();
    void SaveInputFileAs();
    void SaveResultsFile();
    void SaveResultsFileAs();
    void QuitProgram();
    // The results table: the button calculates while the results are stale
    // and shows the table once they are valid; the menu item calculates
    // when needed and shows the table in any case.
    void ShowResultTable();
    void cmdTaulukko0_Click();
    // The report in the viewer, and printed.
    void ShowReportText();
    void PrintReport();
    // The help document at its contents.
    void ShowHelpFile();
    // The language of the windows, the report and the table.
    void SwitchToFinnish();
    void SwitchToEnglish();
    // --- end of file, result, help and language commands

private:
    void wireDialogOpeners();
    // Shows the dialog modally; after stored changes refreshes the window
    // (when asked) and marks the input changed.
    void openDialog(const std::string& formName, bool refreshAfterChange);
    void buildDrawing();
    void wireCommands();
    void wireCalculationCommands();
    void cmdTietoja_Click();
    // file_commands.cpp, result_commands.cpp
    void wireProjectCommands();
    // The model and window of a new project, as New and Open start them.
    void startNewProject();
    bool readProjectFile(const std::string& fileName);
    bool textFieldsStorable();
    bool askToSaveWork();
    // The project as it was before a read that failed, in the model and
    // the window; its results are to be calculated anew.
    void restoreProject(const model::ProjectModel& before);
    // The save dialog's name with the extension added when it has none
    // (or ends in a point), once the user agreed to replace a file of that
    // name; empty when the dialog was cancelled, the user did not agree, or
    // the name was refused with a message (a folder, a name longer than
    // the folder takes).
    std::string chosenSaveName(const std::string& title, const std::string& filter, const char* extension,
                               const std::string& projectFile);
    // Saves through write; on failure names the file and the reason.
    bool saved(int16_t error, const std::string& fileName);
    // A file as this copy last opened or saved it, so that a save asks
    // before it replaces what another program (or copy) wrote there since.
    struct FileOnDisk {
        std::string path;
        runtime::FileContents contents;
        bool opened = false;  // opened since it was last saved here
    };
    enum class SaveOutcome { Saved, NotSaved, SaveAs };
    // Saves fileName through write, checked against known when that is the
    // file last opened or saved; asks when the file changed on disk, and
    // says when its group could not be kept. known then tells the file as
    // saved.
    SaveOutcome saveChecked(const std::string& fileName, FileOnDisk& known,
                            const std::function<int16_t(runtime::SaveCheck*)>& write);
    // The folder a file dialog opens in, and remembering the one used.
    std::string dialogFolder(const std::string& projectFile);
    void rememberFolder(const std::string& fileName);
    // Calculates while the results are stale; true when the model then
    // holds results of the current input (a calculation ran and succeeded).
    bool resultsOfCurrentInput();
    bool writeReportForViewing();
    // The work folder made ready for a command that writes work files;
    // false, after a message saying where one was sought, when none can be
    // made (run_calculation.cpp).
    bool workFolderReady();
    void switchLanguage(int16_t languageIndex);
    void showLanguageFlag();

    model::ProjectModel& model_;
    FileOnDisk inputOnDisk_;
    FileOnDisk resultsOnDisk_;
    // What the readers parsed from the data files, for every calculation of
    // this window's projects; the model points to it while the window lives.
    runtime::DataFileCache dataFiles_;
    // The window's caption in the language of the windows, without the
    // version and the project.
    std::string titleBase_ = "Quorvel";
    // The start-up asked the platform for the work folder: the commands
    // then work in the one it gives (code driven without the start-up
    // works in its data folder).
    bool workFolderSought_ = false;
    // The texts of the language file a gauge shows in place of a check
    // that is not made ("not applicable", "not checked"), by key, and the
    // language they are of.
    std::pair<int16_t, std::map<std::string, std::string>> gaugeTexts_{-1, {}};
    const std::string& gaugeText(const std::string& key);
    void drawBeamGauge(platform::PictureBox& pic, const analysis::BeamMomentCheck& check, double ratio);
    // The fixed elements of the cross-section drawing.
    std::vector<std::unique_ptr<platform::Control>> drawing_;
    std::map<std::string, DialogFactory> dialogFactories_;
};

}  // namespace quorvel::app
