#include "app/input_tools.h"

#include <cmath>
#include <limits>

#include "app/language.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quorvel::app {

using platform::Buttons;
using platform::Icon;
using runtime::Value;

namespace {

// The English wordings of the messages by their numbers.
struct EnglishMessage {
    int number;
    const char* text;
};
constexpr EnglishMessage kEnglishMessages[] = {
    {MsgOutOfRange, "Input + is outside the range +"},
    {MsgTitle, "Invalid number"},
    {MsgEmptyField, "An empty field is not accepted, the default value + was set"},
    {MsgEmptyRefused, "An empty field is not accepted (+)"},
    {MsgJointGrout, "Value below 30!"},
    {MsgJointGroutTitle, "Joint grout"},
    {MsgThinBottomFlange, "A bottom flange thinner than 8 mm is not recommended!"},
    {MsgNotANumber, "Input + is not a number; the range is +"},
    {MsgNotAWholeNumber, "Input + is not a whole number; the range is +"},
};

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
double atValuePrecision(double b) {
    if (std::fabs(b) >= static_cast<double>(std::numeric_limits<float>::max())) return b;
    return static_cast<float>(b);
}

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

void focusBack(platform::Control& c) {
    if (c.canTakeFocus()) c.setFocus();
}

std::string format(const Value& v, const platform::Platform& p) {
    return runtime::generalNumberText(v, p.decimalMark());
}

// A bound as messages show it: a whole number without a point, else at
// single precision in the user's format.
std::string boundText(double v, const platform::Platform& p) {
    if (v == std::trunc(v) && std::fabs(v) < 2147483648.0) return format(Value(static_cast<int32_t>(v)), p);
    return format(Value(static_cast<float>(v)), p);
}

// The range as the message shows it. Finnish, inside the given template:
// "200<=...<=30000 mm", "0<...<=1", "200 mm<=...", with "kokonaisluku"
// before it for a whole-number box. English: "200 ... 30000 mm", "1 ... 5,
// whole numbers only".
std::string rangeText(const BoxCheck& c, const platform::Platform& p) {
    const model::NumberRange& r = c.range;
    if (p.englishWindows())
        return model::describeRange(r, c.unit, p.decimalMark()) + (c.whole ? ", whole numbers only" : "");
    const std::string unit = c.unit.empty() ? std::string() : " " + std::string(c.unit);
    std::string s = c.whole ? "kokonaisluku " : "";
    if (r.hasMinimum() || !r.hasMaximum())
        s += boundText(r.minimum, p) + (r.hasMaximum() ? "" : unit) + (r.aboveMinimum ? "<" : "<=");
    s += "...";
    if (r.hasMaximum() || !r.hasMinimum()) s += "<=" + boundText(r.maximum, p) + unit;
    return s;
}

std::string withName(const platform::Control& box, const std::string& message) {
    const std::string name = fieldName(box);
    return name.empty() ? message : name + ": " + message;
}

void showNumberError(const platform::Control& box, const std::string& message) {
    box.platform().messageBox(withName(box, message), Buttons::Ok, Icon::Exclamation,
                              GetMessageText(box.platform(), MsgTitle, "Lukuarvovirhe"));
}

// The box shows the text of the value its window keeps, selected so that
// typing replaces it, and keeps the focus.
void showKept(platform::Control& box, const std::string& kept) {
    setTextOf(box, kept);
    if (box.kind() == platform::ControlKind::TextBox) {
        auto& text = static_cast<platform::TextBox&>(box);
        text.setSelStart(0);
        text.setSelLength(text.length());
    } else if (box.kind() == platform::ControlKind::ComboBox) {
        static_cast<platform::ComboBox&>(box).selectAll();
    }
    focusBack(box);
}

// The message of a refused text with the box's text and its range: a
// text that is no number (letters, a unit, digits in groups "6 000") is
// called so, and so is a number inside the range that is not whole ("2,5")
// in a box of whole numbers; a number outside the range is out of range. The box
// shows the value its window keeps.
void refuse(platform::Control& box, const std::string& text, const BoxCheck& check, const std::string& kept) {
    platform::Platform& p = box.platform();
    BoxCheck anyNumber = check;
    anyNumber.whole = false;
    // The Finnish templates' range part is the bracketed "+<=...<=+".
    const std::string message =
        !readNumber(text) ? GetMessageText(p, MsgNotANumber, "Syöte + ei ole luku (+)")
        : accepts(text, anyNumber) ? GetMessageText(p, MsgNotAWholeNumber, "Syöte + ei ole kokonaisluku (+)")
                                   : GetMessageText(p, MsgOutOfRange, "Syöte + ei arvoalueella (+)");
    showNumberError(box, fillPlaceholders(message, {text, rangeText(check, p)}));
    showKept(box, kept);
}

// Whether a label stands on the box's line, to its left, in its container.
bool labelsBox(const platform::Control& label, const platform::Control& box) {
    if (label.kind() != platform::ControlKind::Label || label.container() != box.container()) return false;
    const int labelMiddle = label.top() + label.place().height / 2;
    return labelMiddle >= box.top() && labelMiddle <= box.top() + box.place().height &&
           label.left() + label.place().width <= box.left() + 60;
}

std::string trimmedCaption(std::string caption) {
    // "Betoni     C" names the concrete; the class letter and a colon go.
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':')) caption.pop_back();
    if (caption.size() > 2 && caption.back() == 'C' && caption[caption.size() - 2] == ' ') {
        caption.pop_back();
        while (!caption.empty() && caption.back() == ' ') caption.pop_back();
    }
    return trimBlanks(caption);
}

}  // namespace

std::string trimBlanks(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

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
    // The exponent letter is part of a number ("3e2" is 300).
    static const std::string allowed = "-+1234567890.,eE";
    if (keyAscii <= 0 || keyAscii > 127 || allowed.find(static_cast<char>(keyAscii)) == std::string::npos) {
        keyAscii = 0;
        if (beep != 0) platform.beep();
    }
}

std::optional<double> readNumber(std::string_view text) {
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ') ++i;
    while (end > i && text[end - 1] == ' ') --end;
    std::string number;
    std::size_t k = i;
    if (k < end && (text[k] == '+' || text[k] == '-')) number += text[k++];
    int digits = 0;
    bool mark = false;
    for (; k < end; ++k) {
        const char c = text[k];
        if (c >= '0' && c <= '9') {
            number += c;
            ++digits;
        } else if ((c == ',' || c == '.') && !mark) {
            number += '.';
            mark = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (k < end && (text[k] == 'e' || text[k] == 'E')) {
        number += 'e';
        ++k;
        if (k < end && (text[k] == '+' || text[k] == '-')) number += text[k++];
        int exponentDigits = 0;
        for (; k < end && text[k] >= '0' && text[k] <= '9'; ++k, ++exponentDigits) number += text[k];
        if (exponentDigits == 0) return std::nullopt;
    }
    if (k != end) return std::nullopt;
    try {
        return runtime::scanNumber(number);
    } catch (const runtime::RunTimeError&) {
        return std::nullopt;  // beyond the double range
    }
}

const model::BoxLimit* boxLimitOf(const platform::Control& box) {
    return model::boxLimit(box.form().name(), box.name());
}

BoxCheck tableCheck(const platform::Control& box) {
    const model::BoxLimit* row = boxLimitOf(box);
    if (!row) return {};
    return {row->range, row->defaultValue, row->whole, row->unit};
}

std::string fieldName(const platform::Control& box) {
    if (!box.accessibleName().empty()) return box.accessibleName();
    const model::BoxLimit* row = boxLimitOf(box);
    const bool english = box.platform().englishWindows();
    if (row && english && !row->englishName.empty()) return std::string(row->englishName);
    if (row && !english && !row->name.empty()) return std::string(row->name);
    // The label's caption is in the window's language.
    const platform::Control* nearest = nullptr;
    for (const platform::Control* c : box.form().controls()) {
        if (c->kind() != platform::ControlKind::Label) continue;
        if (c->name() == "lbl" + box.name()) return trimmedCaption(c->caption());
        if (labelsBox(*c, box) && (!nearest || c->left() > nearest->left())) nearest = c;
    }
    if (nearest) return trimmedCaption(nearest->caption());
    return row ? std::string(row->name) : std::string();
}

bool accepts(std::string_view text, const BoxCheck& check) {
    const std::optional<double> read = readNumber(text);
    if (!read) return false;
    const float value = static_cast<float>(*read);
    const model::NumberRange& r = check.range;
    const double minimum = atValuePrecision(r.minimum);
    return std::isfinite(value) && (r.aboveMinimum ? value > minimum : value >= minimum) &&
           value <= atValuePrecision(r.maximum) && (!check.whole || value == std::trunc(value));
}

bool CheckNumberBox(platform::Control& box, const BoxCheck& check, std::string& kept) {
    platform::Platform& p = box.platform();
    const std::string text = textOf(box);
    if (trimBlanks(text).empty()) {
        if (!check.defaultValue) {
            showNumberError(box, ReplacePlaceholder(GetMessageText(p, MsgEmptyRefused, "Tyhjä kenttä ei kelpaa (+)"),
                                                    rangeText(check, p)));
            showKept(box, kept);
        } else {
            const std::string shownDefault = boundText(*check.defaultValue, p);
            showNumberError(box, ReplacePlaceholder(GetMessageText(p, MsgEmptyField,
                                                                   "Tyhjä kenttä ei kelpaa, asetettu oletusarvo +"),
                                                    shownDefault));
            setTextOf(box, shownDefault);
            kept = shownDefault;
            focusBack(box);
        }
        return false;
    }
    if (!accepts(text, check)) {
        refuse(box, text, check, kept);
        return false;
    }
    const float value = static_cast<float>(*readNumber(text));
    setTextOf(box, value == 0.0f ? std::string("0") : format(Value(value), p));
    kept = textOf(box);
    return true;
}

bool CheckTableBox(platform::Control& box, std::string& kept) { return CheckNumberBox(box, tableCheck(box), kept); }

namespace {

BoxCheck boundsCheck(const platform::Control& box, const Value& minimum, const Value* maximum,
                     const Value& defaultValue) {
    BoxCheck c;
    c.range.minimum = minimum.number();
    if (maximum) c.range.maximum = maximum->number();
    c.defaultValue = defaultValue.number();
    if (const model::BoxLimit* row = boxLimitOf(box)) {
        c.whole = row->whole;
        c.unit = row->unit;
    }
    return c;
}

// These validators hold no value of the box's own: a refused text
// empties the box.
int16_t validate(platform::Control& box, const Value& minimum, const Value* maximum, const Value& defaultValue) {
    std::string none;
    return CheckNumberBox(box, boundsCheck(box, minimum, maximum, defaultValue), none) ? -1 : 0;
}

}  // namespace

int16_t ValidateMinTextBox(platform::TextBox& box, const Value& minimum, const Value& defaultValue) {
    return validate(box, minimum, nullptr, defaultValue);
}

int16_t ValidateMinTextBox(platform::ComboBox& box, const Value& minimum, const Value& defaultValue) {
    return validate(box, minimum, nullptr, defaultValue);
}

int16_t ValidateRangeTextBox(platform::TextBox& box, const Value& minimum, const Value& maximum,
                             const Value& defaultValue) {
    return validate(box, minimum, &maximum, defaultValue);
}

int16_t ValidateRangeTextBox(platform::ComboBox& box, const Value& minimum, const Value& maximum,
                             const Value& defaultValue) {
    return validate(box, minimum, &maximum, defaultValue);
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

std::string GetMessageText(const platform::Platform& platform, int number, const std::string& defaultText) {
    if (platform.englishWindows())
        for (const EnglishMessage& m : kEnglishMessages)
            if (m.number == number) return m.text;
    return defaultText;
}

void ShowJointGroutWarning(platform::Platform& platform) {
    platform.messageBox(GetMessageText(platform, MsgJointGrout, "Arvo alle 30!"), Buttons::Ok, Icon::Exclamation,
                        GetMessageText(platform, MsgJointGroutTitle, "Saumavalu"));
}

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

void showKeptValue(platform::Control& box, const std::string& kept) { showKept(box, kept); }

}  // namespace quorvel::app
