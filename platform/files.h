// Files the program keeps: where they live and how they are written safely.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

std::string ExecutableDir();
// $HOME, or the home folder the password database gives when HOME is unset
// or empty.
std::string HomeDir();
// $XDG_DATA_HOME/kirabo, or ~/.local/share/kirabo.
std::string UserDataDir();

// The one folder that holds all of the program's files: beside the program
// when one of them is there (a portable install), else the user's data
// folder. Never the current folder.
std::string DataDir();
std::string LocateDataFile(const std::string& name);

enum class ReadResult {
    Read,      // a regular file, read (up to the limit)
    Missing,   // nothing by that name
    Unusable,  // something is there but may not be read: no permission, a
               // symbolic link, a folder, a FIFO or device, a read error
};

// Reads at most `maxBytes` of a regular file. The file is opened without
// blocking and without following a symbolic link, then checked, so a FIFO or
// device never hangs the program and a link never leads out of the folder.
// `out` is empty unless the result is Read; `size` gets the whole file's size.
ReadResult ReadDataBytes(const std::string& path, size_t maxBytes, std::string& out,
                         uint64_t* size = nullptr);
// The same, true only for Read.
bool ReadFileBytes(const std::string& path, size_t maxBytes, std::string& out);

// Replaces the file with exactly `bytes`. The new contents go to a fresh,
// exclusively created temporary file in the same folder (created when
// needed), which then replaces the old file in one rename, so a crash leaves
// either the old file or the new one, whole. The new file keeps the old one's
// permissions; a new file gets those the umask allows. A symbolic link or
// anything but a regular file at `path` is never replaced.
// False, with nothing changed, when the folder or file cannot be written.
bool SaveFileBytes(const std::string& path, const std::string& bytes);

// Removes the temporary files that saves of `path` cut short by a kill left
// behind. Only for the one copy that holds the data folder's lock.
void RemoveLeftoverTemporaries(const std::string& path);

// Moves the file whole, as it is, to `path`.damaged (or .damaged-2, -3, ...
// when that is taken: an older copy is never overwritten). Its permissions go
// with it. Returns the new name, or empty when it could not be moved.
std::string SetFileAside(const std::string& path);

// Makes the folder and its missing parents (new ones private to the user).
bool MakeFolders(const std::string& dir);

std::string FolderOf(const std::string& path);

// Removes a regular file; true when it is gone (or was never there).
bool RemoveFile(const std::string& path);

namespace testing {
// Called between writing the temporary file and the rename; returning false
// stops the save there, as a crash at that moment would.
void SetBeforeRenameHook(std::function<bool()> hook);
}  // namespace testing

}  // namespace platform
