#pragma once
// The error log "quorvel.err" in the work folder: data-line errors and the
// readers' summaries, one entry per write, appended and flushed at once so
// that every entry reaches the file even if the program stops afterwards.

#include <string>

#include "runtime/data_files.h"

namespace quorvel::inputfile {

class ErrorLog {
public:
    static constexpr const char* fileName = "quorvel.err";

    // The log of the folder (ending with "/"), its name resolved through
    // names when given.
    explicit ErrorLog(const std::string& folder, runtime::DataFileCache* names = nullptr);

    // Appends one entry (UTF-8 text, possibly several lines) followed by a
    // line end. Writing to the log never fails the read that reports: a
    // failure to write is swallowed and counted.
    void write(const std::string& entry);

    const std::string& path() const { return path_; }
    int failedWrites() const { return failedWrites_; }
    // Entries this log was given, written or not.
    int entryCount() const { return entryCount_; }

private:
    std::string path_;
    int failedWrites_ = 0;
    int entryCount_ = 0;
};

}  // namespace quorvel::inputfile
