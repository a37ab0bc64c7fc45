#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace platform {
namespace {

int lockFd = -1;

std::string LockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') return std::string(runtime) + "/kirabo.lock";
    return "/tmp/kirabo-" + std::to_string(getuid()) + ".lock";
}

}  // namespace

bool AcquireInstanceLock() {
    if (lockFd >= 0) return true;
    int fd = open(LockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;
    int r;
    do {
        r = flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r != 0) {
        bool heldElsewhere = errno == EWOULDBLOCK;
        close(fd);
        return !heldElsewhere;
    }
    lockFd = fd;
    return true;
}

void ReleaseInstanceLock() {
    if (lockFd < 0) return;
    flock(lockFd, LOCK_UN);
    close(lockFd);
    lockFd = -1;
}

}  // namespace platform
