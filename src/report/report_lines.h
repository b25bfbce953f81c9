#pragma once
// The report file and its line printers.
//
// The text report is one fixed-column text file. Every line is built from
// items written one after another; an item may first move to an output
// column (columns count from 1):
//   - before the column: blanks up to it;
//   - at the column: nothing;
//   - past the column: the line ends and the next one starts with blanks up
//     to the column.
// A column below 1 counts as 1. Nothing wraps by itself: a line ends only
// where a printer ends it or a column move forces it. A forced move to a
// column right of column 1 means that the item before was wider than its
// room; the file counts such moves so that tests can show that no row of
// the report spills onto a line of its own.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/text_file.h"
#include "runtime/value.h"

namespace quorvel::report {

// The widest line of the report (characters): the widest rows are the
// shear-flow rows of the governing joint. Printing fits this width.
constexpr int ReportWidth = 90;

// The report file: Windows-1252 text with CR LF line ends. It is written to
// a temporary file in the same folder and renamed over the target when it
// is closed, so an old report under that name stays whole until the new one
// is complete on disk. A file destroyed without close() leaves the target
// as it was.
class ReportFile {
public:
    // Opens the file for output; raises the run-time error of the failure
    // (76 for a missing folder, 75 when it cannot be written); a save's
    // check as the writer takes it (runtime::SaveCheck).
    explicit ReportFile(const std::string& path, runtime::SaveCheck* check = nullptr);
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    // The column move described above; the one place of that rule.
    ReportFile& moveTo(int column);
    // A number or a unit at the column: where the item before it ends right
    // at the column, one blank keeps the two apart.
    ReportFile& textApartAt(int column, std::string_view s);
    // Text as it stands at the current position.
    ReportFile& text(std::string_view s);
    // On to the next print zone (zones start at columns 1, 15, 29, ...).
    ReportFile& nextZone();
    ReportFile& endLine();
    // Text, then the line end.
    ReportFile& line(std::string_view s) { return text(s).endLine(); }

    // The column the next item starts at.
    int column() const { return writer_->column(); }
    // Column moves to a column right of column 1 that had to end the line.
    int forcedLineBreaks() const { return forcedLineBreaks_; }

    bool isOpen() const { return open_; }
    // Writes the file to its place; closing a closed file does nothing.
    // Raises the run-time error of a failed write.
    void close();

private:
    std::unique_ptr<runtime::TextFileWriter> writer_;
    bool open_ = true;
    int forcedLineBreaks_ = 0;
    bool afterBlank_ = true;  // the line is empty or its last character a blank
};

// One report item: at column c1 the text, at c2 the symbol, " = " at
// c3 - 3, the value at c3 (FormatFixed with width, decimals and roundFlag),
// the unit at c4. The line ends only when endLine is 1. A symbol that
// reaches column c3 - 3 pushes " = " and what follows onto the next line.
// Raises what FormatFixed raises (5 or 6 for a value that is not a finite
// number) before anything of the item is written.
void PrintLabelValueLine(ReportFile& file, const std::string& text, const std::string& symbol,
                         const std::string& unit, const runtime::Value& value, int16_t width, int16_t decimals,
                         int16_t roundFlag, int c1, int c2, int c3, int c4, int16_t endLine);

// The same with one value for each slab field: the left value at c3, the
// right value at c4, the unit at c5. selector 1 prints the left value only,
// 2 the right value only (still at c4, with " = " where both values would
// have it, so a one-sided report keeps the two-column layout), any other
// value both. A value the selector leaves out is not formatted.
void PrintSideValuesLine(ReportFile& file, int16_t selector, const std::string& text, const std::string& symbol,
                         const std::string& unit, const runtime::Value& leftValue,
                         const runtime::Value& rightValue, int16_t width, int16_t decimals, int16_t roundFlag,
                         int c1, int c2, int c3, int c4, int c5, int16_t endLine);

}  // namespace quorvel::report
