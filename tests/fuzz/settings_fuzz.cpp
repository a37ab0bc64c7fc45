// Any bytes as settei.dat: the settings read from them are in range, and what
// is then saved reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/core/program.h"
#include "app/core/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseSettings(std::string(reinterpret_cast<const char*>(data), size));
    if (resolution < 0 || resolution > 2 || musicChoice < 0 || musicChoice > 3 ||
        backgroundChoice < 0 || backgroundChoice > 2 || handsOption < 0 || handsOption > 2)
        std::abort();
    std::string saved = FormatSettings();
    if (saved.size() != SettingsFileSize) std::abort();
    ParseSettings(saved);
    if (FormatSettings() != saved) std::abort();
    return 0;
}
