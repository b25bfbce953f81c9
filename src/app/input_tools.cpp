#include "app/input_tools.h"

#include <cmath>
#include <limits>

#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quorvel::app {

using platform::Buttons;
using platform::Icon;
using runtime::Value;

namespace {

constexpr int MsgOutOfRange = 10;
constexpr int MsgTitle = 11;
constexpr int MsgEmptyField = 12;

std::string trimBlanks(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

std::string withPointMark(std::string_view text, char mark) {
    std::string s(text);
    if (mark != '.')
        for (char& c : s)
            if (c == mark) c = '.';
    return s;
}

// The value of the text and whether it lies beyond the single range.
float parse(std::string_view text, char mark, bool& beyond) {
    beyond = false;
    double d;
    try {
        d = runtime::scanNumber(withPointMark(text, mark));
    } catch (const runtime::RunTimeError&) {
        beyond = true;  // beyond the double range
        return 0.0f;
    }
    if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max())) {
        // A value that rounds to the largest single is still a single.
        float f = static_cast<float>(d);
        if (std::isinf(f)) {
            beyond = true;
            return 0.0f;
        }
        return f;
    }
    return static_cast<float>(d);
}

// A bound at the precision of the typed value: a bound of 0.9 typed as 0.9
// is on the bound, although the single 0.9 lies below the double 0.9.
double atValuePrecision(const Value& bound) {
    const double b = bound.number();
    if (std::fabs(b) > static_cast<double>(std::numeric_limits<float>::max())) return b;
    return static_cast<float>(b);
}

// A numeric box, text box or editable combo, as the validators see it.
struct NumericBox {
    platform::Control& control;
    std::string text;
    std::function<void(const std::string&)> setText;
};

void focusBack(platform::Control& c) {
    if (c.canTakeFocus()) c.setFocus();
}

std::string format(const Value& v, const platform::Platform& p) {
    return runtime::generalNumberText(v, p.decimalMark());
}

// The out-of-range message with the box's text and its bounds; the box is
// emptied and keeps the focus.
void refuseOutOfRange(NumericBox& box, const Value& minimum, const Value* maximum) {
    platform::Platform& p = box.control.platform();
    std::string message =
        maximum ? fillPlaceholders(GetMessageText(MsgOutOfRange, "Syöte + ei arvoalueella (+<=...<=+)"),
                                   {box.text, format(minimum, p), format(*maximum, p)})
                : fillPlaceholders(GetMessageText(MsgOutOfRange, "Syöte + ei arvoalueella (+<=...)"),
                                   {box.text, format(minimum, p)});
    p.messageBox(message, Buttons::Ok, Icon::Exclamation, GetMessageText(MsgTitle, "Lukuarvovirhe"));
    box.setText("");
    focusBack(box.control);
}

int16_t validate(NumericBox box, const Value& minimum, const Value* maximum, const Value& defaultValue) {
    platform::Platform& p = box.control.platform();
    std::string title = GetMessageText(MsgTitle, "Lukuarvovirhe");
    if (box.text.empty()) {
        std::string message =
            ReplacePlaceholder(GetMessageText(MsgEmptyField, "Tyhjä kenttä ei kelpaa, asetettu oletusarvo +"),
                               format(defaultValue, p));
        p.messageBox(message, Buttons::Ok, Icon::Exclamation, title);
        box.setText(format(defaultValue, p));
        focusBack(box.control);
        return 0;
    }
    bool beyond = false;
    float value = parse(box.text, p.decimalMark(), beyond);
    bool outside = beyond || value < atValuePrecision(minimum) || (maximum && value > atValuePrecision(*maximum));
    if (outside) {
        refuseOutOfRange(box, minimum, maximum);
        return 0;
    }
    box.setText(value == 0.0f ? std::string("0") : format(Value(value), p));
    return -1;
}

NumericBox numericBox(platform::TextBox& b) {
    return {b, b.text(), [&b](const std::string& t) { b.setText(t); }};
}

NumericBox numericBox(platform::ComboBox& b) {
    return {b, b.text(), [&b](const std::string& t) { b.setText(t); }};
}

}  // namespace

void CenterForm(platform::Form& form) {
    platform::ScreenSize screen = form.platform().screenSize();
    form.move(static_cast<int>(std::lround(screen.width / 2.0 - form.width() / 2.0)),
              static_cast<int>(std::lround(screen.height / 2.0 - form.height() / 2.0)));
}

int SplitWords(std::string text, std::vector<std::string>& words, int separatorCode) {
    const char separator = static_cast<char>(separatorCode);
    int count = 0;
    auto append = [&](const std::string& word) {
        ++count;
        words.resize(static_cast<std::size_t>(count) + 1);
        words[static_cast<std::size_t>(count)] = word;
    };
    for (;;) {
        text = trimBlanks(text);
        if (text.empty()) break;
        std::size_t at = text.find(separator);
        if (at == std::string::npos) break;
        std::string word = text.substr(0, at);
        text = text.substr(at + 1);
        append(word);
    }
    if (!text.empty()) append(text);
    return count;
}

void FilterNumericKeyPress(int& keyAscii, int beep, platform::Platform& platform) {
    if (keyAscii == 8) return;
    if (keyAscii == ',') keyAscii = '.';
    static const std::string allowed = "-+1234567890.,";
    if (keyAscii <= 0 || keyAscii > 127 || allowed.find(static_cast<char>(keyAscii)) == std::string::npos) {
        keyAscii = 0;
        if (beep != 0) platform.beep();
    }
}

int16_t ValidateMinTextBox(platform::TextBox& box, const Value& minimum, const Value& defaultValue) {
    return validate(numericBox(box), minimum, nullptr, defaultValue);
}

int16_t ValidateMinTextBox(platform::ComboBox& box, const Value& minimum, const Value& defaultValue) {
    return validate(numericBox(box), minimum, nullptr, defaultValue);
}

int16_t ValidateRangeTextBox(platform::TextBox& box, const Value& minimum, const Value& maximum,
                             const Value& defaultValue) {
    return validate(numericBox(box), minimum, &maximum, defaultValue);
}

int16_t ValidateRangeTextBox(platform::ComboBox& box, const Value& minimum, const Value& maximum,
                             const Value& defaultValue) {
    return validate(numericBox(box), minimum, &maximum, defaultValue);
}

int16_t checkSingleRange(platform::TextBox& box) {
    platform::Platform& p = box.platform();
    if (!isBeyondSingleRange(box.text(), p.decimalMark())) return -1;
    NumericBox b = numericBox(box);
    const Value largest(std::numeric_limits<float>::max());
    const Value lowest(-std::numeric_limits<float>::max());
    refuseOutOfRange(b, lowest, &largest);
    return 0;
}

std::string ReplacePlaceholder(const std::string& templateText, const std::string& value) {
    std::size_t at = templateText.find('+');
    if (at == std::string::npos) return templateText;
    return templateText.substr(0, at) + value + templateText.substr(at + 1);
}

std::string fillPlaceholders(const std::string& templateText, const std::vector<std::string>& values) {
    std::string out;
    std::size_t from = 0;
    for (const std::string& v : values) {
        std::size_t at = templateText.find('+', from);
        if (at == std::string::npos) break;
        out += templateText.substr(from, at - from) + v;
        from = at + 1;
    }
    return out + templateText.substr(from);
}

std::string GetMessageText(int, const std::string& defaultText) { return defaultText; }

float ParseNumber(std::string_view text, char localeDecimalMark) {
    bool beyond;
    return parse(text, localeDecimalMark, beyond);
}

float ParseNumber(std::string_view text, const platform::Platform& platform) {
    return ParseNumber(text, platform.decimalMark());
}

bool isBeyondSingleRange(std::string_view text, char localeDecimalMark) {
    bool beyond;
    parse(text, localeDecimalMark, beyond);
    return beyond;
}

std::string formatGeneral(const Value& v, const platform::Platform& platform) { return format(v, platform); }

}  // namespace quorvel::app
