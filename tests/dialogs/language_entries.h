#pragma once
// The caption entries of one window in a shipped language file, read line
// by line as the language tables read them, for tests of a window's
// captions in both languages.

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "app/language.h"
#include "runtime/text_file.h"

namespace quorvel::dialogs::testing {

inline const char* const LanguageFileNames[] = {"language.fin", "language.eng"};

inline std::string lowerAscii(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct LanguageEntry {
    std::string control;  // the key after "form."
    std::string value;
};

// The entries of a form in a shipped language file, in file order.
inline std::vector<LanguageEntry> languageEntriesOf(const std::string& fileName, const std::string& form) {
    runtime::TextFileReader file(std::string(QUORVEL_SOURCE_DIR) + "/data/" + fileName);
    const std::string prefix = lowerAscii(form) + ".";
    std::vector<LanguageEntry> entries;
    while (!file.eof()) {
        std::string line = file.readLine();
        line.erase(0, std::min(line.size(), line.find_first_not_of(' ')));
        line.erase(line.find_last_not_of(' ') + 1);
        if (line.empty() || line[0] == '\'') continue;
        const std::string key = app::GetKeyPart(line);
        if (lowerAscii(key).rfind(prefix, 0) == 0)
            entries.push_back({key.substr(prefix.size()), app::GetValueAfterEquals(line)});
    }
    return entries;
}

// The first entry of the control (as the lookup takes it), or nullptr.
inline const LanguageEntry* findLanguageEntry(const std::vector<LanguageEntry>& entries, const std::string& control) {
    for (const LanguageEntry& e : entries)
        if (lowerAscii(e.control) == lowerAscii(control)) return &e;
    return nullptr;
}

// A caption with a letter that only the Finnish texts use.
inline bool hasFinnishLetter(const std::string& s) {
    for (const char* letter : {"ä", "ö", "å", "Ä", "Ö", "Å"})
        if (s.find(letter) != std::string::npos) return true;
    return false;
}

}  // namespace quorvel::dialogs::testing
