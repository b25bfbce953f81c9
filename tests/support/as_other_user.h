#pragma once
// Runs tests of this test program again as the user "nobody", for checks
// that file permissions stop a write: they stop no write of the superuser.

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::testing {

// Set in the environment of the child, so that the test knows where it runs.
inline constexpr const char* AsOtherUserVariable = "QUORVEL_AS_OTHER_USER";

inline bool runningAsOtherUser() { return std::getenv(AsOtherUserVariable) != nullptr; }

// Runs this test program with the gtest filter as "nobody" (home /tmp) and
// returns its exit status; nothing when there is no such user or the child
// did not end normally (a message is in failure then).
inline std::optional<int> runAsNobody(const std::string& gtestFilter, std::string& failure) {
    const passwd* nobody = getpwnam("nobody");
    if (!nobody) {
        failure = "no user \"nobody\"";
        return std::nullopt;
    }
    // Everything the child needs is made before the fork: after it, only
    // the calls that change the user and start the program.
    std::vector<std::string> variables = {std::string(AsOtherUserVariable) + "=1", "HOME=/tmp"};
    for (char** v = environ; *v; ++v)
        if (std::string(*v).rfind("HOME=", 0) != 0) variables.push_back(*v);
    std::vector<char*> env;
    for (std::string& v : variables) env.push_back(v.data());
    env.push_back(nullptr);
    std::string name = "test", filter = "--gtest_filter=" + gtestFilter, brief = "--gtest_brief=1";
    char* argv[] = {name.data(), filter.data(), brief.data(), nullptr};
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) _exit(126);
        execve("/proc/self/exe", argv, env.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status)) {
        failure = "the child ended with signal " + std::to_string(WTERMSIG(status));
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

}  // namespace quorvel::testing
