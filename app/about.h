#pragma once
// "Kiraboバージョン情報": the program's name, version and makers.
int ShowAbout();
