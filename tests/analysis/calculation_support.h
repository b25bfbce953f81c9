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
    // this folder) with a fixture project opened on it as the Open command
    // opens it: read as a middle beam through the reader of Open, an edge
    // beam when its left spacings are 0 (a file does not say which); throws
    // when the file does not read cleanly. Calculate then computes the
    // topping load from the beam position, so a middle beam read as an edge
    // beam would carry an edge beam's topping load.
    void load(model::ProjectModel& m, const std::string& fixture) const {
        m.DataPath = dataPath();
        m.SlabFileName = "ONTELO.MIT";
        model::ResetProjectDefaults(m);
        m.IsMiddleBeam = 1;
        // Read from a copy in the temporary folder, never from the fixture.
        namespace fs = std::filesystem;
        const fs::path copy = folder_.path() / fs::path(fixture).filename();
        fs::copy_file(fs::path(QUORVEL_FIXTURES_DIR) / "inputfiles" / fixture, copy,
                      fs::copy_options::overwrite_existing);
        const std::string path = copy.string();
        if (const auto problem = inputfile::ReadProjectFile(m, path))
            throw std::runtime_error("fixture " + fixture + " refused at line " + std::to_string(problem->line) +
                                     ": " + problem->english);
        if (model::LeftSpacingsEmpty(m)) m.IsMiddleBeam = 0;
    }

private:
    TempFolder folder_;
};

}  // namespace quorvel::testing
