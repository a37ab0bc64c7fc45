#include <string>

#include "app/help/help_book.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"

namespace {

// 1 .. 99 in kanji, as the game writes 文.
std::string Kanji(int n) {
    static const char* const Digits[10] = {"",   "一", "二", "三", "四",
                                           "五", "六", "七", "八", "九"};
    std::string text;
    if (n >= 10) text += std::string(n >= 20 ? Digits[n / 10] : "") + "十";
    return text + Digits[n % 10];
}

struct YakuRow {
    int yaku;
    const char* name;
    const char* cards_text;
    std::vector<int> example;
};

std::string Value(int yaku) {
    switch (yaku) {
        case YakuKasu:
        case YakuTan:
        case YakuTane:
            return "一文（１枚増えるごとに一文増し）";
        case YakuHanamizake:
        case YakuTsukimizake:
            return Kanji(SakeYakuValue[1]) + "文／" + Kanji(SakeYakuValue[2]) + "文（設定による）";
        default:
            return Kanji(FixedYakuValue[yaku - YakuInoshikacho]) + "文";
    }
}

}  // namespace

std::string HelpKoiKoiPage() {
    return R"(<h1>こいこいの遊び方</h1>
<p>あなたとＣＯＭの二人で遊びます。札を取って<a href="page:koikoi-yaku">役</a>を作り、「文（もん）」を集めます。
決められた回数（６回・１２回・無制限）を終えたとき、合計の文が多い方の勝ちです。</p>
<h2>札を配る</h2>
<p>二人に８枚ずつ、場（テーブルの中央）に８枚を配り、残りの２４枚は山札として伏せておきます。
場に同じ月の札が４枚そろって配られたときは、配り直します。</p>
<h2>一回の番</h2>
<ol>
<li>手札から１枚を出します。場に同じ月の札があれば、その札と合わせて２枚とも取ります。
同じ月の札が場に２枚あるときは、どちらを取るか選びます。３枚あるときは４枚ともまとめて取れます。
合う札がなければ、出した札は場に置かれます。</li>
<li>続いて山札の一番上を１枚めくり、同じように場の札と合わせます。</li>
</ol>
<p>取った札は自分の前に、光・タネ・タン・カスの種類ごとに並びます。先に札を出すのは親で、
二人が交互に番をくり返します。</p>
<h2>勝負とこいこい</h2>
<p>札を取ったことで役ができたとき（またはカス・タン・タネの役が１枚増えたとき）、
「役成立」の画面が出て、どうするかを選びます。</p>
<ul>
<li><b>勝負</b>：ここでこの回を終え、できている役の文の合計を得点にします。</li>
<li><b>こいこい</b>：続けて、もっと大きな役をねらいます。役が増えたらまた選べます。
ただし、その間に相手が役を作って「勝負」すると、相手だけが得点し、あなたは０文になります。</li>
</ul>
<p>手札がもう残っていないときは、こいこいはできません。ＣＯＭの選んだ答えも同じ画面で知らされます。
光の役は一番大きいものだけが数えられます（五光ができれば四光・雨四光・三光は数えません）。</p>
<h2>誰も勝負しなかったとき</h2>
<p>二人とも手札をすべて出し終えても誰も「勝負」しなかったら、その回は終わりです。
対局設定で「親権」を「あり」にしていると、親が三文をもらいます（「親権  三文」）。
「なし」のときは、どちらも０文です。</p>
<h2>親</h2>
<p>最初の回の親はランダムに決まります。「勝負」した人が次の回の親になります。
誰も勝負しなかったときは、親はそのままです。</p>
<h2>月見 /花見</h2>
<p>対局設定の「月見 /花見」で、花見酒と月見酒の役を数えるかどうかと、その文を選べます。
「なし」では数えず、「三文」「五文」ではその文になります。</p>
<p>各回の結果は、回の終わりとメニューの「点数表確認」で「点数表」に表示されます。</p>)";
}

std::string HelpKoiKoiYakuPage() {
    const YakuRow rows[] = {
        {YakuGoko, "五光", "光の札５枚すべて", {0, 8, 28, 40, 44}},
        {YakuShiko, "四光", "『柳に道風』以外の光の札４枚", {0, 8, 28, 44}},
        {YakuAmeshiko, "雨四光", "『柳に道風』を含む光の札４枚", {0, 8, 28, 40}},
        {YakuSanko, "三光", "『柳に道風』以外の光の札３枚", {0, 8, 28}},
        {YakuAotan, "青タン", "『牡丹』『菊』『紅葉』の青い短冊３枚", {21, 33, 37}},
        {YakuAkatan, "赤タン", "『松』『梅』『桜』の字入りの赤い短冊３枚", {1, 5, 9}},
        {YakuInoshikacho, "猪鹿蝶", "『萩に猪』『紅葉に鹿』『牡丹に蝶』", {24, 36, 20}},
        {YakuHanamizake, "花見酒", "『桜に幕』と『菊に盃』", {8, 32}},
        {YakuTsukimizake, "月見酒", "『芒に月』と『菊に盃』", {28, 32}},
        {YakuTane, "タネ", "タネの札５枚", {4, 12, 16, 20, 24}},
        {YakuTan, "タン", "タンの札５枚", {1, 5, 13, 17, 25}},
        {YakuKasu, "カス", "カスの札１０枚", {2, 3, 6, 7, 10, 11, 14, 15, 18, 19}},
    };
    std::string html = R"(<h1>こいこいの役</h1>
<p>取った札で次の組み合わせができると役になります。役の文を合計したものが、「勝負」したときの得点です。</p>
<table><tr><th>役</th><th>文</th><th>作り方</th><th>札の例</th></tr>
)";
    for (const YakuRow& row : rows) {
        html += "<tr><td>" + std::string(row.name) + "</td><td>" + Value(row.yaku) + "</td><td>" +
                row.cards_text + "</td><td>";
        for (int card : row.example) html += CardImage(card) + " ";
        html += "</td></tr>\n";
    }
    html += R"(</table>
<p>タネ・タン・カスの役は、５枚（カスは１０枚）で一文、それより１枚増えるごとに一文ずつ増えます。
増えたときにも「役成立」の画面が出ます。『菊に盃』はタネの札として数えます。</p>
<p>花見酒・月見酒は、対局設定の「月見 /花見」が「なし」のときは役になりません。</p>
<p>親権：誰も勝負しないまま回が終わると、「親権」が「あり」なら親が三文をもらいます。</p>)";
    return html;
}
