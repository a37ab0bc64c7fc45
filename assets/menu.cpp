#include "assets/menu.h"

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
        Popup("ゲーム(&G)",
              {
                  Item(40004, "新規ゲーム(&N)"),
                  Item(40005, "点数表確認(&B)", false, true),
                  Item(40006, "成績確認(&S)"),
                  Item(40007, "終了(&X)"),
              }),
        Popup("オプション(&O)",
              {
                  Check(40008, "効果音を鳴らす"),
                  Check(40009, "取れる札を表示"),
                  Check(40010, "アニメーション"),
                  Separator(),
                  Popup("音楽(&M)", {Check(40012, "BGM1(&1)"), Check(40013, "BGM2(&2)"),
                                     Check(40014, "BGM3(&3)"), Check(40015, "なし(&N)")}),
                  Popup("解像度(&G)", {Check(40016, "640x480(&1)"), Check(40017, "800x600(&2)"),
                                       Check(40018, "1024x768(&3)")}),
                  Popup("背景(&B)", {Check(40019, "背景1(&1)"), Check(40020, "背景2(&2)"),
                                     Check(40021, "背景3(&3)")}),
                  Popup("COMの強さ(&C)", {Check(40030, "やさしい(&1)"), Check(40031, "ふつう(&2)"),
                                          Check(40032, "つよい(&3)")}),
              }),
        Popup("ヘルプ(&H)",
              {
                  Item(40022, "トピックの検索(&T)"),
                  Popup("役および役代(&Y)",
                        {Item(40026, "こいこい(&K)"), Item(40027, "花合わせ(&H)")}),
                  Item(40024, "モリヤ ホームページ(&S)"),
                  Separator(),
                  Item(40025, "バージョン情報(&A)"),
              }),
    };
    return menu;
}

}  // namespace assets
