#include "assets/menu.h"

#include "platform/i18n.h"

namespace assets {
namespace {

using platform::MenuItem;

MenuItem Item(int id, const char* text, bool checkable = false, bool grayed = false) {
    MenuItem m;
    m.id = id;
    m.text = text;
    m.checkable = checkable;
    m.grayed = grayed;
    return m;
}
MenuItem Check(int id, const char* text) {
    return Item(id, text, true);
}
MenuItem WithKey(MenuItem item, const char* key) {
    item.shortcut = key;
    return item;
}
MenuItem Separator() {
    MenuItem m;
    m.kind = MenuItem::Separator;
    return m;
}
MenuItem Popup(const char* text, std::vector<MenuItem> items) {
    MenuItem m;
    m.kind = MenuItem::Popup;
    m.text = text;
    m.items = std::move(items);
    return m;
}

}  // namespace

const std::vector<MenuItem>& MainMenu() {
    static const std::vector<MenuItem> menu = {
        Popup(TrNoop("Menu", "ゲーム(&G)"),
              {
                  Item(cmd::NewGame, TrNoop("Menu", "新規ゲーム(&N)")),
                  Item(cmd::ScoreTable, TrNoop("Menu", "点数表確認(&B)"), false, true),
                  Item(cmd::Records, TrNoop("Menu", "成績確認(&S)")),
                  Item(cmd::Exit, TrNoop("Menu", "終了(&X)")),
              }),
        Popup(TrNoop("Menu", "オプション(&O)"),
              {
                  Check(cmd::SoundEffects, TrNoop("Menu", "効果音を鳴らす")),
                  Check(cmd::ShowCapturable, TrNoop("Menu", "取れる札を表示")),
                  Check(cmd::Animation, TrNoop("Menu", "アニメーション")),
                  Separator(),
                  Popup(TrNoop("Menu", "音楽(&M)"),
                        {Check(cmd::Music1, TrNoop("Menu", "BGM1(&1)")),
                         Check(cmd::Music2, TrNoop("Menu", "BGM2(&2)")),
                         Check(cmd::Music3, TrNoop("Menu", "BGM3(&3)")),
                         Check(cmd::MusicNone, TrNoop("Menu", "なし(&N)"))}),
                  Popup(TrNoop("Menu", "解像度(&G)"),
                        {Check(cmd::Resolution640, TrNoop("Menu", "640x480(&1)")),
                         Check(cmd::Resolution800, TrNoop("Menu", "800x600(&2)")),
                         Check(cmd::Resolution1024, TrNoop("Menu", "1024x768(&3)"))}),
                  WithKey(Check(cmd::FullScreen, TrNoop("Menu", "全画面表示(&F)")), "F11"),
                  Popup(TrNoop("Menu", "背景(&B)"),
                        {Check(cmd::Background1, TrNoop("Menu", "背景1(&1)")),
                         Check(cmd::Background2, TrNoop("Menu", "背景2(&2)")),
                         Check(cmd::Background3, TrNoop("Menu", "背景3(&3)"))}),
                  Popup(TrNoop("Menu", "COMの強さ(&C)"),
                        {Check(cmd::ComLevelGentle, TrNoop("Menu", "やさしい(&1)")),
                         Check(cmd::ComLevelNormal, TrNoop("Menu", "ふつう(&2)")),
                         Check(cmd::ComLevelStrong, TrNoop("Menu", "つよい(&3)"))}),
                  Popup(TrNoop("Menu", "言語(&L)"),
                        {Check(cmd::LanguageAutomatic, TrNoop("Menu", "自動(&A)")),
                         Check(cmd::LanguageJapanese, TrNoop("Menu", "日本語(&J)")),
                         Check(cmd::LanguageEnglish, TrNoop("Menu", "English(&E)"))}),
              }),
        Popup(TrNoop("Menu", "ヘルプ(&H)"),
              {
                  Item(cmd::HelpTopics, TrNoop("Menu", "トピックの検索(&T)")),
                  Popup(TrNoop("Menu", "役および役代(&Y)"),
                        {Item(cmd::KoiKoiYaku, TrNoop("Menu", "こいこい(&K)")),
                         Item(cmd::HanaAwaseYaku, TrNoop("Menu", "花合わせ(&H)"))}),
                  Item(cmd::HomePage, TrNoop("Menu", "モリヤ ホームページ(&S)")),
                  Separator(),
                  Item(cmd::About, TrNoop("Menu", "バージョン情報(&A)")),
              }),
    };
    return menu;
}

}  // namespace assets
