#include "assets/dialogs.h"

#include <map>

#include "platform/i18n.h"

namespace assets {
namespace {

using C = platform::DialogControl;
using T = platform::DialogTemplate;

C Ok(int x, int y) {
    return {C::DefaultButton, 1, TrNoop("Dialogs", "OK"), x, y, 50, 14};
}

const std::map<int, T>& Templates() {
    static const std::map<int, T> templates = {
        {168,
         {168,
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
          }}},
        {199,
         {199,
          TrNoop("Dialogs", "Kiraboバージョン情報"),
          203,
          64,
          true,
          {
              Ok(75, 40),
              {C::Static, -1, TrNoop("Dialogs", "Kirabo Ver.1.0"), 45, 10, 115, 10},
              {C::Static, -1, TrNoop("Dialogs", "© 2026 Kirabo (MIT License)"), 45, 20, 115, 10},
          }}},
        {206,
         {206,
          TrNoop("Dialogs", "成績表"),
          141,
          155,
          true,
          {Ok(10, 130), {C::PushButton, 1021, TrNoop("Dialogs", "クリア"), 80, 130, 50, 14}}}},
        {208, {208, TrNoop("Dialogs", "点数表"), 224, 169, true, {Ok(85, 145)}}},
        {1204, {1204, TrNoop("Dialogs", "点数表"), 224, 114, true, {Ok(85, 90)}}},
        {209, {209, TrNoop("Dialogs", "点数表"), 289, 114, true, {Ok(115, 90)}}},
        {210, {210, TrNoop("Dialogs", "点数表"), 289, 169, true, {Ok(115, 145)}}},
        {211,
         {211,
          TrNoop("Dialogs", "役成立"),
          114,
          24,
          true,
          {{C::DefaultButton, 1022, TrNoop("Dialogs", "勝負"), 5, 5, 50, 14},
           {C::PushButton, 1000, TrNoop("Dialogs", "こいこい"), 60, 5, 50, 14}},
          false}},
        {212,
         {212,
          TrNoop("Dialogs", "役成立"),
          59,
          24,
          true,
          {{C::PushButton, 1024, TrNoop("Dialogs", "OK"), 5, 5, 50, 14}}}},
        {213, {213, TrNoop("Dialogs", "役成立"), 69, 54, true, {Ok(10, 30)}}},
        {214, {214, TrNoop("Dialogs", "役"), 59, 24, true, {Ok(5, 5)}}},
        {215, {215, TrNoop("Dialogs", "役および役代"), 264, 179, true, {Ok(105, 155)}}},
        {216, {216, TrNoop("Dialogs", "役および役代"), 249, 219, true, {Ok(100, 195)}}},
        {218, {218, TrNoop("Dialogs", "点数計算"), 254, 149, true, {Ok(100, 125)}}},
    };
    return templates;
}

// Where the English texts need more room than the Japanese ones: the labels
// of the game settings get a wider column, the radios move right.
struct Relayout {
    int number, id, x, w;
};
const Relayout EnglishLayout[] = {
    {168, 1003, 125, 60},                                             // Hana-awase
    {168, 1014, 20, 52},  {168, 1015, 20, 52},  {168, 1016, 20, 52},  // the labels
    {168, 1004, 75, 35},  {168, 1007, 75, 35},  {168, 1012, 75, 35},
    {168, 1005, 110, 35}, {168, 1008, 110, 35}, {168, 1013, 110, 35},
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
        for (const Relayout& r : EnglishLayout) {
            if (r.number == number && r.id == c.id) {
                c.x = r.x;
                c.w = r.w;
            }
        }
    }
    return t;
}

}  // namespace assets
