#pragma once
// A data folder for the input file tests, holding the company header that
// every read of an input file needs.

#include <filesystem>
#include <memory>
#include <string>

#include "support/test_support.h"

namespace quorvel::testing {

// A fresh folder of the running test, with "FIRMA.DA0"; its path ends
// with "/". It is unique to this run (other builds may run the same test
// at the same time) and lasts until the next call or the program's end.
inline std::string companyDataFolder() {
    static std::unique_ptr<TempFolder> folder;
    folder.reset();
    folder = std::make_unique<TempFolder>();
    writeBytes(folder->path() / "FIRMA.DA0", "\"Testirakenne Oy\",Esimerkkikatu 1\r\n");
    return folder->dataPath();
}

}  // namespace quorvel::testing
