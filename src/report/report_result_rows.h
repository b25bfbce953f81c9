#pragma once
// Inside the result half of the report: where each row takes its words and
// numbers from, and the writer that prints the row tables of its blocks.

#include <cstdint>
#include <span>
#include <string>

#include "model/project_model.h"
#include "report/report_headings.h"
#include "report/report_lines.h"
#include "report/report_rows.h"
#include "report/report_texts.h"
#include "runtime/value.h"

namespace quorvel::report::resulthalf {

using model::ProjectModel;
using runtime::Value;

using ScalarOf = Value (*)(const ProjectModel&);
using SideOf = Value (*)(const ProjectModel&, int side);
using Condition = bool (*)(const ProjectModel&);

// The rows of the half: text, symbol, fixed unit, value, format, columns;
// open leaves the line open for the next item.
constexpr LabelRow labelRow(RowText text, RowText symbol, const char* unit, ScalarOf value, NumberFormat format, int c1,
                            int c2, int c3, int c4, bool open = false, Condition condition = nullptr) {
    return {text, symbol, fixed(unit), value, format, c1, c2, c3, c4, !open, condition};
}
constexpr SideRow sideRow(RowText text, RowText symbol, const char* unit, SideOf value, NumberFormat format, int c1,
                          int c2, int c3, int c4, int c5, bool open = false) {
    return {text, symbol, fixed(unit), value, format, c1, c2, c3, c4, c5, !open};
}

// The open report, its two text sources and the side selector of one run.
class ResultHalf {
public:
    ResultHalf(ProjectModel& m, ReportFile& file, const ReportHeadings& headings, ReportLanguageFile& language);

    ProjectModel& m;
    ReportFile& file;

    const std::string& heading(int n) const { return headings_(n); }
    std::string text(int keyNumber) { return rows_.text(key(std::to_string(keyNumber).c_str())); }
    std::string text(const char* keyNumber) { return rows_.text(key(keyNumber)); }

    // 2 when only the right slab field carries slabs, 1 when only the left
    // one does, 0 for both.
    int16_t selector() const { return selector_; }
    bool sidePresent(int side) const { return m.SlabSidePresent(side) > 0; }
    // The side word of heading items 39 (left) and 40 (right).
    const std::string& sideWord(int side) const { return headings_(side == 1 ? 39 : 40); }

    void print(const LabelRow& row) { rows_.print(row); }
    void print(const SideRow& row) { rows_.print(row, selector_); }
    template <std::size_t N>
    void printAll(const LabelRow (&rows)[N]) {
        rows_.print(std::span<const LabelRow>(rows));
    }
    template <std::size_t N>
    void printAll(const SideRow (&rows)[N]) {
        rows_.print(std::span<const SideRow>(rows), selector_);
    }

    void emptyLine() { file.endLine(); }
    void line(const std::string& s) { file.line(s); }

private:
    const ReportHeadings& headings_;
    RowPrinter rows_;
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

// A line of the two slab widths a section is taken with (mm), under its
// label and symbol.
void writeSlabWidths(ResultHalf& r, const std::string& label, const char* symbol, double left, double right);

// The side that governs a slab result: the only side that carries slabs,
// otherwise the side whose ratio alone is negative (exceeded), else the left
// side when its value is strictly larger, else the right.
int governingSide(int16_t selector, double left, double right);

}  // namespace quorvel::report::resulthalf
