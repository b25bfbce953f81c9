#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "runtime/input_items.h"
#include "runtime/text_file.h"
#include "support/test_support.h"

using namespace quorvel::runtime;
using quorvel::testing::errorOf;

TEST(InputItemReader, ItemsEndAtCommasAndLineEnds) {
    TextFileReader file =
        TextFileReader::fromBytes("  first item ,second\r\n\r\n\"a, quoted\" x ,3.5,\r\nlast");
    InputItemReader items(file);
    EXPECT_EQ(items.readItem(), "first item");
    EXPECT_EQ(items.readItem(), "second");
    EXPECT_EQ(items.readItem(), "");  // the empty line
    EXPECT_EQ(items.readItem(), "a, quoted");
    EXPECT_DOUBLE_EQ(items.readNumber(), 3.5);
    EXPECT_EQ(items.readItem(), "");  // after the comma that ends the line
    EXPECT_FALSE(items.eof());
    EXPECT_EQ(items.readItem(), "last");
    EXPECT_TRUE(items.eof());
    EXPECT_EQ(errorOf([&] { items.readItem(); }), ErrInputPastEndOfFile);
}
