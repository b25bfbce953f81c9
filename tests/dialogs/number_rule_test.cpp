// The one number rule over every numeric box of the main window and of
// every dialog, the boxes enumerated from the forms themselves: each box
// is given, pasted and typed, a value with a decimal comma and one with a
// point, letters, a unit after the number, nothing, a number outside its
// range and 1e39. A refused value gives one message naming the field and
// its range (saying whether the text was no number or a number outside
// it), and the box shows again, selected, the value its window keeps, and
// keeps the focus; an accepted one is shown as its field holds it. The main window's model holds what its boxes show; a
// dialog's boxes show, when opened again after OK, what they showed at OK.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "app/beam_types.h"
#include "app/input_tools.h"
#include "inputfile/input_file_writer.h"
#include "support/number_boxes.h"
#include "dialog_fixture.h"
#include "dialogs/slabs/frm_2ontelolaatasto.h"
#include "dialogs/concrete-beams/beam_dialog.h"
#include "dialogs/slabs/frm_kuormat.h"

namespace quorvel::dialogs {
namespace {

using quorvel::testing::boxText;
using quorvel::testing::reachableBoxes;

using model::BoxLimit;
using model::Computed;

std::string withMark(std::string s, char mark) {
    for (char& ch : s)
        if (ch == '.') ch = mark;
    return s;
}

std::string numberText(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.10g", v);
    return buffer;
}

// The main window's fields by the names of the table.
runtime::Value* mainWindowField(model::ProjectModel& m, std::string_view field, int element) {
    using F = runtime::Value& (*)(model::ProjectModel&, int);
    static const std::map<std::string_view, F> fields{
        {"BeamSpacing", [](model::ProjectModel& m, int e) -> runtime::Value& { return m.BeamSpacing[e]; }},
        {"SlabImposedLoadPermanent",
         [](model::ProjectModel& m, int e) -> runtime::Value& { return m.SlabImposedLoadPermanent(e); }},
        {"SlabImposedLoadVariable",
         [](model::ProjectModel& m, int e) -> runtime::Value& { return m.SlabImposedLoadVariable(e); }},
        {"SlabBottomGap", [](model::ProjectModel& m, int e) -> runtime::Value& { return m.SlabBottomGap(e); }},
        {"CoreFillingLength", [](model::ProjectModel& m, int e) -> runtime::Value& { return m.CoreFillingLength(e); }},
        {"JointGroutWidth", [](model::ProjectModel& m, int e) -> runtime::Value& { return m.JointGroutWidth(e); }},
        {"SlabSupportLength", [](model::ProjectModel& m, int e) -> runtime::Value& { return m.SlabSupportLength(e); }},
        {"FirstJointDistance", [](model::ProjectModel& m, int) -> runtime::Value& { return m.FirstJointDistance; }},
        {"ToppingThickness", [](model::ProjectModel& m, int) -> runtime::Value& { return m.ToppingThickness; }},
        {"ToppingReinforcementArea",
         [](model::ProjectModel& m, int) -> runtime::Value& { return m.ToppingReinforcementArea; }},
        {"ToppingReinforcementStrength",
         [](model::ProjectModel& m, int) -> runtime::Value& { return m.ToppingReinforcementStrength; }},
        {"JointConcreteClass", [](model::ProjectModel& m, int) -> runtime::Value& { return m.JointConcreteClass; }},
        {"ToppingConcreteClass", [](model::ProjectModel& m, int) -> runtime::Value& { return m.ToppingConcreteClass; }},
    };
    auto it = fields.find(field);
    return it == fields.end() ? nullptr : &it->second(m, element);
}

class NumberRule : public testing::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ui.setStrict(false);  // every box is answered OK; the messages are counted
        // Loads, holes and rows in use, so that their boxes are shown.
        for (int side = 1; side <= 2; ++side) {
            m.SlabPointLoadCount(side) = 1.0f;
            m.SlabLineLoadCount(side) = 1.0f;
            m.HoleCount(side) = 2;
        }
        m.BeamPointLoadCount = 1;
    }

    // A value inside the box's range with a fraction (whole for a box of
    // whole numbers); from the box's own value where its bounds are worked
    // out when it is left.
    double insideValue(const platform::Control& box, const BoxLimit& row) {
        const model::NumberRange& r = row.range;
        if (row.field.empty() && row.whole) return 1;  // a load or row number
        double v;
        if (has(row.computed, Computed::Minimum) || has(row.computed, Computed::Maximum)) {
            v = app::readNumber(boxText(box)).value_or(0) + 0.75;
        } else if (r.hasMinimum() && r.hasMaximum()) {
            v = std::round((r.minimum + 0.37 * (r.maximum - r.minimum)) * 100) / 100;
        } else if (r.hasMinimum()) {
            v = r.minimum + 57.75;
        } else if (r.hasMaximum()) {
            v = r.maximum - 57.75;
        } else {
            v = -7.75;
        }
        return row.whole ? std::round(v) : v;
    }

    // A value outside the fixed range, or nothing when it has none.
    std::optional<double> outsideValue(const BoxLimit& row) {
        const model::NumberRange& r = row.range;
        if (r.hasMaximum() && !has(row.computed, Computed::Maximum)) return r.maximum + 1;
        if (r.hasMinimum() && !has(row.computed, Computed::Minimum))
            return r.aboveMinimum ? r.minimum : r.minimum - 1;
        return std::nullopt;
    }

    std::string shown(double v) {
        const float f = static_cast<float>(v);
        return f == 0.0f ? "0" : app::formatGeneral(runtime::Value(f), ui);
    }

    std::vector<platform::RecordedMessage> newMessages(std::size_t from) {
        return {ui.messages().begin() + static_cast<std::ptrdiff_t>(from), ui.messages().end()};
    }

    // One value into the box and the box left; what must follow.
    enum class Expect { Accepted, Refused, Empty };
    void tryValue(platform::Form& form, platform::Control& box, const std::string& text, bool typed, Expect expect,
                  const std::function<void()>& leave, runtime::Value* field) {
        SCOPED_TRACE((typed ? "typed \"" : "pasted \"") + text + "\"");
        const std::optional<runtime::Value> before = field ? std::optional(*field) : std::nullopt;
        const std::string kept = boxText(box);  // what the window keeps: the box's value before the edit
        const std::size_t count = ui.messages().size();
        if (typed)
            ui.typeOver(box, text);
        else
            ui.paste(box, text);
        const std::string inBox = boxText(box);
        leave();
        const auto messages = newMessages(count);
        const std::string name = app::fieldName(box);
        EXPECT_FALSE(name.empty()) << "the field has no name in messages";
        if (typed && expect != Expect::Accepted) {
            // The key filter may have swallowed the keys: then the box kept
            // its text. Either way it shows a value it accepted, or one
            // message came and the box kept the focus.
            ASSERT_LE(messages.size(), 1u);
            if (messages.empty()) {
                EXPECT_EQ(boxText(box), shown(*app::readNumber(inBox)));
                return;
            }
            expect = inBox.empty() ? Expect::Empty : Expect::Refused;
        }
        if (expect == Expect::Accepted) {
            ASSERT_EQ(messages.size(), 0u) << messages[0].text;
            EXPECT_EQ(boxText(box), shown(*app::readNumber(text)));
            EXPECT_NE(form.activeControl(), &box);
            if (field) {
                EXPECT_EQ(static_cast<float>(field->number()), static_cast<float>(*app::readNumber(text)));
            }
            return;
        }
        ASSERT_EQ(messages.size(), 1u) << "one message";
        const std::string& message = messages[0].text;
        EXPECT_EQ(messages[0].title, "Lukuarvovirhe");
        EXPECT_EQ(message.rfind(name + ": ", 0), 0u) << message;
        EXPECT_EQ(form.activeControl(), &box) << "the box keeps the focus";
        const bool defaultPutIn = message.find("asetettu oletusarvo") != std::string::npos;
        if (expect == Expect::Refused) {
            // A fraction in a box of whole numbers is called no whole
            // number where it lies inside the range (CheckNumberBox pins which).
            const std::optional<double> read = app::readNumber(inBox);
            const std::string says = !read                         ? "ei ole luku"
                                     : *read == std::trunc(*read) ? "ei arvoalueella"
                                                                  : "(ei arvoalueella|ei ole kokonaisluku)";
            EXPECT_TRUE(std::regex_match(message, std::regex(".*: Syöte .* " + says + " \\(.*\\.\\.\\..*\\)")))
                << message;
            EXPECT_NE(message.find("Syöte " + inBox + " "), std::string::npos) << message;
        } else {
            EXPECT_NE(message.find("Tyhjä kenttä ei kelpaa"), std::string::npos) << message;
        }
        if (defaultPutIn) {
            EXPECT_EQ(boxText(box), shown(*app::readNumber(boxText(box)))) << "the default as the field holds it";
        } else {
            // A count or number box takes each key typed that makes a
            // count it holds (the first key of "139"), as its spinner does.
            const BoxLimit* row = app::boxLimitOf(box);
            const bool takesKeys = typed && row && row->whole && inBox.rfind(boxText(box), 0) == 0;
            EXPECT_TRUE(boxText(box) == kept || takesKeys) << "the box shows the value kept: " << boxText(box);
            EXPECT_TRUE(quorvel::testing::wholeTextSelected(box)) << "typing replaces it";
            if (before) {
                EXPECT_EQ(field->number(), before->number()) << "the field keeps its value";
            }
        }
    }

    // Every case on one box, by paste and by keys, ending with the value
    // it had (so that the bounds other boxes work out from it stay).
    void exercise(platform::Form& form, platform::Control& box, const std::function<void()>& leave,
                  runtime::Value* field) {
        SCOPED_TRACE(form.name() + "/" + box.name());
        const std::string original = boxText(box);
        const BoxLimit* row = app::boxLimitOf(box);
        ASSERT_NE(row, nullptr) << "a numeric box without a row in the table of field limits";
        const double v = insideValue(box, *row);
        const std::string point = numberText(v);
        const char mark = ui.decimalMark();
        for (bool typed : {false, true}) {
            if (row->whole) {
                tryValue(form, box, numberText(v) + ",5", typed, Expect::Refused, leave, field);
                tryValue(form, box, numberText(v) + ".5", typed, Expect::Refused, leave, field);
            } else {
                const std::string comma = withMark(point, ',');
                tryValue(form, box, comma, typed, Expect::Accepted, leave, field);
                EXPECT_EQ(boxText(box), withMark(point, mark));
            }
            tryValue(form, box, point, typed, Expect::Accepted, leave, field);
            tryValue(form, box, "abc", typed, Expect::Refused, leave, field);
            tryValue(form, box, point + " kN", typed, Expect::Refused, leave, field);
            tryValue(form, box, "", typed, Expect::Empty, leave, field);
            if (const auto outside = outsideValue(*row))
                tryValue(form, box, numberText(*outside), typed, Expect::Refused, leave, field);
            tryValue(form, box, "1e39", typed, Expect::Refused, leave, field);
            tryValue(form, box, point, typed, Expect::Accepted, leave, field);
        }
        tryValue(form, box, original, false, Expect::Accepted, leave, field);
    }

    // Every box of the dialog, then OK (a contradiction question answered
    // No, so that OK writes); opened again, every box with a field shows
    // what it showed at OK.
    void exerciseDialog(platform::Control& opener, const std::string& formName) {
        SCOPED_TRACE(formName);
        std::map<std::string, std::string> atOk;
        int boxes = 0;
        open<InputDialog>(opener, formName, [&](InputDialog& d) {
            // Leaving a box for the cancel button, which checks nothing.
            auto& cancel = *d.findControl("cmdPeruuta");
            const auto leave = [&d, &cancel] { d.setFocus(cancel); };
            for (platform::Control* box : reachableBoxes(d)) {
                exercise(d, *box, leave, nullptr);
                ++boxes;
            }
            for (platform::Control* box : reachableBoxes(d))
                if (const BoxLimit* row = app::boxLimitOf(*box); row && !row->field.empty())
                    atOk[box->name()] = boxText(*box);
            const std::size_t count = ui.messages().size();
            ui.click(*static_cast<platform::CommandButton*>(d.findControl("cmdOK")));
            if (d.isLoaded() && ui.messages().size() > count &&
                ui.messages().back().buttons == platform::Buttons::YesNo) {
                ui.answerNext(platform::Answer::No);
                ui.click(*static_cast<platform::CommandButton*>(d.findControl("cmdOK")));
            }
            ASSERT_FALSE(d.isLoaded()) << "OK did not close the window: " << ui.messages().back().text;
        });
        EXPECT_GT(boxes, 0);
        open<InputDialog>(opener, formName, [&](InputDialog& d) {
            for (platform::Control* box : reachableBoxes(d)) {
                auto it = atOk.find(box->name());
                if (it != atOk.end()) {
                    EXPECT_EQ(boxText(*box), it->second) << box->name() << " opened again";
                }
            }
            ui.click(*static_cast<platform::CommandButton*>(d.findControl("cmdPeruuta")));
        });
    }
};

// --- the limits of the boxes: spacings, loads, OK and Enter, the language ---

// No box takes "any number": every row of the table has both bounds (a
// bound worked out when the box is left falls back on them), and a name
// of its own has its English form.
TEST(BoxLimits, EveryRowHasBothBoundsAndItsNameInBothLanguages) {
    for (const BoxLimit& b : model::boxLimits()) {
        SCOPED_TRACE(std::string(b.form) + "/" + std::string(b.control));
        EXPECT_TRUE(b.range.hasMinimum() && b.range.hasMaximum()) << model::describeRange(b.range);
        EXPECT_EQ(b.name.empty(), b.englishName.empty()) << b.name;
    }
}

// Every input dialog and every beam type's dialog, opened in turn from the
// main window; the driver gets the dialog and a way to leave a box (for the
// cancel button, which checks nothing), and the dialog is cancelled after
// it when the driver left it open.
class EveryDialog : public NumberRule {
protected:
    using Driver = std::function<void(InputDialog&, const std::function<void()>& leave)>;
    void forEveryDialog(const Driver& driver) {
        const std::pair<platform::Control*, const char*> inputDialogs[] = {
            {&w.cmdLaatasto, "frm2Ontelolaatasto"}, {&w.cmdLaatankuormat, "frmLaatankuormat"},
            {&w.cmdReiat, "frmReiat"},              {&w.cmdKuormat, "frmKuormat"},
            {&w.cmdKertoimet, "frmKertoimet"},      {&w.cmdTukimomentit, "frmTukimomentit"}};
        for (const auto& [opener, form] : inputDialogs) run(*opener, form, driver);
        for (const app::BeamTypeInfo& type : app::BeamTypes()) {
            choose(*dynamic_cast<platform::OptionButton*>(w.findControl(std::string(type.option))));
            run(w.cmdPalkki, std::string(type.dialog), driver);
        }
    }

private:
    void run(platform::Control& opener, const std::string& form, const Driver& driver) {
        SCOPED_TRACE(form);
        open<InputDialog>(opener, form, [&](InputDialog& d) {
            auto& cancel = *static_cast<platform::CommandButton*>(d.findControl("cmdPeruuta"));
            driver(d, [&d, &cancel] { d.setFocus(cancel); });
            if (d.isLoaded()) ui.click(cancel);
        });
    }
};

// The four spacings hold 200 to 30 000 mm in the main window and in every
// beam dialog: the ends are taken, one past either end is refused with the
// range, and so is "6 000" as no number (digits in groups are two numbers
// to the rule); a refused box shows the spacing it held, selected, and
// keeps the focus.
TEST_F(EveryDialog, EverySpacingBoxHoldsTwoHundredToThirtyThousandMillimetres) {
    const struct {
        const char* text;
        const char* refusal;  // none: accepted
    } values[] = {{"199", "ei arvoalueella"}, {"200", nullptr},  {"6 000", "ei ole luku"},
                  {"30000", nullptr},         {"30001", "ei arvoalueella"}};
    int boxes = 0;
    auto tryEvery = [&](platform::Form& form, const std::function<void()>& leave) {
        for (const char* name : {"txtVasenalkuvali", "txtOikeaalkuvali", "txtVasenloppuvali", "txtOikealoppuvali"}) {
            platform::Control& box = *form.findControl(name);
            SCOPED_TRACE(name);
            ASSERT_TRUE(box.canTakeFocus()) << "a middle beam shows its left spacings";
            for (const auto& v : values) {
                const std::size_t count = ui.messages().size();
                const std::string held = boxText(box);
                ui.paste(box, v.text);
                leave();
                const auto messages = newMessages(count);
                if (!v.refusal) {
                    EXPECT_TRUE(messages.empty()) << v.text;
                    EXPECT_EQ(boxText(box), v.text);
                } else {
                    ASSERT_EQ(messages.size(), 1u) << v.text;
                    EXPECT_NE(messages[0].text.find(std::string("Syöte ") + v.text + " " + v.refusal +
                                                    " (200<=...<=30000 mm)"),
                              std::string::npos)
                        << messages[0].text;
                    EXPECT_EQ(boxText(box), held);
                    EXPECT_TRUE(quorvel::testing::wholeTextSelected(box));
                    EXPECT_EQ(form.activeControl(), &box);
                }
            }
            ui.paste(box, "7200");
            leave();
            ++boxes;
        }
    };
    tryEvery(w, [this] { leave(); });
    forEveryDialog([&](InputDialog& d, const std::function<void()>& leave) {
        if (dynamic_cast<BeamDialog*>(&d)) tryEvery(d, leave);
    });
    EXPECT_EQ(boxes, 4 * (1 + static_cast<int>(app::BeamTypes().size())));
}

// Loads act downwards: -5 is refused in every load box of the slabs and of
// the beam; a support moment keeps either sign.
TEST_F(EveryDialog, LoadBoxesRefuseANegativeLoadAndSupportMomentsTakeEitherSign) {
    const std::map<std::string, std::vector<std::string>> loadBoxes{
        {"frmQuorvel",
         {"txtVasenlaatastopysyva", "txtOikealaatastopysyva", "txtVasenlaatastomuuttuva", "txtOikealaatastomuuttuva"}},
        {"frmLaatankuormat",
         {"txtVasenlaatastopysyva", "txtOikealaatastomuuttuva", "txtVasenPysyvaPisteKuorma",
          "txtOikeaMuuttuvaPisteKuorma", "txtVasenPysyvaViivaKuorma", "txtOikeaMuuttuvaViivaKuorma"}},
        {"frmKuormat",
         {"txtPysyvaviivag1", "txtPysyvaviivag2", "txtMuuttuvaviivaq1", "txtMuuttuvaviivaq2", "txtPysyvapisteg",
          "txtMuuttuvapisteq"}},
        {"frmTukimomentit", {"txtAlkupaaM_ennensaumausta", "txtLoppupaaM_muuttuva"}},
    };
    int boxes = 0;
    auto tryLoads = [&](platform::Form& form, const std::function<void()>& leave) {
        auto it = loadBoxes.find(form.name());
        if (it == loadBoxes.end()) return;
        const bool moments = form.name() == "frmTukimomentit";
        for (const std::string& name : it->second) {
            SCOPED_TRACE(name);
            platform::Control& box = *form.findControl(name);
            ASSERT_TRUE(box.canTakeFocus());
            const std::string before = boxText(box);
            const std::size_t count = ui.messages().size();
            ui.paste(box, "-5");
            leave();
            const auto messages = newMessages(count);
            if (moments) {
                EXPECT_TRUE(messages.empty());
                EXPECT_EQ(boxText(box), "-5");
            } else {
                ASSERT_EQ(messages.size(), 1u);
                EXPECT_TRUE(std::regex_search(messages[0].text,
                                              std::regex("Syöte -5 ei arvoalueella \\((kokonaisluku )?0<=\\.\\.\\.<=[0-9]+ kN")))
                    << messages[0].text;
                EXPECT_EQ(form.activeControl(), &box);
            }
            ui.paste(box, before);
            leave();
            ++boxes;
        }
    };
    tryLoads(w, [this] { leave(); });
    forEveryDialog(tryLoads);
    EXPECT_EQ(boxes, 18);
}

// One key rule in every window: in every numeric box a letter is swallowed
// with a beep, and an exponent typed is kept and read ("3e2" is 300): its
// value inside the range is taken, one past a fixed maximum (written with
// an exponent) refused with the text as typed, the kept value shown. A
// count or row number typed with a decimal mark keeps it and is refused on
// leaving when it is not whole, giving back the count it held before.
TEST_F(EveryDialog, EveryNumberBoxKeepsAnExponentAndBeepsForASwallowedKey) {
    int boxes = 0;
    // v as a mantissa and an exponent: 7200 as "72e2", -7.75 as "-0.0775e2".
    const auto withExponent = [](double v) { return numberText(v / 100) + "e2"; };
    auto tryEvery = [&](platform::Form& form, const std::function<void()>& leave) {
        for (platform::Control* box : reachableBoxes(form)) {
            SCOPED_TRACE(form.name() + "/" + box->name());
            const BoxLimit* row = app::boxLimitOf(*box);
            ASSERT_NE(row, nullptr);
            const std::string original = boxText(*box);
            const int beeps = ui.beeps();
            ui.typeOver(*box, "x");
            EXPECT_EQ(ui.beeps(), beeps + 1) << "a swallowed key beeps";
            EXPECT_EQ(boxText(*box), original);
            leave();

            const double v = insideValue(*box, *row);
            const std::string typed = withExponent(v);
            std::size_t count = ui.messages().size();
            ui.typeOver(*box, typed);
            EXPECT_EQ(boxText(*box), typed) << "every key kept";
            leave();
            EXPECT_EQ(ui.messages().size(), count) << ui.messages().back().text;
            EXPECT_EQ(boxText(*box), shown(v));
            const model::NumberRange& r = row->range;
            if (r.hasMaximum() && r.maximum > 0 && !has(row->computed, Computed::Maximum)) {
                const std::string beyond = numberText(r.maximum) + "e1";
                // A count's spinner follows each key that makes a count
                // ("5" of "5e1"): a count is given it whole.
                if (row->whole)
                    ui.paste(*box, beyond);
                else
                    ui.typeOver(*box, beyond);
                EXPECT_EQ(boxText(*box), beyond);
                leave();
                const auto messages = newMessages(count);
                ASSERT_EQ(messages.size(), 1u);
                EXPECT_NE(messages[0].text.find("Syöte " + beyond + " ei arvoalueella"), std::string::npos)
                    << messages[0].text;
                EXPECT_EQ(boxText(*box), shown(v)) << "the kept value";
            }
            if (row->whole) {
                count = ui.messages().size();
                ui.typeOver(*box, "1,5");
                EXPECT_EQ(boxText(*box), "1.5") << "the mark kept";
                leave();
                const auto messages = newMessages(count);
                ASSERT_EQ(messages.size(), 1u);
                // Inside the range it is called no whole number, outside it out of range.
                const std::string said = row->range.contains(1.5) ? " ei ole kokonaisluku" : " ei arvoalueella";
                EXPECT_NE(messages[0].text.find("Syöte 1.5" + said + " (kokonaisluku "), std::string::npos)
                    << messages[0].text;
                // The "1" a spinner took goes with the refused text.
                EXPECT_EQ(boxText(*box), shown(v)) << "the count before the refused text";
            }
            ui.paste(*box, original);
            leave();
            ++boxes;
        }
    };
    tryEvery(w, [this] { leave(); });
    forEveryDialog(tryEvery);
    EXPECT_GT(boxes, 200);
}

// OK and Enter never write a refused text: in every dialog, each box given
// letters and then Enter (the box still being edited) keeps the window open
// with the focus on the box, and the model is as it was. (A box left with
// letters shows again the value kept, which Enter may then write.)
TEST_F(EveryDialog, OkOrEnterAfterARefusedTextWritesNothing) {
    int boxes = 0;
    forEveryDialog([&](InputDialog& d, const std::function<void()>&) {
        const std::string before = inputfile::InputDataFileBytes(m);
        for (platform::Control* box : reachableBoxes(d)) {
            SCOPED_TRACE(box->name());
            const std::string original = boxText(*box);
            const std::size_t count = ui.messages().size();
            ui.paste(*box, "abc");
            ui.pressEnter();
            ASSERT_TRUE(d.isLoaded()) << "Enter closed the window";
            EXPECT_EQ(d.activeControl(), box);
            const auto messages = newMessages(count);
            ASSERT_FALSE(messages.empty());
            EXPECT_NE(messages[0].text.find("Syöte abc ei ole luku"), std::string::npos) << messages[0].text;
            EXPECT_EQ(boxText(*box), original) << "the value kept";
            EXPECT_EQ(inputfile::InputDataFileBytes(m), before);
            ++boxes;
        }
    });
    EXPECT_GT(boxes, 200);
}

// An English window words every number-rule message in English: the
// field's name (from the English caption or the table's English name), the
// rule and its range, and the title; no box shows its Finnish name.
TEST_F(EveryDialog, AnEnglishWindowGivesEveryMessageInEnglish) {
    // The name each box has in Finnish messages, then the English message.
    std::map<std::string, std::string> finnishNames;
    std::map<std::string, platform::RecordedMessage> english;
    auto collect = [&](platform::Form& form, const std::function<void()>& leave, bool inEnglish) {
        for (platform::Control* box : reachableBoxes(form)) {
            const std::string key = form.name() + "/" + box->name();
            if (!inEnglish) {
                finnishNames[key] = app::fieldName(*box);
                continue;
            }
            const std::string original = boxText(*box);
            const std::size_t count = ui.messages().size();
            ui.paste(*box, "abc");
            leave();
            const auto messages = newMessages(count);
            if (!messages.empty()) english.emplace(key, messages[0]);
            ui.paste(*box, original);
            leave();
        }
    };
    for (bool inEnglish : {false, true}) {
        ui.click(inEnglish ? w.cmdEnglanti : w.cmdSuomi);
        collect(w, [this] { leave(); }, inEnglish);
        forEveryDialog([&](InputDialog& d, const std::function<void()>& leave) { collect(d, leave, inEnglish); });
    }
    // The joint grout warning (of a rectangular beam) and the topping load
    // likewise.
    choose(*dynamic_cast<platform::OptionButton*>(w.findControl(std::string(app::BeamTypes().front().option))));
    ASSERT_EQ(m.BeamTypeName, "SUORA");
    std::size_t count = ui.messages().size();
    ui.paste(w.txtOikeasaumavalu, "25");
    leave();
    ui.dblClick(w.txtPintapaksuus);
    const auto others = newMessages(count);
    ASSERT_EQ(others.size(), 2u);
    EXPECT_EQ(others[0].text + " / " + others[0].title, "Value below 30! / Joint grout");
    EXPECT_EQ(others[1].text.rfind("Load of the topping ", 0), 0u) << others[1].text;
    EXPECT_EQ(others[1].title, "Topping");
    ui.click(w.cmdSuomi);
    EXPECT_EQ(english.size(), finnishNames.size());
    const std::regex rule("(.+): Input abc is not a number; the range is (-?[0-9.]+|> [0-9.]+) \\.\\.\\. -?[0-9.]+[^:]*");
    for (const auto& [key, message] : english) {
        SCOPED_TRACE(key);
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(message.text, parts, rule)) << message.text;
        EXPECT_EQ(message.title, "Invalid number");
        EXPECT_NE(parts[1].str(), finnishNames[key]) << "the Finnish name";
        EXPECT_EQ(message.text.find_first_of("\xC3"), std::string::npos) << "a Finnish letter: " << message.text;
    }
}

TEST_F(NumberRule, EveryBoxOfTheMainWindow) {
    int boxes = 0;
    for (platform::Control* box : reachableBoxes(w)) {
        const BoxLimit* row = app::boxLimitOf(*box);
        runtime::Value* field = row ? mainWindowField(m, row->field, row->element) : nullptr;
        exercise(w, *box, [this] { leave(); }, field);
        ++boxes;
    }
    EXPECT_GE(boxes, 22);
}

TEST_F(NumberRule, EveryBoxOfTheInputDialogs) {
    exerciseDialog(w.cmdLaatasto, "frm2Ontelolaatasto");
    exerciseDialog(w.cmdLaatankuormat, "frmLaatankuormat");
    exerciseDialog(w.cmdReiat, "frmReiat");
    exerciseDialog(w.cmdKuormat, "frmKuormat");
    exerciseDialog(w.cmdKertoimet, "frmKertoimet");
    exerciseDialog(w.cmdTukimomentit, "frmTukimomentit");
}

TEST_F(NumberRule, EveryBoxOfEveryBeamDialog) {
    for (const app::BeamTypeInfo& type : app::BeamTypes()) {
        SCOPED_TRACE(std::string(type.typeName));
        auto* option = dynamic_cast<platform::OptionButton*>(w.findControl(std::string(type.option)));
        ASSERT_NE(option, nullptr);
        choose(*option);
        exerciseDialog(w.cmdPalkki, std::string(type.dialog));
    }
}

// In a comma locale the accepted value is shown with a comma, whichever
// mark was typed.
class NumberRuleCommaLocale : public NumberRule {
protected:
    NumberRuleCommaLocale() { ui.setDecimalMark(','); }
};

TEST_F(NumberRuleCommaLocale, EveryBoxOfTheSlabFieldsAndFactors) {
    exerciseDialog(w.cmdLaatasto, "frm2Ontelolaatasto");
    exerciseDialog(w.cmdKertoimet, "frmKertoimet");
}

}  // namespace
}  // namespace quorvel::dialogs
