// Timing of the start-up's clean-up of abandoned work folders: one scan of
// a folder that holds, beside the user's own files and folders whose names
// only look like the program's, the folders of running copies (locked) and
// nothing to remove, as a shared temporary folder does. Entries: 1000 look-
// alike folders and files, 20 locked work folders.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "runtime/work_folder.h"

namespace {

namespace fs = std::filesystem;

class CrowdedFolder {
public:
    explicit CrowdedFolder(int entries) {
        std::string pattern = (fs::temp_directory_path() / "quorvel-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        path_ = pattern;
        for (int i = 0; i < entries; ++i) {
            const std::string n = std::to_string(i);
            switch (i % 4) {
            case 0: fs::create_directory(path_ / ("Quorvel-projects-" + n)); break;
            case 1: fs::create_directory(path_ / (".Quorvel-" + n + "-notes")); break;
            case 2: std::ofstream(path_ / ("Quorvel-" + n + "-deadbeef.txt")) << "x"; break;
            default: fs::create_directory(path_ / ("other-" + n)); break;
            }
        }
        // Folders of running copies: of the program's form, their locks held.
        for (int i = 0; i < 20; ++i) {
            char tag[9];
            std::snprintf(tag, sizeof tag, "%08x", 0x1000u + static_cast<unsigned>(i));
            const fs::path folder = path_ / ("Quorvel-" + std::to_string(::getpid()) + "-" + tag);
            fs::create_directory(folder);
            const int fd = ::open((folder / ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
            if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) throw std::runtime_error("no lock");
            locks_.push_back(fd);
        }
    }
    ~CrowdedFolder() {
        for (int fd : locks_) ::close(fd);
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string path() const { return path_.string() + "/"; }

private:
    fs::path path_;
    std::vector<int> locks_;
};

void CleanUpScan(benchmark::State& state) {
    const CrowdedFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const int removed = quorvel::runtime::RemoveAbandonedWorkFolders(folder.path(), "Quorvel-");
        if (removed != 0) {
            state.SkipWithError("the clean-up removed a folder it must leave");
            break;
        }
        benchmark::DoNotOptimize(removed);
    }
}
BENCHMARK(CleanUpScan)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
