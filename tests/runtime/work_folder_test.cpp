// The work folders of running copies. Folders held in one process stand for
// copies in several: a lock is held per opening of the lock file.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "runtime/work_folder.h"
#include "support/test_support.h"

namespace quorvel::runtime {
namespace {

namespace fs = std::filesystem;
using quorvel::testing::TempFolder;

std::set<std::string> entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

// The number of a process that has ended.
pid_t endedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    return child;
}

// Each copy has a folder of its own; at start the folders of copies that no
// longer run go, never one in use nor anything else; a folder that vanished
// comes back under its name, locked again; a copy's end removes its own.
// A staging folder (made, not yet renamed) goes when its copy has ended,
// whether or not it took its lock; one of a running copy stays.
TEST(PrivateWorkFolder, EachCopyHasItsOwnAndOnlyAbandonedOnesAreRemoved) {
    TempFolder parent;
    const std::string ended = std::to_string(endedProcess()), running = std::to_string(getpid());
    fs::create_directories(parent.path() / (".work-" + ended + "-locked"));
    parent.writeRaw(".work-" + ended + "-locked/.lock", "");
    fs::create_directories(parent.path() / (".work-" + ended + "-bare"));
    fs::create_directories(parent.path() / (".work-" + running + "-bare"));
    fs::create_directories(parent.path() / "work-1-dead");
    parent.writeRaw("work-1-dead/.lock", "");
    parent.writeRaw("work-1-dead/quor01.tmp", "a report left by a copy that was killed");
    fs::create_directories(parent.path() / "work-2-unlocked");  // no lock file: not known to be a work folder
    fs::create_directories(parent.path() / "other");
    parent.writeRaw("quorvel.err", "the log stays");
    {
        PrivateWorkFolder a(parent.dataPath());
        PrivateWorkFolder b(parent.dataPath());
        const std::string aPath = a.path(), bPath = b.path();
        ASSERT_FALSE(aPath.empty());
        EXPECT_NE(aPath, bPath);
        EXPECT_EQ(fs::path(aPath).parent_path().parent_path(), parent.path());
        EXPECT_EQ(entries(parent.path()).count("work-1-dead"), 0u);
        EXPECT_EQ(RemoveAbandonedWorkFolders(parent.dataPath()), 0) << "both are in use";
        EXPECT_TRUE(fs::is_directory(aPath) && fs::is_directory(bPath));

        fs::remove_all(aPath);  // the whole folder
        for (const auto& e : fs::directory_iterator(bPath)) fs::remove_all(e.path());  // its files only
        EXPECT_EQ(a.path(), aPath);
        EXPECT_EQ(b.path(), bPath);
        EXPECT_EQ(RemoveAbandonedWorkFolders(parent.dataPath()), 0) << "both are locked again";
        EXPECT_TRUE(fs::is_directory(aPath) && fs::is_directory(bPath));

        a.release();
        EXPECT_FALSE(fs::exists(aPath));
        EXPECT_TRUE(fs::is_directory(bPath));
    }
    EXPECT_EQ(entries(parent.path()),
              (std::set<std::string>{"other", "quorvel.err", "work-2-unlocked", ".work-" + running + "-bare"}));
}

}  // namespace
}  // namespace quorvel::runtime
