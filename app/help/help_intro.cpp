#include "app/help/help_book.h"

std::string HelpIntroPage() {
    return R"(<h1>Kirabo へようこそ</h1>
<p>Kirabo は、花札（はなふだ）で遊ぶ一人用のゲームです。二つの遊び方があります。</p>
<ul>
<li><a href="page:koikoi">こいこい</a>：あなたとコンピューター（ＣＯＭ）の二人で遊びます。
役ができたら「勝負」で点を取るか、「こいこい」でもっと大きな役をねらうかを決めます。</li>
<li><a href="page:hanaawase">花合わせ</a>：あなたと二人のコンピューター（ＣＯＭ１、ＣＯＭ２）の三人で遊びます。
取った札の点数と役を合わせ、８８点を基準に一回ごとに精算します。</li>
</ul>
<p>はじめての方は、まず <a href="page:cards">花札の札</a> で札の見分け方を覚えましょう。
どちらのゲームも、同じ月の札どうしを合わせて取るのが基本です。</p>
<h2>ゲームの始め方</h2>
<p>メニューの「ゲーム」→「新規ゲーム」を選ぶと「対局設定」が開きます。
遊ぶゲーム（こいこい／花合わせ）と勝負回数（６回・１２回・無制限）、こいこいの条件
（月見 /花見、親権）を選んで「OK」を押すと、札が配られてゲームが始まります。</p>
<h2>目次</h2>
<ul>
<li><a href="page:cards">花札の札</a></li>
<li><a href="page:koikoi">こいこいの遊び方</a> ・ <a href="page:koikoi-yaku">こいこいの役</a></li>
<li><a href="page:hanaawase">花合わせの遊び方</a> ・ <a href="page:hanaawase-yaku">花合わせの役</a></li>
<li><a href="page:controls">操作方法</a></li>
<li><a href="page:menu">メニューとオプション</a></li>
<li><a href="page:files">設定と成績の保存場所</a></li>
<li><a href="page:credits">ライセンスとクレジット</a></li>
</ul>)";
}
