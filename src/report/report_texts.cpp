#include "report/report_texts.h"

#include "runtime/errors.h"

namespace quorvel::report {

namespace {

std::string trimmed(const std::string& s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// Keys are plain ASCII words; letter case does not count.
bool sameKey(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string LookupQuotedEntry(const std::string& key, runtime::TextFileReader& file) {
    file.rewind();
    while (!file.eof()) {
        const std::string line = trimmed(file.readLine());
        if (line.empty() || line[0] == '\'') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || !sameKey(trimmed(line.substr(0, equals)), key)) continue;
        const std::size_t open = line.find('"', equals + 1);
        const std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
        if (close == std::string::npos)
            throw runtime::RunTimeError(runtime::ErrInvalidCall, "report text " + key + " has no closing quote");
        return line.substr(open + 1, close - open - 1);
    }
    return {};
}

std::string reportLanguageFilePath(int16_t languageIndex, const runtime::ProgramContext& context) {
    if (languageIndex == 0) return context.programFolder() + "resultLanguage.fin";
    if (languageIndex == 1) return context.programFolder() + "resultLanguage.eng";
    return "resultLanguage.fin";
}

ReportLanguageFile openReportLanguageFile(int16_t languageIndex, const runtime::ProgramContext& context) {
    const std::string path = reportLanguageFilePath(languageIndex, context);
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (auto found = runtime::findFileIgnoringCase(folder, name))
        return ReportLanguageFile(runtime::TextFileReader(*found));
    throw runtime::RunTimeError(runtime::ErrFileNotFound, path);
}

}  // namespace quorvel::report
