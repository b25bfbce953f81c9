#pragma once
// The data-line parser shared by every reader of the program's text data
// files (project input file, beam libraries, slab catalogue).
//
// A data line holds fields separated by blanks, commas and slashes; the
// caller asks for n fields. Arrays are indexed from 1 (element 0 unused):
// values(k) gets the leading number of field k, texts(k) the field as
// written (a caller that takes field k as a number holds texts(k) to
// runtime::fieldNumber, so that "2O" is never read as 2) and texts(n+1)
// the rest of the line behind field n; defaults(k) is
// what field k takes when the line does not give it. "/" ends the data of a
// line (what follows is a comment, missing fields take their defaults
// silently); two touching commas omit a field. A line that ends before n
// fields is reported (a message for the user and an entry of the error log),
// flagged, and completed from the defaults.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inputfile/error_log.h"
#include "runtime/messages.h"
#include "runtime/text_file.h"

namespace quorvel::inputfile {

// What is wrong with one line of a file, in words in both languages of
// the windows; line counts from 1 (0: the file as a whole). Text read from
// the file, which may be anything, appears only quoted (runtime::quotedText).
struct LineProblem {
    int line = 0;
    std::string finnish;
    std::string english;
    std::string field = {};  // the model field whose limits the value breaks; empty for other problems
    int element = 0;         // and its array element (0 for a plain field)
};

// The run-time error that stopped the read of a line, in words.
LineProblem ErrorProblem(int line, int errorNumber);

// A field of a line that should hold a number and holds the text it quotes:
// named by its place on the line (from 1) and by its name in each
// language, and said to want a decimal point when a comma in it comes
// before a digit ("3,60"); field and element name the model field for the
// caller.
LineProblem NotANumberProblem(int line, int place, std::string_view text, const std::string& finnishName,
                              const std::string& englishName, std::string_view field = {}, int element = 0);
// The same for a number beyond the double range ("1e400").
LineProblem TooLargeNumberProblem(int line, int place, std::string_view text, const std::string& finnishName,
                                  const std::string& englishName, std::string_view field = {}, int element = 0);
// The same for a field that holds a count or a class and holds a number
// that is not whole ("5.5" bars): it is named, never rounded.
LineProblem NotAWholeNumberProblem(int line, int place, std::string_view text, const std::string& finnishName,
                                   const std::string& englishName, std::string_view field = {}, int element = 0);
// What is wrong with a field that holds a count, a class or a flag, read
// whole as a number: what NumberFieldProblem names, or a number whose
// digits as written are not whole (NotAWholeNumberProblem), though the
// double it reads as may be ("2.0000000000000000001", "1e-400"); nothing
// for a whole number or an empty field.
std::optional<LineProblem> WholeNumberFieldProblem(int line, int place, std::string_view text,
                                                   const std::string& finnishName, const std::string& englishName,
                                                   std::string_view field = {}, int element = 0);
// A value read as a message names it: as the program writes the number,
// or, where the file writes it otherwise ("1e-999" read as 0, "0.5",
// "99999999999999999999"), the text as the file writes it, quoted.
std::string TypedValue(double value, std::string_view text);
// A value outside its field's limits (range as model::describeRange gives
// it), named with the field: "kentän N arvo V ei ole rajoissa (R)", "the
// value V of N is outside its limits (R)"; typedValue as TypedValue gives it.
LineProblem OutsideLimitsProblem(int line, const std::string& typedValue, const std::string& finnishName,
                                 const std::string& englishName, const std::string& range,
                                 std::string_view field = {}, int element = 0);

// What is wrong with a field read whole as a number (runtime::fieldNumber):
// a text that is no number or a number beyond the double range, named as
// above; nothing for a number or an empty field.
std::optional<LineProblem> NumberFieldProblem(int line, int place, std::string_view text,
                                              const std::string& finnishName, const std::string& englishName,
                                              std::string_view field = {}, int element = 0);

// Whether what a line holds after a field (texts(n+1) of the split) was
// plausibly cut from that field's number by a decimal comma: it begins
// with the comma and a digit ("480,5" leaves ",5"; "480 777" leaves "777",
// "480, 5" leaves " 5").
bool CutByDecimalComma(std::string_view rest);

// A number written with a decimal comma among the first fieldCount - 1
// fields of a line: the comma split it into two fields, so that the line
// holds text after its last field. place is the field the comma ended (from
// 1), text the number as written ("600,5" of "SUORA 2 0 2 600,5 480");
// nothing when no field that is a number ends at a comma before a digit
// ("P27,5" is none). A comma
// after the last field leaves its own text over (LeftoverTextProblem).
struct DecimalCommaCut {
    int place;
    std::string text;
};
std::optional<DecimalCommaCut> FindDecimalCommaCut(const std::string& line, int fieldCount);
// The field a decimal comma cut, named with the number as written and
// said to want a decimal point.
LineProblem DecimalCommaProblem(int line, const DecimalCommaCut& cut, const std::string& finnishName,
                                const std::string& englishName, std::string_view field = {}, int element = 0);

// What a line holds after its last field (rest: texts(n+1) of the split),
// named with the line, the field it follows (its place on the line, from
// 1, and its name in each language) and the text: nothing when the line
// ends after that field, or with "/" and a comment. A number written with
// a decimal comma ("480,5") splits into two fields: what it leaves over is
// named, never dropped, and then said to want a decimal point. field and
// element name the model field of the field it follows for the caller.
std::optional<LineProblem> LeftoverTextProblem(int line, int place, std::string_view rest,
                                               const std::string& finnishName, const std::string& englishName,
                                               std::string_view field = {}, int element = 0);

// What a message about the fields of a line adds when the line holds a
// tab, which separates no fields (unless tabsAreBlanks): a field and the
// one after it read as one ("SUORA<tab>2"). Empty texts for a line
// without a tab.
runtime::Message TabNote(std::string_view line);

// Where a short line is reported: as a message for the user in messages,
// or, when problems is set, as an entry of that list (the reader then says
// in one message what stopped it). The error log gets the entry either way.
struct DataLineReporting {
    ErrorLog& errorLog;
    runtime::Messages* messages = nullptr;
    std::vector<LineProblem>* problems = nullptr;
    // A number beyond the double range ("1e400") is kept as its text, with
    // the value NaN, for the caller to name with its field
    // (NumberFieldProblem); unset, it stops the split with error 6.
    bool keepTooLargeNumbers = false;
    // A tab between fields stands for a blank (the slab catalogue's lines),
    // in ReadDataLine and ParseDataFields; unset, a tab is part of its field.
    bool tabsAreBlanks = false;
};

// Reads the next line of file and splits it. lineCounter is increased before
// the line is read (also when the read then fails). errorFlag is 1 when the
// line ended before fieldCount fields, else 0. Reading past the end raises
// error 62; a counter beyond 32767 raises 6; values with fewer than
// fieldCount + 1 elements, texts with fewer than fieldCount + 2 or defaults
// lacking a needed element raise 9.
void ReadDataLine(DataLineReporting& report, runtime::TextFileReader& file, int16_t& lineCounter,
                  int fieldCount, std::vector<double>& values, std::vector<std::string>& texts,
                  const std::vector<std::string>& defaults, int16_t& errorFlag);

// Splits a text the caller already holds (typically texts(n+1) of an earlier
// call); its short-line message carries no line number (a recorded problem
// has line 0; the caller knows the line).
void ParseDataFields(DataLineReporting& report, int fieldCount, const std::string& lineText,
                     std::vector<double>& values, std::vector<std::string>& texts,
                     const std::vector<std::string>& defaults, int16_t& errorFlag);

}  // namespace quorvel::inputfile
