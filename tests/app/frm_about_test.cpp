// The about window: version line, the click cycle of its drawing, OK, and
// its captions in English.

#include "app/frm_about.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"

namespace quorvel::app {
namespace {

using platform::HeadlessPlatform;

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ui.setProgramFolder(QUORVEL_SOURCE_DIR "/data/");
        m.VersionText = "Versio 8.38 /EC 17.03.2017";
    }
    // "lines": the five shear and crack lines shown; "picture": the small picture.
    static std::string state(const frmAbout& f) {
        const bool lines = f.linLeikkaus1.visible();
        for (const platform::Line* l : {&f.linLeikkaus2, &f.linLeikkaus3, &f.linHalkeama1, &f.linHalkeama2})
            EXPECT_EQ(l->visible(), lines) << l->name();
        return std::string(lines ? "lines" : "-") + "/" + (f.picKuva.visible() ? "picture" : "-");
    }

    HeadlessPlatform ui;
    model::ProjectModel m;
};

TEST_F(AboutWindow, ClicksCycleTheDrawingAndOkCloses) {
    frmAbout about(m, ui);
    std::vector<std::string> seen;
    ui.showModal(about, [&] {
        EXPECT_EQ(about.txtVersio.caption(), "Versio 8.38 /EC 17.03.2017");
        seen.push_back(state(about));
        for (int i = 0; i < 4; ++i) {
            ui.click(about);
            seen.push_back(state(about));
        }
        ui.click(about.cmdOK);
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"-/picture", "lines/-", "-/-", "-/picture", "lines/-"}));
    EXPECT_FALSE(about.isLoaded());
}

TEST_F(AboutWindow, EachShowStartsFromThePicture) {
    for (int show = 0; show < 2; ++show) {
        frmAbout about(m, ui);
        ui.showModal(about, [&] {
            EXPECT_EQ(state(about), "-/picture");
            ui.click(about);
            ui.click(about.cmdOK);
        });
    }
}

TEST_F(AboutWindow, ShowsTheVersionTextCurrentWhenItOpens) {
    m.VersionText = "Versio 8.38 /EC 17.03.2017 (laskettu)";
    frmAbout about(m, ui);
    ui.showModal(about, [&] { ui.click(about.cmdOK); });
    EXPECT_EQ(about.txtVersio.caption(), "Versio 8.38 /EC 17.03.2017 (laskettu)");
}

TEST_F(AboutWindow, EnglishCaptionsComeFromTheLanguageFile) {
    m.LanguageIndex = 1;
    frmAbout about(m, ui);
    ui.showModal(about, [&] { ui.click(about.cmdOK); });
    EXPECT_EQ(about.caption(), "About the program");
    EXPECT_EQ(about.lblPerustaOtsikko.caption(), "Basis of the calculation method:");
    EXPECT_EQ(about.lblVaroitus.caption(), "Do not use the program without this knowledge!");
    // The version line is the model's, its first word in English.
    EXPECT_EQ(about.txtVersio.caption(), "Version 8.38 /EC 17.03.2017");
}

TEST_F(AboutWindow, IsCentredOnTheScreen) {
    ui.setScreenSize({19200, 14400});
    frmAbout about(m, ui);
    ui.showModal(about, [&] { ui.click(about.cmdOK); });
    EXPECT_NEAR(about.left() + about.width() / 2.0, 9600, 1);
    EXPECT_NEAR(about.top() + about.height() / 2.0, 7200, 1);
}

}  // namespace
}  // namespace quorvel::app
