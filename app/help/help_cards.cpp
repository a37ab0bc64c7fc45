#include <string>

#include "app/help/help_book.h"
#include "cards/cards.h"

namespace {

struct Month {
    const char* name;
    const char* plant;
};
const Month Months[12] = {
    {"１月", "松（まつ）"},       {"２月", "梅（うめ）"},     {"３月", "桜（さくら）"},
    {"４月", "藤（ふじ）"},       {"５月", "菖蒲（あやめ）"}, {"６月", "牡丹（ぼたん）"},
    {"７月", "萩（はぎ）"},       {"８月", "芒（すすき）"},   {"９月", "菊（きく）"},
    {"１０月", "紅葉（もみじ）"}, {"１１月", "柳（やなぎ）"}, {"１２月", "桐（きり）"},
};

const char* KindName(int card) {
    switch (CardValue[card]) {
        case 20:
            return "光（２０点）";
        case 10:
            return "タネ（１０点）";
        case 5:
            return "タン（５点）";
        default:
            return "カス（１点）";
    }
}

}  // namespace

std::string HelpCardsPage() {
    std::string html = R"(<h1>花札の札</h1>
<p>花札は４８枚です。１年の１２か月にそれぞれ一つの草花が決まっていて、どの月にも４枚ずつ札があります。
札は絵の草花で月を見分けます。同じ月の札どうしが「合う」札です。</p>
<p>札には４つの種類があり、種類ごとに点数が決まっています。</p>
<table>
<tr><th>種類</th><th>点数</th><th>枚数</th><th>見分け方</th></tr>
<tr><td>光（ひかり）</td><td>２０点</td><td>５枚</td><td>「光」の印がある特別な絵の札（鶴、幕、月、道風、鳳凰）</td></tr>
<tr><td>タネ</td><td>１０点</td><td>９枚</td><td>鳥や動物、盃などが描かれた札</td></tr>
<tr><td>タン</td><td>５点</td><td>１０枚</td><td>短冊（たんざく）が描かれた札。赤い字入りの短冊は「赤タン」、青い短冊は「青タン」</td></tr>
<tr><td>カス</td><td>１点</td><td>２４枚</td><td>草花だけの札</td></tr>
</table>
<p>こいこいでは、取った札は種類ごとに並べられます。花合わせでは、札の点数がそのまま得点になります
（４８枚の合計は２６４点）。</p>
<h2>月ごとの札</h2>
<table>
<tr><th>月</th><th>草花</th><th>４枚の札（左から点数の高い順）</th></tr>
)";
    for (int m = 0; m < 12; ++m) {
        html +=
            "<tr><td>" + std::string(Months[m].name) + "</td><td>" + Months[m].plant + "</td><td>";
        for (int i = 0; i < 4; ++i) html += CardImage(4 * m + i) + " ";
        html += "<br>";
        for (int i = 0; i < 4; ++i) {
            int card = 4 * m + i;
            html += std::string(i ? "、" : "") + KindName(card);
            if (*CardName(card)) html += std::string("「") + CardName(card) + "」";
        }
        html += "</td></tr>\n";
    }
    html += R"(</table>
<p>１１月の柳は少し変わっていて、光・タネ（燕）・タン・カス（雷の絵）が１枚ずつあります。
１２月の桐は光が１枚とカスが３枚です。</p>)";
    return html;
}
