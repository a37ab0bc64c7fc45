// Program-wide values shared by the shell and both games.
#pragma once

// The current game's major state; -1 while no game runs. The new-game command
// sets 0, and each step function moves it on and back to -1 at the end.
extern int gameState;
extern int subState;

// Input, as the main window records it for the step functions to read.
extern int pointerX, pointerY;
extern int pointerMoved;
extern int pointerClicked;
extern int choiceConfirmed;
extern int cancelRequested;
extern int cursorSlot, previousCursorSlot;
extern int redrawRequested;

// The ten stored settings (see settings.h for the file).
extern int currentGame;  // 0 Koi-Koi, 1 Hana-awase
extern int resolution;   // 0 640x480, 1 800x600, 2 1024x768
extern int backgroundChoice;
extern int musicChoice;  // 0..2 BGM1..3, 3 none
extern int showCapturableOn;
extern int animationOn;
extern int soundEffectsOn;
extern int handsOption;   // 0 six hands, 1 twelve, 2 unlimited
extern int sakeOption;    // 月見 /花見: 0 none, 1 three 文, 2 five 文
extern int oyakenOption;  // 親権: 0 off, 1 on

// Preferences beyond the ten settings, kept in kirabo.ini (preferences.h).
extern int comLevel;        // computer players: 0 gentle, 1 normal (the default), 2 strong
extern int languageChoice;  // 0 the locale's (the default), 1 Japanese, 2 English
extern int fullScreenOn;    // 0 in a window (the default), 1 full screen

// Set while the program itself stops and restarts the music, so that the
// stop's end-of-tune notice does not start the old tune again.
extern int suppressMusicNotify;

// Extent of the text "0" in the main window's font: the cell in which the
// painted dialogs lay out their text.
extern int charWidth, charHeight;

// What a dialog's frame adds to its client area (two borders; the caption
// and two borders). Dialogs sized at run time subtract them again.
constexpr int frameExtraWidth = 6;
constexpr int frameExtraHeight = 25;

constexpr int ResolutionCount = 3;
constexpr int ClientWidth[ResolutionCount] = {632, 792, 1016};
constexpr int ClientHeight[ResolutionCount] = {434, 554, 722};
