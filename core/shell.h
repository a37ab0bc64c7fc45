// What the games ask of the shell: sound, music, the menu, the window.
//
// The window program installs its own services; headless runs (tests,
// kirabo-sim) keep the default ones, which do nothing.
#pragma once
#include <cstdint>
#include <string>

class ShellServices {
  public:
    virtual ~ShellServices() = default;
    virtual void PlaySound(int /*number*/) {}
    virtual void PlayMusic() {}
    virtual void StopMusic() {}
    virtual void EnableScoreTableMenu(bool /*enabled*/) {}
    // Paint the whole client area again from the game or the background.
    virtual void InvalidateClient() {}
    // The step function waits for the player: the loop may sleep until input
    // arrives or `maxMs` have passed.
    virtual void WaitForInput(uint32_t /*maxMs*/) {}
    // The running game stands between two turns or hands (`over`: it has
    // just ended). The window keeps it so that it can go on after the program
    // ends; every run saves the records the game has changed.
    virtual void GameProgressed(bool over);
    // A file could not be saved in `folder`.
    virtual void ReportUnwritableFolder(const std::string& /*folder*/) {}
    // A data file is there but cannot be read; it is left as it is.
    virtual void ReportUnusableFile(const std::string& /*path*/) {}
};

// Installs `services` (not owned); nullptr restores the silent defaults.
void InstallShell(ShellServices* services);
ShellServices& Shell();

// Plays a sound effect (sfx::) at once, cutting off one still playing; nothing
// while the sound-effects option is off.
void PlaySoundEffect(int number);
// Music for the situation: the title tune with no game, else the chosen tune.
void PlayMusic();
void StopMusic();

// A game is over and its result clicked away: no game runs any more, the
// score table item greys, the title tune plays and the plain background shows.
// The game then frees its own state.
void EndGameAfterResult();
