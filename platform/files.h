// Files the program keeps: where they live and how they are written safely.
#pragma once
#include <functional>
#include <string>

namespace platform {

std::string ExecutableDir();
// $XDG_DATA_HOME/kirabo, or ~/.local/share/kirabo.
std::string UserDataDir();

// A data file is looked up beside the program, then in the current folder;
// if neither has it, it belongs in the user's data folder.
std::string LocateDataFile(const std::string& name);

// Reads at most `maxBytes` from a regular file. False when the file is
// missing, is not a regular file or cannot be read; `out` is then empty.
bool ReadFileBytes(const std::string& path, size_t maxBytes, std::string& out);

// Writes `bytes` at offset 0 of the file without cutting it: whatever the old
// file held beyond them stays. The new contents go to a temporary file in the
// same folder (created when needed), which then replaces the old file in one
// rename, so a crash leaves either the old file or the new one, whole.
// False, with nothing changed, when the folder or file cannot be written.
bool SaveFileBytes(const std::string& path, const std::string& bytes);

std::string FolderOf(const std::string& path);

// Removes a regular file; true when it is gone (or was never there).
bool RemoveFile(const std::string& path);

namespace testing {
// Called between writing the temporary file and the rename; returning false
// stops the save there, as a crash at that moment would.
void SetBeforeRenameHook(std::function<bool()> hook);
}  // namespace testing

}  // namespace platform
