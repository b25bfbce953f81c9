#pragma once
// Writes the whole input of a project as the line-oriented input file
// ("*.dat", and the work file of every calculation).

#include <cstdint>
#include <string>

#include "model/project_model.h"
#include "runtime/text_file.h"

namespace quorvel::inputfile {

// Writes the project to fileName (full path), replacing an existing file
// only when the whole file was written. Returns 0, or the number of the
// run-time error that stopped the write (the old file is then untouched).
// Also normalises the model as the file needs it: empty catalogue and
// library names get their defaults, the steel strengths of a single-strength
// section are copied, MaterialParameterCount becomes the family's parameter
// count, and the BI beam's overall height follows its height.
// A check, when given, is made before the old file is replaced and tells
// what was written (runtime::SaveCheck): 58 when the file changed on disk.
int16_t WriteInputDataFile(model::ProjectModel& m, const std::string& fileName, runtime::SaveCheck* check = nullptr);

// WriteInputDataFile for the program's own work file: the file is simply
// overwritten (no temporary file and rename; a failed write leaves it
// incomplete, and the caller stops). bytes receives what was written, so
// the caller can read the file back without opening it again.
int16_t WriteWorkDataFile(model::ProjectModel& m, const std::string& fileName, std::string& bytes);

// The bytes WriteInputDataFile writes, built in memory (the model is
// normalised in the same way); raises what the writer raises.
std::string InputDataFileBytes(model::ProjectModel& m);

// The text of one data line being built: numbers in the file's number style
// (leading blank for a non-negative value), texts as they stand.
class RecordLine {
public:
    // A text field. An empty text is written as two touching commas, which
    // the reader takes as an omitted field with an empty default, so the
    // fields after it keep their places.
    RecordLine& text(const std::string& s);
    // A number. A negative number directly behind another field gets a
    // separating blank so it cannot merge into that field.
    RecordLine& number(const runtime::Value& v);
    RecordLine& number(int v);
    // One extra blank.
    RecordLine& gap();
    RecordLine& raw(const std::string& s);
    const std::string& str() const { return line_; }

private:
    std::string line_;
};

}  // namespace quorvel::inputfile
