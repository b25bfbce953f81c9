// Two copies of the program at once, as engineers run them to compare two
// projects: real processes (children running this test program on the Qt
// backend) sharing one per-user data folder. Each copy calculates and
// prints into a work folder of its own; a copy that starts leaves the
// files of one that runs alone; a copy that ends removes its own folder
// only; the folder of a copy that was killed is removed by the next copy
// that starts.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLineEdit>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>

#include "qt_test_platform.h"

extern char** environ;

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using quorvel::testing::readBytes;
using quorvel::testing::WaitSeconds;

const char* const CopyTitle = "QUORVEL_COPY_TITLE";  // set in a child only: the title its project gets
constexpr int ReportFd = 3;                          // the child tells its work folder here
constexpr int OrderFd = 4;                           // and ends when a line arrives here

class TwoCopies : public testing::MainWindowQt {};

// Runs in a child only: starts the program, types the title, calculates
// and prints (the three work files), reports its work folder and ends when
// told to.
TEST_F(TwoCopies, OneCopy) {
    const char* title = std::getenv(CopyTitle);
    if (!title) GTEST_SKIP() << "runs only as a copy started by TwoCopiesRun";
    frmQuorvel window(m, ui);
    window.show();
    auto* edit = qobject_cast<QLineEdit*>(ui.widgetOf(window.txtOtsikko1));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, title);
    window.RunCalculation();
    ASSERT_EQ(m.ResultsValid, -1);
    ui.setPrintFile(program.file("raportti.pdf"));
    window.PrintReport();
    const std::string line = m.WorkPath + "\n";
    ASSERT_EQ(write(ReportFd, line.data(), line.size()), static_cast<ssize_t>(line.size()));
    char order = 0;
    while (read(OrderFd, &order, 1) < 0 && errno == EINTR) {
    }
    window.unload();
}

// A copy of the program in a child process with the per-user data folder
// given, and the system's temporary folder when one is given.
class Copy {
public:
    Copy(const std::string& dataHome, const std::string& title, const std::string& tempFolder = {}) {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("XDG_DATA_HOME=", 0) != 0 &&
                (tempFolder.empty() || std::string(*e).rfind("TMPDIR=", 0) != 0))
                env.emplace_back(*e);
        env.push_back("XDG_DATA_HOME=" + dataHome);
        if (!tempFolder.empty()) env.push_back("TMPDIR=" + tempFolder);
        env.push_back(std::string(CopyTitle) + "=" + title);
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        char name[] = "copy", filter[] = "--gtest_filter=TwoCopies.OneCopy", brief[] = "--gtest_brief=1";
        char* argv[] = {name, filter, brief, nullptr};

        int up[2], down[2];
        if (pipe2(up, O_CLOEXEC) != 0 || pipe2(down, O_CLOEXEC) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            const int report = fcntl(up[1], F_DUPFD, 10), order = fcntl(down[0], F_DUPFD, 10);
            dup2(report, ReportFd);
            dup2(order, OrderFd);
            execve("/proc/self/exe", argv, envp.data());
            _exit(127);
        }
        close(up[1]);
        close(down[0]);
        report_ = up[0];
        order_ = down[1];
    }
    ~Copy() {
        if (pid_ > 0) kill();
        if (report_ >= 0) close(report_);
        if (order_ >= 0) close(order_);
    }

    // The work folder the copy reports once it calculated and printed;
    // nothing when it ended first or WaitSeconds passed.
    std::optional<std::string> workFolder() {
        std::string line;
        while (line.empty() || line.back() != '\n')
            if (!readWithin(line)) return std::nullopt;
        line.pop_back();
        return line;
    }
    // Tells the copy to end and waits for it; its exit status, or -1 when
    // it did not end within WaitSeconds.
    int end() {
        if (write(order_, "\n", 1) != 1) return -1;
        std::string rest;
        while (readWithin(rest)) {
        }
        if (!ended_) return -1;
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    // Ends the copy at once, as a crash or a power cut would.
    void kill() {
        ::kill(pid_, SIGKILL);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }

private:
    // Appends what the copy wrote; false at its end (ended_ set) or when
    // nothing came within WaitSeconds.
    bool readWithin(std::string& text) {
        pollfd p{report_, POLLIN, 0};
        if (poll(&p, 1, WaitSeconds * 1000) <= 0) return false;
        char buffer[256];
        const ssize_t n = read(report_, buffer, sizeof buffer);
        if (n <= 0) {
            ended_ = true;
            return false;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        return true;
    }
    pid_t pid_ = -1;
    int report_ = -1;
    int order_ = -1;
    bool ended_ = false;
};

std::vector<std::string> workFoldersIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_directory() && entry.path().filename().string().rfind("work-", 0) == 0)
            names.push_back(entry.path().string() + "/");
    std::sort(names.begin(), names.end());
    return names;
}

TEST(TwoCopiesRun, EachCopyWorksInItsOwnFolderAndRemovesOnlyItsOwn) {
    if (std::getenv(CopyTitle)) GTEST_SKIP() << "the parent's test";
    const std::string waited = "waited " + std::to_string(WaitSeconds) + " s for ";
    quorvel::testing::TempFolder dataHome;
    const char* const files[] = {"quortmp.dat", "quor.tu1", "quor01.tmp"};

    Copy a(dataHome.path().string(), "Kohde A");
    const auto aFolder = a.workFolder();
    ASSERT_TRUE(aFolder) << waited << "the first copy to calculate, print and report its work folder";
    const std::string aReport = readBytes(*aFolder + "quor01.tmp");
    ASSERT_NE(aReport.find("Kohde A"), std::string::npos);

    Copy b(dataHome.path().string(), "Kohde B");
    const auto bFolder = b.workFolder();
    ASSERT_TRUE(bFolder) << waited << "the second copy to calculate, print and report its work folder";
    EXPECT_NE(*aFolder, *bFolder);
    EXPECT_EQ(fs::path(*aFolder).parent_path().parent_path(), fs::path(*bFolder).parent_path().parent_path());
    EXPECT_EQ(fs::path(*aFolder).parent_path().parent_path().string().rfind(dataHome.dataPath(), 0), 0u);
    // The second copy's start, calculation and report left the first
    // copy's files as they were.
    for (const char* name : files) {
        EXPECT_TRUE(fs::is_regular_file(*aFolder + name)) << name;
        EXPECT_TRUE(fs::is_regular_file(*bFolder + name)) << name;
    }
    EXPECT_TRUE(readBytes(*aFolder + "quor01.tmp") == aReport) << "the first copy's report was changed";
    EXPECT_NE(readBytes(*bFolder + "quor01.tmp").find("Kohde B"), std::string::npos);
    EXPECT_EQ(workFoldersIn(dataHome.path()), (std::vector<std::string>{std::min(*aFolder, *bFolder),
                                                                        std::max(*aFolder, *bFolder)}));

    // The first copy ends: its folder goes, the second's stays whole.
    EXPECT_EQ(a.end(), 0) << waited << "the first copy to end";
    EXPECT_FALSE(fs::exists(*aFolder));
    for (const char* name : files) EXPECT_TRUE(fs::is_regular_file(*bFolder + name)) << name;

    // The second copy is killed: its folder stays until the next copy
    // starts, which removes it and works in one of its own.
    b.kill();
    EXPECT_TRUE(fs::is_directory(*bFolder));
    Copy c(dataHome.path().string(), "Kohde C");
    const auto cFolder = c.workFolder();
    ASSERT_TRUE(cFolder) << waited << "the third copy to calculate, print and report its work folder";
    EXPECT_EQ(workFoldersIn(dataHome.path()), std::vector<std::string>{*cFolder});
    EXPECT_EQ(c.end(), 0) << waited << "the third copy to end";
    EXPECT_TRUE(workFoldersIn(dataHome.path()).empty());
}

// Without a usable per-user data folder (here a file stands where it
// would be) each copy works in a folder of its own in the system's
// temporary folder; one killed leaves it, and the next copy that starts
// removes it, as it does a staging folder a killed copy left half made.
TEST(TwoCopiesRun, WorkFoldersInTheTemporaryFolderOfKilledCopiesAreRemovedAtTheNextStart) {
    if (std::getenv(CopyTitle)) GTEST_SKIP() << "the parent's test";
    const std::string waited = "waited " + std::to_string(WaitSeconds) + " s for ";
    quorvel::testing::TempFolder home, temp;
    home.writeRaw("data", "not a folder");
    const std::string dataHome = home.file("data");
    auto quorvelFolders = [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(temp.path()))
            if (entry.path().filename().string().find("Quorvel-") != std::string::npos)
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };

    Copy a(dataHome, "Kohde A", temp.path().string());
    const auto aFolder = a.workFolder();
    ASSERT_TRUE(aFolder) << waited << "the first copy to calculate, print and report its work folder";
    EXPECT_EQ(fs::path(*aFolder).parent_path().parent_path(), temp.path());
    EXPECT_EQ(fs::path(*aFolder).parent_path().filename().string().rfind("Quorvel-", 0), 0u) << *aFolder;
    a.kill();
    ASSERT_TRUE(fs::is_directory(*aFolder));
    // A staging folder of a copy killed before it took its lock: the
    // process named in it has ended.
    pid_t gone = fork();
    if (gone == 0) _exit(0);
    while (waitpid(gone, nullptr, 0) < 0 && errno == EINTR) {
    }
    fs::create_directory(temp.path() / (".Quorvel-" + std::to_string(gone) + "-0badf00d"));

    Copy b(dataHome, "Kohde B", temp.path().string());
    const auto bFolder = b.workFolder();
    ASSERT_TRUE(bFolder) << waited << "the second copy to calculate, print and report its work folder";
    EXPECT_EQ(quorvelFolders(), std::vector<std::string>{fs::path(*bFolder).parent_path().filename().string()});
    EXPECT_EQ(b.end(), 0) << waited << "the second copy to end";
    EXPECT_TRUE(quorvelFolders().empty());
}

}  // namespace
}  // namespace quorvel::app
