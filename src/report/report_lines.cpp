#include "report/report_lines.h"

#include <algorithm>

#include "report/format_fixed.h"

namespace quorvel::report {

ReportFile::ReportFile(const std::string& path, runtime::SaveCheck* check)
    : writer_(std::make_unique<runtime::TextFileWriter>(path, runtime::TextFileWriter::Mode::Replace, check)) {}

ReportFile& ReportFile::moveTo(int column) {
    column = std::max(column, 1);
    if (writer_->column() != column) afterBlank_ = true;
    if (writer_->column() > column && column > 1) ++forcedLineBreaks_;
    writer_->tab(column);
    return *this;
}

ReportFile& ReportFile::textApartAt(int column, std::string_view s) {
    moveTo(column);
    if (!afterBlank_ && !s.empty() && s.front() != ' ') text(" ");
    return text(s);
}

ReportFile& ReportFile::text(std::string_view s) {
    writer_->text(s);
    if (!s.empty()) afterBlank_ = s.back() == ' ';
    return *this;
}

ReportFile& ReportFile::nextZone() {
    writer_->nextZone();
    afterBlank_ = true;
    return *this;
}

ReportFile& ReportFile::endLine() {
    writer_->newLine();
    afterBlank_ = true;
    return *this;
}

void ReportFile::close() {
    if (!open_) return;
    open_ = false;
    writer_->close();
}

namespace {

// Text at c1, symbol at c2 and " = " at c3 - 3: the head every row shares.
void printHead(ReportFile& file, const std::string& text, const std::string& symbol, int c1, int c2, int c3) {
    file.moveTo(c1).text(text);
    file.moveTo(c2).text(symbol);
    file.moveTo(c3 - 3).text(" = ");
}

void finish(ReportFile& file, const std::string& unit, int unitColumn, int16_t endLine) {
    file.textApartAt(unitColumn, unit);
    if (endLine == 1) file.endLine();
}

}  // namespace

void PrintLabelValueLine(ReportFile& file, const std::string& text, const std::string& symbol,
                         const std::string& unit, const runtime::Value& value, int16_t width, int16_t decimals,
                         int16_t roundFlag, int c1, int c2, int c3, int c4, int16_t endLine) {
    const std::string number = FormatFixed(value, width, decimals, roundFlag);
    printHead(file, text, symbol, c1, c2, c3);
    file.textApartAt(c3, number);
    finish(file, unit, c4, endLine);
}

void PrintSideValuesLine(ReportFile& file, int16_t selector, const std::string& text, const std::string& symbol,
                         const std::string& unit, const runtime::Value& leftValue,
                         const runtime::Value& rightValue, int16_t width, int16_t decimals, int16_t roundFlag,
                         int c1, int c2, int c3, int c4, int c5, int16_t endLine) {
    // A value the selector leaves out is not formed: a side without slabs
    // may hold nothing printable.
    const std::string left = selector != 2 ? FormatFixed(leftValue, width, decimals, roundFlag) : "";
    const std::string right = selector != 1 ? FormatFixed(rightValue, width, decimals, roundFlag) : "";
    printHead(file, text, symbol, c1, c2, c3);
    if (selector != 2) file.textApartAt(c3, left);
    if (selector != 1) file.textApartAt(c4, right);
    finish(file, unit, c5, endLine);
}

}  // namespace quorvel::report
