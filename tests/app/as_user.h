// Runs part of a test in a child process, or as an ordinary user: the tests
// run as root in CI, and root reads and writes whatever the file modes say,
// so cases about permissions drop to `nobody` in a child process.
#pragma once
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>

constexpr uid_t NobodyId = 65534;

// Hands `path` and everything under it to the user the body will run as.
inline void GiveToTestUser(const std::string& path) {
    if (geteuid() == 0)
        std::system(
            ("chown -R " + std::to_string(NobodyId) + ":" + std::to_string(NobodyId) + " " + path)
                .c_str());
}

// Runs `body` in a child process and returns its exit code (-1 when it did
// not exit normally); `whileRunning` is given the child's id meanwhile.
inline int RunInChild(const std::function<int()>& body,
                      const std::function<void(pid_t)>& whileRunning = {}) {
    pid_t child = fork();
    if (child == 0) _exit(body());
    if (whileRunning) whileRunning(child);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs `body` in a child process, as `nobody` when the test runs as root.
inline int RunAsUser(const std::function<int()>& body) {
    return RunInChild([&] {
        const bool dropped = geteuid() != 0 || (setgroups(0, nullptr) == 0 &&
                                                setgid(NobodyId) == 0 && setuid(NobodyId) == 0);
        return dropped ? body() : 120;
    });
}
