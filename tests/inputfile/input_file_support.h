#pragma once
// A data folder for the input file tests, holding the company header that
// every read of an input file needs.

#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace quorvel::testing {

// A fresh folder named after the running test, with "FIRMA.DA0"; its path
// ends with "/".
inline std::string companyDataFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto dir = std::filesystem::temp_directory_path() /
                     ("quorvel-" + std::string(info->test_suite_name()) + "-" + info->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    writeBytes(dir / "FIRMA.DA0", "\"Testirakenne Oy\",Esimerkkikatu 1\r\n");
    return dir.string() + "/";
}

}  // namespace quorvel::testing
