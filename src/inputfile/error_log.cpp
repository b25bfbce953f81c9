#include "inputfile/error_log.h"

#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace quorvel::inputfile {

// A log without a folder (the running program has no place for its own
// files) counts its entries and writes none: never a file in the current
// folder.
ErrorLog::ErrorLog(const std::string& folder, runtime::DataFileCache* names)
    : path_(folder.empty() ? std::string() : runtime::resolveDataFile(names, folder, fileName)) {}

void ErrorLog::write(const std::string& entry) {
    ++entryCount_;
    if (path_.empty()) {
        ++failedWrites_;
        return;
    }
    try {
        runtime::TextFileWriter out(path_, runtime::TextFileWriter::Mode::Append);
        out.line(entry);
        out.close();
    } catch (const runtime::RunTimeError&) {
        ++failedWrites_;
    } catch (const std::exception&) {
        ++failedWrites_;
    }
}

}  // namespace quorvel::inputfile
