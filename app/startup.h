// Start-up, the loop and shutdown of the window program.
#pragma once

// The whole program: returns the exit code.
int RunKirabo(int argc, char** argv);

// Start-up in order: single instance, settings, records, title while the
// images are made, main window, music. False when the program must stop.
bool InitApplication();
void ShutdownApplication();

// charWidth x charHeight: the extent of "0" in the main window's font.
void MeasureCharacterCell();

// Whether a game's step function is running now (its pictures are in use).
bool InsideGameStep();
