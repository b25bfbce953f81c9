#include "app/language.h"

#include <optional>

#include "app/input_tools.h"
#include "platform/forms/utf8.h"
#include "runtime/errors.h"

namespace quorvel::app {

using platform::Buttons;
using platform::Icon;

namespace {

std::string trimLeadingBlanks(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b);
}

// Lower case for comparing keys: ASCII and the Latin-1 letters.
std::u32string folded(const std::string& s) {
    std::u32string out;
    for (char32_t c : platform::utf8::decode(s)) {
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 32;
        out += c;
    }
    return out;
}

bool sameKey(const std::string& a, const std::string& b) { return folded(a) == folded(b); }

bool startsWithIgnoringCase(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && sameKey(s.substr(0, prefix.size()), prefix);
}

// The next entry line of the file (trimmed, comments skipped), or nothing
// at the end.
std::optional<std::string> nextEntry(runtime::TextFileReader& file) {
    while (!file.eof()) {
        std::string line = trimBlanks(file.readLine());
        if (line.empty() || line[0] == '\'') continue;
        return line;
    }
    return std::nullopt;
}

// A line without "=" has an empty key that matches nothing.
bool hasKey(const std::string& line) { return line.find('=') != std::string::npos; }

struct FileName {
    std::string folder;  // "" for the current folder
    std::string name;
};

FileName languageFile(int16_t languageIndex, const platform::Platform& platform) {
    if (languageIndex == 0) return {platform.programFolder(), "language.fin"};
    if (languageIndex == 1) return {platform.programFolder(), "language.eng"};
    return {"", "language.fin"};
}

// Opens the language file, or nothing when it does not exist or cannot be
// read.
std::optional<runtime::TextFileReader> openLanguageFile(const FileName& f) {
    auto found = runtime::findFileIgnoringCase(f.folder.empty() ? "." : f.folder, f.name);
    if (!found) return std::nullopt;
    try {
        return runtime::TextFileReader(*found);
    } catch (const runtime::RunTimeError&) {
        return std::nullopt;
    }
}

void reportMissingFile(platform::Platform& platform, int16_t languageIndex, const std::string& path,
                       const char* finnishConsequence, const char* englishConsequence) {
    ShowFileNotFound(platform, 1, path, languageIndex);
    // These two messages break their lines with LF CR.
    if (languageIndex == 1)
        platform.messageBox(std::string("Language file is missing.\n\r") + englishConsequence, Buttons::Ok,
                            Icon::Critical, "Error");
    else
        platform.messageBox(std::string("Kielitiedosto puuttuu.\n\r") + finnishConsequence, Buttons::Ok,
                            Icon::Critical, "Virhe");
}

}  // namespace

std::string byLanguage(int16_t languageIndex, const std::string& finnish, const std::string& english) {
    return languageIndex == 1 ? english : finnish;
}

std::string byLanguage(const platform::Platform& platform, const std::string& finnish, const std::string& english) {
    return platform.englishWindows() ? english : finnish;
}

std::string languageFilePath(int16_t languageIndex, const platform::Platform& platform) {
    FileName f = languageFile(languageIndex, platform);
    return f.folder + f.name;
}

void ApplyLanguage(platform::Form& form, int16_t& LanguageIndex, int16_t ResultsValid) {
    platform::Platform& platform = form.platform();
    // The platform's own texts (standard buttons, file dialogs) follow.
    platform.setLanguage(LanguageIndex == 1 ? "en" : "fi");
    FileName f = languageFile(LanguageIndex, platform);
    auto file = openLanguageFile(f);
    if (!file) {
        reportMissingFile(platform, LanguageIndex, f.folder + f.name, "Ohjelman suoritus lopetetaan.",
                          "Program execution cancelled.");
        platform.endProgram();
    }
    std::string caption = LookupLanguageEntry(form.name(), "caption", *file);
    if (!caption.empty()) form.setCaption(caption);
    file->rewind();
    for (platform::Control* c : form.controls()) {
        if (IsTranslatableControl(*c) == -1) {
            std::string key = c->name();
            if (key == "cmdTaulukko" && ResultsValid == -1) key = "cmdTaulukkoLaskettu";
            std::string value = LookupLanguageEntry(form.name(), key, *file);
            if (!value.empty()) c->setCaption(value);
            file->rewind();
        }
        if (!c->toolTip().empty()) {
            std::string tip = LookupLanguageEntry(form.name(), c->name() + ".ToolTipText", *file);
            if (!tip.empty()) c->setToolTip(tip);
            file->rewind();
        }
    }
}

std::string LookupLanguageEntry(const std::string& formName, const std::string& key,
                                runtime::TextFileReader& file) {
    const std::string wanted = formName + "." + key;
    while (auto line = nextEntry(file))
        if (hasKey(*line) && sameKey(GetKeyPart(*line), wanted)) return GetValueAfterEquals(*line);
    return {};
}

std::string LookupQuotedEntry(const std::string& key, runtime::TextFileReader& file) {
    file.rewind();
    while (auto line = nextEntry(file))
        if (hasKey(*line) && sameKey(GetKeyPart(*line), key)) return GetQuotedValue(*line);
    return {};
}

std::string GetValueAfterEquals(const std::string& line) {
    std::size_t at = line.find('=');
    if (at == std::string::npos) return line;
    return trimLeadingBlanks(line.substr(at + 1));
}

std::string GetQuotedValue(const std::string& line) {
    std::string value = GetValueAfterEquals(line);
    std::size_t open = value.find('"');
    if (open == std::string::npos) return value;
    std::string rest = value.substr(open + 1);
    std::size_t close = rest.find('"');
    return close == std::string::npos ? rest : rest.substr(0, close);
}

std::string GetKeyPart(const std::string& line) {
    std::size_t at = line.find('=');
    if (at == std::string::npos) return {};
    return trimBlanks(line.substr(0, at));
}

std::map<std::u32string, std::string> LanguageFileKeys(runtime::TextFileReader& file) {
    std::map<std::u32string, std::string> keys;
    while (std::optional<std::string> line = nextEntry(file))
        if (hasKey(*line)) keys.emplace(folded(GetKeyPart(*line)), GetKeyPart(*line));
    return keys;
}

int16_t IsTranslatableControl(const platform::Control& control) {
    const std::string& name = control.name();
    if (startsWithIgnoringCase(name, "mnu")) return control.caption() != "-" ? -1 : 0;
    for (const char* prefix : {"label", "lbl", "fra", "opt", "chk", "cmd"})
        if (startsWithIgnoringCase(name, prefix)) return -1;
    return 0;
}

std::optional<runtime::TextFileReader> openLanguageTable(platform::Platform& platform, int16_t LanguageIndex) {
    FileName f = languageFile(LanguageIndex, platform);
    auto file = openLanguageFile(f);
    if (!file)
        reportMissingFile(platform, LanguageIndex, f.folder + f.name, "Ohjelman ei toimi oikein.",
                          "Program is not working properly.");
    return file;
}

std::string GetLanguageText(platform::Platform& platform, int16_t LanguageIndex, const std::string& formName,
                            const std::string& key) {
    auto file = openLanguageTable(platform, LanguageIndex);
    if (!file) return {};
    return LookupLanguageEntry(formName, key, *file);
}

}  // namespace quorvel::app
