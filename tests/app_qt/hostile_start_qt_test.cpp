// Nothing a user's folders hold stops a start-up or a calculation, on the
// Qt backend with its real settings store: start-ups (real processes,
// children running this test program) with stored data file names that
// lead to a file without end or hold half a megabyte, and with a settings file
// or its lock that is a named pipe, reach the main window with at most one
// message and start clean the next time; Calculate without any folder to
// work in says so and writes nothing into the program's folder.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSettings>
#include <cerrno>
#include <cstdlib>
#include <set>

#include "inputfile/input_file_reader.h"
#include "qt_test_platform.h"

extern char** environ;

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using quorvel::testing::TempFolder;
using quorvel::testing::WaitSeconds;

const char* const StartFolder = "QUORVEL_START_PROGRAM";  // set in a child only: its program folder
constexpr int ReportFd = 3;                              // the child tells what it showed here

// The Qt platform with the settings store of the real program; message
// boxes are answered with their default at once and reported.
class RealSettingsPlatform : public platform::qt::QtPlatform {
public:
    explicit RealSettingsPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string programFolder() const override { return folder_; }
    platform::Answer messageBox(const std::string& text, platform::Buttons, platform::Icon, const std::string&,
                                platform::Answer) override {
        tell("message " + std::to_string(text.size()) + " " + text.substr(0, 1000));
        return platform::Answer::Ok;
    }
    void showForm(platform::Form& form, bool modal) override {
        std::unique_ptr<quorvel::testing::ModalAnswers> answer;
        if (modal && form.name() == "frmAbout")
            answer = quorvel::testing::whenModalUp([this, &form](QWidget&) {
                QTest::mouseClick(widgetOf(static_cast<frmAbout&>(form).cmdOK), Qt::LeftButton);
            });
        QtPlatform::showForm(form, modal);
    }
    [[noreturn]] void endProgram() override {
        tell("ended");
        std::_Exit(3);
    }
    static void tell(std::string line) {
        for (char& c : line)
            if (c == '\n' || c == '\r') c = ' ';
        line += "\n";
        if (write(ReportFd, line.data(), line.size()) < 0) std::_Exit(4);
    }

private:
    std::string folder_;
};

// Runs in a child only: one start-up of the program, to its main window,
// and its end, which stores the settings.
TEST(HostileStart, OneStart) {
    const char* folder = std::getenv(StartFolder);
    if (!folder) GTEST_SKIP() << "runs only as a start-up made by HostileStartRun";
    testing::application();
    RealSettingsPlatform ui(folder);
    auto m = std::make_unique<model::ProjectModel>();
    frmQuorvel window(*m, ui);
    window.show();
    if (window.isVisible() && m->SlabTypeCount > 0) RealSettingsPlatform::tell("window");
    window.unload();
}

// What one start-up in a child reported, line by line; nothing when it
// did not end within twice WaitSeconds (it is killed then).
std::optional<std::vector<std::string>> startUp(const std::string& program, const fs::path& config,
                                                const fs::path& data) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("XDG_CONFIG_HOME=", 0) != 0 && v.rfind("XDG_CONFIG_DIRS=", 0) != 0 &&
            v.rfind("XDG_DATA_HOME=", 0) != 0)
            env.push_back(v);
    }
    env.push_back("XDG_CONFIG_HOME=" + config.string());
    env.push_back("XDG_CONFIG_DIRS=" + (config / "system").string());
    env.push_back("XDG_DATA_HOME=" + data.string());
    env.push_back(std::string(StartFolder) + "=" + program);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    char name[] = "start", filter[] = "--gtest_filter=HostileStart.OneStart", brief[] = "--gtest_brief=1";
    char* argv[] = {name, filter, brief, nullptr};
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        dup2(report[1], ReportFd);  // kept open across the exec
        execve("/proc/self/exe", argv, envp.data());
        _exit(127);
    }
    close(report[1]);
    std::string said;
    bool ended = false;
    for (pollfd p{report[0], POLLIN, 0}; !ended && poll(&p, 1, 2 * WaitSeconds * 1000) > 0;) {
        char buffer[4096];
        const ssize_t n = read(report[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ended = true;
        else said.append(buffer, static_cast<std::size_t>(n));
    }
    close(report[0]);
    if (!ended) kill(child, SIGKILL);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!ended) return std::nullopt;
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = said.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(said.substr(at, end - at));
    return lines;
}

// A stored name that leads to a file reported as regular but without end
// (the size check sees 0 bytes) gives way to the installation's file; so
// does half a megabyte stored as a name (the settings file stays within
// its limit), quoted by its start only. A settings
// file that is a named pipe, or whose lock file is one, is started on the
// defaults, as one that cannot be read, and the pipe is never opened (a
// watch on it sees no opening). Each start reaches the main window
// with at most one message; the next is silent. A settings file larger than
// a data file may be is never read nor written: every start says so and
// runs on the defaults. One at the limit is read, and the save at the end,
// which would take it past the limit, is refused: every run says so once
// and the file stays as it is.
TEST(HostileStartRun, StoredNamesAndSettingsFilesNeverStopAStartUp) {
    if (std::getenv(StartFolder)) GTEST_SKIP() << "the parent's test";
    TempFolder program;
    for (const auto& entry : fs::directory_iterator(quorvel::testing::sourceFolder() + "/data"))
        fs::copy_file(entry.path(), program.path() / entry.path().filename());
    const std::string endless = "../../../../../../../../../../../../proc/self/pagemap";
    const std::string halfMegabyte(1 << 19, 'x');
    struct Case {
        const char* what;
        std::string key;    // stored with value; empty: the settings file is made by pipe or size
        std::string value;
        std::string after;  // the key's value after the first start
        std::string said;   // what the message says (in Finnish, the language of a first start)
        const char* pipe;   // the file of the store that is a named pipe
        std::uintmax_t size = 0;  // the settings file made this large (without data): every start says so
        bool stored = false;      // the file of that size holds the data folder and a long setting instead
    } cases[] = {
        {"a catalogue without end", "Ontelolaatat", endless, "ONTELO.MIT",
         "liian suuri: yli 1048576 tavua, enintään 1048576. Sen sijaan käytetään tiedostoa ONTELO.MIT.", nullptr},
        {"a strand file without end", "Punostiedosto", endless, "PUNOS.VAT",
         "liian suuri: yli 1048576 tavua, enintään 1048576. Sen sijaan käytetään tiedostoa PUNOS.VAT.", nullptr},
        {"half a megabyte data folder", "QuorPath", "/" + halfMegabyte + "/", program.dataPath(),
         "xxx... ei voi käyttää. Kansiota /xxx", nullptr},
        {"half a megabyte catalogue", "Ontelolaatat", halfMegabyte, "ONTELO.MIT", "käytetään tiedostoa ONTELO.MIT.", nullptr},
        {"half a megabyte strand file", "Punostiedosto", halfMegabyte, "PUNOS.VAT", "käytetään tiedostoa PUNOS.VAT.", nullptr},
        {"a settings file that is a pipe", "", "", "", "", "Quorvel835/Quorvel835.conf"},
        {"a settings lock file that is a pipe", "", "", "", "", "Quorvel835/Quorvel835.conf.lock"},
        {"an organisation's settings file that is a pipe", "", "", "", "", "Quorvel835.conf"},
        {"a settings file of a gigabyte", "", "", "", "Asetustiedosto", nullptr, std::uintmax_t{1} << 30},
        {"a settings file one byte too large", "", "", "", "on liian suuri: 1048577 tavua, enintään 1048576. "
         "Ohjelma käynnistyy oletusasetuksin eikä muuta tiedostoa.", nullptr, (1u << 20) + 1},
        {"a settings file at the limit without the print font keys", "", "", "",
         "kasvaisi tallennettaessa liian suureksi: ", nullptr, 1u << 20, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder config, data;
        const fs::path settings = config.path() / "Quorvel835/Quorvel835.conf";
        fs::create_directories(settings.parent_path());
        struct stat made {};  // the settings file as the test made it
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ASSERT_GE(watch, 0);
        if (c.pipe) {
            ASSERT_EQ(mkfifo((config.path() / c.pipe).c_str(), 0600), 0);
            ASSERT_GE(inotify_add_watch(watch, (config.path() / c.pipe).c_str(), IN_OPEN), 0);
        } else if (c.size) {
            const std::string head = "[Settings]\nQuorPath=" + program.dataPath() + "\nPadding=", tail = "\n";
            quorvel::testing::writeBytes(
                settings, c.stored ? head + std::string(c.size - head.size() - tail.size(), 'x') + tail : "");
            fs::resize_file(settings, c.size);
            ASSERT_EQ(stat(settings.c_str(), &made), 0);
        } else {
            QSettings store(QString::fromStdString(settings.string()), QSettings::IniFormat);
            store.setValue("Settings/QuorPath", QString::fromStdString(program.dataPath()));
            store.setValue(QString::fromStdString("Settings/" + c.key), QString::fromStdString(c.value));
        }
        for (int start = 0; start < 2; ++start) {
            const auto said = startUp(program.dataPath(), config.path(), data.path());
            ASSERT_TRUE(said) << "start " << start + 1 << " did not end within " << 2 * WaitSeconds << " s";
            std::vector<std::string> messages;
            for (const std::string& line : *said)
                if (line.rfind("message ", 0) == 0) messages.push_back(line);
            EXPECT_NE(std::find(said->begin(), said->end(), "window"), said->end()) << "start " << start + 1;
            const bool says = !c.pipe && (start == 0 || c.size);
            EXPECT_LE(messages.size(), says ? 1u : 0u) << "start " << start + 1 << ": "
                                                       << (messages.empty() ? "" : messages[0]);
            if (says) {
                ASSERT_EQ(messages.size(), 1u);
                EXPECT_LT(std::stoul(messages[0].substr(8)), 2000u) << "the message quotes the stored value whole";
                EXPECT_NE(messages[0].find(c.said), std::string::npos) << messages[0];
            }
        }
        if (c.size) {
            struct stat s {};
            EXPECT_EQ(stat(settings.c_str(), &s), 0);
            EXPECT_EQ(s.st_ino, made.st_ino) << "the settings file was replaced";
            EXPECT_EQ(static_cast<std::uintmax_t>(s.st_size), c.size) << "the settings file was written";
        } else if (!c.pipe) {
            QSettings store(QString::fromStdString(settings.string()), QSettings::IniFormat);
            EXPECT_EQ(store.value(QString::fromStdString("Settings/" + c.key)).toString().toStdString(), c.after);
        } else {
            struct stat s {};
            EXPECT_EQ(lstat((config.path() / c.pipe).c_str(), &s), 0);
            EXPECT_TRUE(S_ISFIFO(s.st_mode)) << "the pipe was replaced";
            alignas(inotify_event) char events[4096];
            EXPECT_LE(read(watch, events, sizeof events), 0) << "the pipe was opened";
        }
        close(watch);
    }
}

// The test platform with its message boxes answered Ok at once, their
// texts kept.
class SayingPlatform : public testing::TestPlatform {
public:
    using TestPlatform::TestPlatform;
    platform::Answer messageBox(const std::string& text, platform::Buttons, platform::Icon, const std::string&,
                                platform::Answer) override {
        said.push_back(text);
        return platform::Answer::Ok;
    }
    std::vector<std::string> said;
};

// Neither the user's data folder nor the temporary folder can be made: each
// lies under a file.
class NoWorkFolder : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& entry : fs::directory_iterator(quorvel::testing::sourceFolder() + "/data"))
            fs::copy_file(entry.path(), program.path() / entry.path().filename());
        blocker.writeRaw("file", "a file, no folder");
        for (const char* name : {"XDG_DATA_HOME", "TMPDIR"})
            if (const char* was = std::getenv(name)) before[name] = was;
        setenv("XDG_DATA_HOME", blocker.file("file").c_str(), 1);
        setenv("TMPDIR", (blocker.file("file") + "/tmp").c_str(), 1);
    }
    void TearDown() override {
        for (const char* name : {"XDG_DATA_HOME", "TMPDIR"})
            if (before.count(name)) setenv(name, before[name].c_str(), 1);
            else unsetenv(name);
    }
    QApplication& app = testing::application();
    TempFolder program, blocker;
    std::map<std::string, std::string> before;
    SayingPlatform ui{program.dataPath()};
    model::ProjectModel m;
};

// Calculate says that no work folder can be made and where it was sought,
// in the window's language, calculates nothing and writes nothing into the
// program's folder, which holds the data folder; so does the next one, in
// English. The start-up itself says nothing.
TEST_F(NoWorkFolder, CalculateSaysWhereItSoughtOneAndWritesNothingBesideTheProgram) {
    const auto files = [&] {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(program.path())) names.insert(entry.path().filename());
        return names;
    };
    const std::set<std::string> before = files();
    frmQuorvel window(m, ui);
    window.show();
    ASSERT_TRUE(window.isVisible());
    EXPECT_TRUE(ui.said.empty()) << ui.said.front();
    const std::string temporary = blocker.file("file") + "/tmp/";
    window.RunCalculation();
    ASSERT_EQ(ui.said.size(), 1u);
    EXPECT_EQ(ui.said[0].rfind("Työkansiota ei voi tehdä (yritetty: ", 0), 0u) << ui.said[0];
    EXPECT_NE(ui.said[0].find(blocker.file("file") + "/"), std::string::npos) << ui.said[0];
    EXPECT_NE(ui.said[0].find(temporary), std::string::npos) << ui.said[0];
    EXPECT_NE(m.ResultsValid, -1);
    m.LanguageIndex = 1;
    window.RunCalculation();
    ASSERT_EQ(ui.said.size(), 2u);
    EXPECT_EQ(ui.said[1].rfind("No work folder can be made (tried: ", 0), 0u) << ui.said[1];
    EXPECT_NE(m.ResultsValid, -1);
    // A read that flags a line (the left losses "xx") has no place for its
    // error log either: the log is not written beside the program.
    std::string damaged = quorvel::testing::readBytes(quorvel::testing::fixturesFolder() +
                                                      "/inputfiles/concrete_middle_beam.dat");
    const std::size_t losses = damaged.find("P27 10L 0  900 20 ");
    ASSERT_NE(losses, std::string::npos);
    damaged.replace(losses + 18, 2, "xx");
    runtime::Messages messages;
    int16_t firstErrorLine = 0;
    EXPECT_NE(inputfile::ReadInputDataBytes(m, messages, damaged, firstErrorLine), 0);
    EXPECT_EQ(firstErrorLine, 4);
    EXPECT_EQ(files(), before) << "a file was written beside the program";
    window.unload();
}

}  // namespace
}  // namespace quorvel::app
