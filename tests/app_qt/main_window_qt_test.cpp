// The main window on the Qt backend, offscreen: it starts (the about window
// first), every control stands as a widget at its place, a screenshot is
// written for review, and a language switch changes captions but not the
// numbers in the boxes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <map>

#include "app/frm_about.h"
#include "app/frm_quorvel.h"
#include "app/language.h"
#include "platform/qt/qt_platform.h"
#include "support/test_support.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using platform::ControlKind;

QApplication& application() {
    static int argc = 1;
    static char name[] = "test_app_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The Qt platform with the program folder and the settings of a test: the
// delivered data folder copied to a temporary folder, settings in memory.
// The about window is closed with its OK button as soon as it is up.
class TestPlatform : public platform::qt::QtPlatform {
public:
    explicit TestPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string programFolder() const override { return folder_; }
    std::string getSetting(const std::string&, const std::string&, const std::string& key,
                           const std::string& defaultValue) override {
        auto it = settings.find(key);
        return it == settings.end() ? defaultValue : it->second;
    }
    void saveSetting(const std::string&, const std::string&, const std::string& key,
                     const std::string& value) override {
        settings[key] = value;
    }
    void showForm(platform::Form& form, bool modal) override {
        if (modal && form.name() == "frmAbout") {
            auto& about = static_cast<frmAbout&>(form);
            QTimer::singleShot(0, [this, &about] {
                aboutWasUp = windowOf(about) != nullptr && windowOf(about)->isVisible();
                QTest::mouseClick(widgetOf(about.cmdOK), Qt::LeftButton);
            });
        }
        QtPlatform::showForm(form, modal);
    }
    std::map<std::string, std::string> settings;
    bool aboutWasUp = false;

private:
    std::string folder_;
};

class MainWindowQt : public ::testing::Test {
protected:
    void SetUp() override {
        application();
        for (const auto& entry : fs::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
            fs::copy_file(entry.path(), program.path() / entry.path().filename());
    }
    quorvel::testing::TempFolder program;
    TestPlatform ui{program.dataPath()};
    model::ProjectModel m;
};

TEST_F(MainWindowQt, StartsShowsAndIsGrabbed) {
    frmQuorvel window(m, ui);
    window.show();
    EXPECT_TRUE(ui.aboutWasUp);
    QWidget* w = ui.windowOf(window);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle().toStdString(), "Quorvel  8.38 /EC 17.03.2017");
    QApplication::processEvents();

    const fs::path shot = fs::temp_directory_path() / "quorvel-main-window.png";
    QImage image = w->grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(QString::fromStdString(shot.string())));
    std::printf("main window grabbed to %s (%dx%d)\n", shot.c_str(), image.width(), image.height());
    // 11940 x 8544 twips of client area, plus the menu bar.
    EXPECT_GE(image.width(), 11940 / 15);
    EXPECT_GE(image.height(), 8544 / 15);
    window.unload();
    EXPECT_EQ(ui.settings["Kieli"], "0");
}

// The places the window's layout gives (twips in the container).
struct Given {
    const char* name;
    int left, top;
};

TEST_F(MainWindowQt, EveryControlIsAWidgetAtItsPlace) {
    frmQuorvel window(m, ui);
    window.show();
    for (const platform::Control* c : window.controls()) {
        if (c->kind() == ControlKind::Menu) continue;
        EXPECT_NE(ui.widgetOf(*c), nullptr) << c->name();
    }
    const Given given[] = {
        {"cmdLaatasto", 0, 0}, {"cmdLaatankuormat", 1440, 0}, {"cmdReiat", 3120, 0}, {"cmdPalkki", 4560, 0},
        {"cmdKuormat", 6000, 0}, {"cmdTukimomentit", 7440, 0}, {"cmdTaulukko", 9840, 0}, {"imgFlag", 11400, 0},
        {"FraOtsikot", 60, 420}, {"fLahtotiedot", 60, 1440}, {"FraPalkinSijainti", 7080, 420},
        {"fraPalkkityyppi", 7080, 1080}, {"FraKayttoasteet", 7080, 2880},
        {"txtOtsikko1", 120, 240}, {"txtOtsikko2", 120, 600},
        {"cboVasenlaattatyyppi", 2100, 180}, {"cboOikealaattatyyppi", 5520, 180},
        {"txtVasenlaatastopysyva", 2100, 600}, {"txtOikealaatastopysyva", 5520, 600},
        {"txtVasenlaatastomuuttuva", 2100, 1020}, {"txtOikealaatastomuuttuva", 5520, 1020},
        {"cboSaumabetoni", 3840, 1440}, {"cboSaumaluokka", 5160, 1440}, {"txtSaumanetaisyys", 3840, 1920},
        {"cboPintabetoni", 3840, 2340}, {"cboPintaluokka", 5160, 2340}, {"txtRaudoiteala", 3840, 2760},
        {"txtRaudoitelujuus", 3840, 3300}, {"txtVasensaumavalu", 2880, 3720}, {"txtOikeasaumavalu", 3600, 3720},
        {"txtVasenontelotaytto", 1500, 3840}, {"txtOikeaontelotaytto", 4740, 3840},
        {"txtPintapaksuus", 5520, 4020}, {"txtVasenlaatanalavali", 420, 5040},
        {"txtOikealaatanalavali", 5880, 5040}, {"txtVasentukipituus", 1620, 5220},
        {"txtOikeatukipituus", 4620, 5220}, {"txtVasenalkuvali", 2460, 5880}, {"txtOikeaalkuvali", 3600, 5880},
        {"txtVasenloppuvali", 2460, 6360}, {"txtOikealoppuvali", 3600, 6360},
        {"optKeskipalkki", 120, 420}, {"optReunapalkki", 2460, 420},
        {"Label51", 120, 240}, {"Label52", 1320, 240}, {"Label53", 2160, 240},
        {"optSuora", 120, 480}, {"optBLeuka", 120, 840}, {"optI", 120, 1200}, {"optHQ", 1320, 480},
        {"OptCWQ", 1320, 840}, {"optTI", 1320, 1200}, {"optJalo", 1320, 1440}, {"optDelta", 2160, 480},
        {"optKvatro", 2160, 840}, {"optMEK", 2160, 1200}, {"optSuper", 2160, 1440}, {"optLBL", 3240, 480},
        {"optLB", 3960, 480}, {"OptApalkki", 3360, 720}, {"OptAbeamS", 3360, 1080},
        {"picVasenleikkaus", 1680, 720}, {"picVasentaipuma", 1680, 1140}, {"picVasenhalkeilu", 1680, 1380},
        {"picOikealeikkaus", 1680, 2220}, {"picOikeataipuma", 1680, 2640}, {"picOikeahalkeilu", 1680, 2880},
        {"picPalkkitaipuma", 1680, 3720}, {"picVenyma", 1680, 3960}, {"Label26", 120, 360},
        {"Label31", 120, 1860}, {"Label27", 120, 3360}, {"Label20", 120, 4320},
        {"txtOntelotaytto1", 180, 4920}, {"txtOntelotaytto2", 900, 5100},
    };
    for (const Given& g : given) {
        const platform::Control* c = window.findControl(g.name);
        ASSERT_NE(c, nullptr) << g.name;
        QWidget* w = ui.widgetOf(*c);
        ASSERT_NE(w, nullptr) << g.name;
        EXPECT_EQ(w->x(), g.left / 15) << g.name;
        EXPECT_EQ(w->y(), g.top / 15) << g.name;
        // Inside the window region the layout names.
        if (c->container()) {
            EXPECT_EQ(w->parentWidget(), ui.widgetOf(*c->container())) << g.name;
        }
    }
    // Hidden and disabled as designed.
    EXPECT_FALSE(ui.widgetOf(window.OptCWQ)->isVisible());
    EXPECT_FALSE(ui.widgetOf(window.optSuper)->isVisible());
    EXPECT_FALSE(ui.widgetOf(window.optJalo)->isVisible());
    EXPECT_TRUE(ui.widgetOf(window.optLB)->isVisible());
    EXPECT_FALSE(ui.widgetOf(window.cmdLaatasto)->isEnabled());
    window.unload();
}

TEST_F(MainWindowQt, LanguageSwitchChangesCaptionsNotNumbers) {
    frmQuorvel window(m, ui);
    window.show();
    std::map<std::string, QString> numbers;
    for (const platform::Control* c : window.controls())
        if (c->kind() == ControlKind::TextBox)
            numbers[c->name()] = static_cast<QLineEdit*>(ui.widgetOf(*c))->text();
    ASSERT_EQ(static_cast<QPushButton*>(ui.widgetOf(window.cmdPalkki))->text(), "Palkki");

    int16_t english = 1;
    ApplyLanguage(window, english);
    QApplication::processEvents();
    EXPECT_EQ(static_cast<QPushButton*>(ui.widgetOf(window.cmdPalkki))->text(), "Beam");
    EXPECT_EQ(static_cast<QGroupBox*>(ui.widgetOf(window.fraPalkkityyppi))->title(), "Beam &type");
    EXPECT_EQ(static_cast<QRadioButton*>(ui.widgetOf(window.optReunapalkki))->text(), "&Edge beam");
    for (const auto& [name, text] : numbers)
        EXPECT_EQ(static_cast<QLineEdit*>(ui.widgetOf(*window.findControl(name)))->text(), text) << name;
    window.unload();
}

}  // namespace
}  // namespace quorvel::app
