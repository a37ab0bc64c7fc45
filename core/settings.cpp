#include "core/settings.h"

#include "core/program.h"
#include "core/storage.h"
#include "platform/files.h"

namespace {

std::string settingsPath;
// Enough to tell the program's own file from another.
constexpr size_t MaxSettingsBytes = 64;

struct Field {
    int* value;
    int count;  // legal values are 0 .. count - 1
};

// In file order.
const Field Fields[SettingsFieldCount] = {
    {&currentGame, 2},      {&resolution, 3},   {&backgroundChoice, 3}, {&musicChoice, 4},
    {&showCapturableOn, 2}, {&animationOn, 2},  {&soundEffectsOn, 2},   {&handsOption, 3},
    {&sakeOption, 3},       {&oyakenOption, 2},
};

}  // namespace

bool ParseSettings(const std::string& bytes) {
    for (int i = 0; i < SettingsFieldCount; ++i) {
        char c = i < static_cast<int>(bytes.size()) ? bytes[i] : '\0';
        int digit = (c >= '0' && c <= '9') ? c - '0' : 0;
        // Every user of a setting indexes a table with it, so a digit beyond
        // the field's range counts as 0, like a non-digit.
        *Fields[i].value = digit < Fields[i].count ? digit : 0;
    }
    // The program's own file: up to ten digits, then nothing, a NUL (what
    // follows it is not read) or a line end.
    size_t digits = 0;
    while (digits < bytes.size() && digits < SettingsFieldCount && bytes[digits] >= '0' &&
           bytes[digits] <= '9')
        ++digits;
    std::string rest = bytes.substr(digits);
    return rest.empty() || rest[0] == '\0' || rest.find_first_not_of("\r\n") == std::string::npos;
}

std::string FormatSettings() {
    std::string text;
    for (const Field& f : Fields) {
        int v = (*f.value >= 0 && *f.value < f.count) ? *f.value : 0;
        text += static_cast<char>('0' + v);
    }
    text += '\0';
    return text;
}

int LoadSettings() {
    settingsPath = platform::LocateDataFile("settei.dat");
    std::string bytes;
    LoadDataFile(settingsPath, MaxSettingsBytes, bytes);
    if (!ParseSettings(bytes)) SetAsideForeignFile(settingsPath);
    return 1;
}

int SaveSettings() {
    if (!settingsPath.empty()) SaveDataFile(settingsPath, FormatSettings());
    return 1;
}

std::string SettingsPath() {
    return settingsPath;
}
