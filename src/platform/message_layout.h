#pragma once
// How the text of a message box is laid out: a box is as wide as its
// longest line, so a word longer than a line (a path, a stored value
// without blanks) is broken, and a text longer than a screen is cut.

#include <string>
#include <string_view>

namespace quorvel::platform {

// The most characters (code points) a message box shows on one line
// without a blank, and the most it shows of one message.
constexpr int MessageLineCharacters = 80;
constexpr int MessageCharacters = 2400;

// The text as a message box shows it: a run of more than
// MessageLineCharacters characters without a blank or a line end is broken
// into lines of that many; a text of more than MessageCharacters
// characters is cut there, ending in " ...". Line ends stay as they are.
std::string messageBoxText(std::string_view text);

}  // namespace quorvel::platform
