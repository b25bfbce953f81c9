#pragma once
// The about window: the design task and program name, the version, a slab
// cross-section drawing, the basis of the method, the credits, the
// conditions of use, a warning, a disclaimer and the rights notice. Shown
// modally at every start and from the help menu; a click on the window
// cycles the drawing through its shear and crack lines and its small picture.

#include "model/project_model.h"
#include "platform/forms/form.h"

namespace quorvel::app {

class frmAbout : public platform::Form {
public:
    using CommandButton = platform::CommandButton;
    using Label = platform::Label;
    using Line = platform::Line;
    using PictureBox = platform::PictureBox;
    using Shape = platform::Shape;

    frmAbout(model::ProjectModel& m, platform::Platform& p);
    ~frmAbout() override;

    Label lblOtsikko{*this, "lblOtsikko", {120, 240, 11556, 300},
                     "P A L K I N   V A R A A N   T U E T T U J E N   O N T E L O L A A T T O J E N   M I T O I T U S"};
    Label lblOhjelma{*this, "lblOhjelma", {120, 600, 11556, 300}, "Q U O R V E L"};
    Label txtVersio{*this, "txtVersio", {120, 960, 11556, 300}, "versio"};

    // The slab drawing: a hollow-core slab with five cores on its bearing,
    // then the five white lines that the click cycle shows over it.
    Shape shpLaatta{*this, "shpLaatta", {480, 1800, 4800, 1200}};
    Shape shpOntelo1{*this, "shpOntelo1", {720, 2040, 720, 720}, platform::ShapeKind::Circle};
    Shape shpOntelo2{*this, "shpOntelo2", {1620, 2040, 720, 720}, platform::ShapeKind::Circle};
    Shape shpOntelo3{*this, "shpOntelo3", {2520, 2040, 720, 720}, platform::ShapeKind::Circle};
    Shape shpOntelo4{*this, "shpOntelo4", {3420, 2040, 720, 720}, platform::ShapeKind::Circle};
    Shape shpOntelo5{*this, "shpOntelo5", {4320, 2040, 720, 720}, platform::ShapeKind::Circle};
    Shape shpTuki{*this, "shpTuki", {480, 3000, 600, 180}};
    Line linLeikkaus1{*this, "linLeikkaus1", 840, 3000, 1320, 2040};
    Line linLeikkaus2{*this, "linLeikkaus2", 1200, 3000, 1680, 2040};
    Line linLeikkaus3{*this, "linLeikkaus3", 1560, 3000, 2040, 2040};
    Line linHalkeama1{*this, "linHalkeama1", 3000, 3000, 3000, 2520};
    Line linHalkeama2{*this, "linHalkeama2", 3600, 3000, 3600, 2400};
    PictureBox picKuva{*this, "picKuva", {5520, 2280, 465, 465}};

    Label lblPerustaOtsikko{*this, "lblPerustaOtsikko", {6240, 1560, 5400, 255}, "Laskentamenetelmän perusta:"};
    Label lblPerusta{*this, "lblPerusta", {6240, 1860, 5400, 1020},
                     "Julkaistu suunnitteluohje joustavien palkkien varaan tuettujen ontelolaattojen mitoituksesta "
                     "sekä standardi EN 1992-1-1 (eurokoodi 2) kansallisine liitteineen."};
    Label lblTekijatOtsikko{*this, "lblTekijatOtsikko", {6240, 3000, 5400, 255}, "Ohjelman tekijät:"};
    Label lblTekijat{*this, "lblTekijat", {6240, 3300, 5400, 1020},
                     "Laskentaosan ja käyttöliittymän ovat laatineet ohjelman tekijät. Yhden palkkiperheen "
                     "laskenta on laadittu yhdessä toisen tekijän kanssa."};
    Label lblEhdot{*this, "lblEhdot", {480, 4560, 10836, 540},
                   "Ohjelman käyttäjän tulee hallita edellä mainitun suunnitteluohjeen mukainen mitoitusmenetelmä "
                   "ja sen soveltamisalue."};
    Label lblVaroitus{*this, "lblVaroitus", {480, 5160, 10836, 300}, "Älä käytä ohjelmaa ilman näitä tietoja!"};
    Label lblVastuu{*this, "lblVastuu", {480, 5580, 10836, 720},
                    "Ohjelman tekijät eivät vastaa ohjelman käytöstä tai laskentatuloksista aiheutuvista "
                    "vahingoista käyttäjälle eikä kolmansille osapuolille. Käyttäjä vastaa tulosten "
                    "tarkistamisesta."};
    Label lblOikeudet{*this, "lblOikeudet", {480, 6420, 10836, 300}, "Kaikki oikeudet pidätetään."};
    CommandButton cmdOK{*this, "cmdOK", {5160, 7140, 1455, 375}, "OK"};

    void Form_Load();
    void Form_Click();
    void cmdOK_Click();

private:
    void drawSmallPicture();

    model::ProjectModel& model_;
};

}  // namespace quorvel::app
