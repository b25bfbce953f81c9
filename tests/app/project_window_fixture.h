#pragma once
// The main window on a new project with a data folder and a program folder
// of its own (a copy of the delivered data folder in a temporary folder), so
// that the commands may write their files and read the language tables.

#include <filesystem>
#include <string>

#include "analysis/calculation_driver.h"
#include "inputfile/input_file_writer.h"
#include "main_window_fixture.h"
#include "support/test_support.h"

namespace quorvel::app::testing {

class ProjectWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // The staged copy when the test runs again as another user, who may
        // not enter the checkout.
        for (const auto& entry : std::filesystem::directory_iterator(quorvel::testing::sourceFolder() + "/data"))
            std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());
        m.DataPath = folder.dataPath();
        ui.setProgramFolder(folder.dataPath());
    }

    // The whole input of a model as the input file holds it.
    static std::string inputBytes(model::ProjectModel model, const quorvel::testing::TempFolder& where,
                                  const std::string& name) {
        EXPECT_EQ(inputfile::WriteInputDataFile(model, where.file(name)), 0);
        return where.read(name);
    }

    // A fixture project copied into the test's folder.
    std::string fixture(const std::string& name) {
        std::filesystem::copy_file(quorvel::testing::fixturesFolder() + "/inputfiles/" + name, folder.path() / name);
        return folder.file(name);
    }

    // The calculation as the calculate command runs it: the driver, then
    // the results marked valid.
    void calculate() {
        runtime::Messages messages;
        ASSERT_EQ(analysis::PerformCalculation(m, messages), 0);
        m.ResultsValid = -1;
    }

    quorvel::testing::TempFolder folder;
};

}  // namespace quorvel::app::testing
