#include "assets/dialogs.h"

#include <map>
#include <vector>

#include "platform/i18n.h"

namespace assets {
namespace {

using C = platform::DialogControl;
using T = platform::DialogTemplate;

C Ok(int x, int y) {
    return {C::DefaultButton, 1, TrNoop("Dialogs", "OK"), x, y, 50, 14};
}

// Each template carries its own number.
std::vector<T> TemplateList() {
    return {
        {dlg::GameSettings,
         TrNoop("Dialogs", "対局設定"),
         199,
         161,
         false,
         {
             Ok(10, 135),
             {C::PushButton, 2, TrNoop("Dialogs", "ｷｬﾝｾﾙ"), 140, 135, 50, 14},
             {C::GroupBox, -1, TrNoop("Dialogs", "モード"), 10, 10, 180, 35},
             {C::Radio, 1002, TrNoop("Dialogs", "こいこい"), 35, 25, 40, 10, true},
             {C::Radio, 1003, TrNoop("Dialogs", "花合わせ"), 125, 25, 40, 10},
             {C::GroupBox, -1, TrNoop("Dialogs", "条件"), 10, 50, 180, 75},
             {C::Static, 1014, TrNoop("Dialogs", "勝負回数"), 20, 65, 40, 10},
             {C::Radio, 1004, TrNoop("Dialogs", "６回"), 65, 65, 35, 10, true},
             {C::Radio, 1005, TrNoop("Dialogs", "１２回"), 105, 65, 35, 10},
             {C::Radio, 1006, TrNoop("Dialogs", "無制限"), 145, 65, 35, 10},
             {C::Static, 1015, TrNoop("Dialogs", "月見 /花見"), 20, 85, 40, 10},
             {C::Radio, 1007, TrNoop("Dialogs", "なし"), 65, 85, 35, 10, true},
             {C::Radio, 1008, TrNoop("Dialogs", "三文"), 105, 85, 35, 10},
             {C::Radio, 1011, TrNoop("Dialogs", "五文"), 145, 85, 35, 10},
             {C::Static, 1016, TrNoop("Dialogs", "親権"), 20, 105, 40, 10},
             {C::Radio, 1012, TrNoop("Dialogs", "なし"), 65, 105, 35, 10, true},
             {C::Radio, 1013, TrNoop("Dialogs", "あり"), 105, 105, 35, 10},
         }},
        {dlg::About,
         TrNoop("Dialogs", "Kiraboバージョン情報"),
         203,
         64,
         true,
         {
             Ok(75, 40),
             {C::Static, -1, TrNoop("Dialogs", "Kirabo Ver.1.0"), 45, 10, 115, 10},
             {C::Static, -1, TrNoop("Dialogs", "© 2026 Kirabo (MIT License)"), 45, 20, 115, 10},
         }},
        {dlg::Records,
         TrNoop("Dialogs", "成績表"),
         141,
         155,
         true,
         {Ok(10, 130), {C::PushButton, 1021, TrNoop("Dialogs", "クリア"), 80, 130, 50, 14}}},
        {dlg::KoiKoiScoreTable, TrNoop("Dialogs", "点数表"), 224, 169, true, {Ok(85, 145)}},
        {dlg::KoiKoiScoreTableSixHands, TrNoop("Dialogs", "点数表"), 224, 114, true, {Ok(85, 90)}},
        {dlg::HanaResultsSixHands, TrNoop("Dialogs", "点数表"), 289, 114, true, {Ok(115, 90)}},
        {dlg::HanaResultsTwelveHands, TrNoop("Dialogs", "点数表"), 289, 169, true, {Ok(115, 145)}},
        {dlg::KoiKoiYakuMade,
         TrNoop("Dialogs", "役成立"),
         114,
         24,
         true,
         {{C::DefaultButton, 1022, TrNoop("Dialogs", "勝負"), 5, 5, 50, 14},
          {C::PushButton, 1000, TrNoop("Dialogs", "こいこい"), 60, 5, 50, 14}},
         false},
        {dlg::HanaYakuMade,
         TrNoop("Dialogs", "役成立"),
         59,
         24,
         true,
         {{C::PushButton, 1024, TrNoop("Dialogs", "OK"), 5, 5, 50, 14}}},
        {dlg::OyakenNotice, TrNoop("Dialogs", "役成立"), 69, 54, true, {Ok(10, 30)}},
        {dlg::YakuCards, TrNoop("Dialogs", "役"), 59, 24, true, {Ok(5, 5)}},
        {dlg::KoiKoiYakuList, TrNoop("Dialogs", "役および役代"), 264, 179, true, {Ok(105, 155)}},
        {dlg::HanaYakuList, TrNoop("Dialogs", "役および役代"), 249, 219, true, {Ok(100, 195)}},
        {dlg::HanaScoreSheet, TrNoop("Dialogs", "点数計算"), 254, 149, true, {Ok(100, 125)}},
    };
}

const std::map<int, T>& Templates() {
    static const std::map<int, T> templates = [] {
        std::map<int, T> byNumber;
        for (T& t : TemplateList()) byNumber.emplace(t.number, std::move(t));
        return byNumber;
    }();
    return templates;
}

// Where the English texts need more room than the Japanese ones: the labels
// of the game settings get a wider column, the radios move right.
struct Relayout {
    int id, x, w;
};
const Relayout EnglishSettingsLayout[] = {
    {1003, 125, 60},                                   // Hana-awase
    {1014, 20, 52},  {1015, 20, 52},  {1016, 20, 52},  // the labels
    {1004, 75, 35},  {1007, 75, 35},  {1012, 75, 35},
    {1005, 110, 35}, {1008, 110, 35}, {1013, 110, 35},
};

}  // namespace

const platform::DialogTemplate& DialogTemplateFor(int number) {
    static const T empty{0, "", 100, 50, true, {}};
    auto it = Templates().find(number);
    if (it == Templates().end()) return empty;
    if (platform::CurrentLanguage() == platform::Language::Japanese) return it->second;
    // The language may change between two dialogs, never while one is open.
    static std::map<int, T> translated;
    T& t = translated[number] = it->second;
    t.caption = platform::Tr("Dialogs", t.caption);
    for (C& c : t.controls) {
        c.text = platform::Tr("Dialogs", c.text);
        if (number != dlg::GameSettings) continue;
        for (const Relayout& r : EnglishSettingsLayout) {
            if (r.id == c.id) {
                c.x = r.x;
                c.w = r.w;
            }
        }
    }
    return t;
}

}  // namespace assets
