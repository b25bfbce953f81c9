#pragma once
// Inside the result half of the report: where each row takes its words and
// numbers from, and the writer that prints the row tables of its blocks.

#include <cstdint>
#include <string>

#include "model/project_model.h"
#include "report/report_headings.h"
#include "report/report_lines.h"
#include "report/report_texts.h"
#include "runtime/value.h"

namespace quorvel::report::resulthalf {

using model::ProjectModel;
using runtime::Value;

// A word of a row: nothing, a heading item, a report language key
// ("resultText" and its number), a fixed text, or the heading item that the
// model chooses (0 for none).
struct Words {
    enum class Source : uint8_t { None, Item, Key, Fixed, ItemOfModel };
    Source source = Source::None;
    int number = 0;
    const char* fixed = "";
    int (*itemOf)(const model::ProjectModel&) = nullptr;
};
constexpr Words none() { return {}; }
constexpr Words item(int n) { return {Words::Source::Item, n, "", nullptr}; }
constexpr Words key(int n) { return {Words::Source::Key, n, "", nullptr}; }
constexpr Words fixed(const char* s) { return {Words::Source::Fixed, 0, s, nullptr}; }
constexpr Words itemOf(int (*f)(const model::ProjectModel&)) { return {Words::Source::ItemOfModel, 0, "", f}; }

// Arguments of FormatFixed: integer width, decimals, rounding flag.
struct Format {
    int16_t width;
    int16_t decimals;
    int16_t roundFlag;
};

using ScalarOf = Value (*)(const ProjectModel&);
using SideOf = Value (*)(const ProjectModel&, int side);
using Condition = bool (*)(const ProjectModel&);

// A row of PrintLabelValueLine: text at c1, symbol at c2, value at c3,
// unit at c4.
struct LabelRow {
    Words text;
    Words symbol;
    const char* unit;
    ScalarOf value;
    Format format;
    int c1, c2, c3, c4;
    bool open = false;              // leaves the line open for the next item
    Condition condition = nullptr;  // none: always
};

// A row of PrintSideValuesLine: left value at c3, right value at c4, unit
// at c5.
struct SideRow {
    Words text;
    Words symbol;
    const char* unit;
    SideOf value;
    Format format;
    int c1, c2, c3, c4, c5;
};

// The open report, its two text sources and the side selector of one run.
class ResultHalf {
public:
    ResultHalf(ProjectModel& m, ReportFile& file, const ReportHeadings& headings, ReportLanguageFile& language);

    ProjectModel& m;
    ReportFile& file;

    std::string word(const Words& w);
    const std::string& heading(int n) const { return headings_(n); }
    std::string text(int keyNumber) { return word(key(keyNumber)); }

    // 2 when only the right slab field carries slabs, 1 when only the left
    // one does, 0 for both.
    int16_t selector() const { return selector_; }
    bool sidePresent(int side) const { return m.SlabSidePresent(side) > 0; }
    // The side word of heading items 39 (left) and 40 (right).
    const std::string& sideWord(int side) const { return headings_(side == 1 ? 39 : 40); }

    // endLine 1 ends the line, any other value leaves it open.
    void print(const LabelRow& row) { print(row, row.open ? 0 : 1); }
    void print(const LabelRow& row, int16_t endLine);
    void print(const SideRow& row, int16_t endLine = 1);
    void printIf(const LabelRow& row) {
        if (!row.condition || row.condition(m)) print(row);
    }
    // Every row of a table whose condition holds, each on its own line.
    template <std::size_t N>
    void printAll(const LabelRow (&rows)[N]) {
        for (const LabelRow& row : rows) printIf(row);
    }
    template <std::size_t N>
    void printAll(const SideRow (&rows)[N]) {
        for (const SideRow& row : rows) print(row);
    }

    void emptyLine() { file.endLine(); }
    void line(const std::string& s) { file.line(s); }

private:
    const ReportHeadings& headings_;
    ReportLanguageFile& language_;
    int16_t selector_;
};

// The first or last count characters of a text (letters such as "ä" are
// one character, as in the report file).
std::string leadingCharacters(const std::string& s, std::size_t count);
std::string trailingCharacters(const std::string& s, std::size_t count);

// The blocks of the half, in the order they are written.
void writeSectionTables(ResultHalf& r);  // bearing widths, part tables, stiffness, part groups
void writeBeamResults(ResultHalf& r);    // moments, solved section, deflections, strains
void writeSlabResults(ResultHalf& r);    // slab bending, shear, joint, topping, beam shear, webs, core filling
void writeWarnings(ResultHalf& r);       // principal stress, reserves, beam and slab tension warnings

// The side that governs a slab result: the only side that carries slabs,
// otherwise the left side when its value is strictly larger, else the right.
int governingSide(int16_t selector, double left, double right);

}  // namespace quorvel::report::resulthalf
