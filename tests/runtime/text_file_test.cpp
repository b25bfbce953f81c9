#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>

#include "runtime/errors.h"
#include "support/as_other_user.h"
#include "support/no_wait.h"
#include "support/test_support.h"
#include "runtime/text_file.h"

using namespace quorvel::runtime;
using quorvel::testing::errorOf;
using quorvel::testing::returnsWithoutWaitingOn;
namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {


class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // Unique per run: other builds may run these tests at the same time.
        do {
            dir_ = fs::temp_directory_path() /
                   ("quorvel_text_" + std::string(info->name()) + "_" + std::to_string(std::random_device{}()));
        } while (!fs::create_directories(dir_));
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string folder() const { return dir_.string() + "/"; }

    static std::string bytesOf(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void putBytes(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // What a writer produced, once closed.
    template <typename F>
    std::string written(F&& build) {
        const std::string p = path("out.txt");
        TextFileWriter w(p);
        build(w);
        w.close();
        return bytesOf(p);
    }

    fs::path dir_;
};

}  // namespace

// --- Windows-1252 ---------------------------------------------------------

TEST(Cp1252, FinnishLettersAndTheHighControlRangeConvertBothWays) {
    EXPECT_EQ(utf8ToCp1252("äöÅ"), "\xE4\xF6\xC5");
    EXPECT_EQ(cp1252ToUtf8("\xE4\xF6\xC5"), "äöÅ");
    // The 0x80..0x9F range holds typographic characters, not controls.
    EXPECT_EQ(cp1252ToUtf8("\x80\x84\x85\x8A\x91\x92\x93\x94\x96\x97\x99\x9C\x9F"), "€„…Š‘’“”–—™œŸ");
    EXPECT_EQ(utf8ToCp1252("€„…Š‘’“”–—™œŸ"), "\x80\x84\x85\x8A\x91\x92\x93\x94\x96\x97\x99\x9C\x9F");
    EXPECT_EQ(utf8ToCp1252("½°±µ"), "\xBD\xB0\xB1\xB5");
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Cp1252, WhatCannotBeHeldBecomesAQuestionMark) {
    EXPECT_EQ(utf8ToCp1252("a中b"), "a?b");
    EXPECT_EQ(utf8ToCp1252("x\xF0\x9F\x98\x80y"), "x?y");   // outside the basic plane
    EXPECT_EQ(utf8ToCp1252("\xC2\x80"), "?");                // U+0080 is no 1252 character
    EXPECT_EQ(utf8ToCp1252("\xC3"), "?");                    // cut-off sequence
    EXPECT_EQ(utf8ToCp1252("\xC3(a"), "?(a");                // bad continuation byte
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "??");               // overlong form of "/"
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???");          // surrogate
}

// --- Reading ----------------------------------------------------------------

TEST(SplitLines, AcceptsCrLfLfAndLoneCr) {
    EXPECT_THAT(splitLines("a\r\nb\nc\rd"), ElementsAre("a", "b", "c", "d"));
    EXPECT_THAT(splitLines("a\r\n\r\nb\r\n"), ElementsAre("a", "", "b"));
    EXPECT_THAT(splitLines("\r\r\n\n"), ElementsAre("", "", ""));
    EXPECT_THAT(splitLines("last without end"), ElementsAre("last without end"));
    EXPECT_TRUE(splitLines("").empty());
}

TEST_F(TextFileTest, ReaderHandsOutUtf8LinesAndRaises62PastTheEnd) {
    putBytes(path("in.txt"), "P\xE4\xE4ty\r\nrivi 2\nrivi 3\r");
    TextFileReader r(path("in.txt"));
    EXPECT_EQ(r.lineCount(), 3u);
    EXPECT_EQ(r.readLine(), "Pääty");
    EXPECT_EQ(r.readLine(), "rivi 2");
    EXPECT_FALSE(r.eof());
    EXPECT_EQ(r.readLine(), "rivi 3");
    EXPECT_TRUE(r.eof());
    EXPECT_EQ(errorOf([&] { r.readLine(); }), ErrInputPastEndOfFile);
    r.rewind();
    EXPECT_EQ(r.readLine(), "Pääty");

    TextFileReader empty = TextFileReader::fromBytes("");
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(errorOf([&] { empty.readLine(); }), ErrInputPastEndOfFile);
}

TEST_F(TextFileTest, OpeningForInputReportsMissingFileAndFolder) {
    EXPECT_EQ(errorOf([&] { TextFileReader r(path("missing.txt")); }), ErrFileNotFound);
    EXPECT_EQ(errorOf([&] { TextFileReader r(folder()); }), ErrPathFileAccess);
    // 1 MiB is read whole, one byte more refused.
    for (const std::size_t size : {std::size_t{1024 * 1024}, std::size_t{1024 * 1024 + 1}}) {
        putBytes(path("big.txt"), std::string(size, 'x'));
        EXPECT_EQ(errorOf([&] { EXPECT_EQ(readRegularFile(path("big.txt")).size(), size); }),
                  size > 1024 * 1024 ? ErrPathFileAccess : 0) << size;
    }
}

// --- Print statement output -----------------------------------------------

TEST_F(TextFileTest, LinesEndInCrLfAndTextIsWrittenIn1252) {
    EXPECT_EQ(written([](TextFileWriter& w) { w.line("Jänneväli €").line(""); }),
              "J\xE4nnev\xE4li \x80\r\n\r\n");
    // Read back through the reader: the same texts.
    TextFileReader r(path("out.txt"));
    EXPECT_EQ(r.readLine(), "Jänneväli €");
    EXPECT_EQ(r.readLine(), "");
    EXPECT_TRUE(r.eof());
}

TEST_F(TextFileTest, PrintZonesAreFourteenColumnsWide) {
    EXPECT_EQ(written([](TextFileWriter& w) { w.text("AB").nextZone().text("C").newLine(); }),
              "AB" + std::string(12, ' ') + "C\r\n");
    // An item that fills its zone exactly: the separator still moves on, to 29.
    EXPECT_EQ(written([](TextFileWriter& w) {
                  w.text("12345678901234").nextZone();
                  EXPECT_EQ(w.column(), 29);
                  w.text("X").newLine();
              }),
              "12345678901234" + std::string(14, ' ') + "X\r\n");
    // At the start of a line the first separator gives an empty first zone;
    // columns count the characters, not the UTF-8 bytes.
    EXPECT_EQ(written([](TextFileWriter& w) {
                  w.nextZone();
                  EXPECT_EQ(w.column(), 15);
                  w.text("ä");
                  EXPECT_EQ(w.column(), 16);
                  w.nextZone().nextZone().text("Y").newLine();
                  EXPECT_EQ(w.column(), 1);
              }),
              std::string(14, ' ') + "\xE4" + std::string(27, ' ') + "Y\r\n");
}

TEST_F(TextFileTest, TabMovesToAColumnOrOnToANewLine) {
    EXPECT_EQ(written([](TextFileWriter& w) {
                  w.text("ab").tab(10).text("c");  // pad to column 10
                  w.tab(11).text("d");              // already there: nothing
                  w.tab(5).text("e").newLine();      // passed: next line, column 5
              }),
              "ab       cd\r\n    e\r\n");
    EXPECT_EQ(written([](TextFileWriter& w) { w.text("x").tab(0).text("y").tab(1).text("z"); }),
              "x\r\ny\r\nz");
}

TEST_F(TextFileTest, NumberItemsCarrySignPlaceAndTrailingBlank) {
    EXPECT_EQ(written([](TextFileWriter& w) {
                  w.number(12, NumberKind::Integer).number(-3, NumberKind::Integer);
                  w.number(Value(0.5f)).number(Value()).newLine();
              }),
              " 12 -3  .5  0 \r\n");
}

TEST_F(TextFileTest, WriteRecordsQuoteTextsAndSeparateWithCommas) {
    EXPECT_EQ(written([](TextFileWriter& w) {
                  w.writeItem("abc").writeItem(12, NumberKind::Integer).writeItem(0.5, NumberKind::Double);
                  w.writeEnd();
                  w.writeItem(-0.25, NumberKind::Single).writeItem("Å, ä").writeEnd();
              }),
              "\"abc\",12,.5\r\n-.25,\"\xC5, \xE4\"\r\n");
}

TEST_F(TextFileTest, AppendKeepsWhatIsThere) {
    putBytes(path("log.txt"), "first\r\n");
    {
        TextFileWriter w(path("log.txt"), TextFileWriter::Mode::Append);
        w.line("second");
        w.close();
    }
    EXPECT_EQ(bytesOf(path("log.txt")), "first\r\nsecond\r\n");
}

// Output writes over an existing file: whatever the old file held beyond
// the new text is gone, after a close and after an interrupted write alike;
// a device is written without being cut.
TEST_F(TextFileTest, OutputOverALongerFileLeavesOnlyTheNewText) {
    const std::string old(20000, 'o');
    putBytes(path("quor.tu1"), old);
    {
        TextFileWriter w(path("quor.tu1"));
        w.line("new");
        w.close();
    }
    EXPECT_EQ(bytesOf(path("quor.tu1")), "new\r\n");
    putBytes(path("quor.tu1"), old);
    {
        TextFileWriter w(path("quor.tu1"));
        w.line("half");
        // destroyed without close(), as when an error interrupts the report
    }
    EXPECT_EQ(bytesOf(path("quor.tu1")), "half\r\n");
    putBytes(path("quor.tu1"), old);
    TextFileWriter(path("quor.tu1")).close();
    EXPECT_EQ(bytesOf(path("quor.tu1")), "");
    TextFileWriter toDevice("/dev/null");
    toDevice.line("data");
    EXPECT_NO_THROW(toDevice.close());
}

// --- Replacing files safely -----------------------------------------------

TEST_F(TextFileTest, ReplaceLeavesTheOldFileWhenNotClosed) {
    putBytes(path("project.dat"), "old\r\n");
    {
        TextFileWriter w(path("project.dat"), TextFileWriter::Mode::Replace);
        w.line("new, half written");
        w.flush();
        EXPECT_EQ(bytesOf(path("project.dat")), "old\r\n");
        // destroyed without close(), as when an error interrupts the save
    }
    EXPECT_EQ(bytesOf(path("project.dat")), "old\r\n");
    EXPECT_THAT(filesInFolder(), ElementsAre("project.dat"));

    {
        TextFileWriter w(path("project.dat"), TextFileWriter::Mode::Replace);
        w.line("new");
        w.close();
    }
    EXPECT_EQ(bytesOf(path("project.dat")), "new\r\n");
    EXPECT_THAT(filesInFolder(), ElementsAre("project.dat"));
}

TEST_F(TextFileTest, WriteFileAtomicallyReplacesWholeFiles) {
    putBytes(path("a.txt"), "old contents");
    writeFileAtomically(path("a.txt"), "x\r\ny\r\n");
    EXPECT_EQ(bytesOf(path("a.txt")), "x\r\ny\r\n");
    writeFileAtomically(path("b.txt"), "");
    EXPECT_TRUE(fs::exists(path("b.txt")));
    EXPECT_THAT(filesInFolder(), ElementsAre("a.txt", "b.txt"));
}

// A save keeps what the user set up: a link still points to the file it
// named, and that file holds the new contents with its permissions; a
// device is written in place, never replaced by a file.
TEST_F(TextFileTest, ReplaceWritesThroughLinksAndKeepsPermissions) {
    fs::create_directory(path("real"));
    putBytes(path("real/project.dat"), "old\r\n");
    fs::permissions(path("real/project.dat"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/project.dat", path("link.dat"));     // relative
    fs::create_symlink(path("link.dat"), path("link-to-link.dat"));  // absolute, to a link
    for (const char* name : {"link.dat", "link-to-link.dat"}) {
        SCOPED_TRACE(name);
        TextFileWriter w(path(name), TextFileWriter::Mode::Replace);
        w.line(name);
        w.close();
        EXPECT_TRUE(fs::is_symlink(path(name)));
        EXPECT_EQ(bytesOf(path("real/project.dat")), std::string(name) + "\r\n");
        EXPECT_EQ(fs::status(path("real/project.dat")).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
    }
    EXPECT_THAT(filesInFolder(), ElementsAre("link-to-link.dat", "link.dat", "real"));
    writeFileAtomically(path("link.dat"), "whole");
    EXPECT_EQ(bytesOf(path("real/project.dat")), "whole");
    EXPECT_TRUE(fs::is_symlink(path("link.dat")));

    // A link to a file not yet there creates the file it names.
    fs::create_symlink("real/new.dat", path("dangling.dat"));
    TextFileWriter(path("dangling.dat"), TextFileWriter::Mode::Replace).close();
    EXPECT_TRUE(fs::is_regular_file(path("real/new.dat")));

    // A device behind a link: written in place (and full), the link kept.
    if (fs::exists("/dev/full")) {
        fs::create_symlink("/dev/full", path("full.dat"));
        EXPECT_EQ(errorOf([&] {
                      TextFileWriter w(path("full.dat"), TextFileWriter::Mode::Replace);
                      w.line("data");
                      w.close();
                  }),
                  ErrDiskFull);
        EXPECT_TRUE(fs::is_symlink(path("full.dat")));
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }
}

// A named pipe, a socket or a folder is no file: reading it and every way
// of writing it are refused (75) at once, with or without a program at the
// pipe's other end, through a link as well, and the thing stays as it was.
TEST_F(TextFileTest, PipesSocketsAndFoldersAreRefusedWithoutWaiting) {
    ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path("socket").copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(path("folder"));
    fs::create_symlink(path("pipe"), path("link.dat"));
    using Call = std::function<void(const std::string&)>;
    const std::pair<const char*, Call> calls[] = {
        {"read", [](const std::string& p) { TextFileReader r(p); }},
        {"written over", [](const std::string& p) { TextFileWriter(p).line("x").close(); }},
        {"appended to", [](const std::string& p) { TextFileWriter(p, TextFileWriter::Mode::Append).close(); }},
        {"replaced", [](const std::string& p) { TextFileWriter(p, TextFileWriter::Mode::Replace).close(); }},
        {"written whole", [](const std::string& p) { writeFileAtomically(p, "x"); }},
    };
    for (bool readerThere : {false, true}) {
        // A program reading the pipe: the pipe could be opened, and is refused all the same.
        const int reader = readerThere ? open(path("pipe").c_str(), O_RDONLY | O_NONBLOCK) : -1;
        for (const char* name : {"pipe", "socket", "folder", "link.dat"}) {
            for (const auto& [what, call] : calls) {
                int error = 0;
                const auto attempt = [&, &call = call] { error = errorOf([&] { call(path(name)); }); };
                EXPECT_TRUE(returnsWithoutWaitingOn(path("pipe"), attempt))
                    << "waited " << quorvel::testing::PipeWaitSeconds << " s for " << name << " to be " << what;
                EXPECT_EQ(error, ErrPathFileAccess) << name << " " << what << (readerThere ? ", a reader there" : "");
            }
        }
        if (reader >= 0) close(reader);
    }
    close(sock);
    EXPECT_TRUE(fs::is_fifo(path("pipe")));
    EXPECT_TRUE(fs::is_socket(path("socket")));
    EXPECT_TRUE(fs::is_symlink(path("link.dat")));
    EXPECT_EQ(diagnoseWriteFailure(path("pipe"), ErrPathFileAccess), WriteProblem::NotAFile);
    EXPECT_EQ(diagnoseWriteFailure(path("link.dat"), ErrPathFileAccess), WriteProblem::NotAFile);
    EXPECT_EQ(diagnoseWriteFailure(path("socket"), ErrPathFileAccess), WriteProblem::NotAFile);
    EXPECT_EQ(diagnoseWriteFailure(path("folder"), ErrPathFileAccess), WriteProblem::IsFolder);
}

// A save's temporary file is made with the permissions the saved file will
// have: a private file's contents are never readable by others, not even
// while the save writes them; a new file gets what the umask gives.
TEST_F(TextFileTest, TheTemporaryOfASaveHasTheSavedFilesPermissions) {
    using fs::perms;
    const perms privateFile = perms::owner_read | perms::owner_write;
    const perms shared = privateFile | perms::group_read | perms::others_read;
    struct Row {
        const char* name;
        std::optional<perms> old;
        mode_t umask;
        perms saved;
    } rows[] = {
        {"private.tul", privateFile, 022, privateFile},  // the old file's, not the umask's
        {"shared.dat", shared, 077, shared},
        {"new.dat", std::nullopt, 022, shared},
        {"new-private.dat", std::nullopt, 077, privateFile},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.old) {
            putBytes(path(row.name), "old\r\n");
            fs::permissions(path(row.name), *row.old);
        }
        const mode_t before = umask(row.umask);
        TextFileWriter w(path(row.name), TextFileWriter::Mode::Replace);
        umask(before);
        w.line("new");
        w.flush();
        std::vector<fs::path> temporaries;
        for (const auto& e : fs::directory_iterator(dir_))
            if (e.path().filename().string().rfind("." + std::string(row.name) + ".", 0) == 0)
                temporaries.push_back(e.path());
        ASSERT_EQ(temporaries.size(), 1u);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(temporaries[0])));
        EXPECT_EQ(fs::status(temporaries[0]).permissions() & perms::all, row.saved) << temporaries[0];
        w.close();
        EXPECT_EQ(fs::status(path(row.name)).permissions() & perms::all, row.saved);
        EXPECT_EQ(bytesOf(path(row.name)), "new\r\n");
    }
}

// A save killed halfway leaves its file behind: ".tmp" once locked, ".new"
// when killed before its lock. The next save of that file removes the
// program's own leftovers whose save has ended (the user's own regular
// file of the exact name a save gives, no link, its lock free), and those
// an earlier version named by its own pattern. One row each: a leftover
// goes; a running save's file and every look-alike stays.
TEST_F(TextFileTest, TheNextSaveRemovesWhatInterruptedSavesOfTheFileLeft) {
    putBytes(path("kohde.dat"), "old\r\n");
    const pid_t child = fork();
    if (child == 0) {
        TextFileWriter w(path("kohde.dat"), TextFileWriter::Mode::Replace);
        w.line("half");
        w.flush();
        raise(SIGKILL);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::vector<std::string> onlyBefore = filesInFolder();
    ASSERT_EQ(onlyBefore.size(), 2u) << "the killed save's temporary";
    ASSERT_EQ(onlyBefore[0].rfind(".kohde.dat.", 0), 0u) << onlyBefore[0];

    enum Kind { File, Locked, Link, Folder, OtherUsers };
    struct Row {
        const char* name;
        Kind kind;
        bool goes;
    };
    const Row rows[] = {
        {".kohde.dat.0123456789abcdef.new", File, true},   // killed before its lock
        {".kohde.dat.00112233445566ff.tmp", File, true},   // killed while writing
        {".kohde.dat.123456-7.tmp", File, true},           // as earlier versions named them
        {".kohde.dat.fedcba9876543210.tmp", Locked, false},  // another copy's save in progress
        {".kohde.dat.fedcba9876543211.new", Locked, false},
        {".kohde.dat.1111111111111111.new", Link, false},
        {".kohde.dat.2222222222222222.new", Folder, false},
        {".kohde.dat.3333333333333333.new", OtherUsers, false},
        {".kohde.dat.0123456789ABCDEF.new", File, false},  // not the program's form of the name
        {".kohde.dat.0123456789abcde.new", File, false},
        {".kohde.dat.123456-7.new", File, false},
        {".kohde.dat.0123456789abcdef.new.bak", File, false},
        {".kohde.dat.0123456789abcdef.tmp.bak", File, false},
        {".kohde.dat.keep.tmp", File, false},
        {".kohde.datx.0123456789abcdef.new", File, false},
        {".muu.dat.0123456789abcdef.new", File, false},
        {"kohde.dat.0123456789abcdef.new", File, false},
    };
    std::vector<int> locks;
    putBytes(path("oma.dat"), "the user's\r\n");
    std::vector<std::string> expected = {"kohde.dat", "oma.dat"};
    for (const Row& row : rows) {
        if (!row.goes) expected.push_back(row.name);
        if (row.kind == Link) {
            fs::create_symlink("oma.dat", path(row.name));
            continue;
        }
        if (row.kind == Folder) {
            fs::create_directory(path(row.name));
            continue;
        }
        putBytes(path(row.name), "x");
        if (row.kind == Locked) {
            locks.push_back(open(path(row.name).c_str(), O_RDONLY));
            ASSERT_EQ(flock(locks.back(), LOCK_EX), 0);
        }
        if (row.kind == OtherUsers && (geteuid() != 0 || chown(path(row.name).c_str(), 65534, 65534) != 0))
            expected.pop_back(), fs::remove(path(row.name));  // only the superuser makes another user's file
    }

    writeFileAtomically(path("kohde.dat"), "new\r\n");
    for (const int fd : locks) close(fd);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(filesInFolder(), expected);
    EXPECT_EQ(bytesOf(path("kohde.dat")), "new\r\n");
    EXPECT_EQ(bytesOf(path("oma.dat")), "the user's\r\n");
}

// A checked save replaces only the file it was told of (as this copy
// opened or last saved it). One row per change made on disk in between:
// another content refuses the save (58) and leaves that content and no
// temporary; the same bytes under a new inode, a file deleted since and an
// unchecked save replace. What the save wrote is told back as the file on
// disk now holds it.
TEST_F(TextFileTest, ACheckedSaveReplacesOnlyTheFileItKnows) {
    const std::string target = path("kohde.dat");
    struct Row {
        const char* change;
        std::function<void()> make;
        bool checked;
        bool refused;
    };
    const Row rows[] = {
        {"none", [] {}, true, false},
        {"other bytes of the same size, in place", [&] { putBytes(target, "OLD\r\n"); }, true, true},
        {"a longer file", [&] { putBytes(target, "older\r\n"); }, true, true},
        {"the same bytes in a new file", [&] {
             putBytes(path("copy"), "old\r\n");
             fs::rename(path("copy"), target);
         }, true, false},
        {"deleted", [&] { fs::remove(target); }, true, false},
        {"other bytes, unchecked", [&] { putBytes(target, "OLD\r\n"); }, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.change);
        putBytes(target, "old\r\n");
        SaveCheck check;
        if (row.checked) check.expected = contentsOf(target);
        row.make();
        const std::string before = fs::exists(target) ? bytesOf(target) : "";
        const int error = errorOf([&] { writeFileAtomically(target, "new\r\n", &check); });
        EXPECT_EQ(error, row.refused ? ErrFileAlreadyExists : 0);
        EXPECT_EQ(bytesOf(target), row.refused ? before : "new\r\n");
        EXPECT_EQ(filesInFolder(), std::vector<std::string>{"kohde.dat"});
        if (row.refused) {
            EXPECT_TRUE(holdsSameAs(check.found, contentsOf(target)));
            // Replacing what was found: the save goes through.
            check.expected = check.found;
            EXPECT_EQ(errorOf([&] { writeFileAtomically(target, "new\r\n", &check); }), 0);
        }
        EXPECT_TRUE(holdsSameAs(check.written, contentsOf(target)));
        putBytes(target, "new!\r\n");
        EXPECT_FALSE(holdsSameAs(check.written, contentsOf(target))) << "a change after the save";
    }
}

// Two copies save the same file at once: each one's clean-up of interrupted
// saves runs against the other's save in progress. A save's temporary file
// is locked from the moment it bears a name the clean-up takes (made under
// another name, locked, then renamed: no such name is ever created
// unlocked), so every save of both copies succeeds.
TEST_F(TextFileTest, ASaveInProgressIsNeverAnotherCopysToCleanUp) {
    const std::string target = path("kohde.dat");
    putBytes(target, "old\r\n");
    const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, dir_.c_str(), IN_CREATE), 0);
    int stop[2];
    ASSERT_EQ(pipe(stop), 0);
    const pid_t other = fork();  // the other copy: saves until told to stop
    if (other == 0) {
        close(stop[1]);
        fcntl(stop[0], F_SETFL, O_NONBLOCK);
        int failed = 0;
        char c = 0;
        while (read(stop[0], &c, 1) < 0 && errno == EAGAIN) try {
                writeFileAtomically(target, "other\r\n");
            } catch (const RunTimeError&) {
                ++failed;
            }
        _exit(failed > 0 ? 1 : 0);
    }
    ASSERT_GT(other, 0);
    close(stop[0]);
    int failed = 0;
    for (int save = 0; save < 300; ++save) try {
            writeFileAtomically(target, "this\r\n");
        } catch (const RunTimeError&) {
            ++failed;
        }
    ASSERT_EQ(write(stop[1], "x", 1), 1);
    close(stop[1]);
    int status = 0;
    while (waitpid(other, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_EQ(failed, 0) << "saves of this copy failed";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "saves of the other copy failed";
    // Every file created in the folder had a name no clean-up takes.
    alignas(inotify_event) char events[1 << 16];
    int createdTemporaries = 0, created = 0;
    for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;)
        for (char* at = events; at < events + n;) {
            const auto* event = reinterpret_cast<inotify_event*>(at);
            at += sizeof(inotify_event) + event->len;
            const std::string name = event->name;
            ++created;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) ++createdTemporaries;
        }
    close(watch);
    EXPECT_GT(created, 0);
    EXPECT_EQ(createdTemporaries, 0) << "temporary files were created under the name the clean-up takes";
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"kohde.dat"});
}

// Why a write failed, for the message that says it in words. Permissions
// do not stop the superuser, who runs the read-only rows again as "nobody".
TEST_F(TextFileTest, WriteFailuresAreDiagnosed) {
    fs::create_directory(path("sub"));
    putBytes(path("file.dat"), "x");
    EXPECT_EQ(diagnoseWriteFailure(path("no such folder/a.dat"), ErrPathNotFound), WriteProblem::FolderMissing);
    EXPECT_EQ(diagnoseWriteFailure(path("sub"), ErrPathFileAccess), WriteProblem::IsFolder);
    EXPECT_EQ(diagnoseWriteFailure(path("a.dat"), ErrDiskFull), WriteProblem::DiskFull);
    EXPECT_EQ(diagnoseWriteFailure(path("file.dat"), ErrDeviceIo), WriteProblem::Other);
    if (geteuid() == 0) {
        std::string failure;
        const auto status = quorvel::testing::runAsNobody("TextFileTest.WriteFailuresAreDiagnosed", failure);
        ASSERT_TRUE(status) << failure;
        EXPECT_EQ(*status, 0) << "the read-only rows failed as the user nobody";
        return;
    }
    fs::permissions(path("file.dat"), fs::perms::owner_read);
    EXPECT_EQ(errorOf([&] { TextFileWriter w(path("file.dat"), TextFileWriter::Mode::Replace); }),
              ErrPathFileAccess);
    EXPECT_EQ(bytesOf(path("file.dat")), "x");
    EXPECT_EQ(diagnoseWriteFailure(path("file.dat"), ErrPathFileAccess), WriteProblem::FileReadOnly);
    fs::permissions(path("sub"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(errorOf([&] { writeFileAtomically(path("sub/a.dat"), "x"); }), ErrPathFileAccess);
    EXPECT_EQ(diagnoseWriteFailure(path("sub/a.dat"), ErrPathFileAccess), WriteProblem::FolderNotWritable);
    fs::permissions(path("sub"), fs::perms::owner_all);
}

// A save keeps the replaced file's owner where the saver may set it (the
// superuser) and its group where the saver is a member; a group it cannot
// keep is told back. A file the saver may write in a folder it may not,
// or of another user in a sticky folder, is refused and left whole, for
// the reason named. Run as the superuser, who makes the files of others
// and runs the rows of an ordinary user (nobody, a member of the group
// "users" besides its own) in a child.
TEST_F(TextFileTest, ASaveKeepsTheOwnerAndGroupItMayAndNamesWhyItCannotReplace) {
    if (geteuid() != 0) GTEST_SKIP() << "making files of other users and groups needs the superuser";
    constexpr uid_t nobody = 65534;
    constexpr gid_t nogroup = 65534, users = 100, staff = 50;
    putBytes(path("own.dat"), "old\r\n");
    ASSERT_EQ(chown(path("own.dat").c_str(), nobody, staff), 0);
    ASSERT_EQ(chmod(path("own.dat").c_str(), 0640), 0);
    SaveCheck check;
    writeFileAtomically(path("own.dat"), "new\r\n", &check);
    struct stat s {};
    ASSERT_EQ(stat(path("own.dat").c_str(), &s), 0);
    EXPECT_EQ(s.st_uid, nobody);
    EXPECT_EQ(s.st_gid, staff);
    EXPECT_EQ(s.st_mode & 07777, 0640u);
    EXPECT_FALSE(check.groupNotKept);

    struct Row {
        const char* folder;
        mode_t folderMode;
        gid_t folderGroup, fileGroup;
        mode_t fileMode;
        const char* outcome;  // what the child finds
    };
    const Row rows[] = {
        {"team", 0775, users, users, 0664, "saved 65534:100 664"},
        {"notmember", 0777, 0, staff, 0666, "saved 65534:65534 666, group 50 not kept"},
        {"shut", 0755, 0, 0, 0666, "refused 75, the file writable, the folder not"},
        {"sticky", 01777, 0, 0, 0666, "refused 75, sticky folder"},
    };
    for (const Row& row : rows) {
        fs::create_directory(path(row.folder));
        ASSERT_EQ(chown(path(row.folder).c_str(), 0, row.folderGroup), 0);
        ASSERT_EQ(chmod(path(row.folder).c_str(), row.folderMode), 0);
        const std::string file = path(row.folder) + "/file.dat";
        putBytes(file, "old\r\n");
        ASSERT_EQ(chown(file.c_str(), 0, row.fileGroup), 0);
        ASSERT_EQ(chmod(file.c_str(), row.fileMode), 0);
    }
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        const gid_t groups[] = {users};
        if (setgroups(1, groups) != 0 || setgid(nogroup) != 0 || setuid(nobody) != 0) _exit(126);
        std::string found;
        for (const Row& row : rows) {
            const std::string file = path(row.folder) + "/file.dat";
            SaveCheck c;
            const int error = errorOf([&] { writeFileAtomically(file, "new\r\n", &c); });
            struct stat after {};
            stat(file.c_str(), &after);
            if (error == 0) {
                char mode[8];
                snprintf(mode, sizeof mode, "%o", after.st_mode & 07777);
                found += "saved " + std::to_string(after.st_uid) + ":" + std::to_string(after.st_gid) + " " + mode;
                if (c.groupNotKept) found += ", group " + std::to_string(*c.groupNotKept) + " not kept";
            } else {
                found += "refused " + std::to_string(error);
                const WriteProblem problem = diagnoseWriteFailure(file, error);
                if (problem == WriteProblem::FileWritableFolderNot) found += ", the file writable, the folder not";
                if (problem == WriteProblem::StickyFolder) found += ", sticky folder";
                if (bytesOf(file) != "old\r\n") found += ", the old file lost";
            }
            found += "\n";
        }
        const ssize_t written = write(out[1], found.data(), found.size());
        _exit(written == static_cast<ssize_t>(found.size()) ? 0 : 125);
    }
    ASSERT_GT(child, 0);
    close(out[1]);
    std::string found;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) found.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child as the user nobody";
    std::string expected;
    for (const Row& row : rows) expected += std::string(row.outcome) + "\n";
    EXPECT_EQ(found, expected);
    for (const Row& row : rows)
        for (const auto& entry : fs::directory_iterator(path(row.folder)))
            EXPECT_EQ(entry.path().filename(), "file.dat") << "left in " << row.folder;
}

TEST_F(TextFileTest, OutputErrorsHaveTheirNumbers) {
    const std::string noFolder = path("no such folder/out.txt");
    EXPECT_EQ(errorOf([&] { TextFileWriter w(noFolder); }), ErrPathNotFound);
    EXPECT_EQ(errorOf([&] { TextFileWriter w(noFolder, TextFileWriter::Mode::Replace); }), ErrPathNotFound);
    EXPECT_EQ(errorOf([&] { writeFileAtomically(noFolder, "x"); }), ErrPathNotFound);
    fs::create_directory(path("sub"));
    EXPECT_EQ(errorOf([&] { TextFileWriter w(path("sub")); }), ErrPathFileAccess);
    EXPECT_EQ(errorOf([&] { TextFileWriter(path("sub"), TextFileWriter::Mode::Replace).close(); }),
              ErrPathFileAccess);
    EXPECT_TRUE(fs::is_directory(path("sub")));
    EXPECT_THAT(filesInFolder(), ElementsAre("sub"));

    // A device that is always full: the data cannot be written.
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(errorOf([] {
                      TextFileWriter w("/dev/full");
                      w.line("data");
                      w.close();
                  }),
                  ErrDiskFull);
    }
}

// --- Finding files whatever the case of their names -----------------------

TEST_F(TextFileTest, FindsFilesWithoutRegardToCase) {
    putBytes(path("KEF.DA0"), "");
    fs::create_directory(path("tekstit0.da0"));  // a folder is not a file
    EXPECT_EQ(findFileIgnoringCase(folder(), "kef.da0"), folder() + "KEF.DA0");
    EXPECT_EQ(findFileIgnoringCase(dir_.string(), "Kef.Da0"), folder() + "KEF.DA0");
    EXPECT_EQ(findFileIgnoringCase(folder(), "KEF.DA0"), folder() + "KEF.DA0");
    EXPECT_EQ(findFileIgnoringCase(folder(), "kef.da1"), std::nullopt);
    EXPECT_EQ(findFileIgnoringCase(folder(), "TEKSTIT0.DA0"), std::nullopt);
    EXPECT_EQ(findFileIgnoringCase(path("missing folder"), "kef.da0"), std::nullopt);

    // An exact match wins over one that differs in case.
    putBytes(path("kef.da0"), "");
    EXPECT_EQ(findFileIgnoringCase(folder(), "kef.da0"), folder() + "kef.da0");
    EXPECT_EQ(findFileIgnoringCase(folder(), "KEF.DA0"), folder() + "KEF.DA0");

    EXPECT_EQ(resolveFile(dir_.string(), "kef.DA0"), folder() + "KEF.DA0");
    EXPECT_EQ(resolveFile(folder(), "new.da0"), folder() + "new.da0");
    EXPECT_EQ(resolveFile(dir_.string(), "new.da0"), folder() + "new.da0");

    // A rooted name is taken inside the folder, as the system reads the
    // doubled "/", and named without it.
    fs::create_directory(path("dev"));
    putBytes(path("dev/zero.mit"), "");
    EXPECT_EQ(findFileIgnoringCase(folder(), "/dev/zero.mit"), folder() + "dev/zero.mit");
    EXPECT_EQ(resolveFile(dir_.string(), "//dev/none.mit"), folder() + "dev/none.mit");
    EXPECT_EQ(resolveFile("", "/dev/none.mit"), "/dev/none.mit");
}
