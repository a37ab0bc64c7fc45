// The program's data files as the loaders and savers see them: read once,
// saved crash-safely, and never written over when they are not ours to write.
// Each problem is reported to the player once, through the shell.
#pragma once
#include <string>

// Reads at most `maxBytes` of the data file at `path` into `bytes` (empty for
// a missing file). A file that is there but cannot be read (no permission, a
// symbolic link, a folder, a FIFO, a read error) gives empty bytes, is
// reported once, naming it, and is never saved over during this run: what is
// on disk may be the player's whole record.
void LoadDataFile(const std::string& path, size_t maxBytes, std::string& bytes);

// A file that is not in the program's own format is moved aside whole, as
// `path`.damaged, before anything is saved in its place. When it cannot be
// moved it is treated like an unreadable file.
void SetAsideForeignFile(const std::string& path);

// Saves crash-safely (see platform::SaveFileBytes). The first failure of the
// run is reported, naming the folder; play goes on. A file kept from saving
// (above) is not written and not reported again.
bool SaveDataFile(const std::string& path, const std::string& bytes);

// The end of the run, however it comes (the window closed, or the system's
// request to end inside any dialog): the settings, and the record as it stood
// when last whole. `quietly`: nothing more is shown to the player.
void SaveAtEndOfRun(bool quietly);

// Nothing is saved during this run (another copy's folder cannot be locked).
void DisableSaving();

// Forget every report, kept file and setting above (tests).
void ResetStorageReport();
