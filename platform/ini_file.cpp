#include "platform/ini_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <map>

namespace platform {
namespace {

std::string Trim(const std::string& s) {
    size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool WholeNumber(const std::string& text, int& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

bool ParseIniIntegers(const std::string& text, IniValues& values) {
    values.clear();
    if (text.find('\0') != std::string::npos) return false;
    std::string group;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            group = Trim(line.substr(1, line.size() - 2));
            if (group == "General") group.clear();
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) return false;
        std::string key = Trim(line.substr(0, eq));
        int value = 0;
        if (WholeNumber(Trim(line.substr(eq + 1)), value))
            values.emplace_back(group.empty() ? key : group + "/" + key, value);
    }
    return true;
}

std::string FormatIniIntegers(const IniValues& values) {
    std::map<std::string, std::string> groups;
    std::vector<std::string> order;
    for (const auto& [name, value] : values) {
        size_t slash = name.find('/');
        std::string group = slash == std::string::npos ? "General" : name.substr(0, slash);
        std::string key = slash == std::string::npos ? name : name.substr(slash + 1);
        if (!groups.count(group)) order.push_back(group);
        groups[group] += key + "=" + std::to_string(value) + "\n";
    }
    std::string text;
    for (const std::string& group : order) {
        if (!text.empty()) text += "\n";
        text += "[" + group + "]\n" + groups[group];
    }
    return text;
}

}  // namespace platform
