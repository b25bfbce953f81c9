// The strain check at the slab support and the side symmetry of the
// calculation, through the main window: the sides without slabs count for
// nothing, a mirrored project gives mirrored gauges, and a beam whose slabs
// bear on ledges shows the check as not applicable in the gauge and the
// table in the window's language; so does a beam with no sagging moment
// left to check its bending, as not checked.

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "analysis/slabs_on_beam.h"
#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "app/frm_taulukot.h"
#include "app/geometry_checks.h"
#include "model/field_limits.h"
#include "model/topping_load.h"
#include "report/results_file.h"
#include "runtime/text_file.h"
#include "project_window_fixture.h"

namespace quorvel::app {
namespace {

using platform::DrawCommand;

class StrainCheck : public testing::ProjectWindowTest {
protected:
    void chooseType(std::string_view typeName) {
        choose(*static_cast<platform::OptionButton*>(w.findControl(std::string(findBeamType(typeName)->option))));
    }
    // The calculation as the Calculate command runs it once its questions
    // are answered with No: the topping load, the driver, the gauges.
    void calculate() {
        model::ComputeToppingLoad(m);
        runtime::Messages messages;
        ASSERT_EQ(analysis::PerformCalculation(m, messages), 0) << m.BeamTypeName;
        m.ResultsValid = -1;
        w.DrawResultGauges();
    }
    // The eight gauge values in the window's order: left shear, bending,
    // cracking, right shear, bending, cracking, beam, strain.
    std::array<double, 8> gauges() const {
        return {m.SlabShearUtilisation(1), m.SlabBendingUtilisation(1), m.SlabCrackingUtilisation(1),
                m.SlabShearUtilisation(2), m.SlabBendingUtilisation(2), m.SlabCrackingUtilisation(2),
                m.UtilisationRatio,        m.BeamTopStrainMax / m.AllowedStrain};
    }
    // The texts a gauge shows.
    static std::vector<std::pair<platform::Color, std::string>> texts(const platform::PictureBox& pic) {
        std::vector<std::pair<platform::Color, std::string>> all;
        for (const DrawCommand& c : pic.displayList())
            if (c.kind == DrawCommand::Kind::Text) all.emplace_back(c.color, c.text);
        return all;
    }
};

// Every input of one side exchanged with the other's.
void mirror(model::ProjectModel& m) {
    auto side = [](auto& a) { std::swap(a(1), a(2)); };
    auto bySide = [](auto& a, int first, int last) {  // (side, index)
        for (int i = first; i <= last; ++i) std::swap(a(1, i), a(2, i));
    };
    auto byLoad = [](auto& a) {  // (load, side)
        for (int i = 0; i <= 5; ++i) std::swap(a(i, 1), a(i, 2));
    };
    side(m.SlabTypeName), side(m.BottomStrandCode), side(m.TopStrandCode);
    for (model::SideArray* a :
         {&m.StrandInitialStress, &m.StrandPrestressLoss, &m.SlabConcreteClass, &m.SlabSupportLength,
          &m.SlabBottomGap, &m.JointGroutWidth, &m.CoreFillingLength, &m.ToppingLoad, &m.SlabImposedLoadPermanent,
          &m.SlabImposedLoadVariable, &m.SlabLineLoadCount, &m.SlabPointLoadCount, &m.SlabSelfWeightFactor})
        side(*a);
    side(m.HoleCount);
    for (model::SideEndArray* a : {&m.BeamSpacing, &m.HoleX, &m.HoleWidthB, &m.HoleY, &m.HoleLengthA})
        bySide(*a, 0, 2);
    for (model::LoadSideArray* a : {&m.SlabLineLoadG, &m.SlabLineLoadQ, &m.SlabLineLoadY, &m.SlabPointLoadG,
                                    &m.SlabPointLoadQ, &m.SlabPointLoadX, &m.SlabPointLoadY})
        byLoad(*a);
    std::swap(m.LeftLedgeHeight, m.RightLedgeHeight);
    std::swap(m.LeftLedgeDepth, m.RightLedgeDepth);
    std::swap(m.LeftLedgeWidth, m.RightLedgeWidth);
}

// A middle beam whose two slab fields differ (spans 7200 and 6000 mm,
// variable loads 2.5 and 6 kN/m2, slab bottoms 10 and 40 mm over their
// seats), mirrored: every gauge of one side shows what the other side's
// showed, the beam and the strain what they showed. Over every type of the
// main window: as a middle beam the window gives each a section that is the
// same seen from either side (equal ledges, flanges and seats).
TEST_F(StrainCheck, AMirroredMiddleBeamGivesMirroredGauges) {
    for (const BeamTypeInfo& type : BeamTypes()) {
        SCOPED_TRACE(type.typeName);
        model::ResetProjectDefaults(m);
        chooseType(type.typeName);
        ui.click(w.optKeskipalkki);
        for (int end = 1; end <= 2; ++end) m.BeamSpacing(2, end) = 6000;
        m.SlabImposedLoadVariable(1) = 2.5;
        m.SlabImposedLoadVariable(2) = 6.0;
        m.SlabBottomGap(1) = 10;
        m.SlabBottomGap(2) = 40;
        calculate();
        const std::array<double, 8> before = gauges();
        ASSERT_NE(before[0], before[3]);  // the sides differ

        mirror(m);
        calculate();
        const std::array<double, 8> after = gauges();
        const int mirrored[8] = {3, 4, 5, 0, 1, 2, 6, 7};
        for (int g = 0; g < 8; ++g)
            EXPECT_NEAR(after[g], before[mirrored[g]], 1e-9 * std::fabs(before[mirrored[g]])) << "gauge " << g;
    }
}

// The left side of an edge beam carries no slabs, yet a project file or the
// hidden boxes may hold anything there (a gap of 200 mm typed while it was a
// middle beam, loads the file kept). Before, such values were calculated: a
// DELTA edge beam's left gap of 200 mm moved the beam from 29.7 % to
// 34.1 %, a left imposed load of 10 kN/m2 the right slab shear from 3.759
// to 4.621. Every beam type as an edge beam, with every left value at the
// smallest and at the largest of its field's range, then at 1E+30 (what a
// file may hold there) and with a slab type and strands the catalogue
// lacks: every gauge and the whole report stay as they were, and the
// entered values come back after the run.
TEST_F(StrainCheck, AnEdgeBeamTakesNothingOfItsLeftSide) {
    using Setter = void (*)(model::ProjectModel&, int, double);
    struct LeftField {
        std::string_view field;
        std::vector<int> elements;  // the left side's element numbers
        Setter set;
        bool whole;
    };
#define SIDE(f) [](model::ProjectModel& p, int e, double v) { p.f(e) = v; }
#define ELEMENT(f) [](model::ProjectModel& p, int e, double v) { p.f[e] = v; }
    const std::vector<int> side{1}, holes{4, 7}, loads{7, 8, 9, 10, 11};
    const LeftField fields[] = {
        {"StrandInitialStress", side, SIDE(StrandInitialStress), false},
        {"StrandPrestressLoss", side, SIDE(StrandPrestressLoss), false},
        {"SlabConcreteClass", side, SIDE(SlabConcreteClass), false},
        {"ConcreteQualityClass", {4}, SIDE(ConcreteQualityClass), true},
        {"SlabSupportLength", side, SIDE(SlabSupportLength), false},
        {"SlabBottomGap", side, SIDE(SlabBottomGap), false},
        {"JointGroutWidth", side, SIDE(JointGroutWidth), false},
        {"CoreFillingLength", side, SIDE(CoreFillingLength), false},
        {"ToppingLoad", side, SIDE(ToppingLoad), false},
        {"SlabImposedLoadPermanent", side, SIDE(SlabImposedLoadPermanent), false},
        {"SlabImposedLoadVariable", side, SIDE(SlabImposedLoadVariable), false},
        {"SlabSelfWeightFactor", side, SIDE(SlabSelfWeightFactor), false},
        {"SlabLineLoadCount", side, SIDE(SlabLineLoadCount), true},
        {"SlabPointLoadCount", side, SIDE(SlabPointLoadCount), true},
        {"HoleCount", side, [](model::ProjectModel& p, int e, double v) { p.HoleCount(e) = static_cast<int16_t>(v); },
         true},
        {"HoleX", holes, ELEMENT(HoleX), false},
        {"HoleWidthB", holes, ELEMENT(HoleWidthB), false},
        {"HoleY", holes, ELEMENT(HoleY), false},
        {"HoleLengthA", holes, ELEMENT(HoleLengthA), false},
        {"SlabLineLoadG", loads, ELEMENT(SlabLineLoadG), true},
        {"SlabLineLoadQ", loads, ELEMENT(SlabLineLoadQ), true},
        {"SlabLineLoadY", loads, ELEMENT(SlabLineLoadY), true},
        {"SlabPointLoadG", loads, ELEMENT(SlabPointLoadG), true},
        {"SlabPointLoadQ", loads, ELEMENT(SlabPointLoadQ), true},
        {"SlabPointLoadX", loads, ELEMENT(SlabPointLoadX), true},
        {"SlabPointLoadY", loads, ELEMENT(SlabPointLoadY), true},
    };
#undef SIDE
#undef ELEMENT
    enum class Bound { Smallest, Largest, Huge };
    struct Texts {
        const char *slab, *bottom, *top;
    };
    const std::pair<Bound, Texts> variants[] = {{Bound::Smallest, {"P15", "0", ""}},
                                                {Bound::Largest, {"P50", "10L", "10L"}},
                                                {Bound::Huge, {"EI-OLE", "99X", "99X"}}};
    auto report = [&] {
        EXPECT_EQ(report::WriteResultsFile(m, ui, folder.file("edge.tul")), 0);
        return folder.read("edge.tul");
    };
    for (const BeamTypeInfo& type : BeamTypes()) {
        SCOPED_TRACE(type.typeName);
        model::ResetProjectDefaults(m);
        chooseType(type.typeName);
        ui.click(w.optReunapalkki);
        ASSERT_TRUE(m.BeamSpacing(1, 1) == 0 && m.BeamSpacing(1, 2) == 0);
        m.SlabImposedLoadVariable(2) = 5.0;
        const model::ProjectModel entered = m;
        calculate();
        const std::array<double, 8> gaugesBefore = gauges();
        ASSERT_GT(gaugesBefore[3], 0.0);  // the right side is checked
        const std::string reportBefore = report();
        for (const auto& [bound, texts] : variants) {
            SCOPED_TRACE(static_cast<int>(bound));
            m = entered;
            m.SlabTypeName(1) = texts.slab;
            m.BottomStrandCode(1) = texts.bottom;
            m.TopStrandCode(1) = texts.top;
            for (const LeftField& f : fields) {
                for (int e : f.elements) {
                    const model::FieldLimit* limit = model::fieldLimit(f.field, e);
                    ASSERT_NE(limit, nullptr) << f.field << " " << e;
                    const model::NumberRange& r = limit->range;
                    // The smallest number inside (a bound that is itself
                    // outside gives the next single above it).
                    const double smallest =
                        r.aboveMinimum ? std::nextafter(static_cast<float>(r.minimum), FLT_MAX) : r.minimum;
                    const double value = bound == Bound::Smallest         ? smallest
                                         : bound == Bound::Largest || f.whole ? r.maximum
                                                                             : 1e30;
                    f.set(m, e, value);
                }
            }
            model::ComputeToppingLoad(m);
            const std::string saved = inputBytes(m, folder, "before.dat");
            calculate();
            EXPECT_EQ(gauges(), gaugesBefore);
            EXPECT_EQ(report(), reportBefore);
            EXPECT_EQ(inputBytes(m, folder, "after.dat"), saved);  // the entered values come back
        }
    }

    // The same hidden side in a file: delta_edge_beam_holes_loads.dat, as
    // the program writes it, with every left value below its field's range,
    // then above it (five line and point loads and two holes on the left),
    // then with the left quality class 0, 4 or 9 (refused at Open before).
    // The file opens without a word, calculates to the delivered file's
    // gauges and is saved as it was opened, byte for byte. The counts of
    // the loads and holes stay in their ranges: they say which lines
    // follow; the topping load is derived from the levels at Open.
    // Open and Calculate as the user gives them: Open says nothing, and
    // Calculate asks only the delivered file's own question (its right
    // ledge against grout and support), answered No to calculate.
    auto openFile = [&](const std::string& path) {
        declineSaveQuestions();
        ui.answerFileDialog(path);
        ui.click(w.cmdAvaalahto);
        ASSERT_EQ(m.IsMiddleBeam, 0);
        ui.expectMessage(ContradictionQuestion(ContradictionLine(Contradiction::LedgeGroutSupport, 0),
                                               "Haluatko jatkaa lähtötietojen muokkausta ennen laskentaa?", 0),
                         WarningTitle(0), platform::Buttons::YesNo, platform::Icon::Exclamation,
                         platform::Answer::No);
        ui.click(w.cmdLaske0);
        ASSERT_EQ(m.ResultsValid, -1);
    };
    openFile(fixture("delta_edge_beam_holes_loads.dat"));
    const std::array<double, 8> delivered = gauges();
    const model::ProjectModel opened = m;
    enum class Variant { Below, Above, Quality0, Quality4, Quality9 };
    for (Variant variant : {Variant::Below, Variant::Above, Variant::Quality0, Variant::Quality4, Variant::Quality9}) {
        SCOPED_TRACE(static_cast<int>(variant));
        m = opened;
        if (variant == Variant::Below || variant == Variant::Above) {
            m.SlabLineLoadCount(1) = 5;
            m.SlabPointLoadCount(1) = 5;
            m.HoleCount(1) = 2;
            for (const LeftField& f : fields) {
                if (f.field.ends_with("Count") || f.field == "ToppingLoad") continue;
                for (int e : f.elements) {
                    const model::NumberRange& r = model::fieldLimit(f.field, e)->range;
                    f.set(m, e, variant == Variant::Below ? r.minimum - 1 : r.maximum + 1);
                }
            }
        } else {
            m.ConcreteQualityClass(4) = variant == Variant::Quality0 ? 0 : variant == Variant::Quality4 ? 4 : 9;
        }
        model::ComputeToppingLoad(m);
        const std::string bytes = inputBytes(m, folder, "hidden.dat");
        openFile(folder.file("hidden.dat"));
        EXPECT_EQ(gauges(), delivered) << "calculated as the delivered file (its left class 1 among them)";
        m.InputChanged = -1;
        ui.click(w.cmdTallennalahto);
        EXPECT_EQ(folder.read("hidden.dat"), bytes) << "saved as it was opened";
    }
}

// Where the slabs bear on ledges (the LBL beam) the strain check does not
// apply: the gauge shows no bar and no number, only "ei sovelleta" in grey,
// "not applicable" once the windows are English, and the table's strain
// row says the same without a picture; a beam carrying the slabs on its
// top (SUORA) shows its percentage.
TEST_F(StrainCheck, WhereTheCheckDoesNotApplyGaugeAndTableSaySo) {
    constexpr platform::Color Grey = platform::rgb(128, 128, 128);
    const std::string dashes = "--------------------- ";
    chooseType("LBL");
    calculate();
    for (auto [language, text] : {std::pair{0, "ei sovelleta"}, std::pair{1, "not applicable"}}) {
        SCOPED_TRACE(text);
        if (language == 1) w.SwitchToEnglish();
        EXPECT_EQ(texts(w.picVenyma), (std::vector<std::pair<platform::Color, std::string>>{{Grey, text}}));
        for (const DrawCommand& c : w.picVenyma.displayList())
            EXPECT_NE(c.kind, DrawCommand::Kind::FilledBox) << "a bar";
        ui.onModal("frmTaulukot", [&, text = text](platform::Form& f) {
            auto& table = static_cast<frmTaulukot&>(f);
            EXPECT_EQ(table.Grid3.textMatrix(2, 1), dashes);
            EXPECT_EQ(table.Grid3.textMatrix(2, 2), dashes);
            EXPECT_EQ(table.Grid3.textMatrix(2, 3), std::string(text) + " ");
            EXPECT_EQ(table.Grid3.cellPicture(2, 3), "");
            EXPECT_FALSE(table.Label10.visible());  // the note on the strain's level
            table.cmdOK.press();
        });
        ui.click(w.cmdTaulukko);
        EXPECT_FALSE(w.Label20.visible());
    }

    chooseType("SUORA");
    EXPECT_TRUE(w.Label20.visible());
    calculate();
    const auto percent = texts(w.picVenyma);
    ASSERT_EQ(percent.size(), 1u);
    EXPECT_EQ(percent[0].second, std::to_string(std::lround(100 * m.BeamTopStrainMax / m.AllowedStrain)));
    EXPECT_NE(percent[0].first, Grey);
}

// A hogging moment is never shown as checked. concrete_middle_beam.dat
// with support moments at both ends (kNm): design hogging at the supports
// the larger of (6.10a) 1.35 x the permanent and (6.10b) gamma x each; the
// loads give 494.96 kNm design sagging at midspan (by hand in
// Hogging.LargestHoggingMomentAndWhetherSaggingIsLeftToCheck).
//   -1000 / -1000 permanent: Md.neg -1350; nothing sags: each gauge shows
//     its words in grey only, each table row "not checked", no picture.
//   -200 permanent, -100 variable: Md.neg (6.10b) -1.15 x 200 - 1.5 x 100
//     = -380 (> 6.10a's 270); Md = 494.96 - 380 = 114.96 kNm sags: the
//     sagging percentage 100 x 114.96 / 755.8 = 15 in grey beside the
//     words, no green bar; the table keeps the sagging row without the OK
//     picture above the hogging row; the report's utilisation row the
//     same ratio beside its words. An exceeded ratio turns the gauge red.
//   +100 variable at the end: sags everywhere: the plain gauges and rows.
//   -0.004 / -0.004: Md.neg -1.35 x 0.004 = -0.0054 hogs (beyond 1e-5 x
//     494.96 = 0.0049 kNm), "-0,01", beside the ratio 494.96 / 755.8 = 0.65.
// The strain gauge and row show the seat's stretch Mk.neg (610 - 419.6) /
// 1.059e15 (seat above yc(8)): -1000 kNm -0.180 per mille, -300 -0.054.
// With -200 / -100 the moment after seating (163 - 300 kNm) hogs at
// midspan too: no strain ratio, while bending keeps its sagging ratio.
// At the first station (26.25 mm inside) -0.004 kNm leaves no stretch.
TEST_F(StrainCheck, AHoggingMomentIsNeverShownAsChecked) {
    constexpr platform::Color Grey = platform::rgb(128, 128, 128);
    constexpr platform::Color Red = platform::rgb(255, 0, 0);
    const std::string dashes = "--------------------- ";
    struct Case {
        const char* name;
        double permanent, variable, variableEnd;  // both ends, and the end's variable beyond that
        const char* md;  // the hogging moment and the seat's stretch as the gauges write them, or none
        const char* mk;
        const char* mdTable;  // and as the table does
        const char* mkTable;
        bool sagging;    // a sagging ratio shown beside the words
        bool shortened;  // and a strain ratio: the seat shortens somewhere
        const char* ratio;  // the sagging ratio as the report prints it (per cent: x 100)
    };
    const Case cases[] = {
        {"-1000 / -1000", -1000, 0, 0, "-1350,0", "-0,18", "-1350,00", "-0,18", false, false, nullptr},
        {"-200 and -100 variable", -200, -100, 0, "-380,0", "-0,05", "-380,00", "-0,05", true, false, "0.15"},
        {"+100 variable at the end", 0, 0, 100, nullptr, nullptr, nullptr, nullptr, true, true, nullptr},
        {"-0.004 / -0.004", -0.004, 0, 0, "-0,01", nullptr, "-0,01", nullptr, true, true, "0.65"},
    };
    struct Language {
        int index;
        const char* words[2];  // each gauge's words around its moment or stretch
        const char* after[2];
        const char* notChecked;
        const char* captions[2];  // the checks' own rows
        const char* hoggingCaptions[2];
        const char* utilisation;  // the report's row, to the ratio
    };
    const Language languages[] = {
        {0, {"neg. ", "venyy "}, {" kNm ei tarkisteta", " ‰ ei tarkisteta"}, "ei tarkisteta",
         {"Taivutusmomentti kNm", "Venymä ‰"}, {"Negatiivinen Md.neg kNm", "Tukipinta venyy ‰"},
         "Käyttöaste                                    =   "},
        {1, {"hogging ", "stretched "}, {" kNm not checked", " ‰ not checked"}, "not checked",
         {"Bending moment kNm", "Strain ‰"}, {"Hogging Md.neg kNm", "Stretched seat ‰"},
         "Utilisation                                   =   "},
    };
    ui.answerFileDialog(fixture("concrete_middle_beam.dat"));
    declineSaveQuestions();
    ui.click(w.cmdAvaalahto);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m.SupportMomentStartPermanent = m.SupportMomentEndPermanent = c.permanent;
        m.SupportMomentStartVariable = c.variable;
        m.SupportMomentEndVariable = c.variable + c.variableEnd;
        calculate();
        ASSERT_EQ(analysis::BeamHogs(m), c.md != nullptr);
        ASSERT_EQ(analysis::BeamStrainChecked(m), c.shortened);
        if (c.variable != 0) {
            EXPECT_NEAR(m.ActingDesignMoment * 1e-6, 494.96 - 380, 0.01);
        }
        for (const Language& l : languages) {
            SCOPED_TRACE(l.index);
            if (l.index == 1) w.SwitchToEnglish();
            ui.setDecimalMark(',');
            w.DrawResultGauges();
            for (auto [gauge, moment, ratio, check] :
                 {std::tuple{&w.picPalkkitaipuma, c.md, m.UtilisationRatio.number(), 0},
                  std::tuple{&w.picVenyma, c.mk, m.BeamTopStrainMax / m.AllowedStrain, 1}}) {
                SCOPED_TRACE(gauge->name());
                const auto shown = texts(*gauge);
                bool bar = false;
                for (const DrawCommand& d : gauge->displayList()) bar = bar || d.kind == DrawCommand::Kind::FilledBox;
                const std::string percent = std::to_string(std::lround(100 * ratio));
                if (!moment) {
                    EXPECT_TRUE(bar);
                    EXPECT_EQ(shown, (std::vector<std::pair<platform::Color, std::string>>{{shown[0].first, percent}}));
                    EXPECT_NE(shown[0].first, Grey);
                    continue;
                }
                EXPECT_FALSE(bar);
                const std::string words = std::string(l.words[check]) + moment + l.after[check];
                std::vector<std::pair<platform::Color, std::string>> expected;
                if (check == 0 ? c.sagging : c.shortened) expected.emplace_back(Grey, percent);
                expected.emplace_back(Grey, words);
                EXPECT_EQ(shown, expected);
            }
            EXPECT_EQ(w.Label20.visible(), c.shortened);
            ui.onModal("frmTaulukot", [&](platform::Form& f) {
                auto& table = static_cast<frmTaulukot&>(f);
                int row = 1;
                for (int check : {0, 1}) {
                    SCOPED_TRACE(check);
                    const char* moment = check == 0 ? c.mdTable : c.mkTable;
                    if (!moment || (check == 0 ? c.sagging : c.shortened)) {  // its own row, a picture only where nothing is left unchecked
                        EXPECT_EQ(table.Grid3.textMatrix(row, 0), l.captions[check]);
                        EXPECT_EQ(table.Grid3.cellPicture(row, 3) != "", !moment);
                        if (moment && check == 0) {  // the gauge's ratio, with two decimals
                            std::string percent = table.Grid3.textMatrix(row, 3);
                            percent[percent.find(',')] = '.';
                            EXPECT_NEAR(std::stod(percent), 100 * m.ActingDesignMoment / m.MomentResistanceUsed, 0.005);
                            EXPECT_EQ(std::lround(std::stod(percent)), std::lround(100 * std::stod(c.ratio)));
                        }
                        ++row;
                    }
                    if (!moment) continue;
                    EXPECT_EQ(table.Grid3.textMatrix(row, 0), l.hoggingCaptions[check]);
                    EXPECT_EQ(table.Grid3.textMatrix(row, 1), std::string(moment) + " ");
                    EXPECT_EQ(table.Grid3.textMatrix(row, 2), dashes);
                    EXPECT_EQ(table.Grid3.textMatrix(row, 3), std::string(l.notChecked) + " ");
                    EXPECT_EQ(table.Grid3.cellPicture(row, 3), "");
                    ++row;
                }
                EXPECT_EQ(table.Grid3.rows(), row + 1);  // the shear row last
                EXPECT_EQ(table.Label10.visible(), c.shortened);  // the strain's level, beside a checked strain
                table.cmdOK.press();
            });
            ui.click(w.cmdTaulukko);
            if (c.md && c.sagging) {  // the report's utilisation row: the same ratio beside its words
                ASSERT_EQ(report::WriteResultsFile(m, ui, folder.file("r.tul")), 0);
                EXPECT_NE(folder.read("r.tul").find(runtime::utf8ToCp1252(l.utilisation + std::string(c.ratio) + "   ")),
                          std::string::npos);
            }
        }
        w.SwitchToFinnish();
    }

    // An exceeded sagging ratio beside hogging words: red, and the table's
    // not-OK picture (the ratio set past 1 on the partly hogging beam).
    m.SupportMomentStartPermanent = m.SupportMomentEndPermanent = -200;
    m.SupportMomentStartVariable = m.SupportMomentEndVariable = -100;
    calculate();
    m.UtilisationRatio = 1.2;
    w.DrawResultGauges();
    const auto shown = texts(w.picPalkkitaipuma);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (std::pair<platform::Color, std::string>{Red, "120"}));
    EXPECT_EQ(shown[1].first, Red);
    ui.onModal("frmTaulukot", [&](platform::Form& f) {
        auto& table = static_cast<frmTaulukot&>(f);
        EXPECT_EQ(table.Grid3.cellPicture(1, 3), table.imgNo.picture());
        table.cmdOK.press();
    });
    ui.click(w.cmdTaulukko);
}

}  // namespace
}  // namespace quorvel::app
