#include "dialogs/dialog_frame.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "app/input_tools.h"
#include "app/language.h"
#include "runtime/errors.h"

namespace quorvel::dialogs {

using platform::Buttons;
using platform::Icon;

namespace {

std::string textOf(const platform::Control& c) {
    if (c.kind() == platform::ControlKind::ComboBox) return static_cast<const platform::ComboBox&>(c).text();
    return static_cast<const platform::TextBox&>(c).text();
}


void setTextOf(platform::Control& c, const std::string& text) {
    if (c.kind() == platform::ControlKind::ComboBox)
        static_cast<platform::ComboBox&>(c).setText(text);
    else
        static_cast<platform::TextBox&>(c).setText(text);
}

std::string withPoint(std::string text) {
    for (char& ch : text)
        if (ch == ',') ch = '.';
    return text;
}

// The arrow keys' codes.
constexpr int KeyUp = 38;
constexpr int KeyDown = 40;

}  // namespace

int16_t heldInt16(double x) {
    if (std::isnan(x)) return 0;
    if (x <= Int16Min) return Int16Min;
    if (x >= Int16Max) return Int16Max;
    return runtime::toInt16(runtime::roundHalfEven(x));
}

InputDialog::InputDialog(ProjectModel& m, platform::Platform& p, std::string name, const std::string& caption,
                         int clientWidth, int clientHeight)
    : Form(p, std::move(name), caption, clientWidth, clientHeight), model_(m) {}

void InputDialog::beginLoad() {
    if (!remainingChecked_) {
        checkRemainingBoxes();
        remainingChecked_ = true;
    }
    app::CenterForm(*this);
    app::ApplyLanguage(*this, model_.LanguageIndex);
}

void InputDialog::endLoad() {
    model_.SubFormChanged = 0;
    changed_ = 0;
}

float InputDialog::number(const std::string& text) const { return app::ParseNumber(withPoint(text), '.'); }

std::string InputDialog::shown(const Value& v) const { return app::formatGeneral(v, platform()); }

void InputDialog::filterKeys(platform::Control& box) {
    box.onKeyPress = [this](int& key) { app::FilterNumericKeyPress(key, 1, platform()); };
}

void InputDialog::checkOnLeave(platform::Control& box, std::function<app::BoxCheck()> bounds, Leave leave) {
    filterKeys(box);
    watchOnLeave(box, std::move(bounds), std::move(leave));
}

void InputDialog::watchOnLeave(platform::Control& box, std::function<app::BoxCheck()> bounds, Leave leave) {
    auto kept = std::make_shared<std::string>();
    // The text the box shows when it takes the focus is the value the
    // window keeps for it; a handler of the window's own runs after.
    box.onGotFocus = [&box, kept, own = std::move(box.onGotFocus)] {
        *kept = textOf(box);
        if (own) own();
    };
    box.onLostFocus = [this, &box] { checkLeft(box); };
    checks_[&box] = {std::move(bounds), std::move(leave), std::move(kept)};
}

bool InputDialog::checkLeft(platform::Control& box) {
    const BoxRule rule = checks_.at(&box);  // the check may reach this map again
    return rule.leave(*rule.kept);
}

void InputDialog::checkDesignation(platform::Control& box, std::function<std::optional<std::string>()> fault) {
    watchOnLeave(box, [] { return app::BoxCheck{}; }, [this, &box, fault](std::string& kept) {
        // A designation is taken without the blanks around it.
        const std::string typed = textOf(box);
        if (const std::string trimmed = app::trimBlanks(typed); trimmed != typed) setTextOf(box, trimmed);
        const std::optional<std::string> text = fault();
        if (!text) return true;
        const std::string name = app::fieldName(box);
        platform().messageBox((name.empty() ? "" : name + ": ") + *text, Buttons::Ok, Icon::Exclamation,
                              app::byLanguage(platform(), "Virheellinen tunnus", "Invalid designation"));
        app::showKeptValue(box, kept);
        return false;
    });
    checks_[&box].taken = [fault] { return !fault(); };
}

void InputDialog::checkByBounds(platform::Control& box, std::function<app::BoxCheck()> bounds,
                                std::function<void()> after) {
    checkOnLeave(box, bounds, [&box, bounds, after](std::string& kept) {
        if (!app::CheckNumberBox(box, bounds(), kept)) return false;
        if (after) after();
        return true;
    });
}

void InputDialog::spinBox(platform::TextBox& box, platform::VScrollBar& bar) {
    // The edit under way: the count before its first key, and the text the
    // box showed last. A text that does not begin with the last one (a
    // replacement, or the first key after the focus came) starts a new
    // edit; keys added to a count the bar already took ("3" then ",5")
    // continue it, so a refusal gives back the count before the "3".
    struct Edit {
        int base = 0;
        std::string last;
        bool moving = false;  // the bar is following the box
    };
    auto edit = std::make_shared<Edit>();
    const auto begin = [&box, &bar, edit] {
        edit->base = bar.value();
        edit->last = box.text();
    };
    box.onGotFocus = [begin, own = std::move(box.onGotFocus)] {
        begin();
        if (own) own();
    };
    box.onChange = [this, &box, &bar, edit] {
        if (edit->moving) return;  // the bar's Change showing its value
        if (!box.text().starts_with(edit->last)) edit->base = bar.value();
        edit->last = box.text();
        if (!typedCount(box)) return;  // leaving the box checks it
        struct Moving {
            bool& on;
            explicit Moving(bool& f) : on(f) { on = true; }
            ~Moving() { on = false; }
        } moving(edit->moving);
        bar.setValue(heldInt16(number(box)));
        box.setText(std::to_string(bar.value()));
        edit->last = box.text();
    };
    // A count spun by the arrow keys is taken: an edit starts from it.
    box.onKeyDown = [&bar, begin](int& keyCode, int) {
        if (keyCode == KeyUp) bar.lineUp();
        if (keyCode == KeyDown) bar.lineDown();
        if (keyCode == KeyUp || keyCode == KeyDown) begin();
    };
    // A refused text gives way to the count before the edit, and the bar
    // goes back to it (the box's Change moves it).
    checkOnLeave(box, [&box] { return app::tableCheck(box); }, [&box, edit, begin](std::string& kept) {
        kept = std::to_string(edit->base);
        const bool taken = app::CheckTableBox(box, kept);
        begin();
        return taken;
    });
}

void InputDialog::checkByTable(platform::Control& box) {
    checkByBounds(box, [&box] { return app::tableCheck(box); });
}

void InputDialog::checkByTable(platform::Control& box, std::function<void(app::BoxCheck&)> adjust) {
    checkByBounds(box, [&box, adjust] {
        app::BoxCheck check = app::tableCheck(box);
        adjust(check);
        return check;
    });
}

// A computed default outside the bounds is held to them: the value an
// emptied box gets must pass its own check the next time the box is left.
app::BoxCheck InputDialog::minimumCheck(const platform::Control& box, double minimum, double defaultValue) {
    app::BoxCheck check = app::tableCheck(box);
    check.range.minimum = minimum;
    check.range.aboveMinimum = false;
    check.defaultValue = std::clamp(defaultValue, minimum, std::max(minimum, check.range.maximum));
    return check;
}

app::BoxCheck InputDialog::rangeCheck(const platform::Control& box, double minimum, double maximum,
                                      double defaultValue) {
    app::BoxCheck check = app::tableCheck(box);
    check.range = {minimum, maximum, false};
    check.defaultValue = defaultValue;
    return check;
}

bool InputDialog::acceptable(const platform::Control& box, bool withinBounds) const {
    const std::optional<double> read = app::readNumber(textOf(box));
    if (!read) return false;
    const app::BoxCheck check = app::tableCheck(box);
    const float value = static_cast<float>(*read);
    return std::isfinite(value) && (!check.whole || value == std::trunc(value)) &&
           (!withinBounds || check.range.contains(value));
}

bool InputDialog::typedCount(const platform::Control& box) const {
    return acceptable(box, true) && textOf(box).find_first_of(".,eE") == std::string::npos;
}

void InputDialog::checkRemainingBoxes() {
    for (platform::Control* c : controls()) {
        const bool numeric = c->kind() == platform::ControlKind::TextBox ||
                             (c->kind() == platform::ControlKind::ComboBox &&
                              static_cast<platform::ComboBox*>(c)->style() != platform::ComboStyle::DropDownList);
        if (numeric && !checks_.count(c) && app::boxLimitOf(*c)) checkByTable(*c);
    }
}

bool InputDialog::everyBoxAccepted() {
    platform::Control* focused = activeControl();
    if (checks_.count(focused) && !checkLeft(*focused)) return false;
    for (platform::Control* c : controls()) {
        auto it = checks_.find(c);
        if (it == checks_.end() || c == focused || !c->canTakeFocus()) continue;
        const BoxRule& rule = it->second;
        if (rule.taken ? rule.taken() : app::accepts(textOf(*c), rule.bounds())) continue;
        // The box the check refuses gets the focus, then the check's
        // message; the check puts back what the window keeps for it or
        // puts its default in.
        c->setFocus();
        if (activeControl() != c) return false;  // the box left held the focus
        if (!checkLeft(*c)) return false;
    }
    return true;
}

bool InputDialog::keepEditing(const std::string& lines, const std::string& finnishQuestion,
                              const std::string& englishQuestion) {
    const int16_t language = model_.LanguageIndex;
    const std::string text =
        app::ContradictionQuestion(lines, app::byLanguage(language, finnishQuestion, englishQuestion), language);
    // Escape (or the box's close button) keeps the dialog open: nothing is
    // written that the user did not confirm.
    return platform().messageBox(text, Buttons::YesNo, Icon::Exclamation, app::WarningTitle(language),
                                 platform::Answer::Yes) ==
           platform::Answer::Yes;
}

void InputDialog::closeWriting(const std::function<void(ProjectModel&)>& write) {
    if (changed_ == 1) {
        write(model_);
        model_.SubFormChanged = 1;
    } else {
        model_.SubFormChanged = 0;
    }
    unload();
}

void InputDialog::cancel() {
    model_.SubFormChanged = 0;
    unload();
}

void InputDialog::wireButtons(platform::CommandButton& ok, platform::CommandButton& cancelButton,
                              std::function<void()> okClick) {
    ok.setDefault(true);
    ok.onClick = [this, okClick = std::move(okClick)] {
        if (everyBoxAccepted()) okClick();
    };
    cancelButton.setCancel(true);
    cancelButton.onClick = [this] { cancel(); };
}

}  // namespace quorvel::dialogs
