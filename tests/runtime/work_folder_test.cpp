// The work folders of running copies. Folders held in one process stand for
// copies in several: a lock is held per opening of the lock file.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "runtime/work_folder.h"
#include "support/no_wait.h"
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

// Each copy has a folder of its own, named as the program names them; a
// folder that vanished comes back under its name, locked again; a copy's
// end removes its own and nothing else.
TEST(PrivateWorkFolder, EachCopyHasItsOwnThatComesBackAndGoesAtItsEnd) {
    TempFolder parent;
    fs::create_directories(parent.path() / "other");
    {
        PrivateWorkFolder a(parent.dataPath());
        PrivateWorkFolder b(parent.dataPath());
        const std::string aPath = a.path(), bPath = b.path();
        ASSERT_FALSE(aPath.empty());
        EXPECT_NE(aPath, bPath);
        EXPECT_EQ(fs::path(aPath).parent_path().parent_path(), parent.path());
        EXPECT_EQ(RemoveAbandonedWorkFolders(parent.dataPath()), 0) << "both are in use";

        fs::remove_all(aPath);  // the whole folder
        for (const auto& e : fs::directory_iterator(bPath)) fs::remove_all(e.path());  // its files only
        EXPECT_EQ(a.path(), aPath);
        EXPECT_EQ(b.path(), bPath);
        EXPECT_EQ(RemoveAbandonedWorkFolders(parent.dataPath()), 0) << "both are locked again";
        EXPECT_TRUE(fs::is_directory(aPath) && fs::is_directory(bPath));

        a.release();
        EXPECT_FALSE(fs::exists(aPath));
        EXPECT_TRUE(fs::is_directory(bPath));
        // Every name a copy gives its folder is one the clean-up knows.
        PrivateWorkFolder c(parent.dataPath(), "Quorvel-");
        const std::string cPath = c.path();
        ASSERT_FALSE(cPath.empty());
        c.release();
        fs::create_directories(cPath);  // as a copy killed in its work left it
        quorvel::testing::writeBytes(cPath + ".lock", "");
        EXPECT_EQ(RemoveAbandonedWorkFolders(parent.dataPath(), "Quorvel-"), 1) << cPath;
    }
    EXPECT_EQ(entries(parent.path()), std::set<std::string>{"other"});
}

// A work folder replaced while the program runs by a link to another
// folder (one of the user's holding a file of the name the program
// writes, or the work folder itself moved away) is never written through:
// a new folder is made, and the link and what it leads to stay as they are.
TEST(PrivateWorkFolder, AFolderReplacedByALinkIsNeverWrittenThrough) {
    TempFolder parent;
    fs::create_directories(parent.path() / "mine");
    quorvel::testing::writeBytes(parent.path() / "mine/quor.tu1", "the user's");
    for (const char* target : {"mine", "moved"}) {
        SCOPED_TRACE(target);
        PrivateWorkFolder a(parent.dataPath());
        const std::string before = a.path();
        ASSERT_FALSE(before.empty());
        const fs::path link = fs::path(before).parent_path();
        if (std::string(target) == "moved")
            fs::rename(link, parent.path() / target);
        else
            fs::remove_all(link);
        fs::create_directory_symlink(parent.path() / target, link);
        const std::set<std::string> held = entries(parent.path() / target);
        const std::string after = a.path();
        ASSERT_FALSE(after.empty());
        EXPECT_NE(after, before);
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(fs::path(after).parent_path()))) << after;
        EXPECT_EQ(a.path(), after) << "the new folder stands";
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(entries(parent.path() / target), held);
        fs::remove(link);
    }
    EXPECT_EQ(quorvel::testing::readBytes(parent.path() / "mine/quor.tu1"), "the user's");
}

// A copy's end removes only the folder it made, with the lock it holds in
// it: whatever was put under the folder's name while the copy ran (a
// folder of the user's, with a lock file of its own, or a link to the work
// folder moved aside) stays, with what it holds.
TEST(PrivateWorkFolder, ItsEndRemovesOnlyTheFolderItMade) {
    for (const bool link : {false, true}) {
        SCOPED_TRACE(link ? "a link" : "a folder of the user's");
        TempFolder parent;
        PrivateWorkFolder a(parent.dataPath());
        const fs::path made = fs::path(a.path()).parent_path();
        quorvel::testing::writeBytes(made / "quor.tu1", "results");
        fs::rename(made, parent.path() / "aside");
        if (link) {
            fs::create_directory_symlink(parent.path() / "aside", made);
        } else {
            fs::create_directory(made);
            for (const char* file : {"plan.dat", ".lock"}) quorvel::testing::writeBytes(made / file, "the user's");
        }
        const std::set<std::string> names = entries(parent.path()), held = entries(made);
        a.release();
        EXPECT_EQ(entries(parent.path()), names);
        EXPECT_EQ(entries(made), held);
        EXPECT_EQ(fs::is_symlink(made), link);
    }
}

// The clean-up at start-up takes what copies that no longer run left, and
// nothing else. Beside the program's own abandoned work folder and staging
// folders, which go, every look-alike stays whatever it holds: a name that
// only begins like the program's or differs from its form by a character,
// a folder that is a link or another user's, a staging folder holding more
// than its lock, a lock that a copy holds, a lock file that is none (a
// named pipe, a folder, a link). The clean-up runs in a child process that
// must end: a pipe as the lock file once held it for good. An empty folder
// of the program's form goes when its copy no longer runs.
TEST(RemoveAbandonedWorkFolders, TakesOnlyTheFoldersOfEndedCopiesAndNeverWaits) {
    const std::string ended = std::to_string(endedProcess()), running = std::to_string(getpid());
    for (const std::string prefix : {"work-", "Quorvel-"}) {
        SCOPED_TRACE(prefix);
        TempFolder parent;
        const fs::path& p = parent.path();
        auto folder = [&](const std::string& name, std::initializer_list<const char*> files) {
            fs::create_directories(p / name);
            for (const char* file : files) parent.writeRaw(name + "/" + file, "");
        };
        const std::string own = prefix + ended + "-";  // the program's name up to the tag
        // What stays.
        const std::set<std::string> staying = [&] {
            folder(prefix + "projects", {"beam.dat", ".lock"});
            folder(prefix + "2024", {".lock"});
            folder(own + "my-old-runs", {".lock"});
            folder("." + prefix + "2024-notes", {"notes.txt"});
            folder("." + own + "backup", {"b.dat"});
            folder(own + "0123ABCD", {".lock"});     // the program writes lower-case digits
            folder(own + "0123abc", {".lock"});      // seven digits
            folder(own + "0123abcde", {".lock"});    // nine
            folder(own + "0123abcd.bak", {".lock"});
            folder(own + "0123abcg", {".lock"});     // g is no hexadecimal digit
            folder(prefix + "0" + ended + "-0123abcd", {".lock"});  // no process number starts with 0
            folder(prefix + "-0123abcd", {".lock"});
            folder(".." + own + "0123abcd", {".lock"});
            folder(own + "11111111", {"notes.txt"});  // no lock file: not known to be one
            folder(prefix + running + "-11111112", {});   // empty without a lock file: its copy runs
            folder("." + own + "22222222", {".lock", "notes.txt"});  // a staging folder holds nothing else
            folder("." + prefix + running + "-33333333", {});        // its copy runs
            folder(own + "44444444", {".lock"});    // its lock is held
            folder(own + "55555555", {"quortmp.dat"});
            fs::create_directory(p / (own + "55555555/.lock"));  // a folder as the lock file
            folder(own + "66666666", {"quortmp.dat"});
            EXPECT_EQ(mkfifo((p / (own + "66666666/.lock")).c_str(), 0600), 0);  // a named pipe
            folder("." + own + "77777777", {});
            EXPECT_EQ(mkfifo((p / ("." + own + "77777777/.lock")).c_str(), 0600), 0);
            folder("target", {".lock", "kept.txt"});
            fs::create_symlink(p / "target", p / (own + "88888888"));  // a link to a folder
            folder(own + "99999999", {});
            fs::create_symlink(p / "target/.lock", p / (own + "99999999/.lock"));  // a link as the lock file
            parent.writeRaw(own + "aaaaaaaa", "a file of the name");
            std::set<std::string> names = entries(p);
            // Another user's folder, where the test may give one away.
            if (const passwd* nobody = getpwnam("nobody"); nobody && geteuid() == 0) {
                folder(own + "bbbbbbbb", {".lock"});
                EXPECT_EQ(chown((p / (own + "bbbbbbbb")).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
                names.insert(own + "bbbbbbbb");
                // The user's folder, another user's lock file in it.
                folder(own + "cccccccc", {".lock"});
                EXPECT_EQ(chown((p / (own + "cccccccc/.lock")).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
                names.insert(own + "cccccccc");
            }
            return names;
        }();
        // What goes.
        folder(own + "0123abcd", {".lock", "quortmp.dat", "quor01.tmp"});
        folder("." + own + "89abcdef", {});
        folder("." + own + "89abcde0", {".lock"});
        folder(own + "89abcde1", {});  // a removal cut short after the lock file
        const int held = open((p / (own + "44444444/.lock")).c_str(), O_RDONLY);
        ASSERT_EQ(flock(held, LOCK_EX), 0);

        const auto removed =
            quorvel::testing::childReturns([&] { return RemoveAbandonedWorkFolders(parent.dataPath(), prefix); });
        close(held);
        ASSERT_TRUE(removed) << "the clean-up did not end within " << quorvel::testing::PipeWaitSeconds << " s";
        EXPECT_EQ(*removed, 4);
        EXPECT_EQ(entries(p), staying);
        for (const char* kept : {"target/kept.txt", "target/.lock"}) EXPECT_TRUE(fs::exists(p / kept)) << kept;
        EXPECT_TRUE(fs::exists(p / (prefix + "projects/beam.dat")));
    }
}

}  // namespace
}  // namespace quorvel::runtime
