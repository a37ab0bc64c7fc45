// The menu commands.
#include "app/about.h"
#include "app/display_options.h"
#include "app/games.h"
#include "app/kept_game.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/music.h"
#include "app/preferences.h"
#include "app/records_dialog.h"
#include "app/resume.h"
#include "app/settings_dialog.h"
#include "assets/menu.h"
#include "core/program.h"
#include "core/settings.h"
#include "core/shell.h"
#include "display/display.h"
#include "platform/dialog.h"
#include "platform/event_loop.h"
#include "platform/window.h"

namespace {

void CheckRadio(int first, int count, int chosen) {
    for (int i = 0; i < count; ++i) platform::CheckMenuItem(first + i, i == chosen);
}

void Toggle(int& option, int id) {
    option = !option;
    platform::CheckMenuItem(id, option);
    SaveSettings();
}

}  // namespace

void SyncMenuChecks() {
    platform::CheckMenuItem(cmd::SoundEffects, soundEffectsOn);
    platform::CheckMenuItem(cmd::ShowCapturable, showCapturableOn);
    platform::CheckMenuItem(cmd::Animation, animationOn);
    CheckRadio(cmd::Music1, 4, musicChoice);
    CheckRadio(cmd::Resolution640, 3, resolution);
    CheckRadio(cmd::Background1, 3, backgroundChoice);
    CheckRadio(cmd::ComLevelGentle, 3, comLevel);
    CheckRadio(cmd::LanguageAutomatic, 3, languageChoice);
    platform::CheckMenuItem(cmd::FullScreen, platform::IsFullScreen());
    platform::EnableMenuItem(cmd::ScoreTable, gameState != -1);
}

int NewGame() {
    const bool wasRunning = gameState != -1;
    // The dialog sets `currentGame` to the new choice: the game to free is
    // the one that was running before it.
    const int runningGame = currentGame;
    if (MayDiscardKeptGame() && ShowSettingsDialog() == 1) {
        if (wasRunning) ReleaseGame(runningGame);
        // The other game: its own table, and the turned cards only Hana-awase lays.
        if (currentGame != runningGame) LoadResolutionImages();
        DiscardKeptGame();
        gameState = 0;
        subState = 0;
        platform::EnableMenuItem(cmd::ScoreTable, true);
        SaveSettings();
        MusicForNewGame();
    }
    platform::RepaintWindow({0, 0, ClientWidth[resolution], ClientHeight[resolution]});
    platform::GiveMainWindowFocus();
    return 1;
}

void AskToQuit() {
    auto answer =
        platform::MessageBox(platform::Tr("Messages", "終了してもよろしいですか？"), "Kirabo",
                             platform::BoxButtons::YesNo, platform::BoxIcon::Question);
    if (answer != platform::BoxAnswer::Yes) return;
    CloseHelp();
    platform::DestroyMainWindow();
    platform::QuitMainLoop();
}

void MainWindowHandler::OnCommand(int id) {
    switch (id) {
        case cmd::NewGame:
            NewGame();
            return;
        case cmd::ScoreTable:
            if (gameState != -1) ShowGameScoreTable();
            return;
        case cmd::Records:
            ShowRecords();
            return;
        case cmd::Exit:
            AskToQuit();
            return;
        case cmd::SoundEffects:
            Toggle(soundEffectsOn, id);
            return;
        case cmd::ShowCapturable:
            Toggle(showCapturableOn, id);
            if (!showCapturableOn && gameState != -1) RedrawGameTable();
            return;
        case cmd::Animation:
            Toggle(animationOn, id);
            return;
        case cmd::HelpTopics:
            ShowHelpTopics();
            return;
        case cmd::HomePage:
            OpenHomePage();
            return;
        case cmd::About:
            ShowAbout();
            return;
        case cmd::KoiKoiYaku:
            ShowKoiKoiYakuList();
            return;
        case cmd::HanaAwaseYaku:
            ShowHanaYakuList();
            return;
        case cmd::FullScreen:
            ChooseFullScreen(!platform::IsFullScreen());
            return;
    }
    if (id >= cmd::Music1 && id <= cmd::MusicNone) {
        CheckRadio(cmd::Music1, 4, id - cmd::Music1);
        ChooseMusic(id - cmd::Music1);
        SaveSettings();
    } else if (id >= cmd::Resolution640 && id < cmd::Resolution640 + 3) {
        CheckRadio(cmd::Resolution640, 3, id - cmd::Resolution640);
        resolution = id - cmd::Resolution640;
        SaveSettings();
        ChangeResolution();
    } else if (id >= cmd::ComLevelGentle && id < cmd::ComLevelGentle + 3) {
        // Takes effect from the computer's next decision.
        CheckRadio(cmd::ComLevelGentle, 3, id - cmd::ComLevelGentle);
        comLevel = id - cmd::ComLevelGentle;
        SavePreferences();
    } else if (id >= cmd::Background1 && id < cmd::Background1 + 3) {
        CheckRadio(cmd::Background1, 3, id - cmd::Background1);
        backgroundChoice = id - cmd::Background1;
        SaveSettings();
        if (gameState == -1)
            ChangeBackground();
        else
            RebuildGameTable();
    } else if (id >= cmd::LanguageAutomatic && id < cmd::LanguageAutomatic + 3) {
        ChooseLanguage(id - cmd::LanguageAutomatic);
    }
}
