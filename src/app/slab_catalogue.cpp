#include "app/slab_catalogue.h"

#include <algorithm>
#include <cmath>

#include "analysis/analysis_setup.h"
#include "inputfile/data_line.h"
#include "library/slab_data.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"
#include "runtime/input_items.h"
#include "app/input_tools.h"
#include "app/language.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Catalogue words become numbers as typed numbers do; an item holds no
// comma, so the locale's decimal mark plays no part.
float parseWord(const std::string& word) { return ParseNumber(word, '.'); }

// The blank-separated words of a line, from index 1, and their number.
int blankWords(const std::string& line, std::vector<std::string>& words) {
    words.assign(1, std::string());
    return SplitWords(line, words, 32);
}

DataFileError missingMarker(const std::string& path, const char* marker) {
    return DataFileError(path,
                         "Tiedosto " + path + " on virheellinen:\r\nrivi " + marker +
                             " puuttuu, tiedosto loppuu ennen sitä.",
                         "The file " + path + " is not valid:\r\nthe line " + marker +
                             " is missing, the file ends before it.");
}

// Reads items until one starts with marker (that item is consumed and
// returned); a file that ends first is a DataFileError.
std::string readThrough(runtime::InputItemReader& items, const std::string& path, const char* marker) {
    while (!items.eof()) {
        std::string item = items.readItem();
        if (startsWith(item, marker)) return item;
    }
    throw missingMarker(path, marker);
}

// The next item, read while the file's end marker awaited is still due.
// Each line of these files is one item: a comma splits a line into items
// (it separates fields for the data-line reader too), so that "3,60" typed
// for 3.60 dropped its slab type from the catalogue without a word. A line
// that gives a second item is refused, naming it. lastLine holds the line
// of the item read before, 0 for none to compare with.
std::string nextItem(runtime::InputItemReader& items, const std::string& path, const char* awaited,
                     std::size_t& lastLine) {
    if (items.eof()) throw missingMarker(path, awaited);
    std::string item = items.readItem();
    const std::size_t line = items.line();
    if (lastLine != 0 && line == lastLine) {
        const std::string n = std::to_string(line);
        throw DataFileError(path,
                            "Tiedosto " + path + " on virheellinen:\r\nrivillä " + n +
                                " on pilkku: rivin kentät erotetaan välilyönnein ja luvun desimaalierotin on piste.",
                            "The file " + path + " is not valid:\r\nline " + n +
                                " holds a comma: the fields of a line are separated by blanks, and a number's "
                                "decimal mark is a point.");
    }
    lastLine = line;
    return item;
}

// A column the rules check, at the precision the calculation reads it (a
// number beyond the double range is none).
double columnNumber(const std::string& word) {
    try {
        return runtime::scanNumber(word);
    } catch (const runtime::RunTimeError&) {
        return NAN;
    }
}

// The fields of a catalogue line that the calculation reads as numbers
// (strand lines 2..6, slab lines 2..17, up to the "/" that ends the data of
// a line) each hold a number: a text that is no number ("3.6O", "abc") is
// never read as its leading digits or as 0. The catalogue is refused,
// naming the line, the field and the text.
void requireNumbers(const std::string& path, int line, const std::string& lineText, bool slabLine) {
    std::vector<std::string> words;
    const int count = blankWords(lineText.substr(0, lineText.find('/')), words);
    for (int k = 2; k <= std::min(count, slabLine ? 17 : 6); ++k) {
        const std::string& word = words[static_cast<std::size_t>(k)];
        if (runtime::fieldNumber(word)) continue;
        const inputfile::LineProblem problem =
            inputfile::NotANumberProblem(line, k, word, library::CatalogueFieldName(slabLine, k, 0),
                                         library::CatalogueFieldName(slabLine, k, 1));
        const std::string n = std::to_string(line);
        throw DataFileError(path,
                            "Tiedosto " + path + " on virheellinen:\r\nrivillä " + n + " tunnuksen " + words[1] +
                                " " + problem.finnish + ".",
                            "The file " + path + " is not valid:\r\non line " + n + ", " + words[1] + ": " +
                                problem.english + ".");
    }
}

// The key and diameter of each strand line (the title line among them, as
// the calculation's search reads it), up to and with the line "LOPPU1".
void readStrandTypes(model::ProjectModel& m, runtime::InputItemReader& items, const std::string& path,
                     std::size_t& lastLine) {
    for (bool title = true;; title = false) {
        const std::string line = nextItem(items, path, "LOPPU1", lastLine);
        if (startsWith(line, "LOPPU1")) return;
        if (!title) requireNumbers(path, items.line(), line, false);
        std::vector<std::string> words;
        const int count = blankWords(line, words);
        if (count > 0) m.SlabCatalogue.appendStrandType({words[1], count > 1 ? columnNumber(words[2]) : 0.0});
    }
}

model::SlabSectionColumns sectionOf(const std::vector<std::string>& words) {
    auto word = [&](int k) { return columnNumber(words[static_cast<std::size_t>(k)]); };
    return {word(2), word(3), word(4), word(5), word(6), word(7), word(8), word(9), word(10), word(11), word(12),
            word(16), word(13)};
}

void readSlabLines(model::ProjectModel& m, const std::string& path) {
    runtime::TextFileReader file(path);
    runtime::InputItemReader items(file);
    std::size_t lastLine = 0;
    readStrandTypes(m, items, path, lastLine);
    nextItem(items, path, "LOPPU", lastLine);  // the heading line
    for (;;) {
        std::string line = nextItem(items, path, "LOPPU", lastLine);
        std::vector<std::string> words;
        if (blankWords(line, words) > 16) {
            requireNumbers(path, items.line(), line, true);
            model::SlabTypeRecord record;
            record.Name = words[1];
            record.Thickness = parseWord(words[3]);
            record.DefaultSupportLength = parseWord(words[16]);
            record.section = sectionOf(words);
            m.SlabCatalogue.append(std::move(record));
            m.SlabTypeCount = static_cast<int16_t>(m.SlabCatalogue.size());
        }
        if (startsWith(line, "LOPPU")) break;
    }
    if (m.SlabTypeCount == 0)
        throw DataFileError(path, "Laattatiedostossa " + path + " ei ole yhtään laattatyyppiä.",
                            "The slab catalogue " + path + " holds no slab type.");
}

// A designation the strand file offers that no slab of its type can have
// (the slab catalogue's strand types and the type's section decide).
DataFileError unsoundDesignation(const std::string& path, std::size_t line, const std::string& type,
                                 const model::RuleBreach& breach) {
    const std::string number = std::to_string(line);
    return DataFileError(path,
                         "Punostiedoston " + path + " rivillä " + number + " laattatyypin " + type +
                             " punostunnus ei kelpaa: " + breach.finnish + ".",
                         "Line " + number + " of the strand file " + path + ": a strand designation of slab type " +
                             type + " is not valid: " + breach.english + ".");
}

void readStrandLines(model::ProjectModel& m, const std::string& path) {
    runtime::TextFileReader file(path);
    runtime::InputItemReader items(file);
    readThrough(items, path, "DATA");
    std::size_t lastLine = 0;  // the description and the DATA line are free text
    for (;;) {
        std::string line = nextItem(items, path, "LOPPU", lastLine);
        std::vector<std::string> words;
        if (const int count = blankWords(line, words); count > 0) {
            const int n = std::min(count, model::MaxStrandNames + 1);
            if (m.SlabCatalogue.find(words[1]))
                for (int j = 2; j <= n; ++j)
                    if (auto breach = m.SlabCatalogue.strandDesignationBreach(words[1], words[j],
                                                                              model::StrandLayer::Bottom))
                        throw unsoundDesignation(path, items.line(), words[1], *breach);
            for (model::SlabTypeRecord& record : m.SlabCatalogue) {
                if (record.Name != words[1]) continue;
                record.StrandCount = static_cast<int16_t>(n - 1);
                for (int j = 0; j <= n - 2; ++j) record.StrandNames(j) = words[j + 2];
            }
        }
        if (startsWith(line, "LOPPU")) break;
    }
}

}  // namespace

void LoadSlabCatalogue(model::ProjectModel& m) {
    m.SlabTypeCount = 0;
    m.SlabCatalogue.clear();
    readSlabLines(m, runtime::resolveFile(m.DataPath, m.SlabFileName));
    for (model::SlabTypeRecord& record : m.SlabCatalogue) record.StrandCount = 0;
    readStrandLines(m, runtime::resolveFile(m.DataPath, m.StrandFileName));
}

std::optional<DataFileError> LoadSlabCatalogueOrFault(model::ProjectModel& m) {
    const int16_t countBefore = m.SlabTypeCount;
    model::SlabCatalogueArray before = m.SlabCatalogue;
    auto fault = [&](DataFileError error) {
        m.SlabTypeCount = countBefore;
        m.SlabCatalogue = std::move(before);
        return error;
    };
    try {
        LoadSlabCatalogue(m);
        return std::nullopt;
    } catch (const DataFileError& e) {
        return fault(e);
    } catch (const runtime::RunTimeError& e) {
        // The reader names the file it could not open.
        const std::string path = e.detail().empty() ? m.DataPath + m.SlabFileName : e.detail();
        const std::string number = std::to_string(e.number());
        if (e.number() == runtime::ErrFileNotFound)
            return fault(DataFileError(path, "Tiedostoa " + path + " ei ole.", "The file " + path + " does not exist."));
        return fault(DataFileError(path, "Tiedostoa " + path + " ei voi lukea (virhe " + number + ").",
                                   "The file " + path + " cannot be read (error " + number + ")."));
    }
}

std::optional<UnlistedSlabType> FindUnlistedSlabType(const model::ProjectModel& m,
                                                     const std::array<std::string, 2>& sideCaptions) {
    for (int side = 1; side <= 2; ++side) {
        // The hidden slab type of a side without slabs (an edge beam's left
        // side) is never calculated.
        if (analysis::SideSetAside(m, side)) continue;
        const std::string& type = m.SlabTypeName(side);
        bool listed = false;
        for (const model::SlabTypeRecord& record : m.SlabCatalogue) listed = listed || record.Name == type;
        if (listed) continue;
        std::string sideName = sideCaptions[static_cast<std::size_t>(side - 1)];
        while (!sideName.empty() && (sideName.back() == ':' || sideName.back() == ' ')) sideName.pop_back();
        const std::string file = runtime::findFileIgnoringCase(m.DataPath.empty() ? "." : m.DataPath, m.SlabFileName)
                                     .value_or(m.DataPath + m.SlabFileName);
        return UnlistedSlabType{sideName, type, file};
    }
    return std::nullopt;
}

void ShowDataFileError(platform::Platform& ui, const DataFileError& error, int16_t language) {
    ui.messageBox(error.text(language), platform::Buttons::Ok, platform::Icon::Critical,
                  byLanguage(language, "Vakava virhe!", "Fatal error!"));
}

std::string BottomStrandForNewSlabType(const model::ProjectModel& m, const std::string& typeName,
                                       platform::Platform& ui) {
    const model::SlabTypeRecord* record = nullptr;
    for (const model::SlabTypeRecord& r : m.SlabCatalogue)
        if (r.Name == typeName) record = &r;  // the last match wins
    if (record && record->StrandCount > 0) return record->StrandNames(0);
    ui.messageBox(byLanguage(m.LanguageIndex,
                             "Laattatyypille " + typeName + " ei ole anneetu punostietoja tiedostossa PUNOS.VAT!",
                             "No strand data is given for the slab type " + typeName + " in the file PUNOS.VAT!"));
    return std::string(1, '6');  // not from a literal: g++ 12 warns falsely there
}

}  // namespace quorvel::app
