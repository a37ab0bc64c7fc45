// The program's own preferences beyond the ten stored settings, which stay in
// settei.dat as they are: kirabo.ini in the data folder, one value a line.
#pragma once

// Reads kirabo.ini. A missing file, key or damaged value gives that
// preference's default; a value out of its range does too.
void LoadPreferences();
// Writes every preference; called whenever one changes.
void SavePreferences();
