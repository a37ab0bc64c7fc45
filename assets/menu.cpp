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
                  Item(40004, TrNoop("Menu", "新規ゲーム(&N)")),
                  Item(40005, TrNoop("Menu", "点数表確認(&B)"), false, true),
                  Item(40006, TrNoop("Menu", "成績確認(&S)")),
                  Item(40007, TrNoop("Menu", "終了(&X)")),
              }),
        Popup(
            TrNoop("Menu", "オプション(&O)"),
            {
                Check(40008, TrNoop("Menu", "効果音を鳴らす")),
                Check(40009, TrNoop("Menu", "取れる札を表示")),
                Check(40010, TrNoop("Menu", "アニメーション")),
                Separator(),
                Popup(TrNoop("Menu", "音楽(&M)"), {Check(40012, TrNoop("Menu", "BGM1(&1)")),
                                                   Check(40013, TrNoop("Menu", "BGM2(&2)")),
                                                   Check(40014, TrNoop("Menu", "BGM3(&3)")),
                                                   Check(40015, TrNoop("Menu", "なし(&N)"))}),
                Popup(TrNoop("Menu", "解像度(&G)"), {Check(40016, TrNoop("Menu", "640x480(&1)")),
                                                     Check(40017, TrNoop("Menu", "800x600(&2)")),
                                                     Check(40018, TrNoop("Menu", "1024x768(&3)"))}),
                WithKey(Check(cmd::FullScreen, TrNoop("Menu", "全画面表示(&F)")), "F11"),
                Popup(TrNoop("Menu", "背景(&B)"), {Check(40019, TrNoop("Menu", "背景1(&1)")),
                                                   Check(40020, TrNoop("Menu", "背景2(&2)")),
                                                   Check(40021, TrNoop("Menu", "背景3(&3)"))}),
                Popup(TrNoop("Menu", "COMの強さ(&C)"),
                      {Check(cmd::ComLevelGentle, TrNoop("Menu", "やさしい(&1)")),
                       Check(cmd::ComLevelGentle + 1, TrNoop("Menu", "ふつう(&2)")),
                       Check(cmd::ComLevelGentle + 2, TrNoop("Menu", "つよい(&3)"))}),
                Popup(TrNoop("Menu", "言語(&L)"),
                      {Check(cmd::LanguageAutomatic, TrNoop("Menu", "自動(&A)")),
                       Check(cmd::LanguageAutomatic + 1, TrNoop("Menu", "日本語(&J)")),
                       Check(cmd::LanguageAutomatic + 2, TrNoop("Menu", "English(&E)"))}),
            }),
        Popup(TrNoop("Menu", "ヘルプ(&H)"),
              {
                  Item(40022, TrNoop("Menu", "トピックの検索(&T)")),
                  Popup(TrNoop("Menu", "役および役代(&Y)"),
                        {Item(40026, TrNoop("Menu", "こいこい(&K)")),
                         Item(40027, TrNoop("Menu", "花合わせ(&H)"))}),
                  Item(40024, TrNoop("Menu", "モリヤ ホームページ(&S)")),
                  Separator(),
                  Item(40025, TrNoop("Menu", "バージョン情報(&A)")),
              }),
    };
    return menu;
}

}  // namespace assets
