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

// What marks a text as Finnish: a letter only the Finnish texts use, or a
// word beginning with a stem of the words the Finnish texts of the windows
// use (case aside); the first found, or "" for none. Access-key marks are
// dropped and proper names taken out first: the data files the windows may
// name and the beam type I-BETONI, whose name (like SUORA or KVATRO) is the
// same in both languages.
inline std::string finnishMarkerIn(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    for (const char* name : {"ONTELO.MIT", "PUNOS.VAT", "TEKSTIT0.DA0", "TEKSTIT1.DA0", "language.fin", "I-BETONI"})
        for (std::size_t at; (at = text.find(name)) != std::string::npos;) text.erase(at, std::string(name).size());
    for (const char* letter : {"ä", "ö", "å", "Ä", "Ö", "Å"})
        if (text.find(letter) != std::string::npos) return letter;
    // Word beginnings, and short words that only count whole.
    static const char* const stems[] = {
        "palk",     "laat",    "kuorm",    "tiedost", "virhe",   "varoitus", "raudoit",  "haluatko",   "muokkau",
        "levey",    "korkeu",  "pituu",    "paksuu",  "sijain",  "reik",     "huom",     "taulukko",   "ontelo",
        "pintab",   "betoni",  "punos",    "kerroin", "tulos",   "laske",    "jatka",    "tarvit",     "leuka",
        "leuan",    "uuma",    "uumi",     "laipp",   "saum",    "tuki",     "lujuus",   "kulma",      "vaarno",
        "suunnit",  "ohjelm",  "tekij",    "kaikki",  "oikeud",  "lukuarvo", "arvo",     "kentt",      "asetet",
        "oletus",   "ikkuna",  "puuttuu",  "tallenn", "avaa",    "lopeta",   "tietoja",  "kieli",      "suomi",
        "englanti", "pysyv",   "muuttuv",  "alku",    "loppu",   "vasen",    "oikea",    "alapin",     "mukaan",
        "mukainen", "yleens",  "teksti",   "kimmo",   "rivi",    "halkaisija",
    };
    static const char* const words[] = {"ei", "ja", "tai", "ks", "versio"};
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto found = [&lower](const std::string& s, bool whole) {
        for (std::size_t at = lower.find(s); at != std::string::npos; at = lower.find(s, at + 1)) {
            const bool starts = at == 0 || !std::isalpha(static_cast<unsigned char>(lower[at - 1]));
            const std::size_t end = at + s.size();
            const bool ends = end == lower.size() || !std::isalpha(static_cast<unsigned char>(lower[end]));
            if (starts && (!whole || ends)) return true;
        }
        return false;
    };
    for (const char* stem : stems)
        if (found(stem, false)) return stem;
    for (const char* word : words)
        if (found(word, true)) return word;
    return {};
}

}  // namespace quorvel::dialogs::testing
