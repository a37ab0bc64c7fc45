<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>Dialogs</name>
    <message>
        <source>成績表</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>対局設定</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>モード</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>こいこい</source>
        <translation>Koi-Koi</translation>
    </message>
    <message>
        <source>花合わせ</source>
        <translation>Hana-awase</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>勝負回数</source>
        <translation>Hands</translation>
    </message>
    <message>
        <source>６回</source>
        <translation>6</translation>
    </message>
    <message>
        <source>１２回</source>
        <translation>12</translation>
    </message>
    <message>
        <source>無制限</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source>月見 /花見</source>
        <translation>Sake yaku</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>No</translation>
    </message>
    <message>
        <source>三文</source>
        <translation>3 mon</translation>
    </message>
    <message>
        <source>五文</source>
        <translation>5 mon</translation>
    </message>
    <message>
        <source>親権</source>
        <translation>Dealer&apos;s right</translation>
    </message>
    <message>
        <source>あり</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Kiraboバージョン情報</source>
        <translation>About Kirabo</translation>
    </message>
    <message>
        <source>Kirabo Ver.1.0</source>
        <translation>Kirabo Version 1.0</translation>
    </message>
    <message>
        <source>© 2026 Kirabo (MIT License)</source>
        <translation>© 2026 Kirabo (MIT License)</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>点数表</source>
        <translation>Score Table</translation>
    </message>
    <message>
        <source>役成立</source>
        <translation>Yaku Made</translation>
    </message>
    <message>
        <source>勝負</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>役</source>
        <translation>Yaku</translation>
    </message>
    <message>
        <source>役および役代</source>
        <translation>Yaku and Values</translation>
    </message>
    <message>
        <source>点数計算</source>
        <translation>Score Calculation</translation>
    </message>
</context>
<context>
    <name>HanaAwase</name>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>ＣＯＭ１</source>
        <translation>COM 1</translation>
    </message>
    <message>
        <source>ＣＯＭ２</source>
        <translation>COM 2</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>取り札</source>
        <translation>Captured</translation>
    </message>
    <message>
        <source>出来役</source>
        <translation>Yaku made</translation>
    </message>
    <message>
        <source>支払役</source>
        <translation>Yaku paid</translation>
    </message>
    <message>
        <source>基準点</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>今回得点</source>
        <translation>This hand</translation>
    </message>
    <message>
        <source>総得点</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>藤シマ</source>
        <translation>Fuji-shima</translation>
    </message>
    <message>
        <source>『藤』の札４枚</source>
        <translation>All Four Wisteria cards</translation>
    </message>
    <message>
        <source>雨シマ</source>
        <translation>Ame-shima</translation>
    </message>
    <message>
        <source>『柳』の札４枚</source>
        <translation>All Four Willow cards</translation>
    </message>
    <message>
        <source>桐シマ</source>
        <translation>Kiri-shima</translation>
    </message>
    <message>
        <source>『桐』の札４枚</source>
        <translation>All Four Paulownia cards</translation>
    </message>
    <message>
        <source>くさ</source>
        <translation>Kusa</translation>
    </message>
    <message>
        <source>『藤』『菖蒲』『萩』のタン札３枚</source>
        <translation>Grass Ribbons: Wisteria, Iris, Bush Clover</translation>
    </message>
    <message>
        <source>月見</source>
        <translation>Tsukimi</translation>
    </message>
    <message>
        <source>『芒に月』と『菊に盃』の２枚</source>
        <translation>Moon Viewing: Moon and Sake Cup</translation>
    </message>
    <message>
        <source>花見</source>
        <translation>Hanami</translation>
    </message>
    <message>
        <source>『桜に幕』と『菊に盃』の２枚</source>
        <translation>Cherry Viewing: Curtain and Sake Cup</translation>
    </message>
    <message>
        <source>猪鹿蝶</source>
        <translation>Inoshikachō</translation>
    </message>
    <message>
        <source>『萩に猪』『紅葉に鹿』『牡丹に蝶』の３枚</source>
        <translation>Boar, Deer and Butterflies</translation>
    </message>
    <message>
        <source>松桐坊主</source>
        <translation>Matsu-Kiri-Bōzu</translation>
    </message>
    <message>
        <source>『松に鶴』『桐に鳳』『芒に月』の３枚</source>
        <translation>Crane and Sun, Phoenix, Moon</translation>
    </message>
    <message>
        <source>表菅原</source>
        <translation>Omote-Sugawara</translation>
    </message>
    <message>
        <source>『松に鶴』『梅に鶯』『桜に幕』の３枚</source>
        <translation>Crane and Sun, Bush Warbler, Curtain</translation>
    </message>
    <message>
        <source>のみ</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>『芒に月』『桜に幕』『菊に盃』の３枚</source>
        <translation>Drinking: Curtain, Moon and Sake Cup</translation>
    </message>
    <message>
        <source>六タン</source>
        <translation>Roku-tan</translation>
    </message>
    <message>
        <source>『柳』以外のタン札が６枚</source>
        <translation>Six Ribbons, none of them Willow</translation>
    </message>
    <message>
        <source>七タン</source>
        <translation>Nana-tan</translation>
    </message>
    <message>
        <source>『柳』以外のタン札が７枚</source>
        <translation>Seven Ribbons, none of them Willow</translation>
    </message>
    <message>
        <source>赤タン</source>
        <translation>Akatan</translation>
    </message>
    <message>
        <source>『松』『梅』『桜』のタン札３枚</source>
        <translation>Red Poetry Ribbons: Pine, Plum, Cherry</translation>
    </message>
    <message>
        <source>青タン</source>
        <translation>Aotan</translation>
    </message>
    <message>
        <source>『牡丹』『菊』『紅葉』のタン札３枚</source>
        <translation>Blue Ribbons: Peony, Chrysanthemum, Maple</translation>
    </message>
    <message>
        <source>四光</source>
        <translation>Shikō</translation>
    </message>
    <message>
        <source>『柳に道風』を除いた２０点札４枚</source>
        <translation>Four Brights, not the Rain Man</translation>
    </message>
    <message>
        <source>五光</source>
        <translation>Gokō</translation>
    </message>
    <message>
        <source>『２０点札』を５枚全部</source>
        <translation>Five Brights: all five 20-point cards</translation>
    </message>
    <message>
        <source>役とその役代（点数単位：点）の一覧です。</source>
        <translation>The yaku and their values, in points.</translation>
    </message>
    <message>
        <source>役札を表示する場合は、表示したい役をクリックしてください。</source>
        <translation>Click a yaku to see its cards.</translation>
    </message>
    <message>
        <source>%1点</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1回戦</source>
        <translation>Hand %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Kirabo ヘルプ (kirabohelp)</source>
        <translation>Kirabo Help</translation>
    </message>
</context>
<context>
    <name>KoiKoi</name>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>ＣＯＭ</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>・・・</source>
        <translation>-</translation>
    </message>
    <message>
        <source>カス</source>
        <translation>Kasu</translation>
    </message>
    <message>
        <source>タン</source>
        <translation>Tan</translation>
    </message>
    <message>
        <source>タネ</source>
        <translation>Tane</translation>
    </message>
    <message>
        <source>花見酒</source>
        <translation>Hanami-zake</translation>
    </message>
    <message>
        <source>月見酒</source>
        <translation>Tsukimi-zake</translation>
    </message>
    <message>
        <source>猪鹿蝶</source>
        <translation>Inoshikachō</translation>
    </message>
    <message>
        <source>赤タン</source>
        <translation>Akatan</translation>
    </message>
    <message>
        <source>青タン</source>
        <translation>Aotan</translation>
    </message>
    <message>
        <source>三光</source>
        <translation>Sankō</translation>
    </message>
    <message>
        <source>雨四光</source>
        <translation>Ame-Shikō</translation>
    </message>
    <message>
        <source>四光</source>
        <translation>Shikō</translation>
    </message>
    <message>
        <source>五光</source>
        <translation>Gokō</translation>
    </message>
    <message>
        <source>あなたの役</source>
        <translation>Your yaku</translation>
    </message>
    <message>
        <source>ＣＯＭの役</source>
        <translation>COM&apos;s yaku</translation>
    </message>
    <message>
        <source>親のあなたが三文を取ります</source>
        <translation>You are the dealer and take 3 mon.</translation>
    </message>
    <message>
        <source>親のＣＯＭが三文を取ります</source>
        <translation>COM is the dealer and takes 3 mon.</translation>
    </message>
    <message>
        <source>親権</source>
        <translation>Dealer&apos;s right</translation>
    </message>
    <message>
        <source>一文</source>
        <translation>1 mon</translation>
    </message>
    <message>
        <source>『カス札』（１点札）１０枚</source>
        <translation>Chaff: 10 of the 1-point cards</translation>
    </message>
    <message>
        <source>『タン札』（５点札）５枚</source>
        <translation>Ribbons: 5 of the 5-point cards</translation>
    </message>
    <message>
        <source>『タネ札』（１０点札）５枚</source>
        <translation>Animals: 5 of the 10-point cards</translation>
    </message>
    <message>
        <source>三文/五文</source>
        <translation>3/5 mon</translation>
    </message>
    <message>
        <source>『芒に月』と『菊に盃』の２枚</source>
        <translation>Moon-Viewing Sake: Moon and Sake Cup</translation>
    </message>
    <message>
        <source>『桜に幕』と『菊に盃』の２枚</source>
        <translation>Cherry-Viewing Sake: Curtain and Sake Cup</translation>
    </message>
    <message>
        <source>五文</source>
        <translation>5 mon</translation>
    </message>
    <message>
        <source>『萩に猪』と『紅葉に鹿』と『牡丹に蝶』の３枚</source>
        <translation>Boar, Deer and Butterflies</translation>
    </message>
    <message>
        <source>六文</source>
        <translation>6 mon</translation>
    </message>
    <message>
        <source>『松・梅・桜』のタン札３枚                  </source>
        <translation>Red Poetry Ribbons: Pine, Plum, Cherry</translation>
    </message>
    <message>
        <source>『牡丹・菊・紅葉』のタン札３枚</source>
        <translation>Blue Ribbons: Peony, Chrysanthemum, Maple</translation>
    </message>
    <message>
        <source>『柳に道風』を除いた『２０点札』３枚</source>
        <translation>Three Brights, not the Rain Man</translation>
    </message>
    <message>
        <source>八文</source>
        <translation>8 mon</translation>
    </message>
    <message>
        <source>『柳に道風』を含んだ『２０点札』４枚</source>
        <translation>Rainy Four Brights: with the Rain Man</translation>
    </message>
    <message>
        <source>十文</source>
        <translation>10 mon</translation>
    </message>
    <message>
        <source>『柳に道風』を除いた『２０点札』４枚</source>
        <translation>Four Brights, not the Rain Man</translation>
    </message>
    <message>
        <source>十五文</source>
        <translation>15 mon</translation>
    </message>
    <message>
        <source>『２０点札』を５枚全部</source>
        <translation>Five Brights: all five 20-point cards</translation>
    </message>
    <message>
        <source>役とその役代（点数単位：文）の一覧です。</source>
        <translation>The yaku and their values, in mon.</translation>
    </message>
    <message>
        <source>役札を表示する場合は、表示したい役をクリックしてください。</source>
        <translation>Click a yaku to see its cards.</translation>
    </message>
    <message>
        <source>以上の役は、１枚増えるごとに１文増し</source>
        <translation>+1 mon for every further card</translation>
    </message>
    <message>
        <source>%1文</source>
        <translation>%1 mon</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
</context>
<context>
    <name>Marks</name>
    <message>
        <source>光</source>
        <translation>Brights</translation>
    </message>
    <message>
        <source>タネ</source>
        <translation>Animals</translation>
    </message>
    <message>
        <source>タン</source>
        <translation>Ribbons</translation>
    </message>
    <message>
        <source>カス</source>
        <translation>Chaff</translation>
    </message>
    <message>
        <source>こいこい</source>
        <translation>Koi-Koi</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>ゲーム(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>新規ゲーム(&amp;N)</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>点数表確認(&amp;B)</source>
        <translation>Score &amp;Table</translation>
    </message>
    <message>
        <source>成績確認(&amp;S)</source>
        <translation>&amp;Records</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>効果音を鳴らす</source>
        <translation>Sound &amp;Effects</translation>
    </message>
    <message>
        <source>取れる札を表示</source>
        <translation>Show &amp;Capturable Cards</translation>
    </message>
    <message>
        <source>アニメーション</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>音楽(&amp;M)</source>
        <translation>&amp;Music</translation>
    </message>
    <message>
        <source>BGM1(&amp;1)</source>
        <translation>BGM &amp;1</translation>
    </message>
    <message>
        <source>BGM2(&amp;2)</source>
        <translation>BGM &amp;2</translation>
    </message>
    <message>
        <source>BGM3(&amp;3)</source>
        <translation>BGM &amp;3</translation>
    </message>
    <message>
        <source>なし(&amp;N)</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>解像度(&amp;G)</source>
        <translation>Window &amp;Size</translation>
    </message>
    <message>
        <source>640x480(&amp;1)</source>
        <translation>&amp;640x480</translation>
    </message>
    <message>
        <source>800x600(&amp;2)</source>
        <translation>&amp;800x600</translation>
    </message>
    <message>
        <source>1024x768(&amp;3)</source>
        <translation>&amp;1024x768</translation>
    </message>
    <message>
        <source>背景(&amp;B)</source>
        <translation>&amp;Background</translation>
    </message>
    <message>
        <source>背景1(&amp;1)</source>
        <translation>Background &amp;1</translation>
    </message>
    <message>
        <source>背景2(&amp;2)</source>
        <translation>Background &amp;2</translation>
    </message>
    <message>
        <source>背景3(&amp;3)</source>
        <translation>Background &amp;3</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>自動(&amp;A)</source>
        <translation>&amp;Automatic</translation>
    </message>
    <message>
        <source>日本語(&amp;J)</source>
        <translation>&amp;Japanese</translation>
    </message>
    <message>
        <source>English(&amp;E)</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>トピックの検索(&amp;T)</source>
        <translation>Help &amp;Topics</translation>
    </message>
    <message>
        <source>役および役代(&amp;Y)</source>
        <translation>&amp;Yaku and Values</translation>
    </message>
    <message>
        <source>こいこい(&amp;K)</source>
        <translation>&amp;Koi-Koi</translation>
    </message>
    <message>
        <source>花合わせ(&amp;H)</source>
        <translation>&amp;Hana-awase</translation>
    </message>
    <message>
        <source>モリヤ ホームページ(&amp;S)</source>
        <translation>&amp;Moriya Home Page</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About Kirabo</translation>
    </message>
    <message>
        <source>COMの強さ(&amp;C)</source>
        <translation>Com&amp;puter Strength</translation>
    </message>
    <message>
        <source>やさしい(&amp;1)</source>
        <translation>&amp;Gentle</translation>
    </message>
    <message>
        <source>ふつう(&amp;2)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>つよい(&amp;3)</source>
        <translation>&amp;Strong</translation>
    </message>
    <message>
        <source>全画面表示(&amp;F)</source>
        <translation>&amp;Full Screen</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>終了してもよろしいですか？</source>
        <translation>Do you really want to quit?</translation>
    </message>
    <message>
        <source>成績をクリアしてもよろしいですか？</source>
        <translation>Do you really want to clear the records?</translation>
    </message>
    <message>
        <source>Kiraboはすでに起動されています</source>
        <translation>Kirabo is already running.</translation>
    </message>
    <message>
        <source>起動エラー</source>
        <translation>Start-up error</translation>
    </message>
    <message>
        <source>設定と成績を保存できません。データフォルダーをロックできません:
</source>
        <translation>The settings and records cannot be saved. The data folder cannot be locked:
</translation>
    </message>
    <message>
        <source>
ゲームはこのまま続けられます。</source>
        <translation>
You can go on playing.</translation>
    </message>
    <message>
        <source>設定と成績を保存できません。次のフォルダーに書き込めません:
</source>
        <translation>The settings and records cannot be saved. This folder cannot be written to:
</translation>
    </message>
    <message>
        <source>次のファイルを読み込めません:
</source>
        <translation>This file cannot be read:
</translation>
    </message>
    <message>
        <source>
このファイルはそのまま残し、上書きしません。ゲームはこのまま続けられますが、このファイルには保存しません。</source>
        <translation>
The file is left as it is and never overwritten. You can go on playing, but nothing is saved to this file.</translation>
    </message>
    <message>
        <source>前回の対局のデータが壊れていたため、続きから再開できません。</source>
        <translation>The last game&apos;s data was damaged, so the game cannot be continued.</translation>
    </message>
    <message>
        <source>前回の対局を続けますか？</source>
        <translation>Do you want to continue the last game?</translation>
    </message>
    <message>
        <source>対局中のゲームは破棄されます。新しいゲームを始めますか？</source>
        <translation>The game in progress will be given up. Do you want to start a new game?</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>点</source>
        <translation> points</translation>
    </message>
    <message>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <source>±</source>
        <translation>±</translation>
    </message>
    <message>
        <source>－</source>
        <translation>-</translation>
    </message>
    <message>
        <source>こいこい</source>
        <translation>Koi-Koi</translation>
    </message>
    <message>
        <source>勝利ゲーム数</source>
        <translation>Games won</translation>
    </message>
    <message>
        <source>勝利回数</source>
        <translation>Hands won</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>Best hand</translation>
    </message>
    <message>
        <source>総獲得文数</source>
        <translation>Total mon won</translation>
    </message>
    <message>
        <source>花合わせ</source>
        <translation>Hana-awase</translation>
    </message>
    <message>
        <source>総得失点</source>
        <translation>Total points</translation>
    </message>
    <message>
        <source>%d文</source>
        <translation>%d mon</translation>
    </message>
    <message>
        <source>－－－</source>
        <translation>---</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>文</source>
        <translation>mon</translation>
    </message>
    <message>
        <source>点</source>
        <translation>pts</translation>
    </message>
    <message>
        <source>親</source>
        <translation>Dealer</translation>
    </message>
    <message>
        <source>子</source>
        <translation>Non-dealer</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>Kirabo ホームページ</source>
        <translation>Kirabo Home Page</translation>
    </message>
    <message>
        <source>あなたの勝ち</source>
        <translation>You Win!</translation>
    </message>
    <message>
        <source>あなたの負け</source>
        <translation>You Lose</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>花札 こいこい・花合わせ</source>
        <translation>Hanafuda: Koi-Koi and Hana-awase</translation>
    </message>
</context>
</TS>
