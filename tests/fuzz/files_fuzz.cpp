// Any bytes as settei.dat and record.dat on disk, through the program's own
// load and save: the values are in range, the saved files are exactly the
// format and read back the same, and a file not in the format is first moved
// aside whole.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "core/program.h"
#include "core/records.h"
#include "core/settings.h"
#include "core/storage.h"

namespace {

std::string dataDir;

void Check(bool ok) {
    if (!ok) std::abort();
}

std::string Read(const std::string& name) {
    std::ifstream in(dataDir + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& name) {
    return access((dataDir + "/" + name).c_str(), F_OK) == 0;
}

void Start(const std::string& name, const std::string& bytes) {
    for (const char* suffix : {"", ".damaged", ".damaged-2"})
        unlink((dataDir + "/" + name + suffix).c_str());
    std::ofstream(dataDir + "/" + name, std::ios::binary) << bytes;
}

std::string root;

void RemoveFolder() {
    std::system(("rm -rf " + root).c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char tmpl[] = "/tmp/kirabo-fuzz-XXXXXX";
    root = mkdtemp(tmpl);
    std::atexit(RemoveFolder);
    setenv("XDG_DATA_HOME", root.c_str(), 1);
    dataDir = root + "/kirabo";
    std::system(("mkdir -p " + dataDir).c_str());
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
    const std::string settings = Read("settei.dat");
    Check(settings == FormatSettings() && settings.size() == SettingsFileSize);
    Check(ownSettings ? !Exists("settei.dat.damaged") : Read("settei.dat.damaged") == input);
    LoadSettings();
    Check(FormatSettings() == settings && !Exists("settei.dat.damaged-2"));

    Start("record.dat", input);
    LoadRecords();
    const std::string loaded = FormatRecords();
    const bool ownRecord = ParseRecords(input.substr(0, 4096));
    Check(FormatRecords() == loaded);
    SaveWholeRecords();
    const std::string record = Read("record.dat");
    Check(record == loaded && record.back() == '\0');
    Check(ownRecord ? !Exists("record.dat.damaged") : Read("record.dat.damaged") == input);
    LoadRecords();
    Check(FormatRecords() == record && !Exists("record.dat.damaged-2"));
    return 0;
}
