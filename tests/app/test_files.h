#pragma once
// A temporary data folder for tests: files are written in Windows-1252 with
// CR LF line ends, the folder is removed with the object.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>

#include "runtime/text_file.h"

namespace quorvel::app::testing {

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("quorvel-data-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder path ending with "/".
    std::string dataPath() const { return path_.string() + "/"; }

    void write(const std::string& name, std::initializer_list<std::string> lines) const {
        std::string bytes;
        for (const std::string& line : lines) bytes += runtime::utf8ToCp1252(line) + "\r\n";
        std::ofstream out(path_ / name, std::ios::binary);
        out << bytes;
    }

private:
    std::filesystem::path path_;
};

}  // namespace quorvel::app::testing
