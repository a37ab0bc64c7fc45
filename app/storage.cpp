#include "app/storage.h"

#include "app/shell.h"
#include "platform/files.h"

namespace {
bool failureReported = false;
}

bool SaveDataFile(const std::string& path, const std::string& bytes) {
    if (platform::SaveFileBytes(path, bytes)) return true;
    if (!failureReported) {
        failureReported = true;
        Shell().ReportUnwritableFolder(platform::FolderOf(path));
    }
    return false;
}

void ResetStorageReport() {
    failureReported = false;
}
