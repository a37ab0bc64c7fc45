// Saving the program's data files, with one report to the player when the
// folder cannot be written.
#pragma once
#include <string>

// Saves crash-safely (see platform::SaveFileBytes). The first failure of the
// run is reported through the shell, naming the folder; play goes on.
bool SaveDataFile(const std::string& path, const std::string& bytes);

// Forget that a failure was reported (tests).
void ResetStorageReport();
