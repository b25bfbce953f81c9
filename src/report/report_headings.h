#pragma once
// The heading file of the report's result half: "tekstit" followed by the
// language digit and ".da0" in the data folder (TEKSTIT0.DA0 Finnish,
// TEKSTIT1.DA0 English), read as exactly 192 items in file order. Items are
// separated by commas or line ends; a double-quoted item is taken without
// its quotes and keeps its blanks, which set the column widths of the
// captions. Content after item 192 is ignored.

#include <array>
#include <cstdint>
#include <string>

namespace quorvel::report {

class ReportHeadings {
public:
    static constexpr int ItemCount = 192;

    // Reads the heading file of the language from the data folder (its name
    // matched without regard to letter case). Raises 53 when the file is
    // missing and 62 when it holds fewer than 192 items.
    static ReportHeadings read(const std::string& dataPath, int16_t languageIndex);

    // Item n, 1..192; raises 9 for any other number.
    const std::string& operator()(int n) const;

private:
    std::array<std::string, ItemCount + 1> items_;  // element 0 unused
};

// The file name of the heading file of a language index ("tekstit0.da0").
std::string reportHeadingFileName(int16_t languageIndex);

}  // namespace quorvel::report
