// Plays Hana-awase through HanaAwaseStep for tests, answering for the user
// the way kirabo-sim does, or at random from a generator of the test's own
// (the program's generator is left to the game).
#pragma once
#include <cstdint>
#include <functional>

#include "core/program.h"
#include "hanaawase/flow.h"
#include "hanaawase/self_play.h"
#include "hanaawase/state.h"

struct UserPolicy {
    enum Kind { First, Last, AtRandom } kind = First;
    uint32_t state = 1;
    // Sets the cursor and confirms whenever the game waits for the user.
    void Act() {
        HanaChooseForUser(kind == Last ? SelfPlayPolicy::Last : SelfPlayPolicy::First);
        const bool choosing = subState == 1 || subState == 2 || subState == 4;
        if (kind != AtRandom || gameState != HanaUserTurn || !choosing) return;
        state = state * 1103515245u + 12345u;
        cursorSlot = static_cast<int>((state >> 16) % (subState == 1 ? hana.handCount[0] : 2u));
    }
};

// Starts a game and steps it until it is over or `stop` says so; `beforeStep`
// sees the state before every call. Returns the number of calls.
inline long PlayGame(UserPolicy& policy, const std::function<bool()>& stop = nullptr,
                     const std::function<void()>& beforeStep = nullptr) {
    currentGame = 1;
    gameState = 0;
    subState = 0;
    long calls = 0;
    while (gameState != -1) {
        if (stop && stop()) break;
        policy.Act();
        if (beforeStep) beforeStep();
        HanaAwaseStep();
        ++calls;
    }
    return calls;
}
