#include "app/resume.h"

#include "app/games.h"
#include "app/kept_game.h"
#include "app/music.h"
#include "assets/menu.h"
#include "core/program.h"
#include "platform/dialog.h"
#include "platform/i18n.h"
#include "platform/window.h"

namespace {

// The settings that a kept game brings with it, to put back when it does
// not go on.
struct GameSettings {
    int game = currentGame, hands = handsOption, sake = sakeOption, oyaken = oyakenOption;
    void Restore() const {
        currentGame = game;
        handsOption = hands;
        sakeOption = sake;
        oyakenOption = oyaken;
    }
};

}  // namespace

void OfferKeptGame() {
    GameSettings before;
    KeptGameLoad load = LoadKeptGame();
    if (load == KeptGameLoad::None) return;
    if (load == KeptGameLoad::Damaged) {
        before.Restore();
        platform::MessageBox(
            platform::Tr("Messages",
                         "前回の対局のデータが壊れていたため、続きから再開できません。"),
            "Kirabo", platform::BoxButtons::Ok, platform::BoxIcon::Hand);
        return;
    }
    if (load == KeptGameLoad::Over) {
        before.Restore();
        return;
    }
    auto answer =
        platform::MessageBox(platform::Tr("Messages", "前回の対局を続けますか？"), "Kirabo",
                             platform::BoxButtons::YesNo, platform::BoxIcon::Question);
    if (answer != platform::BoxAnswer::Yes) {
        ReleaseCurrentGame();
        gameState = -1;
        before.Restore();
        DiscardKeptGame();
        return;
    }
    // The table as it stood after the last finished turn, at today's size
    // and on today's background.
    RelayoutGame();
    RebuildGameTable();
    platform::EnableMenuItem(cmd::ScoreTable, true);
    MusicForNewGame();
    platform::GiveMainWindowFocus();
}

bool MayDiscardKeptGame() {
    if (gameState == -1 || !KeptGameExists()) return true;
    return platform::MessageBox(
               platform::Tr("Messages", "対局中のゲームは破棄されます。新しいゲームを始めますか？"),
               "Kirabo", platform::BoxButtons::YesNo,
               platform::BoxIcon::Question) == platform::BoxAnswer::Yes;
}
