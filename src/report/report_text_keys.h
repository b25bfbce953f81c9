#pragma once
// The report texts the report prints: the keys "resultText" followed by a
// number that the report language files (resultLanguage.fin,
// resultLanguage.eng) must hold, each with a text in double quotes. A file
// without one of them would print a report without its title line or a
// label, so the files are checked for every one of them before they are
// used.

#include <string>
#include <vector>

namespace quorvel::report {

// The keys ("resultText1", "resultText3a", ...) in the order the delivered
// files hold them.
const std::vector<std::string>& ReportTextKeys();

}  // namespace quorvel::report
