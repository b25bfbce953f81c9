#include "app/settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>
#include <system_error>
#include <optional>

#include "app/language.h"
#include "app/slab_catalogue.h"
#include "platform/print_layout.h"
#include "report/report_headings.h"
#include "report/report_text_keys.h"
#include "report/report_texts.h"
#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/input_items.h"
#include "runtime/number_text.h"
#include "runtime/messages.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

const char* const App = "Quorvel835";
const char* const Section = "Settings";

const char* const DefaultSlabFile = "ONTELO.MIT";
const char* const DefaultFontName = "Courier New";
constexpr float DefaultFontSize = 10.0f;
const char* const DefaultStrandFile = "PUNOS.VAT";

std::string get(platform::Platform& p, const char* key, const std::string& defaultValue) {
    return p.getSetting(App, Section, key, defaultValue);
}

// The whole text as a number (blanks around it allowed, either decimal
// mark), or nothing when it holds anything else.
std::optional<double> wholeNumber(std::string text) {
    std::size_t b = text.find_first_not_of(" \t");
    std::size_t e = text.find_last_not_of(" \t");
    if (b == std::string::npos) return std::nullopt;
    text = text.substr(b, e - b + 1);
    for (char& c : text)
        if (c == ',') c = '.';
    for (char c : text)  // strtod would also take "inf", "nan" and hex
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' ||
              c == 'E'))
            return std::nullopt;
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string fontSizeText(float size, char decimalMark) {
    return runtime::generalNumberText(size, runtime::NumberKind::Single, decimalMark);
}

std::string quotedValue(const std::string& value) { return runtime::startOfLongText(value); }

// "<the file> path is too large: ... bytes, at most <limit>." in the
// language of the index; size is nothing when the file reports less than
// it holds (it was read past the limit).
std::string tooLargeText(int16_t languageIndex, const std::string& fileFi, const std::string& fileEn,
                         const std::string& path, std::optional<std::uintmax_t> size) {
    const std::string largest = std::to_string(LargestDataFile);
    const std::string bytes = size ? std::to_string(*size) : std::string();
    return languageIndex == 1
               ? fileEn + " " + path + " is too large: " + (size ? bytes : "more than " + largest) + " bytes, at most " +
                     largest + "."
               : fileFi + " " + path + " on liian suuri: " + (size ? bytes : "yli " + largest) + " tavua, enintään " +
                     largest + ".";
}

}  // namespace

std::optional<std::string> oversizedSettingsText(platform::Platform& p, int16_t languageIndex) {
    const auto file = p.oversizedSettingsFile(App);
    if (!file) return std::nullopt;
    return tooLargeText(languageIndex, "Asetustiedosto", "The settings file", quotedValue(file->path), file->size) +
           byLanguage(languageIndex, " Ohjelma käynnistyy oletusasetuksin eikä muuta tiedostoa.",
                      " The program starts on the default settings and leaves the file as it is.");
}

void LoadSettings(model::ProjectModel& m, platform::Platform& p) {
    m.DataPath = get(p, "QuorPath", "?");
    if (m.DataPath.empty() || m.DataPath[0] == '?') {
        m.DataPath = p.programFolder();
        p.saveSetting(App, Section, "QuorPath", m.DataPath);
    }
    m.SlabFileName = get(p, "Ontelolaatat", DefaultSlabFile);

    auto language = wholeNumber(get(p, "Kieli", "0"));
    m.LanguageIndex = (language && std::round(*language) == 1.0) ? 1 : 0;

    m.PrintFontName = get(p, "Tulostusfontti", DefaultFontName);
    auto size = wholeNumber(get(p, "Tulostusfonttikoko", "10"));
    // Held to the legible range: a stored 1000 would print a page for every
    // few characters, 0.001 nothing readable.
    m.PrintFontSize = size ? static_cast<float>(platform::legibleFontSize(*size)) : DefaultFontSize;

    m.StrandFileName = get(p, "Punostiedosto", DefaultStrandFile);
}

namespace {

// The data files start-up would use: folder, slab catalogue, strand file.
struct DataFileChoice {
    std::string folder;
    std::string slab;
    std::string strand;
    bool operator==(const DataFileChoice&) const = default;
};

// The first reason the data files of choice cannot start the program, as
// a sentence naming the file (in the language of m); nothing when they can.
std::optional<std::string> startFault(const model::ProjectModel& m, const DataFileChoice& choice) {
    auto c = std::make_unique<model::ProjectModel>();
    c->LanguageIndex = m.LanguageIndex;
    c->DataPath = choice.folder;
    c->SlabFileName = choice.slab;
    c->StrandFileName = choice.strand;
    const bool english = m.LanguageIndex == 1;
    const std::string folder = c->DataPath.empty() ? "." : c->DataPath;
    std::error_code error;
    // "/dev/zero/" names /dev/zero as well: the kind is asked of the name itself.
    std::string named = folder;
    while (named.size() > 1 && named.back() == '/') named.pop_back();
    const std::filesystem::file_status kind = std::filesystem::status(named, error);
    if (!std::filesystem::exists(kind))
        return english ? "The folder " + quotedValue(c->DataPath) + " does not exist."
                       : "Kansiota " + quotedValue(c->DataPath) + " ei ole.";
    if (!std::filesystem::is_directory(kind)) {
        // Something of the name stands there: it is named for what it is.
        const bool file = std::filesystem::is_regular_file(kind), pipe = std::filesystem::is_fifo(kind),
                   socket = std::filesystem::is_socket(kind);
        return english ? quotedValue(c->DataPath) + " is not a folder but " +
                             (file ? "a file" : pipe ? "a named pipe" : socket ? "a socket" : "a device") + "."
                       : quotedValue(c->DataPath) + " ei ole kansio vaan " +
                             (file ? "tiedosto" : pipe ? "nimetty putki" : socket ? "pistoke" : "laite") + ".";
    }
    for (const std::string& name : requiredDataFiles(*c)) {
        const auto found = runtime::findFileIgnoringCase(folder, name);
        if (!found || !runtime::opensForReading(*found)) {
            // Named as it stands in the folder, when something of that name
            // (a pipe, a folder, a link to nowhere) does.
            const auto entry = runtime::findEntryIgnoringCase(folder, name);
            std::filesystem::path named(runtime::pathInFolder(c->DataPath, name));
            if (entry) named.replace_filename(std::filesystem::path(*entry).filename());
            const std::string shown = named.string();
            return english ? "The file " + quotedValue(shown) + " does not exist or cannot be read."
                           : "Tiedostoa " + quotedValue(shown) + " ei ole tai sitä ei voi lukea.";
        }
    }
    if (auto text = oversizedDataFileText(*c)) return text;
    if (auto text = unsoundTextFileText(*c, "", false)) return text;
    if (auto fault = LoadSlabCatalogueOrFault(*c)) return fault->text(m.LanguageIndex);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> SettleDataFiles(model::ProjectModel& m, platform::Platform& p) {
    const DataFileChoice stored{m.DataPath, m.SlabFileName, m.StrandFileName};
    const std::optional<std::string> storedFault = startFault(m, stored);
    if (!storedFault) return std::nullopt;

    // The fewest replacements first: the names, then the folder.
    std::optional<DataFileChoice> chosen;
    for (const std::string& folder : {stored.folder, p.programFolder()})
        for (const DataFileChoice& c : {DataFileChoice{folder, stored.slab, stored.strand},
                                        DataFileChoice{folder, DefaultSlabFile, stored.strand},
                                        DataFileChoice{folder, stored.slab, DefaultStrandFile},
                                        DataFileChoice{folder, DefaultSlabFile, DefaultStrandFile}})
            if (!chosen && !(c == stored) && !startFault(m, c)) chosen = c;
    if (!chosen) return std::nullopt;  // the start-up's own checks name what is wrong

    const bool english = m.LanguageIndex == 1;
    std::string text;
    auto say = [&](const std::string& line) { text += (text.empty() ? "" : "\r\n\r\n") + line; };
    if (chosen->folder != stored.folder) {
        say(english ? "The data folder " + quotedValue(stored.folder) + " stored in the settings cannot be used. " +
                          *storedFault + " The folder " + chosen->folder + " is used instead."
                    : "Asetuksiin tallennettua datakansiota " + quotedValue(stored.folder) + " ei voi käyttää. " +
                          *storedFault + " Sen sijaan käytetään kansiota " + chosen->folder + ".");
        p.saveSetting(App, Section, "QuorPath", chosen->folder);
    }
    struct Name {
        const std::string& storedName;
        const std::string& chosenName;
        DataFileChoice alone;  // the chosen files with the stored name in its place
        const char* key;
    } names[] = {{stored.slab, chosen->slab, {chosen->folder, stored.slab, chosen->strand}, "Ontelolaatat"},
                 {stored.strand, chosen->strand, {chosen->folder, chosen->slab, stored.strand}, "Punostiedosto"}};
    for (const Name& n : names) {
        if (n.storedName == n.chosenName) continue;
        const std::string reason = startFault(m, n.alone).value_or(*storedFault);
        say(english ? "The data file \"" + quotedValue(n.storedName) + "\" stored in the settings cannot be used. " +
                          reason + " " + n.chosenName + " is used instead."
                    : "Asetuksiin tallennettua tiedostoa \"" + quotedValue(n.storedName) + "\" ei voi käyttää. " +
                          reason + " Sen sijaan käytetään tiedostoa " + n.chosenName + ".");
        p.saveSetting(App, Section, n.key, n.chosenName);
    }
    m.DataPath = chosen->folder;
    m.SlabFileName = chosen->slab;
    m.StrandFileName = chosen->strand;
    return text;
}

std::string LastFileFolder(platform::Platform& p) { return get(p, "Tiedostokansio", ""); }

void SaveLastFileFolder(platform::Platform& p, const std::string& folder) {
    p.saveSetting(App, Section, "Tiedostokansio", folder);
}

std::optional<ViewerSize> LoadViewerSize(platform::Platform& p) {
    const auto width = wholeNumber(get(p, "Tulosikkunan leveys", ""));
    const auto height = wholeNumber(get(p, "Tulosikkunan korkeus", ""));
    if (!width || !height || *width < 1 || *height < 1 || *width > 1e6 || *height > 1e6) return std::nullopt;
    return ViewerSize{static_cast<int>(*width), static_cast<int>(*height)};
}

void SaveViewerSize(platform::Platform& p, ViewerSize size) {
    p.saveSetting(App, Section, "Tulosikkunan leveys", std::to_string(size.width));
    p.saveSetting(App, Section, "Tulosikkunan korkeus", std::to_string(size.height));
}

void SaveSettings(const model::ProjectModel& m, platform::Platform& p) {
    // A data file name the data folder does not hold would stop the next
    // start-up: it is never stored, and the stored one stays.
    // Each file is loaded with the other as stored, so that a pair that
    // loads is stored whole.
    auto loads = [&m](const std::string& slab, const std::string& strand) {
        if (slab.empty() || strand.empty()) return false;
        auto scratch = std::make_unique<model::ProjectModel>();
        scratch->DataPath = m.DataPath;
        scratch->SlabFileName = slab;
        scratch->StrandFileName = strand;
        return !LoadSlabCatalogueOrFault(*scratch).has_value();
    };
    const bool slabLoads = loads(m.SlabFileName, m.StrandFileName) ||
                           loads(m.SlabFileName, get(p, "Punostiedosto", DefaultStrandFile)) ||
                           loads(m.SlabFileName, DefaultStrandFile);
    const bool strandLoads = loads(m.SlabFileName, m.StrandFileName) ||
                             loads(get(p, "Ontelolaatat", DefaultSlabFile), m.StrandFileName) ||
                             loads(DefaultSlabFile, m.StrandFileName);
    p.saveSetting(App, Section, "QuorPath", m.DataPath);
    if (slabLoads) p.saveSetting(App, Section, "Ontelolaatat", m.SlabFileName);
    p.saveSetting(App, Section, "Kieli", std::to_string(m.LanguageIndex));
    p.saveSetting(App, Section, "Tulostusfontti", m.PrintFontName);
    p.saveSetting(App, Section, "Tulostusfonttikoko", fontSizeText(m.PrintFontSize, p.decimalMark()));
    if (strandLoads) p.saveSetting(App, Section, "Punostiedosto", m.StrandFileName);
    // A save that would have made the file too large for the next start to
    // read left it as it is: said once.
    if (const auto refused = p.refusedSettingsSave(App)) {
        const std::string path = quotedValue(refused->path), size = std::to_string(refused->size.value_or(0)),
                          largest = std::to_string(LargestDataFile);
        p.messageBox(byLanguage(m.LanguageIndex,
                                "Asetustiedosto " + path + " kasvaisi tallennettaessa liian suureksi: " + size +
                                    " tavua, enintään " + largest +
                                    ". Asetuksia ei tallennettu, jotta seuraava käynnistys voi lukea tiedoston; "
                                    "se jää ennalleen.",
                                "The settings file " + path + " would grow too large on saving: " + size +
                                    " bytes, at most " + largest +
                                    ". The settings are not saved, so that the next start can read the file; "
                                    "it is left as it is."),
                     platform::Buttons::Ok, platform::Icon::Exclamation);
    }
}

std::vector<std::string> requiredDataFiles(const model::ProjectModel& m) {
    return {m.SlabFileName, "KEF.DA0", "TEKSTIT" + std::to_string(m.LanguageIndex) + ".DA0", "FIRMA.DA0",
            m.StrandFileName};
}

bool DataFilePresent(const model::ProjectModel& m, const std::string& name) {
    const auto found = runtime::findFileIgnoringCase(m.DataPath.empty() ? "." : m.DataPath, name);
    return found && runtime::opensForReading(*found);
}

int16_t CheckDataFilesPresent(const model::ProjectModel& m) {
    for (const std::string& name : requiredDataFiles(m))
        if (!DataFilePresent(m, name)) return 0;
    return 1;
}

std::string missingDataFilesText(const model::ProjectModel& m) {
    return missingDataFilesText(m, requiredDataFiles(m));
}

std::string missingDataFilesText(const model::ProjectModel& m, const std::vector<std::string>& names) {
    std::string text = byLanguage(m.LanguageIndex,
                                  "Laskennassa käytettäviä tiedostoja ei löydy!\r\n"
                                  "Jokin seuraavista tiedostoista puuttuu tai polku on väärin:\r\n",
                                  "The files the calculation uses are not found!\r\n"
                                  "One of the following files is missing or its path is wrong:\r\n") +
                       "\r\n";
    // The list says what is expected, each name as it stands on disk where
    // something of that name is there; the files not found are named too.
    const std::string folder = m.DataPath.empty() ? "." : m.DataPath;
    auto onDisk = [&](const std::string& name) {
        std::filesystem::path named(runtime::pathInFolder(m.DataPath, name));
        if (const auto entry = runtime::findEntryIgnoringCase(folder, name))
            named.replace_filename(std::filesystem::path(*entry).filename());
        return quotedValue(named.string());
    };
    for (const std::string& name : names) text += onDisk(name) + "\r\n";
    for (const std::string& name : names) {
        if (DataFilePresent(m, name)) continue;
        // A folder, a device, a pipe or a dangling link of the name is
        // there, but no file.
        const bool other = !runtime::findFileIgnoringCase(folder, name) && runtime::findEntryIgnoringCase(folder, name);
        text += (other ? byLanguage(m.LanguageIndex, "\r\nEi tiedosto vaan kansio, laite, putki tai katkennut linkki: ",
                                    "\r\nNot a file but a folder, a device, a pipe or a broken link: ")
                       : byLanguage(m.LanguageIndex, "\r\nEi löydy: ", "\r\nNot found: ")) +
                onDisk(name) + "\r\n";
    }
    return text;
}

std::optional<std::string> oversizedDataFileText(const model::ProjectModel& m) {
    std::vector<std::string> names = requiredDataFiles(m);
    for (const char* name : {"language.fin", "language.eng", "resultLanguage.fin", "resultLanguage.eng"})
        names.emplace_back(name);
    // Checked before every calculation: the names are resolved as the
    // calculation's readers resolve them, the folder listed once for a name,
    // and each file looked at once.
    const std::string folder = m.DataPath.empty() ? "." : m.DataPath;
    runtime::ParsedFileCache<bool>* withinLimit =
        m.DataFiles ? &m.DataFiles->parsed<bool>("data files within the size limit") : nullptr;
    for (const std::string& name : names) {
        // The company header is read no further than its first line.
        if (name == "FIRMA.DA0") continue;
        const runtime::DataFile file = runtime::findDataFile(m.DataFiles, folder, name);
        if (!file.version) continue;
        const std::string& found = file.path;
        if (file.version->size > LargestDataFile)
            return tooLargeText(m.LanguageIndex, "Tiedosto", "The data file", found, file.version->size);
        // The size the file reports is no bound: it is read to one byte past
        // the limit (a file found within it is not read again while it
        // stays the same).
        if (withinLimit && withinLimit->find(*file.version, "")) continue;
        std::string bytes;
        try {
            bytes = runtime::readRegularFilePrefix(found, LargestDataFile);
        } catch (const runtime::RunTimeError&) {
            continue;  // a file that cannot be read is named where it is read
        }
        if (bytes.size() > LargestDataFile)
            return tooLargeText(m.LanguageIndex, "Tiedosto", "The data file", found, std::nullopt);
        if (withinLimit) withinLimit->keep(*file.version, "", true);
    }
    return std::nullopt;
}

namespace {

// The bytes of a data file; nothing when it cannot be read or is larger
// than any data file may be (named by oversizedDataFileText).
std::optional<std::string> fileBytes(const std::string& path) {
    try {
        return runtime::readRegularFile(path);
    } catch (const runtime::RunTimeError&) {
        return std::nullopt;
    }
}

// The first line (1 for the first) holding a control character other than
// a tab, and its code; nothing for text.
std::optional<std::pair<std::size_t, int>> controlCharacter(const std::string& bytes) {
    const std::vector<std::string> lines = runtime::splitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (char c : lines[i]) {
            const auto code = static_cast<unsigned char>(c);
            if ((code < 0x20 && code != '\t') || code == 0x7F) return std::make_pair(i + 1, static_cast<int>(code));
        }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> unsoundTextFileText(const model::ProjectModel& m, const std::string& programFolder,
                                               bool programFiles, int16_t filesOf) {
    const bool english = m.LanguageIndex == 1;
    struct TextFile {
        std::string folder;
        const char* name;
        bool headings;     // items, else "key = text" lines
        bool reportTexts;  // every text the report prints among them
        int16_t language;  // 0 Finnish, 1 English
    };
    const std::string data = m.DataPath.empty() ? "." : m.DataPath;
    const std::string program = programFolder.empty() ? "." : programFolder;
    const TextFile files[] = {
        {data, "TEKSTIT0.DA0", true, false, 0},          {data, "TEKSTIT1.DA0", true, false, 1},
        {program, "language.fin", false, false, 0},      {program, "language.eng", false, false, 1},
        {program, "resultLanguage.fin", false, true, 0}, {program, "resultLanguage.eng", false, true, 1}};
    // A file found sound is not read again until it changes: every
    // Calculate asks, and the answer only changes with the file.
    runtime::ParsedFileCache<bool>* soundFiles = m.DataFiles ? &m.DataFiles->parsed<bool>("sound text files") : nullptr;
    for (const TextFile& f : files) {
        if (!f.headings && !programFiles) continue;
        if (filesOf >= 0 && f.language != filesOf) continue;
        const runtime::DataFile file = runtime::findDataFile(m.DataFiles, f.folder, f.name);
        if (!file.version) continue;  // a missing file is reported where it is needed
        if (soundFiles && soundFiles->find(*file.version, "")) continue;
        const std::optional<std::string> path = file.path;
        const auto bytes = fileBytes(*path);
        if (!bytes) continue;
        if (auto control = controlCharacter(*bytes)) {
            const std::string line = std::to_string(control->first), code = std::to_string(control->second);
            return english ? "The data file " + *path + " is not a text file: line " + line +
                                 " holds a control character (code " + code + ")."
                           : "Tiedosto " + *path + " ei ole tekstitiedosto: rivillä " + line +
                                 " on ohjausmerkki (koodi " + code + ").";
        }
        runtime::TextFileReader reader = runtime::TextFileReader::fromBytes(*bytes);
        if (f.headings) {
            // Every heading of the report is an item of the file.
            runtime::InputItemReader items(reader);
            int count = 0;
            while (count < report::ReportHeadings::ItemCount && !items.eof()) {
                items.readItem();
                ++count;
            }
            if (count == report::ReportHeadings::ItemCount) {
                if (soundFiles) soundFiles->keep(*file.version, "", true);
                continue;
            }
            const std::string line = std::to_string(items.line()), found = std::to_string(count),
                              needed = std::to_string(report::ReportHeadings::ItemCount);
            return english ? "The data file " + *path + " holds only " + found + " texts up to its last line (" +
                                 line + "); the report needs " + needed + "."
                           : "Tiedostossa " + *path + " on viimeiseen riviinsä (" + line + ") mennessä vain " +
                                 found + " tekstiä; raportti tarvitsee " + needed + ".";
        }
        // Every line is blank, a comment (') or "key = text".
        for (std::size_t line = 1; !reader.eof(); ++line) {
            std::string text = reader.readLine();
            const std::size_t start = text.find_first_not_of(" \t");
            if (start == std::string::npos || text[start] == '\'') continue;
            const std::size_t equals = text.find('=');
            if (equals != std::string::npos && equals > start) continue;
            return english ? "Line " + std::to_string(line) + " of the data file " + *path +
                                 " is not of the form key = text."
                           : "Tiedoston " + *path + " rivi " + std::to_string(line) +
                                 " ei ole muotoa avain = teksti.";
        }
        // A window text missing from English would leave its control in
        // Finnish, in silence: every key of the Finnish file is there.
        if (f.language == 1 && !f.reportTexts) {
            const runtime::DataFile finnish = runtime::findDataFile(m.DataFiles, program, "language.fin");
            const auto finnishBytes = finnish.version ? fileBytes(finnish.path) : std::nullopt;
            if (finnishBytes) {
                runtime::TextFileReader finnishReader = runtime::TextFileReader::fromBytes(*finnishBytes);
                runtime::TextFileReader englishReader = runtime::TextFileReader::fromBytes(*bytes);
                const auto englishKeys = LanguageFileKeys(englishReader);
                for (const auto& [key, written] : LanguageFileKeys(finnishReader))
                    if (!englishKeys.count(key))
                        return english ? "The data file " + *path + " lacks the window text " + written + " (a line " +
                                             written + " = text)."
                                       : "Tiedostosta " + *path + " puuttuu ikkunan teksti " + written + " (rivi " +
                                             written + " = teksti).";
            }
        }
        // A report text missing would print a report without its title
        // line or a label, in silence.
        if (f.reportTexts)
            for (const std::string& key : report::ReportTextKeys()) {
                std::string text;
                try {
                    text = report::LookupQuotedEntry(key, reader);
                } catch (const runtime::RunTimeError&) {
                    return english ? "The report text " + key + " of the data file " + *path +
                                         " has no closing double quote."
                                   : "Tiedoston " + *path + " raportin tekstiltä " + key +
                                         " puuttuu lopettava lainausmerkki.";
                }
                if (text.empty())
                    return english ? "The data file " + *path + " lacks the report text " + key + " (a line " + key +
                                         " = \"text\")."
                                   : "Tiedostosta " + *path + " puuttuu raportin teksti " + key + " (rivi " + key +
                                         " = \"teksti\").";
            }
        if (soundFiles) soundFiles->keep(*file.version, "", true);
    }
    return std::nullopt;
}

std::optional<std::string> missingLanguageFile(const model::ProjectModel& m, const std::string& programFolder,
                                               int16_t languageIndex) {
    const bool english = languageIndex == 1;
    const std::string data = m.DataPath.empty() ? "." : m.DataPath;
    const std::string program = programFolder.empty() ? "." : programFolder;
    const std::pair<const std::string&, std::string> files[] = {
        {data, english ? "TEKSTIT1.DA0" : "TEKSTIT0.DA0"},
        {program, english ? "language.eng" : "language.fin"},
        {program, english ? "resultLanguage.eng" : "resultLanguage.fin"}};
    for (const auto& [folder, name] : files)
        if (!runtime::findFileIgnoringCase(folder, name))
            return (folder == data ? m.DataPath : programFolder) + name;
    return std::nullopt;
}

std::optional<std::string> englishUnavailableReason(const model::ProjectModel& m, const std::string& programFolder) {
    if (auto missing = missingLanguageFile(m, programFolder, 1)) {
        const std::filesystem::path path(*missing);
        const std::string folder = path.parent_path().string();
        if (runtime::findEntryIgnoringCase(folder.empty() ? "." : folder, path.filename().string()))
            return byLanguage(m.LanguageIndex, *missing + " ei ole tiedosto vaan kansio, laite, putki tai katkennut linkki",
                              *missing + " is not a file but a folder, a device, a pipe or a broken link");
        return byLanguage(m.LanguageIndex, "tiedostoa " + *missing + " ei ole",
                          "the file " + *missing + " does not exist");
    }
    // A file that is there but cannot be read as its kind is as good as
    // missing: a Finnish start no longer ends over an English file.
    if (auto unsound = unsoundTextFileText(m, programFolder, true, 1)) {
        if (!unsound->empty() && unsound->back() == '.') unsound->pop_back();
        return unsound;
    }
    return std::nullopt;
}

std::string englishUnavailableText(const std::string& reason, bool atStartUp, int16_t languageIndex) {
    if (atStartUp)
        return byLanguage(languageIndex, "Englanninkielisiä tekstejä ei voi käyttää: " + reason + ". Ohjelma käyttää suomea.",
                          "The English texts cannot be used: " + reason + ". The program uses Finnish.");
    return byLanguage(languageIndex, "Kieltä ei voi vaihtaa englanniksi: " + reason + ".",
                      "The language cannot be switched to English: " + reason + ".");
}

std::optional<std::string> companyHeaderText(const inputfile::CompanyHeader& header, int16_t languageIndex) {
    using Problem = inputfile::CompanyHeaderProblem;
    std::string finnish, english;
    switch (header.problem) {
    case Problem::None: return std::nullopt;
    case Problem::Missing: finnish = "sitä ei ole", english = "it does not exist"; break;
    case Problem::NotAFile:
        finnish = "se ei ole tiedosto vaan kansio, laite tai putki";
        english = "it is a folder, a device or a pipe, not a file";
        break;
    case Problem::Unreadable: finnish = "sitä ei voi lukea", english = "it cannot be read"; break;
    case Problem::NotText:
        finnish = "sen ensimmäisellä rivillä on ohjausmerkki: se ei ole tekstitiedosto";
        english = "its first line holds a control character: it is not a text file";
        break;
    }
    return byLanguage(languageIndex,
                      "Yritystiedostoa " + header.path + " ei voi käyttää: " + finnish +
                          ". Raportin yritysrivi jää tyhjäksi.",
                      "The company header file " + header.path + " cannot be used: " + english +
                          ". The report's company line is left blank.");
}

float ComputeMinimumBeamLength(const model::ProjectModel& m) {
    auto single = [](double v) { return static_cast<float>(v); };
    float length = single(m.BeamLineLoadGX) + single(m.BeamLineLoadGLength);
    float variableEnd = single(m.BeamLineLoadQX) + single(m.BeamLineLoadQLength);
    if (length < variableEnd) length = variableEnd;
    // Counts beyond the arrays (not made by the dialogs) go no further than
    // the arrays reach.
    const int pointLoads = std::min<int>(m.BeamPointLoadCount, 5);
    for (int p = 1; p <= pointLoads; ++p)
        if (length < single(m.BeamPointLoadX[p])) length = single(m.BeamPointLoadX[p]);
    for (int side = 1; side <= 2; ++side)
        for (int h = 1; h <= std::min<int>(m.HoleCount[side], 2); ++h) {
            float holeEnd = single(m.HoleX(side, h)) + single(m.HoleWidthB(side, h));
            if (length < holeEnd) length = holeEnd;
        }
    float joint = 2.0f * std::fabs(single(m.FirstJointDistance));
    if (length < joint) length = joint;
    return length >= 1000.0f ? length : 1000.0f;
}

}  // namespace quorvel::app
