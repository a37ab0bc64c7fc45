// The images of the current resolution and the four table surfaces, and the
// changes of resolution and background.
#pragma once
#include "platform/surface.h"

// Card sets of the current resolution: 48 faces in card order, then the back.
// A turned card stays null until AnticlockwiseImage or ClockwiseImage makes it.
extern const platform::Surface* faceImages[49];
extern const platform::Surface* anticlockwiseImages[49];
extern const platform::Surface* clockwiseImages[49];
extern const platform::Surface* glowStrip;
extern const platform::Surface* homePageLabel;

// A card of the turned sets, made when it is first asked for: Hana-awase
// lays only some of the faces sideways, in the side players' piles.
const platform::Surface& AnticlockwiseImage(int card);
const platform::Surface& ClockwiseImage(int card);

// Client-size pictures shared by both games' tables and the shell: the
// background as loaded, background and panel, with the piles, and the
// composed table that is presented.
extern platform::Surface pristineBackground, tableBase, pileLayer, backBuffer;

// Loads the card sets, the glow strip, the label and the four surfaces for
// `resolution`, `backgroundChoice` and `currentGame`, drawn at the ratio the
// window shows the table at; what is already made is kept. The turned sets
// are loaded for Hana-awase only.
int LoadResolutionImages();
// Reloads the four surfaces from the background of `currentGame`, and lets
// go of the turned card sets unless it is Hana-awase.
void LoadBackgroundSurfaces();
