#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

std::function<bool()> beforeRenameHook;

// Every file the program may keep in its data folder; one of them beside the
// program makes that folder the data folder.
const char* const DataFileNames[] = {"settei.dat", "record.dat", "kirabo.ini"};

bool Exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
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

mode_t NewFileMode() {
    mode_t mask = umask(022);
    umask(mask);
    return 0666 & ~mask;
}

std::string BaseName(const std::string& path) {
    auto cut = path.find_last_of('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::string FolderOf(const std::string& path) {
    auto cut = path.find_last_of('/');
    if (cut == std::string::npos) return ".";
    if (cut == 0) return "/";
    return path.substr(0, cut);
}

bool MakeFolders(const std::string& dir) {
    if (dir.empty()) return true;
    struct stat st;
    if (stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    if (!MakeFolders(FolderOf(dir))) return false;
    return mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
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

std::string HomeDir() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    std::vector<char> buf(16384);
    struct passwd entry;
    struct passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buf.data(), buf.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/')
        return found->pw_dir;
    return "/";
}

std::string UserDataDir() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/kirabo";
    std::string folder = HomeDir();
    if (folder == "/") folder.clear();
    folder.append("/.local/share/kirabo");
    return folder;
}

std::string DataDir() {
    std::string beside = ExecutableDir();
    // Without a known place of the program, only the user's data folder.
    if (beside.empty() || beside[0] != '/') return UserDataDir();
    for (const char* name : DataFileNames) {
        if (Exists(beside + "/" + name)) return beside;
    }
    return UserDataDir();
}

std::string LocateDataFile(const std::string& name) {
    return DataDir() + "/" + name;
}

ReadResult ReadDataBytes(const std::string& path, size_t maxBytes, std::string& out,
                         uint64_t* size) {
    out.clear();
    if (size) *size = 0;
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Unusable;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return ReadResult::Unusable;
    }
    if (size) *size = static_cast<uint64_t>(st.st_size);
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
    return ok ? ReadResult::Read : ReadResult::Unusable;
}

bool ReadFileBytes(const std::string& path, size_t maxBytes, std::string& out) {
    return ReadDataBytes(path, maxBytes, out) == ReadResult::Read;
}

bool SaveFileBytes(const std::string& path, const std::string& bytes) {
    std::string folder = FolderOf(path);
    if (!MakeFolders(folder)) return false;

    mode_t mode = NewFileMode();
    struct stat old;
    if (lstat(path.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) return false;
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    // A fresh name each time, created exclusively: nothing already there (a
    // FIFO, a link, another copy's half-written file) is ever opened.
    std::string temp = folder + "/." + BaseName(path) + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && beforeRenameHook && !beforeRenameHook()) ok = false;
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

void RemoveLeftoverTemporaries(const std::string& path) {
    std::string folder = FolderOf(path);
    std::string prefix = ".";
    prefix.append(BaseName(path)).append(".");
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        struct stat st;
        std::string leftover = folder + "/" + name;
        if (lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode)) unlink(leftover.c_str());
    }
    closedir(dir);
}

std::string SetFileAside(const std::string& path) {
    for (int n = 1; n < 100; ++n) {
        std::string aside = path + ".damaged";
        if (n > 1) aside.append("-").append(std::to_string(n));
        if (renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return aside;
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) return "";
        // A file system without the no-replace rename: look first.
        if (Exists(aside)) continue;
        return rename(path.c_str(), aside.c_str()) == 0 ? aside : "";
    }
    return "";
}

namespace testing {
void SetBeforeRenameHook(std::function<bool()> hook) {
    beforeRenameHook = std::move(hook);
}
}  // namespace testing

}  // namespace platform
