#include "tools/sim/keeping.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cards/saved_text.h"
#include "platform/files.h"

int ParseKeepOption(const char* arg, const char* value, KeepOptions& options) {
    if (std::strcmp(arg, "--stop-after") == 0) {
        if (!value || !*value) return -1;
        char* end = nullptr;
        long v = std::strtol(value, &end, 10);
        if (*end != '\0' || v < 1) return -1;
        options.stopAfter = v;
        return 1;
    }
    if (std::strcmp(arg, "--keep") == 0 || std::strcmp(arg, "--resume") == 0) {
        if (!value || !*value) return -1;
        (arg[2] == 'k' ? options.keepPath : options.resumePath) = value;
        return 1;
    }
    return 0;
}

bool KeepOptionsValid(const KeepOptions& options) {
    return (options.stopAfter == 0) == options.keepPath.empty();
}

bool KeepSimGame(const std::string& path, long game, void (*writeGame)(SavedTextWriter&)) {
    SavedTextWriter out;
    out.Value("simGame", static_cast<int>(game));
    writeGame(out);
    if (platform::SaveFileBytes(path, out.Finish())) return true;
    std::fprintf(stderr, "kirabo-sim: cannot write %s\n", path.c_str());
    return false;
}

bool ResumeSimGame(const std::string& path, long& game, std::string (*readGame)(SavedTextReader&)) {
    std::string bytes;
    platform::ReadFileBytes(path, 1 << 20, bytes);
    SavedTextReader in(bytes);
    int number = 0;
    in.Value("simGame", number, 1, INT_MAX);
    std::string fault = in.ok() ? readGame(in) : "not a kept game";
    if (!fault.empty()) {
        std::fprintf(stderr, "kirabo-sim: %s: %s\n", path.c_str(), fault.c_str());
        return false;
    }
    game = number;
    return true;
}
