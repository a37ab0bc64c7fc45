// Headless sound for tests: SDL's disk driver writing to /dev/null as fast as
// the processor allows, with every block the device plays kept for measuring,
// and the end-of-tune notices queued for the test to deliver, as the window
// program delivers them on its main thread.
#pragma once
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
#include "platform/audio.h"
#include "tools/midi/score.h"
#include "tools/midi/smf.h"

namespace harness {

inline std::mutex heardMutex;
inline std::vector<int16_t> heard;
inline std::atomic<int> posted{0};

inline void Tap(const int16_t* samples, int count, int) {
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

// The tune folders made by this test binary, removed when it ends.
struct TuneFolders {
    std::vector<std::filesystem::path> made;
    ~TuneFolders() {
        std::error_code ignored;
        for (const auto& dir : made) std::filesystem::remove_all(dir, ignored);
    }
};
inline TuneFolders tuneFolders;

}  // namespace harness

// Sets the driver up; call before InitAudio.
inline void UseFastDiskDriver() {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    platform::testing::SetOutputTap(harness::Tap);
}

// Runs `action`, then returns the interleaved stereo samples of the
// `seconds` the device plays after it returned (waiting for the audio thread
// to render them). The device mixes each block under a lock that every call
// into the mixer takes, so what is heard after the action has returned was
// mixed with its effect in place.
inline std::vector<int16_t> HearAfter(const std::function<void()>& action, double seconds) {
    using harness::heard, harness::heardMutex;
    {
        std::lock_guard<std::mutex> lock(heardMutex);
        heard.clear();
    }
    action();
    size_t from;
    {
        std::lock_guard<std::mutex> lock(heardMutex);
        from = heard.size();
    }
    const size_t to = from + static_cast<size_t>(seconds * 44100) * 2;
    harness::WaitUntil([&] {
        std::lock_guard<std::mutex> lock(heardMutex);
        return heard.size() >= to;
    });
    std::lock_guard<std::mutex> lock(heardMutex);
    return std::vector<int16_t>(heard.begin() + from, heard.begin() + std::min(to, heard.size()));
}

// The hook given to SetMusicHooks: a notice posted by the audio thread.
inline void PostNotice() {
    ++harness::posted;
}
// Waits until the audio thread has posted a notice; false after a long while.
inline bool WaitForNotice() {
    return harness::WaitUntil([] { return harness::posted > 0; });
}
// Calls OnMusicNotify for every notice posted so far, as the main loop does.
inline int DeliverNotices() {
    int delivered = 0;
    for (; harness::posted > 0; --harness::posted, ++delivered) OnMusicNotify();
    return delivered;
}

// A folder holding short tunes under the four names, each one bar of one
// second; `damaged` names files to fill with junk instead.
inline std::string MakeShortTunes(const std::vector<std::string>& damaged = {}) {
    static int serial = 0;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kirabo-tunes-" + std::to_string(getpid()) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(dir);
    harness::tuneFolders.made.push_back(dir);
    midi::Song song;
    std::string error;
    midi::ParseScore(
        "tempo 240\nmeter 4\nunit 8\nvoice koto program 107 channel 0 volume 120\n"
        "section a\nkoto: !ff e5:2 a5:2 b5:2 e6:2 |\nform a\n",
        song, error);
    for (const char* name : {"title.mid", "kirabo.mid", "kyouwa.mid", "kyoutu.mid"}) {
        std::ofstream out(dir / name, std::ios::binary);
        bool junk = false;
        for (const std::string& d : damaged) junk |= d == name;
        out << (junk ? std::string("MThd\0\0\0\6junk junk junk", 22) : midi::SmfBytes(song));
    }
    return dir.string();
}
