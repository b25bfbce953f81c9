// A beam section that no one could build is never calculated. Each case
// of the tables (the sections measured as calculated and shown adequate,
// and their kin; the bar rows that do not fit) is put to the three doors a
// section comes in through: OK of the beam dialog, Open of a project file
// and Calculate. Each door refuses it, naming the dialog's fields by their
// captions and the rule with its values; a dialog whose own box holds the
// value refuses it there. Every type's defaults and every fixture are
// taken and calculate.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "analysis/calculation_driver.h"
#include "app/beam_position.h"
#include "app/beam_types.h"
#include "dialog_fixture.h"
#include "dialogs/concrete-beams/beam_dialog.h"
#include "inputfile/input_file_reader.h"
#include "language_entries.h"
#include "model/field_limits.h"
#include "model/field_names.h"
#include "inputfile/input_file_writer.h"
#include "model/beam_rules.h"
#include "model/topping_load.h"

namespace quorvel::dialogs::testing {
namespace {

namespace fs = std::filesystem;
using model::ProjectModel;

struct Impossible {
    const char* name;  // the test's name
    const char* type;  // BeamTypeName
    std::function<void(ProjectModel&)> set;
    std::string refusal;     // the rule and its values, in Finnish (English when english)
    bool boxHolds = false;   // the dialog's own box refuses the value before OK
    bool english = false;
    bool edge = false;
};

// The box that mends each case and the value that would do, by the case's
// name (defined after the tables).
std::string mendOf(const Impossible& c);

class BeamRules : public DialogTest, public ::testing::WithParamInterface<Impossible> {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        // A calculation writes its work files into the data folder.
        for (const auto& entry : fs::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
            fs::copy_file(entry.path(), folder.path() / entry.path().filename());
        m.DataPath = folder.dataPath();
        ui.setProgramFolder(folder.dataPath());
    }

    void chooseType(const std::string& typeName, bool edge) {
        choose(*static_cast<platform::OptionButton*>(
            w.findControl(std::string(app::findBeamType(typeName)->option))));
        ui.click(edge ? w.optReunapalkki : w.optKeskipalkki);
    }

    // The text of the last message the action shows.
    std::string messageOf(const std::function<void()>& action) {
        ui.clearMessages();
        ui.answerNext(platform::Answer::Ok);
        action();
        return ui.messages().empty() ? "" : ui.messages().back().text;
    }

    quorvel::testing::TempFolder folder;
};

TEST_P(BeamRules, ASectionThatCannotExistOpensToBeMendedAndIsRefusedAtOkAndCalculate) {
    const Impossible& c = GetParam();
    chooseType(c.type, c.edge);
    if (c.english) ui.click(w.cmdEnglanti);
    c.set(m);
    const bool english = c.english;
    // The rule with its values, then the box that mends it and the value
    // that would do, said to be where.
    auto refusal = [&](const std::string& where) {
        return (english ? "The beam section cannot be built: " : "Palkin poikkileikkausta ei voi rakentaa: ") +
               c.refusal + ".\r\n" + (english ? "To be mended" : "Korjattava") + where + ": " + mendOf(c) + ".";
    };

    // Calculate: nothing is calculated.
    const std::string calculated = messageOf([&] { w.RunCalculation(); });
    EXPECT_EQ(calculated, (english ? "Not calculated: " : "Laskentaa ei tehty: ") +
                              refusal(english ? " in the beam dialog" : " palkin ikkunassa"));
    EXPECT_EQ(m.ResultsValid, 0);

    // Open: the file opens, with one message that says what to mend where
    // (before, the file was refused whole); Calculate still refuses it.
    const std::string file = folder.file("palkki.dat");
    ASSERT_EQ(inputfile::WriteInputDataFile(m, file), 0);
    m.InputChanged = 0;  // no save question: the one message is counted
    ui.clearMessages();
    ui.answerNext(platform::Answer::Ok);
    ui.answerFileDialog(file);
    ui.click(w.cmdAvaalahto);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages().back().text,
              refusal(english ? " in the beam dialog (the Beam button)" : " palkin ikkunassa (painike Palkki)") +
                  (english ? " Nothing is calculated until it is mended."
                           : " Laskentaa ei tehdä, ennen kuin se on korjattu."));
    EXPECT_EQ(m.InputFilePath, file);
    EXPECT_EQ(messageOf([&] { w.RunCalculation(); }), calculated);
    EXPECT_EQ(m.ResultsValid, 0);

    // OK of the beam dialog: the window stays open and writes nothing.
    const std::string form(app::findBeamType(c.type)->dialog);
    std::string refused;
    std::string title;
    m.SubFormChanged = 0;
    open<BeamDialog>(w.cmdPalkki, form, [&](BeamDialog& d) {
        refused = messageOf([&] { ui.click(d.cmdOK); });
        title = ui.messages().empty() ? "" : ui.messages().back().title;
        // A refused box keeps the focus: cancel is pressed without leaving it.
        d.cmdPeruuta.fireClick();
    });
    if (c.boxHolds)
        EXPECT_EQ(title, english ? "Number error" : "Lukuarvovirhe") << refused;
    else
        EXPECT_EQ(refused, refusal(""));
    EXPECT_EQ(m.SubFormChanged, 0);
}

std::string name(const ::testing::TestParamInfo<Impossible>& info) { return info.param.name; }

// The fields of the dialogs, as their captions name them.
const std::string IFlanges = "Alalaipan paksuus (tb) + Alaviisteen korkeus (hr1) + Yläviisteen korkeus (hr2) + "
                             "Ylälaipan paksuus (tt)";

// One table per family of sections that cannot exist.
const std::vector<Impossible> Sections = {
    // I-BETONI: a 200 mm beam with 500 mm flanges (50 + 40 + 40 + 50 as
    // given: 500 + 40 + 40 + 500 = 1080 mm of parts in 200 mm).
    {"IFlangesTallerThanTheBeam", "BI",
     [](ProjectModel& m) {
         m.BeamHeight = m.OverallBeamHeight = 200;
         m.TopFlangeThickness = m.BottomFlangeThickness = 500;
     },
     "laipat ja viisteet mahtuvat palkin korkeuteen (" + IFlanges + " = 1080 > Palkin korkeus (h) = 200)"},
    {"IHaunchesTallerThanTheBeam", "BI",
     [](ProjectModel& m) {
         m.BeamHeight = m.OverallBeamHeight = 600;
         m.LowerRecessHeight = m.UpperRecessHeight = 500;
     },
     "laipat ja viisteet mahtuvat palkin korkeuteen (" + IFlanges + " = 1100 > Palkin korkeus (h) = 600)"},
    {"IHaunchesEnglish", "BI",
     [](ProjectModel& m) {
         m.BeamHeight = m.OverallBeamHeight = 600;
         m.LowerRecessHeight = m.UpperRecessHeight = 500;
     },
     "the flanges and haunches fit the beam's height (Bottom flange thickness (tb) + Lower haunch height (hr1) + "
     "Upper haunch height (hr2) + Top flange thickness (tt) = 1100 > Beam height (h) = 600)",
     false, true},
    {"IWebWiderThanTheFlanges", "BI", [](ProjectModel& m) { m.BeamWidth = 1000; },
     "uuma on alalaipan levyinen tai kapeampi (Uuman leveys (bw) = 1000 > Alalaipan leveys (bb) = 480)", true},
    {"ITopFlangeNarrowerThanTheWeb", "BI",
     [](ProjectModel& m) {
         m.BeamWidth = 400;
         m.TopFlangeWidth = 100;
     },
     "uuma on ylälaipan levyinen tai kapeampi (Uuman leveys (bw) = 400 > Ylälaipan leveys (bt) = 100)"},
    // BLEUKA: a ledge 150 mm deep with no height.
    {"LedgeWithoutHeight", "BLEUKA", [](ProjectModel& m) { m.LeftLedgeHeight = 0; },
     "ulkoneva leuka on korkeudeltaan yli 0 (0 >= Leuan korkeus, vasen = 0)"},
    {"LedgeAboveTheBeam", "JALO", [](ProjectModel& m) { m.RightLedgeHeight = 400; },
     "leuka on palkin korkeuden sisällä (Leuan korkeus, oikea = 400 > Palkin korkeus = 365)"},
    // A BEAM S: a 1500 mm top flange over a 400 mm bottom plate; an upper
    // hole of 350 mm at 120 mm up a web sqrt(((400 - 307) / 2)^2 + 265^2)
    // = 269.05 mm long.
    {"ABeamSTopFlangeWiderThanTheBottomPlate", "ABeamS", [](ProjectModel& m) { m.TopFlangeWidth = 1500; },
     "ylälaippa on pohjalevyn levyinen tai kapeampi (Ylälaipan leveys (bt) = 1500 > Pohjalevyn leveys (bb) = 400)",
     true},
    {"ABeamSHoleOutsideTheWeb", "ABeamS", [](ProjectModel& m) { m.WebHoleDiameter = 350; },
     "yläreikä on uuman sisällä (Yläreiän reunaetäisyys (e1) + Yläreiän halkaisija (D1) = 470 > "
     "sqrt(((Pohjalevyn leveys (bb) - Ylälaipan leveys (bt)) / 2)^2 + Palkin korkeus (h)^2) = 269.0488)"},
    {"ABeamSLowerHoleOutsideTheWeb", "ABeamS",
     [](ProjectModel& m) {
         m.LowerHoleEdgeDistance = 200;
         m.LowerHoleDiameter = 100;
     },
     "alareikä on uuman sisällä (Alareiän reunaetäisyys (e2) + Alareiän halkaisija (D2) = 300 > "
     "sqrt(((Pohjalevyn leveys (bb) - Ylälaipan leveys (bt)) / 2)^2 + Palkin korkeus (h)^2) = 269.0488)"},
    // DELTA: a hole of 300 mm at 75 mm up a web sqrt(77.5^2 + 265^2) = 276.10 mm long.
    {"DeltaHoleOutsideTheWeb", "DELTA", [](ProjectModel& m) { m.WebHoleDiameter = 300; },
     "reikä on uuman sisällä (Reiän reunaetäisyys (e) + Uuman reiän halkaisija (D) = 375 > "
     "sqrt(((Pohjalevyn leveys (bb) - Ylälaipan leveys (bt)) / 2)^2 + Palkin korkeus (h)^2) = 276.1001)"},
    // A BEAM W: slabs on ledges of 0 mm; a 1500 mm top plate over a 380 mm bottom plate.
    {"ABeamWSlabsWithoutASeat", "Apalkki",
     [](ProjectModel& m) { m.LeftLedgeWidth = m.RightLedgeWidth = 0; },
     "leuka kantaa laatan: se on vähintään lyhimmän tukipituuden levyinen (20 > Oikea leuka (wR) = 0)"},
    {"ABeamWTopPlateWiderThanTheBottomPlate", "Apalkki", [](ProjectModel& m) { m.TopFlangeWidth = 1500; },
     "ylälevy on pohjalevyn levyinen tai kapeampi (Ylälevyn leveys (bt) = 1500 > Pohjalevyn leveys (bb) = 380)"},
    // MEK: a raised box of 200 mm of 0 mm plate; a 150 mm profile on a
    // 100 mm box in 150 mm of concrete.
    {"MekBoxWithoutPlate", "MEK",
     [](ProjectModel& m) {
         m.BoxHeight = 200;
         m.BoxPlateThickness = 0;
     },
     "korokekotelon levyllä on paksuus (0 >= Korokekotelon levyn paksuus (tk) = 0)"},
    {"MekSteelAboveTheConcrete", "MEK",
     [](ProjectModel& m) {
         m.BeamHeight = 150;
         m.InnerProfileHeight = 150;
         m.BoxHeight = 100;
         m.BoxPlateThickness = 10;
     },
     "I-profiili ja korokekotelo mahtuvat palkin korkeuteen (I-profiilin korkeus (hs) + Korokekotelon korkeus (hk) "
     "= 250 > Korkeus pohjalevyn päältä (h) = 150)"},
    // LB: a concrete 1000 mm wide at the top on 180 mm at the bottom.
    {"LbConcreteWiderAtTheTop", "KEMO_UUSI",
     [](ProjectModel& m) {
         m.BeamWidth = 1000;
         m.LBBottomWidth = 180;
     },
     "betoni kapenee ylöspäin: yläleveys on enintään alaleveys (Betonin yläleveys (B) = 1000 > Betonin alaleveys "
     "(bLB) = 180)"},
    // CWQ: a dowel 1500 mm wide on a 240 mm flange; 200 mm high in a 60 mm topping.
    {"CwqDowelWiderThanTheFlange", "CWQ", [](ProjectModel& m) { m.DowelWidth = 1500; },
     "vaarna on ylälaipan levyinen tai kapeampi (Vaarnan leveys (bv) = 1500 > Ylälaipan leveys (bt) = 240)", true},
    {"CwqDowelAboveTheTopping", "CWQ",
     [](ProjectModel& m) {
         m.DowelHeight = 200;
         m.ToppingThickness = 60;
     },
     "vaarna on pintabetonin sisällä (Vaarnan korkeus (hv) = 200 > Pintabetonin paksuus = 60)"},
    // TI: flanges of 80 + 80 mm in 150 mm; WQ: a 500 mm top flange and
    // two 5 mm webs on a 450 mm bottom flange.
    {"TiFlangesTallerThanTheBeam", "TI",
     [](ProjectModel& m) {
         m.BeamHeight = m.OverallBeamHeight = 150;
         m.TopFlangeThickness = m.BottomFlangeThickness = 80;
     },
     "laipat mahtuvat palkin korkeuteen uuman kanssa (Ylälaipan paksuus (tt) + Alalaipan paksuus (tb) = 160 >= "
     "Palkin korkeus (h) = 150)"},
    {"WqWebsBeyondTheBottomFlange", "HQ", [](ProjectModel& m) { m.TopFlangeWidth = 500; },
     "uumat ja ylälaippa mahtuvat alalaipan leveydelle (Ylälaipan leveys (bt) + 2 Uuman paksuus (tw) = 510 > "
     "Alalaipan leveys (bb) = 450)"},
    // KVATRO: ledges that leave 100 mm between the webs.
    {"KvatroWebsTooClose", "KVATRO", [](ProjectModel& m) { m.LeftLedgeWidth = m.RightLedgeWidth = 190; },
     "uumien väli on vähintään 190 mm (190 > Uumien väli = 100)", true},
    // LBL 500 mm wide on its 480 mm bottom: a file of the previous
    // version that could not be opened.
    {"LblWebFiveHundredWide", "LBL", [](ProjectModel& m) { m.BeamWidth = 500; },
     "betoni kapenee ylöspäin: yläleveys on enintään alaleveys (Palkin leveys = 500 > Alaleveys = 480)"},
    // LBL: a web of 1000 mm on a 480 mm bottom (680 - 100 - 100).
    {"LblWebWiderThanItsBottom", "LBL", [](ProjectModel& m) { m.BeamWidth = 1000; },
     "betoni kapenee ylöspäin: yläleveys on enintään alaleveys (Palkin leveys = 1000 > Alaleveys = 480)"},
};
INSTANTIATE_TEST_SUITE_P(Sections, BeamRules, ::testing::ValuesIn(Sections), name);

// Rows of bars and strands that do not fit. The width a row needs is
// n d + (n - 1) max(d, 20) + 2 c with d = 2 sqrt(A / pi) (EN 1992-1-1
// 8.2(2)) and the family's cover c: 100 bars of 491 mm2 (d = 25.0032 mm)
// need 199 * 25.0032 + 50 = 5025.64 mm; 10 bars of 32 mm 19 * 32 + 50 =
// 658 mm; 20 bars of 491 mm2 39 * 25.0032 + 40 = 1015.13 mm beside the
// DELTA's 387.50 - 155 * 45 / 265 = 361.18 mm between its webs at 60 mm
// (web width 6 * 276.10 / 265 = 6.2513 mm across); 100 strands of 2500
// mm2 (d = 56.419 mm) 199 * 56.419 + 50 = 11277.37 mm in LBL's 480 - 40 *
// 32 / 265 = 475.17 mm, + 60 = 11287.37 mm on SUPER's 600 mm.
const std::string Fit = "rivin teräkset mahtuvat betonin leveydelle vapain välein max(d, 20 mm) ja reunoilta "
                        "peitteellä ";
// What n and d stand for, with their values (d to 0.1 mm as the window
// shows lengths).
std::string areaNote(const std::string& n, const std::string& d) {
    return "; n: Terästen lukumäärä rivillä = " + n + ", d: yhden teräksen halkaisija sen pinta-alasta A, "
           "2 sqrt(A / pi) = " + d + " mm)";
}
const std::vector<Impossible> Rows = {
    {"SuoraHundredBars", "SUORA", [](ProjectModel& m) { m.BarsInRow(1) = 100; },
     "Raudoitus, rivi 1: " + Fit + "25 mm (n d + (n - 1) max(d, 20) + 2 * 25 = 5025.6 > betonin leveys tasolla 38 "
     "= 380" + areaNote("100", "25")},
    // Files of the previous version that could not be opened: 8 bars of
    // 25 mm (491 mm2, d = 25.0032 mm) in one row of the 380 mm beam need
    // 15 * 25.0032 + 50 = 425.048 mm; 7 need 13 * 25.0032 + 50 = 375.04 mm.
    {"SuoraEightBarsOf25", "SUORA",
     [](ProjectModel& m) {
         m.BarsInRow(1) = 8;
         m.BarArea(1) = 491;
     },
     "Raudoitus, rivi 1: " + Fit + "25 mm (n d + (n - 1) max(d, 20) + 2 * 25 = 425 > betonin leveys tasolla 38 "
     "= 380" + areaNote("8", "25")},
    // A BEAM W whose top plate is 16 mm: row 2 (d / 2 = 9.99747 mm) 25 mm
    // from the top lies in the plate, 16 + 9.99747 = 25.99747 mm.
    {"ABeamWTopPlateSixteen", "Apalkki", [](ProjectModel& m) { m.TopFlangeThickness = 16; },
     "Yläpinnan raudoitteet, rivi 2: rivi on betonin sisällä (Ylälevyn paksuus (tt) + d / 2 = 25.99747 > Terästen "
     "etäisyys yläpinnasta = 25)"},
    {"BleukaRowAboveTheLedges", "BLEUKA", [](ProjectModel& m) { m.BarDistanceFromBottom(1) = 150; },
     "Raudoitus, rivi 1: " + Fit + "25 mm (n d + (n - 1) max(d, 20) + 2 * 25 = 525.1 > betonin leveys tasolla "
     "150 = 280" + areaNote("10", "25")},
    {"KvatroTenBarsBetweenTheWebs", "KVATRO", [](ProjectModel& m) { m.BarsInRow(1) = 10; },
     "Raudoitus, rivi 1: " + Fit + "25 mm (n d + (n - 1) max(d, 20) + 2 * 25 = 658 > betonin leveys tasolla 48 = "
     "240; n: Terästen lukumäärä rivillä = 10, d: Yhden teräksen halkaisija = 32 mm)"},
    {"KvatroRowAboveTheBeam", "KVATRO", [](ProjectModel& m) { m.BarDistanceFromBottom(1) = 1000; },
     "Raudoitus, rivi 1: rivi on betonin sisällä (Terästen etäisyys alapinnasta = 1000 > betonin yläpinta - d / 2 "
     "= 255)",
     true},
    {"SuoraRowAboveTheBeam", "SUORA", [](ProjectModel& m) { m.BarDistanceFromBottom(1) = 600; },
     "Raudoitus, rivi 1: rivi on betonin sisällä (Terästen etäisyys alapinnasta = 600 > betonin yläpinta - d / 2 "
     "= 567.4984)"},
    // Bars of 2000 mm2 (d / 2 = 25.23 mm) with their axis 15 mm up.
    {"SuoraRowBelowTheBeam", "SUORA",
     [](ProjectModel& m) {
         m.BarArea(1) = 2000;
         m.BarsInRow(1) = 2;
         m.BarDistanceFromBottom(1) = 15;
     },
     "Raudoitus, rivi 1: rivi on betonin sisällä (betonin alapinta + d / 2 = 25.23133 > Terästen etäisyys "
     "alapinnasta = 15)"},
    {"DeltaBarsBeyondTheWebs", "DELTA",
     [](ProjectModel& m) {
         m.SteelBeamRebarRowCount = 1;
         m.SteelBeamBarsInRow(1) = 20;
         m.SteelBeamBarArea(1) = 491;
         m.SteelBeamBarDistance(1) = 60;
     },
     "Teräspalkin raudoitteet, rivi 1: " + Fit + "20 mm (n d + (n - 1) max(d, 20) + 2 * 20 = 1015.1 > betonin "
     "leveys tasolla 60 = 361.2" + areaNote("20", "25")},
    {"LblHundredStrands", "LBL",
     [](ProjectModel& m) {
         for (int r = 1; r <= 2; ++r) {
             m.BarsInRow(r) = 100;
             m.BarArea(r) = 2500;
         }
     },
     "Jänneteräkset, rivi 1: " + Fit + "25 mm (n d + (n - 1) max(d, 20) + 2 * 25 = 11277.4 > betonin leveys "
     "tasolla 40 = 475.2" + areaNote("100", "56.4")},
    // SUPER likewise: the strands stand on the 600 mm precast part, cover 30 mm.
    {"SuperHundredStrands", "BESUPER",
     [](ProjectModel& m) {
         for (int r = 1; r <= 2; ++r) {
             m.BarsInRow(r) = 100;
             m.BarArea(r) = 2500;
         }
     },
     "Jänneteräkset, rivi 1: " + Fit + "30 mm (n d + (n - 1) max(d, 20) + 2 * 30 = 11287.4 > betonin leveys "
     "tasolla 40 = 600" + areaNote("100", "56.4")},
    // And its bars welded to the angle steel, which its window measures from
    // the bottom: row 1 (314 mm2, d / 2 = sqrt(314 / pi) = 9.9975 mm) 2000 mm
    // up in the 240 mm beam, whose concrete ends at 240 - 9.9975 = 230.0025
    // mm. Before, besuper_new_project_old_format.dat took such a row 400 mm
    // up in its 240 mm beam: MRd 446.3 -> 533.9 kNm, beam 0.649 -> 0.543.
    {"SuperWeldedBarsAboveTheBeam", "BESUPER", [](ProjectModel& m) { m.TopBarDistanceFromTop(1) = 2000; },
     "Kulmateräkseen hitsatut harjateräkset, rivi 1: rivi on betonin sisällä (Terästen etäisyys alapinnasta = "
     "2000 > betonin yläpinta - d / 2 = 230.0025)"},
    // A BEAM W's top rows, measured from the top plate's top face
    // (apalkki_new_project_old_format.dat: h 245, tt 15, bt 200, two bars
    // of 314 mm2, d / 2 = sqrt(314 / pi) = 9.99747 mm, in each row). Row 1
    // lies on the top plate, at d / 2 rounded to whole mm: at 400 mm it
    // made the overall height 280 -> 1060 mm, MRd 822.6 -> 925.7 kNm, the
    // beam 0.347 -> 0.290. 100 bars of 2500 mm2 on the 200 mm plate (MRd
    // 1084.1 kNm) need 199 * 56.419 = 11227.4 mm. Row 2 lies in the core
    // under the plate: at 10 mm its bars stand in the 15 mm plate.
    {"ABeamWTopRowAboveThePlate", "Apalkki", [](ProjectModel& m) { m.TopBarDistanceFromTop(1) = 400; },
     "Yläpinnan raudoitteet, rivi 1: rivi on ylälevyn päällä (etäisyys pyöristettynä millimetreiksi) (Terästen "
     "etäisyys yläpinnasta = 400 > d / 2 + 0.5 = 10.49747)"},
    {"ABeamWHundredBarsOnThePlate", "Apalkki",
     [](ProjectModel& m) {
         m.TopBarsInRow(1) = 100;
         m.TopBarArea(1) = 2500;
     },
     "Yläpinnan raudoitteet, rivi 1: rivin teräkset mahtuvat ylälevyn leveydelle vapain välein max(d, 20 mm) (n d + "
     "(n - 1) max(d, 20) = 11227.4 > Ylälevyn leveys (bt) = 200" + areaNote("100", "56.4")},
    {"ABeamWRowInTheTopPlate", "Apalkki", [](ProjectModel& m) { m.TopBarDistanceFromTop(2) = 10; },
     "Yläpinnan raudoitteet, rivi 2: rivi on betonin sisällä (Ylälevyn paksuus (tt) + d / 2 = 24.99747 > Terästen "
     "etäisyys yläpinnasta = 10)"},
    // Five rows of four 1256 mm2 bars (d = 39.99 mm: 7 * 39.99 + 50 =
    // 329.9 mm, each fitting 380 mm) in 380 x 580: 20 * 1256 = 25120 mm2 >
    // 0.08 * 380 * 580 = 17632 mm2.
    {"SuoraSteelBeyondEightPerCent", "SUORA",
     [](ProjectModel& m) {
         m.ReinforcementRowCount = 5;
         for (int r = 1; r <= 5; ++r) m.BarArea(r) = 1256;
     },
     "terästen ala on enintään 0.08 kertaa betonin ala (As (Terästen lukumäärä rivillä * pinta-ala, kaikki rivit) = "
     "25120 > 0.08 Ac = 17632)"},
};
INSTANTIATE_TEST_SUITE_P(Rows, BeamRules, ::testing::ValuesIn(Rows), name);

// Each the other side of its rule, rounded away from the breach to 0.1 mm
// (25.99747 -> 26.0), or the most bars that fit: n = floor((w - 2 c + s) /
// (d + s)), s = max(d, 20), from the widths and diameters above (8 bars of
// 25.0032 mm in 380 mm with c = 25: floor(355.0 / 50.0064) = 7; 32 mm bars
// between KVATRO's webs 240 mm apart: floor(222 / 64) = 3; 56.419 mm
// strands on the 200 mm plate, c = 0: floor(256.4 / 112.84) = 2).
const std::map<std::string, std::string> Mends = {
    {"IFlangesTallerThanTheBeam", "Palkin korkeus (h) vähintään 1080.0 mm"},
    {"IHaunchesTallerThanTheBeam", "Palkin korkeus (h) vähintään 1100.0 mm"},
    {"IHaunchesEnglish", "Beam height (h) at least 1100.0 mm"},
    {"IWebWiderThanTheFlanges", "Uuman leveys (bw) enintään 480.0 mm"},
    {"ITopFlangeNarrowerThanTheWeb", "Uuman leveys (bw) enintään 100.0 mm"},
    {"LedgeWithoutHeight", "Leuan korkeus, vasen yli 0 mm"},
    {"LedgeAboveTheBeam", "Leuan korkeus, oikea enintään 365.0 mm"},
    {"ABeamSTopFlangeWiderThanTheBottomPlate", "Ylälaipan leveys (bt) enintään 400.0 mm"},
    {"ABeamSHoleOutsideTheWeb", "Yläreiän reunaetäisyys (e1) + Yläreiän halkaisija (D1) enintään 269.0 mm"},
    {"ABeamSLowerHoleOutsideTheWeb", "Alareiän reunaetäisyys (e2) + Alareiän halkaisija (D2) enintään 269.0 mm"},
    {"DeltaHoleOutsideTheWeb", "Reiän reunaetäisyys (e) + Uuman reiän halkaisija (D) enintään 276.1 mm"},
    {"ABeamWSlabsWithoutASeat", "Oikea leuka (wR) vähintään 20.0 mm"},
    {"ABeamWTopPlateWiderThanTheBottomPlate", "Ylälevyn leveys (bt) enintään 380.0 mm"},
    {"MekBoxWithoutPlate", "Korokekotelon levyn paksuus (tk) yli 0 mm"},
    {"MekSteelAboveTheConcrete", "Korkeus pohjalevyn päältä (h) vähintään 250.0 mm"},
    {"LbConcreteWiderAtTheTop", "Betonin yläleveys (B) enintään 180.0 mm"},
    {"CwqDowelWiderThanTheFlange", "Vaarnan leveys (bv) enintään 240.0 mm"},
    {"CwqDowelAboveTheTopping", "Vaarnan korkeus (hv) enintään 60.0 mm"},
    {"TiFlangesTallerThanTheBeam", "Palkin korkeus (h) yli 160 mm"},
    {"WqWebsBeyondTheBottomFlange", "Alalaipan leveys (bb) vähintään 510.0 mm"},
    {"KvatroWebsTooClose", "Uumien väli vähintään 190.0 mm"},
    {"LblWebFiveHundredWide", "Palkin leveys enintään 480.0 mm"},
    {"LblWebWiderThanItsBottom", "Palkin leveys enintään 480.0 mm"},
    {"SuoraHundredBars", "Raudoitus, rivi 1: Terästen lukumäärä rivillä enintään 7"},
    {"SuoraEightBarsOf25", "Raudoitus, rivi 1: Terästen lukumäärä rivillä enintään 7"},
    {"ABeamWTopPlateSixteen", "Yläpinnan raudoitteet, rivi 2: Terästen etäisyys yläpinnasta vähintään 26.0 mm"},
    {"BleukaRowAboveTheLedges", "Raudoitus, rivi 1: Terästen lukumäärä rivillä enintään 5"},
    {"KvatroTenBarsBetweenTheWebs", "Raudoitus, rivi 1: Terästen lukumäärä rivillä enintään 3"},
    {"KvatroRowAboveTheBeam", "Raudoitus, rivi 1: Terästen etäisyys alapinnasta enintään 255.0 mm"},
    {"SuoraRowAboveTheBeam", "Raudoitus, rivi 1: Terästen etäisyys alapinnasta enintään 567.4 mm"},
    {"SuoraRowBelowTheBeam", "Raudoitus, rivi 1: Terästen etäisyys alapinnasta vähintään 25.3 mm"},
    {"DeltaBarsBeyondTheWebs", "Teräspalkin raudoitteet, rivi 1: Terästen lukumäärä rivillä enintään 6"},
    {"LblHundredStrands", "Jänneteräkset, rivi 1: Terästen lukumäärä rivillä enintään 4"},
    {"SuperHundredStrands", "Jänneteräkset, rivi 1: Terästen lukumäärä rivillä enintään 5"},
    {"SuperWeldedBarsAboveTheBeam", "Kulmateräkseen hitsatut harjateräkset, rivi 1: Terästen etäisyys alapinnasta enintään 230.0 mm"},
    {"ABeamWTopRowAboveThePlate", "Yläpinnan raudoitteet, rivi 1: Terästen etäisyys yläpinnasta enintään 10.4 mm"},
    {"ABeamWHundredBarsOnThePlate", "Yläpinnan raudoitteet, rivi 1: Terästen lukumäärä rivillä enintään 2"},
    {"ABeamWRowInTheTopPlate", "Yläpinnan raudoitteet, rivi 2: Terästen etäisyys yläpinnasta vähintään 25.0 mm"},
    {"SuoraSteelBeyondEightPerCent", "As (Terästen lukumäärä rivillä * pinta-ala, kaikki rivit) enintään 17632.0 mm²"},
};

std::string mendOf(const Impossible& c) {
    const auto found = Mends.find(c.name);
    return found == Mends.end() ? "?" : found->second;
}

class BeamRulesTaken : public BeamRules {};

// Every type's defaults, as a middle and as an edge beam, and every
// fixture (read as Open reads it) describe a section that can exist, and
// every fixture calculates.
TEST_F(BeamRulesTaken, EveryDefaultAndEveryFixtureIsTakenAndCalculates) {
    for (const app::BeamTypeInfo& type : app::BeamTypes())
        for (bool middle : {true, false}) {
            auto p = std::make_unique<ProjectModel>(m);
            p->IsMiddleBeam = 1;
            app::SelectBeamType(*p, type);
            if (!middle) app::SetEdgeBeam(*p);
            const auto breach = model::beamSectionBreach(*p, middle);
            EXPECT_FALSE(breach) << type.typeName << (middle ? " middle: " : " edge: ") << breach->text.finnish;
        }
    // Every fixture, copied into the test's folder, opened by the Open
    // command without a word, and calculated.
    int fixtures = 0;
    for (const auto& entry : fs::directory_iterator(QUORVEL_FIXTURES_DIR "/inputfiles")) {
        SCOPED_TRACE(entry.path().filename().string());
        ++fixtures;
        const std::string copy = folder.file(entry.path().filename().string());
        fs::copy_file(entry.path(), copy);
        declineSaveQuestions();
        ui.clearMessages();
        ui.answerFileDialog(copy);
        ui.click(w.cmdAvaalahto);
        ASSERT_EQ(m.InputFilePath, copy);
        EXPECT_TRUE(ui.messages().empty()) << ui.messages().front().text;
        model::ComputeToppingLoad(m);
        runtime::Messages messages;
        EXPECT_EQ(analysis::PerformCalculation(m, messages), 0) << runtime::messagesText(messages, 0);
        EXPECT_GT(m.UtilisationRatio, 0.0);
        m.InputChanged = 0;
    }
    EXPECT_GE(fixtures, 16);
}

// The rules name each field as the window shows it, in both languages: the
// caption of a label of the family's dialog in the language files, or the
// name of a box of the dialog or the main window in the table of field
// limits (boxes on a sketch or in a grid, which have no label); a field
// the window shows without a caption (LBL's web width and ledges) by its
// model field, as the project file's limits name such fields.
TEST(BeamRuleCaptions, EveryFieldIsNamedByItsWindowsCaption) {
    int named = 0;
    for (const app::BeamTypeInfo& type : app::BeamTypes()) {
        const std::string form(type.dialog);
        const auto finnish = languageEntriesOf("language.fin", form);
        const auto english = languageEntriesOf("language.eng", form);
        for (const model::SectionCaption& c : model::sectionCaptions(type.family)) {
            SCOPED_TRACE(std::string(type.typeName) + ": " + std::string(c.finnish));
            // A field the window shows in no captioned box (LBL's web
            // width and ledges) is named in each language, never by its
            // model name.
            bool shown = type.family == model::BeamFamily::LB && c.finnish != c.english && c.finnish != c.field &&
                         c.english != c.field;
            for (const LanguageEntry& fi : finnish)
                if (fi.value == c.finnish)
                    if (const LanguageEntry* en = findLanguageEntry(english, fi.control))
                        shown = shown || en->value == c.english;
            for (const model::BoxLimit& b : model::boxLimits())
                shown = shown || ((b.form == form || b.form == "frmQuorvel") && b.name == c.finnish &&
                                  b.englishName == c.english);
            EXPECT_TRUE(shown) << c.english;
            ++named;
        }
    }
    EXPECT_GT(named, 100);
}

}  // namespace
}  // namespace quorvel::dialogs::testing
