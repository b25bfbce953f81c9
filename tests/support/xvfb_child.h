#pragma once
// Runs one test of this test program in a child process on its own Xvfb
// server, where no window manager runs: nothing but the program itself
// makes a window active. The child runs with QT_QPA_PLATFORM=xcb and
// QUORVEL_XCB_CHILD set; the parent's test skips when Xvfb is not
// installed or does not start.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>

namespace quorvel::testing {

// True in the child that runs on the X server.
inline bool inXvfbChild() { return std::getenv("QUORVEL_XCB_CHILD") != nullptr; }

// Starts Xvfb on a free display; its number, or -1.
inline int startXvfb(pid_t& server) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    server = fork();
    if (server == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "1280x1024x24",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    return number.empty() ? -1 : std::atoi(number.c_str());
}

// Runs the test named childTest ("Suite.Name") of this program in a child
// on a fresh Xvfb and expects it to pass. Call from the parent's test.
inline void runInXvfbChild(const std::string& childTest) {
    if (system("command -v Xvfb >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "Xvfb is not installed: the test without a window manager needs it";
    pid_t server = -1;
    const int display = startXvfb(server);
    if (display < 0) {
        if (server > 0) kill(server, SIGTERM), waitpid(server, nullptr, 0);
        GTEST_SKIP() << "Xvfb did not start";
    }
    const pid_t child = fork();
    if (child == 0) {
        const std::string d = ":" + std::to_string(display);
        setenv("DISPLAY", d.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("QUORVEL_XCB_CHILD", "1", 1);
        const std::string filter = "--gtest_filter=" + childTest;
        execl("/proc/self/exe", "xvfb-child", filter.c_str(), "--gtest_brief=1", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended with signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << childTest << " failed on the X server without a window manager";
}

}  // namespace quorvel::testing
