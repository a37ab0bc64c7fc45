#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files.h"

namespace platform {
namespace {

int lockFd = -1;
pid_t lockOwner = 0;

LockResult Fail(std::string& error, const std::string& what, int code) {
    error = what + ": " + std::strerror(code);
    return LockResult::Failed;
}

}  // namespace

LockResult AcquireInstanceLock(const std::string& folder, std::string& error) {
    if (lockFd >= 0) {
        if (lockOwner == getpid()) return LockResult::Held;
        // A forked child holds no lock of its own; closing its copy of the
        // descriptor leaves the parent's lock in place.
        close(lockFd);
        lockFd = -1;
    }
    std::string path = folder + "/kirabo.lock";
    if (!MakeFolders(folder)) return Fail(error, folder, errno ? errno : ENOTDIR);
    // Never through a link, never blocking on a FIFO: only a regular file.
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) return Fail(error, path, errno);
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return Fail(error, path, EINVAL);
    }
    int r;
    do {
        r = flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r != 0) {
        int code = errno;
        close(fd);
        if (code == EWOULDBLOCK) return LockResult::Elsewhere;
        return Fail(error, path, code);
    }
    lockFd = fd;
    lockOwner = getpid();
    return LockResult::Held;
}

void ReleaseInstanceLock() {
    if (lockFd < 0) return;
    if (lockOwner == getpid()) flock(lockFd, LOCK_UN);
    close(lockFd);
    lockFd = -1;
}

}  // namespace platform
