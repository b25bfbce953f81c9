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
#include <cmath>
#include <filesystem>
#include <map>

#include "support/test_support.h"
#include "app/frm_about.h"
#include "app/frm_quorvel.h"
#include "app/gauges.h"
#include "app/language.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_platform.h"

namespace quorvel::app {
namespace {

using platform::ControlKind;
namespace fs = std::filesystem;
using testing::MainWindowQt;

TEST_F(MainWindowQt, StartsShowsAndIsGrabbed) {
    frmQuorvel window(m, ui);
    window.show();
    EXPECT_TRUE(ui.aboutWasUp);
    QWidget* w = ui.windowOf(window);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle().toStdString(), "Quorvel  8.38 /EC 17.03.2017");
    QApplication::processEvents();

    const fs::path shot = quorvel::testing::screenshotPath("quorvel-main-window.png");
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

// The words of a beam gauge whose hogging moment is not checked fit
// between its marks in the real font, in both languages, with the widest
// moment the support moments allow (1.5 x 10000 kNm at both ends of every
// stage: -49500.0) and a ratio in the number's place.
TEST_F(MainWindowQt, HoggingWordsFitTheBeamGauges) {
    frmQuorvel window(m, ui);
    window.show();
    for (const char* words : {"hogging -49500,0 kNm not checked", "neg. -49500,0 kNm ei tarkisteta"}) {
        for (platform::PictureBox* pic : {&window.picPalkkitaipuma, &window.picVenyma}) {
            DrawGaugeWithWords(*pic, words, 1.234);
            int found = 0;
            for (const platform::DrawCommand& text : pic->displayList())
                if (text.text == words) {
                    ++found;
                    EXPECT_LE(text.x1 + ui.textWidthPixels(text.font, words), std::floor(pic->scaleWidth()))
                        << words << " in " << pic->name();
                }
            EXPECT_EQ(found, 1) << pic->name();
        }
    }
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
    EXPECT_EQ(static_cast<QGroupBox*>(ui.widgetOf(window.fraPalkkityyppi))->title(), "Beam type");
    EXPECT_EQ(static_cast<QRadioButton*>(ui.widgetOf(window.optReunapalkki))->text(), "&Edge beam");
    for (const auto& [name, text] : numbers)
        EXPECT_EQ(static_cast<QLineEdit*>(ui.widgetOf(*window.findControl(name)))->text(), text) << name;
    window.unload();
}

}  // namespace
}  // namespace quorvel::app

namespace quorvel::app {
namespace {

using testing::MainWindowQt;

// White or the near-white the style fills a frame with.
bool isWhite(QColor c) { return c.red() > 240 && c.green() > 240 && c.blue() > 240; }
bool isBlue(QColor c) { return c.blue() > 200 && c.red() < 80 && c.green() < 80; }

QRect twipsRect(const platform::Place& p) { return QRect(p.left, p.top, p.width, p.height); }

// The rows under a slab's interior at one column: the slab, its edge, then
// what lies beneath. A slab bears when the first white row beneath it
// starts the inside of the beam, with no beam top line further down.
::testing::AssertionResult bearsOnTheBeam(const QImage& image, int x, int slabInsideY) {
    int y = slabInsideY;
    while (y < image.height() && !isWhite(image.pixelColor(x, y))) ++y;
    for (int below = y; below < y + 15 && below < image.height(); ++below)
        if (!isWhite(image.pixelColor(x, below)))
            return ::testing::AssertionFailure()
                   << "a line at row " << below << " under the white at row " << y << ": the slab floats";
    return ::testing::AssertionSuccess();
}

TEST_F(MainWindowQt, TheCrossSectionShowsTheSlabsOnTheBeamAndKeepsItsLinesOffTheInputs) {
    frmQuorvel window(m, ui);
    window.show();
    QApplication::processEvents();
    QWidget* drawing = ui.widgetOf(window.fLahtotiedot);
    const QImage image = drawing->grab().toImage();
    auto px = [](int twips) { return twips / 15; };

    // Both slab ends bear on the beam (the higher one on the bed under it).
    EXPECT_TRUE(bearsOnTheBeam(image, px(2600), px(4200))) << "left slab";
    EXPECT_TRUE(bearsOnTheBeam(image, px(4350), px(4100))) << "right slab";

    // The bearing lengths are dimensioned beside their boxes, not inside the beam.
    const QRect leftBox = ui.widgetOf(window.txtVasentukipituus)->geometry();
    int blueInBeam = 0, blueBesideBox = 0;
    for (int x = px(2400); x < px(2850); ++x) {
        for (int y = px(4560); y < px(5040); ++y) blueInBeam += isBlue(image.pixelColor(x, y));
        for (int y = leftBox.top(); y <= leftBox.bottom(); ++y) blueBesideBox += isBlue(image.pixelColor(x, y));
    }
    EXPECT_EQ(blueInBeam, 0);
    EXPECT_GT(blueBesideBox, px(2850) - px(2400) - 2) << "a dimension line the width of the bearing";

    // The topping thickness box lies beside the higher slab, not over its edge.
    EXPECT_FALSE(ui.widgetOf(window.txtPintapaksuus)->geometry().intersects(
        ui.widgetOf(window.shpOikealaatta)->geometry()));

    // No line of the drawing runs through a caption of the input frame.
    for (const platform::Control* c : window.controls()) {
        if (c->kind() != ControlKind::Label || c->container() != &window.fLahtotiedot) continue;
        for (const platform::Control* l : window.controls()) {
            if (l->kind() != ControlKind::Line || !l->visible() || l->container() != &window.fLahtotiedot) continue;
            auto* line = static_cast<const platform::Line*>(l);
            if (line->x1() != line->x2() && line->y1() != line->y2()) continue;  // the slanted ones stay low
            const QRect segment = QRect(QPoint(std::min(line->x1(), line->x2()), std::min(line->y1(), line->y2())),
                                        QPoint(std::max(line->x1(), line->x2()), std::max(line->y1(), line->y2())));
            EXPECT_FALSE(segment.intersects(twipsRect(c->place()))) << l->name() << " crosses " << c->name();
        }
    }
    window.unload();
}

// Frames overlap where the layout places one close under another: the later
// one covers the earlier one's edge, so its caption stands clear of it.
TEST_F(MainWindowQt, TheBeamTypeCaptionIsNotCrossedByTheFrameAbove) {
    frmQuorvel window(m, ui);
    window.show();
    QApplication::processEvents();
    QWidget* client = ui.widgetOf(window.fraPalkkityyppi)->parentWidget();
    const QImage image = client->grab().toImage();
    const QRect above = ui.widgetOf(window.FraPalkinSijainti)->geometry();
    const QRect frame = ui.widgetOf(window.fraPalkkityyppi)->geometry();
    ASSERT_GT(above.bottom(), frame.top()) << "the layout overlaps them";
    int marked = 0;
    for (int y = frame.top(); y <= above.bottom(); ++y)
        for (int x = frame.left() + frame.width() / 2; x < frame.right() - 4; ++x)
            marked += !isWhite(image.pixelColor(x, y));
    EXPECT_EQ(marked, 0) << "the edge of the frame above shows over the caption row";
    window.unload();
}

}  // namespace
}  // namespace quorvel::app
