#include "runtime/work_folder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "runtime/open_file.h"

namespace fs = std::filesystem;

namespace quorvel::runtime {

namespace {

constexpr const char* LockFileName = ".lock";
constexpr std::size_t TagDigits = 8;

std::string joined(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

// Opens a lock file without ever waiting (a named pipe would hold a plain
// open until a writer came) and keeps only a regular file of the user's
// own; -1 for anything else (a pipe, a device, a folder, a link).
int openLockFile(const std::string& file, bool create) {
    OpenFile lock(file, O_NOFOLLOW | (create ? O_RDWR | O_CREAT : O_RDONLY), 0600);
    if (!lock.regular() || lock.status().st_uid != ::geteuid()) return -1;
    return lock.release();
}

// The lock of a folder, taken without waiting; the descriptor holding it,
// or -1 when the lock file is missing, is no regular file of the user's or
// is locked by another copy.
int takeLock(const std::string& folder, bool create) {
    const int fd = openLockFile(joined(folder, LockFileName), create);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f'); }

// The process number of a name of the form the program gives its folders,
// prefix "<process>-<8 hexadecimal digits>" (the process number as written
// by the program: no leading zero); nothing for any other name.
std::optional<pid_t> processOfName(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return std::nullopt;
    const std::string_view rest = name.substr(prefix.size());
    std::size_t digits = 0;
    while (digits < rest.size() && isDigit(rest[digits])) ++digits;
    if (digits == 0 || digits > 9 || rest[0] == '0' || rest.size() != digits + 1 + TagDigits || rest[digits] != '-')
        return std::nullopt;
    for (const char c : rest.substr(digits + 1))
        if (!isHexDigit(c)) return std::nullopt;
    return static_cast<pid_t>(std::stol(std::string(rest.substr(0, digits))));
}

// Whether the process is known to run no longer.
bool processGone(pid_t process) { return process > 0 && ::kill(process, 0) != 0 && errno == ESRCH; }

// Whether name now stands for the very file whose status is known (the
// same device and file number, never through a link).
bool standsFor(const std::string& name, const struct stat& known) {
    struct stat there {};
    return ::lstat(name.c_str(), &there) == 0 && there.st_dev == known.st_dev && there.st_ino == known.st_ino;
}

// Whether name stands for the file the descriptor holds open.
bool standsFor(const std::string& name, int fd) {
    struct stat held {};
    return fd >= 0 && ::fstat(fd, &held) == 0 && standsFor(name, held);
}

// Removes a work folder so that a removal cut short (the program killed
// in it) leaves what the next start-up's clean-up takes: first everything
// but the lock file (a lock file left with files beside it still marks
// the folder abandoned), then the lock file, then the empty folder. True
// when the folder is gone.
bool removeWorkFolder(const fs::path& folder) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code removeEc;
        if (it->path().filename() != LockFileName) fs::remove_all(it->path(), removeEc);
    }
    std::error_code lockEc;
    fs::remove(folder / LockFileName, lockEc);
    return ::rmdir(folder.c_str()) == 0;
}

// Whether the staging folder holds nothing but, at most, its lock file:
// the program writes nothing into it before the lock is taken.
bool holdsAtMostItsLock(const fs::path& folder) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec))
        if (it->path().filename() != LockFileName) return false;
    return !ec;
}

}  // namespace

int RemoveAbandonedWorkFolders(const std::string& parent, const std::string& prefix) {
    int removed = 0;
    std::error_code ec;
    fs::directory_iterator it(parent, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool staged = !name.empty() && name[0] == '.';
        // Only a name of the very form the program gives its folders: a
        // folder of the user's own that merely begins like one is never
        // touched.
        const std::optional<pid_t> process = processOfName(staged ? std::string_view(name).substr(1) : name, prefix);
        if (!process) continue;
        // A folder of the user's own, not a link (in a shared temporary
        // folder another user's may stand beside it).
        struct stat s {};
        if (::lstat(it->path().c_str(), &s) != 0 || !S_ISDIR(s.st_mode) || s.st_uid != ::geteuid()) continue;
        // A work folder goes when its lock can be taken: no running copy
        // holds it. One whose lock file is no regular file is not known to
        // be one and stays; so does one without a lock file unless it is
        // empty and its copy no longer runs (its removal was cut short
        // between the lock file and the folder). While the copy runs, its
        // folder may stand empty for a moment (made again after its files
        // were removed): the process check is what leaves it alone. A
        // staging folder is being made by its copy until that copy no
        // longer runs: it goes then, locked by nobody or never locked, if
        // it holds nothing else.
        const int fd = takeLock(it->path().string(), false);
        bool abandoned = fd >= 0;
        if (staged) {
            std::error_code lockEc;
            const bool neverLocked =
                fd < 0 && fs::symlink_status(it->path() / LockFileName, lockEc).type() == fs::file_type::not_found;
            abandoned = (fd >= 0 || neverLocked) && processGone(*process) && holdsAtMostItsLock(it->path());
        }
        if (abandoned) {
            if (removeWorkFolder(it->path())) ++removed;
        } else if (!staged && fd < 0 && processGone(*process) && ::rmdir(it->path().c_str()) == 0) {
            ++removed;  // rmdir takes the folder only while it is empty
        }
        if (fd >= 0) ::close(fd);
    }
    return removed;
}

PrivateWorkFolder::PrivateWorkFolder(std::string parent, std::string prefix)
    : parent_(std::move(parent)), prefix_(std::move(prefix)) {
    name_ = newName();
    RemoveAbandonedWorkFolders(parent_, prefix_);
    make();
}

// A name of the program's form with a new random tag.
std::string PrivateWorkFolder::newName() const {
    std::random_device random;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string tag;
    for (std::uint32_t bits = random(), i = 0; i < TagDigits; ++i, bits >>= 4) tag += kHex[bits & 0xF];
    return prefix_ + std::to_string(::getpid()) + "-" + tag;
}

PrivateWorkFolder::~PrivateWorkFolder() { release(); }

// Makes the folder with its lock held before it is given its name, so that
// no copy starting at the same moment ever sees it unlocked.
bool PrivateWorkFolder::make() {
    if (parent_.empty()) return false;  // never the current folder
    std::error_code ec;
    fs::create_directories(parent_, ec);
    const std::string staging = joined(parent_, "." + name_);
    const std::string folder = joined(parent_, name_);
    fs::remove_all(staging, ec);
    if (::mkdir(staging.c_str(), 0700) != 0) return false;
    const int fd = takeLock(staging, true);
    const int folderFd = ::open(staging.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || folderFd < 0 || ::rename(staging.c_str(), folder.c_str()) != 0) {
        if (fd >= 0) ::close(fd);
        if (folderFd >= 0) ::close(folderFd);
        fs::remove_all(staging, ec);
        return false;
    }
    lock_ = fd;
    folder_ = folderFd;
    return true;
}

// Whether the name stands for the folder this copy made: held open, its
// file number cannot pass to a folder made later under the same name.
bool PrivateWorkFolder::madeFolderStands() const { return standsFor(joined(parent_, name_), folder_); }

std::string PrivateWorkFolder::path() {
    const std::string folder = joined(parent_, name_);
    // Still there when the name stands for the folder this copy made (never
    // a link to it) and the lock file in it, itself no link, is the one
    // this copy holds.
    const bool ownFolder = madeFolderStands();
    const bool present = ownFolder && standsFor(joined(folder, LockFileName), lock_);
    if (!present) {
        if (lock_ >= 0) ::close(lock_);
        lock_ = -1;
        if (ownFolder) {
            // The files were removed, the folder kept.
            lock_ = takeLock(folder, true);
        } else {
            // Gone, or something else (a link to another folder, a folder
            // of the user's) stands in its place, which is left alone: a new
            // folder, under a new name when the old one is taken.
            if (folder_ >= 0) ::close(folder_);
            folder_ = -1;
            struct stat taken {};
            if (::lstat(folder.c_str(), &taken) == 0) name_ = newName();
            make();
        }
        if (lock_ < 0) return {};
    }
    return joined(parent_, name_) + "/";
}

void PrivateWorkFolder::release() {
    // Only the folder this copy made, holding the lock this copy holds, is
    // removed: whatever was put in its place (a folder of the user's, a
    // link) stays as it is.
    const std::string folder = joined(parent_, name_);
    if (lock_ >= 0 && madeFolderStands() && standsFor(joined(folder, LockFileName), lock_))
        removeWorkFolder(folder);
    if (lock_ >= 0) ::close(lock_);
    if (folder_ >= 0) ::close(folder_);
    lock_ = -1;
    folder_ = -1;
}

}  // namespace quorvel::runtime
