// The music player and the effects through the real SDL2_mixer device: SDL's
// disk driver writing to /dev/null as fast as the processor allows, with
// every block the device plays kept for measuring, and the end-of-tune
// notices queued for the test to deliver, as the window program delivers them
// on its main thread.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/music.h"
#include "assets/sounds/sounds.h"
#include "core/program.h"
#include "core/shell.h"
#include "core/sound_effects.h"
#include "platform/audio.h"
#include "tools/audio_render/tune_render.h"
#include "tools/midi/score.h"
#include "tools/midi/smf.h"

namespace {

std::mutex heardMutex;
std::vector<int16_t> heard;
std::atomic<int> posted{0};

void Tap(const int16_t* samples, int count, int) {
    std::lock_guard<std::mutex> lock(heardMutex);
    heard.insert(heard.end(), samples, samples + count);
}

// Waits for the audio thread, not for time: it runs far faster than real time.
template <typename Done>
bool WaitUntil(Done done) {
    for (int i = 0; i < 20000 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return done();
}

// Holds the tune folders made by this test binary, removed when its tests end.
const std::filesystem::path tuneRoot =
    std::filesystem::temp_directory_path() / ("kirabo-tunes-" + std::to_string(getpid()));

// The count of samples heard so far; `clear` forgets them first.
size_t Heard(bool clear) {
    std::lock_guard<std::mutex> lock(heardMutex);
    if (clear) heard.clear();
    return heard.size();
}

// Runs `action`, then returns the interleaved stereo samples of the
// `seconds` the device plays after it returned (waiting for the audio thread
// to render them). The device mixes each block under a lock that every call
// into the mixer takes, so what is heard after the action has returned was
// mixed with its effect in place.
std::vector<int16_t> HearAfter(const std::function<void()>& action, double seconds) {
    Heard(true);
    action();
    const size_t from = Heard(false), to = from + static_cast<size_t>(seconds * 44100) * 2;
    WaitUntil([&] { return Heard(false) >= to; });
    std::lock_guard<std::mutex> lock(heardMutex);
    return std::vector<int16_t>(heard.begin() + from, heard.begin() + std::min(to, heard.size()));
}

// Waits until the audio thread has posted a notice; false after a long while.
bool WaitForNotice() {
    return WaitUntil([] { return posted > 0; });
}
// Calls OnMusicNotify for every notice posted so far, as the main loop does.
int DeliverNotices() {
    int delivered = 0;
    for (; posted > 0; --posted, ++delivered) OnMusicNotify();
    return delivered;
}

// A folder holding short tunes under the four names, each one bar of one
// second; `damaged` names a file to fill with junk instead.
std::string MakeShortTunes(const std::string& damaged = "") {
    static int serial = 0;
    const auto dir = tuneRoot / std::to_string(serial++);
    std::filesystem::create_directories(dir);
    midi::Song song;
    std::string error;
    midi::ParseScore(
        "tempo 240\nmeter 4\nunit 8\nvoice koto program 107 channel 0 volume 120\n"
        "section a\nkoto: !ff e5:2 a5:2 b5:2 e6:2 |\nform a\n",
        song, error);
    for (const char* name : {"title.mid", "kirabo.mid", "kyouwa.mid", "kyoutu.mid"}) {
        std::ofstream out(dir / name, std::ios::binary);
        out << (name == damaged ? std::string("MThd\0\0\0\6junk junk junk", 22)
                                : midi::SmfBytes(song));
    }
    return dir.string();
}

// Far below any tune or effect, far above the dither of silence (which is 0).
constexpr double Audible = 0.003;

std::string errorShown;
void ShowError(const std::string& text) {
    errorShown = text;
}

// The window program's shell forwards effects to the player the same way.
class SoundingShell : public ShellServices {
  public:
    void PlaySound(int number) override { PlayEffect(number); }
};
SoundingShell soundingShell;

std::string TuneName() {
    return std::filesystem::path(platform::LoadedTunePath()).filename().string();
}

// Waits for the playing tune to end and delivers the notice, as the main loop
// does; true when that started the tune again.
bool ItsEndStartsItAgain() {
    const int starts = platform::testing::TuneStarts();
    if (!WaitForNotice()) return false;
    DeliverNotices();
    return platform::testing::TuneStarts() == starts + 1;
}

// Loudness of what the device plays in the `seconds` after `action`.
double RmsAfter(const std::function<void()>& action, double seconds) {
    const auto samples = HearAfter(action, seconds);
    return Rms(samples, 0, samples.size());
}

class MusicPlayer : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
        platform::testing::SetOutputTap(Tap);
        SetMusicHooks([] { ++posted; }, ShowError);
        ASSERT_TRUE(InitAudio());
        InstallShell(&soundingShell);
    }
    static void TearDownTestSuite() {
        InstallShell(nullptr);
        ShutdownAudio();
        std::filesystem::remove_all(tuneRoot);
    }
    void SetUp() override {
        gameState = -1;
        musicChoice = 0;
        soundEffectsOn = 1;
        MusicStop();
        DeliverNotices();
        suppressMusicNotify = 0;
        folder = MakeShortTunes();
        SetMusicFolder(folder);
        errorShown.clear();
    }
    void TearDown() override {
        musicChoice = 0;
        MusicStop();
        DeliverNotices();
        SetMusicFolder("");
        EXPECT_EQ(errorShown, "");
    }
    std::string folder;
};

TEST_F(MusicPlayer, EachEffectSoundsAndTheOptionOffSilencesThemAll) {
    for (int n = FirstEffect; n <= LastEffect; ++n) {
        EXPECT_GT(RmsAfter([n] { PlaySoundEffect(n); }, 0.15), Audible) << n;
    }
    soundEffectsOn = 0;
    const auto tryAll = [] {
        for (int n = FirstEffect; n <= LastEffect; ++n) PlaySoundEffect(n);
    };
    EXPECT_EQ(RmsAfter(tryAll, 1.0), 0.0);
}

TEST_F(MusicPlayer, ANewEffectCutsOffTheOneStillPlaying) {
    const auto samples = HearAfter(
        [] {
            PlaySoundEffect(sfx::GameWon);     // five and a half seconds long
            PlaySoundEffect(sfx::CursorMove);  // a tick of 21 ms
        },
        1.0);
    EXPECT_GT(Rms(samples, 0, 44100 / 10), 0.0);
    EXPECT_EQ(Rms(samples, 44100 / 2, samples.size()), 0.0);
}

TEST_F(MusicPlayer, EachSituationPlaysItsTune) {
    struct Row {
        int gameState, musicChoice;
        std::string tune;
    };
    const Row rows[] = {
        {-1, 0, "title.mid"}, {-1, 1, "title.mid"}, {-1, 2, "title.mid"}, {0, 0, "kirabo.mid"},
        {3, 1, "kyouwa.mid"}, {5, 2, "kyoutu.mid"}, {-1, 3, ""},          {0, 3, ""},
    };
    for (const Row& row : rows) {
        MusicStop();
        gameState = row.gameState;
        musicChoice = row.musicChoice;
        const double rms = RmsAfter(MusicPlay, 0.8);
        EXPECT_EQ(TuneName(), row.tune) << row.gameState << " " << row.musicChoice;
        if (!row.tune.empty()) {
            EXPECT_GT(rms, Audible) << row.tune;
        }
    }
}

TEST_F(MusicPlayer, AHugeTuneIsRefusedAndPlayGoesOnSilently) {
    // A playable tune with megabytes after it.
    ASSERT_EQ(truncate((folder + "/title.mid").c_str(), 64 << 20), 0);
    gameState = -1;
    EXPECT_EQ(RmsAfter(MusicPlay, 0.5), 0.0);
    EXPECT_EQ(TuneName(), "");
    gameState = 0;
    MusicStop();
    EXPECT_GT(RmsAfter(MusicPlay, 0.8), Audible);
    EXPECT_EQ(TuneName(), "kirabo.mid");
}

// The notice of a tune stopped for a change or by the result banner
// restarts nothing.
TEST_F(MusicPlayer, ChangingTheTuneDuringAGameRestartsAtOnceAndNoStoppedTuneComesBack) {
    gameState = 0;
    MusicPlay();
    ASSERT_EQ(TuneName(), "kirabo.mid");
    ChooseMusic(1);
    EXPECT_EQ(TuneName(), "kyouwa.mid");
    const int starts = platform::testing::TuneStarts();
    EXPECT_EQ(DeliverNotices(), 1);  // the stopped kirabo.mid's
    EXPECT_EQ(platform::testing::TuneStarts(), starts);
    // The new tune loops as usual.
    EXPECT_TRUE(ItsEndStartsItAgain());
    MusicStop();  // the result banner
    EXPECT_EQ(RmsAfter(DeliverNotices, 0.5), 0.0);
    EXPECT_EQ(TuneName(), "");
}

// None stops at once and no later notice restarts; a tune chosen after it
// plays: the title tune with no game, the chosen one during a game, looping.
TEST_F(MusicPlayer, NoneStopsAtOnceAndATuneChosenAfterItPlaysAndLoops) {
    MusicPlay();
    ChooseMusic(3);
    EXPECT_EQ(TuneName(), "");
    EXPECT_EQ(RmsAfter(DeliverNotices, 0.5), 0.0);
    ChooseMusic(0);
    EXPECT_EQ(TuneName(), "title.mid");
    ChooseMusic(3);
    gameState = 0;
    ChooseMusic(2);
    EXPECT_EQ(TuneName(), "kyoutu.mid");
    EXPECT_GT(RmsAfter(DeliverNotices, 0.5), Audible);
    EXPECT_TRUE(ItsEndStartsItAgain());
}

TEST_F(MusicPlayer, ChoosingATuneWithNoGameKeepsTheTitleTuneForTheNextGame) {
    MusicPlay();
    const int starts = platform::testing::TuneStarts();
    ChooseMusic(1);
    EXPECT_EQ(TuneName(), "title.mid");
    EXPECT_EQ(platform::testing::TuneStarts(), starts);
    gameState = 0;
    MusicForNewGame();
    EXPECT_EQ(TuneName(), "kyouwa.mid");
    EXPECT_EQ(DeliverNotices(), 1);  // the title tune's, swallowed
    EXPECT_EQ(platform::testing::TuneStarts(), starts + 1);
}

TEST_F(MusicPlayer, AMissingOrDamagedFileGivesSilence) {
    SetMusicFolder((std::filesystem::temp_directory_path() / "kirabo-no-such-folder").string());
    EXPECT_EQ(RmsAfter(MusicPlay, 0.5), 0.0);
    EXPECT_EQ(TuneName(), "");

    SetMusicFolder(MakeShortTunes("title.mid"));
    const int starts = platform::testing::TuneStarts();
    EXPECT_LT(RmsAfter(MusicPlay, 0.5), Audible);
    // The broken tune ends at once; its notice does not start it again, or
    // the notices would follow each other without end.
    ASSERT_TRUE(WaitForNotice());
    HearAfter(DeliverNotices, 1.0);
    EXPECT_EQ(DeliverNotices(), 0);
    EXPECT_EQ(platform::testing::TuneStarts(), starts + 1);
}

TEST(BuiltTunes, EachRendersAsMusicFromItsFirstBars) {
    if (platform::SoundFontPath().empty()) GTEST_SKIP() << "no General MIDI soundfont";
    for (const char* name : {"title", "kirabo", "kyouwa", "kyoutu"}) {
        const auto samples = RenderTune(std::string(KIRABO_TUNES_DIR) + "/" + name + ".mid", 12);
        ASSERT_GE(samples.size(), 11 * RenderRate * 2u) << name;
        EXPECT_GT(Rms(samples, 0, samples.size()), 0.01) << name;
    }
}

}  // namespace
