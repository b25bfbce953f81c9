#pragma once
// A call that must not wait on a named pipe: opening a pipe waits until
// another program opens its other end, which may never happen.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <thread>

namespace quorvel::testing {

inline constexpr int PipeWaitSeconds = 30;

// Runs call on a thread of its own and waits at most PipeWaitSeconds for it
// to return; true when it did. When it did not, the pipe's other end is
// opened and closed, so that the waiting call goes on and the thread ends.
inline bool returnsWithoutWaitingOn(const std::string& fifo, const std::function<void()>& call) {
    std::packaged_task<void()> task(call);
    std::future<void> done = task.get_future();
    std::thread runner(std::move(task));
    const bool returned = done.wait_for(std::chrono::seconds(PipeWaitSeconds)) == std::future_status::ready;
    if (!returned) {
        ::signal(SIGPIPE, SIG_IGN);  // the waiting writer then writes to no reader
        const int other = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
        if (other >= 0) ::close(other);
    }
    runner.join();
    return returned;
}

// Runs call in a child process and waits for the child to end (its end
// closes a pipe the parent watches), at most PipeWaitSeconds: the child's
// exit status (what call returned, 0..255), or nothing when it did not end
// in time, and it is killed then. Nothing may wait in the child that the
// parent would have to release.
inline std::optional<int> childReturns(const std::function<int()>& call) {
    int ended[2];
    if (::pipe2(ended, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ended[0]);
        ::_exit(call() & 0xFF);
    }
    ::close(ended[1]);
    pollfd watch{ended[0], POLLIN, 0};
    int ready = 0;
    while ((ready = ::poll(&watch, 1, PipeWaitSeconds * 1000)) < 0 && errno == EINTR) {
    }
    ::close(ended[0]);
    if (ready == 0) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (ready == 0 || !WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status);
}

}  // namespace quorvel::testing
