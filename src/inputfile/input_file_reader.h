#pragma once
// Reads a project input file into the project model, with the corrections
// of old or incomplete values, the company name of the data folder, and a
// summary of the lines that were too short.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "inputfile/data_line.h"
#include "model/project_model.h"
#include "platform/platform.h"

namespace quorvel::inputfile {

// Returns 0 when the file was read completely with no line flagged, -1 when
// it was read completely but lines were flagged (the summary message has
// been shown and logged, firstErrorLine holds the first of them), or the
// number of the run-time error that stopped the read (no summary;
// firstErrorLine unchanged; the model holds what was read so far).
int16_t ReadInputDataFile(model::ProjectModel& m, platform::Platform& ui, const std::string& fileName,
                          int16_t& firstErrorLine);
// ReadInputDataFile of the bytes a file holds (the work file just written).
int16_t ReadInputDataBytes(model::ProjectModel& m, platform::Platform& ui, std::string_view bytes,
                           int16_t& firstErrorLine);

// Reads a project file the user opens, showing nothing: gives back what
// made it unfit to use (the first flagged line, the error that stopped the
// read, or binary content), or nothing when the file was read whole. The
// model then holds what was read; the caller decides what stays of it.
// Every value is held to the limits of its field; those of the left slab
// side only when leftSideCarriesSlabs (a file does not say whether it is
// a middle beam).
std::optional<LineProblem> ReadProjectFile(model::ProjectModel& m, platform::Platform& ui,
                                           const std::string& fileName, bool leftSideCarriesSlabs = false);
// ReadProjectFile of the bytes a file would hold.
std::optional<LineProblem> ReadProjectBytes(model::ProjectModel& m, platform::Platform& ui,
                                            std::string_view bytes, bool leftSideCarriesSlabs = false);

// Puts back the fields whose read value this reader corrects (a gap or
// grout width below 0.001, a bar prestress near zero, a missing topping,
// slab loads below 0.0011, a zero safety factor, a joint grade below 10,
// the BESUPER infill taken from the joint) as they stand in entered. A
// calculation reads its work file with the corrections and gives the
// entries back afterwards.
void RestoreCorrectedFields(model::ProjectModel& m, const model::ProjectInputFields& entered);

// The first item of the company header file: the text up to the first comma
// or the end of the first line, without enclosing double quotes. Raises 53
// when the file does not exist. What was read is kept in files, when given.
std::string ReadCompanyName(const std::string& dataPath, runtime::DataFileCache* files = nullptr);

// A steel strength field ("S355", "[S460]", "1000"): the whole number after
// any letter prefix.
double steelStrengthOf(const std::string& field);

}  // namespace quorvel::inputfile
