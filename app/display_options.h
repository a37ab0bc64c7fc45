// The display's changes from the menu and the screen: reload and re-centre
// the window, rebuilding a running game's table.
#pragma once

int ChangeResolution();
int ChangeBackground();
// Full screen on or off, kept in the preferences.
void ChooseFullScreen(bool on);
// The window shows the table at another ratio: the images are made again
// for it and the table drawn again. Inside a game's step this waits until the
// step is over (its pictures are in use); ApplyPendingPixelRatio then does it.
void ChangePixelRatio();
void ApplyPendingPixelRatio();
