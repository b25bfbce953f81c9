// The shared input tools: key filter, validators, number parsing, message
// templates, word splitting.

#include "app/input_tools.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "support/test_support.h"

#include "platform/headless/headless_platform.h"

namespace quorvel::app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::HeadlessPlatform;
using platform::Icon;
using runtime::Value;

// A window with one numeric box validated on leaving it, a second box to
// move to and a default button.
class frmNumeric : public platform::Form {
public:
    frmNumeric(platform::Platform& p, std::function<void(platform::TextBox&)> validator)
        : Form(p, "frmNumeric", "", 4000, 2000) {
        txtArvo.onKeyPress = [this](int& key) { FilterNumericKeyPress(key, -1, platform()); };
        txtArvo.onChange = [this] {
            ++changes;
            stored = ParseNumber(txtArvo.text(), platform());
        };
        txtArvo.onLostFocus = [this, validator] { validator(txtArvo); };
        cmdOK.setDefault(true);
        cmdOK.onClick = [this] { unload(); };
    }
    platform::TextBox txtArvo{*this, "txtArvo", {120, 120, 855, 285}};
    platform::TextBox txtMuu{*this, "txtMuu", {120, 480, 855, 285}};
    platform::CommandButton cmdOK{*this, "cmdOK", {120, 900, 1215, 375}, "OK"};
    int changes = 0;
    float stored = -1;
};

void expectValidationMessage(HeadlessPlatform& ui, const std::string& text) {
    ui.expectMessageMatching(quorvel::testing::afterFieldName(text), "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
}

TEST(ValidateRangeTextBox, EmptyBoxGetsTheDefaultAndKeepsTheFocus) {
    HeadlessPlatform ui;
    frmNumeric f(ui, [](platform::TextBox& b) { ValidateRangeTextBox(b, 16, 60, 25); });
    expectValidationMessage(ui, "Tyhjä kenttä ei kelpaa, asetettu oletusarvo 25");
    ui.showModal(f, [&] {
        f.txtArvo.setFocus();
        ui.tab();
        EXPECT_EQ(f.txtArvo.text(), "25");
        EXPECT_EQ(f.activeControl(), &f.txtArvo);
        EXPECT_EQ(f.stored, 25.0f) << "the default went through the box's own change handling";
        ui.pressEnter();
    });
}

TEST(ValidateRangeTextBox, OutOfRangeIsReportedWithTheTypedTextAndEmptied) {
    HeadlessPlatform ui;
    frmNumeric f(ui, [](platform::TextBox& b) { ValidateRangeTextBox(b, 16, 60, 25); });
    expectValidationMessage(ui, "Syöte 700 ei arvoalueella (16<=...<=60)");
    ui.showModal(f, [&] {
        ui.type(f.txtArvo, "700");
        ui.click(f.txtMuu);
        EXPECT_EQ(f.txtArvo.text(), "");
        EXPECT_EQ(f.stored, 0.0f) << "emptying the box stores 0";
        EXPECT_EQ(f.activeControl(), &f.txtArvo);
        // Leaving the emptied box for OK brings the empty-field message; the
        // focus goes back to the box and the click is lost.
        expectValidationMessage(ui, "Tyhjä kenttä ei kelpaa, asetettu oletusarvo 25");
        ui.click(f.cmdOK);
        EXPECT_TRUE(f.isLoaded());
        EXPECT_EQ(f.txtArvo.text(), "25");
        ui.typeOver(f.txtArvo, "60");  // a value on the bound is accepted
        ui.click(f.cmdOK);
    });
    EXPECT_EQ(f.txtArvo.text(), "60");
}

TEST(ValidateRangeTextBox, EnterOnTheDefaultButtonSkipsValidation) {
    HeadlessPlatform ui;  // no message may come
    ui.setStrict(true);
    frmNumeric f(ui, [](platform::TextBox& b) { ValidateRangeTextBox(b, 16, 60, 25); });
    ui.showModal(f, [&] {
        ui.type(f.txtArvo, "700");
        ui.pressEnter();
    });
    EXPECT_EQ(f.stored, 700.0f);
}

TEST(ValidateMinTextBox, BelowMinimumAndValuesWrittenBackInTheLocaleFormat) {
    for (char mark : {',', '.'}) {
        SCOPED_TRACE(std::string("decimal mark ") + mark);
        HeadlessPlatform ui(mark);
        platform::Form f(ui, "frmMin", "", 3000, 3000);
        platform::TextBox box(f, "txtLeveys", {0, 0, 800, 285});
        int16_t r;

        box.setText("5");
        expectValidationMessage(ui, "Syöte 5 ei arvoalueella (200<=...)");
        EXPECT_EQ(ValidateMinTextBox(box, 200, 300), 0);
        EXPECT_EQ(box.text(), "");

        box.setText("200");
        EXPECT_EQ(ValidateMinTextBox(box, 200, 300), -1) << "the minimum itself is accepted";

        // Anything after the number is refused, not cut off.
        box.setText("12abc");
        expectValidationMessage(ui, "Syöte 12abc ei ole luku (0<=...)");
        EXPECT_EQ(ValidateMinTextBox(box, 0, 1), 0);

        // "12.5" and "12,5": both marks are decimal marks in every locale;
        // the value is written back with the locale's.
        for (const char* typed : {"12.5", "12,5", " 12,5 "}) {
            box.setText(typed);
            r = ValidateMinTextBox(box, 0, 1);
            EXPECT_EQ(r, -1);
            EXPECT_EQ(box.text(), mark == ',' ? "12,5" : "12.5");
        }

        box.setText("-0");
        ValidateMinTextBox(box, -1, 1);
        EXPECT_EQ(box.text(), "0");

        // Defaults and bounds are shown in the locale's format.
        box.setText("");
        expectValidationMessage(ui, std::string("Tyhjä kenttä ei kelpaa, asetettu oletusarvo 0") + mark + "2");
        ValidateMinTextBox(box, 0, Value(0.2f));
        EXPECT_EQ(box.text(), std::string("0") + mark + "2");
        ui.verify();
    }
}

// A box of whole numbers (a count 0 ... 5) calls a number inside its range
// that is not whole so ("2,5"), in both languages; a number outside the
// range stays out of range, whole or not.
TEST(CheckNumberBox, ANumberThatIsNotWholeIsCalledSo) {
    const BoxCheck count{{0, 5}, std::nullopt, true, {}};
    const struct {
        const char* typed;
        const char* finnish;
        const char* english;
    } rows[] = {
        {"2,5", "Syöte 2,5 ei ole kokonaisluku (kokonaisluku 0<=...<=5)",
         "Input 2,5 is not a whole number; the range is 0 ... 5, whole numbers only"},
        {"6", "Syöte 6 ei arvoalueella (kokonaisluku 0<=...<=5)",
         "Input 6 is outside the range 0 ... 5, whole numbers only"},
        {"5.5", "Syöte 5.5 ei arvoalueella (kokonaisluku 0<=...<=5)",
         "Input 5.5 is outside the range 0 ... 5, whole numbers only"},
    };
    for (const bool english : {false, true}) {
        HeadlessPlatform ui(',');
        if (english) ui.setLanguage("en");
        platform::Form f(ui, "frmMaara", "", 3000, 3000);
        platform::TextBox box(f, "txtMaara", {0, 0, 800, 285});
        for (const auto& row : rows) {
            box.setText(row.typed);
            ui.expectMessageMatching(quorvel::testing::afterFieldName(english ? row.english : row.finnish),
                                     english ? "Invalid number" : "Lukuarvovirhe", Buttons::Ok, Icon::Exclamation);
            std::string kept = "3";
            EXPECT_FALSE(CheckNumberBox(box, count, kept)) << row.typed;
            EXPECT_EQ(box.text(), "3");
        }
        ui.verify();
    }
}

TEST(ValidateMinTextBox, ValueBeyondSingleRangeIsRefusedNotOverflowed) {
    HeadlessPlatform ui;
    platform::Form f(ui, "frmMin", "", 3000, 3000);
    platform::TextBox box(f, "txtPituus", {0, 0, 800, 285});
    box.setText("1e39");
    expectValidationMessage(ui, "Syöte 1e39 ei arvoalueella (0<=...)");
    EXPECT_EQ(ValidateMinTextBox(box, 0, 100), 0);
    EXPECT_EQ(box.text(), "");
    box.setText("-1e39");
    expectValidationMessage(ui, "Syöte -1e39 ei arvoalueella (-10<=...<=10)");
    EXPECT_EQ(ValidateRangeTextBox(box, -10, 10, 0), 0);
    // The typed "+" of an exponent is not taken for a placeholder.
    box.setText("1e+39");
    expectValidationMessage(ui, "Syöte 1e+39 ei arvoalueella (0<=...<=10)");
    EXPECT_EQ(ValidateRangeTextBox(box, 0, 10, 0), 0);
    box.setText("+5");
    expectValidationMessage(ui, "Syöte +5 ei arvoalueella (200<=...)");
    EXPECT_EQ(ValidateMinTextBox(box, 200, 300), 0);
}

// A number is a sign, digits with one decimal mark (comma or point), an
// exponent, blanks around it; nothing else is read as a number.
TEST(ReadNumber, ANumberAndNothingElse) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"7,8", 7.8},      {"7.8", 7.8},     {" -3,5 ", -3.5},  {"+5", 5.0},      {".5", 0.5},
        {"5.", 5.0},       {"1e3", 1000.0},  {"2,5E-1", 0.25},  {"1e39", 1e39},   {"abc", std::nullopt},
        {"", std::nullopt}, {"3.5 kN", std::nullopt}, {"12abc", std::nullopt}, {"1,2,3", std::nullopt},
        {"1.2.3", std::nullopt}, {"-", std::nullopt}, {"e5", std::nullopt}, {"1e", std::nullopt},
        {"&HFF", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt}, {"1 000", std::nullopt},
        {"1e999", std::nullopt}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(readNumber(text), expected) << '"' << text << '"';
}

TEST(ValidateRangeTextBox, TypedBoundIsInsideWhateverPrecisionTheBoundHas) {
    HeadlessPlatform ui;
    ui.setStrict(true);
    platform::Form f(ui, "frmRange", "", 3000, 3000);
    platform::TextBox box(f, "txtKerroin", {0, 0, 800, 285});
    // The single 0.1 is 0.100000001490116..., above the double 0.1; the
    // single 0.9 is 0.899999976158..., below the double 0.9. Typed exactly,
    // each is on its bound, not outside it.
    box.setText("0.1");
    EXPECT_EQ(ValidateRangeTextBox(box, 0, Value(0.1f), 0), -1);
    box.setText("0.1");
    EXPECT_EQ(ValidateRangeTextBox(box, 0, 0.1, 0), -1);
    box.setText("0.9");
    EXPECT_EQ(ValidateRangeTextBox(box, 0.9, 1.4, 1.2), -1);
    box.setText("1.2");
    EXPECT_EQ(ValidateRangeTextBox(box, 0.8, 1.2, 1.0), -1);
    // The next single beyond the bound is outside.
    box.setText("0.8999999");
    expectValidationMessage(ui, "Syöte 0.8999999 ei arvoalueella (0.9<=...<=1.4)");
    EXPECT_EQ(ValidateRangeTextBox(box, 0.9, 1.4, 1.2), 0);
    ui.verify();
}

TEST(FilterNumericKeyPress, CommaBecomesPointExponentPassesLettersBeepAndPasteIsNotFiltered) {
    HeadlessPlatform ui(',');
    frmNumeric f(ui, [](platform::TextBox&) {});
    ui.showModal(f, [&] {
        ui.type(f.txtArvo, "1,5a");
        EXPECT_EQ(f.txtArvo.text(), "1.5");
        EXPECT_EQ(ui.beeps(), 1);
        EXPECT_EQ(f.stored, 1.5f) << "a typed point is read in a comma locale too";
        ui.backspace(f.txtArvo);
        EXPECT_EQ(f.txtArvo.text(), "1.");
        ui.type(f.txtArvo, "-+eEx");
        EXPECT_EQ(f.txtArvo.text(), "1.-+eE") << "the exponent letter is kept";
        EXPECT_EQ(ui.beeps(), 2);
        ui.paste(f.txtArvo, "12 kN");
        EXPECT_EQ(f.txtArvo.text(), "12 kN");
        EXPECT_EQ(ui.beeps(), 2);
        f.unload();
    });
    int key = '\r';
    int beep = 0;
    FilterNumericKeyPress(key, beep, ui);
    EXPECT_EQ(key, 0) << "Enter is swallowed";
    EXPECT_EQ(ui.beeps(), 2) << "without a beep when the flag is 0";
}

TEST(ParseNumber, BothDecimalMarksAndTheLeadingNumberRule) {
    EXPECT_EQ(ParseNumber("12,5", ','), 12.5f);
    EXPECT_EQ(ParseNumber("12.5", ','), 12.5f);
    EXPECT_EQ(ParseNumber("12,5", '.'), 12.0f);
    EXPECT_EQ(ParseNumber("12abc", '.'), 12.0f);
    EXPECT_EQ(ParseNumber("", ','), 0.0f);
    EXPECT_EQ(ParseNumber("-3.5e2", '.'), -350.0f);
    EXPECT_EQ(ParseNumber("1 2", '.'), 12.0f);
    EXPECT_EQ(ParseNumber("&HFF", '.'), 255.0f);
    EXPECT_EQ(ParseNumber("0.1", '.'), 0.1f) << "rounded to single precision";
    EXPECT_EQ(ParseNumber("3.4e38", '.'), 3.4e38f);
    EXPECT_EQ(ParseNumber("1e39", '.'), 0.0f);
    EXPECT_EQ(ParseNumber("1e400", ','), 0.0f);
    EXPECT_TRUE(isBeyondSingleRange("1e39", '.'));
    EXPECT_TRUE(isBeyondSingleRange("-1e400", '.'));
    EXPECT_FALSE(isBeyondSingleRange("1e-50", '.'));
}

TEST(TextTools, PlaceholdersWordsAndMinimum) {
    EXPECT_EQ(ReplacePlaceholder("a + b + c", "1"), "a 1 b + c");
    EXPECT_EQ(ReplacePlaceholder("no placeholder", "1"), "no placeholder");
    EXPECT_EQ(fillPlaceholders("(+<=...<=+)", {"+1", "2"}), "(+1<=...<=2)");
    // Each platform's windows word the messages in their own language.
    platform::HeadlessPlatform finnish, english;
    english.setLanguage("en");
    EXPECT_EQ(GetMessageText(finnish, 11, "Lukuarvovirhe"), "Lukuarvovirhe");
    EXPECT_EQ(GetMessageText(english, 11, "Lukuarvovirhe"), "Invalid number");

    std::vector<std::string> words{"", "old1", "old2", "old3", "old4"};
    EXPECT_EQ(SplitWords("  A  B   C ", words, 32), 3);
    EXPECT_EQ(words, (std::vector<std::string>{"", "A", "B", "C"}));
    EXPECT_EQ(SplitWords("   ", words, 32), 0);
    EXPECT_EQ(words.size(), 4u) << "no word: the array is left as it was";
    EXPECT_EQ(SplitWords("a ,b", words, ','), 2);
    EXPECT_EQ(words[1], "a ") << "with another separator a word keeps its trailing blank";

    Value a(2.0);
    Value b(2.0f);
    EXPECT_TRUE(MinOf(a, b).isSingle()) << "a tie returns the second argument";
    EXPECT_EQ(MinOf(1.0, 2.0), 1.0);
}

TEST(CenterForm, PutsTheWindowInTheMiddleOfTheScreen) {
    HeadlessPlatform ui;
    ui.setScreenSize({15360, 11520});
    platform::Form f(ui, "frmAbout", "", 11796, 7788);
    CenterForm(f);
    EXPECT_EQ(f.left() * 2 + f.width(), 15360);
    EXPECT_NEAR(f.top() * 2 + f.height(), 11520, 1);
    EXPECT_EQ(f.clientWidth(), 11796) << "the size is unchanged";
}

}  // namespace
}  // namespace quorvel::app
