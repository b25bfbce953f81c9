#pragma once
// A project to calculate: a copy of the delivered data folder in a
// temporary folder (the calculation writes its work file and results file
// there), and project input files of tests/fixtures/inputfiles read into a
// model.

#include <filesystem>
#include <stdexcept>
#include <string>

#include "inputfile/input_file_reader.h"
#include "model/project_defaults.h"
#include "model/project_model.h"
#include "platform/headless/headless_platform.h"
#include "support/test_support.h"

namespace quorvel::testing {

class CalculationFolder {
public:
    CalculationFolder() {
        namespace fs = std::filesystem;
        for (const auto& entry : fs::directory_iterator(fs::path(QUORVEL_SOURCE_DIR) / "data"))
            if (entry.is_regular_file())
                fs::copy_file(entry.path(), folder_.path() / entry.path().filename());
    }

    const TempFolder& folder() const { return folder_; }
    std::string dataPath() const { return folder_.dataPath(); }

    // A newly started program's model (new-project defaults, DataPath set to
    // this folder) with a fixture project opened on it; throws when the file
    // does not read cleanly.
    void load(model::ProjectModel& m, platform::Platform& ui, const std::string& fixture) const {
        m.DataPath = dataPath();
        m.SlabFileName = "ONTELO.MIT";
        model::ResetProjectDefaults(m);
        int16_t firstErrorLine = 0;
        const std::string path = std::string(QUORVEL_FIXTURES_DIR) + "/inputfiles/" + fixture;
        const int16_t status = inputfile::ReadInputDataFile(m, ui, path, firstErrorLine);
        if (status != 0) throw std::runtime_error("fixture " + fixture + " read with status " + std::to_string(status));
    }

private:
    TempFolder folder_;
};

}  // namespace quorvel::testing
