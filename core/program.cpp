#include "core/program.h"

int gameState = -1;
int subState = 0;

int pointerX = 0, pointerY = 0;
int pointerMoved = 0;
int pointerClicked = 0;
int choiceConfirmed = 0;
int cancelRequested = 0;
int cursorSlot = 0, previousCursorSlot = 0;
int redrawRequested = 0;

int currentGame = 0;
int resolution = 0;
int backgroundChoice = 0;
int musicChoice = 0;
int showCapturableOn = 0;
int animationOn = 0;
int soundEffectsOn = 0;
int handsOption = 0;
int sakeOption = 0;
int oyakenOption = 0;

int comLevel = 1;
int languageChoice = 0;
int fullScreenOn = 0;

int suppressMusicNotify = 0;

int charWidth = 8, charHeight = 16;
