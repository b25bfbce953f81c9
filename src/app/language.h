#pragma once
// Language tables: the captions of every window, and a few texts built by
// code, come from "language.fin" (language 0) or "language.eng" (language 1)
// in the program folder. An entry is a line "key = value"; keys are
// compared without regard to case, the first matching line wins, empty
// lines and lines starting with "'" are comments. Caption keys are the form
// name, ".", the control name ("frmQuorvel.cmdOhje"), the window's own
// caption "frmQuorvel.caption"; the tooltip of a control is the entry of
// its key and ".ToolTipText" ("frmKertoimet.CmbKfi.ToolTipText"). Quoted
// entries (key = "text") serve the report writers and the results table.
//
// The texts the windows build in code (messages, questions, notices, file
// dialog filters) have a Finnish and an English wording side by side in
// the code, and byLanguage picks the one of the window's language.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/file_messages.h"
#include "platform/forms/form.h"
#include "runtime/text_file.h"

namespace quorvel::app {

// The path of the language file of a language index: the program folder and
// "language.fin" (0) or "language.eng" (1); any other index gives the bare
// "language.fin" of the current folder.
std::string languageFilePath(int16_t languageIndex, const platform::Platform& platform);

// Sets the captions of the form and of its translatable controls, and the
// tooltip of every control that has one, from the language file. The
// calculate button "cmdTaulukko" takes the entry "cmdTaulukkoLaskettu"
// while ResultsValid is -1. A missing language file is reported and ends
// the program.
void ApplyLanguage(platform::Form& form, int16_t& LanguageIndex, int16_t ResultsValid = 0);

// The wording of a text in the language of the index: the English one for
// 1, else the Finnish one.
std::string byLanguage(int16_t languageIndex, const std::string& finnish, const std::string& english);
// The same in the language the windows on the platform were last given by
// ApplyLanguage.
std::string byLanguage(const platform::Platform& platform, const std::string& finnish, const std::string& english);

// From the current position of the open file to its end: the value of the
// first entry formName & "." & key, or "".
std::string LookupLanguageEntry(const std::string& formName, const std::string& key,
                                runtime::TextFileReader& file);
// From the start of the open file: the quoted text of the first entry key,
// or "".
std::string LookupQuotedEntry(const std::string& key, runtime::TextFileReader& file);

// The text after the first "=", leading blanks removed; a line without "="
// whole.
std::string GetValueAfterEquals(const std::string& line);
// The text between the double quotes of the value; without a closing quote
// the text up to the end of the line.
std::string GetQuotedValue(const std::string& line);
// The trimmed text before the first "=", or "" without "=".
std::string GetKeyPart(const std::string& line);
// The keys of a language file's "key = text" lines, each once, by the form
// the lookups compare them in (letter case aside), with the key as written.
std::map<std::u32string, std::string> LanguageFileKeys(runtime::TextFileReader& file);

// -1 for menu items (not separators), labels, frames, options, check boxes
// and command buttons (by their name prefixes), else 0.
int16_t IsTranslatableControl(const platform::Control& control);

// One value of the language file of the language index, or "" when the
// entry is missing or empty; a missing file is reported and gives "".
std::string GetLanguageText(platform::Platform& platform, int16_t LanguageIndex, const std::string& formName,
                            const std::string& key);

// The language file of the language index, open for quoted lookups; a
// missing file is reported ("... Ohjelman ei toimi oikein.") and gives
// nothing. The program goes on without the file's texts.
std::optional<runtime::TextFileReader> openLanguageTable(platform::Platform& platform, int16_t LanguageIndex);

// The missing-file message (shared with the report writers).
using platform::ShowFileNotFound;

}  // namespace quorvel::app
