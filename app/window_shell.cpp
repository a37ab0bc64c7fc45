#include "app/window_shell.h"

#include "app/kept_game.h"
#include "app/music.h"
#include "assets/menu.h"
#include "core/program.h"
#include "platform/dialog.h"
#include "platform/event_loop.h"
#include "platform/i18n.h"
#include "platform/window.h"

void WindowShell::PlaySound(int number) {
    PlayEffect(number);
}
void WindowShell::PlayMusic() {
    MusicPlay();
}
void WindowShell::StopMusic() {
    MusicStop();
}
void WindowShell::EnableScoreTableMenu(bool enabled) {
    platform::EnableMenuItem(cmd::ScoreTable, enabled);
}
void WindowShell::InvalidateClient() {
    platform::RepaintWindow({0, 0, ClientWidth[resolution], ClientHeight[resolution]});
}
void WindowShell::WaitForInput(uint32_t maxMs) {
    platform::WaitForInputHint(maxMs);
}

void WindowShell::GameProgressed(bool over) {
    KeepGame(over);
}

void WindowShell::ReportUnwritableFolder(const std::string& folder) {
    platform::MessageBox(
        platform::Tr("Messages", "設定と成績を保存できません。次のフォルダーに書き込めません:\n") +
            folder + platform::Tr("Messages", "\nゲームはこのまま続けられます。"),
        "Kirabo", platform::BoxButtons::Ok, platform::BoxIcon::Hand);
}

void WindowShell::ReportUnusableFile(const std::string& path) {
    platform::MessageBox(
        platform::Tr("Messages", "次のファイルを読み込めません:\n") + path +
            platform::Tr("Messages",
                         "\nこのファイルはそのまま残し、上書きしません。"
                         "ゲームはこのまま続けられますが、このファイルには保存しません。"),
        "Kirabo", platform::BoxButtons::Ok, platform::BoxIcon::Hand);
}
