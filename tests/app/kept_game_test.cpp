// The kept game: a file that is damaged, cut short, of another version or
// describing an impossible table is refused and changes nothing; a program
// ended at any moment of keeping, then started again, goes on with every hand
// and game counted in the records exactly once.
#include "app/kept_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cards/random.h"
#include "cards/saved_text.h"
#include "core/records.h"
#include "core/shell.h"
#include "koikoi/state.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "tests/app/data_dir.h"
#include "tests/app/play.h"

namespace {

// Every wait of the flows passes at once.
class KeptGame : public testing::Test {
  protected:
    void SetUp() override { platform::SetClock(&clock_); }
    void TearDown() override {
        platform::SetClock(nullptr);
        platform::testing::SetBeforeRenameHook(nullptr);
        InstallShell(nullptr);
    }
    platform::FakeClock clock_{0, 1000};
};

struct Ended {};

// Counts the keepable moments and keeps the game at each, as the window does.
class KeepingShell : public ShellServices {
  public:
    long progressed = 0;
    bool keep = true;
    std::function<void()> atMoment;
    void GameProgressed(bool over) override {
        ++progressed;
        if (atMoment) atMoment();
        if (keep) KeepGame(over);
    }
};

// A game of the given kind stepped until `moments` keepable moments passed.
void PlayUntil(int game, long moments, KeepingShell& shell, int hands = 0) {
    currentGame = game;
    handsOption = hands;
    sakeOption = 2;
    oyakenOption = 1;
    SeedRandom(4321u + static_cast<uint32_t>(game));
    gameState = 0;
    subState = 0;
    while (gameState != -1 && shell.progressed < moments) StepGame();
}

std::string TextAfter(int game, long moments, int hands = 0) {
    KeepingShell shell;
    shell.keep = false;
    InstallShell(&shell);
    PlayUntil(game, moments, shell, hands);
    InstallShell(nullptr);
    return KeptGameText("");
}

// Puts a right checksum under the text, its old one dropped.
std::string Summed(std::string body) {
    body = body.substr(0, body.rfind("sum "));
    char sum[32];
    std::snprintf(sum, sizeof sum, "sum %08x\n", TextChecksum(body));
    return body + sum;
}

// Replaces the values of line `name` and puts a right checksum under it, as
// a file written by a faulty program would have.
std::string WithLine(const std::string& text, const std::string& name, const std::string& values) {
    size_t at = text.find("\n" + name + " ");
    EXPECT_NE(at, std::string::npos) << name;
    size_t end = text.find('\n', at + 1);
    return Summed(text.substr(0, at + 1) + name + " " + values + text.substr(end));
}

// The text as the former version wrote it: its own first line, without the
// computer seats' generators and the months each seat has shown it lacks.
std::string AsFormerVersion(const std::string& text) {
    std::string old = "KIRABO-KEPT-GAME 1" + text.substr(text.find('\n'));
    for (const char* name : {"comRandom", "lackingMonths"}) {
        size_t at = old.find(std::string("\n") + name + " ");
        if (at != std::string::npos) old.erase(at + 1, old.find('\n', at + 1) - at);
    }
    return Summed(old);
}

std::string Line(const std::string& text, const std::string& name) {
    size_t at = text.find("\n" + name + " ") + 1;
    size_t from = at + name.size() + 1;
    return text.substr(from, text.find('\n', at) - from);
}

std::string Refusal(const std::string& bytes) {
    bool over = false;
    return RestoreKeptGame(bytes, "", over);
}

TEST_F(KeptGame, SoundFilesOfBothGamesAndTheFuzzersSeedFilesReadBack) {
    for (int game : {0, 1}) {
        for (long moments : {1L, 2L, 9L, 40L, 200L}) {
            // Six hands, twelve, and a game without end.
            int hands = static_cast<int>(moments % 3);
            std::string text = TextAfter(game, moments, hands);
            handsOption = 0;  // the file brings its own rules back, and its state
            ASSERT_EQ(Refusal(text), "") << game << " " << moments;
            EXPECT_EQ(KeptGameText(""), text) << "read back and written again";
            // Kept before the cards a computer's plays rule out were kept: the
            // hand goes on with none ruled out.
            if (size_t at = text.find("\nruledOut "); game == 1 && at != std::string::npos) {
                EXPECT_TRUE(moments < 200 || Line(text, "ruledOut") != "0 0 0 0 0 0");
                std::string before = text;
                before.erase(at + 1, before.find('\n', at + 1) - at);
                ASSERT_EQ(Refusal(Summed(before)), "") << moments;
                EXPECT_EQ(KeptGameText(""), WithLine(text, "ruledOut", "0 0 0 0 0 0"));
            }
        }
    }
    // The kept-game fuzzer starts from these files: they must be whole kept
    // games of this version, or it only ever tries the refusals.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KIRABO_KEPT_GAME_CORPUS)) {
        std::string bytes;
        ASSERT_TRUE(platform::ReadFileBytes(entry.path().string(), 1 << 20, bytes));
        EXPECT_EQ(Refusal(bytes), "") << entry.path();
        ++files;
    }
    EXPECT_GE(files, 4);
}

// Damaged, short and foreign files, and whole checksummed files whose table
// cannot be, change nothing. A file kept by the former version lacks what the
// computers of the gentle and strong levels know of their own: that game
// cannot go on as it would have, so it is refused like a damaged one.
TEST_F(KeptGame, DamagedForeignFormerOrImpossibleFilesAreRefused) {
    const std::string koiText = TextAfter(0, 30), hanaText = TextAfter(1, 30);
    std::string hands = Line(koiText, "hands");
    std::string handTwice = hands.substr(0, hands.find(' ')) + " " + hands;
    handTwice = handTwice.substr(0, handTwice.rfind(' '));  // the first card in two slots
    std::vector<std::string> bad = {
        WithLine(koiText, "hands", handTwice),
        WithLine(koiText, "handCount", "9 9"),
        WithLine(koiText, "stockLeft", "23"),
        WithLine(koiText, "dealer", "2"),
        WithLine(koiText, "gameTotal", "5 0"),
        WithLine(koiText, "rules", "0 3 1"),
        WithLine(koiText, "handIndex", "6"),
        WithLine(koiText, "pileCount", "6 0 0 0 0 0 0 0"),
        WithLine(koiText, "state", "8"),
        WithLine(koiText, "playerToMove", Line(koiText, "playerToMove") == "0" ? "1" : "0"),
        WithLine(hanaText, "handCount", "7 7 7"),
        WithLine(hanaText, "stockCount", "21"),
        WithLine(hanaText, "dealer", "3"),
        WithLine(hanaText, "totalScore", "1 0 0"),
        WithLine(hanaText, "capturedCount", std::string(47, ' ').replace(0, 1, "6")),
        WithLine(hanaText, "rules", "3"),
        // Beyond the twelve months is no month at all.
        WithLine(koiText, "lackingMonths", "4096 0"),
        WithLine(hanaText, "lackingMonths", "0 4096 0"),
        WithLine(hanaText, "ruledOut", "0 0 65536 0 0 0"),
        WithLine(hanaText, "ruledOut", "0 0 0 0"),
    };
    for (const std::string& text : {koiText, hanaText}) {
        ASSERT_EQ(Refusal(text), "");
        std::string flipped = text;
        flipped[text.size() / 2] ^= 0x01;
        std::string foreign = text;
        foreign.replace(0, foreign.find('\n'), "KIRABO-KEPT-GAME 3");
        const size_t sum = text.rfind("sum ");
        bad.insert(bad.end(),
                   {std::string(), text.substr(0, text.size() / 2), text.substr(0, text.size() - 1),
                    flipped, WithLine(foreign, "state", Line(text, "state")),
                    text.substr(0, sum) + "extra 1\n" + text.substr(sum), AsFormerVersion(text)});
    }
    for (size_t i = 0; i < bad.size(); ++i) {
        koi.handIndex = 77;
        EXPECT_NE(Refusal(bad[i]), "") << i;
        EXPECT_EQ(koi.handIndex, 77) << i << ": a refused file changes nothing";
    }
}

// The program ends at every moment of keeping that changes the records, in
// either of its two writes, and is started again each time: the records at
// the end of the game are those of the game played without a break.
TEST_F(KeptGame, RecordsCountEveryHandOnceWhateverTheEnd) {
    for (int game : {0, 1}) {
        TestDataDir data;
        ClearRecords();
        LoadRecords();
        KeepingShell shell;
        InstallShell(&shell);
        std::vector<long> changing;
        std::string last = FormatRecords();
        shell.atMoment = [&] {
            if (FormatRecords() != last && shell.progressed > 1)
                changing.push_back(shell.progressed);
            last = FormatRecords();
        };
        PlayUntil(game, 1000000, shell);
        const std::string whole = data.Read("record.dat");
        EXPECT_FALSE(KeptGameExists()) << "a finished game leaves no kept game";
        ASSERT_GE(changing.size(), 6u) << "the hands and the game";
        // The first hand, one in the middle and the game's end.
        changing = {changing[0], changing[changing.size() / 2], changing.back()};

        for (long k : changing) {
            for (int failAt : {1, 2}) {
                data.Write("record.dat", "");
                platform::RemoveFile(KeptGamePath());
                ClearRecords();
                LoadRecords();
                shell.progressed = 0;
                bool crashed = false;
                int renames = 0;
                shell.atMoment = [&] {
                    if (shell.progressed != k) return;
                    // The program ends right there: nothing after it runs.
                    platform::testing::SetBeforeRenameHook([&]() -> bool {
                        if (++renames >= failAt) throw Ended{};
                        return true;
                    });
                };
                try {
                    PlayUntil(game, k, shell);
                } catch (const Ended&) {
                    crashed = true;
                }
                platform::testing::SetBeforeRenameHook(nullptr);
                ASSERT_TRUE(crashed);
                // Started again: what the files hold is all there is.
                ClearRecords();
                LoadRecords();
                KeptGameLoad load = LoadKeptGame();
                ASSERT_TRUE(load == KeptGameLoad::Resumable || load == KeptGameLoad::Over)
                    << k << " " << failAt;
                shell.atMoment = nullptr;
                while (gameState != -1) StepGame();
                EXPECT_FALSE(KeptGameExists());
                ASSERT_EQ(data.Read("record.dat"), whole)
                    << "game " << game << " ended at moment " << k << " write " << failAt;
            }
        }
    }
}

}  // namespace
