#include "report/report_rows.h"

#include <cmath>
#include <cstdio>

#include "library/checked_math.h"
#include "report/report_headings.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quorvel::report {

using runtime::NumberKind;

std::string RowPrinter::text(const RowText& t) {
    if (t.isKey) return texts_.text(t.text);
    const int n = t.itemOf ? t.itemOf(m_) : t.item;
    if (n == 0 && !t.itemOf) return t.text;
    if (n == 0) return {};
    if (!headings_) throw runtime::RunTimeError(runtime::ErrInvalidCall, "a heading item without the heading file");
    return (*headings_)(n);
}

void RowPrinter::print(const LabelRow& row) {
    if (row.condition && !row.condition(m_)) return;
    PrintLabelValueLine(file_, text(row.label), text(row.symbol), text(row.unit), row.value(m_), row.format.width,
                        row.format.decimals, row.format.round, row.c1, row.c2, row.c3, row.c4,
                        row.endLine ? 1 : 0);
}

void RowPrinter::print(const SideRow& row, int16_t selector) {
    const Value left = selector == 2 ? Value() : row.value(m_, 1);
    const Value right = selector == 1 ? Value() : row.value(m_, 2);
    PrintSideValuesLine(file_, selector, text(row.label), text(row.symbol), text(row.unit), left, right,
                        row.format.width, row.format.decimals, row.format.round, row.c1, row.c2, row.c3, row.c3b,
                        row.c4, row.endLine ? 1 : 0);
}

void RowPrinter::blankLine(int n) {
    if (file_.column() > 1) file_.endLine();
    file_.line(std::string(static_cast<std::size_t>(n), ' '));
}

namespace {

Value ofKind(double x, const Value& a, const Value& b) {
    const bool anyDouble = a.kind() == NumberKind::Double || b.kind() == NumberKind::Double;
    if (!anyDouble && (a.isSingle() || b.isSingle())) return Value::single(x);
    return Value(x);
}

}  // namespace

Value times(const Value& a, const Value& b) { return ofKind(a.number() * b.number(), a, b); }
Value plus(const Value& a, const Value& b) { return ofKind(a.number() + b.number(), a, b); }
Value minus(const Value& a, const Value& b) { return ofKind(a.number() - b.number(), a, b); }

Value dividedBy(const Value& a, const Value& b) {
    return ofKind(library::checkedQuotient(a.number(), b.number()), a, b);
}

std::string plainNumberText(const Value& v) {
    const double x = v.number();
    if (std::isnan(x)) throw runtime::RunTimeError(runtime::ErrInvalidCall, "a report number is not a number");
    if (std::isinf(x)) throw runtime::RunTimeError(runtime::ErrOverflow, "a report number is infinite");
    return runtime::numberText(x, v.kind());
}

namespace {

std::string twoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n % 100);
    return buf;
}

}  // namespace

std::string reportDate(const runtime::LocalDateTime& t) {
    char year[8];
    std::snprintf(year, sizeof year, "%04d", t.year % 10000);
    return twoDigits(t.day) + "-" + twoDigits(t.month) + "-" + year;
}

std::string reportTime(const runtime::LocalDateTime& t) {
    return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

}  // namespace quorvel::report
