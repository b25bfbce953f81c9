#pragma once
// Reads a project input file into the project model, with the company name
// of the data folder and a summary of the lines that were too short; for a
// calculation also with the corrections it needs of near-zero and missing
// values.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "inputfile/company_header.h"
#include "inputfile/data_line.h"
#include "model/project_model.h"
#include "runtime/messages.h"

namespace quorvel::inputfile {

// How a file is read. AsEntered: every value as the file holds it, so that
// a project saved again without an edit gives the same bytes. For a
// calculation (the work file read back): values the calculation cannot take
// are replaced (a gap or grout width below 0.001 by 0.001, a slab support
// length below 0.11 by 0.11, a bar prestress
// below 0.0011 by 1E-05, a topping below 0.001 mm by none, slab loads below
// 0.0011 by 0.0011, a safety factor of 0 by 1.2, a joint grade below 10 by
// 10, a missing quality class or reinforcement strength by its default).
enum class ReadMode { AsEntered, ForCalculation };

// Returns 0 when the file was read completely with no line flagged, -1 when
// it was read completely but lines were flagged (the summary is logged and
// added to messages after the messages of the flagged lines,
// firstErrorLine holds the first of them), or the number of the run-time
// error that stopped the read (no summary; firstErrorLine unchanged; the
// model holds what was read so far).
int16_t ReadInputDataFile(model::ProjectModel& m, runtime::Messages& messages, const std::string& fileName,
                          int16_t& firstErrorLine, ReadMode mode = ReadMode::ForCalculation);
// ReadInputDataFile of the bytes a file holds (the work file just written).
int16_t ReadInputDataBytes(model::ProjectModel& m, runtime::Messages& messages, std::string_view bytes,
                           int16_t& firstErrorLine, ReadMode mode = ReadMode::ForCalculation);

// Reads a project file the user opens, saying nothing: gives back what
// made it unfit to use (the first flagged line, the error that stopped the
// read, binary content or a file larger than any text file the program
// reads), or nothing when the file was read whole. The
// model then holds what was read, as the file holds it; the caller decides
// what stays of it. Every value is held to the limits of its field as the
// windows of the project's beam family hold it; those of the left slab side
// only when leftSideCarriesSlabs (a file does not say whether it is a
// middle beam). The strand designations are held to the slab catalogue
// loaded in m (findStrandProblem), and so is the strands' initial stress,
// when the file names the
// catalogue m names before the read. The beam section is not held to its
// family's rules here (model::beamSectionBreach): a file whose beam breaks
// one opens, to be mended in the beam dialog.
std::optional<LineProblem> ReadProjectFile(model::ProjectModel& m, const std::string& fileName,
                                           bool leftSideCarriesSlabs = false);
// ReadProjectFile of the bytes a file would hold.
std::optional<LineProblem> ReadProjectBytes(model::ProjectModel& m, std::string_view bytes,
                                            bool leftSideCarriesSlabs = false);

// The first character of a file an editor saved as UTF-8 (it starts with
// the byte-order mark) that the project file cannot hold: the read takes it
// as "?". Nothing for any other file, and when every character is held.
std::optional<LineProblem> FirstUnheldCharacter(const std::string& fileName);

// A steel strength field ("355", "S355", "S355J2"): the number after any
// prefix of letters and before an EN 10025 subgrade (JR, J0, J2, K2, N, NL,
// M, ML); NaN when that is no number ("S35x", "S", "[S460]"); an empty
// field 0.
double steelStrengthOf(const std::string& field);

}  // namespace quorvel::inputfile
