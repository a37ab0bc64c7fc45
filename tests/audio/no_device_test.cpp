// Without a sound device the game goes on in silence: nothing fails, nothing
// is reported, and the looping rule still keeps its flag straight.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/music.h"
#include "core/program.h"
#include "platform/audio.h"

namespace {

int errors = 0;
void CountError(const std::string&) {
    ++errors;
}
int notices = 0;
void CountNotice() {
    ++notices;
}

TEST(NoSoundDevice, EveryMusicAndEffectCallIsSilentAndHarmless) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SetMusicHooks(CountNotice, CountError);
    EXPECT_FALSE(InitAudio());
    EXPECT_FALSE(platform::AudioIsOpen());

    gameState = -1;
    musicChoice = 0;
    MusicPlay();
    EXPECT_EQ(platform::LoadedTunePath(), "");
    gameState = 0;
    MusicForNewGame();
    ChooseMusic(2);
    for (int n = 191; n <= 197; ++n) PlayEffect(n);
    // No tune was started, so no notice is owed and none is waited for.
    EXPECT_EQ(suppressMusicNotify, 0);
    OnMusicNotify();
    ChooseMusic(3);
    MusicStop();
    ShutdownAudio();
    EXPECT_EQ(notices, 0);
    EXPECT_EQ(errors, 0);
}

}  // namespace
