#pragma once
// Helpers shared by the tests: run-time error numbers of a call, and a
// temporary folder whose files are written and read as raw bytes.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace quorvel::testing {

// A message of a number box as a pattern for expectMessageMatching: the
// message after the name of the field it names ("Name: message"). Tests of
// a box's bounds and defaults use it; the names themselves are checked by
// the test over every box.
inline std::string afterFieldName(const std::string& message) {
    std::string escaped;
    for (char c : message) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    return "(?:[^\r\n]+: )?" + escaped;
}

// The error number a call raises, 0 when it raises none.
template <typename F>
int errorOf(F&& f) {
    try {
        f();
    } catch (const runtime::RunTimeError& e) {
        return e.number();
    }
    return 0;
}

// The checkout's folder: where the tests read data/ and tests/fixtures/.
// A test run again as another user reads copies staged where that user can
// reach them (support/as_other_user.h), named by this variable.
inline constexpr const char* StagedSourceVariable = "QUORVEL_STAGED_SOURCE_DIR";
inline std::string sourceFolder() {
    const char* staged = std::getenv(StagedSourceVariable);
    return staged ? staged : QUORVEL_SOURCE_DIR;
}
inline std::string fixturesFolder() {
    return std::getenv(StagedSourceVariable) ? sourceFolder() + "/tests/fixtures" : QUORVEL_FIXTURES_DIR;
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Where a window test leaves its picture for a reviewer: a folder
// "screenshots" in the test's working folder (the build's tests folder),
// never a fixed name in the shared temporary folder, where another run or
// another user's file would be in the way.
inline std::filesystem::path screenshotPath(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::current_path() / "screenshots";
    std::filesystem::create_directories(folder);
    return folder / name;
}

// A temporary folder, removed with the object. Text files are written in
// Windows-1252 with CR LF line ends, as the program's data files are.
class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("quorvel-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder path ending with "/", as the model's DataPath.
    std::string dataPath() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    void write(const std::string& name, std::initializer_list<std::string> lines) const {
        std::string bytes;
        for (const std::string& line : lines) bytes += runtime::utf8ToCp1252(line) + "\r\n";
        writeBytes(path_ / name, bytes);
    }
    void writeRaw(const std::string& name, const std::string& bytes) const { writeBytes(path_ / name, bytes); }
    std::string read(const std::string& name) const { return readBytes(path_ / name); }

private:
    std::filesystem::path path_;
};

}  // namespace quorvel::testing
