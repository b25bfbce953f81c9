#pragma once
// The input tools every window shares: centring a window, splitting a line
// into words, the key filter and the two validators of numeric boxes, typed
// text to a number, message templates with "+" placeholders and the smaller
// of two values.
//
// The pattern of a numeric box: its KeyPress handler calls
// FilterNumericKeyPress, its Change handler stores ParseNumber of the text,
// its LostFocus handler calls ValidateMinTextBox or ValidateRangeTextBox.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/form.h"
#include "runtime/value.h"

namespace quorvel::app {

// Moves the window to the middle of the screen; its size is unchanged.
void CenterForm(platform::Form& form);

// Splits text at the separator (a character code, 32 for the blank) into
// words[1..n] and returns n; words[0] is unused. The array is re-sized to
// 1..n, keeping earlier words; without any word it is left as it was.
int SplitWords(std::string text, std::vector<std::string>& words, int separatorCode);

// Key filter of numeric boxes: Backspace passes, a comma becomes a point,
// any key other than "-+1234567890.," is swallowed (key 0), with a beep when
// beep is non-zero.
void FilterNumericKeyPress(int& keyAscii, int beep, platform::Platform& platform);

// Validators of numeric boxes (text boxes and editable combo boxes), called
// when the box loses the focus. An empty box gets the default with a
// message; a value below the minimum (or above the maximum) is reported and
// the box emptied; either way the focus returns to the box and the result is
// 0. An accepted value is written back in the general number format and the
// result is -1. A value beyond the single-precision range counts as out of
// range. The value is compared with the bounds rounded to single precision,
// so a bound typed exactly is inside; they are shown as passed.
int16_t ValidateMinTextBox(platform::TextBox& box, const runtime::Value& minimum,
                           const runtime::Value& defaultValue);
int16_t ValidateMinTextBox(platform::ComboBox& box, const runtime::Value& minimum,
                           const runtime::Value& defaultValue);
int16_t ValidateRangeTextBox(platform::TextBox& box, const runtime::Value& minimum,
                             const runtime::Value& maximum, const runtime::Value& defaultValue);
int16_t ValidateRangeTextBox(platform::ComboBox& box, const runtime::Value& minimum,
                             const runtime::Value& maximum, const runtime::Value& defaultValue);

// The check of a numeric box that has no bounds of its own: a number its
// single-precision field cannot hold gets the out-of-range message with the
// single range as bounds, the box is emptied and keeps the focus (result
// 0); anything else, the empty text too, is left as typed (result -1).
int16_t checkSingleRange(platform::TextBox& box);

// a when a < b, otherwise b (b on a tie).
template <typename T>
T MinOf(const T& a, const T& b) {
    return a < b ? a : b;
}

// The template with its first "+" replaced by value.
std::string ReplacePlaceholder(const std::string& templateText, const std::string& value);
// The "+" placeholders of the template filled in turn by the values; a "+"
// inside an inserted value is not taken for a placeholder.
std::string fillPlaceholders(const std::string& templateText, const std::vector<std::string>& values);

// The text of a message: the default text (the number selects nothing).
std::string GetMessageText(int number, const std::string& defaultText);

// Typed text to a single-precision number: each locale decimal mark becomes
// ".", then the leading number is read ("12abc" 12, "" 0, "-3.5e2" -350,
// "&HFF" 255). A number beyond the single-precision range gives 0; the
// validators refuse such a text.
float ParseNumber(std::string_view text, char localeDecimalMark);
float ParseNumber(std::string_view text, const platform::Platform& platform);
// Whether the leading number of the text is beyond the single-precision
// range (the text ParseNumber gives 0 for).
bool isBeyondSingleRange(std::string_view text, char localeDecimalMark);

// A number in the general number format with the locale's decimal mark, as
// numbers are put into boxes; an empty value gives "".
std::string formatGeneral(const runtime::Value& v, const platform::Platform& platform);

}  // namespace quorvel::app
