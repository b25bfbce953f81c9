#pragma once
// A file opened without ever waiting, and looked at through what was
// opened. A plain open of a named pipe waits until another program opens
// its other end, so a pipe put in a file's place would hold the program for
// good; the type is asked of the descriptor, so that a file swapped for a
// pipe, a device or a folder after a look at its name is still seen.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <cstddef>
#include <optional>
#include <string>

namespace quorvel::runtime {

class OpenFile {
public:
    // Opens path with flags, O_NONBLOCK and O_CLOEXEC added; mode is that
    // of a file the open creates.
    explicit OpenFile(const std::string& path, int flags = O_RDONLY, mode_t mode = 0);
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // Whether the open succeeded and the descriptor told its type.
    bool opened() const { return fd_ >= 0; }
    // The system's error of a failed open (0 after a successful one).
    int openError() const { return error_; }
    // Whether the open failed because the file or a folder of its path is
    // missing.
    bool missing() const { return error_ == ENOENT || error_ == ENOTDIR; }
    bool regular() const { return opened() && S_ISREG(status_.st_mode); }
    bool folder() const { return opened() && S_ISDIR(status_.st_mode); }
    // What the descriptor says of the file; only when opened().
    const struct stat& status() const { return status_; }
    int fd() const { return fd_; }
    // The descriptor handed over to the caller, who closes it; reads and
    // writes on it wait again as ordinary ones do when waitFromNowOn.
    int release(bool waitFromNowOn = false);

    // The bytes from where the file stands, at most limit + 1 of them (more
    // than limit tell that the file is longer); nothing when a read fails.
    // The size the file reports is no bound: a file of /proc reports none
    // and may not end. Whole buffers are asked for: some files of /proc
    // refuse a read of a few bytes.
    std::optional<std::string> readAtMost(std::size_t limit);

private:
    int fd_ = -1;
    int error_ = 0;
    struct stat status_ {};
};

}  // namespace quorvel::runtime
