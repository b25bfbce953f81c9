// The results, help and language commands headless: the table button and
// its menu twin, the results table window's grids, the report viewer and
// its keys, printing, the help document and the language switch.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cmath>
#include <cstdio>
#include <map>
#include <regex>

#include "app/beam_types.h"
#include "app/fileview.h"
#include "app/frm_quorvel.h"
#include "app/frm_taulukot.h"
#include "app/geometry_checks.h"
#include "app/language.h"
#include "app/project_state.h"
#include "app/report_text.h"
#include "model/project_defaults.h"
#include "report/results_file.h"
#include "project_window_fixture.h"

namespace quorvel::app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
namespace Keys = platform::Keys;

class ResultCommands : public testing::ProjectWindowTest {
protected:
    // Runs the table window while it is open.
    void onTable(std::function<void(frmTaulukot&)> check) {
        ui.onModal("frmTaulukot", [check](platform::Form& f) {
            auto& table = static_cast<frmTaulukot&>(f);
            check(table);
            table.cmdOK.press();
        });
    }
    std::string entry(int16_t language, const std::string& key) {
        runtime::TextFileReader file(languageFilePath(language, ui));
        return LookupQuotedEntry(key, file);
    }
};

// Results of a calculation set by hand: a middle beam, both slab sides.
void setResults(model::ProjectModel& m) {
    m.ResultsValid = -1;
    m.IsMiddleBeam = 1;
    m.SlabTypeName(1) = "P27";
    m.SlabTypeName(2) = "P32";
    m.BeamTypeName = "SUORA";
    for (int side = 1; side <= 2; ++side) {
        m.SlabMaxDesignShear(side) = 45.678 * side;
        m.SlabMinShearValue(side) = 60.0;
        m.SlabPrincipalStressMax(side) = 1.2;
        m.SlabPrincipalStressLimit(side) = 1.2;
        m.SlabShearUtilisation(side) = 1.0;
        m.SlabMaxDesignMoment(side) = 30.0;
        m.SlabUltimateMoment(side) = 29.997;
        m.SlabBendingUtilisation(side) = 1.0001;
        // A slab whose prestress alone cracks its underside: cracking
        // moment below 0, a negative ratio that is exceeded.
        m.SlabMaxCharacteristicMoment(side) = 5.53;
        m.SlabCrackingMoment(side) = -10.0;
        m.SlabCrackingUtilisation(side) = -0.553;
    }
    m.ActingDesignMoment = 123456789.0;    // Nmm
    m.MomentResistanceUsed = 250000000.0;  // Nmm
    m.UtilisationRatio = 123456789.0 / 250000000.0;
    m.BeamTopStrainMax = 0.00035;
    m.AllowedStrain = 0.0007;
    m.MaxShearStage6 = 250500.0;  // N
    m.CoreFillingResult(1) = 412.5;
    m.CoreFillingResult(2) = 99.4;
    m.CoreFillingZoneLimits[4] = 1234.5;
    m.CoreFillingZoneLimits[7] = 0.0;
    m.CoreFillingZoneLimits[5] = 600.49;
    m.CoreFillingZoneLimits[8] = 2000.0;
}

TEST_F(ResultCommands, TheButtonOpensTheTableOnlyWithValidResults) {
    // Stale results: the button is the calculate button and shows nothing
    // (an unexpected modal window would fail the test).
    ui.click(w.cmdTaulukko);
    setResults(m);
    bool shown = false;
    onTable([&](frmTaulukot&) { shown = true; });
    ui.click(w.cmdTaulukko);
    EXPECT_TRUE(shown);
    // The menu item shows the table whether or not results are valid.
    m.ResultsValid = 0;
    shown = false;
    onTable([&](frmTaulukot&) { shown = true; });
    ui.click(w.cmdTaulukko0);
    EXPECT_TRUE(shown);
}

// The cells: acting value, resistance, 100 x ratio, each "0.00" and a
// blank; the picture not OK above 1 and below 0. Hand values:
//   Grid2 row 1: 45.678 x 2 = 91.356 -> "91.36 "; row 2 ratio 1.0 -> "100.00 ", OK;
//   row 3 ratio 1.0001 -> 100.01 -> "100.01 ", not OK; 29.997 -> "30.00 ";
//   row 4 ratio 5.53 / -10 = -0.553 -> "-55.30 ", not OK (not a green 55 %).
//   Grid3 row 1: 123456789 Nmm / 1e6 = 123.456789 -> "123.46 "; 250 kNm;
//   ratio 0.493827156 -> 49.3827 -> "49.38 ", OK.
//   Row 2: strain 0.00035 x 1000 = 0.35 per mille, limit 0.70, 50 %.
//   Row 3: 250500 N / 1000 = 250.5 kN -> "250.50 ".
TEST_F(ResultCommands, TheTableShowsTheResultsWithTheirPictures) {
    setResults(m);
    onTable([&](frmTaulukot& t) {
        const std::string ok = t.imgOK.picture();
        const std::string no = t.imgNo.picture();
        ASSERT_NE(ok, no);
        EXPECT_EQ(t.Grid1.textMatrix(1, 1), "45.68 ");
        EXPECT_EQ(t.Grid1.textMatrix(1, 3), "--------------------- ");
        EXPECT_EQ(t.Grid2.textMatrix(1, 1), "91.36 ");
        EXPECT_EQ(t.Grid2.textMatrix(1, 2), "60.00 ");
        EXPECT_EQ(t.Grid2.textMatrix(1, 3), "--------------------- ");
        EXPECT_EQ(t.Grid2.cellPicture(1, 3), "");
        EXPECT_EQ(t.Grid2.textMatrix(2, 3), "100.00 ");
        EXPECT_EQ(t.Grid2.cellPicture(2, 3), ok);
        EXPECT_EQ(t.Grid2.textMatrix(3, 2), "30.00 ");
        EXPECT_EQ(t.Grid2.textMatrix(3, 3), "100.01 ");
        EXPECT_EQ(t.Grid2.cellPicture(3, 3), no);
        EXPECT_EQ(t.Grid2.textMatrix(4, 1), "5.53 ");
        EXPECT_EQ(t.Grid2.textMatrix(4, 2), "-10.00 ");
        EXPECT_EQ(t.Grid2.textMatrix(4, 3), "-55.30 ");
        EXPECT_EQ(t.Grid2.cellPicture(4, 3), no);

        EXPECT_EQ(t.Grid3.textMatrix(1, 1), "123.46 ");
        EXPECT_EQ(t.Grid3.textMatrix(1, 2), "250.00 ");
        EXPECT_EQ(t.Grid3.textMatrix(1, 3), "49.38 ");
        EXPECT_EQ(t.Grid3.cellPicture(1, 3), ok);
        EXPECT_EQ(t.Grid3.textMatrix(2, 1), "0.35 ");
        EXPECT_EQ(t.Grid3.textMatrix(2, 2), "0.70 ");
        EXPECT_EQ(t.Grid3.textMatrix(2, 3), "50.00 ");
        EXPECT_EQ(t.Grid3.textMatrix(3, 1), "250.50 ");
        EXPECT_EQ(t.Grid3.textMatrix(3, 2), "--------------------- ");
        EXPECT_EQ(t.Grid3.textMatrix(3, 3), "--------------------- ");

        // Labels: the type names after the captions, lengths rounded to mm
        // (412.5 -> 413, 1234.5 -> 1235, 600.49 -> 600).
        EXPECT_EQ(t.Label1.caption(), "Vasen ontelolaatta - P27");
        EXPECT_EQ(t.Label2.caption(), "Oikea ontelolaatta - P32");
        EXPECT_EQ(t.Label3.caption(), "Palkki - SUORA");
        EXPECT_EQ(t.txtVasenLf.caption(), "413");
        EXPECT_EQ(t.txtVasenTayttoalueAlku.caption(), "1235");
        EXPECT_EQ(t.txtVasenTayttoalueLoppu.caption(), "0");
        EXPECT_EQ(t.txtOikeaLf.caption(), "99");
        EXPECT_EQ(t.txtOikeaTayttoalueAlku.caption(), "600");
        EXPECT_EQ(t.txtOikeaTayttoalueLoppu.caption(), "2000");
    });
    ui.click(w.cmdTaulukko);
}

// Every verdict row of the three tables just over its limit, by a factor
// of 1.000001, so that with two decimals the acting value and its limit
// would read alike: the acting value shows as the next number above its
// limit, the per cent above 100.00, beside the cross.
TEST_F(ResultCommands, NoExceededRowShowsItsValueAtOrBelowItsLimit) {
    setResults(m);
    const double over = 1.000001;
    for (int side = 1; side <= 2; ++side) {
        m.SlabPrincipalStressLimit(side) = 1.82;
        m.SlabPrincipalStressMax(side) = 1.82 * over;
        m.SlabShearUtilisation(side) = over;
        m.SlabUltimateMoment(side) = 260.5;
        m.SlabMaxDesignMoment(side) = 260.5 * over;
        m.SlabBendingUtilisation(side) = over;
        m.SlabCrackingMoment(side) = 123.8;
        m.SlabMaxCharacteristicMoment(side) = 123.8 * over;
        m.SlabCrackingUtilisation(side) = over;
    }
    m.MomentResistanceUsed = 755.4e6;
    m.ActingDesignMoment = 755.4e6 * over;
    m.UtilisationRatio = over;
    m.BeamTopStrainMax = 0.0007 * over;  // against 0.0007
    onTable([&](frmTaulukot& t) {
        struct Row {
            platform::Grid* grid;
            int row;
            const char* acting;
            const char* limit;
        };
        const Row rows[] = {
            {&t.Grid1, 2, "1.83 ", "1.82 "},     {&t.Grid1, 3, "260.51 ", "260.50 "}, {&t.Grid1, 4, "123.81 ", "123.80 "},
            {&t.Grid2, 2, "1.83 ", "1.82 "},     {&t.Grid2, 3, "260.51 ", "260.50 "}, {&t.Grid2, 4, "123.81 ", "123.80 "},
            {&t.Grid3, 1, "755.41 ", "755.40 "}, {&t.Grid3, 2, "0.71 ", "0.70 "},
        };
        for (const Row& r : rows) {
            SCOPED_TRACE(r.grid->name() + " row " + std::to_string(r.row));
            EXPECT_EQ(r.grid->textMatrix(r.row, 1), r.acting);
            EXPECT_EQ(r.grid->textMatrix(r.row, 2), r.limit);
            EXPECT_EQ(r.grid->textMatrix(r.row, 3), "100.01 ");
            EXPECT_EQ(r.grid->cellPicture(r.row, 3), t.imgNo.picture());
        }
    });
    ui.click(w.cmdTaulukko);
}

// The gauge and the table's picture of one result agree: a utilisation
// above 100 % is red with a cross, exactly 100 % and below green with a
// tick, also where the gauge's whole-number text reads "100" either way.
TEST_F(ResultCommands, GaugeColourAndTablePictureAgreeAtOneHundredPercent) {
    setResults(m);
    constexpr platform::Color Red = platform::rgb(255, 0, 0);
    constexpr platform::Color Green = platform::rgb(0, 128, 0);
    for (auto [ratio, exceeded] : {std::pair{0.999, false}, std::pair{1.0, false}, std::pair{1.003, true},
                                   std::pair{1.0000001, true}}) {
        m.SlabShearUtilisation(2) = ratio;
        m.UtilisationRatio = ratio;
        w.paint();
        for (const platform::PictureBox* pic : {&w.picOikealeikkaus, &w.picPalkkitaipuma}) {
            const platform::DrawCommand& bar = pic->displayList().at(0);
            EXPECT_EQ(bar.color, exceeded ? Red : Green) << ratio << " " << pic->name();
        }
        onTable([&, ratio = ratio, exceeded = exceeded](frmTaulukot& t) {
            const std::string expected = exceeded ? t.imgNo.picture() : t.imgOK.picture();
            EXPECT_EQ(t.Grid2.cellPicture(2, 3), expected) << ratio;
            EXPECT_EQ(t.Grid3.cellPicture(1, 3), expected) << ratio;
        });
        ui.click(w.cmdTaulukko);
    }
}

// One verdict in gauge, table and report: the calculated SUORA example with
// its right slab's principal stress set to a share of its limit, fctd =
// 0.21 x 40^(2/3) / 1.35 = 1.819 MPa (C40/50, class 1). Up to 100 % the
// gauge is green, the table ticks and the report says "kunnossa"
// ("adequate"); from 100.1 % on, also between 100.3 % and 110 % where the
// report used to print no word, red, a cross and "EI RIITÄ !!!"
// ("EXCEEDED !!!").
TEST_F(ResultCommands, SlabShearJustOverItsLimitIsExceededInGaugeTableAndReport) {
    ui.answerFileDialog(fixture("concrete_middle_beam.dat"));
    ui.click(w.cmdAvaalahto);
    calculate();
    ASSERT_NEAR(m.SlabPrincipalStressLimit(2), 0.21 * std::pow(40.0, 2.0 / 3.0) / 1.35, 0.001);
    constexpr platform::Color Red = platform::rgb(255, 0, 0);
    constexpr platform::Color Green = platform::rgb(0, 128, 0);
    for (double share : {0.999, 1.0, 1.001, 1.003, 1.01, 1.05, 1.1, 1.2}) {
        const bool exceeded = share > 1.0;
        m.SlabPrincipalStressMax(2) = share * m.SlabPrincipalStressLimit(2);
        m.SlabShearUtilisation(2) = m.SlabPrincipalStressMax(2) / m.SlabPrincipalStressLimit(2);
        w.paint();
        EXPECT_EQ(w.picOikealeikkaus.displayList().at(0).color, exceeded ? Red : Green) << share;
        onTable([&](frmTaulukot& t) {
            EXPECT_EQ(t.Grid2.cellPicture(2, 3), exceeded ? t.imgNo.picture() : t.imgOK.picture()) << share;
        });
        ui.click(w.cmdTaulukko);
        for (int16_t language : {0, 1}) {
            m.LanguageIndex = language;
            const std::string path = folder.file("verdict.tul");
            ASSERT_EQ(report::WriteResultsFile(m, ui, path), 0);
            runtime::TextFileReader report(path);
            std::string line;
            while (!report.eof() && line.find(language == 0 ? "Uumien pääjännitys:" : "Principal stress in webs:") != 0)
                line = report.readLine();
            const std::string word = language == 0 ? (exceeded ? "EI RIITÄ !!!" : "kunnossa")
                                                   : (exceeded ? "EXCEEDED !!!" : "adequate");
            EXPECT_EQ(line.substr(line.size() - word.size()), word) << share << " " << language << ": " << line;
        }
    }
}

// The worked example of the fixture project, calculated: every value cell
// of the three tables holds its model value as "0.00" and a blank.
TEST_F(ResultCommands, TheTableOfACalculatedProjectShowsItsResults) {
    ui.answerFileDialog(fixture("concrete_middle_beam.dat"));
    ui.click(w.cmdAvaalahto);
    calculate();
    auto text = [](double v) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.2f ", v);
        return std::string(buffer);
    };
    onTable([&](frmTaulukot& t) {
        for (auto [grid, side] : {std::pair{&t.Grid1, 1}, std::pair{&t.Grid2, 2}}) {
            EXPECT_EQ(grid->textMatrix(1, 1), text(m.SlabMaxDesignShear(side)));
            EXPECT_EQ(grid->textMatrix(2, 2), text(m.SlabPrincipalStressLimit(side)));
            EXPECT_EQ(grid->textMatrix(3, 1), text(m.SlabMaxDesignMoment(side)));
            EXPECT_EQ(grid->textMatrix(3, 3), text(100.0 * m.SlabBendingUtilisation(side)));
            EXPECT_EQ(grid->textMatrix(4, 2), text(m.SlabCrackingMoment(side)));
        }
        EXPECT_GT(m.ActingDesignMoment.number(), 0.0);
        EXPECT_EQ(t.Grid3.textMatrix(1, 1), text(m.ActingDesignMoment / 1e6));
        EXPECT_EQ(t.Grid3.textMatrix(1, 2), text(m.MomentResistanceUsed / 1e6));
        EXPECT_EQ(t.Grid3.textMatrix(3, 1), text(m.MaxShearStage6 / 1e3));
    });
    ui.click(w.cmdTaulukko);
}

// A zero allowed strain leaves the strain ratio without a value: dashes
// and no picture, not a division by zero or a huge number.
TEST_F(ResultCommands, AStrainRatioOverAZeroLimitShowsDashes) {
    setResults(m);
    m.AllowedStrain = 0.0;
    onTable([&](frmTaulukot& t) {
        EXPECT_EQ(t.Grid3.textMatrix(2, 1), "0.35 ");
        EXPECT_EQ(t.Grid3.textMatrix(2, 2), "0.00 ");
        EXPECT_EQ(t.Grid3.textMatrix(2, 3), "--------------------- ");
        EXPECT_EQ(t.Grid3.cellPicture(2, 3), "");
    });
    ui.click(w.cmdTaulukko);
}

TEST_F(ResultCommands, AnEdgeBeamLeavesTheLeftTableAndLabelsEmpty) {
    setResults(m);
    m.IsMiddleBeam = 0;
    m.BeamTypeName = "HQ";
    onTable([&](frmTaulukot& t) {
        // The empty table is titled by its side alone, not by the hidden
        // left slab type; the steel box beam by the name its window and the
        // report give it.
        EXPECT_EQ(t.Label1.caption(), "Vasen ontelolaatta");
        EXPECT_EQ(t.Label2.caption(), "Oikea ontelolaatta - P32");
        EXPECT_EQ(t.Label3.caption(), "Palkki - WQ");
        EXPECT_FALSE(t.Grid1.textMatrix(0, 1).empty());
        EXPECT_FALSE(t.Grid1.textMatrix(1, 0).empty());
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 3; ++c) EXPECT_EQ(t.Grid1.textMatrix(r, c), "") << r << "," << c;
        EXPECT_EQ(t.txtVasenLf.caption(), "");
        EXPECT_EQ(t.txtVasenTayttoalueAlku.caption(), "");
        EXPECT_EQ(t.txtVasenTayttoalueLoppu.caption(), "");
        EXPECT_EQ(t.Grid2.textMatrix(1, 1), "91.36 ");
        EXPECT_EQ(t.txtOikeaLf.caption(), "99");
    });
    ui.click(w.cmdTaulukko);
}

// Captions come from the language file of the chosen language; the fixed
// column is twice as wide as the others and all rows equally high:
// Grid1 6600 x 1620 twips, 4 columns, 5 rows: w = 6600 / 4 - 373 = 1277,
// h = (1620 - 20 x 4) / 5 = 308.
TEST_F(ResultCommands, TheTableIsCaptionedInBothLanguagesAndSized) {
    setResults(m);
    std::map<int16_t, std::string> heading;
    for (int16_t language : {0, 1}) {
        m.LanguageIndex = language;
        onTable([&](frmTaulukot& t) {
            for (auto [grid, prefix, rows] : {std::tuple{&t.Grid1, "grid1", 4}, std::tuple{&t.Grid2, "grid2", 4},
                                              std::tuple{&t.Grid3, "grid3", 3}}) {
                for (int c = 1; c <= 3; ++c) {
                    const std::string expected = entry(language, prefix + std::string("ColCaption") + std::to_string(c));
                    EXPECT_FALSE(expected.empty());
                    EXPECT_EQ(grid->textMatrix(0, c), expected);
                }
                for (int r = 1; r <= rows; ++r) {
                    const std::string expected = entry(language, prefix + std::string("RowCaption") + std::to_string(r));
                    EXPECT_FALSE(expected.empty());
                    EXPECT_EQ(grid->textMatrix(r, 0), expected);
                }
            }
            heading[language] = t.Label3.caption();
            EXPECT_EQ(t.Grid1.colWidth(0), 2 * 1277);
            EXPECT_EQ(t.Grid1.colWidth(3), 1277);
            EXPECT_EQ(t.Grid1.rowHeight(0), 308);
            EXPECT_EQ(t.Grid1.rowHeight(4), 308);
        });
        ui.click(w.cmdTaulukko);
    }
    EXPECT_NE(heading[0], heading[1]);
}

// --- the report viewer ---

class Viewer : public testing::ProjectWindowTest {
protected:
    void SetUp() override {
        ProjectWindowTest::SetUp();
        m.ViewFileName = folder.file("view.txt");
    }
    // A file of n lines "line i" padded with x to width characters.
    void writeReport(int n, int width) {
        std::string bytes;
        for (int i = 0; i < n; ++i) {
            std::string line = "line " + std::to_string(i);
            line.resize(static_cast<std::size_t>(width), 'x');
            bytes += line + "\r\n";
        }
        folder.writeRaw("view.txt", bytes);
    }
    Fileview view{m, ui};
};

// 65500 characters exactly: 655 lines of 91 characters, each with 7 blanks
// and CR LF = 100 characters, fit whole; one more character does not.
TEST_F(Viewer, TheLimitCountsMarginTextAndLineEnds) {
    writeReport(655, 91);
    auto whole = readReportText(m.ViewFileName, 7);
    ASSERT_TRUE(whole);
    EXPECT_TRUE(whole->complete);
    EXPECT_EQ(whole->text.size(), 65500u);

    std::string bytes = folder.read("view.txt");
    bytes.insert(bytes.size() - 2, "y");  // the last line one character longer
    folder.writeRaw("view.txt", bytes);
    auto cut = readReportText(m.ViewFileName, 7);
    ASSERT_TRUE(cut);
    EXPECT_FALSE(cut->complete);
    EXPECT_EQ(cut->text.size(), 65400u);
}

TEST_F(Viewer, ALongReportShowsTheWarningAndItsFirstLines) {
    writeReport(1000, 91);
    ui.expectMessage("Tiedon määrä > 65500 merkkiä\nNäytetään vain ensimmäiset 65500 merkkiä!", "Varoitus",
                     Buttons::Ok, Icon::Exclamation);
    ui.showModal(view, [&] {
        EXPECT_EQ(view.Text.length(), 65500);
        EXPECT_EQ(view.Text.text().substr(0, 13), "       line 0");
        ui.click(view.cmdLoppuun);
        EXPECT_EQ(view.Text.selStart(), 65500);
        ui.click(view.cmdAlkuun);
        EXPECT_EQ(view.Text.selStart(), 0);
        ui.click(view.cmdPoistu);
    });
}

// The viewer opens as wide as the report's widest line needs (at least its
// designed 11400 twips) and as high as the screen allows less 1200 twips for
// the frame and a panel; the box fills it above the buttons whatever size
// the user gives it, and the size is kept in the settings for the next time.
TEST_F(Viewer, OpensToTheReportSizeFollowsTheUserAndRemembersTheSize) {
    ui.setScreenSize({1024 * 15, 768 * 15});
    const int screenHeight = 768 * 15 - 1200;
    struct Case {
        int width;     // of the report's lines
        int expected;  // client width, twips
    } cases[] = {{20, 11400}, {120, ui.textWidthPixels({"Courier New", 9}, std::string(127, 'x')) * 15 + 840},
                 {400, 1024 * 15 - 1200}};
    for (const Case& c : cases) {
        writeReport(5, c.width);
        ui.showModal(view, [&] {
            EXPECT_EQ(view.clientWidth(), c.expected) << c.width;
            EXPECT_EQ(view.clientHeight(), screenHeight) << c.width;
            ui.click(view.cmdPoistu);
        });
        ui.clearSettings();
    }
    writeReport(5, 120);
    ui.showModal(view, [&] {
        view.userResized(13000, 9000);  // as the user drags the frame
        const platform::Place text = view.Text.place();
        EXPECT_EQ((std::vector<int>{text.left, text.top, text.width, text.height}),
                  (std::vector<int>{120, 120, 12760, 8265}));
        EXPECT_EQ(view.cmdTulosta.top(), 9000 - 495);
        EXPECT_EQ(view.cmdPoistu.left(), 13000 - 120 - 1455);
        ui.click(view.cmdPoistu);
    });
    EXPECT_EQ(ui.getSetting("Quorvel835", "Settings", "Tulosikkunan leveys", ""), "13000");
    ui.showModal(view, [&] {
        EXPECT_EQ(view.clientWidth(), 13000);
        EXPECT_EQ(view.clientHeight(), 9000);
        EXPECT_EQ(view.Text.height(), 9000 - 735);
        ui.click(view.cmdPoistu);
    });
}

TEST_F(Viewer, AMissingReportGivesItsMessageAndAnEmptyViewer) {
    ui.expectMessage("Tulostiedon muodostus virhe!", "Virhe", Buttons::Ok, Icon::Critical);
    ui.showModal(view, [&] {
        EXPECT_EQ(view.Text.text(), "");
        ui.click(view.cmdPoistu);
    });
}

// Ctrl pressed and released on its own closes the viewer; Ctrl+C (copy)
// followed by the release of Ctrl does not.
TEST_F(Viewer, CtrlClosesOnlyWhenPressedOnItsOwn) {
    writeReport(3, 20);
    ui.showModal(view, [&] {
        ui.click(view.Text);
        int code = Keys::Control;
        view.userKeyDown(&view.Text, code, Keys::CtrlMask);
        code = 'C';
        view.userKeyDown(&view.Text, code, Keys::CtrlMask);
        code = 'C';
        view.userKeyUp(&view.Text, code, Keys::CtrlMask);
        code = Keys::Control;
        view.userKeyUp(&view.Text, code, Keys::CtrlMask);
        EXPECT_TRUE(view.isLoaded());
        ui.pressKey(Keys::Control, Keys::CtrlMask);
        EXPECT_FALSE(view.isLoaded());
    });
}

TEST_F(Viewer, F7AndEscCloseAtOnce) {
    writeReport(3, 20);
    for (int key : {Keys::F7, Keys::Escape}) {
        ui.showModal(view, [&] {
            ui.click(view.Text);
            if (key == Keys::F7)
                ui.pressKey(Keys::F7);
            else
                ui.pressEscape();
            EXPECT_FALSE(view.isLoaded());
        });
    }
}

TEST_F(Viewer, PrintingPrintsTheEditedTextInTheReportFont) {
    writeReport(2, 10);
    m.PrintFontName = "Courier New";
    m.PrintFontSize = 9;
    ui.showModal(view, [&] {
        ui.click(view.cmdLoppuun);
        ui.type(view.Text, "Huom");
        ui.click(view.cmdTulosta);
        ui.click(view.cmdPoistu);
    });
    ASSERT_EQ(ui.printJobs().size(), 1u);
    const auto& job = ui.printJobs()[0];
    EXPECT_EQ(job.fontName, "Courier New");
    EXPECT_EQ(job.fontSize, 9);
    ASSERT_EQ(job.lines.size(), 3u);
    EXPECT_EQ(job.lines[0], "       line 0xxxx");
    EXPECT_EQ(job.lines[2], "Huom");
    // The file itself is untouched.
    EXPECT_EQ(folder.read("view.txt"), "line 0xxxx\r\nline 1xxxx\r\n");
}

// --- printing, help, language ---

TEST_F(ResultCommands, ThePrintedReportIsTheReportFileBehindSixBlanks) {
    ui.answerFileDialog(fixture("concrete_middle_beam.dat"));
    ui.click(w.cmdAvaalahto);
    calculate();
    ui.click(w.cmdTulosta);
    ASSERT_EQ(ui.printJobs().size(), 1u);
    runtime::TextFileReader report(m.DataPath + "quor01.tmp");
    const auto& lines = ui.printJobs()[0].lines;
    ASSERT_EQ(lines.size(), report.lineCount());
    EXPECT_EQ(lines[0], "      " + report.readLine());
    for (const std::string& line : lines) EXPECT_EQ(line.substr(0, 6), "      ");
    EXPECT_EQ(m.ViewFileName, m.DataPath + "quor01.tmp");
}

// A report that cannot be made is neither shown nor printed, and the
// report file of the last good report stays as it was: the heading file cut
// to 150 of its 192 items (62), the results of a failed calculation (a span
// of 0: 11), the report language file of the program folder missing (53).
TEST_F(ResultCommands, AReportThatFailsIsNeitherShownNorPrintedAndSaysWhy) {
    struct Case {
        const char* name;
        std::function<void()> breakIt;
        int error;
        const char* reason;
    };
    const Case cases[] = {
        {"short headings",
         [&] {
             runtime::TextFileReader full(m.DataPath + "TEKSTIT0.DA0");
             std::vector<std::string> items;
             for (int i = 0; i < 150; ++i) items.push_back(full.readLine());
             runtime::TextFileWriter cut(m.DataPath + "TEKSTIT0.DA0");
             for (const std::string& item : items) cut.line(item);
             cut.close();
         },
         62, "vajaa"},
        {"failed calculation", [&] {
             runtime::Messages messages;
             m.BeamSpan = 0, analysis::PerformCalculation(m, messages);
         }, 11, "laske uudelleen"},
        {"language file", [&] { std::filesystem::remove(folder.file("resultLanguage.fin")); }, 53, "puuttuu"},
    };
    ui.setStrict(false);  // the missing language file is reported on its own too
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string data = folder.file(c.name);
        std::filesystem::copy(QUORVEL_SOURCE_DIR "/data", data);
        model::ResetProjectDefaults(m);
        m.DataPath = data + "/";
        calculate();
        ui.click(w.cmdTulosta);
        const std::size_t jobs = ui.printJobs().size();
        const std::string good = quorvel::testing::readBytes(m.DataPath + "quor01.tmp");
        ASSERT_GT(good.size(), 3000u);
        const std::string saved = m.DataPath + "saved.tul";
        quorvel::testing::writeBytes(saved, good);
        m.ResultsFilePath = saved;

        c.breakIt();
        ui.clearMessages();
        w.SaveResultsFile();
        ui.click(w.cmdTulosta);
        ui.click(w.cmdTeksti);  // an unexpected viewer would fail the test
        const std::regex failure("Raporttia ei voitu muodostaa\\.\n.*" + std::string(c.reason) + ".*\n\\(Virhe " +
                                 std::to_string(c.error) + "\\)");
        int said = 0;
        for (const auto& message : ui.messages())
            if (std::regex_match(message.text, failure) && message.title == "Virhe") ++said;
        EXPECT_EQ(said, 2);  // by the print and the view command
        EXPECT_EQ(ui.printJobs().size(), jobs);
        EXPECT_EQ(quorvel::testing::readBytes(m.DataPath + "quor01.tmp"), good);
        EXPECT_EQ(quorvel::testing::readBytes(saved), good);
    }
}

// After a calculation the input is made to contradict itself (an LBL beam
// under P32 slabs; a beam 200 mm wide, as the beam dialog writes it once
// its own question is answered No), then a results command asks to
// calculate: going back to editing at the contradiction question, with Yes
// or with Escape, shows, prints and writes nothing (an unexpected viewer,
// table or file dialog would fail the test), and the results stay stale.
// No calculates the new input and the command goes on with its results.
TEST_F(ResultCommands, GoingBackToEditingShowsPrintsAndWritesNoOldResults) {
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"LBL under P32",
         [&] {
             choose(*static_cast<platform::OptionButton*>(w.findControl(std::string(findBeamType("LBL")->option))));
             for (platform::ComboBox* slabs : {&w.cboVasenlaattatyyppi, &w.cboOikealaattatyyppi}) {
                 const auto& items = slabs->items();
                 const auto p32 = std::find(items.begin(), items.end(), "P32");
                 ASSERT_NE(p32, items.end());
                 ui.selectItem(*slabs, static_cast<int>(p32 - items.begin()));
             }
         }},
        // 250 mm holds the four 25 mm bars of the default row (4 * 25 + 3 * 25
        // + 2 * 25 = 225 mm), not the bearings of both sides (2 * (65 + 90)).
        {"beam width 250",
         [&] {
             m.BeamWidth = 250;
             MarkInputChanged(m, w);
         }},
    };
    const std::string savedResults = folder.file("results.tul");
    const std::string report = m.DataPath + "quor01.tmp";
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Results > Text", [&] { ui.click(w.cmdTeksti); }},
        {"Results > Table", [&] { ui.click(w.cmdTaulukko0); }},
        {"table button", [&] { ui.click(w.cmdTaulukko); }},
        {"Print", [&] { ui.click(w.cmdTulosta); }},
        {"Save results", [&] { ui.click(w.cmdTallennatulokset); }},
        {"Save results as", [&] { ui.click(w.cmdTallennatuloksetNimella); }},
    };
    for (const auto& [edit, makeContradiction] : edits) {
        SCOPED_TRACE(edit);
        model::ResetProjectDefaults(m);
        w.RefreshMainForm();
        w.RunCalculation();
        ASSERT_EQ(m.ResultsValid, -1);
        const double oldRatio = m.UtilisationRatio;
        makeContradiction();
        std::string lines;
        int16_t found = 0;
        CollectInputContradictions(m, lines, found);
        ASSERT_NE(found, 0);
        ASSERT_EQ(m.ResultsValid, 0);
        m.ResultsFilePath = savedResults;

        for (const auto& [name, command] : commands) {
            for (bool escape : {false, true}) {
                SCOPED_TRACE(std::string(name) + (escape ? ", Escape" : ", Yes"));
                ui.clearMessages();
                if (escape)
                    ui.escapeNext();
                else
                    ui.answerNext(Answer::Yes);
                command();
                ui.verify();
                ASSERT_EQ(ui.messages().size(), 1u);
                EXPECT_NE(ui.messages()[0].text.find(lines), std::string::npos);
                EXPECT_EQ(ui.messages()[0].escapeAnswer, Answer::Yes);
                EXPECT_EQ(m.ResultsValid, 0);
                EXPECT_EQ(m.UtilisationRatio, oldRatio);
                EXPECT_TRUE(ui.printJobs().empty());
                EXPECT_FALSE(std::filesystem::exists(savedResults));
                EXPECT_FALSE(std::filesystem::exists(report));
            }
        }

        ui.answerNext(Answer::No);
        bool shown = false;
        ui.onModal("Fileview", [&](platform::Form& f) {
            shown = true;
            static_cast<Fileview&>(f).cmdPoistu.press();
        });
        ui.click(w.cmdTeksti);
        EXPECT_TRUE(shown);
        EXPECT_EQ(m.ResultsValid, -1);
        EXPECT_NE(m.UtilisationRatio, oldRatio);
        EXPECT_TRUE(std::filesystem::exists(report));
        std::filesystem::remove(report);
    }
}

TEST_F(ResultCommands, TheReportTextCommandShowsTheReportInTheViewer) {
    calculate();
    ui.onModal("Fileview", [&](platform::Form& f) {
        auto& view = static_cast<Fileview&>(f);
        runtime::TextFileReader report(m.DataPath + "quor01.tmp");
        EXPECT_EQ(view.Text.text().substr(0, 7 + report.peekLine().size()), "       " + report.peekLine());
        view.cmdPoistu.press();
    });
    ui.click(w.cmdTeksti);
}

// Each language's window opens the guide in its own language, from the
// program's folder; both guides describe every beam type of the window.
TEST_F(ResultCommands, HelpOpensTheShippedGuideOfTheWindowsLanguage) {
    struct Case {
        platform::Menu& languageItem;
        const char* file;
        const char* htmlLanguage;
    } cases[] = {{w.cmdSuomi, "quorvel_fi.html", "<html lang=\"fi\">"},
                 {w.cmdEnglanti, "quorvel.html", "<html lang=\"en\">"},
                 {w.cmdSuomi, "quorvel_fi.html", "<html lang=\"fi\">"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ui.click(c.languageItem);
        ui.click(w.cmdOhje);
        ASSERT_FALSE(ui.helpRequests().empty());
        const std::filesystem::path help = ui.helpRequests().back();
        EXPECT_EQ(help.filename(), c.file);
        EXPECT_EQ(help.parent_path(), std::filesystem::path(m.DataPath).parent_path());
        const std::string text = quorvel::testing::readBytes(help.string());
        EXPECT_NE(text.find(c.htmlLanguage), std::string::npos);
        EXPECT_NE(text.find("id=\"contents\""), std::string::npos);
        for (const char* option : {"SUORA", "BLEUKA", "I-BETONI", "WQ", "TI", "DELTA", "KVATRO", "MEK", "LBL",
                                   "A BEAM W", "A BEAM S"})
            EXPECT_NE(text.find(std::string("<td>") + option), std::string::npos) << option;
    }
}

// Every caption the language files give; switching twice to the same
// language changes nothing, and back to Finnish restores every caption.
// The platform's own texts follow each switch.
TEST_F(ResultCommands, TheLanguageSwitchRecaptionsTheWindowAndSwapsTheFlag) {
    // Without results the core-filling notice is empty, as the window's
    // load leaves it.
    w.txtOntelotaytto1.setCaption("");
    w.txtOntelotaytto2.setCaption("");
    std::map<std::string, std::string> finnish;
    for (platform::Control* c : w.controls()) finnish[c->name()] = c->caption();
    ui.click(w.cmdEnglanti);
    EXPECT_EQ(ui.language(), "en");
    EXPECT_EQ(m.LanguageIndex, 1);
    EXPECT_EQ(w.imgFlag.picture(), w.imgFlagEng.picture());
    EXPECT_EQ(w.cmdUusi.caption(), GetLanguageText(ui, 1, "frmQuorvel", "cmdUusi"));
    EXPECT_EQ(w.cmdTaulukko.caption(), GetLanguageText(ui, 1, "frmQuorvel", "cmdTaulukko"));
    std::map<std::string, std::string> english;
    int changed = 0;
    for (platform::Control* c : w.controls()) {
        english[c->name()] = c->caption();
        if (IsTranslatableControl(*c) == -1 && !GetLanguageText(ui, 1, "frmQuorvel", c->name()).empty())
            changed += c->caption() != finnish[c->name()];
    }
    EXPECT_GT(changed, 20);
    ui.click(w.cmdEnglanti);
    for (platform::Control* c : w.controls()) EXPECT_EQ(c->caption(), english[c->name()]) << c->name();
    ui.click(w.cmdSuomi);
    EXPECT_EQ(ui.language(), "fi");
    EXPECT_EQ(w.imgFlag.picture(), w.imgFlagFin.picture());
    for (platform::Control* c : w.controls()) EXPECT_EQ(c->caption(), finnish[c->name()]) << c->name();
}

}  // namespace
}  // namespace quorvel::app
