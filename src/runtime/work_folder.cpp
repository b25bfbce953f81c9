#include "runtime/work_folder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvel::runtime {

namespace {

constexpr const char* LockFileName = ".lock";

std::string joined(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

// The lock of a folder, taken without waiting; the descriptor holding it,
// or -1 when the file cannot be opened or another copy holds the lock.
int takeLock(const std::string& folder, bool create) {
    const std::string file = joined(folder, LockFileName);
    const int fd = create ? ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)
                          : ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether the process of a staging folder's name (prefix "<process>-...")
// is known to run no longer.
bool processGone(const std::string& afterPrefix) {
    std::size_t digits = 0;
    while (digits < afterPrefix.size() && digits < 9 && afterPrefix[digits] >= '0' && afterPrefix[digits] <= '9')
        ++digits;
    if (digits == 0 || digits >= afterPrefix.size() || afterPrefix[digits] != '-') return false;
    const pid_t process = static_cast<pid_t>(std::stol(afterPrefix.substr(0, digits)));
    return process > 0 && ::kill(process, 0) != 0 && errno == ESRCH;
}

}  // namespace

int RemoveAbandonedWorkFolders(const std::string& parent, const std::string& prefix) {
    int removed = 0;
    std::error_code ec;
    fs::directory_iterator it(parent, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool staged = name.rfind("." + prefix, 0) == 0;
        if (!staged && name.rfind(prefix, 0) != 0) continue;
        // A folder of the user's own, not a link (in a shared temporary
        // folder another user's may stand beside it).
        struct stat s {};
        if (::lstat(it->path().c_str(), &s) != 0 || !S_ISDIR(s.st_mode) || s.st_uid != ::geteuid()) continue;
        // A folder without a lock file is left alone: only a folder that a
        // copy made and locked is known to be one. A staging folder is being
        // made by its copy until that copy no longer runs: it goes then,
        // locked by nobody or never locked.
        const int fd = takeLock(it->path().string(), false);
        if (staged) {
            std::error_code lockEc;
            const bool neverLocked = fd < 0 && !fs::exists(it->path() / LockFileName, lockEc) && !lockEc;
            if (!((fd >= 0 || neverLocked) && processGone(name.substr(prefix.size() + 1)))) {
                if (fd >= 0) ::close(fd);
                continue;
            }
        } else if (fd < 0) {
            continue;
        }
        std::error_code removeEc;
        if (fs::remove_all(it->path(), removeEc) > 0 && !removeEc) ++removed;
        if (fd >= 0) ::close(fd);
    }
    return removed;
}

PrivateWorkFolder::PrivateWorkFolder(std::string parent, std::string prefix)
    : parent_(std::move(parent)), prefix_(std::move(prefix)) {
    std::random_device random;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string tag;
    for (unsigned bits = random(), i = 0; i < 8; ++i, bits >>= 4) tag += kHex[bits & 0xF];
    name_ = prefix_ + std::to_string(::getpid()) + "-" + tag;
    RemoveAbandonedWorkFolders(parent_, prefix_);
    make();
}

PrivateWorkFolder::~PrivateWorkFolder() { release(); }

// Makes the folder with its lock held before it is given its name, so that
// no copy starting at the same moment ever sees it unlocked.
bool PrivateWorkFolder::make() {
    std::error_code ec;
    fs::create_directories(parent_, ec);
    const std::string staging = joined(parent_, "." + name_);
    const std::string folder = joined(parent_, name_);
    fs::remove_all(staging, ec);
    if (::mkdir(staging.c_str(), 0700) != 0) return false;
    const int fd = takeLock(staging, true);
    if (fd < 0 || ::rename(staging.c_str(), folder.c_str()) != 0) {
        if (fd >= 0) ::close(fd);
        fs::remove_all(staging, ec);
        return false;
    }
    lock_ = fd;
    return true;
}

std::string PrivateWorkFolder::path() {
    const std::string folder = joined(parent_, name_);
    // Still there when the lock file in the folder is the one this copy
    // holds.
    struct stat held {};
    struct stat there {};
    const bool present = lock_ >= 0 && ::fstat(lock_, &held) == 0 &&
                         ::stat(joined(folder, LockFileName).c_str(), &there) == 0 &&
                         held.st_dev == there.st_dev && held.st_ino == there.st_ino;
    if (!present) {
        if (lock_ >= 0) ::close(lock_);
        lock_ = -1;
        std::error_code ec;
        if (fs::is_directory(folder, ec)) {
            // The files were removed, the folder kept.
            lock_ = takeLock(folder, true);
        } else {
            make();
        }
        if (lock_ < 0) return {};
    }
    return folder + "/";
}

void PrivateWorkFolder::release() {
    if (lock_ < 0) return;
    std::error_code ec;
    fs::remove_all(joined(parent_, name_), ec);
    ::close(lock_);
    lock_ = -1;
}

}  // namespace quorvel::runtime
