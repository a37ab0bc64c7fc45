// Runs part of a test as an ordinary user. The tests run as root in CI, and
// root reads and writes whatever the file modes say, so cases about
// permissions drop to `nobody` in a child process.
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

// Runs `body` in a child process, as `nobody` when the test runs as root, and
// returns its exit code (-1 when it did not exit normally).
inline int RunAsUser(const std::function<int()>& body) {
    pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(NobodyId) != 0 || setuid(NobodyId) != 0)
                _exit(120);
        }
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
