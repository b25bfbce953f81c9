#include "library/slab_data.h"

#include "library/slab_section.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "inputfile/data_line.h"
#include "inputfile/error_log.h"
#include "inputfile/text_fields.h"
#include "library/slab_section.h"
#include "model/slab_rules.h"
#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"
#include "runtime/text_file.h"

namespace quorvel::library {

using runtime::Value;

namespace {

constexpr int16_t catalogueFileNumber = 3;
constexpr int strandFieldCount = 6;
constexpr int slabFieldCount = 17;
const std::string strandEndMarker = "LOPPU1";
const std::string slabEndMarker = "LOPPU";
const std::string lineFeed = "\n";

// One opening of the catalogue and the lines read from it. The first field
// of every line a search reads is kept, in reading order, for the message
// that lists what the catalogue offers; the list grows with the catalogue.
class CatalogueFile {
public:
    CatalogueFile(model::ProjectModel& m, inputfile::DataLineReporting& report)
        : report_(report),
          path_(runtime::resolveDataFile(m.DataFiles, m.DataPath, m.SlabFileName)),
          file_(path_),
          values_(slabFieldCount + 1, 0.0),
          texts_(slabFieldCount + 2),
          defaults_(slabFieldCount + 1) {
        m.CurrentFileNumber = catalogueFileNumber;
    }

    // Reads lines of at least fieldCount fields through the line whose first
    // field is endMarker; true when one of them had key as its first field,
    // and the last such line is then the one read (the start-up names two
    // lines of one key and lists the last). keys receives the first field
    // of each line of this search, the first line at keys[0].
    bool search(const std::string& key, const std::string& endMarker, int fieldCount,
                std::vector<std::string>& keys) {
        keys.clear();
        struct Match {
            std::vector<double> values;
            std::vector<std::string> texts;
            int line;
            std::string text;
        };
        std::optional<Match> match;
        for (;;) {  // ends at the marker, or with error 62 at the end of the file
            // The marker line holds no data: it is no short line.
            readLine(!file_.eof() && nextKey() == endMarker ? 1 : fieldCount);
            keys.push_back(texts_[1]);
            if (texts_[1] == key) match = Match{values_, texts_, line_, text_};
            if (texts_[1] == endMarker) break;
        }
        passedMarker_ = true;
        if (!match) return false;
        values_ = std::move(match->values);
        texts_ = std::move(match->texts);
        line_ = match->line;
        text_ = std::move(match->text);
        return true;
    }

    // A search has read through its marker already.
    void skipTo(const std::string& endMarker) {
        if (std::exchange(passedMarker_, false)) return;
        do readLine(1);
        while (texts_[1] != endMarker);
    }

    double value(int field) const { return values_[static_cast<std::size_t>(field)]; }
    const std::string& text(int field) const { return texts_[static_cast<std::size_t>(field)]; }
    // The fields of that line as the reader split them.
    const std::vector<std::string>& texts() const { return texts_; }
    int line() const { return line_; }
    // The line whose fields are held, as it stands in the file.
    const std::string& lineText() const { return text_; }
    // The catalogue as it is named on disk.
    const std::string& path() const { return path_; }

private:
    // The first field of the next line, as reading it gives it.
    std::string nextKey() const {
        inputfile::ErrorLog quiet{std::string()};
        std::vector<inputfile::LineProblem> ignored;
        inputfile::DataLineReporting report{quiet, nullptr, &ignored, true, true};
        std::vector<double> values(2);
        std::vector<std::string> texts(3);
        int16_t flag = 0;
        inputfile::ParseDataFields(report, 1, file_.peekLine(), values, texts, {"", ""}, flag);
        return texts[1];
    }

    void readLine(int fieldCount) {
        // The catalogue's own lines carry their fields; a short one has been
        // reported by the parser and reads as zeros.
        int16_t flag = 0;
        text_ = file_.peekLine();
        ReadCatalogueLine(report_, file_, counter_, fieldCount, values_, texts_, defaults_, flag);
        line_ = counter_;
    }

    inputfile::DataLineReporting& report_;
    std::string path_;
    runtime::TextFileReader file_;
    int16_t counter_ = 0;
    int line_ = 0;  // the line whose fields are held
    bool passedMarker_ = false;
    std::vector<double> values_;
    std::vector<std::string> texts_;
    const std::vector<std::string> defaults_;
    std::string text_;  // the line whose fields are held
};

// The first fields of the lines between a search's first line (the title
// or heading) and its end marker, each behind a line feed.
std::string listedKeys(const std::vector<std::string>& keys) {
    std::string text;
    for (std::size_t i = 1; i + 1 < keys.size(); ++i) text += lineFeed + keys[i];
    return text;
}

void reportUnknownStrand(runtime::Messages& messages, const std::string& key, const std::vector<std::string>& keys) {
    messages.push_back({"*** VIRHE ***:Punostunnus " + key + " tuntematon " + lineFeed +
                            "Laattatiedostossa olevat punostunnukset" + lineFeed + listedKeys(keys),
                        "*** ERROR ***: strand key " + key + " unknown " + lineFeed +
                            "Strand keys in the slab catalogue" + lineFeed + listedKeys(keys)});
}

void reportUnknownSlab(runtime::Messages& messages, const std::string& name, const std::vector<std::string>& keys) {
    messages.push_back({"*** VIRHE ***: Laattatyyppi " + name + " tuntematon " + lineFeed +
                            "laattatyyppi isoilla kirjaimilla ilman väliä" + lineFeed +
                            "Laattatiedostossa olevat laattatyyppien tunnukset:" + listedKeys(keys),
                        "*** ERROR ***: slab type " + name + " unknown " + lineFeed +
                            "slab type in capitals without blanks" + lineFeed +
                            "Slab types in the slab catalogue:" + listedKeys(keys)});
}

// A catalogue value the section cannot be built from: each field (from 2)
// has its least value (positive: above 0; a slab has at least one core;
// the support length limit at least the least net bearing length of a
// floor's linear support, 25 mm, EN 1992-1-1 Table 10.2);
// every value is finite and at most a million. Gives the message naming the
// file, the line and the value, or nothing for a sound line.
struct FieldRule {
    int field;
    const char* name;         // in Finnish messages
    const char* englishName;  // in English ones
    double least;
    bool above;  // the least value itself is not allowed
};
constexpr FieldRule strandRules[] = {{2, "halkaisija", "diameter", 0, true},
                                     {3, "pinta-ala", "area", 0, true},
                                     {4, "fpk", "fpk", 0, true},
                                     {5, "tartuntakerroin", "bond factor", 0, true},
                                     {6, "Ep", "Ep", 0, true}};
constexpr FieldRule slabRules[] = {
    {2, "onteloita", "cores", 1, false}, {3, "h", "h", 0, true},          {4, "h.fy", "h.fy", 0, false},
    {5, "h.c", "h.c", 0, false},         {6, "h.ct", "h.ct", 0, false},   {7, "h.v", "h.v", 0, false},
    {8, "b.c", "b.c", 0, false},         {9, "b.ca", "b.ca", 0, false},   {10, "b.hc", "b.hc", 0, true},
    {11, "db", "db", 0, false},          {12, "e.r", "e.r", 0, false},    {13, "g", "g", 0, true},
    {14, "gd", "gd", 0, true},           {15, "c14", "c14", 0, false},    {16, "ap", "ap", 0, false},
    {17, "l.tuki", "l.tuki", 25, false}};
constexpr double largestCatalogueValue = 1e6;

// The name in messages of field k (from 2) of a strand line or a slab
// line, in the language (1 English); empty for a field not read as a
// number.
std::string catalogueFieldName(bool slabLine, int field, int16_t language) {
    auto find = [&](const auto& rules) -> std::string {
        for (const FieldRule& r : rules)
            if (r.field == field) return language == 1 ? r.englishName : r.name;
        return {};
    };
    return slabLine ? find(slabRules) : find(strandRules);
}

// The value of a field of a line that FindCatalogueLineFault has found
// sound: within its rule's range, or the message naming it.
template <std::size_t N>
std::optional<runtime::Message> valueOutsideItsRange(const CatalogueFile& f, const std::string& key,
                                                     const FieldRule (&rules)[N]) {
    const std::string& file = f.path();
    const std::string line = std::to_string(f.line());
    for (const FieldRule& r : rules) {
        const double v = f.value(r.field);
        if (std::isfinite(v) && (r.above ? v > r.least : v >= r.least) && v <= largestCatalogueValue) continue;
        auto num = [](double x) { return runtime::generalNumberText(x, runtime::NumberKind::Double); };
        auto value = [&](const std::string& name) { return name + " = " + num(v); };
        auto range = [&](const std::string& name) {
            return " (" + num(r.least) + (r.above ? " < " : " <= ") + name + " <= " + num(largestCatalogueValue) +
                   ")." + lineFeed;
        };
        return runtime::Message{"*** VIRHE ***: Laattatiedoston " + file + " rivillä " + line + " tunnuksen " + key +
                                    " arvo " + value(r.name) + " ei ole sallittu" + range(r.name) +
                                    "Korjaa laattatiedoston rivi.",
                                "*** ERROR ***: slab catalogue " + file + ", line " + line + ": the value " +
                                    value(r.englishName) + " of " + key + " is not allowed" + range(r.englishName) +
                                    "Correct the line of the slab catalogue."};
    }
    return std::nullopt;
}

// A line whose fields each lie within their limits but whose section or
// strand cannot exist: the message names the file, the line and the rule.
runtime::Message brokenRuleMessage(const std::string& file, int lineNumber, const std::string& key,
                                   const model::RuleBreach& breach) {
    const std::string line = std::to_string(lineNumber);
    return {"*** VIRHE ***: Laattatiedoston " + file + " rivillä " + line + " tunnuksen " + key +
                " mukaista ei voi olla, ehto ei täyty: " + breach.finnish + "." + lineFeed +
                "Korjaa laattatiedoston rivi.",
            "*** ERROR ***: line " + line + " of the slab catalogue " + file + ", " + key +
                ": cannot exist, the rule does not hold: " + breach.english + "." + lineFeed +
                "Correct the line of the slab catalogue."};
}

model::SlabSectionColumns sectionColumns(const CatalogueFile& f) {
    return {f.value(2), f.value(3), f.value(4),  f.value(5),  f.value(6),  f.value(7),
            f.value(8), f.value(9), f.value(10), f.value(11), f.value(12), f.value(16), f.value(13)};
}

// The line the search found, field by field and then as a whole.
template <std::size_t N>
std::optional<runtime::Message> unsoundLine(const CatalogueFile& f, const std::string& key,
                                            const FieldRule (&rules)[N], bool slabLine) {
    // Its fields as the start-up judged them (a missing field is named as
    // such, never as the 0 it reads as), then their values.
    if (auto fault = FindCatalogueLineFault(slabLine, f.line(), f.texts(), f.lineText()))
        return CatalogueLineMessage(f.path(), key, fault->problem);
    if (auto message = valueOutsideItsRange(f, key, rules)) return message;
    const std::optional<model::RuleBreach> breach =
        slabLine ? model::slabSectionBreach(sectionColumns(f)) : model::strandLineBreach(f.value(2), f.value(3), f.value(5), f.value(6));
    if (breach) return brokenRuleMessage(f.path(), f.line(), key, *breach);
    return std::nullopt;
}

void takeSlabLine(model::ProjectModel& m, int s, const CatalogueFile& f) {
    m.SlabCoreCount(s) = runtime::toInt16(std::floor(f.value(2)));
    m.SlabHeight(s) = f.value(3);
    m.SlabTopFlangeThickness(s) = f.value(4);
    m.SlabCoreHeight(s) = f.value(5);
    m.SlabDimensionHct(s) = f.value(6);
    m.SlabDimensionHv(s) = f.value(7);
    m.SlabCoreWidth(s) = f.value(8);
    m.SlabRecordValue8(s) = f.value(9);
    m.SlabUnitWidth(s) = f.value(10);
    m.SlabWidthDeduction(s) = f.value(11);
    m.SlabEdgeCoreDistance(s) = f.value(12);
    m.SlabSelfWeight(s) = f.value(13);
    m.SlabSelfWeightDesign(s) = f.value(14);
    m.SlabRecordValue14(s) = f.value(15);
    m.BottomStrandAxisDistance(s) = f.value(16);
    m.SlabSupportLengthLimit(s) = f.value(17);
    m.SlabTopFlangeDesignThickness(s) = m.SlabTopFlangeThickness(s) + m.SlabHeight(s) / 80;
    m.SlabBottomFlangeThickness(s) = m.SlabHeight(s) - m.SlabTopFlangeDesignThickness(s) - m.SlabCoreHeight(s);
}

}  // namespace

void TrimIdentifier(const std::string& code, std::string& key, Value& count) {
    if (code.empty()) {
        key.clear();
        count = Value(0.0);
        return;
    }
    key = model::strandKeyOf(code);
    count = Value(runtime::scanNumber(code));
}

void TrimIdentifier(const std::string& code, std::string& key, int16_t& count) {
    Value number;
    TrimIdentifier(code, key, number);
    count = runtime::toInt16(number);
}

namespace {

// Every per-side field that a read of the catalogue writes.
using SideField = model::SideArray model::ProjectModel::*;
constexpr SideField catalogueFields[] = {
    &model::ProjectModel::BottomStrandDiameter,   &model::ProjectModel::BottomStrandArea,
    &model::ProjectModel::BottomStrandStrength,   &model::ProjectModel::BottomStrandBondFactor,
    &model::ProjectModel::SlabStrandModulus,      &model::ProjectModel::SlabHeight,
    &model::ProjectModel::SlabTopFlangeThickness, &model::ProjectModel::SlabCoreHeight,
    &model::ProjectModel::SlabDimensionHct,       &model::ProjectModel::SlabDimensionHv,
    &model::ProjectModel::SlabCoreWidth,          &model::ProjectModel::SlabRecordValue8,
    &model::ProjectModel::SlabUnitWidth,          &model::ProjectModel::SlabWidthDeduction,
    &model::ProjectModel::SlabEdgeCoreDistance,   &model::ProjectModel::SlabSelfWeight,
    &model::ProjectModel::SlabSelfWeightDesign,   &model::ProjectModel::SlabRecordValue14,
    &model::ProjectModel::BottomStrandAxisDistance, &model::ProjectModel::SlabSupportLengthLimit,
    &model::ProjectModel::SlabTopFlangeDesignThickness, &model::ProjectModel::SlabBottomFlangeThickness,
    &model::ProjectModel::TopStrandDiameter,      &model::ProjectModel::TopStrandArea,
    &model::ProjectModel::TopStrandBondFactor,    &model::ProjectModel::TopStrandAxisDistance,
};
constexpr std::size_t catalogueFieldCount = std::size(catalogueFields);

// What a clean read gave one side: the fields above and the core count.
struct SideRecord {
    std::array<Value, catalogueFieldCount> values;
    int16_t coreCount = 0;
};

SideRecord recordOf(const model::ProjectModel& m, int s) {
    SideRecord r;
    for (std::size_t i = 0; i < catalogueFieldCount; ++i) r.values[i] = (m.*catalogueFields[i])(s);
    r.coreCount = m.SlabCoreCount(s);
    return r;
}

void takeRecord(model::ProjectModel& m, int s, const SideRecord& r) {
    for (std::size_t i = 0; i < catalogueFieldCount; ++i) (m.*catalogueFields[i])(s) = r.values[i];
    m.SlabCoreCount(s) = r.coreCount;
    m.CurrentFileNumber = catalogueFileNumber;
}

// Clean reads by catalogue version and query (strand keys and slab type).
runtime::ParsedFileCache<SideRecord>& cleanReads(runtime::DataFileCache& files) {
    return files.parsed<SideRecord>("slab catalogue sides");
}

// The message of a strand designation of the side that is refused.
runtime::Message designationMessage(int s, model::StrandLayer layer, const model::RuleBreach& breach) {
    return {"*** VIRHE ***: " + inputfile::strandFieldName(s, layer, 0) + ": " + breach.text(0) + ".",
            "*** ERROR ***: " + inputfile::strandFieldName(s, layer, 1) + ": " + breach.text(1) + "."};
}

// The read of one side from the catalogue file; reports go to errorLog.
void readSide(model::ProjectModel& m, runtime::Messages& messages, int s, int16_t& status,
              inputfile::ErrorLog& errorLog) {
    inputfile::DataLineReporting report{errorLog, &messages};
    std::vector<std::string> keys;
    int slabLine = 0;
    std::string path;

    {
        CatalogueFile file(m, report);
        const std::string& bottomKey = m.BottomStrandType(s);
        if (bottomKey.empty()) {
            // No designation (a strand file that lists none for the slab
            // type gives a new project none): said so, not as a strand key
            // "" that the catalogue lacks.
            messages.push_back(designationMessage(
                s, model::StrandLayer::Bottom, *model::strandDesignationBreach("", model::StrandLayer::Bottom, {}, {})));
            status = -1;
            return;
        }
        if (!file.search(bottomKey, strandEndMarker, strandFieldCount, keys)) {
            reportUnknownStrand(messages, bottomKey, keys);
            status = -1;
            return;
        }
        if (auto message = unsoundLine(file, bottomKey, strandRules, false)) {
            messages.push_back(*message);
            status = -1;
            return;
        }
        m.BottomStrandDiameter(s) = file.value(2);
        m.BottomStrandArea(s) = file.value(3);
        m.BottomStrandStrength(s) = file.value(4);
        m.BottomStrandBondFactor(s) = file.value(5);
        m.SlabStrandModulus(s) = file.value(6);
        file.skipTo(strandEndMarker);

        if (!file.search(m.SlabTypeName(s), slabEndMarker, slabFieldCount, keys)) {
            reportUnknownSlab(messages, m.SlabTypeName(s), keys);
            status = -1;
            return;
        }
        if (auto message = unsoundLine(file, m.SlabTypeName(s), slabRules, true)) {
            messages.push_back(*message);
            status = -1;
            return;
        }
        const model::SlabSectionColumns columns = sectionColumns(file);
        if (auto breach = model::selfWeightBreach(columns, SlabConcreteArea(columns))) {
            messages.push_back(brokenRuleMessage(file.path(), file.line(), m.SlabTypeName(s), *breach));
            status = -1;
            return;
        }
        takeSlabLine(m, s, file);
        slabLine = file.line();
        path = file.path();
    }
    // The strands at the line's axis height have the cover their bond needs.
    auto coverBroken = [&](double diameter) {
        const auto breach = model::strandCoverBreach(m.BottomStrandAxisDistance(s), diameter);
        if (breach) {
            messages.push_back(brokenRuleMessage(path, slabLine, m.SlabTypeName(s), *breach));
            status = -1;
        }
        return breach.has_value();
    };
    if (coverBroken(m.BottomStrandDiameter(s))) return;

    const std::string& topKey = m.TopStrandType(s);
    if (topKey.empty()) {
        // No top strands on this side.
        m.TopStrandDiameter(s) = 0.0;
        m.TopStrandArea(s) = 0.0;
        m.TopStrandBondFactor(s) = 1.1;
    } else {
        CatalogueFile file(m, report);
        if (!file.search(topKey, strandEndMarker, strandFieldCount, keys)) {
            reportUnknownStrand(messages, topKey, keys);
            status = -1;
            return;
        }
        if (auto message = unsoundLine(file, topKey, strandRules, false)) {
            messages.push_back(*message);
            status = -1;
            return;
        }
        m.TopStrandDiameter(s) = file.value(2);
        m.TopStrandArea(s) = file.value(3);
        m.TopStrandBondFactor(s) = file.value(5);
        // A top designation of no strands ("0") asks no cover.
        if (m.TopStrandCount(s) > 0 && coverBroken(m.TopStrandDiameter(s))) return;
    }
    m.TopStrandAxisDistance(s) = m.BottomStrandAxisDistance(s);
}

}  // namespace

void ReadSlabAndStrandData(model::ProjectModel& m, runtime::Messages& messages, int16_t side, int16_t& status) {
    const int s = runtime::toIndex(side, 1, 2);
    // A query answered cleanly from this version of the catalogue before
    // takes that answer; any other is read from the file, and kept when the
    // read found everything without reporting a flawed line.
    std::optional<runtime::FileIdentity> version =
        runtime::findDataFile(m.DataFiles, m.DataPath, m.SlabFileName).version;
    if (!m.DataFiles) version.reset();
    // Whether there are top strands decides whether their cover is asked.
    const std::string query = m.BottomStrandType(s) + '\n' + m.SlabTypeName(s) + '\n' + m.TopStrandType(s) +
                              (m.TopStrandCount(s) > 0 ? "\n+" : "\n0");
    if (version) {
        if (const std::optional<SideRecord> kept = cleanReads(*m.DataFiles).find(*version, query)) {
            takeRecord(m, s, *kept);
            return;
        }
    }
    inputfile::ErrorLog errorLog(m.ErrorLogFolder(), m.DataFiles);
    int16_t readStatus = 0;
    readSide(m, messages, s, readStatus, errorLog);
    if (readStatus != 0) {
        status = readStatus;
        return;
    }
    if (version && errorLog.entryCount() == 0) cleanReads(*m.DataFiles).keep(*version, query, recordOf(m, s));
}

void ReadCatalogueLine(inputfile::DataLineReporting report, runtime::TextFileReader& file, int16_t& lineCounter,
                       int fieldCount, std::vector<double>& values, std::vector<std::string>& texts,
                       const std::vector<std::string>& defaults, int16_t& errorFlag) {
    report.tabsAreBlanks = true;
    report.keepTooLargeNumbers = true;
    inputfile::ReadDataLine(report, file, lineCounter, fieldCount, values, texts, defaults, errorFlag);
}

namespace {

// The first control character (other than a tab) of a line, as a problem
// naming its code; nothing for a line of text.
std::optional<inputfile::LineProblem> controlCharacterProblem(int line, std::string_view text) {
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if ((code >= 0x20 && code != 0x7F) || c == '\t') continue;
        const std::string n = std::to_string(code);
        return inputfile::LineProblem{line, "rivillä on ohjausmerkki (koodi " + n + ")",
                                      "the line holds a control character (code " + n + ")"};
    }
    return std::nullopt;
}

}  // namespace

std::optional<CatalogueLineFault> FindCatalogueLineFault(bool slabLine, int line, const std::vector<std::string>& fields,
                                                         std::string_view lineText) {
    const int last = slabLine ? slabFieldCount : strandFieldCount;
    if (fields.size() < static_cast<std::size_t>(last) + 2) throw runtime::RunTimeError(runtime::ErrSubscriptOutOfRange);
    if (fields[1].empty()) return std::nullopt;  // no key: no line of a type
    auto found = [&]() -> std::optional<CatalogueLineFault> {
        for (int k = 2; k <= last; ++k) {
            const std::string fi = catalogueFieldName(slabLine, k, 0), en = catalogueFieldName(slabLine, k, 1);
            const std::string& text = fields[static_cast<std::size_t>(k)];
            const std::string n = std::to_string(k);
            if (text.empty())
                return CatalogueLineFault{
                    {line, "kenttä " + n + " (" + fi + ") puuttuu", "field " + n + " (" + en + ") is missing"}, true};
            if (auto problem = inputfile::NumberFieldProblem(line, k, text, fi, en)) return CatalogueLineFault{*problem};
        }
        if (auto problem = inputfile::LeftoverTextProblem(line, last, fields[static_cast<std::size_t>(last) + 1],
                                                          catalogueFieldName(slabLine, last, 0),
                                                          catalogueFieldName(slabLine, last, 1))) {
            // A number written with a decimal comma left a field over: it
            // is named where it stands.
            std::string blanks(lineText);
            std::replace(blanks.begin(), blanks.end(), '\t', ' ');
            if (auto cut = inputfile::FindDecimalCommaCut(blanks, last + 1))
                return CatalogueLineFault{inputfile::DecimalCommaProblem(line, *cut,
                                                                         catalogueFieldName(slabLine, cut->place, 0),
                                                                         catalogueFieldName(slabLine, cut->place, 1))};
            return CatalogueLineFault{*problem};
        }
        return std::nullopt;
    };
    std::optional<CatalogueLineFault> fault = found();
    if (fault && !fault->fieldMissing) {
        if (auto control = controlCharacterProblem(line, lineText.substr(0, lineText.find('/'))))
            fault->problem = *control;
    }
    return fault;
}

runtime::Message CatalogueLineMessage(const std::string& file, const std::string& key,
                                      const inputfile::LineProblem& problem) {
    const std::string line = std::to_string(problem.line);
    return {"*** VIRHE ***: Laattatiedoston " + file + " rivillä " + line + " tunnuksen " + key + " " +
                problem.finnish + "." + lineFeed + "Korjaa laattatiedoston rivi.",
            "*** ERROR ***: slab catalogue " + file + ", line " + line + ", " + key + ": " + problem.english + "." +
                lineFeed + "Correct the line of the slab catalogue."};
}

void CheckStrandDesignations(model::ProjectModel& m, runtime::Messages& messages, int16_t side, int16_t& status) {
    const int s = runtime::toIndex(side, 1, 2);
    const model::SlabSectionColumns section{
        static_cast<double>(m.SlabCoreCount(s)), m.SlabHeight(s),         m.SlabTopFlangeThickness(s),
        m.SlabCoreHeight(s),                     m.SlabDimensionHct(s),   m.SlabDimensionHv(s),
        m.SlabCoreWidth(s),                      m.SlabRecordValue8(s),   m.SlabUnitWidth(s),
        m.SlabWidthDeduction(s),                 m.SlabEdgeCoreDistance(s), m.BottomStrandAxisDistance(s),
        m.SlabSelfWeight(s)};
    struct Layer {
        model::StrandLayer layer;
        const std::string& code;
        model::StrandType type;
    } layers[] = {
        {model::StrandLayer::Bottom, m.BottomStrandCode(s), {m.BottomStrandType(s), m.BottomStrandDiameter(s)}},
        {model::StrandLayer::Top, m.TopStrandCode(s), {m.TopStrandType(s), m.TopStrandDiameter(s)}},
    };
    for (const Layer& l : layers) {
        const auto breach = model::strandDesignationBreach(l.code, l.layer, section, {l.type});
        if (!breach) continue;
        messages.push_back(designationMessage(s, l.layer, *breach));
        status = -1;
        return;
    }
}

}  // namespace quorvel::library
