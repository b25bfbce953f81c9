#pragma once
// Report rows as tables: each row names its label, symbol and unit (a
// report text key or a fixed text), where its value comes from, its number
// format, its columns and whether it ends its line. One printer reads them,
// so a block of alike rows is a table rather than a run of calls.

#include <cstdint>
#include <span>
#include <string>

#include "model/project_model.h"
#include "report/report_lines.h"
#include "report/report_texts.h"
#include "runtime/value.h"

namespace quorvel::report {

using runtime::Value;
using model::ProjectModel;

class ReportHeadings;

// A text of a row: the number of a report text key ("14" for resultText14),
// a fixed text printed as it stands, or an item of the heading file (a
// fixed one, or the one the model chooses; 0 for none).
struct RowText {
    const char* text = "";
    bool isKey = false;
    int item = 0;
    int (*itemOf)(const ProjectModel&) = nullptr;
};
constexpr RowText key(const char* number) { return {number, true}; }
constexpr RowText fixed(const char* text) { return {text, false}; }
constexpr RowText item(int number) { return {"", false, number}; }
constexpr RowText itemOf(int (*choose)(const ProjectModel&)) { return {"", false, 0, choose}; }
inline constexpr RowText none{};

// FormatFixed's width, decimals and rounding flag.
struct NumberFormat {
    int16_t width;
    int16_t decimals;
    int16_t round;
};

// Label, symbol, value at c3 (" = " at c3 - 3), unit; printed only where
// its condition (if any) holds.
struct LabelRow {
    RowText label;
    RowText symbol;
    RowText unit;
    Value (*value)(const ProjectModel&);
    NumberFormat format;
    int c1, c2, c3, c4;
    bool endLine;
    bool (*condition)(const ProjectModel&) = nullptr;
};

// The same with a value for each slab field: left at c3, right at c3b.
struct SideRow {
    RowText label;
    RowText symbol;
    RowText unit;
    Value (*value)(const ProjectModel&, int side);
    NumberFormat format;
    int c1, c2, c3, c3b, c4;
    bool endLine;
};

// Prints rows into the report file with texts from the language file.
class RowPrinter {
public:
    RowPrinter(const ProjectModel& m, ReportFile& file, ReportLanguageFile& texts,
               const ReportHeadings* headings = nullptr)
        : m_(m), file_(file), texts_(texts), headings_(headings) {}

    // The text of a key, a fixed text, or a heading item (only for a
    // printer given the heading file).
    std::string text(const RowText& t);
    std::string text(const char* keyNumber) { return texts_.text(keyNumber); }

    void print(const LabelRow& row);
    // Only the values of the sides the selector shows are formed.
    void print(const SideRow& row, int16_t selector);
    void print(std::span<const LabelRow> rows) {
        for (const LabelRow& r : rows) print(r);
    }
    void print(std::span<const SideRow> rows, int16_t selector) {
        for (const SideRow& r : rows) print(r, selector);
    }

    ReportFile& file() { return file_; }
    const ProjectModel& model() const { return m_; }

    // A line holding only text.
    void line(const std::string& s) { file_.line(s); }
    // A line holding the text of a key.
    void keyLine(const char* keyNumber) { file_.line(text(keyNumber)); }
    // A line of n blanks (n = 0: an empty line); an open line is ended
    // first.
    void blankLine(int n);

private:
    const ProjectModel& m_;
    ReportFile& file_;
    ReportLanguageFile& texts_;
    const ReportHeadings* headings_;
};

// Arithmetic of report values that keeps their precision as the model's
// values have it: the result is a single when neither operand is a double
// and one is a single, otherwise a double (an empty value counts as an
// integer 0). The precision decides the digits the number is printed from.
Value times(const Value& a, const Value& b);
Value plus(const Value& a, const Value& b);
Value minus(const Value& a, const Value& b);
// A zero divisor raises run-time error 11, a divisor that is not a number 5.
Value dividedBy(const Value& a, const Value& b);

// The shortest decimal text of a number without leading blank ("355"); a
// value that is not a finite number raises 5 or 6 as FormatFixed does.
std::string plainNumberText(const Value& v);

// dd-mm-yyyy and hh:mm:ss of the program's clock.
std::string reportDate(const runtime::LocalDateTime& t);
std::string reportTime(const runtime::LocalDateTime& t);

}  // namespace quorvel::report
