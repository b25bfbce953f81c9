#pragma once
// The beam section record: the beam's category, how the slabs bear on it
// and its section parameters, read from the input file or, when the project
// names a beam library, from the library entry of the beam type.

#include <cstdint>
#include <string>
#include <vector>

#include "inputfile/data_line.h"
#include "model/project_model.h"
#include "runtime/text_file.h"

namespace quorvel::inputfile {

// Reads the section record and stores it into the model by beam family.
// inputFile and lineCounter are those of the input file being read; the
// counter advances only when the record comes from the input file.
// errorFlag: 0 read; 1 a short line or parameter group, a type missing from
// the library or a parameter count outside 0..29; otherwise the number of
// the run-time error that stopped the read (a missing library 53, a library
// without its end line 62). typedTexts, when given, receives the record's
// category and ledge flag, then each parameter of the family (empty for
// one the record does not give) as the line writes them, for messages to
// quote.
void ReadBeamSection(model::ProjectModel& m, DataLineReporting& report, runtime::TextFileReader& inputFile,
                     int16_t& lineCounter, int16_t& errorFlag, std::vector<std::string>* typedTexts = nullptr);

// Whether the project names a beam library (its name without the extension
// is not "0").
bool namesBeamLibrary(const model::ProjectModel& m);

}  // namespace quorvel::inputfile
