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
    <name>Help</name>
    <message>
        <source>検索</source>
        <translation>Search</translation>
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
</TS>
