#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

std::function<bool()> beforeRenameHook;

bool IsRegularFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool MakeFolders(const std::string& dir) {
    if (dir.empty()) return true;
    struct stat st;
    if (stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    if (!MakeFolders(FolderOf(dir))) return false;
    return mkdir(dir.c_str(), 0755) == 0 || errno == EEXIST;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    auto cut = path.find_last_of('/');
    if (cut == std::string::npos) return ".";
    if (cut == 0) return "/";
    return path.substr(0, cut);
}

bool RemoveFile(const std::string& path) {
    return unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::string ExecutableDir() {
    std::vector<char> buf(4096);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return ".";
    return FolderOf(std::string(buf.data(), static_cast<size_t>(n)));
}

std::string UserDataDir() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/kirabo";
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.local/share/kirabo";
}

std::string LocateDataFile(const std::string& name) {
    std::string beside = ExecutableDir() + "/" + name;
    if (IsRegularFile(beside)) return beside;
    std::vector<char> cwd(4096);
    if (getcwd(cwd.data(), cwd.size())) {
        std::string here = std::string(cwd.data()) + "/" + name;
        if (IsRegularFile(here)) return here;
    }
    return UserDataDir() + "/" + name;
}

bool ReadFileBytes(const std::string& path, size_t maxBytes, std::string& out) {
    out.clear();
    if (!IsRegularFile(path)) return false;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    out.resize(maxBytes);
    size_t got = 0;
    bool ok = true;
    while (got < maxBytes) {
        ssize_t n = read(fd, out.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    close(fd);
    out.resize(ok ? got : 0);
    return ok;
}

bool SaveFileBytes(const std::string& path, const std::string& bytes) {
    std::string folder = FolderOf(path);
    if (!MakeFolders(folder)) return false;

    // Carry over the old file's bytes beyond the new ones.
    std::string contents = bytes;
    std::string old;
    if (ReadFileBytes(path, 1 << 20, old) && old.size() > bytes.size())
        contents += old.substr(bytes.size());

    // One copy of the program runs at a time, so one fixed name suffices, and
    // a save cut short by a crash leaves no pile of stray files behind.
    std::string temp = path + ".new";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, contents) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && beforeRenameHook && !beforeRenameHook()) {
        unlink(temp.c_str());
        return false;
    }
    if (!ok || rename(temp.c_str(), path.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

namespace testing {
void SetBeforeRenameHook(std::function<bool()> hook) {
    beforeRenameHook = std::move(hook);
}
}  // namespace testing

}  // namespace platform
