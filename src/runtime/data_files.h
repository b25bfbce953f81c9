#pragma once
// The data files that every calculation reads from the data folder (slab
// catalogue, coefficient table, company header, report texts): their names
// resolved, and what their readers parsed from them kept between
// calculations. All of it is held by one DataFileCache, which the
// application owns and hands to the readers through the project model; a
// reader given none reads the file every time.
//
// What was parsed is kept by the file's identity, the change time among it:
// the system sets the change time at every write, rename or restored
// modification time, and nobody can set it back, so an edit of any kind is
// read at the next calculation. A file changed so lately that a further
// change could still get the same change time (file systems stamp times in
// ticks) is not kept: it is read each time until it has stood a while. A
// read that fails or reports a flaw is not kept either, so it is made (and
// reported) again.
//
// Single program, single thread of calculations; the cache locks anyway so
// that a second thread would only wait.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <typeinfo>
#include <utility>

namespace quorvel::runtime {

// A regular file as the file system describes it.
struct FileIdentity {
    std::string path;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;  // st_ctim: set by the system at every change
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    // Its last change lay far enough back when it was identified that any
    // later change has another change time. Not part of the identity.
    bool settled = false;
    bool operator==(const FileIdentity& other) const {
        return path == other.path && size == other.size && modifiedNs == other.modifiedNs &&
               changedNs == other.changedNs && device == other.device && inode == other.inode;
    }
};

// How long after its last change a file's identity is trusted.
inline constexpr std::int64_t SettlingTimeNs = 3'000'000'000;

// The identity of the regular file at path; nothing when there is none (the
// reader that opens it then reports the fault as before).
std::optional<FileIdentity> identifyFile(const std::string& path);

// Why the file at path does not open for reading, in words of both
// languages (finnish, english): the cause the system gives (no read
// permission, a loop of symbolic links, a name too long), never a bare
// error number; nothing when it opens. A named pipe is opened without
// waiting.
std::optional<std::pair<std::string, std::string>> whyUnreadable(const std::string& path);

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

    // Keeps result, unless the file was too fresh to be told from its next
    // version.
    void keep(const FileIdentity& file, const std::string& query, const Result& result) {
        if (!file.settled) return;
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

// A data file of a folder: the path it resolves to (as resolveDataFile)
// and, when that is a regular file, its identity.
struct DataFile {
    std::string path;
    std::optional<FileIdentity> version;
};

// The data files of the application: the names resolved in its folders,
// the files as a calculation first saw them, and what each reader parsed.
class DataFileCache {
public:
    DataFileCache();
    ~DataFileCache();
    DataFileCache(const DataFileCache&) = delete;
    DataFileCache& operator=(const DataFileCache&) = delete;

    // The parsed results of one reader (named by the reader, one Result
    // type per name).
    template <typename Result>
    ParsedFileCache<Result>& parsed(const std::string& reader) {
        std::lock_guard<std::mutex> lock(readersMutex_);
        std::unique_ptr<ReaderResults>& slot = readers_[reader];
        if (!slot) slot = std::make_unique<ReaderResultsOf<Result>>();
        auto* results = dynamic_cast<ReaderResultsOf<Result>*>(slot.get());
        if (!results) throw std::bad_cast();  // one name used for two kinds of result
        return results->cache;
    }

    struct State;  // resolved names and the open scope (data_files.cpp)
    State& state() { return *state_; }

private:
    struct ReaderResults {
        virtual ~ReaderResults() = default;
    };
    template <typename Result>
    struct ReaderResultsOf : ReaderResults {
        ParsedFileCache<Result> cache;
    };
    std::mutex readersMutex_;
    std::map<std::string, std::unique_ptr<ReaderResults>> readers_;
    std::unique_ptr<State> state_;
};

// The file name in folder (as resolveFile) and its identity. With a cache,
// a folder is listed at most once for a name: the kept answer is checked
// still to name a file at every call and the folder is listed again when it
// does not, so that a file removed and put back under another letter case
// is found; in an open scope each file is looked at once. Without a cache
// the file system is asked every time.
DataFile findDataFile(DataFileCache* cache, const std::string& folder, const std::string& name);

// The path of findDataFile alone.
std::string resolveDataFile(DataFileCache* cache, const std::string& folder, const std::string& name);

// While an object of this class lives (one analysis, one Calculate
// command), findDataFile and resolveDataFile look at each data file once
// and give the same answer for it afterwards: the files are taken as they
// stood when they were first asked for, and an edit shows at the next
// analysis. Scopes may nest; the outermost one decides. Without a cache
// there is nothing to hold and the scope does nothing.
class DataFileScope {
public:
    explicit DataFileScope(DataFileCache* cache);
    ~DataFileScope();
    DataFileScope(const DataFileScope&) = delete;
    DataFileScope& operator=(const DataFileScope&) = delete;

private:
    DataFileCache* cache_ = nullptr;
    bool outermost_ = false;
};

}  // namespace quorvel::runtime
