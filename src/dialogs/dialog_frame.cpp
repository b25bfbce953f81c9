#include "dialogs/dialog_frame.h"

#include <cmath>

#include "app/input_tools.h"
#include "app/language.h"
#include "runtime/errors.h"

namespace quorvel::dialogs {

using platform::Buttons;
using platform::Icon;

namespace {

const char* const CrLf = "\r\n";

std::string textOf(const platform::Control& c) {
    if (c.kind() == platform::ControlKind::ComboBox) return static_cast<const platform::ComboBox&>(c).text();
    return static_cast<const platform::TextBox&>(c).text();
}

void setTextOf(platform::Control& c, const std::string& t) {
    if (c.kind() == platform::ControlKind::ComboBox)
        static_cast<platform::ComboBox&>(c).setText(t);
    else
        static_cast<platform::TextBox&>(c).setText(t);
}

std::string withPoint(std::string text) {
    for (char& ch : text)
        if (ch == ',') ch = '.';
    return text;
}

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

void InputDialog::checkOnLeave(platform::Control& box, std::function<bool()> check) {
    box.onLostFocus = [check] { check(); };
    checks_[&box] = std::move(check);
}

// The shared validators read the text with the user's decimal mark; a comma
// typed where the mark is a point would be read as the end of the number.
void InputDialog::normaliseDecimalMark(platform::Control& box) {
    if (platform().decimalMark() != '.') return;
    const std::string text = textOf(box);
    if (text.find(',') != std::string::npos) setTextOf(box, withPoint(text));
}

// A computed default below the minimum is held to the minimum: the value an
// emptied box gets must pass its own check the next time the box is left.
bool InputDialog::checkMinimum(platform::TextBox& box, double minimum, double defaultValue) {
    normaliseDecimalMark(box);
    if (defaultValue < minimum) defaultValue = minimum;
    return app::ValidateMinTextBox(box, Value(minimum), Value(defaultValue)) != 0;
}

bool InputDialog::checkRange(platform::TextBox& box, double minimum, double maximum, double defaultValue) {
    normaliseDecimalMark(box);
    return app::ValidateRangeTextBox(box, Value(minimum), Value(maximum), Value(defaultValue)) != 0;
}

bool InputDialog::checkRange(platform::ComboBox& box, double minimum, double maximum, double defaultValue) {
    normaliseDecimalMark(box);
    return app::ValidateRangeTextBox(box, Value(minimum), Value(maximum), Value(defaultValue)) != 0;
}

bool InputDialog::checkPositiveUpTo(platform::TextBox& box, double maximum, double defaultValue) {
    normaliseDecimalMark(box);
    const std::string text = box.text();
    if (!text.empty() && !app::isBeyondSingleRange(text, platform().decimalMark()) && number(text) <= 0.0f)
        return refuse(box, text, "0", shown(maximum), true);
    return app::ValidateRangeTextBox(box, Value(0), Value(maximum), Value(defaultValue)) != 0;
}

bool InputDialog::checkInt16(platform::TextBox& box) {
    const std::string text = box.text();
    const bool beyond = app::isBeyondSingleRange(withPoint(text), '.');
    const double value = number(text);
    if (!beyond && value >= Int16Min && value <= Int16Max) return true;
    return refuse(box, text, std::to_string(Int16Min), std::to_string(Int16Max));
}

bool InputDialog::refuse(platform::Control& box, const std::string& text, const std::string& minimum,
                         const std::string& maximum, bool minimumExclusive) {
    const std::string pattern =
        minimumExclusive ? "Syöte + ei arvoalueella (+<...<=+)" : "Syöte + ei arvoalueella (+<=...<=+)";
    platform().messageBox(app::fillPlaceholders(pattern, {text, minimum, maximum}), Buttons::Ok,
                          Icon::Exclamation, "Lukuarvovirhe");
    setTextOf(box, "");
    if (box.canTakeFocus()) box.setFocus();
    return false;
}

bool InputDialog::focusedBoxAccepted() {
    platform::Control* focused = activeControl();
    if (!focused) return true;
    auto it = checks_.find(focused);
    if (it == checks_.end()) return true;
    auto check = it->second;  // the check may reach this map again
    return check();
}

bool InputDialog::keepEditing(const std::string& lines, const std::string& question) {
    const std::string text = std::string("Ristiriitaisuuksia lähtötiedoissa:") + CrLf + CrLf + lines + CrLf + question;
    return platform().messageBox(text, Buttons::YesNo, Icon::Exclamation, "Varoitus!") == platform::Answer::Yes;
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
    ok.onClick = std::move(okClick);
    cancelButton.setCancel(true);
    cancelButton.onClick = [this] { cancel(); };
}

}  // namespace quorvel::dialogs
