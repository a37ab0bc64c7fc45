#include "app/help/help_book.h"

std::string HelpCreditsPage() {
    return R"(<h1>ライセンスとクレジット</h1>
<p>Kirabo は MIT ライセンスのもとで自由に使い、変え、配ることができます（© 2026 The Kirabo developers）。
札の絵、効果音、曲の譜面はすべて Kirabo のために作ったものです。</p>
<h2>使っているもの</h2>
<table>
<tr><th>もの</th><th>作者</th><th>ライセンス</th></tr>
<tr><td>青柳衡山フォントT（毛筆の文字）</td><td>青柳衡山</td><td>パブリックドメイン</td></tr>
<tr><td>IPAゴシック・IPA明朝（そのほかの文字）</td><td>文字情報技術促進協議会（CITPC）</td><td>IPAフォントライセンス v1.0</td></tr>
<tr><td>DejaVu Serif（英語で遊ぶときの見出しの文字）</td><td>Bitstream・DejaVu の作者たち</td><td>Bitstream Vera ライセンス</td></tr>
<tr><td>TimGM6mb サウンドフォント（音楽の音色）</td><td>Tim Brechbill</td><td>GNU GPL 第２版</td></tr>
<tr><td>「さくらさくら」（タイトルの曲）</td><td>日本古謡（作者不詳）</td><td>パブリックドメイン</td></tr>
</table>
<p>フォントとサウンドフォントはプログラムに含まれず、それぞれの Debian パッケージ
（fonts-aoyagi-kouzan-t、fonts-ipafont-gothic、fonts-ipafont-mincho、fonts-dejavu-core、timgm6mb-soundfont）
から読み込みます。</p>)";
}
