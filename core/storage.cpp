#include "core/storage.h"

#include <set>

#include "core/records.h"
#include "core/settings.h"
#include "core/shell.h"
#include "platform/files.h"

namespace {

bool failureReported = false;
bool savingDisabled = false;
bool silent = false;
std::set<std::string> keptFiles;

void KeepFile(const std::string& path) {
    if (!keptFiles.insert(path).second) return;
    if (!silent) Shell().ReportUnusableFile(path);
}

}  // namespace

void LoadDataFile(const std::string& path, size_t maxBytes, std::string& bytes) {
    if (!savingDisabled) platform::RemoveLeftoverTemporaries(path);
    if (platform::ReadDataBytes(path, maxBytes, bytes) == platform::ReadResult::Unusable)
        KeepFile(path);
}

void SetAsideForeignFile(const std::string& path) {
    if (keptFiles.count(path) || savingDisabled) return;
    if (platform::SetFileAside(path).empty()) KeepFile(path);
}

bool SaveDataFile(const std::string& path, const std::string& bytes) {
    if (savingDisabled || keptFiles.count(path)) return false;
    if (platform::SaveFileBytes(path, bytes)) return true;
    if (!failureReported && !silent) {
        failureReported = true;
        Shell().ReportUnwritableFolder(platform::FolderOf(path));
    }
    return false;
}

void SaveAtEndOfRun(bool quietly) {
    if (quietly) silent = true;
    SaveSettings();
    SaveWholeRecords();
}

void DisableSaving() {
    savingDisabled = true;
}

void ResetStorageReport() {
    failureReported = false;
    savingDisabled = false;
    silent = false;
    keptFiles.clear();
}
