#include "platform/print_layout.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>

#include "platform/forms/utf8.h"

namespace quorvel::platform {

namespace {

// How much deeper than its line a continuation starts.
constexpr int ContinuationIndent = 4;

// The line in pieces of at most width characters. A piece ends at the last
// blank that lets it fit, so fields stay whole; only a single field wider
// than the room is cut. The pieces after the first start with the line's
// own indent and ContinuationIndent more (together at most half the width)
// and carry the rest without its leading blanks.
std::vector<std::string> wrapped(const std::string& line, int width) {
    std::vector<char32_t> text = utf8::decode(line);
    if (static_cast<int>(text.size()) <= width) return {line};
    const auto firstText = std::find_if(text.begin(), text.end(), [](char32_t c) { return c != U' '; });
    const int ownIndent = static_cast<int>(firstText - text.begin());
    const int indent = std::min(ownIndent + ContinuationIndent, width / 2);
    auto encode = [](std::vector<char32_t>::const_iterator from, std::vector<char32_t>::const_iterator to) {
        std::string s;
        for (; from != to; ++from) s += utf8::encode(*from);
        return s;
    };
    std::vector<std::string> pieces;
    std::string prefix;  // none on the first piece
    int room = width;
    auto rest = text.cbegin();
    while (text.cend() - rest > room) {
        // The last blank within the room that follows some text of the piece.
        auto cut = rest + room;
        auto blank = cut;
        while (blank != rest && *blank != U' ') --blank;
        auto end = blank;
        while (end != rest && *(end - 1) == U' ') --end;
        const bool textBeforeBlank = end != rest && end - rest > (prefix.empty() ? ownIndent : 0);
        if (*blank == U' ' && textBeforeBlank) {
            cut = blank;
        } else {
            end = cut;  // one field wider than the room
        }
        pieces.push_back(prefix + encode(rest, end));
        rest = cut;
        while (rest != text.cend() && *rest == U' ') ++rest;
        prefix.assign(static_cast<std::size_t>(indent), ' ');
        room = width - indent;  // at least width / 2 >= 1 when width >= 1
    }
    if (rest != text.cend()) pieces.push_back(prefix + encode(rest, text.cend()));
    return pieces;
}

}  // namespace

double legibleFontSize(double size) {
    if (!std::isfinite(size)) return DefaultReportFontSize;
    return std::clamp(size, MinReportFontSize, MaxReportFontSize);
}

double fittedFontSize(double asked, int widestLine, double advancePerPoint, double pageWidth) {
    const double size = legibleFontSize(asked);
    if (widestLine <= 0 || advancePerPoint <= 0 || widestLine * advancePerPoint * size <= pageWidth) return size;
    const double fits = std::floor(pageWidth / (widestLine * advancePerPoint) * 10) / 10;
    return std::min(size, std::max(fits, MinFittedFontSize));
}

int widestLineLength(const std::vector<std::string>& lines) {
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, utf8::length(line));
    return widest;
}

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

std::optional<std::string> printFileRefusal(const std::string& path, bool english) {
    struct stat s {};
    if (path.empty() || ::stat(path.c_str(), &s) != 0 || S_ISREG(s.st_mode)) return std::nullopt;
    if (S_ISDIR(s.st_mode))
        return english ? "The file " + path + " cannot be printed to: a folder of that name exists."
                       : "Tiedostoon " + path + " ei voi tulostaa: samanniminen kansio on jo olemassa.";
    return english ? "The file " + path +
                         " cannot be printed to: the name belongs to a named pipe, a socket or a device, not to a file."
                   : "Tiedostoon " + path +
                         " ei voi tulostaa: nimi kuuluu nimetylle putkelle, pistokkeelle tai laitteelle, ei "
                         "tiedostolle.";
}

}  // namespace quorvel::platform
