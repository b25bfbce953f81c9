#include "runtime/data_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <ctime>
#include <utility>

#include "runtime/open_file.h"
#include "runtime/text_file.h"

namespace quorvel::runtime {

namespace {

std::int64_t nanoseconds(const timespec& t) { return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; }

bool isRegularFile(const std::string& path) {
    struct stat s {};
    return ::stat(path.c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

struct ResolvedName {
    std::string path;
};

ResolvedName lookUp(const std::string& folder, const std::string& name) {
    const std::optional<std::string> found = findFileIgnoringCase(folder, name);
    return {found ? *found : pathInFolder(folder, name)};
}

}  // namespace

std::optional<FileIdentity> identifyFile(const std::string& path) {
    struct stat s {};
    if (::stat(path.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return std::nullopt;
    FileIdentity id;
    id.path = path;
    id.size = static_cast<std::uintmax_t>(s.st_size);
    id.modifiedNs = nanoseconds(s.st_mtim);
    id.changedNs = nanoseconds(s.st_ctim);
    id.device = static_cast<std::uintmax_t>(s.st_dev);
    id.inode = static_cast<std::uintmax_t>(s.st_ino);
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    id.settled = nanoseconds(now) - id.changedNs >= SettlingTimeNs;
    return id;
}

// The names resolved so far, by folder (the data folder and the work
// folder of a calculation; more folders than a session uses start the list
// afresh), and the files looked at in the open scope.
struct DataFileCache::State {
    static constexpr std::size_t MaxFolders = 8;
    std::mutex mutex;
    std::map<std::string, std::map<std::string, ResolvedName>> folders;
    int scopeDepth = 0;
    std::map<std::pair<std::string, std::string>, DataFile> scopeFiles;

    // The resolved name; lookUpAgain drops the kept answer first.
    ResolvedName resolve(const std::string& folder, const std::string& name, bool lookUpAgain) {
        std::lock_guard<std::mutex> lock(mutex);
        if (folders.size() >= MaxFolders && folders.find(folder) == folders.end()) folders.clear();
        std::map<std::string, ResolvedName>& names = folders[folder];
        const auto known = names.find(name);
        if (known != names.end() && !lookUpAgain) return known->second;
        const ResolvedName answer = lookUp(folder, name);
        names.insert_or_assign(name, answer);
        return answer;
    }
};

DataFileCache::DataFileCache() : state_(std::make_unique<State>()) {}
DataFileCache::~DataFileCache() = default;

DataFileScope::DataFileScope(DataFileCache* cache) {
    if (!cache) return;
    DataFileCache::State& state = cache->state();
    std::lock_guard<std::mutex> lock(state.mutex);
    cache_ = cache;
    outermost_ = state.scopeDepth++ == 0;
}

DataFileScope::~DataFileScope() {
    if (!cache_) return;
    DataFileCache::State& state = cache_->state();
    std::lock_guard<std::mutex> lock(state.mutex);
    --state.scopeDepth;
    if (outermost_) state.scopeFiles.clear();
}

namespace {

DataFile lookAtDataFile(DataFileCache::State& state, const std::string& folder, const std::string& name) {
    ResolvedName resolved = state.resolve(folder, name, false);
    std::optional<FileIdentity> version = identifyFile(resolved.path);
    // The kept answer no longer names a file: the file was removed, renamed
    // or put back under another letter case. The folder is listed again.
    if (!version) {
        resolved = state.resolve(folder, name, true);
        version = identifyFile(resolved.path);
    }
    return {resolved.path, version};
}

}  // namespace

DataFile findDataFile(DataFileCache* cache, const std::string& folder, const std::string& name) {
    if (!cache) {
        const std::string path = lookUp(folder, name).path;
        return {path, identifyFile(path)};
    }
    DataFileCache::State& state = cache->state();
    const auto key = std::make_pair(folder, name);
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        if (const auto seen = state.scopeFiles.find(key); seen != state.scopeFiles.end()) return seen->second;
    }
    DataFile file = lookAtDataFile(state, folder, name);
    std::lock_guard<std::mutex> lock(state.mutex);
    if (state.scopeDepth > 0) state.scopeFiles.emplace(key, file);
    return file;
}

std::string resolveDataFile(DataFileCache* cache, const std::string& folder, const std::string& name) {
    if (!cache) return lookUp(folder, name).path;
    DataFileCache::State& state = cache->state();
    bool inScope = false;
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        inScope = state.scopeDepth > 0;
    }
    if (inScope) return findDataFile(cache, folder, name).path;
    const ResolvedName resolved = state.resolve(folder, name, false);
    if (!isRegularFile(resolved.path)) return state.resolve(folder, name, true).path;
    return resolved.path;
}

std::optional<std::pair<std::string, std::string>> whyUnreadable(const std::string& path) {
    const OpenFile file(path);
    if (file.opened()) return std::nullopt;
    const int cause = file.openError();
    switch (cause) {
    case EACCES:
    case EPERM:
        return std::pair{std::string("lukuoikeus puuttuu (tiedostoon tai sen kansioon)"),
                         std::string("permission denied (no read permission for the file or its folder)")};
    case ELOOP:
        return std::pair{std::string("liian monta symbolista linkkiä (linkit kiertävät silmukkana)"),
                         std::string("too many symbolic links (the links lead round in a loop)")};
    case ENOENT:
        return std::pair{std::string("sitä ei ole"), std::string("it does not exist")};
    case ENOTDIR:
        return std::pair{std::string("jokin sen polun kansioista ei ole kansio"),
                         std::string("a folder of its path is not a folder")};
    case ENAMETOOLONG:
        return std::pair{std::string("nimi on liian pitkä"), std::string("the name is too long")};
    default:
        return std::pair{"järjestelmän virhe " + std::to_string(cause) + " (" + std::strerror(cause) + ")",
                         "system error " + std::to_string(cause) + " (" + std::strerror(cause) + ")"};
    }
}

}  // namespace quorvel::runtime
