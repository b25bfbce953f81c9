#pragma once
// Slab and strand data of one calculation: the strand designation split into
// a count and a strand type key, and the slab type and strands of one side
// looked up in the slab catalogue and copied into the model's per-side slab
// fields.
//
// The catalogue (DataPath & SlabFileName) holds part A, the strand lines
// (key, diameter, area, strength, bond factor, modulus), ended by the line
// whose first field is "LOPPU1"; then a heading line and part B, the slab
// lines (17 fields, see ReadSlabAndStrandData), ended by "LOPPU". Lines are
// split by the data-line parser of the input files, a tab standing for a
// blank (ReadCatalogueLine). When several lines carry one key, the last
// one is read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inputfile/data_line.h"
#include "model/project_model.h"
#include "runtime/messages.h"
#include "runtime/value.h"

namespace quorvel::library {

// Splits a strand designation: an empty code gives key "" and count 0;
// otherwise key is "0" when the last character is a digit, else that
// character, and count is the number the code starts with ("12S" gives "S"
// and 12, "8" gives "0" and 8). The key is a whole character of the UTF-8
// text ("6Ä" gives "Ä" and 6).
void TrimIdentifier(const std::string& code, std::string& key, runtime::Value& count);
// The same into a whole-number count (rounded, halves to even).
void TrimIdentifier(const std::string& code, std::string& key, int16_t& count);

// Reads the slab type SlabTypeName(side) and the strand types
// BottomStrandType(side) and TopStrandType(side) from the catalogue into the
// slab, section and strand fields of that side (CurrentFileNumber = 3).
//
// status is left unchanged on success. A slab type or strand key missing
// from the catalogue, or a slab line whose core geometry cannot be a core
// (a cap higher than half the core width), adds its message to messages and
// sets status to -1; the caller must treat that as a failed calculation. A
// short line of the catalogue adds its message and reads as zeros.
// Fields not read by then keep their earlier values. A missing catalogue
// raises 53, a part without its end line 62.
void ReadSlabAndStrandData(model::ProjectModel& m, runtime::Messages& messages, int16_t side, int16_t& status);

// The strand designations BottomStrandCode(side) and TopStrandCode(side)
// held to the strand types and the slab section that ReadSlabAndStrandData
// has just read for the side (model::strandDesignationBreach): a
// designation outside them (a count that is not whole, below its least or
// above what one layer of the unit holds) adds its message in both languages, naming the
// side's field, and sets status to -1. status is left unchanged otherwise.
void CheckStrandDesignations(model::ProjectModel& m, runtime::Messages& messages, int16_t side, int16_t& status);

// Reads the next line of the slab catalogue as every reader of it does (the
// start-up's list of slab types, which the windows offer, and each
// calculation): inputfile::ReadDataLine with a tab between fields standing
// for a blank, a number beyond the double range kept as its text (value
// NaN) for FindCatalogueLineFault to name.
void ReadCatalogueLine(inputfile::DataLineReporting report, runtime::TextFileReader& file, int16_t& lineCounter,
                       int fieldCount, std::vector<double>& values, std::vector<std::string>& texts,
                       const std::vector<std::string>& defaults, int16_t& errorFlag);

// What the start-up and every calculation find wrong with a line of the
// catalogue (line: its number in the file) before any of its values is
// taken, judged on the fields ReadCatalogueLine split it into (fields: its
// texts, read as a line of 17 fields for a slab line, 6 for a strand line;
// a comma, blanks, tabs and "/" separate them as in every data file): a
// field read as a number (2..6 of a strand line, 2..17 of a slab line) that
// the line ends before or two touching commas omit (fieldMissing), that
// holds no number (inputfile::NumberFieldProblem) or one beyond the double
// range, or text after the last of them (inputfile::LeftoverTextProblem).
// The line as it stands (lineText) is looked at only to name what the
// split cannot: a number written with a decimal comma, which the split
// cut into two fields ("3,60" reads as 3 and a field 60, and the line then
// holds a field too many), and a control character in a faulty field or
// after the last one, which a quote would show as nothing or a blank.
// Nothing for a sound line.
struct CatalogueLineFault {
    inputfile::LineProblem problem;
    bool fieldMissing = false;
};
std::optional<CatalogueLineFault> FindCatalogueLineFault(bool slabLine, int line, const std::vector<std::string>& fields,
                                                         std::string_view lineText);

// The message naming the problem of a line of the catalogue file (its path),
// the line's key among it, as the start-up and the calculation show it.
runtime::Message CatalogueLineMessage(const std::string& file, const std::string& key,
                                      const inputfile::LineProblem& problem);

}  // namespace quorvel::library
