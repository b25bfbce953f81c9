#pragma once
// A call that must not wait on a named pipe: opening a pipe waits until
// another program opens its other end, which may never happen.

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
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

}  // namespace quorvel::testing
