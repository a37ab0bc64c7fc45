// Any bytes as game.sav: reading never fails badly. A file that is taken
// writes back the same text, and its game plays on from there without a
// fault the sanitizers would see.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/kept_game.h"
#include "core/program.h"
#include "hanaawase/flow.h"
#include "koikoi/flow.h"
#include "koikoi/self_play.h"
#include "platform/clock.h"
#include "tests/app/play.h"

namespace {

platform::FakeClock instantClock(0, 1000);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::SetClock(&instantClock);
    std::string bytes(reinterpret_cast<const char*>(data), size);
    bool over = false;
    gameState = -1;
    if (!RestoreKeptGame(bytes, "", over).empty()) return 0;
    std::string text = KeptGameText("");
    bool again = false;
    if (!RestoreKeptGame(text, "", again).empty() || KeptGameText("") != text) std::abort();
    // A few turns of the game as it was read.
    for (int i = 0; i < 60 && gameState != -1; ++i) StepGame(SelfPlayPolicy::First);
    return 0;
}
