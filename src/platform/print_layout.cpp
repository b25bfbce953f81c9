#include "platform/print_layout.h"

#include <algorithm>

#include "platform/forms/utf8.h"

namespace quorvel::platform {

namespace {

// The line in pieces of at most width characters; the pieces after the
// first start with the line's own indent (at most half the width).
std::vector<std::string> wrapped(const std::string& line, int width) {
    const int length = utf8::length(line);
    if (length <= width) return {line};
    const std::size_t firstText = line.find_first_not_of(' ');
    const int indent = std::min(static_cast<int>(firstText == std::string::npos ? 0 : firstText), width / 2);
    const std::string prefix(static_cast<std::size_t>(indent), ' ');
    std::vector<std::string> pieces;
    pieces.push_back(line.substr(0, utf8::offsetOf(line, width)));
    const int step = width - indent;  // at least width / 2 >= 1 when width >= 1
    for (int at = width; at < length; at += step) {
        const std::size_t from = utf8::offsetOf(line, at);
        const std::size_t to = utf8::offsetOf(line, std::min(at + step, length));
        pieces.push_back(prefix + line.substr(from, to - from));
    }
    return pieces;
}

}  // namespace

std::vector<PrintedPage> layoutPrintPages(const std::vector<std::string>& lines, int charsPerLine,
                                          int linesPerPage) {
    charsPerLine = std::max(charsPerLine, 1);
    linesPerPage = std::max(linesPerPage, 1);
    std::vector<PrintedPage> pages(1);
    for (const std::string& line : lines) {
        for (std::string& piece : wrapped(line, charsPerLine)) {
            if (static_cast<int>(pages.back().size()) == linesPerPage) pages.emplace_back();
            pages.back().push_back(std::move(piece));
        }
    }
    return pages;
}

}  // namespace quorvel::platform
