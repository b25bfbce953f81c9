#pragma once
// The project files of the fixture corpus for the tests that run over all
// of them: a loop over an emptied, moved or partly copied folder fails
// instead of passing with nothing checked.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <system_error>
#include <vector>

#include "support/test_support.h"

namespace quorvel::testing {

// How many project files tests/fixtures/inputfiles holds; a project added
// to the corpus is counted here.
inline constexpr std::size_t FixtureProjectCount = 16;

// The corpus's project files (*.dat) in name order. The test that asks
// fails when it finds any other number of them than FixtureProjectCount.
inline std::vector<std::filesystem::path> fixtureProjects() {
    const std::filesystem::path folder = std::filesystem::path(fixturesFolder()) / "inputfiles";
    std::vector<std::filesystem::path> files;
    std::error_code error;  // a missing folder holds no projects
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".dat") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files.size(), FixtureProjectCount) << "project files in " << folder.string();
    return files;
}

}  // namespace quorvel::testing
