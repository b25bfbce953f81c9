#include "runtime/data_files.h"

#include <sys/stat.h>

#include <memory>
#include <utility>

#include "runtime/text_file.h"

namespace quorvel::runtime {

std::optional<FileIdentity> identifyFile(const std::string& path) {
    struct stat s {};
    if (::stat(path.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return std::nullopt;
    FileIdentity id;
    id.path = path;
    id.size = static_cast<std::uintmax_t>(s.st_size);
    id.modifiedNs = static_cast<std::int64_t>(s.st_mtim.tv_sec) * 1000000000 + s.st_mtim.tv_nsec;
    id.device = static_cast<std::uintmax_t>(s.st_dev);
    id.inode = static_cast<std::uintmax_t>(s.st_ino);
    return id;
}

namespace {

bool isRegularFile(const std::string& path) {
    struct stat s {};
    return ::stat(path.c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

struct ResolvedName {
    std::string path;
};

}  // namespace

namespace {

// The names resolved so far, by folder (the data folder and the work
// folder of a calculation). More folders than a session uses start the
// list afresh.
class ResolvedNames {
public:
    // The resolved name; lookUpAgain drops the kept answer first.
    ResolvedName resolve(const std::string& folder, const std::string& name, bool lookUpAgain) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (folders_.size() >= MaxFolders && folders_.find(folder) == folders_.end()) folders_.clear();
        std::map<std::string, ResolvedName>& names = folders_[folder];
        const auto known = names.find(name);
        if (known != names.end() && !lookUpAgain) return known->second;
        const std::optional<std::string> found = findFileIgnoringCase(folder, name);
        const ResolvedName answer{found ? *found : joinPath(folder, name)};
        names.insert_or_assign(name, answer);
        return answer;
    }

private:
    static constexpr std::size_t MaxFolders = 8;
    std::mutex mutex_;
    std::map<std::string, std::map<std::string, ResolvedName>> folders_;
};

ResolvedNames& resolvedNames() {
    static ResolvedNames names;
    return names;
}

}  // namespace

// The data files looked at in the open scope, by folder and name.
using ScopeFiles = std::map<std::pair<std::string, std::string>, DataFile>;
thread_local std::unique_ptr<ScopeFiles> scopeFiles;

DataFileScope::DataFileScope() {
    if (scopeFiles) return;
    scopeFiles = std::make_unique<ScopeFiles>();
    outermost_ = true;
}

DataFileScope::~DataFileScope() {
    if (outermost_) scopeFiles.reset();
}

namespace {

DataFile lookAtDataFile(const std::string& folder, const std::string& name) {
    ResolvedName resolved = resolvedNames().resolve(folder, name, false);
    std::optional<FileIdentity> version = identifyFile(resolved.path);
    // The kept answer no longer names a file: the file was removed, renamed
    // or put back under another letter case. The folder is listed again.
    if (!version) {
        resolved = resolvedNames().resolve(folder, name, true);
        version = identifyFile(resolved.path);
    }
    return {resolved.path, version};
}

}  // namespace

DataFile findDataFile(const std::string& folder, const std::string& name) {
    if (!scopeFiles) return lookAtDataFile(folder, name);
    const auto key = std::make_pair(folder, name);
    if (const auto seen = scopeFiles->find(key); seen != scopeFiles->end()) return seen->second;
    DataFile file = lookAtDataFile(folder, name);
    scopeFiles->emplace(key, file);
    return file;
}

std::string resolveDataFile(const std::string& folder, const std::string& name) {
    if (scopeFiles) return findDataFile(folder, name).path;
    const ResolvedName resolved = resolvedNames().resolve(folder, name, false);
    if (!isRegularFile(resolved.path)) return resolvedNames().resolve(folder, name, true).path;
    return resolved.path;
}

}  // namespace quorvel::runtime
