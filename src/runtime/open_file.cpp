#include "runtime/open_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quorvel::runtime {

OpenFile::OpenFile(const std::string& path, int flags, mode_t mode) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    if (::fstat(fd, &status_) != 0) {
        error_ = errno;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

OpenFile::~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
}

int OpenFile::release(bool waitFromNowOn) {
    const int fd = fd_;
    fd_ = -1;
    if (fd >= 0 && waitFromNowOn) (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::optional<std::string> OpenFile::readAtMost(std::size_t limit) {
    const std::size_t wanted = limit + 1;
    std::string bytes;
    bytes.reserve(std::min(static_cast<std::size_t>(std::max<off_t>(status_.st_size, 0)), wanted));
    char buffer[65536];
    while (bytes.size() < wanted) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    if (bytes.size() > wanted) bytes.resize(wanted);
    return bytes;
}

}  // namespace quorvel::runtime
