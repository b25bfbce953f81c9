#include "inputfile/error_log.h"

#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace quorvel::inputfile {

ErrorLog::ErrorLog(const std::string& folder, runtime::DataFileCache* names)
    : path_(runtime::resolveDataFile(names, folder, fileName)) {}

void ErrorLog::write(const std::string& entry) {
    ++entryCount_;
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
