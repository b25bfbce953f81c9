#pragma once
// The report language files: "resultLanguage.fin" (language 0) and
// "resultLanguage.eng" (language 1) in the program folder; any other
// language index takes the bare "resultLanguage.fin" of the current folder.
// A useful line is  key = "text" ; blank lines and lines starting with "'"
// are skipped, keys are compared without regard to letter case and the
// first matching line wins. The report labels are the keys "resultText"
// followed by a number (resultText14, resultText105a).

#include <cstdint>
#include <set>
#include <string>

#include "runtime/program_context.h"
#include "runtime/text_file.h"

namespace quorvel::report {

// The text between the first two double quotes after the "=" of the first
// line whose key is key, read from the start of the file; the empty text
// when no line has the key. A matching line whose value lacks its opening
// or closing double quote raises run-time error 5: a damaged language file
// stops the report instead of printing half a line of it as a label.
std::string LookupQuotedEntry(const std::string& key, runtime::TextFileReader& file);

// An open report language file.
class ReportLanguageFile {
public:
    explicit ReportLanguageFile(runtime::TextFileReader file) : file_(std::move(file)) {}
    // The label of "resultText" followed by number ("14", "105a").
    std::string text(const std::string& number) { return entry("resultText" + number); }
    std::string entry(const std::string& key) {
        keysLookedUp_.insert(key);
        return LookupQuotedEntry(key, file_);
    }
    // Every key looked up so far (for checking the language files).
    const std::set<std::string>& keysLookedUp() const { return keysLookedUp_; }

private:
    runtime::TextFileReader file_;
    std::set<std::string> keysLookedUp_;
};

// The path of the report language file of a language index.
std::string reportLanguageFilePath(int16_t languageIndex, const runtime::ProgramContext& context);

// Opens the report language file of the language index. When no such file
// exists it raises run-time error 53 naming the file, so that the report
// ends and the window says, in its language, which text file is missing.
ReportLanguageFile openReportLanguageFile(int16_t languageIndex, const runtime::ProgramContext& context);

}  // namespace quorvel::report
