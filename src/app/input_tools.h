#pragma once
// The input tools every window shares: centring a window, splitting a line
// into words, the key filter and the two validators of numeric boxes, typed
// text to a number, message templates with "+" placeholders and the smaller
// of two values.
//
// The pattern of a numeric box: its KeyPress handler calls
// FilterNumericKeyPress, its Change handler stores the number of the text
// when it is one (readNumber), its LostFocus handler checks the box by the
// number rule below with the bounds of its row in the table of field
// limits (CheckTableBox) or with bounds worked out when it is left
// (ValidateMinTextBox, ValidateRangeTextBox).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/field_limits.h"
#include "platform/forms/form.h"
#include "runtime/value.h"

namespace quorvel::app {

// The text without the blanks around it.
std::string trimBlanks(const std::string& s);

// Moves the window to the middle of the screen; its size is unchanged.
void CenterForm(platform::Form& form);

// Splits text at the separator (a character code, 32 for the blank) into
// words[1..n] and returns n; words[0] is unused. The array is re-sized to
// 1..n, keeping earlier words; without any word it is left as it was.
int SplitWords(std::string text, std::vector<std::string>& words, int separatorCode);

// The key rule of every numeric box of every window: Backspace passes, a
// comma becomes a point, the exponent letter ("e" or "E") passes, any
// other key that is not one of "-+1234567890.," is swallowed (key 0), with
// a beep when beep is non-zero.
void FilterNumericKeyPress(int& keyAscii, int beep, platform::Platform& platform);

// --- the number rule of every numeric box ---
//
// A box takes a number written with a decimal comma or point (whatever the
// user's locale), a sign and an exponent, with blanks around it; nothing
// else: no letters, no unit after the number, no second number. What the
// box accepts is checked against its bounds (inclusive unless the minimum
// is marked as excluded), held to single precision (a number beyond the
// single range, such as 1e39, is refused), and in a box whose field holds
// whole numbers, against fractions. The check runs when the box is left
// and gives one message that names the field and its range (and says
// whether the text was no number or a number outside the range); a refused
// box shows again the value its window keeps, selected so that typing
// replaces it, and keeps the focus. An emptied box gets its default with a
// message, or, without a default, is refused in the same way. An accepted value is written
// back as the field holds it, in the general number format. The messages
// are worded in the windows' language: in Finnish by the templates
// "Syöte + ei arvoalueella (+<=...<=+)" and "Tyhjä kenttä ei kelpaa,
// asetettu oletusarvo +" with the unit after the bounds, in English as
// "Input 250 is outside the range 0 ... 100 kN/m²".

// The number the text stands for, or nothing for anything but a number.
std::optional<double> readNumber(std::string_view text);

// What a box accepts when it is left.
struct BoxCheck {
    model::NumberRange range;
    std::optional<double> defaultValue;  // what an emptied box gets; none: an empty box is refused
    bool whole = false;
    std::string_view unit;  // after the bounds in messages
};

// Whether the check takes the text as it stands, without a word: a number
// inside the range (whole where it must be). An empty text is not taken:
// leaving the box puts its default in with a message, or refuses it.
bool accepts(std::string_view text, const BoxCheck& check);

// The box's row of the table of field limits, by its window's form name.
const model::BoxLimit* boxLimitOf(const platform::Control& box);
// The fixed bounds and default of the box's row (any finite number and no
// default for a box without a row).
BoxCheck tableCheck(const platform::Control& box);
// The name of the box's field in messages: the accessible name its window
// gave it (where the box's one row serves windows that caption it
// otherwise), else the name its row gives (its
// English name in an English window), else the caption of its label (the
// label named "lbl" + the box's name, else the nearest label to its left
// on its line); empty when none.
std::string fieldName(const platform::Control& box);
// After a refusal the box shows the text of the value its window keeps,
// selected so that typing replaces it, and keeps the focus.
void showKeptValue(platform::Control& box, const std::string& kept);
// The check of a text box or editable combo when it is left: true when the
// value was accepted. False when it was refused, and also when an emptied
// box was given its default (the focus then stays for a look at it). kept
// is the text of the value the window keeps for the box (its text when it
// took the focus): a refused text gives way to it, and an accepted value or
// a default put in becomes it.
bool CheckNumberBox(platform::Control& box, const BoxCheck& check, std::string& kept);
// The check of the box against its own row of the table.
bool CheckTableBox(platform::Control& box, std::string& kept);

// Validators of numeric boxes (text boxes and editable combo boxes) with
// bounds worked out by the caller, through CheckNumberBox: the result is
// -1 when the value was accepted, 0 when a message was shown. They hold no
// value of the box's own, so a refused text empties the box. A box whose
// table row holds whole numbers takes whole numbers only.
int16_t ValidateMinTextBox(platform::TextBox& box, const runtime::Value& minimum,
                           const runtime::Value& defaultValue);
int16_t ValidateMinTextBox(platform::ComboBox& box, const runtime::Value& minimum,
                           const runtime::Value& defaultValue);
int16_t ValidateRangeTextBox(platform::TextBox& box, const runtime::Value& minimum,
                             const runtime::Value& maximum, const runtime::Value& defaultValue);
int16_t ValidateRangeTextBox(platform::ComboBox& box, const runtime::Value& minimum,
                             const runtime::Value& maximum, const runtime::Value& defaultValue);

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

// The numbers of the messages the windows build in code.
enum MessageNumber : int {
    MsgOutOfRange = 10,
    MsgTitle = 11,
    MsgEmptyField = 12,
    MsgEmptyRefused = 13,
    MsgJointGrout = 14,
    MsgJointGroutTitle = 15,
    MsgThinBottomFlange = 16,
    MsgNotANumber = 17,
    MsgNotAWholeNumber = 18,
};

// The text of a message: the default text (Finnish), or in English windows
// the English wording of the message number when it has one.
std::string GetMessageText(const platform::Platform& platform, int number, const std::string& defaultText);

// The warning after a joint grout narrower than 30 mm was accepted; the
// value stays.
void ShowJointGroutWarning(platform::Platform& platform);

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
