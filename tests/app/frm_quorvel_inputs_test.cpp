// The main window's numeric boxes, title boxes and lists, driven as a user
// drives them: keys typed into a box, the focus leaving it, list choices.

#include <gtest/gtest.h>

#include "support/number_boxes.h"
#include "support/test_support.h"

#include "main_window_fixture.h"

using namespace quorvel;
using platform::Buttons;
using platform::Icon;

namespace {

using MainWindowInputs = app::testing::MainWindowTest;

class MainWindowInputsCommaLocale : public app::testing::MainWindowTest {
protected:
    MainWindowInputsCommaLocale() : MainWindowTest(',') {}
};

const char* const Title = "Lukuarvovirhe";

}  // namespace

TEST_F(MainWindowInputs, BoxesStoreEveryKeystrokeAndMarkTheInputChanged) {
    m.ResultsValid = -1;
    ui.typeOver(w.txtVasenlaatastopysyva, "1,5");  // the key filter turns the comma into a point
    EXPECT_EQ(w.txtVasenlaatastopysyva.text(), "1.5");
    EXPECT_DOUBLE_EQ(m.SlabImposedLoadPermanent(1), 1.5);
    EXPECT_EQ(m.InputChanged, -1);
    EXPECT_EQ(m.ResultsValid, 0);

    ui.type(w.txtVasenlaatastopysyva, "x");  // refused with a beep
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(w.txtVasenlaatastopysyva.text(), "1.5");

    ui.typeOver(w.txtOikealaatastomuuttuva, "-");  // not a number yet: the field keeps its value
    EXPECT_EQ(m.SlabImposedLoadVariable(2).number(), 2.5);
    ui.type(w.txtOikealaatastomuuttuva, "2");
    EXPECT_EQ(m.SlabImposedLoadVariable(2).number(), -2.0) << "stored while typing, checked when left";
    ui.typeOver(w.txtOikealaatastomuuttuva, "3");
    EXPECT_EQ(m.SlabImposedLoadVariable(2).number(), 3.0);
    ui.typeOver(w.txtOikeaontelotaytto, "120");
    ui.typeOver(w.txtOikealoppuvali, "6600");
    leave();
    EXPECT_EQ(m.CoreFillingLength(2).number(), 120.0);
    EXPECT_EQ(m.BeamSpacing(2, 2).number(), 6600.0);
    // A negative core filling (placed from the start) is taken to -5000.
    ui.typeOver(w.txtOikeaontelotaytto, "-600");
    leave();
    EXPECT_EQ(m.CoreFillingLength(2).number(), -600.0);
    ui.typeOver(w.txtOikeaontelotaytto, "-5001");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte -5001 ei arvoalueella (-5000<=...<=5000 mm)"),
                             Title, Buttons::Ok, Icon::Exclamation);
    leave();
    ui.verify();
}

TEST_F(MainWindowInputs, SpacingRangeAndEmptyDefault) {
    ui.typeOver(w.txtVasenalkuvali, "100");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 100 ei arvoalueella (200<=...<=30000 mm)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    // The value held before the edit, selected, the focus back in the box.
    EXPECT_EQ(w.txtVasenalkuvali.text(), "7200");
    EXPECT_TRUE(quorvel::testing::wholeTextSelected(w.txtVasenalkuvali));
    EXPECT_EQ(m.BeamSpacing[4].number(), 7200.0);
    EXPECT_TRUE(w.txtVasenalkuvali.hasFocus());

    ui.paste(w.txtVasenalkuvali, "");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 7200"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_EQ(w.txtVasenalkuvali.text(), "7200");
    EXPECT_EQ(m.BeamSpacing[4].number(), 7200.0);
    ui.verify();
}

TEST_F(MainWindowInputs, EmptiedToppingThicknessKeepsItsValueThenGetsItsDefault) {
    ui.typeOver(w.txtPintapaksuus, "80");
    // 25 kN/m³ x 0.080 m on both sides (equal slabs, no step between them).
    EXPECT_DOUBLE_EQ(m.ToppingLoad(1), 2.0);
    ui.backspace(w.txtPintapaksuus);
    ui.backspace(w.txtPintapaksuus);
    EXPECT_DOUBLE_EQ(m.ToppingThickness, 8);  // "8" was the last number the box held
    EXPECT_NEAR(m.ToppingLoad(2), 0.025 * 8, 1e-12);

    ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 50"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_EQ(w.txtPintapaksuus.text(), "50");
    EXPECT_EQ(m.ToppingThickness.number(), 50.0);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(2), 1.25);

    ui.typeOver(w.txtRaudoiteala, "0");
    EXPECT_DOUBLE_EQ(m.ToppingReinforcementArea, 0.0) << "the model holds what the box shows";
    ui.typeOver(w.txtRaudoiteala, "6000");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 6000 ei arvoalueella (0<=...<=5000 mm²/m)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_DOUBLE_EQ(m.ToppingReinforcementArea, 0.0);  // refused: the value held before
    EXPECT_EQ(w.txtRaudoiteala.text(), "0");
    ui.paste(w.txtRaudoiteala, "");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 130"), Title, Buttons::Ok, Icon::Exclamation);
    leave();

    ui.typeOver(w.txtRaudoitelujuus, "150");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 150 ei arvoalueella (200<=...<=700 MPa)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_EQ(w.txtRaudoitelujuus.text(), "500");
}

TEST_F(MainWindowInputs, ToppingLoadMessageOnDoubleClick) {
    ui.selectItem(w.cboOikealaattatyyppi, 3);  // P32, 320 mm: its top stands 55 mm above the P27 top
    ui.typeOver(w.txtPintapaksuus, "50");
    // Right (higher) side: 25 kN/m³ x 0.050 m = 1.250; the left side also
    // carries the concrete of the 55 mm step: 25 x (0.050 + 0.055) = 2.625.
    ui.expectMessage("Pintabetonin aiheuttama kuorma 2.625 kN/m² (vasen) ja 1.250 kN/m² (oikea).", "Pintabetoni",
                     Buttons::Ok, Icon::Information);
    ui.dblClick(w.txtPintapaksuus);

    ui.click(w.optReunapalkki);
    ui.expectMessage("Pintabetonin aiheuttama kuorma 1.250 kN/m² (oikea).", "Pintabetoni", Buttons::Ok,
                     Icon::Information);
    ui.dblClick(w.txtPintapaksuus);
    ui.verify();
}

TEST_F(MainWindowInputsCommaLocale, ToppingLoadMessageUsesTheUsersDecimalMark) {
    ui.click(w.optReunapalkki);
    ui.typeOver(w.txtPintapaksuus, "50");
    ui.expectMessage("Pintabetonin aiheuttama kuorma 1,250 kN/m² (oikea).", "Pintabetoni", Buttons::Ok,
                     Icon::Information);
    ui.dblClick(w.txtPintapaksuus);
    ui.verify();
}

TEST_F(MainWindowInputs, SupportLengthDefaultComesFromTheSlabCatalogue) {
    // P27 offers 45 mm: word 16 of its line in the shipped catalogue.
    ui.typeOver(w.txtVasentukipituus, "");
    ui.backspace(w.txtVasentukipituus);
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 45"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_EQ(m.SlabSupportLength(1).number(), 45.0);

    m.SlabTypeName(2) = "X99";  // not in the catalogue
    ui.typeOver(w.txtOikeatukipituus, "");
    ui.backspace(w.txtOikeatukipituus);
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 0"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_EQ(w.txtOikeatukipituus.text(), "0");

    ui.typeOver(w.txtOikeatukipituus, "10");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 10 ei arvoalueella (20<=...<=500 mm)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    ui.type(w.txtOikeatukipituus, "30");
    leave();
    ui.verify();

    choose(w.optMEK);  // composite steel beams may have no bearing length minimum
    ui.typeOver(w.txtOikeatukipituus, "10");
    leave();
    EXPECT_EQ(m.SlabSupportLength(2).number(), 10.0);
}

TEST_F(MainWindowInputs, BottomGapDefaultDependsOnTheBeamCategory) {
    ui.typeOver(w.txtOikealaatanalavali, "-1");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte -1 ei arvoalueella (0<=...<=200 mm)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    ui.paste(w.txtOikealaatanalavali, "");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 10"), Title, Buttons::Ok, Icon::Exclamation);
    leave();  // SUORA is a concrete beam (category 2)
    EXPECT_EQ(m.SlabBottomGap(2).number(), 10.0);

    choose(w.optHQ);
    ui.typeOver(w.txtOikealaatanalavali, "");
    ui.backspace(w.txtOikealaatanalavali);
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 0"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    ui.verify();
}

TEST_F(MainWindowInputs, FirstJointDistanceWithinHalfTheSpanEitherWay) {
    ASSERT_EQ(m.BeamSpan.number(), 6000.0);
    ui.typeOver(w.txtSaumanetaisyys, "-3000");
    leave();
    EXPECT_EQ(m.FirstJointDistance.number(), -3000.0);
    ui.typeOver(w.txtSaumanetaisyys, "-3001");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte -3001 ei arvoalueella (-3000<=...<=3000 mm)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    m.BeamSpan = 6850;  // the limits follow the span when the box is left
    ui.typeOver(w.txtSaumanetaisyys, "3400");
    leave();
    EXPECT_EQ(m.FirstJointDistance.number(), 3400.0);
    ui.verify();
}

TEST_F(MainWindowInputs, NarrowJointGroutWarnsExceptForBeamsWithLedgeSeats) {
    ui.typeOver(w.txtVasensaumavalu, "25");
    ui.expectMessage("Arvo alle 30!", "Saumavalu", Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_EQ(m.JointGroutWidth(1).number(), 25.0);  // the value stands
    ui.verify();

    // A refused width never warns as well.
    ui.typeOver(w.txtOikeasaumavalu, "-5");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte -5 ei arvoalueella (0<=...<=500 mm)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    ui.paste(w.txtOikeasaumavalu, "");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 0"), Title, Buttons::Ok, Icon::Exclamation);
    leave();  // 0 is below 30 but was not typed: no warning
    EXPECT_EQ(m.JointGroutWidth(2).number(), 0.0);
    ui.typeOver(w.txtOikeasaumavalu, "40");
    leave();
    ui.verify();

    for (platform::OptionButton* option : {&w.optLBL, &w.optLB, &w.OptApalkki, &w.OptAbeamS}) {
        SCOPED_TRACE(option->name());
        choose(*option);
        ui.typeOver(w.txtVasensaumavalu, "25");
        leave();  // strict: any message would fail here
        EXPECT_EQ(m.JointGroutWidth(1).number(), 25.0);
    }
}

TEST_F(MainWindowInputs, RightJointGroutOfAnEdgeSuoraBeamCarriesHalfTheBeamWidth) {
    ui.click(w.optReunapalkki);
    ASSERT_EQ(m.BeamWidth.number(), 380.0);
    ui.typeOver(w.txtOikeasaumavalu, "90");
    leave();
    EXPECT_EQ(m.JointGroutWidth(2).number(), 280.0);  // 90 + 380 / 2
    EXPECT_EQ(w.txtOikeasaumavalu.text(), "90");
    ui.typeOver(w.txtOikeasaumavalu, "0");
    leave();  // stored as 190: never below 30, so no warning
    EXPECT_EQ(m.JointGroutWidth(2).number(), 190.0);
    EXPECT_FALSE(w.txtVasensaumavalu.visible());
}

TEST_F(MainWindowInputs, TitleEditKeepsTheResults) {
    m.ResultsValid = -1;
    m.InputFileTitle = "talo.dat";
    ui.typeOver(w.txtOtsikko1, "Asunto Oy");
    EXPECT_EQ(m.TitleLine1, "Asunto Oy");
    EXPECT_EQ(m.InputChanged, -1);
    EXPECT_EQ(m.ResultsValid, -1);
    EXPECT_EQ(m.InputFileTitle, "talo.dat");  // no " *"
    ui.typeOver(w.txtOtsikko2, "B-porras");
    EXPECT_EQ(m.TitleLine2, "B-porras");
}

// A character Windows-1252 lacks would be saved as "?": the title box
// refuses it as it is typed or pasted, in the window's language, and keeps
// the title and the project's saved state as they were; letters the file
// holds (Ä, €) go in.
TEST_F(MainWindowInputs, ATitleCharacterTheFileCannotHoldIsRefusedAsItIsTyped) {
    struct Row {
        platform::TextBox* box;
        bool paste;
        int16_t language;
        const char* text;
        const char* message;  // empty: accepted
    } rows[] = {
        {&w.txtOtsikko1, false, 0, "Ω", "Otsikkorivi 1: merkkiä \"Ω\" ei voi tallentaa lähtötietoihin (Windows-1252)."},
        {&w.txtOtsikko2, true, 0, "q ≤ 5 kN/m²", "Otsikkorivi 2: merkkiä \"≤\" ei voi tallentaa lähtötietoihin (Windows-1252)."},
        {&w.txtOtsikko1, true, 1, "Ω", "Title line 1: the character \"Ω\" cannot be saved in the input data (Windows-1252)."},
        {&w.txtOtsikko2, false, 1, "漢", "Title line 2: the character \"漢\" cannot be saved in the input data (Windows-1252)."},
        {&w.txtOtsikko1, false, 0, " Äänekoski 5 €", ""},
        {&w.txtOtsikko2, true, 1, "Kuorma ± 5 kN/m²", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        m.LanguageIndex = row.language;
        ui.typeOver(*row.box, "Kohde");
        const std::string& field = row.box == &w.txtOtsikko1 ? m.TitleLine1 : m.TitleLine2;
        m.InputChanged = 0;
        m.InputSaved = -1;
        const std::string typed = row.paste ? std::string(row.text) : "Kohde" + std::string(row.text);
        if (*row.message) ui.expectMessage(row.message, ui.applicationTitle(), Buttons::Ok, Icon::Exclamation);
        if (row.paste)
            ui.paste(*row.box, row.text);
        else
            ui.type(*row.box, row.text);
        ui.verify();
        const std::string kept = *row.message ? "Kohde" : typed;
        EXPECT_EQ(row.box->text(), kept);
        EXPECT_EQ(field, kept);
        EXPECT_EQ(m.InputSaved, *row.message ? -1 : 0) << "a refused character changes nothing";
    }
}

// --- Slab type and concrete grade lists ---------------------------------------

TEST_F(MainWindowInputs, SlabTypeChoiceSetsTheFirstStrand) {
    ASSERT_EQ(w.cboOikealaattatyyppi.text(), "P27");
    ui.selectItem(w.cboOikealaattatyyppi, 2);  // P27 again
    EXPECT_EQ(m.InputChanged, 0);

    ui.selectItem(w.cboOikealaattatyyppi, 3);
    EXPECT_EQ(m.SlabTypeName(2), "P32");
    EXPECT_EQ(m.BottomStrandCode(2), "7");  // first designation of P32 in PUNOS.VAT
    EXPECT_EQ(m.InputChanged, -1);
    EXPECT_EQ(m.SlabTypeName(1), "P27");
}

TEST_F(MainWindowInputs, SlabTypeWithoutStrandsGetsSixWithAMessage) {
    m.SlabCatalogue(2).StrandCount = 0;  // P20 without designations
    ui.expectMessage("Laattatyypille P20 ei ole anneetu punostietoja tiedostossa PUNOS.VAT!", ui.applicationTitle(),
                     Buttons::Ok, Icon::None);
    ui.selectItem(w.cboVasenlaattatyyppi, 1);
    EXPECT_EQ(m.SlabTypeName(1), "P20");
    EXPECT_EQ(m.BottomStrandCode(1), "6");
    ui.verify();
}

TEST_F(MainWindowInputs, GradeAndClassChoices) {
    ASSERT_EQ(m.JointConcreteClass.number(), 25.0);
    ui.selectItem(w.cboSaumabetoni, 1);  // "25": unchanged
    EXPECT_EQ(m.InputChanged, 0);
    ui.selectItem(w.cboSaumabetoni, 2);
    EXPECT_EQ(m.JointConcreteClass.number(), 30.0);
    EXPECT_EQ(m.InputChanged, -1);

    ui.selectItem(w.cboPintabetoni, 0);
    EXPECT_EQ(m.ToppingConcreteClass.number(), 20.0);
    ui.selectItem(w.cboSaumaluokka, 0);
    EXPECT_EQ(m.ConcreteQualityClass(3).number(), 1.0);
    ui.selectItem(w.cboPintaluokka, 2);
    EXPECT_EQ(m.ConcreteQualityClass(6).number(), 3.0);
}

TEST_F(MainWindowInputs, TypedGradesAreFilteredCheckedAndStored) {
    ui.typeOver(w.cboSaumabetoni, "x");
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(w.cboSaumabetoni.text(), "25");  // the refused key leaves the text
    ui.paste(w.cboSaumabetoni, "");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 25"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_EQ(w.cboSaumabetoni.text(), "25");

    ui.typeOver(w.cboSaumabetoni, "12");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 12 ei arvoalueella (16<=...<=60)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_EQ(w.cboSaumabetoni.text(), "25");  // the grade kept, selected
    EXPECT_TRUE(w.cboSaumabetoni.wholeTextSelected());
    EXPECT_EQ(m.JointConcreteClass.number(), 25.0);  // a refused grade leaves the model
    EXPECT_EQ(m.InputChanged, 0);

    // A typed grade within the range is what the calculation uses.
    ui.typeOver(w.cboSaumabetoni, "35");
    leave();
    EXPECT_EQ(m.JointConcreteClass.number(), 35.0);
    EXPECT_EQ(m.InputChanged, -1);

    ui.typeOver(w.cboPintabetoni, "2,5");
    EXPECT_EQ(w.cboPintabetoni.text(), "2.5");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte 2.5 ei arvoalueella (20<=...<=60)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    ui.typeOver(w.cboPintabetoni, "45");
    leave();
    EXPECT_EQ(m.ToppingConcreteClass.number(), 45.0);
    ui.verify();
}

// A number beyond what a single-precision field holds (3.402823E+38) never
// stays in a box, whether or not the box has bounds of its own: typed or
// pasted, leaving the box gives the out-of-range message and puts back the
// value the field holds.
TEST_F(MainWindowInputs, ANumberBeyondTheSingleRangeIsRefusedInEveryNumericBox) {
    const std::string message = "Palkkivälit alkupäässä, oikea: Syöte 1e39 ei arvoalueella (200<=...<=30000 mm)";
    ui.typeOver(w.txtOikeaalkuvali, "1e39");  // no key filter
    ui.expectMessage(message, Title, Buttons::Ok, Icon::Exclamation);
    leave();
    EXPECT_EQ(w.txtOikeaalkuvali.text(), "7200");
    EXPECT_EQ(w.activeControl(), &w.txtOikeaalkuvali) << "the focus is put back";
    EXPECT_EQ(m.BeamSpacing[5].number(), 7200.0);
    ui.paste(w.txtOikeaalkuvali, "7200");
    leave();

    for (platform::TextBox* box : {&w.txtOikealoppuvali, &w.txtVasenloppuvali, &w.txtVasenlaatastopysyva,
                                   &w.txtOikealaatastomuuttuva, &w.txtVasenontelotaytto, &w.txtOikeaontelotaytto}) {
        const std::string before = box->text();
        ui.paste(*box, "1e39");
        ui.expectMessageMatching(".*: Syöte 1e39 ei arvoalueella \\(.*\\)", Title, Buttons::Ok, Icon::Exclamation);
        leave();
        EXPECT_EQ(box->text(), before) << box->name();
        ui.paste(*box, before);
        leave();
    }
    // Boxes with bounds give their own bounds.
    ui.paste(w.txtRaudoitelujuus, "-1e39");
    ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte -1e39 ei arvoalueella (200<=...<=700 MPa)"), Title, Buttons::Ok, Icon::Exclamation);
    leave();
    ui.paste(w.txtRaudoitelujuus, "500");
    leave();

    // An empty box without a default is refused.
    ui.paste(w.txtVasenlaatastopysyva, "");
    ui.expectMessage("Pysyvä hyötykuorma, vasen: Tyhjä kenttä ei kelpaa (0<=...<=100 kN/m²)", Title, Buttons::Ok,
                     Icon::Exclamation);
    leave();
    ui.paste(w.txtVasenlaatastopysyva, "2.5");
    leave();
    EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), 2.5);
    ui.verify();
}

TEST_F(MainWindowInputsCommaLocale, ABoxWithBoundsRefusesANumberBeyondTheSingleRange) {
    ui.paste(w.txtVasenlaatastopysyva, "2e40");
    ui.expectMessage("Pysyvä hyötykuorma, vasen: Syöte 2e40 ei arvoalueella (0<=...<=100 kN/m²)", Title, Buttons::Ok,
                     Icon::Exclamation);
    leave();
    EXPECT_EQ(w.txtVasenlaatastopysyva.text(), "0,5");
    ui.verify();
}
