#include "inputfile/company_header.h"

#include <algorithm>
#include <optional>

#include "runtime/errors.h"
#include "runtime/input_items.h"
#include "runtime/open_file.h"
#include "runtime/text_file.h"

namespace quorvel::inputfile {

namespace {

// No company line comes near this; a longer first line is taken as far as
// this, so that a file that never ends is never read whole.
constexpr std::size_t LargestFirstLine = 64 * 1024;

// The bytes of the first line, or the problem that keeps them.
CompanyHeaderProblem readFirstLine(const std::string& path, std::string& line) {
    runtime::OpenFile file(path);
    if (!file.opened()) return file.missing() ? CompanyHeaderProblem::Missing : CompanyHeaderProblem::Unreadable;
    if (!file.regular()) return CompanyHeaderProblem::NotAFile;
    const std::optional<std::string> bytes = file.readAtMost(LargestFirstLine);
    if (!bytes) return CompanyHeaderProblem::Unreadable;
    line = bytes->substr(0, std::min(bytes->find_first_of("\r\n"), LargestFirstLine));
    // The end-of-file mark of older editors ends the text.
    if (const std::size_t mark = line.find('\x1a'); mark != std::string::npos) line.resize(mark);
    for (char c : line) {
        const auto code = static_cast<unsigned char>(c);
        if ((code < 0x20 && c != '\t') || code == 0x7F) return CompanyHeaderProblem::NotText;
    }
    return CompanyHeaderProblem::None;
}

}  // namespace

CompanyHeader ReadCompanyHeader(const std::string& dataPath, runtime::DataFileCache* files) {
    const runtime::DataFile header = runtime::findDataFile(files, dataPath, "firma.da0");
    CompanyHeader result;
    result.path = header.path;
    // Read again only from another version of the file.
    runtime::ParsedFileCache<std::string>* names =
        files && header.version ? &files->parsed<std::string>("company name") : nullptr;
    if (names)
        if (std::optional<std::string> kept = names->find(*header.version, {})) {
            result.name = *kept;
            return result;
        }
    std::string line;
    result.problem = readFirstLine(header.path, line);
    if (result.problem != CompanyHeaderProblem::None) return result;
    if (line.find_first_not_of(" \t") != std::string::npos) {
        runtime::TextFileReader file = runtime::TextFileReader::fromBytes(line);
        runtime::InputItemReader items(file);
        result.name = items.readItem();
    }
    if (names) names->keep(*header.version, {}, result.name);
    return result;
}

std::string ReadCompanyName(const std::string& dataPath, runtime::DataFileCache* files) {
    return ReadCompanyHeader(dataPath, files).name;
}

}  // namespace quorvel::inputfile
