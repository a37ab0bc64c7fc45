#include "tests/audio/audio_harness.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "app/music.h"
#include "platform/audio.h"
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

const char* const ShortTune =
    "tempo 240\nmeter 4\nunit 8\n"
    "voice koto program 107 channel 0 volume 120\n"
    "section a\nkoto: !ff e5:2 a5:2 b5:2 e6:2 |\nform a\n";

}  // namespace

void UseFastDiskDriver() {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    platform::testing::SetOutputTap(Tap);
}

std::vector<int16_t> HearAfter(const std::function<void()>& action, double seconds) {
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
    WaitUntil([&] {
        std::lock_guard<std::mutex> lock(heardMutex);
        return heard.size() >= to;
    });
    std::lock_guard<std::mutex> lock(heardMutex);
    return std::vector<int16_t>(heard.begin() + from, heard.begin() + std::min(to, heard.size()));
}

void PostNotice() {
    ++posted;
}
int PendingNotices() {
    return posted;
}
bool WaitForNotice() {
    return WaitUntil([] { return posted > 0; });
}

int DeliverNotices() {
    int delivered = 0;
    for (; posted > 0; --posted, ++delivered) OnMusicNotify();
    return delivered;
}

namespace {
// The tune folders made by this test binary, removed when it ends.
struct TuneFolders {
    std::vector<std::filesystem::path> made;
    ~TuneFolders() {
        std::error_code ignored;
        for (const auto& dir : made) std::filesystem::remove_all(dir, ignored);
    }
};
TuneFolders tuneFolders;
}  // namespace

std::string MakeShortTunes(const std::vector<std::string>& damaged) {
    static int serial = 0;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kirabo-tunes-" + std::to_string(getpid()) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(dir);
    tuneFolders.made.push_back(dir);
    midi::Song song;
    std::string error;
    midi::ParseScore(ShortTune, song, error);
    for (const char* name : {"title.mid", "kirabo.mid", "kyouwa.mid", "kyoutu.mid"}) {
        std::ofstream out(dir / name, std::ios::binary);
        bool junk = false;
        for (const std::string& d : damaged) junk |= d == name;
        out << (junk ? std::string("MThd\0\0\0\6junk junk junk", 22) : midi::SmfBytes(song));
    }
    return dir.string();
}
