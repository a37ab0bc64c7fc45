// Any bytes as record.dat: loading never fails badly, and what is then saved
// is a whole record that reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/core/records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseRecords(std::string(reinterpret_cast<const char*>(data), size));
    std::string saved = FormatRecords();
    if (saved.empty() || saved.back() != '\0') std::abort();
    if (!ParseRecords(saved)) std::abort();
    if (FormatRecords() != saved) std::abort();
    return 0;
}
