#include "app/preferences.h"

#include <string>

#include "app/program.h"
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
};

std::string PreferencesPath() {
    return platform::LocateDataFile("kirabo.ini");
}

}  // namespace

void LoadPreferences() {
    for (const Preference& p : Preferences) *p.value = p.defaultValue;
    for (const auto& [key, value] : platform::ReadIniIntegers(PreferencesPath())) {
        for (const Preference& p : Preferences) {
            if (key == p.key && value >= p.minValue && value <= p.maxValue) *p.value = value;
        }
    }
}

void SavePreferences() {
    platform::IniValues values;
    for (const Preference& p : Preferences) values.emplace_back(p.key, *p.value);
    platform::WriteIniIntegers(PreferencesPath(), values);
}
