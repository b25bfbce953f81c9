#include "inputfile/data_line.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quorvel::inputfile {

using runtime::ErrInvalidCall;
using runtime::ErrOverflow;
using runtime::ErrSubscriptOutOfRange;
using runtime::NumberKind;
using runtime::RunTimeError;

namespace {

bool isSeparator(char c) { return c == ' ' || c == ',' || c == '/'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string num(int n) { return runtime::numberStr(n, NumberKind::Integer); }

const std::string& defaultOf(const std::vector<std::string>& defaults, int k) {
    if (k < 0 || static_cast<std::size_t>(k) >= defaults.size()) throw RunTimeError(ErrSubscriptOutOfRange);
    return defaults[static_cast<std::size_t>(k)];
}

// Splits line into fieldCount fields. Returns the number of fields found when
// the line ended before fieldCount of them (the caller reports it), or
// nothing when the line gave them all or its data ended at a "/".
std::optional<int> splitFields(int fieldCount, const std::string& line, std::vector<double>& values,
                               std::vector<std::string>& texts,
                               const std::vector<std::string>& defaults, bool keepTooLarge) {
    if (fieldCount < 0) throw RunTimeError(ErrInvalidCall);
    const auto n = static_cast<std::size_t>(fieldCount);
    if (values.size() < n + 1 || texts.size() < n + 2) throw RunTimeError(ErrSubscriptOutOfRange);

    auto store = [&](std::size_t k, const std::string& field) {
        texts[k] = field;
        try {
            values[k] = runtime::scanNumber(field);
        } catch (const RunTimeError& e) {
            if (!keepTooLarge || e.number() != ErrOverflow) throw;
            values[k] = std::nan("");
        }
    };

    // Positions count from 1 as in the line; position L + 1 is a blank.
    const std::size_t length = line.size();
    std::size_t k = 0;  // fields taken
    std::size_t p = 0;  // position of the last separator seen
    std::size_t q = 0;  // where the last step of the scan began
    bool complete = false;
    bool endedAtSlash = false;
    for (std::size_t i = 1; i <= length + 1; ++i) {
        q = i;
        if (k == n) {
            complete = true;
            break;
        }
        const char c = i == length + 1 ? ' ' : line[i - 1];
        if (!isSeparator(c)) continue;
        std::string field = line.substr(p, i - 1 - p);
        p = i;
        if (field.empty()) {
            if (c == ' ') continue;
            if (c == ',') {
                // Only a comma that touches the one before it omits a field;
                // a comma after a blank or in the first column ends nothing.
                if (i >= 2 && line[i - 2] == ',') {
                    ++k;
                    store(k, defaultOf(defaults, static_cast<int>(k)));
                }
                continue;
            }
            endedAtSlash = true;  // "/" with nothing before it
            break;
        }
        ++k;
        store(k, field);
        if (c == '/') {
            endedAtSlash = true;
            break;
        }
    }

    std::optional<int> shortBy;
    if (!complete) {
        if (!endedAtSlash && k < n) shortBy = static_cast<int>(k);
        for (std::size_t j = k + 1; j <= n; ++j) store(j, defaultOf(defaults, static_cast<int>(j)));
    }
    // What follows the last field. A comma that ended it right before a
    // digit stays in front ("480,5" leaves ",5"), so that what is left over
    // shows a decimal comma that cut the number; a later split of this text
    // passes over a comma in its first column as over any.
    std::size_t from = q - 1;
    if (complete && from >= 1 && from < length && line[from - 1] == ',' && isDigit(line[from])) --from;
    texts[n + 1] = q <= length ? line.substr(from) : std::string();
    return shortBy;
}

// A line (lineText; lineNumber 0 when the caller knows the line) that ended
// after found of the needed fields.
void reportShortLine(DataLineReporting& report, const std::string& lineText, int lineNumber, int found,
                     int needed) {
    const runtime::Message tab = TabNote(lineText);
    const std::string finnish = lineText + "\r\n" + (lineNumber > 0 ? "Rivillä " + num(lineNumber) : "rivillä") +
                                " liian vähän lukuja: " + num(found) + " < " + num(needed) + tab.finnish;
    report.errorLog.write(finnish);
    if (report.problems) {
        report.problems->push_back({lineNumber, "rivillä on liian vähän lukuja: " + std::to_string(found) +
                                                    ", tarvitaan " + std::to_string(needed) + tab.finnish,
                                    "the line holds too few numbers: " + std::to_string(found) + " of " +
                                        std::to_string(needed) + tab.english});
        return;
    }
    if (report.messages)
        report.messages->push_back(
            {finnish, lineText + "\r\n" +
                          (lineNumber > 0 ? "Line " + std::to_string(lineNumber) + " holds" : "The line holds") +
                          " too few numbers: " + std::to_string(found) + " < " + std::to_string(needed) +
                          tab.english});
}

// The line as it is split: tabs as blanks where the reader takes them so.
std::string withBlanks(const DataLineReporting& report, std::string line) {
    if (report.tabsAreBlanks) std::replace(line.begin(), line.end(), '\t', ' ');
    return line;
}

}  // namespace

LineProblem ErrorProblem(int line, int errorNumber) {
    switch (errorNumber) {
    case runtime::ErrInputPastEndOfFile:
        return {line, "tiedosto loppuu kesken: tämä rivi puuttuu", "the file ends too early: this line is missing"};
    case runtime::ErrOverflow:
        return {line, "luku on liian suuri", "a number is too large"};
    case runtime::ErrFileNotFound:
        return {line, "tiedosto, jonka rivi nimeää, puuttuu", "a file named on the line is missing"};
    default:
        return {line, "rivin tietoja ei voi lukea (virhe " + std::to_string(errorNumber) + ")",
                "the line cannot be read (error " + std::to_string(errorNumber) + ")"};
    }
}

namespace {

LineProblem fieldProblem(int line, int place, std::string_view text, const std::string& finnishName,
                         const std::string& englishName, std::string_view field, int element,
                         const std::string& finnishWhat, const std::string& englishWhat) {
    const std::string quoted = runtime::quotedText(text);
    const std::string n = std::to_string(place);
    return {line, "kenttä " + n + " (" + finnishName + ") " + quoted + " ei ole " + finnishWhat,
            "field " + n + " (" + englishName + ") " + quoted + " is not " + englishWhat, std::string(field), element};
}

}  // namespace

LineProblem NotANumberProblem(int line, int place, std::string_view text, const std::string& finnishName,
                              const std::string& englishName, std::string_view field, int element) {
    // A comma before a digit ("3,60") was meant as a decimal mark.
    const std::size_t comma = text.find(',');
    const bool decimalComma = comma != std::string_view::npos && CutByDecimalComma(text.substr(comma));
    return fieldProblem(line, place, text, finnishName, englishName, field, element,
                        decimalComma ? "luku (desimaalierotin on piste)" : "luku",
                        decimalComma ? "a number (the decimal mark is a point)" : "a number");
}

LineProblem TooLargeNumberProblem(int line, int place, std::string_view text, const std::string& finnishName,
                                  const std::string& englishName, std::string_view field, int element) {
    return fieldProblem(line, place, text, finnishName, englishName, field, element, "käytettävä luku (liian suuri)",
                        "a usable number (too large)");
}

std::optional<LineProblem> NumberFieldProblem(int line, int place, std::string_view text,
                                              const std::string& finnishName, const std::string& englishName,
                                              std::string_view field, int element) {
    if (text.empty()) return std::nullopt;
    try {
        if (runtime::fieldNumber(text)) return std::nullopt;
    } catch (const RunTimeError& e) {
        if (e.number() != ErrOverflow) throw;
        return TooLargeNumberProblem(line, place, text, finnishName, englishName, field, element);
    }
    return NotANumberProblem(line, place, text, finnishName, englishName, field, element);
}

LineProblem NotAWholeNumberProblem(int line, int place, std::string_view text, const std::string& finnishName,
                                   const std::string& englishName, std::string_view field, int element) {
    return fieldProblem(line, place, text, finnishName, englishName, field, element, "kokonaisluku",
                        "a whole number");
}

namespace {

// Whether a number's text (as runtime::fieldNumber takes it: a sign,
// digits with one decimal mark, an exponent) writes a whole number, judged
// on its digits, not on the double it reads as: "2.0000000000000000001"
// and "1e-400" are not whole though they read as 2 and 0; "2.0", "20e-1"
// and "0e-400" are.
bool wholeAsWritten(std::string_view text) {
    std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    std::string digits;
    long long fractionDigits = 0;
    bool mark = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += c;
            if (mark) ++fractionDigits;
        } else if ((c == '.' || c == ',') && !mark) {
            mark = true;
        } else {
            break;
        }
    }
    long long exponent = 0;
    if (i < text.size()) {
        ++i;  // the exponent letter
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        // Held short of overflow: any exponent this large decides alone.
        for (; i < text.size(); ++i) exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
        if (negative) exponent = -exponent;
    }
    // The value is digits x 10^(exponent - fractionDigits); zeros at the
    // end of the digits raise the power.
    const std::size_t last = digits.find_last_not_of('0');
    if (last == std::string::npos) return true;  // zero
    const long long trailingZeros = static_cast<long long>(digits.size() - 1 - last);
    return exponent - fractionDigits + trailingZeros >= 0;
}

}  // namespace

std::optional<LineProblem> WholeNumberFieldProblem(int line, int place, std::string_view text,
                                                   const std::string& finnishName, const std::string& englishName,
                                                   std::string_view field, int element) {
    if (auto problem = NumberFieldProblem(line, place, text, finnishName, englishName, field, element)) return problem;
    if (!text.empty() && !wholeAsWritten(text))
        return NotAWholeNumberProblem(line, place, text, finnishName, englishName, field, element);
    return std::nullopt;
}

std::string TypedValue(double value, std::string_view text) {
    std::string number = runtime::numberStr(value, runtime::NumberKind::Double);
    number.erase(0, number.find_first_not_of(' '));
    return text.empty() || text == number ? number : runtime::quotedText(text);
}

LineProblem OutsideLimitsProblem(int line, const std::string& typedValue, const std::string& finnishName,
                                 const std::string& englishName, const std::string& range, std::string_view field,
                                 int element) {
    return {line, "kentän " + finnishName + " arvo " + typedValue + " ei ole rajoissa (" + range + ")",
            "the value " + typedValue + " of " + englishName + " is outside its limits (" + range + ")",
            std::string(field), element};
}

runtime::Message TabNote(std::string_view line) {
    if (line.find('\t') == std::string_view::npos) return {};
    return {" (rivillä on sarkain, joka ei erota kenttiä)", " (the line holds a tab, which separates no fields)"};
}

std::optional<DecimalCommaCut> FindDecimalCommaCut(const std::string& line, int fieldCount) {
    // Field k ended at a comma right before a digit when the rest of the
    // line after k fields keeps that comma in front (splitFields).
    std::vector<double> values(static_cast<std::size_t>(std::max(fieldCount, 1)) + 1);
    std::vector<std::string> texts(values.size() + 1);
    const std::vector<std::string> defaults(values.size());
    for (int k = 1; k < fieldCount; ++k) {
        if (splitFields(k, line, values, texts, defaults, true)) return std::nullopt;  // the line ends first
        const std::string& field = texts[static_cast<std::size_t>(k)];
        const std::string& rest = texts[static_cast<std::size_t>(k) + 1];
        if (CutByDecimalComma(rest) && !field.empty() && isDigit(field.back()) &&
            !NumberFieldProblem(0, k, field, "", ""))  // "P27,5" holds no number cut short
            return DecimalCommaCut{k, field + rest.substr(0, rest.find_first_of(" ,/", 1))};
    }
    return std::nullopt;
}

LineProblem DecimalCommaProblem(int line, const DecimalCommaCut& cut, const std::string& finnishName,
                                const std::string& englishName, std::string_view field, int element) {
    // The cut text holds the comma before a digit, so the problem names the
    // decimal point once.
    return NotANumberProblem(line, cut.place, cut.text, finnishName, englishName, field, element);
}

bool CutByDecimalComma(std::string_view rest) { return rest.size() >= 2 && rest[0] == ',' && isDigit(rest[1]); }

std::optional<LineProblem> LeftoverTextProblem(int line, int place, std::string_view rest,
                                               const std::string& finnishName, const std::string& englishName,
                                               std::string_view field, int element) {
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t' || rest.back() == '\r')) rest.remove_suffix(1);
    const std::size_t at = rest.find_first_not_of(" \t");
    if (at == std::string_view::npos || rest[at] == '/') return std::nullopt;
    const std::string quoted = runtime::quotedText(rest.substr(at));
    const std::string n = std::to_string(place);
    const bool one = place == 1;
    auto named = [](const std::string& name) { return name.empty() ? std::string() : " (" + name + ")"; };
    const bool comma = CutByDecimalComma(rest);
    return LineProblem{line,
                       "kentän " + n + named(finnishName) + " jälkeen on vielä " + quoted + ": rivillä on " + n +
                           (one ? " kenttä" : " kenttää") + (comma ? " (desimaalierotin on piste)" : ""),
                       "after field " + n + named(englishName) + " the line still holds " + quoted +
                           ": the line has " + n + (one ? " field" : " fields") +
                           (comma ? " (the decimal mark is a point)" : ""),
                       std::string(field), element};
}

void ReadDataLine(DataLineReporting& report, runtime::TextFileReader& file, int16_t& lineCounter,
                  int fieldCount, std::vector<double>& values, std::vector<std::string>& texts,
                  const std::vector<std::string>& defaults, int16_t& errorFlag) {
    errorFlag = 0;
    if (lineCounter == INT16_MAX) throw RunTimeError(ErrOverflow);
    ++lineCounter;
    const std::string line = withBlanks(report, file.readLine());
    if (auto found = splitFields(fieldCount, line, values, texts, defaults, report.keepTooLargeNumbers)) {
        reportShortLine(report, line, lineCounter, *found, fieldCount);
        errorFlag = 1;
    }
}

void ParseDataFields(DataLineReporting& report, int fieldCount, const std::string& lineText,
                     std::vector<double>& values, std::vector<std::string>& texts,
                     const std::vector<std::string>& defaults, int16_t& errorFlag) {
    errorFlag = 0;
    const std::string line = withBlanks(report, lineText);
    if (auto found = splitFields(fieldCount, line, values, texts, defaults, report.keepTooLargeNumbers)) {
        reportShortLine(report, line, 0, *found, fieldCount);
        errorFlag = 1;
    }
}

}  // namespace quorvel::inputfile
