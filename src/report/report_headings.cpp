#include "report/report_headings.h"

#include "runtime/errors.h"
#include "runtime/input_items.h"
#include "runtime/text_file.h"

namespace quorvel::report {

std::string reportHeadingFileName(int16_t languageIndex) {
    return "tekstit" + std::to_string(languageIndex) + ".da0";
}

ReportHeadings ReportHeadings::read(const std::string& dataPath, int16_t languageIndex) {
    const std::string name = reportHeadingFileName(languageIndex);
    const auto path = runtime::findFileIgnoringCase(dataPath, name);
    if (!path) throw runtime::RunTimeError(runtime::ErrFileNotFound, dataPath + name);

    runtime::TextFileReader file(*path);
    runtime::InputItemReader items(file);
    ReportHeadings headings;
    for (int n = 1; n <= ItemCount; ++n) headings.items_[n] = items.readItem();  // 62 when short
    return headings;
}

const std::string& ReportHeadings::operator()(int n) const {
    if (n < 1 || n > ItemCount) throw runtime::RunTimeError(runtime::ErrSubscriptOutOfRange, "heading item");
    return items_[n];
}

}  // namespace quorvel::report
