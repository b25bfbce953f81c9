#include "app/slab_catalogue.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/analysis_setup.h"
#include "inputfile/data_line.h"
#include "library/slab_data.h"
#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"
#include "runtime/input_items.h"
#include "app/input_tools.h"
#include "app/language.h"
#include "runtime/messages.h"
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
std::string nextItem(runtime::InputItemReader& items, const std::string& path, const char* awaited) {
    if (items.eof()) throw missingMarker(path, awaited);
    return items.readItem();
}

// The next line of the catalogue's strand or slab lines, whole: the items
// a comma splits it into are joined again, so that a number written with a
// decimal comma ("60,5") is seen where it stands and refused, never taken
// as its whole part with the rest of the line read as a line of its own.
std::string nextLine(runtime::InputItemReader& items, const std::string& path, const char* awaited) {
    std::string line = nextItem(items, path, awaited);
    while (items.lineHasMoreItems()) line += "," + items.readItem();
    return line;
}

// The lines of the catalogue as every reader of it reads them
// (library::ReadCatalogueLine): the fields of each, judged as the
// calculation judges them (library::FindCatalogueLineFault), and its text
// as it stands, which that check looks at only to name a decimal comma.
class CatalogueLines {
public:
    explicit CatalogueLines(const std::string& path) : path_(path), file_(path) {}

    // Reads the next line as one of fieldCount fields; a file that ends
    // before the marker awaited is a DataFileError.
    void next(int fieldCount, const char* awaited) {
        if (file_.eof()) throw missingMarker(path_, awaited);
        text_ = file_.peekLine();
        problems_.clear();
        int16_t flag = 0;
        library::ReadCatalogueLine(report_, file_, counter_, fieldCount, values_, texts_, defaults_, flag);
    }
    const std::string& field(int k) const { return texts_[static_cast<std::size_t>(k)]; }
    // The value of field k (NaN for a number beyond the double range).
    double value(int k) const { return values_[static_cast<std::size_t>(k)]; }
    int line() const { return counter_; }
    // What keeps the line from serving, as every reader of the catalogue
    // judges it; nothing for a sound line.
    std::optional<library::CatalogueLineFault> fault(bool slabLine) const {
        return library::FindCatalogueLineFault(slabLine, counter_, texts_, text_);
    }
    // A fault that refuses the catalogue, in the words the calculation
    // uses for it.
    DataFileError refusal(const std::string& key, const inputfile::LineProblem& problem) const {
        const runtime::Message message = library::CatalogueLineMessage(path_, key, problem);
        return DataFileError(path_, message.finnish, message.english);
    }

private:
    std::string path_;
    runtime::TextFileReader file_;
    inputfile::ErrorLog log_{std::string()};  // the start-up keeps no log: the problems are named
    std::vector<inputfile::LineProblem> problems_;
    inputfile::DataLineReporting report_{log_, nullptr, &problems_, true};
    int16_t counter_ = 0;
    std::vector<double> values_ = std::vector<double>(18);
    std::vector<std::string> texts_ = std::vector<std::string>(19);
    const std::vector<std::string> defaults_ = std::vector<std::string>(18);
    std::string text_;
};

// What the start-up says about lines of the catalogue it passes over or
// that another line of the same key replaces, line by line.
struct CatalogueNotes {
    std::string finnish;
    std::string english;
    void add(const std::string& fi, const std::string& en) {
        finnish += "\r\n" + fi;
        english += "\r\n" + en;
    }
    // A line holding the key of an earlier one: the later line is read, by
    // the start-up and by the calculation alike.
    void repeated(bool slab, const std::string& key, int earlier, int line) {
        const std::string e = std::to_string(earlier), l = std::to_string(line);
        add("rivi " + l + ": " + (slab ? "laattatyyppi " : "punostunnus ") + key + " on myös rivillä " + e +
                "; rivin " + l + " tiedot ovat käytössä.",
            "line " + l + ": " + (slab ? "slab type " : "strand key ") + key + " is also on line " + e + "; line " +
                l + " is used.");
    }
};

// The key, diameter and strength of each strand line (the title line among them, as
// the calculation's search reads it), up to and with the line "LOPPU1".
void readStrandTypes(model::ProjectModel& m, CatalogueLines& lines, CatalogueNotes& notes) {
    std::vector<model::StrandType> types;
    std::vector<int> lineOf;
    for (bool title = true;; title = false) {
        lines.next(6, "LOPPU1");
        const std::string& key = lines.field(1);
        if (key == "LOPPU1") break;
        if (key.empty()) continue;
        // A strand line missing a field is named and kept (a designation
        // of its key is refused by the calculation); any other fault
        // refuses the catalogue.
        if (const auto fault = title ? std::nullopt : lines.fault(false)) {
            if (!fault->fieldMissing) throw lines.refusal(key, fault->problem);
            notes.add("rivi " + std::to_string(lines.line()) + ": " + fault->problem.finnish + ".",
                      "line " + std::to_string(lines.line()) + ": " + fault->problem.english + ".");
        }
        model::StrandType type{key, lines.value(2), lines.value(4)};
        const auto same = std::find_if(types.begin(), types.end(), [&](const auto& t) { return t.key == key; });
        if (same == types.end()) {
            types.push_back(std::move(type));
            lineOf.push_back(lines.line());
            continue;
        }
        int& earlier = lineOf[static_cast<std::size_t>(same - types.begin())];
        notes.repeated(false, key, earlier, lines.line());
        *same = std::move(type);
        earlier = lines.line();
    }
    for (model::StrandType& type : types) m.SlabCatalogue.appendStrandType(std::move(type));
}

model::SlabSectionColumns sectionOf(const CatalogueLines& lines) {
    auto word = [&](int k) { return lines.value(k); };
    return {word(2), word(3), word(4), word(5), word(6), word(7), word(8), word(9), word(10), word(11), word(12),
            word(16), word(13)};
}

CatalogueNotes readSlabLines(model::ProjectModel& m, const std::string& path) {
    CatalogueLines lines(path);
    CatalogueNotes notes;
    readStrandTypes(m, lines, notes);
    lines.next(1, "LOPPU");  // the heading line
    std::vector<int> lineOf;
    for (;;) {
        lines.next(17, "LOPPU");
        const std::string& name = lines.field(1);
        if (name == "LOPPU") break;
        if (name.empty()) continue;
        // A slab line missing a field is named and its type not offered;
        // any other fault refuses the catalogue.
        if (const auto fault = lines.fault(true)) {
            if (!fault->fieldMissing) throw lines.refusal(name, fault->problem);
            const std::string n = std::to_string(lines.line());
            notes.add("rivi " + n + ": " + fault->problem.finnish + "; laattatyyppiä " + name + " ei tarjota.",
                      "line " + n + ": " + fault->problem.english + "; slab type " + name + " is not offered.");
            continue;
        }
        model::SlabTypeRecord record;
        record.Name = name;
        record.Thickness = parseWord(lines.field(3));
        record.DefaultSupportLength = parseWord(lines.field(16));
        record.section = sectionOf(lines);
        int i = 1;
        while (i <= m.SlabCatalogue.size() && m.SlabCatalogue(i).Name != name) ++i;
        if (i > m.SlabCatalogue.size()) {
            m.SlabCatalogue.append(std::move(record));
            lineOf.push_back(lines.line());
        } else {
            int& earlier = lineOf[static_cast<std::size_t>(i - 1)];
            notes.repeated(true, name, earlier, lines.line());
            m.SlabCatalogue(i) = std::move(record);
            earlier = lines.line();
        }
        m.SlabTypeCount = static_cast<int16_t>(m.SlabCatalogue.size());
    }
    if (m.SlabTypeCount == 0)
        throw DataFileError(path, "Laattatiedostossa " + path + " ei ole yhtään laattatyyppiä.",
                            "The slab catalogue " + path + " holds no slab type.");
    return notes;
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
    for (;;) {
        std::string line = nextLine(items, path, "LOPPU");
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

std::optional<runtime::Message> LoadSlabCatalogue(model::ProjectModel& m) {
    m.SlabTypeCount = 0;
    m.SlabCatalogue.clear();
    const std::string path = runtime::resolveFile(m.DataPath, m.SlabFileName);
    const CatalogueNotes notes = readSlabLines(m, path);
    for (model::SlabTypeRecord& record : m.SlabCatalogue) record.StrandCount = 0;
    readStrandLines(m, runtime::resolveFile(m.DataPath, m.StrandFileName));
    if (notes.english.empty()) return std::nullopt;
    return runtime::Message{"Laattatiedosto " + path + ":" + notes.finnish, "The slab catalogue " + path + ":" + notes.english};
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
        const std::string path = e.detail().empty() ? runtime::pathInFolder(m.DataPath, m.SlabFileName) : e.detail();
        const std::string shown = runtime::startOfLongText(path);
        const std::string number = std::to_string(e.number());
        if (e.number() == runtime::ErrFileNotFound)
            return fault(DataFileError(path, "Tiedostoa " + shown + " ei ole.", "The file " + shown + " does not exist."));
        if (const auto cause = runtime::whyUnreadable(path))
            return fault(DataFileError(path, "Tiedostoa " + shown + " ei voi lukea: " + cause->first + ".",
                                       "The file " + shown + " cannot be read: " + cause->second + "."));
        return fault(DataFileError(path, "Tiedostoa " + shown + " ei voi lukea (virhe " + number + ").",
                                   "The file " + shown + " cannot be read (error " + number + ")."));
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
                                     .value_or(runtime::pathInFolder(m.DataPath, m.SlabFileName));
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
