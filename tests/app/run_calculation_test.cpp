// The Calculate command through the main window, headless: the questions
// before a run, the near-zero guards, the outcome in the window (gauges,
// core-filling notice, table button) and the failure messages.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <cmath>
#include <functional>
#include <memory>
#include <regex>
#include <string>

#include "analysis/calculation_driver.h"
#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "app/geometry_checks.h"
#include "app/frm_taulukot.h"
#include "app/language.h"
#include "main_window_fixture.h"
#include "report/results_file.h"
#include "runtime/text_file.h"
#include "support/test_support.h"

namespace quorvel::app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::DrawCommand;
using platform::Icon;

constexpr platform::Color Grey = platform::rgb(128, 128, 128);

const std::string Question = "Haluatko jatkaa lähtötietojen muokkausta ennen laskentaa?";
const std::string WidthLine = "- Palkin leveys <=> saumavalut + tukipituudet.\r\n";

// The main window on a new project whose data folder is a copy of the
// delivered one: a calculation writes its work file and results file there.
class Calculate : public testing::MainWindowTest {
protected:
    void SetUp() override {
        for (const auto& entry : std::filesystem::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
            std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());
        MainWindowTest::SetUp();
        m.DataPath = folder.dataPath();
        ui.setProgramFolder(folder.dataPath());
    }
    void TearDown() override { ui.verify(); }

    void choose(const char* typeName) {
        MainWindowTest::choose(
            *static_cast<platform::OptionButton*>(w.findControl(std::string(findBeamType(typeName)->option))));
    }
    // The colour and number a gauge shows.
    static std::pair<platform::Color, std::string> shown(const platform::PictureBox& pic) {
        for (const DrawCommand& c : pic.displayList())
            if (c.kind == DrawCommand::Kind::Text) return {c.color, c.text};
        return {0, "<none>"};
    }
    bool resultFileWritten() const { return std::filesystem::exists(folder.path() / "quor.tu1"); }

    quorvel::testing::TempFolder folder;
};

TEST_F(Calculate, NewProjectCalculatesWithoutAQuestionAndShowsItsResults) {
    // The along-the-beam results are placed whole beside the error log.
    std::filesystem::create_directory(folder.path() / "log");
    m.LogPath = folder.dataPath() + "log/";
    // The strict platform fails the test on any message box.
    w.cmdLaske0.fireClick();
    ASSERT_EQ(m.ResultsValid, -1);
    EXPECT_TRUE(resultFileWritten());
    const std::string first = folder.read("quor.tu1");
    EXPECT_EQ(folder.read("log/quor.tu1"), first);
    // Every gauge is current (coloured) and shows its own result in percent.
    for (const platform::PictureBox* pic : {&w.picVasenleikkaus, &w.picOikeataipuma, &w.picPalkkitaipuma, &w.picVenyma})
        EXPECT_NE(shown(*pic).first, Grey) << pic->name();
    EXPECT_EQ(shown(w.picPalkkitaipuma).second, std::to_string(static_cast<int>(std::lround(100 * m.UtilisationRatio))));
    // No core filling is needed: the notice is shown, but empty.
    EXPECT_TRUE(w.txtOntelotaytto1.visible());
    EXPECT_EQ(w.txtOntelotaytto1.caption(), "");
    EXPECT_EQ(w.txtOntelotaytto2.caption(), "");
    // The button now opens the table; the next edit makes it calculate again.
    EXPECT_EQ(w.cmdTaulukko.caption(), "Taulukko");
    ui.type(w.txtVasenlaatastomuuttuva, "3");
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_EQ(w.cmdTaulukko.caption(), "Laske");
    // The button's first press calculates; its results replace the kept ones.
    ui.click(w.cmdTaulukko);
    EXPECT_EQ(m.ResultsValid, -1);
    EXPECT_NE(folder.read("quor.tu1"), first);
    EXPECT_EQ(folder.read("log/quor.tu1"), folder.read("quor.tu1"));
}

TEST_F(Calculate, EveryBeamTypeOfTheWindowCalculatesAsMiddleAndEdgeBeam) {
    for (const BeamTypeInfo& type : BeamTypes()) {
        for (bool edge : {false, true}) {
            choose(std::string(type.typeName).c_str());
            ui.click(edge ? w.optReunapalkki : w.optKeskipalkki);
            // Some defaults contradict themselves (and the CWQ default has a
            // thin topping): each question is answered No.
            std::string lines;
            int16_t found = 0;
            CollectInputContradictions(m, lines, found);
            if (found) ui.answerNext(Answer::No);
            if (type.typeName == "CWQ") {  // its default topping is thin and unreinforced
                ui.answerNext(Answer::No);
                ui.answerNext(Answer::No);
            }
            w.RunCalculation();
            ui.verify();
            EXPECT_EQ(m.ResultsValid, -1) << type.typeName << (edge ? " edge" : " middle");
            // An edge beam has no left slab field: its gauges stay grey, at 0.
            EXPECT_EQ(shown(w.picVasenleikkaus).first == Grey, edge) << type.typeName;
            if (edge) {
                EXPECT_EQ(shown(w.picVasenleikkaus).second, "0") << type.typeName;
            }
            MarkInputChanged(m, w);
        }
    }
}

TEST_F(Calculate, ContradictionsAnsweredYesOrEscapeChangeNothingAndNoCalculates) {
    ui.typeOver(w.txtVasentukipituus, "150");
    ui.typeOver(w.txtOikeatukipituus, "150");  // 90 + 90 + 150 + 150 > 380 mm beam width
    ui.typeOver(w.txtVasenlaatastopysyva, "0");
    const std::string heading = "Ristiriitaisuuksia lähtötiedoissa:\r\n\r\n";

    ui.expectMessage(heading + WidthLine + "\r\n" + Question, "Varoitus!", Buttons::YesNo, Icon::Exclamation,
                     Answer::Yes);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_FALSE(resultFileWritten());
    EXPECT_EQ(m.SlabImposedLoadPermanent(1), 0.0);

    // Escape goes back to editing as Yes does.
    ui.escapeNext();
    w.RunCalculation();
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[1].text, ui.messages()[0].text);
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_FALSE(resultFileWritten());

    ui.expectMessage(heading + WidthLine + "\r\n" + Question, "Varoitus!", Buttons::YesNo, Icon::Exclamation,
                     Answer::No);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, -1);
    EXPECT_TRUE(resultFileWritten());
}

TEST_F(Calculate, NearZeroGuardsLastOneRunAndGiveBackWhatWasTyped) {
    // Zero loads and a zero support length are calculated with 0.001 and
    // 0.11; afterwards the model holds what was typed. Without the guard a
    // zero support length divides by zero in the slab checks.
    for (platform::TextBox* box : {&w.txtVasenlaatastopysyva, &w.txtOikealaatastopysyva, &w.txtVasenlaatastomuuttuva,
                                   &w.txtOikealaatastomuuttuva})
        box->setText("0");
    w.txtVasentukipituus.setText("0");
    w.txtOikeatukipituus.setText("0.1105");
    w.txtOikealaatastomuuttuva.setText("0.00105");
    w.txtVasenlaatastomuuttuva.setText("0.0005");
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, -1);
    EXPECT_EQ(m.SlabImposedLoadPermanent(1), 0.0);
    EXPECT_EQ(m.SlabImposedLoadPermanent(2), 0.0);
    EXPECT_FLOAT_EQ(m.SlabImposedLoadVariable(1), 0.0005f);
    EXPECT_FLOAT_EQ(m.SlabImposedLoadVariable(2), 0.00105f);
    EXPECT_EQ(m.SlabSupportLength(1), 0.0);
    EXPECT_FLOAT_EQ(m.SlabSupportLength(2), 0.1105f);
}

TEST_F(Calculate, CwqToppingQuestions) {
    choose("CWQ");
    struct Case {
        const char* thickness;
        const char* area;
        bool asksThickness, asksArea;
    } cases[] = {
        {"49.9", "0.1", false, false},  {"160.1", "130", false, false}, {"49.89", "130", true, false},
        {"160.11", "130", true, false}, {"100", "0.09", false, true},  {"100", "", false, true},
        {"40", "0", true, true},
    };
    for (const Case& c : cases) {
        w.txtPintapaksuus.setText(c.thickness);
        w.txtRaudoiteala.setText(c.area);
        if (c.asksThickness)
            ui.expectMessage("CWQ-palkki vaatii aina raudoitetun pintabetonin; paksuus 50...160 mm\r\n" + Question,
                             "Varoitus!", Buttons::YesNo, Icon::Exclamation, Answer::No);
        if (c.asksArea)
            ui.expectMessage("CWQ-palkki vaatii aina RAUDOITETUN pintabetonin; anna raudoitus\r\n" + Question,
                             "Varoitus!", Buttons::YesNo, Icon::Exclamation, Answer::No);
        w.RunCalculation();
        ui.verify();
        EXPECT_EQ(m.ResultsValid, -1) << c.thickness << " / " << c.area;
        MarkInputChanged(m, w);
    }

    // A thickness of 0 also contradicts the reinforcement. With the
    // contradictions answered No their lines follow the CWQ sentence; Yes
    // then ends the calculation and the guards are undone.
    w.txtPintapaksuus.setText("0");
    w.txtRaudoiteala.setText("130");
    w.txtOikealaatastopysyva.setText("0");
    std::string lines;
    int16_t found = 0;
    CollectInputContradictions(m, lines, found);
    ASSERT_EQ(found, 1);
    std::filesystem::remove(folder.path() / "quor.tu1");
    ui.expectMessage("Ristiriitaisuuksia lähtötiedoissa:\r\n\r\n" + lines + "\r\n" + Question, "Varoitus!",
                     Buttons::YesNo, Icon::Exclamation, Answer::No);
    ui.expectMessage("CWQ-palkki vaatii aina raudoitetun pintabetonin; paksuus 50...160 mm" + lines + "\r\n" + Question,
                     "Varoitus!", Buttons::YesNo, Icon::Exclamation, Answer::Yes);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_FALSE(resultFileWritten());
    EXPECT_EQ(m.SlabImposedLoadPermanent(2), 0.0);
}

// A slab type the catalogue does not hold: one message in the window's
// language names the type, the side (by the window's caption for it) and
// the catalogue; nothing is calculated and the inputs stay as typed. The
// hidden left type of an edge beam is not looked at.
TEST_F(Calculate, AMissingSlabTypeIsNamedOnceAndNothingIsCalculated) {
    const std::string catalogue = folder.dataPath() + "ONTELO.MIT";
    struct Case {
        int side;
        const char* type;
        int16_t language;
        std::string message;
    } cases[] = {
        {2, "P99", 0, "Laskentaa ei tehty: laattatyyppiä \"P99\" (Oikea ontelolaatta) ei ole laattatiedostossa " + catalogue + "."},
        {1, "p27", 1, "Not calculated: the slab type \"p27\" (Left hollow-core slab) is not in the slab catalogue " + catalogue + "."},
    };
    ui.setProgramFolder(folder.dataPath());  // the language files
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        int16_t language = c.language;
        ApplyLanguage(w, language);
        m.LanguageIndex = language;
        w.cmdLaske0.fireClick();  // results of a sound project first
        ASSERT_EQ(m.ResultsValid, -1);
        const std::string typed = w.txtVasenalkuvali.text();
        const model::SideArray toppingLoad = m.ToppingLoad;
        const std::string before = m.SlabTypeName(c.side);
        m.SlabTypeName(c.side) = c.type;
        ui.expectMessage(c.message, ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
        w.RunCalculation();
        ui.verify();
        EXPECT_EQ(m.ResultsValid, 0);
        EXPECT_EQ(shown(w.picPalkkitaipuma), std::make_pair(Grey, std::string("0")));
        EXPECT_FALSE(w.txtOntelotaytto1.visible());
        EXPECT_EQ(w.txtVasenalkuvali.text(), typed);
        EXPECT_EQ(m.SlabTypeName(c.side), c.type);
        EXPECT_EQ(m.ToppingLoad(1), toppingLoad(1));
        EXPECT_EQ(m.ToppingLoad(2), toppingLoad(2));
        m.SlabTypeName(c.side) = before;
    }

    // A type gone from the catalogue file since start-up: the reader names
    // it in one message (the end line is no short line); its failure
    // number (-1) is not shown.
    model::SlabTypeRecord gone;
    gone.Name = "P99";
    m.SlabCatalogue.append(gone);
    m.SlabTypeName(2) = "P99";
    ui.expectMessageMatching("^\\*\\*\\* ERROR \\*\\*\\*: slab type P99 unknown [^]*\nP50$",
                             ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    w.RunCalculation();
    ui.verify();
    EXPECT_EQ(m.ResultsValid, 0);

    // An edge beam's left side carries no slabs: the type its hidden box
    // keeps is not calculated, and Calculate says nothing of it.
    m.SlabTypeName(2) = "P27";
    ui.click(w.optReunapalkki);
    m.SlabTypeName(1) = "P99";
    w.RunCalculation();
    ui.verify();
    EXPECT_EQ(m.ResultsValid, -1);
    EXPECT_EQ(m.SlabTypeName(1), "P99");
}

// A coefficient table value outside what its meaning allows (k_cd of the
// first record made negative) is named with its file and line, and
// nothing is calculated.
TEST_F(Calculate, ACoefficientTableValueOutsideItsLimitIsNamedAndNothingIsCalculated) {
    w.cmdLaske0.fireClick();
    ASSERT_EQ(m.ResultsValid, -1);
    std::string table = folder.read("kef.da0");
    const std::size_t at = table.find("1,150,0.10,0.5");
    ASSERT_EQ(table.substr(0, at), "2\r\n\"SUORA\"\r\n");  // the record is line 3
    table.replace(at, 14, "1,150,-1,0.5");
    folder.writeRaw("kef.da0", table);
    ui.expectMessage("Tiedoston " + folder.dataPath() + "kef.da0 rivillä 3 arvo k_cd = \"-1\" ei ole sallittu (0 < k_cd <= 0.2).",
                     ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    w.RunCalculation();
    ui.verify();
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_EQ(shown(w.picPalkkitaipuma), std::make_pair(Grey, std::string("0")));
}

// A side that cannot carry slabs is named with its field, and nothing is
// calculated: no gauge shows a utilisation for it. The left side of an
// edge beam carries no slabs, and its spacings are not held to the limits.
TEST_F(Calculate, ASideThatCannotCarrySlabsIsNamedAndNothingIsCalculated) {
    struct Case {
        int side, end;
        double spacing;
        const char* named;
    } cases[] = {{2, 1, 0, "Palkkivälit alkupäässä, oikea arvo 0 "},
                 {2, 2, -7800, "Palkkivälit loppupäässä, oikea arvo -7800 "},
                 {1, 1, 0, "Palkkivälit alkupäässä, vasen arvo 0 "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        w.cmdLaske0.fireClick();  // results of a sound project first
        ASSERT_EQ(m.ResultsValid, -1);
        const runtime::Value before = m.BeamSpacing(c.side, c.end);
        m.BeamSpacing(c.side, c.end) = c.spacing;
        ui.expectMessageMatching(std::string("Laskentaa ei tehty: kentän ") + c.named + "ei ole rajoissa .*",
                                 ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
        w.RunCalculation();
        EXPECT_EQ(m.ResultsValid, 0);
        EXPECT_EQ(shown(w.picOikealeikkaus).first, Grey);
        m.BeamSpacing(c.side, c.end) = before;
    }
    ui.click(w.optReunapalkki);
    m.BeamSpacing(1, 1) = 0;
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, -1);
}

// A side whose beam spacing, at either end, leaves its slabs no span of
// their own is never calculated, however the contradiction question is
// answered. The new project: SUORA 380 mm, slabs P27 (h 265, h.ct 105,
// ap 45, lmax 60) on the beam top, joint grout 90 mm and support length
// 65 mm (= leff) on each side. By hand: the joints take 2 x 90 = 180 mm of
// the spacing, the support 65 mm, and the slab's span must exceed the end
// factor's 2 p (1 + 2 leff / lmax) = 2 x 121.882 x (1 + 2 x 65 / 60) =
// 771.92 mm with d = 220, a = (65 + 160) / 2 = 112.5, p = (440 - 112.5)^2
// / 880 = 121.882 (more than b.cr = 265 - 105 = 160 mm): the spacing must
// be at least 180 + 65 + 771.92 = 1016.92, rounded up 1017 mm.
TEST_F(Calculate, ASideWhoseSpacingLeavesItsSlabsNoSpanIsNotCalculated) {
    const std::string spacingLine = "- Palkin leveys <=> palkkivälit.\r\n";
    struct Case {
        int side, end;
        double spacing;
        int16_t language;
        const char* named;
    } cases[] = {
        {2, 1, 200, 0, "oikean laataston palkkiväli alkupäässä, 200 mm"},
        {2, 2, 200, 1, "the beam spacing of the right slab field at the beam end, 200 mm"},
        {1, 1, 1016, 0, "vasemman laataston palkkiväli alkupäässä, 1016 mm"},
        {1, 2, 1016, 1, "the beam spacing of the left slab field at the beam end, 1016 mm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        m.LanguageIndex = c.language;
        w.cmdLaske0.fireClick();  // results of a sound project first
        ASSERT_EQ(m.ResultsValid, -1);
        const runtime::Value before = m.BeamSpacing(c.side, c.end);
        m.BeamSpacing(c.side, c.end) = c.spacing;
        const bool narrowerThanTheBeam = c.spacing < 380;
        const std::string question =
            c.language == 1 ? "Contradictions in the input data:\r\n\r\n- Beam width <=> beam spacings.\r\n\r\n"
                              "Do you want to go on editing the input before the calculation?"
                            : "Ristiriitaisuuksia lähtötiedoissa:\r\n\r\n" + spacingLine + "\r\n" + Question;
        // Yes goes back to editing: nothing is said or calculated.
        if (narrowerThanTheBeam) {
            ui.expectMessage(question, WarningTitle(c.language), Buttons::YesNo, Icon::Exclamation, Answer::Yes);
            w.RunCalculation();
            EXPECT_EQ(m.ResultsValid, -1);  // the earlier results were not touched
            MarkInputChanged(m, w);
            ui.expectMessage(question, WarningTitle(c.language), Buttons::YesNo, Icon::Exclamation, Answer::No);
        }
        const std::string refusal =
            c.language == 1
                ? std::string("Not calculated: ") + c.named +
                      ", leaves its slabs no span: the spacing must be at least 1017 mm (the beam and the joints "
                      "take 180 mm, the support 65 mm, and the slab's span must be more than 771.9 mm: the end "
                      "factor's 2 p (1 + 2 leff / lmax))."
                : std::string("Laskentaa ei tehty: ") + c.named +
                      ", ei jätä laatoille jänneväliä: palkkivälin on oltava vähintään 1017 mm (palkki ja saumat "
                      "vievät 180 mm, tukipituus 65 mm, ja laatan jännevälin on oltava yli 771.9 mm: päätekijän "
                      "2 p (1 + 2 leff / lmax)).";
        ui.expectMessage(refusal, ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
        w.RunCalculation();
        ui.verify();
        EXPECT_EQ(m.ResultsValid, 0);
        EXPECT_EQ(shown(c.side == 1 ? w.picVasenleikkaus : w.picOikealeikkaus).first, Grey);
        EXPECT_EQ(m.BeamSpacing(c.side, c.end).number(), c.spacing);  // the input as it was
        // The least spacing named leaves the slabs their span.
        m.BeamSpacing(c.side, c.end) = 1017;
        w.RunCalculation();
        EXPECT_EQ(m.ResultsValid, -1);
        m.BeamSpacing(c.side, c.end) = before;
    }
}

// A beam line load of no length and a slab load off its field are
// contradictions at Calculate, named in the list; No calculates.
TEST_F(Calculate, LoadsThatActNowhereAreContradictions) {
    const std::string heading = "Ristiriitaisuuksia lähtötiedoissa:\r\n\r\n";
    const std::string zeroLine =
        "- Palkin viivakuorma <=> viivakuorman pituus 0: nollan pituinen viivakuorma ei vaikuta mihinkään "
        "palkin kohtaan; anna sen pituus, tai tyhjennä ruutu jänteen loppuosalle.\r\n";
    // The field: 7200 mm before the beam start to 6000 + 7200 mm.
    const std::string offLine =
        "- Laataston kuormien sijainti <=> laataston rajat: oikean laataston pistekuorma 1 (pysyvä 1000 kN, "
        "muuttuva 0 kN), y = 30000 mm: laatasto ulottuu palkin suunnassa välille y = -7200 ... 13200 mm.\r\n";
    m.BeamLineLoadG1 = 5.0;
    m.BeamLineLoadG2 = 5.0;
    m.BeamLineLoadQ1 = 2.0;
    m.BeamLineLoadQ2 = 2.0;
    m.SlabPointLoadCount(2) = 1.0;
    m.SlabPointLoadG(1, 2) = 1000;
    m.SlabPointLoadX(1, 2) = 3600;
    m.SlabPointLoadY(1, 2) = 30000;  // a 6 m beam whose field reaches 7.2 m beyond its end
    ui.expectMessage(heading + zeroLine + offLine + "\r\n" + Question, "Varoitus!", Buttons::YesNo,
                     Icon::Exclamation, Answer::Yes);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, 0);
    m.BeamLineLoadGLength = 6000.0;
    m.BeamLineLoadQLength = 6000.0;
    m.SlabPointLoadY(1, 2) = 13200;  // at the field's edge
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, -1);
}

TEST_F(Calculate, ASpanOutsideItsLimitsOrAFailedRunIsToldInTheChosenLanguage) {
    // A beam shorter than the beam dialogs take (0.5 mm calculated to an
    // all-green result before): named with its limits, not calculated.
    m.BeamSpan = 0.5;
    m.LanguageIndex = 1;
    ui.expectMessage("Not calculated: the value .5 of Beam span is outside its limits (1000 ... 40000 mm).",
                     ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_EQ(m.BeamSpan, 0.5);
    m.LanguageIndex = 0;
    ui.expectMessage("Laskentaa ei tehty: kentän Palkin jänneväli arvo .5 ei ole rajoissa (1000 ... 40000 mm).",
                     ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, 0);

    // Every value inside its limits, but a hogging support moment that
    // leaves the cracked composite section no sagging moment: named (before,
    // "divide by zero 6"), (6.10a) -1.35 * 10000 = -13500 kNm at the supports.
    choose("DELTA");
    m.BeamSpan = 6000;
    m.SupportMomentStartPermanent = -10000;
    m.SupportMomentEndPermanent = -10000;
    m.LanguageIndex = 1;
    const std::string english =
        "Not calculated: the beam's design moment is hogging (negative) over the whole span, down to -13500.0 kNm. "
        "The beam is checked in sagging only, and the stiffness of its cracked section is found from a sagging "
        "moment. Check the support moments.";
    const std::string finnish =
        "Laskentaa ei tehty: palkin mitoitusmomentti on negatiivinen (tukimomentti) koko jänteellä, alimmillaan "
        "-13500.0 kNm. Palkki tarkistetaan vain positiiviselle momentille, ja sen halkeilleen poikkileikkauksen "
        "jäykkyys lasketaan positiivisesta momentista. Tarkista tukimomentit.";
    ui.expectMessage(english, ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, 0);
    m.LanguageIndex = 0;
    ui.expectMessage(finnish, ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    w.RunCalculation();
    // A language without texts of its own is told in Finnish.
    m.LanguageIndex = 2;
    ui.expectMessage(finnish, ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_EQ(m.SupportMomentStartPermanent, -10000.0);
}

// Holes that take a whole half of the slab field's zone (here one along the
// whole beam) leave the slab ends no web: the calculation stops naming
// them, in the window's language, where it said "divide by zero 11".
TEST_F(Calculate, HolesThatTakeTheWholeSlabFieldAreNamed) {
    m.HoleCount(2) = 1;
    m.HoleX(2, 1) = 0;
    m.HoleWidthB(2, 1) = m.BeamSpan;
    m.HoleY(2, 1) = 0;
    m.HoleLengthA(2, 1) = 1000;
    m.LanguageIndex = 1;
    ui.expectMessageMatching("Not calculated: the holes of the right side take away the whole of the half "
                             "x = 0 \\.\\.\\. [0-9]+ mm \\(half of the beam\\): .*",
                             ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, 0);
    m.LanguageIndex = 0;
    ui.expectMessageMatching("Laskentaa ei tehty: oikean puolen reiät vievät koko puolikkaan x = 0 .*", ui.applicationTitle(),
                             Buttons::Ok, Icon::Exclamation);
    w.RunCalculation();
    EXPECT_EQ(m.ResultsValid, 0);
}

// A calculation that stops names what stopped it after its number: the
// data file (missing, of another kind) or the work folder.
TEST_F(Calculate, AStoppedCalculationNamesItsCause) {
    namespace fs = std::filesystem;
    folder.write("HQLIB.MIT", {"HQ-PALKIT tyyppi luokka", "HQ400 1 0 220 30 2 S355", "LOPPU"});
    struct Case {
        const char* what;
        std::function<void()> make;
        int16_t language;
        std::string message;  // a pattern
    };
    // The catalogue removed and put back as what put makes in the folder.
    auto instead = [&](auto put) { return [&, put] { fs::remove(folder.path() / "ONTELO.MIT"); put(folder.path()); }; };
    const Case cases[] = {
        {"a beam library as the catalogue", [&] { m.SlabFileName = "HQLIB.MIT"; }, 0,
         "Laskenta keskeytyi virhetoimintoon 62: datatiedosto .*/HQLIB\\.MIT loppuu ennen tietoja, jotka laskenta "
         "siitä lukee\\.$"},
        // Gone, or put back after the start-up as what is no file: named, in the list of files
        // too, as the start-up names it (as on disk); the pipe's open does not wait for a writer.
        {"the catalogue removed", instead([](const fs::path&) {}), 1, "Not found: .*/ONTELO\\.MIT\r\n$"},
        {"a folder", instead([](const fs::path& p) { fs::create_directory(p / "ontelo.mit"); }), 1,
         "[^\r\n]*/ontelo\\.mit\r\n[\\s\\S]*Not a file but a folder, a device, a pipe or a broken link: "
         ".*/ontelo\\.mit\r\n$"},
        {"a named pipe", instead([](const fs::path& p) { ASSERT_EQ(::mkfifo((p / "ONTELO.MIT").c_str(), 0600), 0); }),
         0, "Ei tiedosto vaan kansio, laite, putki tai katkennut linkki: .*/ONTELO\\.MIT\r\n$"},
        {"a link loop", instead([](const fs::path& p) { fs::create_symlink("ONTELO.MIT", p / "ONTELO.MIT"); }), 1,
         "Not a file but a folder, a device, a pipe or a broken link: .*/ONTELO\\.MIT\r\n$"},
        {"the work folder removed", [&] { m.WorkPath = folder.dataPath() + "poistettu/"; }, 0,
         "Laskenta keskeytyi virhetoimintoon 76: työkansiota .*/poistettu/ ei ole\\.$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const model::ProjectModel before = m;
        const std::string catalogue = folder.read("ONTELO.MIT");
        c.make();
        m.LanguageIndex = c.language;
        ui.setStrict(false);
        ui.clearMessages();
        w.RunCalculation();
        EXPECT_NE(m.ResultsValid, -1);
        // One message; the reader may have named a flawed line of the file
        // before the failure.
        ASSERT_EQ(ui.messages().size(), 1u);
        const std::string& last = ui.messages().back().text;
        EXPECT_TRUE(std::regex_search(last, std::regex("(^|\r\n\r\n)" + c.message))) << last;
        m = before;
        fs::remove_all(folder.path() / "ontelo.mit");
        fs::remove(folder.path() / "ONTELO.MIT");
        folder.writeRaw("ONTELO.MIT", catalogue);
    }
    ui.clearMessages();
}

// A negative utilisation through Calculate, on the new SUORA project with
// the right slab's strands and prestress changed, every value within what
// the windows take: one bottom and 29 top strands (as many as one layer of
// the 1200 mm unit holds) stressed to 1473 MPa (at most 1473.12). The prestress
// alone cracks the slab underside (cracking moment below 0, so the ratio
// Mk / Mcr is negative): the calculation completes, the gauge is red and
// reads the ratio with its minus sign, the table shows the not-OK picture
// and the report explains the line. (A negative bending, shear or strain
// ratio can come only from data the readers refuse; the analysis stops on
// one, as NegativeUtilisation.EachCheckedRatioBelowZeroIsAFaultNamedInBothLanguages
// shows.)
TEST_F(Calculate, ANegativeCrackingUtilisationIsShownAsExceeded) {
    m.BottomStrandCode(2) = "1L";
    m.TopStrandCode(2) = "29L";
    m.StrandInitialStress(2) = 1473;
    w.RunCalculation();
    ASSERT_EQ(m.ResultsValid, -1);
    // By hand, P27 over a 1200 mm unit, slab concrete C40/50 (Ecm =
    // 22 (48/10)^0.3 = 35220 MPa, fctk = 2.456 MPa), strands Ep = 195000 MPa
    // taken in the section as (Ep/Ecm - 1) = 4.5366 times their area, 45 mm
    // from either face. The section with 41 strands (1 bottom, 40 top at
    // 220 mm above the bottom) is A = 191316 mm2, I = 1.58801e9 mm4,
    // yb = 142.307 mm; 11 top strands fewer take dA = 11 x 100 x 4.5366 =
    // 4990 mm2 at 220 mm out: A = 186326 mm2, yb = (191316 x 142.307 -
    // 4990 x 220) / 186326 = 140.226 mm, I = 1.58801e9 + 191316 (2.081)^2 -
    // 4990 (79.774)^2 = 1.55708e9 mm4. 1473 MPa less 20 %:
    // P = 30 x 100 x 1178.4 = 3.5352e6 N, zp = (45 + 29 x 220) / 30 = 214.17,
    // e = 140.226 - 214.17 = -73.94 mm; sigma.cp = -P (1/A + e yb / I) =
    // +4.567 MPa (tension) > fctm = 2.456 / 0.7 = 3.509 MPa, so
    // Mcr = (3.509 - 4.567) I / yb = -1.1756e7 Nmm per unit = -9.796 kNm/m.
    EXPECT_NEAR(m.SlabCrackingMoment(2), -9.796, 0.01);
    ASSERT_LT(m.SlabCrackingUtilisation(2), 0.0);
    const auto [color, text] = shown(w.picOikeahalkeilu);
    EXPECT_EQ(color, platform::rgb(255, 0, 0));
    EXPECT_EQ(text, std::to_string(std::lround(100 * m.SlabCrackingUtilisation(2).number())));
    ui.onModal("frmTaulukot", [](platform::Form& f) {
        auto& table = static_cast<frmTaulukot&>(f);
        EXPECT_EQ(table.Grid2.cellPicture(4, 3), table.imgNo.picture());
        table.cmdOK.press();
    });
    ui.click(w.cmdTaulukko);
    for (int16_t language : {0, 1}) {
        m.LanguageIndex = language;
        ASSERT_EQ(report::WriteResultsFile(m, ui, folder.file("negative.tul")), 0);
        const std::string report = runtime::cp1252ToUtf8(folder.read("negative.tul"));
        EXPECT_NE(report.find(language ? "\r\nMcr < 0 (right): the prestress alone cracks the slab underside"
                                       : "\r\nMcr < 0 (oikea): esijännitys yksin halkaisee laatan alapinnan"),
                  std::string::npos)
            << report;
    }
}

// The catalogue edited in place between two calculations, its length kept
// and its modification time put back (P27's self weight 3.60 to 3.80): the
// next Calculate reads it, and gives what a model reading every file
// afresh gives.
TEST_F(Calculate, AnEditedCatalogueIsReadAtTheNextCalculate) {
    namespace fs = std::filesystem;
    w.RunCalculation();
    ASSERT_EQ(m.ResultsValid, -1);
    const double before = m.UtilisationRatio.number();

    const fs::path file = folder.path() / "ONTELO.MIT";
    const fs::file_time_type time = fs::last_write_time(file);
    std::string bytes = folder.read("ONTELO.MIT");
    const std::size_t at = bytes.find(" 110 3.60 4.14");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at + 5, 4, "3.80");
    folder.writeRaw("ONTELO.MIT", bytes);
    fs::last_write_time(file, time);

    w.RunCalculation();
    ASSERT_EQ(m.ResultsValid, -1);
    EXPECT_GT(m.UtilisationRatio.number(), before);
    auto fresh = std::make_unique<model::ProjectModel>(m);
    fresh->DataFiles = nullptr;
    runtime::Messages messages;
    ASSERT_EQ(analysis::PerformCalculation(*fresh, messages), 0);
    EXPECT_EQ(m.UtilisationRatio.number(), fresh->UtilisationRatio.number());
    for (int side = 1; side <= 2; ++side)
        EXPECT_EQ(m.SlabShearUtilisation(side).number(), fresh->SlabShearUtilisation(side).number());
}

TEST_F(Calculate, CoreFillingNoticeNamesTheNeed) {
    // An LBL middle beam carrying 12 m slab fields with 10 kN/m2 imposed
    // load: the slab webs at the beam call for the 600 mm filling the
    // project offers, which the result then asks for on both sides.
    choose("LBL");
    for (platform::TextBox* box : {&w.txtVasenalkuvali, &w.txtOikeaalkuvali, &w.txtVasenloppuvali, &w.txtOikealoppuvali})
        box->setText("12000");
    for (platform::TextBox* box : {&w.txtVasenlaatastomuuttuva, &w.txtOikealaatastomuuttuva}) box->setText("10");
    for (platform::TextBox* box : {&w.txtVasenontelotaytto, &w.txtOikeaontelotaytto}) box->setText("600");
    w.RunCalculation();
    ASSERT_EQ(m.ResultsValid, -1);
    EXPECT_EQ(m.CoreFillingResult(1), 600.0);
    EXPECT_EQ(m.CoreFillingResult(2), 600.0);
    EXPECT_TRUE(w.txtOntelotaytto1.visible());
    EXPECT_EQ(w.txtOntelotaytto1.caption(), "HUOM!  Ontelotäyttöä tarvitaan!");
    EXPECT_EQ(w.txtOntelotaytto2.caption(), "KS. Taulukko!");

    // As an edge beam only the right side counts: without filling there the
    // notice is empty whatever the left side held.
    ui.click(w.optReunapalkki);
    w.txtOikeaontelotaytto.setText("0");
    w.RunCalculation();
    ASSERT_EQ(m.ResultsValid, -1);
    EXPECT_LT(m.CoreFillingResult(2), 0.1);
    EXPECT_EQ(w.txtOntelotaytto1.caption(), "");
}

}  // namespace
}  // namespace quorvel::app
