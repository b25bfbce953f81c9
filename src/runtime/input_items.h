#pragma once
// Items of a text file read one at a time, the way the data files of the
// program are read with sequential input: an item ends at a comma or at the
// end of a line; blanks before an item are skipped; an item that starts
// with a double quote runs to the closing quote (it may hold commas) and is
// taken without the quotes. An empty line is one empty item.

#include <string>

#include "runtime/text_file.h"

namespace quorvel::runtime {

class InputItemReader {
public:
    explicit InputItemReader(TextFileReader& file) : file_(file) {}

    // The next item; raises 62 (input past end of file) when the file holds
    // no further item.
    std::string readItem();
    // The next item as a number (leading-number rule; "12kN" gives 12).
    double readNumber();
    // True when the line the item read last came from holds further items
    // (a comma followed that item).
    bool lineHasMoreItems() const { return pending_; }
    // True when every item has been read.
    bool eof() const { return !pending_ && file_.eof(); }
    // The number of the line the item read last came from (1 for the first).
    std::size_t line() const { return file_.linesRead(); }

private:
    TextFileReader& file_;
    std::string line_;
    std::size_t pos_ = 0;
    bool pending_ = false;  // line_ holds items from pos_ on
};

}  // namespace quorvel::runtime
