#include "report/report_lines.h"

#include "report/report_rows.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "support/test_support.h"

namespace {

using quorvel::report::PrintLabelValueLine;
using quorvel::report::PrintSideValuesLine;
using quorvel::report::ReportFile;
using quorvel::runtime::Value;
using quorvel::testing::errorOf;
using quorvel::testing::TempFolder;

// The bytes a report file holds after body wrote to it and it was closed.
std::string written(const std::function<void(ReportFile&)>& body, int* forced = nullptr) {
    TempFolder folder;
    ReportFile file(folder.file("r.tul"));
    body(file);
    if (forced) *forced = file.forcedLineBreaks();
    file.close();
    return folder.read("r.tul");
}

TEST(ReportColumns, MoveBeforeAtAndPastTheColumn) {
    int forced = -1;
    // Before: blanks up to the column. At: nothing. Past: a new line with
    // blanks up to the column.
    EXPECT_EQ(written([](ReportFile& f) { f.text("ab").moveTo(5).text("X").endLine(); }), "ab  X\r\n");
    EXPECT_EQ(written([](ReportFile& f) { f.text("abcd").moveTo(5).text("X").endLine(); }, &forced), "abcdX\r\n");
    EXPECT_EQ(forced, 0);
    EXPECT_EQ(written([](ReportFile& f) { f.text("abcdef").moveTo(5).text("X").endLine(); }, &forced),
              "abcdef\r\n    X\r\n");
    EXPECT_EQ(forced, 1);
    // Column 1 and below on an open line starts a new line; that is how a
    // row begins its own line, not a spill.
    EXPECT_EQ(written([](ReportFile& f) { f.text("ab").moveTo(0).text("X").moveTo(1).text("Y"); }, &forced),
              "ab\r\nX\r\nY");
    EXPECT_EQ(forced, 0);
}

TEST(ReportColumns, PrintZonesAndWindowsLetters) {
    // Zones start at 1, 15, 29; "ä" is one byte and one column in the file.
    EXPECT_EQ(written([](ReportFile& f) { f.text("Pää").nextZone().text("x").nextZone().text("y").endLine(); }),
              "P\xE4\xE4           x             y\r\n");
}

TEST(LabelValueLine, PlacesItsFiveItemsAndEndsTheLineOnlyWhenAsked) {
    // Text at 1, symbol at 23, " = " at 25, 4.0 at 28, unit at 35.
    EXPECT_EQ(written([](ReportFile& f) {
                  PrintLabelValueLine(f, "Korkeus", "h", "mm", Value(600.0), 4, 0, 0, 1, 23, 28, 35, 0);
                  PrintLabelValueLine(f, "Nimelliskorkeus", "hnim", "mm", Value(590.0), 4, 0, 0, 40, 60, 67, 73, 1);
              }),
              "Korkeus               h  =  600   mm   Nimelliskorkeus     hnim =  590  mm\r\n");
}

TEST(LabelValueLine, EmptySymbolStillPutsEqualsThreeColumnsBeforeTheValue) {
    EXPECT_EQ(written([](ReportFile& f) {
                  PrintLabelValueLine(f, "", "", "MPa", Value(30.0), 3, 1, 1, 10, 10, 20, 27, 1);
              }),
              "                 =  30.0  MPa\r\n");
}

TEST(LabelValueLine, EightCharacterSymbolAtThirtyWithValueAtThirtyFiveBreaksAfterTheSymbol) {
    int forced = 0;
    const std::string text = written(
        [](ReportFile& f) {
            PrintLabelValueLine(f, "", "1.2*lbpd", "mm", Value(1.5), 2, 1, 1, 1, 30, 35, 40, 1);
        },
        &forced);
    // The symbol fills columns 30..37, past 32: " = " goes to column 32 of
    // the next line and the value to 35.
    EXPECT_EQ(text, std::string(29, ' ') + "1.2*lbpd\r\n" + std::string(31, ' ') + " =  1.5 mm\r\n");
    EXPECT_EQ(forced, 1);
}

TEST(LabelValueLine, OpenLineIsContinuedByTheNextItemWhereItFits) {
    int forced = -1;
    const std::string fits = written(
        [](ReportFile& f) {
            PrintLabelValueLine(f, "a", "x", "", Value(1), 1, 0, 0, 1, 3, 8, 10, 0);
            f.moveTo(12).text("b").endLine();
        },
        &forced);
    EXPECT_EQ(fits, "a x  = 1   b\r\n");
    EXPECT_EQ(forced, 0);
    // The value is wider than its room: the unit must go to the next line.
    const std::string spills = written(
        [](ReportFile& f) { PrintLabelValueLine(f, "a", "x", "mm", Value(123456.0), 1, 0, 0, 1, 3, 8, 10, 1); },
        &forced);
    EXPECT_EQ(spills, "a x  = 123456\r\n         mm\r\n");
    EXPECT_EQ(forced, 1);
}

TEST(SideValuesLine, SelectorChoosesTheValuesButKeepsTheColumns) {
    auto line = [](int16_t selector) {
        return written([selector](ReportFile& f) {
            PrintSideValuesLine(f, selector, "Jänneväli", "L1", "mm", Value(7200.0), Value(6000.0), 5, 0, 0, 1, 12,
                                20, 30, 38, 1);
        });
    };
    // Text 1, symbol 12, " = " 17, left 20, right 30, unit 38.
    EXPECT_EQ(line(0), "J\xE4nnev\xE4li  L1    =  7200      6000   mm\r\n");
    EXPECT_EQ(line(1), "J\xE4nnev\xE4li  L1    =  7200             mm\r\n");
    EXPECT_EQ(line(2), "J\xE4nnev\xE4li  L1    =            6000   mm\r\n");
    EXPECT_EQ(line(7), line(0));
}

TEST(LinePrinters, ValueThatIsNoNumberRaisesBeforeWritingAnything) {
    TempFolder folder;
    ReportFile file(folder.file("r.tul"));
    file.text("x");
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(errorOf([&] { PrintLabelValueLine(file, "a", "b", "c", Value(inf), 3, 1, 1, 1, 5, 10, 15, 1); }), 6);
    EXPECT_EQ(errorOf([&] {
                  PrintSideValuesLine(file, 0, "a", "b", "c", Value(1.0), Value(0.0 * inf), 3, 1, 1, 1, 5, 10, 20,
                                      30, 1);
              }),
              5);
    EXPECT_EQ(file.column(), 2);  // only the "x" before
    file.close();
    EXPECT_EQ(folder.read("r.tul"), "x");
}

TEST(ReportFile, UnwritablePathRaisesAndClosingTwiceIsHarmless) {
    TempFolder folder;
    EXPECT_EQ(errorOf([&] { ReportFile f(folder.file("missing/r.tul")); }), 76);
    ReportFile file(folder.file("r.tul"));
    file.line("a");
    file.close();
    file.close();
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(folder.read("r.tul"), "a\r\n");
}

TEST(ReportFile, OldReportStaysWholeUntilTheNewOneIsClosed) {
    TempFolder folder;
    folder.writeRaw("r.tul", "old\r\n");
    {
        ReportFile file(folder.file("r.tul"));
        file.line("new");
        EXPECT_EQ(folder.read("r.tul"), "old\r\n");
    }  // destroyed without close: the old report stays
    EXPECT_EQ(folder.read("r.tul"), "old\r\n");
    ReportFile file(folder.file("r.tul"));
    file.line("new");
    file.close();
    EXPECT_EQ(folder.read("r.tul"), "new\r\n");
}

TEST(ReportClock, DateAndTimeAreZeroPaddedDayFirst) {
    const quorvel::runtime::LocalDateTime t{2025, 1, 9, 7, 5, 3};
    EXPECT_EQ(quorvel::report::reportDate(t), "09-01-2025");
    EXPECT_EQ(quorvel::report::reportTime(t), "07:05:03");
}

}  // namespace
