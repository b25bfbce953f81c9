#pragma once
// Runs tests of this test program again as the user "nobody", for checks
// that file permissions stop a write: they stop no write of the superuser.
//
// The child reads nothing of the checkout or the build folder, which may
// lie where only the superuser can enter (a folder made by mktemp -d, the
// superuser's home): a copy of this test program, of data/ and of
// tests/fixtures/ is staged in a folder of its own under /tmp that every
// user may enter, and the child's home and temporary folder are a folder
// in it that only the child's user owns. The stage is removed afterwards.

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace quorvel::testing {

// Set in the environment of the child, so that the test knows where it runs.
inline constexpr const char* AsOtherUserVariable = "QUORVEL_AS_OTHER_USER";

inline bool runningAsOtherUser() { return std::getenv(AsOtherUserVariable) != nullptr; }

// What the other user reads, copied into a folder that user can reach;
// throws std::filesystem::filesystem_error when it cannot be made.
class OtherUserStage {
public:
    OtherUserStage(uid_t uid, gid_t gid) {
        namespace fs = std::filesystem;
        using fs::perms;
        std::string pattern = "/tmp/quorvel-other-user-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw fs::filesystem_error("mkdtemp", pattern, std::error_code(errno, std::generic_category()));
        root_ = pattern;
        try {
            fill(uid, gid);
        } catch (...) {
            std::error_code ec;
            fs::remove_all(root_, ec);
            throw;
        }
    }
    ~OtherUserStage() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    OtherUserStage(const OtherUserStage&) = delete;
    OtherUserStage& operator=(const OtherUserStage&) = delete;

    std::filesystem::path program() const { return root_ / "test"; }
    std::filesystem::path source() const { return root_ / "source"; }
    std::filesystem::path home() const { return root_ / "home"; }

private:
    void fill(uid_t uid, gid_t gid) {
        namespace fs = std::filesystem;
        using fs::perms;
        const perms readable = perms::owner_read | perms::owner_write | perms::group_read | perms::others_read;
        const perms enterable = readable | perms::owner_exec | perms::group_exec | perms::others_exec;
        fs::copy_file("/proc/self/exe", program());
        for (const char* part : {"data", "tests/fixtures"}) {
            fs::create_directories(source() / part);
            fs::copy(fs::path(QUORVEL_SOURCE_DIR) / part, source() / part, fs::copy_options::recursive);
        }
        fs::permissions(root_, enterable);
        for (const auto& entry : fs::recursive_directory_iterator(root_))
            fs::permissions(entry.path(), entry.is_directory() ? enterable : readable);
        fs::permissions(program(), enterable);
        fs::create_directory(home());
        if (chown(home().c_str(), uid, gid) != 0)
            throw fs::filesystem_error("chown", home(), std::error_code(errno, std::generic_category()));
        fs::permissions(home(), perms::owner_all);
    }
    std::filesystem::path root_;
};

// Runs this test program with the gtest filter as "nobody" from a stage
// of its own and returns its exit status; nothing when there is no such
// user, the stage could not be made or the child did not end normally (a
// message is in failure then).
inline std::optional<int> runAsNobody(const std::string& gtestFilter, std::string& failure) {
    const passwd* nobody = getpwnam("nobody");
    if (!nobody) {
        failure = "no user \"nobody\"";
        return std::nullopt;
    }
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    std::optional<OtherUserStage> stage;
    try {
        stage.emplace(uid, gid);
    } catch (const std::filesystem::filesystem_error& e) {
        failure = std::string("the test could not be staged for the user nobody: ") + e.what();
        return std::nullopt;
    }
    // Everything the child needs is made before the fork: after it, only
    // the calls that change the user and start the program.
    std::vector<std::string> variables = {std::string(AsOtherUserVariable) + "=1",
                                          "HOME=" + stage->home().string(), "TMPDIR=" + stage->home().string(),
                                          std::string(StagedSourceVariable) + "=" + stage->source().string()};
    const std::size_t own = variables.size();
    for (char** v = environ; *v; ++v) {
        const std::string variable = *v;
        bool set = false;
        for (std::size_t i = 0; i < own; ++i)
            set = set || variable.rfind(variables[i].substr(0, variables[i].find('=') + 1), 0) == 0;
        if (!set) variables.push_back(variable);
    }
    std::vector<char*> env;
    for (std::string& v : variables) env.push_back(v.data());
    env.push_back(nullptr);
    std::string name = stage->program().string(), filter = "--gtest_filter=" + gtestFilter,
                brief = "--gtest_brief=1";
    char* argv[] = {name.data(), filter.data(), brief.data(), nullptr};
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0 || chdir("/") != 0) _exit(126);
        execve(name.c_str(), argv, env.data());
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
