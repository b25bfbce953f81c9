// Lines of a print job on pages: the font made small enough for the widest
// line, lines that are wider still broken at a blank and continued deeper;
// pages fill from the top.

#include "platform/print_layout.h"
#include "platform/message_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorvel::platform {
namespace {

TEST(PrintLayout, LinesFillPagesFromTheTop) {
    std::vector<std::string> lines;
    for (int i = 0; i < 7; ++i) lines.push_back("r" + std::to_string(i));
    auto pages = layoutPrintPages(lines, 80, 3);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], (PrintedPage{"r0", "r1", "r2"}));
    EXPECT_EQ(pages[2], (PrintedPage{"r6"}));
    EXPECT_EQ(layoutPrintPages({}, 80, 3).size(), 1u);
}

// A wide line breaks at the last blank that fits and goes on 4 deeper than
// its own indent (at most half the width); a number or a word is cut only
// when it alone is wider than the room.
TEST(PrintLayout, AWideLineBreaksAtABlankBetweenFields) {
    struct Case {
        std::string line;
        int width;
        PrintedPage expected;
    };
    const Case cases[] = {
        {"      psii1   =    0.70", 20, {"      psii1   =", "          0.70"}},
        {"  v.B = -117.54 -117.54 N/mm", 16, {"  v.B = -117.54", "      -117.54", "      N/mm"}},
        {"  1800 3200", 10, {"  1800", "     3200"}},
        {"  äöäö äöäö", 8, {"  äöäö", "    äöäö"}},
        {"ab 123456789012", 8, {"ab", "    1234", "    5678", "    9012"}},
        {"exactly ten", 11, {"exactly ten"}},
        {"exactly ten!", 11, {"exactly", "    ten!"}},
    };
    for (const Case& c : cases) {
        auto pages = layoutPrintPages({c.line}, c.width, 50);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0], c.expected) << c.line;
        for (const std::string& piece : pages[0]) EXPECT_LE(piece.size(), c.line.size()) << c.line;
    }
}

TEST(PrintLayout, TheFontShrinksToTheWidestLineButNotBelowSevenPoints) {
    // A4 portrait with 15 mm margins: 180 mm = 510.2 pt; a fixed-pitch
    // character is 0.6 of the size wide. 96 characters need
    // 510.2 / (96 x 0.6) = 8.857 pt -> 8.8; 84 characters fit at 10 pt
    // (84 x 6 = 504 pt); 130 characters would need 6.5 pt -> 7.
    const double a4 = 180 / 25.4 * 72;
    EXPECT_DOUBLE_EQ(fittedFontSize(10, 96, 0.6, a4), 8.8);
    EXPECT_DOUBLE_EQ(fittedFontSize(10, 84, 0.6, a4), 10);
    EXPECT_DOUBLE_EQ(fittedFontSize(10, 130, 0.6, a4), 7);
    // The asked size is held to 6..16 pt first; a small asked size is kept.
    EXPECT_DOUBLE_EQ(fittedFontSize(1000, 40, 0.6, a4), 16);
    EXPECT_DOUBLE_EQ(fittedFontSize(0.001, 200, 0.6, a4), 6);
    EXPECT_DOUBLE_EQ(legibleFontSize(std::numeric_limits<double>::quiet_NaN()), 10);
    EXPECT_DOUBLE_EQ(legibleFontSize(-3), 6);
    EXPECT_EQ(widestLineLength({"ab", "äöäöä", ""}), 5);
}

}  // namespace
}  // namespace quorvel::platform

namespace quorvel::platform {
namespace {

// A message box is as wide as its longest line: a word longer than a line
// (a megabyte stored as a name, a long path) is broken every 80
// characters, counted in code points; a text beyond 2400 characters is cut
// there. Blanks and line ends start a new run.
TEST(MessageLayout, LongWordsBreakAndLongTextsAreCut) {
    const std::string x80(80, 'x');
    const std::string a80 = [] {
        std::string s;
        for (int i = 0; i < 80; ++i) s += "\xc3\xa4";  // "ä", two bytes
        return s;
    }();
    const struct {
        std::string text;
        std::string shown;
    } rows[] = {
        {x80, x80},
        {x80 + "y", x80 + "\ny"},
        {a80 + "y", a80 + "\ny"},
        {"/" + x80 + " " + x80, "/" + std::string(79, 'x') + "\nx " + x80},
        {x80 + "\r\n" + x80, x80 + "\r\n" + x80},
        {std::string(2400, ' '), std::string(2400, ' ')},
        {std::string(2401, ' '), std::string(2400, ' ') + " ..."},
    };
    for (const auto& row : rows) EXPECT_EQ(messageBoxText(row.text), row.shown) << row.text.size();
    const std::string megabyte = messageBoxText(std::string(1 << 20, 'x'));
    EXPECT_EQ(megabyte.size(), 2400u + 2400u / 80 - 1 + 4);  // 30 lines of 80, the last without its break
}

}  // namespace
}  // namespace quorvel::platform
