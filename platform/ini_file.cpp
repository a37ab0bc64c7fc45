#include "platform/ini_file.h"

#include <QSettings>
#include <QString>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {
// Far more than the preferences need; a larger file is not ours.
constexpr std::uintmax_t MaxIniBytes = 16 * 1024;
}  // namespace

IniValues ReadIniIntegers(const std::string& path) {
    std::error_code error;
    auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status)) return {};
    if (std::filesystem::file_size(path, error) > MaxIniBytes || error) return {};
    QSettings ini(QString::fromStdString(path), QSettings::IniFormat);
    IniValues values;
    for (const QString& key : ini.allKeys()) {
        bool isNumber = false;
        int value = ini.value(key).toString().trimmed().toInt(&isNumber);
        if (isNumber) values.emplace_back(key.toStdString(), value);
    }
    return values;
}

bool WriteIniIntegers(const std::string& path, const IniValues& values) {
    QSettings ini(QString::fromStdString(path), QSettings::IniFormat);
    ini.clear();
    for (const auto& [key, value] : values) ini.setValue(QString::fromStdString(key), value);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

}  // namespace platform
