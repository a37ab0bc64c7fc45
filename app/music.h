// The music player and the sound effects.
//
// MusicPlay / MusicStop are the shell's PlayMusic / StopMusic; the window
// program forwards ShellServices to them.
#pragma once
#include <string>

// Opens the audio device; without one everything here is silent. Returns
// whether sound can be heard.
bool InitAudio();
void ShutdownAudio();

// The end-of-tune notice arrives on the audio library's thread; `postNotify`
// must hand it to the main thread, which then calls OnMusicNotify there.
// `showError` shows the "error." box when stopping the music fails.
void SetMusicHooks(void (*postNotify)(), void (*showError)(const std::string& text));

int MusicStop();
int MusicPlay();
// The looping rule: called on the main thread for every end-of-tune notice.
void OnMusicNotify();
// Menu items cmd::Music1 .. cmd::MusicNone (choice 0..3), without the check marks.
void ChooseMusic(int choice);
// A new game has been set up (gameState is 0): its tune replaces the title
// tune at once.
void MusicForNewGame();

// The file the present situation calls for: "title.mid" with no game, else
// the chosen BGM's; nullptr when the choice is none.
const char* TuneForSituation();
// Where the tunes are looked for; empty (the default) means beside the
// program, then the current folder.
void SetMusicFolder(const std::string& folder);

// Sound effect `number` (sfx::) at once, cutting off one still playing. The caller
// (PlaySoundEffect) has already checked the option.
void PlayEffect(int number);
