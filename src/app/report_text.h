#pragma once
// The report file read back for the screen and the printer: every line
// behind a left margin of blanks and ended by CR LF, up to 65500
// characters in all.

#include <optional>
#include <vector>
#include <string>

#include "platform/platform.h"

namespace quorvel::app {

constexpr int ReportTextLimit = 65500;

struct ReportText {
    std::string text;
    bool complete = true;  // false: the limit stopped the reading
};

// Reads the file line by line. A line whose margin, text and line end
// would take the text beyond the limit is not added, and the reading stops
// there. Nothing when the file does not exist.
std::optional<ReportText> readReportText(const std::string& path, int margin);

// Reads the report for the screen or the printer with the messages of both:
// a missing file gives "Tulostiedon muodostus virhe!" (and nothing), a
// report cut at the limit the "Varoitus" about the first 65500 characters.
std::optional<std::string> loadReportText(platform::Platform& platform, const std::string& path, int margin);

// Says that the report could not be made and why, for the error number the
// results writer returned, in the language of the index (Finnish unless 1).
// The texts are the program's own: the report may have failed because a
// text file of the data folder is missing. file: the file the error named,
// when it named one.
std::string reportFailureText(int error, int16_t languageIndex, const std::string& file = {});
void ShowReportFailure(platform::Platform& platform, int error, int16_t languageIndex, const std::string& file = {});

// The reason alone, one sentence: a missing text file, an incomplete one,
// a file that could not be written, else missing or invalid results.
std::string reportFailureCause(int error, int16_t languageIndex, const std::string& file = {});

// The text as printed lines: split at its line ends, a final line end
// starting no empty line.
std::vector<std::string> printedLines(const std::string& text);

}  // namespace quorvel::app
