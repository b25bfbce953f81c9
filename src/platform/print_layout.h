#pragma once
// How a print job's lines fall on pages of fixed-pitch text. The font is
// made small enough for the widest line to fit the page width, down to a
// legible size; a line that is wider still goes on in the line below,
// broken at a blank between its fields (never inside a number or a word)
// and indented deeper than the line itself. Pages are filled from the top.

#include <optional>
#include <string>
#include <vector>

namespace quorvel::platform {

using PrintedPage = std::vector<std::string>;

// The range of report font sizes (pt) the program takes, whatever the
// settings hold, and the smallest size printing shrinks a font to.
constexpr double MinReportFontSize = 6;
constexpr double MaxReportFontSize = 16;
constexpr double DefaultReportFontSize = 10;
constexpr double MinFittedFontSize = 7;

// The size held to the range; a size that is not a number gives the
// default.
double legibleFontSize(double size);

// The size at which widestLine characters of advancePerPoint (the width of
// one character of a fixed-pitch font at 1 pt) fit pageWidth (in the same
// unit as the advance): the legible asked size when they fit, else the
// largest tenth of a point that fits, but not below MinFittedFontSize (nor
// above the asked size).
double fittedFontSize(double asked, int widestLine, double advancePerPoint, double pageWidth);

// The number of characters (code points) of the widest line.
int widestLineLength(const std::vector<std::string>& lines);

// The pages of lines at charsPerLine characters (code points) to a line
// and linesPerPage lines to a page (each at least 1). A job without lines
// still prints one empty page.
std::vector<PrintedPage> layoutPrintPages(const std::vector<std::string>& lines, int charsPerLine,
                                          int linesPerPage);

// Why printing to the file path (a PDF) is refused, as a message in the
// language of the windows (english or Finnish): the name belongs to a
// folder, a named pipe, a socket or a device (a link followed to what it
// names). The type is asked without opening the file, whose opening by the
// printer could wait for good (a pipe without a reader). Nothing for a
// regular file or a name not yet taken.
std::optional<std::string> printFileRefusal(const std::string& path, bool english);

}  // namespace quorvel::platform
