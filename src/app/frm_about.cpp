#include "app/frm_about.h"

#include "app/input_tools.h"
#include "app/language.h"

namespace quorvel::app {

namespace {

constexpr platform::Color Grey = platform::rgb(192, 192, 192);
constexpr platform::Color SlabGrey = platform::rgb(160, 160, 160);

// The version text ("Versio 8.38 /EC 17.03.2017") with its leading word in
// the window's language.
std::string versionLine(const std::string& versionText, int16_t languageIndex) {
    const std::string word = "Versio ";
    if (versionText.rfind(word, 0) != 0) return versionText;
    return byLanguage(languageIndex, word, "Version ") + versionText.substr(word.size());
}

}  // namespace

frmAbout::frmAbout(model::ProjectModel& m, platform::Platform& p)
    : Form(p, "frmAbout", "Tietoja ohjelmasta", 11796, 7788), model_(m) {
    setBackColor(Grey);
    setFont(platform::Font{"Arial", 9});

    platform::Font bold{"Arial", 9, true};
    for (Label* l : {&lblOtsikko, &lblOhjelma, &txtVersio}) {
        l->setAlignment(platform::Alignment::Center);
        l->setFont(bold);
    }
    for (Label* l : {&lblPerustaOtsikko, &lblTekijatOtsikko, &lblVaroitus}) l->setFont(bold);
    for (Label* l : {&lblOtsikko, &lblOhjelma, &txtVersio, &lblPerustaOtsikko, &lblPerusta, &lblTekijatOtsikko,
                     &lblTekijat, &lblEhdot, &lblVaroitus, &lblVastuu, &lblOikeudet})
        l->setTransparent(true);

    shpLaatta.setFill(true, SlabGrey);
    for (Shape* core : {&shpOntelo1, &shpOntelo2, &shpOntelo3, &shpOntelo4, &shpOntelo5}) core->setFill(true, Grey);
    shpTuki.setFill(true, platform::Colors::Black);

    for (Line* l : {&linLeikkaus1, &linLeikkaus2, &linLeikkaus3, &linHalkeama1, &linHalkeama2}) {
        l->setBorderColor(platform::Colors::White);
        l->setBorderWidth(2);
        l->setVisible(false);
        l->setTabStop(false);
    }
    picKuva.setBordered(false);
    picKuva.setBackColor(Grey);
    drawSmallPicture();

    cmdOK.setDefault(true);
    onLoad = [this] { Form_Load(); };
    onClick = [this] { Form_Click(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
}

frmAbout::~frmAbout() = default;

// A load arrow over a support, in the colours of the drawing.
void frmAbout::drawSmallPicture() {
    picKuva.setScaleMode(platform::ScaleMode::Pixels);
    picKuva.cls();
    const platform::Color red = platform::paletteColor(12);
    picKuva.setDrawWidth(2);
    picKuva.line(15, 2, 15, 16, red);
    picKuva.line(15, 16, 10, 11, red);
    picKuva.line(15, 16, 20, 11, red);
    picKuva.setDrawWidth(1);
    picKuva.filledBox(2, 19, 29, 23, SlabGrey);
    picKuva.line(8, 24, 15, 29, platform::Colors::Black);
    picKuva.line(15, 29, 22, 24, platform::Colors::Black);
    picKuva.line(8, 24, 22, 24, platform::Colors::Black);
}

void frmAbout::Form_Load() {
    CenterForm(*this);
    ApplyLanguage(*this, model_.LanguageIndex);
    txtVersio.setCaption(versionLine(model_.VersionText, model_.LanguageIndex));
}

// Lines shown: hide them; else the picture hidden: show it; else swap the
// picture for the lines.
void frmAbout::Form_Click() {
    if (linLeikkaus1.visible()) {
        for (Line* l : {&linLeikkaus1, &linLeikkaus2, &linLeikkaus3, &linHalkeama1, &linHalkeama2})
            l->setVisible(false);
    } else if (!picKuva.visible()) {
        picKuva.setVisible(true);
    } else {
        picKuva.setVisible(false);
        for (Line* l : {&linLeikkaus1, &linLeikkaus2, &linLeikkaus3, &linHalkeama1, &linHalkeama2})
            l->setVisible(true);
    }
}

void frmAbout::cmdOK_Click() { unload(); }

}  // namespace quorvel::app
