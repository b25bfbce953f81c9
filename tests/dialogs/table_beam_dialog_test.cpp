// The beam dialogs built from the family tables, driven as a user types and
// clicks, each opened by the main window's beam command for its beam type:
// what they show of a new project of the type, what OK writes, cancel, the
// bounds, the contradiction question, the layout, the English captions, and
// the edited section through the project file into a calculation.

#include "dialogs/steel-beams/table_beam_dialog.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "analysis/calculation_driver.h"
#include "app/beam_types.h"
#include "app/geometry_checks.h"
#include "app/input_tools.h"
#include "app/project_window_fixture.h"
#include "dialogs/input_dialogs.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"

namespace quorvel::dialogs::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Texts = std::vector<std::pair<const char*, const char*>>;

// One beam type: the dimensions a new project of the type shows (the type
// defaults of the beam type table), an edited section that its geometry
// check accepts on the new project's slabs (bearing, spacings 7200 mm), the
// materials edited with it, and one edit that contradicts the check with
// the line it gives.
struct TypeCase {
    const char* form;
    const char* typeName;
    Texts defaults;
    Texts edited;
    Texts editedMaterials;
    const char* contradictionBox;
    const char* contradictionText;
    const char* contradictionLine;
};

const std::vector<TypeCase>& cases() {
    static const std::vector<TypeCase> c = {
        {"FrmIpalkki", "BI",
         {{"txtKorkeus", "1100"}, {"txtAlalaippa", "50"}, {"txtAlaviiste", "40"}, {"txtYlaviiste", "40"},
          {"txtYlalaippa", "50"}, {"txtAlalaipanLeveys", "480"}, {"txtUuma", "100"}, {"txtYlalaipanLeveys", "480"},
          {"cboBetoni", "60"}, {"cboLuokka", "1"}, {"txtRaud_kimmo", "200000"}, {"txtRaud_lujuus", "500"}},
         // need 2 (65 + 90) = 310 <= 500; row 38 + 30 <= 60 + 50
         {{"txtKorkeus", "1000"}, {"txtAlalaippa", "60"}, {"txtAlaviiste", "50"}, {"txtYlaviiste", "30"},
          {"txtYlalaippa", "70"}, {"txtAlalaipanLeveys", "500"}, {"txtUuma", "120"}, {"txtYlalaipanLeveys", "520"}},
         {{"cboBetoni", "50"}, {"txtRaud_lujuus", "550"}},
         "txtAlalaipanLeveys", "300", "- Palkin leveys <=> saumavalut + tukipituudet."},
        {"FrmLB", "KEMO_UUSI",
         {{"txtKorkeus", "265"}, {"txtAlaleveys", "480"}, {"txtLeveys", "440"}, {"txtPohjalevy", "8"},
          {"txtPohjalevynLeveys", "400"}, {"txtKulmanKorkeus", "90"}, {"txtKulmanPaksuus", "10"},
          {"txtVasenLeuka", "100"}, {"txtOikeaLeuka", "100"}, {"cboBetoni", "80"}, {"cboTeras", "355"},
          {"txt_Janne_kimmo", "195000"}, {"txt_Janne_lujuus", "1630"}},
         // ledges 110 and 120 >= 80 + 20; 270 within 10 mm of the 265 mm slabs
         {{"txtKorkeus", "270"}, {"txtAlaleveys", "500"}, {"txtLeveys", "450"}, {"txtPohjalevy", "10"},
          {"txtPohjalevynLeveys", "420"}, {"txtKulmanKorkeus", "100"}, {"txtKulmanPaksuus", "12"},
          {"txtVasenLeuka", "110"}, {"txtOikeaLeuka", "120"}},
         {{"cboBetoni", "60"}, {"cboTeras", "420"}},
         "txtVasenLeuka", "90", "- Palkin leuka <=> saumavalu + tukipituus."},
        {"FrmApalkki", "Apalkki",
         {{"txtKorkeus", "245"}, {"txtUuma", "15"}, {"txtYlalevy", "15"}, {"txtYlalevynLeveys", "200"},
          {"txtPohjalevy", "15"}, {"txtPohjalevynLeveys", "380"}, {"txtLeukalevy", "15"}, {"txtVasenLeuka", "110"},
          {"txtOikeaLeuka", "110"}, {"txtAukko", "135"}, {"cboBetoni", "50"}, {"cboTeras", "355"}},
         // need 2 (65 + 45) = 220 <= 400
         {{"txtKorkeus", "250"}, {"txtUuma", "12"}, {"txtYlalevy", "14"}, {"txtYlalevynLeveys", "210"},
          {"txtPohjalevy", "16"}, {"txtPohjalevynLeveys", "400"}, {"txtLeukalevy", "16"}, {"txtVasenLeuka", "115"},
          {"txtOikeaLeuka", "105"}, {"txtAukko", "140"}},
         {{"cboTeras", "275"}, {"txt_ypRaud_lujuus", "550"}},
         "txtPohjalevynLeveys", "200", "- Palkin leveys <=> saumavalut + tukipituudet."},
        {"frmTIpalkki", "TI",
         {{"txtKorkeus", "300"}, {"txtUuma", "11"}, {"txtYlalaippa", "19"}, {"txtYlalaipanLeveys", "300"},
          {"txtAlalaippa", "19"}, {"txtAlalaipanLeveys", "300"}, {"txtPyoristys", "27"}, {"cboTeras", "355"}},
         // need 2 (65 + 85) = 300 <= 310; r 20 <= (290 - 12) / 2
         {{"txtKorkeus", "320"}, {"txtUuma", "12"}, {"txtYlalaippa", "20"}, {"txtYlalaipanLeveys", "310"},
          {"txtAlalaippa", "18"}, {"txtAlalaipanLeveys", "290"}, {"txtPyoristys", "20"}},
         {{"cboTeras", "460"}},
         "txtYlalaipanLeveys", "250", "- Palkin leveys <=> saumavalut + tukipituudet."},
        {"frmHQpalkki", "HQ",
         {{"txtKorkeus", "265"}, {"txtUuma", "5"}, {"txtYlalaippa", "25"}, {"txtYlalaipanLeveys", "240"},
          {"txtAlalaippa", "15"}, {"txtAlalaipanLeveys", "450"}, {"cboTeras", "355"}},
         // ledge ((460 - 230) - 2 * 6) / 2 = 109 >= 65 + 35
         {{"txtKorkeus", "270"}, {"txtUuma", "6"}, {"txtYlalaippa", "20"}, {"txtYlalaipanLeveys", "230"},
          {"txtAlalaippa", "16"}, {"txtAlalaipanLeveys", "460"}},
         {{"cboTeras", "420"}},
         // ledge ((450 - 300) - 10) / 2 = 70 < 100
         "txtYlalaipanLeveys", "300", "- Palkin leuka <=> saumavalu + tukipituus."},
        {"frmCWQpalkki", "CWQ",
         {{"txtKorkeus", "265"}, {"txtUuma", "5"}, {"txtYlalaippa", "25"}, {"txtYlalaipanLeveys", "240"},
          {"txtAlalaippa", "15"}, {"txtAlalaipanLeveys", "450"}, {"txtVaarnanLeveys", "210"},
          {"txtVaarnanKorkeus", "25"}, {"cboTeras", "355"}, {"cboTeras2", "355"}, {"cboTeras3", "355"}},
         {{"txtKorkeus", "270"}, {"txtUuma", "6"}, {"txtYlalaippa", "20"}, {"txtYlalaipanLeveys", "230"},
          {"txtAlalaippa", "16"}, {"txtAlalaipanLeveys", "460"}, {"txtVaarnanLeveys", "200"},
          {"txtVaarnanKorkeus", "30"}},
         {{"cboTeras", "420"}, {"cboTeras2", "275"}, {"cboTeras3", "460"}},
         "txtYlalaipanLeveys", "300", "- Palkin leuka <=> saumavalu + tukipituus."},
        {"frmDeltapalkki", "DELTA",
         {{"txtKorkeus", "265"}, {"txtUuma", "6"}, {"txtYlalaippa", "20"}, {"txtYlalaipanLeveys", "245"},
          {"txtAlalaippa", "15"}, {"txtAlalaipanLeveys", "400"}, {"txtLeukalevy", "15"}, {"txtVasenLeuka", "100"},
          {"txtOikeaLeuka", "100"}, {"txtReika", "150"}, {"txtReiatEtaisyys", "75"}, {"cboTeras", "355"},
          {"cboTayttobetoni", "30"}, {"cboTayttoluokka", "2"}, {"txtTRaud_kimmo", "200000"},
          {"txtTRaud_lujuus", "500"}},
         // 250 + 120 <= 420; web sqrt(85^2 + 280^2) = 292.6 >= 80 + 140
         {{"txtKorkeus", "280"}, {"txtUuma", "7"}, {"txtYlalaippa", "18"}, {"txtYlalaipanLeveys", "250"},
          {"txtAlalaippa", "14"}, {"txtAlalaipanLeveys", "420"}, {"txtLeukalevy", "12"}, {"txtVasenLeuka", "110"},
          {"txtOikeaLeuka", "105"}, {"txtReika", "140"}, {"txtReiatEtaisyys", "80"}},
         {{"cboTeras", "275"}, {"cboTayttobetoni", "35"}, {"txtTRaud_lujuus", "550"}},
         // 300 + 120 > 400
         "txtYlalaipanLeveys", "300", "- Palkin ylälaippa <=> palkin alalaippa."},
        {"frmMEKpalkki", "MEK",
         {{"txtKorkeus", "265"}, {"txtProfiilinKorkeus", "230"}, {"txtUuma", "7.5"}, {"txtYlalaippa", "12"},
          {"txtYlalaipanLeveys", "240"}, {"txtProfiilinLaippa", "12"}, {"txtProfiilinLeveys", "240"},
          {"txtAlalaippa", "8"}, {"txtAlalaipanLeveys", "500"}, {"txtKotelonKorkeus", "0"},
          {"txtKotelonPaksuus", "0"}, {"txtVasenLeuka", "130"}, {"txtOikeaLeuka", "130"}, {"txtPyoristys", "21"},
          {"cboTayttobetoni", "30"}, {"txtTRaud_kimmo", "210000"}},
         // 235 <= 520 - 140 - 135; ledges >= 65 + 50; r 20 <= (235 - 13 - 11) / 2
         {{"txtKorkeus", "270"}, {"txtProfiilinKorkeus", "235"}, {"txtUuma", "8"}, {"txtYlalaippa", "13"},
          {"txtYlalaipanLeveys", "230"}, {"txtProfiilinLaippa", "11"}, {"txtProfiilinLeveys", "235"},
          {"txtAlalaippa", "10"}, {"txtAlalaipanLeveys", "520"}, {"txtKotelonKorkeus", "20"},
          {"txtKotelonPaksuus", "5"}, {"txtVasenLeuka", "140"}, {"txtOikeaLeuka", "135"}, {"txtPyoristys", "20"}},
         {{"cboTayttobetoni", "40"}, {"txtTRaud_kimmo", "200000"}},
         // 250 > 500 - 130 - 130 (a box taller than the beam cannot be built)
         "txtYlalaipanLeveys", "250", "- I-profilin leveys <=> alalaipan leveys ja leuat."},
        {"frmAbeamS", "ABeamS",
         {{"txtKorkeus", "265"}, {"txtUuma", "6"}, {"txtYlalaippa", "20"}, {"txtYlalaipanLeveys", "307"},
          {"txtAlalaippa", "15"}, {"txtAlalaipanLeveys", "400"}, {"txtLeukalevy", "6"}, {"txtVasenLeuka", "130"},
          {"txtOikeaLeuka", "130"}, {"txtReika", "90"}, {"txtReiatEtaisyys", "120"}, {"txtAlareika", "55"},
          {"txtAlareiatEtaisyys", "60"}},
         // need 2 (110 + 20) = 260 <= 410
         {{"txtKorkeus", "270"}, {"txtUuma", "7"}, {"txtYlalaippa", "18"}, {"txtYlalaipanLeveys", "300"},
          {"txtAlalaippa", "14"}, {"txtAlalaipanLeveys", "410"}, {"txtLeukalevy", "7"}, {"txtVasenLeuka", "125"},
          {"txtOikeaLeuka", "135"}, {"txtReika", "95"}, {"txtReiatEtaisyys", "110"}, {"txtAlareika", "50"},
          {"txtAlareiatEtaisyys", "65"}},
         {{"cboTayttoluokka", "3"}},
         "txtAlalaipanLeveys", "250", "- Palkin leveys <=> saumavalut + tukipituudet."},
    };
    return c;
}

class TableBeamDialogs : public app::testing::ProjectWindowTest {
protected:
    void SetUp() override {
        ProjectWindowTest::SetUp();
        RegisterInputDialogs(w);
    }

    // Chooses the type in the main window (a new type brings its defaults).
    void selectType(const TypeCase& c) {
        auto* option =
            static_cast<platform::OptionButton*>(w.findControl(std::string(app::findBeamType(c.typeName)->option)));
        ASSERT_NE(option, nullptr);
        if (!option->value()) choose(*option);
    }
    // Opens the beam dialog of the type with the beam command; the driver
    // must close it.
    void open(const TypeCase& c, const std::function<void(TableBeamDialog&)>& driver) {
        selectType(c);
        m.InputChanged = 0;
        bool shown = false;
        ui.onModal(c.form, [&](platform::Form& f) {
            shown = true;
            driver(static_cast<TableBeamDialog&>(f));
        });
        ui.click(w.cmdPalkki);
        ASSERT_TRUE(shown) << c.form << " did not open";
    }

    static std::string textOf(TableBeamDialog& d, const std::string& name) {
        platform::Control* c = d.findControl(name);
        if (!c) return "(no control " + name + ")";
        if (c->kind() == platform::ControlKind::ComboBox) return static_cast<platform::ComboBox*>(c)->text();
        return static_cast<platform::TextBox*>(c)->text();
    }
    void typeInto(TableBeamDialog& d, const std::string& name, const std::string& text) {
        platform::Control* c = d.findControl(name);
        ASSERT_NE(c, nullptr) << name;
        auto* combo = c->kind() == platform::ControlKind::ComboBox ? static_cast<platform::ComboBox*>(c) : nullptr;
        if (combo && combo->style() == platform::ComboStyle::DropDownList) {
            for (int i = 0; i < combo->listCount(); ++i)
                if (combo->list(i) == text) ui.selectItem(*combo, i);
            return;
        }
        ui.typeOver(*c, text);
    }
    // Types the edited section and materials and presses OK.
    void enterEditedSection(TableBeamDialog& d, const TypeCase& c) {
        for (const auto& [name, text] : c.edited) typeInto(d, name, text);
        for (const auto& [name, text] : c.editedMaterials) typeInto(d, name, text);
        ui.click(d.cmdOK);
    }
    std::string shown(const Value& v) const { return app::formatGeneral(v, ui); }
    // The range message of a section dimension (in millimetres).
    void expectRange(const std::string& typed, const std::string& low, const std::string& high) {
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte " + typed + " ei arvoalueella (" + low + "<=...<=" + high + " mm)"), "Lukuarvovirhe",
                         Buttons::Ok, Icon::Exclamation);
    }
    void expectDefault(const std::string& value) {
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo " + value), "Lukuarvovirhe", Buttons::Ok,
                         Icon::Exclamation);
    }
    void expectQuestion(const std::string& line, Answer answer) {
        ui.expectMessage("Ristiriitaisuuksia lähtötiedoissa:\r\n\r\n" + line + "\r\n\r\nHaluatko jatkaa palkin muokkausta?",
                         "Varoitus!", Buttons::YesNo, Icon::Exclamation, answer);
    }

    // The number of a model field by the name of its box in the window.
    static double fieldOf(model::ProjectModel& model, const TypeCase& c, const std::string& control) {
        const BeamFamilyTable& t = *findBeamFamilyTable(c.form);
        for (const SectionField& f : t.fields)
            if (control == f.control) return f.field(model).number();
        std::vector<MaterialField> materials = t.materials;
        for (const RowGroupTable& g : t.rows) {
            materials.push_back(g.modulus);
            materials.push_back(g.strength);
        }
        for (const MaterialField& f : materials)
            if (control == f.control) return f.field(model).number();
        ADD_FAILURE() << "no field of " << control;
        return 0;
    }
};

TEST_F(TableBeamDialogs, EachTypeOpensThroughTheBeamCommandShowingItsDefaultsAndCancelChangesNothing) {
    for (const TypeCase& c : cases()) {
        SCOPED_TRACE(c.form);
        selectType(c);
        m.ResultsValid = -1;
        open(c, [&](TableBeamDialog& d) {
            EXPECT_EQ(d.caption(), findBeamFamilyTable(c.form)->caption);
            for (const auto& [name, text] : c.defaults) EXPECT_EQ(textOf(d, name), text) << name;
            EXPECT_EQ(d.changedFlag(), 0);
            EXPECT_EQ(m.SubFormChanged, 0);
            for (const auto& [name, text] : c.edited) typeInto(d, name, text);
            ui.click(d.cmdPeruuta);
        });
        for (const auto& [name, text] : c.defaults) EXPECT_EQ(fieldOf(m, c, name), std::stod(text)) << name;
        EXPECT_EQ(m.SubFormChanged, 0);
        EXPECT_EQ(m.InputChanged, 0);
        EXPECT_EQ(m.ResultsValid, -1);
    }
}

TEST_F(TableBeamDialogs, EveryEditedFieldIsWhatOkWritesAndTheMainWindowIsRefreshed) {
    for (const TypeCase& c : cases()) {
        SCOPED_TRACE(c.form);
        open(c, [&](TableBeamDialog& d) { enterEditedSection(d, c); });
        for (const auto& [name, text] : c.edited) EXPECT_EQ(fieldOf(m, c, name), std::stod(text)) << name;
        for (const auto& [name, text] : c.editedMaterials) EXPECT_EQ(fieldOf(m, c, name), std::stod(text)) << name;
        EXPECT_EQ(m.BeamTypeName, c.typeName);
        EXPECT_EQ(m.SubFormChanged, 0);  // the opener acted on the 1 and reset it
        EXPECT_EQ(m.InputChanged, -1);
    }
}

TEST_F(TableBeamDialogs, OkWithoutAnEditWritesNothing) {
    for (const TypeCase& c : cases()) {
        SCOPED_TRACE(c.form);
        open(c, [&](TableBeamDialog& d) { ui.click(d.cmdOK); });
        EXPECT_EQ(m.InputChanged, 0);
    }
}

// Every dimension refuses a value beyond its bounds with the range message
// and shows again the value it held; an emptied box gets its default.
TEST_F(TableBeamDialogs, AValueBeyondTheBoundsIsRefusedAndAnEmptyBoxGetsItsDefault) {
    for (const TypeCase& c : cases()) {
        SCOPED_TRACE(c.form);
        const BeamFamilyTable& t = *findBeamFamilyTable(c.form);
        open(c, [&](TableBeamDialog& d) {
            for (const SectionField& f : t.fields) {
                if (f.fitsWithin) continue;  // their maximum follows another box
                const std::string above = std::to_string(static_cast<long>(f.range.maximum) + 1);
                expectRange(above, shown(boundValue(f.range.minimum)), shown(boundValue(f.range.maximum)));
                const std::string held = d.box(f.control).text();
                ui.typeOver(d.box(f.control), above);
                ui.tab();
                EXPECT_EQ(d.box(f.control).text(), held) << f.control;
                ui.paste(d.box(f.control), "");
                expectDefault(shown(boundValue(f.range.defaultValue)));
                ui.tab();
                EXPECT_EQ(d.box(f.control).text(), shown(boundValue(f.range.defaultValue))) << f.control;
            }
            ui.verify();
            ui.click(d.cmdPeruuta);
        });
    }
}

// A width that must fit inside another is held to the other's typed value.
TEST_F(TableBeamDialogs, AWidthThatMustFitIsHeldToTheWidthAroundIt) {
    const TypeCase& mek = cases()[7];
    open(mek, [&](TableBeamDialog& d) {
        ui.typeOver(d.box("txtAlalaipanLeveys"), "450");
        expectRange("460", "50", "450");
        ui.typeOver(d.box("txtProfiilinLeveys"), "460");
        ui.tab();
        ui.typeOver(d.box("txtProfiilinLeveys"), "450");
        ui.tab();
        // A smaller width around it never stops the box being left.
        ui.typeOver(d.box("txtAlalaipanLeveys"), "200");
        ui.typeOver(d.box("txtYlalaipanLeveys"), "40");
        expectRange("40", "50", "200");
        ui.tab();
        ui.verify();
        ui.typeOver(d.box("txtYlalaipanLeveys"), "180");  // Cancel takes the focus from a box
        ui.click(d.cmdPeruuta);
    });
    const TypeCase& apalkki = cases()[2];
    open(apalkki, [&](TableBeamDialog& d) {
        expectRange("250", "0", "200");  // the hole within the top plate
        ui.typeOver(d.box("txtAukko"), "250");
        ui.tab();
        ui.verify();
        ui.typeOver(d.box("txtAukko"), "100");
        ui.click(d.cmdPeruuta);
    });
}

// The check runs on the values in the window: Yes keeps the dialog open
// with nothing written, No writes the contradicting value.
TEST_F(TableBeamDialogs, AContradictionOfTheFamilyCheckAsksWhetherToGoOnEditing) {
    for (const TypeCase& c : cases()) {
        SCOPED_TRACE(c.form);
        selectType(c);
        const double before = fieldOf(m, c, c.contradictionBox);
        // The top flange must fit on the bottom plate, or OK refuses it
        // before it asks: on the narrowed A beam S plate it is narrowed too.
        auto narrowTopFlange = [&](TableBeamDialog& d) {
            if (std::string(c.form) == "frmAbeamS") ui.typeOver(d.box("txtYlalaipanLeveys"), "240");
        };
        open(c, [&](TableBeamDialog& d) {
            narrowTopFlange(d);
            ui.typeOver(d.box(c.contradictionBox), c.contradictionText);
            ui.tab();
            expectQuestion(c.contradictionLine, Answer::Yes);
            ui.click(d.cmdOK);
            EXPECT_TRUE(d.isLoaded());
            EXPECT_EQ(d.box(c.contradictionBox).text(), c.contradictionText);
            ui.click(d.cmdPeruuta);
        });
        EXPECT_EQ(fieldOf(m, c, c.contradictionBox), before);
        open(c, [&](TableBeamDialog& d) {
            narrowTopFlange(d);
            ui.typeOver(d.box(c.contradictionBox), c.contradictionText);
            expectQuestion(c.contradictionLine, Answer::No);
            ui.click(d.cmdOK);
        });
        EXPECT_EQ(fieldOf(m, c, c.contradictionBox), std::stod(c.contradictionText));
        EXPECT_EQ(m.InputChanged, -1);
    }
}

// The spacings typed in the window are the ones the check sees.
TEST_F(TableBeamDialogs, TheCheckTakesTheSpacingsInTheWindow) {
    const TypeCase& ti = cases()[3];
    open(ti, [&](TableBeamDialog& d) {
        ui.typeOver(d.txtOikeaalkuvali, "280");  // narrower than the 300 mm flanges
        ui.tab();
        expectQuestion("- Palkin leveys <=> palkkivälit.", Answer::Yes);
        ui.click(d.cmdOK);
        ui.click(d.cmdPeruuta);
    });
}

// On an edge beam of the welded I-beam the slabs rest on the top flange:
// the right joint grout moves by half the change of its width.
TEST_F(TableBeamDialogs, AnEdgeTiBeamsJointGroutFollowsHalfTheFlangeWidthChange) {
    const TypeCase& ti = cases()[3];
    choose(w.optTI);
    choose(w.optReunapalkki);
    const double grout = m.JointGroutWidth(2).number();  // 85 + 300 / 2
    EXPECT_EQ(grout, 235);
    open(ti, [&](TableBeamDialog& d) {
        EXPECT_FALSE(d.txtVasenalkuvali.enabled());
        ui.typeOver(d.box("txtYlalaipanLeveys"), "320");
        ui.typeOver(d.box("txtAlalaipanLeveys"), "320");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.JointGroutWidth(2).number(), 245);  // 235 + (320 - 300) / 2
}

// The A beams have the check of the plain beams, which compares the slab
// bearing with BeamWidth and the rows with OverallBeamHeight; neither is a
// dimension of theirs. OK leaves them as the type's own: the bottom plate's
// width and the height of the steel, so the calculation's check of a new
// A beam project finds nothing once its window was confirmed.
TEST_F(TableBeamDialogs, TheABeamsLeaveTheWidthAndHeightTheirCheckCompares) {
    for (const TypeCase* c : {&cases()[2], &cases()[8]}) {
        SCOPED_TRACE(c->form);
        open(*c, [&](TableBeamDialog& d) { enterEditedSection(d, *c); });
        EXPECT_EQ(m.BeamWidth.number(), fieldOf(m, *c, c->form == std::string("frmAbeamS") ? "txtAlalaipanLeveys"
                                                                                              : "txtPohjalevynLeveys"));
        std::string lines;
        int16_t found = 0;
        app::CollectInputContradictions(m, lines, found);
        EXPECT_EQ(lines, "");
    }
    // ABeamS: the height of its steel, 270 + 7.
    EXPECT_EQ(m.OverallBeamHeight.number(), 277);
    // Apalkki: the height and the top bar's diameter, sqrt(4 * 314 / 3.14159) = 19.995.
    open(cases()[2], [&](TableBeamDialog& d) { enterEditedSection(d, cases()[2]); });
    EXPECT_NEAR(m.OverallBeamHeight.number(), 250 + 19.995, 0.001);
}

TEST_F(TableBeamDialogs, TheSteelBeamRowsOfACompositeBeamAreEditedAndWritten) {
    const TypeCase& delta = cases()[6];
    open(delta, [&](TableBeamDialog& d) {
        RowEditor& rows = d.rowEditor(0);
        EXPECT_EQ(rows.count.text(), "0");  // the ten rows are kept behind a count of 0
        EXPECT_FALSE(rows.bars.enabled());
        ui.typeOver(rows.count, "2");
        ui.typeOver(rows.number, "2");
        EXPECT_EQ(rows.distance.text(), "32");  // 20 + 12 (2 - 1)
        ui.typeOver(rows.bars, "4");
        ui.typeOver(rows.area, "201");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SteelBeamRebarRowCount, 2);
    EXPECT_EQ(m.SteelBeamBarsInRow(2), 4);
    EXPECT_EQ(m.SteelBeamBarArea(2).number(), 201);
    EXPECT_EQ(m.SteelBeamBarDistance(2).number(), 32);
    EXPECT_EQ(m.SteelBeamBarsInRow(1), 5);
}

// Every control lies inside its window and its container, and no two
// controls of one container overlap (the sketch lines aside).
TEST_F(TableBeamDialogs, EveryControlLiesInsideTheWindowAndNoneOverlap) {
    auto inside = [](const platform::Place& in, const platform::Place& p) {
        return p.left >= 0 && p.top >= 0 && p.left + p.width <= in.width && p.top + p.height <= in.height;
    };
    for (const BeamFamilyTable& t : beamFamilyTables()) {
        SCOPED_TRACE(t.formName());
        TableBeamDialog d(m, ui, t);
        std::vector<const platform::Control*> placed;
        for (const platform::Control* c : d.controls()) {
            if (c->kind() == platform::ControlKind::Line) continue;
            const platform::Place window{0, 0, d.clientWidth(), d.clientHeight()};
            const platform::Place& box = c->container() ? c->container()->place() : window;
            EXPECT_TRUE(inside(box, c->place())) << c->name();
            placed.push_back(c);
        }
        for (std::size_t i = 0; i < placed.size(); ++i)
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                if (placed[i]->container() != placed[j]->container()) continue;
                const platform::Place& a = placed[i]->place();
                const platform::Place& b = placed[j]->place();
                const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                                   a.top + a.height <= b.top || b.top + b.height <= a.top;
                EXPECT_TRUE(apart) << placed[i]->name() << " overlaps " << placed[j]->name();
            }
    }
}

TEST_F(TableBeamDialogs, AnEnglishUserSeesEnglishCaptions) {
    m.LanguageIndex = 1;
    open(cases()[6], [&](TableBeamDialog& d) {
        EXPECT_EQ(d.caption(), "Delta beam");
        EXPECT_EQ(d.findControl("lbltxtKorkeus")->caption(), "Beam height (h)");
        EXPECT_EQ(d.findControl("fraPalkinRaudoitus")->caption(), "Reinforcement of the steel beam");
        EXPECT_EQ(d.cmdPeruuta.caption(), "Cancel");
        ui.click(d.cmdPeruuta);
    });
}

// The edited section is saved in the project file, comes back when the file
// is opened, and is the section the calculation builds: the bottom plate
// (the bottom flange of the concrete I-beam) is the first part of its list.
TEST_F(TableBeamDialogs, TheEditedSectionGoesThroughTheProjectFileIntoTheCalculation) {
    for (const TypeCase& c : cases()) {
        SCOPED_TRACE(c.form);
        open(c, [&](TableBeamDialog& d) { enterEditedSection(d, c); });
        const std::string file = folder.file("palkki.dat");
        ASSERT_EQ(inputfile::WriteInputDataFile(m, file), 0);

        model::ProjectModel back;
        app::testing::loadShippedCatalogue(back);
        model::ResetProjectDefaults(back);
        back.DataPath = folder.dataPath();
        int16_t firstError = 0;
        runtime::Messages messages;
        ASSERT_EQ(inputfile::ReadInputDataFile(back, messages, file, firstError), 0);
        EXPECT_EQ(back.BeamFamilyCode(), m.BeamFamilyCode());
        for (const auto& [name, text] : c.edited) EXPECT_EQ(fieldOf(back, c, name), std::stod(text)) << name;
        for (const auto& [name, text] : c.editedMaterials)
            EXPECT_EQ(fieldOf(back, c, name), std::stod(text)) << name;

        ASSERT_EQ(analysis::PerformCalculation(back, messages), 0);
        const double bottomWidth = std::stod(std::string(
            std::find_if(c.edited.begin(), c.edited.end(), [](const auto& e) {
                return std::string(e.first) == "txtAlalaipanLeveys" || std::string(e.first) == "txtPohjalevynLeveys";
            })->second));
        if (std::string(c.typeName) == "BI")
            EXPECT_EQ(back.PrecastPartBottomWidth(1).number(), bottomWidth);
        else
            EXPECT_EQ(back.SteelPlateBottomWidth(1).number(), bottomWidth);
    }
}

}  // namespace
}  // namespace quorvel::dialogs::testing
