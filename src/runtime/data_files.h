#pragma once
// The data files that every calculation reads from the data folder (slab
// catalogue, coefficient table, company header): their names resolved once
// per folder, and what their readers parsed from them kept between
// calculations, keyed by the file's identity. A file that is edited gets
// another identity, and the next calculation reads it again exactly as
// before; a read that fails or reports a flaw is not kept, so it is made
// (and reported) again.
//
// Single program, single thread of calculations; the caches lock anyway so
// that a second thread would only wait.

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace quorvel::runtime {

// A regular file as the file system describes it. Saving a file changes
// its modification time and usually its size; an editor that writes a new
// file and renames it over the old one also gives it another inode.
struct FileIdentity {
    std::string path;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file at path; nothing when there is none (the
// reader that opens it then reports the fault as before).
std::optional<FileIdentity> identifyFile(const std::string& path);

// A data file of a folder: the path it resolves to (as resolveDataFile)
// and, when that is a regular file, its identity (one look at the file
// system when its name is known).
struct DataFile {
    std::string path;
    std::optional<FileIdentity> version;
};
DataFile findDataFile(const std::string& folder, const std::string& name);

// While an object of this class lives (one analysis, one Calculate
// command), findDataFile and resolveDataFile look at each data file once
// and give the same answer for it afterwards: the files are taken as they
// stood when they were first asked for, and an edit shows at the next
// analysis. Scopes may nest; the outermost one decides.
class DataFileScope {
public:
    DataFileScope();
    ~DataFileScope();
    DataFileScope(const DataFileScope&) = delete;
    DataFileScope& operator=(const DataFileScope&) = delete;

private:
    bool outermost_ = false;
};

// resolveFile for the data files of a calculation: a folder is listed at
// most once for a name (the answers of a few folders are kept, the data
// folder's and the work folder's). The kept answer is checked still to name
// a file at every call and the folder is listed again when it does not, so
// that a file removed and put back under another letter case is found; a
// name not found is the path of that name in the folder, as resolveFile
// gives it.
std::string resolveDataFile(const std::string& folder, const std::string& name);

// What a reader parsed for a query (a key, a type name) from one file,
// kept while the file keeps its identity. Results of an earlier identity of
// the file are dropped when a result of the new one is kept.
template <typename Result>
class ParsedFileCache {
public:
    // The result kept for query on the file as identified now.
    std::optional<Result> find(const FileIdentity& file, const std::string& query) const {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto entry = entries_.find(file.path);
        if (entry == entries_.end() || !(entry->second.file == file)) return std::nullopt;
        const auto result = entry->second.results.find(query);
        if (result == entry->second.results.end()) return std::nullopt;
        return result->second;
    }

    void keep(const FileIdentity& file, const std::string& query, const Result& result) {
        std::lock_guard<std::mutex> lock(mutex_);
        Entry& entry = entries_[file.path];
        // Another version of the file, or more queries than a data file
        // offers in normal use: start afresh.
        if (!(entry.file == file) || entry.results.size() >= MaxQueriesPerFile) {
            entry.file = file;
            entry.results.clear();
        }
        entry.results.insert_or_assign(query, result);
    }

private:
    static constexpr std::size_t MaxQueriesPerFile = 256;
    struct Entry {
        FileIdentity file;
        std::map<std::string, Result> results;
    };
    std::map<std::string, Entry> entries_;
    mutable std::mutex mutex_;
};

}  // namespace quorvel::runtime
