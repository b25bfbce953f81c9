// Lines of a print job on pages: long lines go on below, indented as the
// line; pages fill from the top.

#include "platform/print_layout.h"

#include <gtest/gtest.h>

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

// A 23-character line at 10 characters a line, indented 4: "    abcdef"
// then "ghijkl" and "mnopq" behind the same 4 blanks; nothing is lost.
TEST(PrintLayout, AWideLineGoesOnBelowWithItsIndent) {
    auto pages = layoutPrintPages({"    abcdefghijklmnopq", "äöäöäöäöäöäö"}, 10, 50);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], (PrintedPage{"    abcdef", "    ghijkl", "    mnopq", "äöäöäöäöäö", "äö"}));
    // A deep indent takes at most half the line: the continuations of a
    // line of 12 blanks and "abcdefgh" are indented 5 and carry 5 of its
    // characters each (2 blanks and "abc", then "defgh").
    auto deep = layoutPrintPages({std::string(12, ' ') + "abcdefgh"}, 10, 50);
    EXPECT_EQ(deep[0], (PrintedPage{std::string(10, ' '), "       abc", "     defgh"}));
}

}  // namespace
}  // namespace quorvel::platform
