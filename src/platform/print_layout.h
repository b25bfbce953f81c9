#pragma once
// How a print job's lines fall on pages of fixed-pitch text: a line wider
// than the page goes on in the lines below it, indented as the line itself,
// so nothing of a report column is cut off at the page edge; pages are
// filled from the top.

#include <string>
#include <vector>

namespace quorvel::platform {

using PrintedPage = std::vector<std::string>;

// The pages of lines at charsPerLine characters (code points) to a line
// and linesPerPage lines to a page (each at least 1). A job without lines
// still prints one empty page.
std::vector<PrintedPage> layoutPrintPages(const std::vector<std::string>& lines, int charsPerLine,
                                          int linesPerPage);

}  // namespace quorvel::platform
