#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "runtime/errors.h"
#include "support/as_other_user.h"
#include "support/test_support.h"
#include "runtime/text_file.h"

using namespace quorvel::runtime;
using quorvel::testing::errorOf;
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
}
