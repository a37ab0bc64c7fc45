// Any bytes as settei.dat and record.dat on disk, through the program's own
// load and save: the values are in range, the saved files are exactly the
// format and read back the same, and a file not in the format is first moved
// aside whole.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/program.h"
#include "core/records.h"
#include "core/settings.h"
#include "core/storage.h"
#include "tests/app/data_dir.h"

namespace {

// The program's folder in a private place, removed at exit.
const TestDataDir& Data() {
    static const TestDataDir data;
    return data;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

bool Exists(const std::string& name) {
    return access(Data().Path(name).c_str(), F_OK) == 0;
}

void Start(const std::string& name, const std::string& bytes) {
    for (const char* suffix : {".damaged", ".damaged-2"})
        unlink(Data().Path(name + suffix).c_str());
    std::ofstream(Data().Path(name), std::ios::binary) << bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Data().Write("settei.dat", "");
    // libFuzzer's corpus folders may be named from where it was started.
    Check(chdir(Data().oldCwd.c_str()) == 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    ResetStorageReport();

    Start("settei.dat", input);
    LoadSettings();
    Check(resolution >= 0 && resolution <= 2 && musicChoice >= 0 && musicChoice <= 3 &&
          backgroundChoice >= 0 && backgroundChoice <= 2 && handsOption >= 0 && handsOption <= 2);
    const bool ownSettings = ParseSettings(input.substr(0, 64));
    SaveSettings();
    const std::string settings = Data().Read("settei.dat");
    Check(settings == FormatSettings() && settings.size() == SettingsFileSize);
    Check(ownSettings ? !Exists("settei.dat.damaged") : Data().Read("settei.dat.damaged") == input);
    LoadSettings();
    Check(FormatSettings() == settings && !Exists("settei.dat.damaged-2"));

    Start("record.dat", input);
    LoadRecords();
    const std::string loaded = FormatRecords();
    const bool ownRecord = ParseRecords(input.substr(0, 4096));
    Check(FormatRecords() == loaded);
    SaveWholeRecords();
    const std::string record = Data().Read("record.dat");
    Check(record == loaded && record.back() == '\0');
    Check(ownRecord ? !Exists("record.dat.damaged") : Data().Read("record.dat.damaged") == input);
    LoadRecords();
    Check(FormatRecords() == record && !Exists("record.dat.damaged-2"));
    return 0;
}
