#include "app/preferences.h"

#include <string>

#include "core/program.h"
#include "core/storage.h"
#include "platform/files.h"
#include "platform/ini_file.h"

namespace {

struct Preference {
    const char* key;
    int* value;
    int defaultValue;
    int minValue, maxValue;
};

// One row a preference: its key in the file, the program value, its default
// and its range.
const Preference Preferences[] = {
    {"computer/level", &comLevel, 1, 0, 2},
    {"language/choice", &languageChoice, 0, 0, 2},
    {"display/fullscreen", &fullScreenOn, 0, 0, 1},
};

std::string preferencesPath;
// Far more than the preferences need; a larger file is not ours.
constexpr size_t MaxIniBytes = 16 * 1024;

}  // namespace

void LoadPreferences() {
    for (const Preference& p : Preferences) *p.value = p.defaultValue;
    preferencesPath = platform::LocateDataFile("kirabo.ini");
    std::string text;
    LoadDataFile(preferencesPath, MaxIniBytes + 1, text);
    platform::IniValues values;
    if (text.size() > MaxIniBytes || !platform::ParseIniIntegers(text, values)) {
        values.clear();
        SetAsideForeignFile(preferencesPath);
    }
    for (const auto& [key, value] : values) {
        for (const Preference& p : Preferences) {
            if (key == p.key && value >= p.minValue && value <= p.maxValue) *p.value = value;
        }
    }
}

void SavePreferences() {
    platform::IniValues values;
    for (const Preference& p : Preferences) values.emplace_back(p.key, *p.value);
    if (!preferencesPath.empty())
        SaveDataFile(preferencesPath, platform::FormatIniIntegers(values));
}
