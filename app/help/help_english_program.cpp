// The help's pages on the program itself, in English.
#include "app/help/help_book.h"

std::string HelpIntroPageEnglish() {
    return R"(<h1>Welcome to Kirabo</h1>
<p>Kirabo is a single-player game with hanafuda, the Japanese flower cards. It has two games:</p>
<ul>
<li><a href="page:koikoi">Koi-Koi</a>: you against the computer (COM). When you make a yaku you
choose: Stop and score, or call Koi-Koi and play on for bigger yaku.</li>
<li><a href="page:hanaawase">Hana-awase</a>: you against two computers (COM 1 and COM 2). Captured
cards and yaku are added up and every hand is settled against a base of 88 points.</li>
</ul>
<p>New to hanafuda? Start with <a href="page:cards">The Hanafuda Cards</a> to learn to tell the
cards apart. In both games you capture cards by matching their month.</p>
<h2>Starting a game</h2>
<p>Choose Game › New Game. In the New Game dialog choose the game (Koi-Koi or Hana-awase), the
number of hands (6, 12 or no limit) and Koi-Koi's rules (Sake yaku, Dealer's right), then press OK:
the cards are dealt and the game begins.</p>
<h2>Contents</h2>
<ul>
<li><a href="page:cards">The Hanafuda Cards</a></li>
<li><a href="page:koikoi">Playing Koi-Koi</a> · <a href="page:koikoi-yaku">Koi-Koi Yaku</a></li>
<li><a href="page:hanaawase">Playing Hana-awase</a> · <a href="page:hanaawase-yaku">Hana-awase Yaku</a></li>
<li><a href="page:controls">Controls</a></li>
<li><a href="page:menu">Menus and Options</a></li>
<li><a href="page:files">Where Settings and Records Are Kept</a></li>
<li><a href="page:credits">Licence and Credits</a></li>
</ul>)";
}

std::string HelpControlsPageEnglish() {
    return R"(<h1>Controls</h1>
<p>You can play with the mouse alone or with the keyboard alone.</p>
<h2>Mouse</h2>
<ul>
<li>Point at a card in your hand to choose it. With Show Capturable Cards on, the field cards it can
capture light up.</li>
<li>Click to play the chosen card.</li>
<li>With two field cards of the same month, click the one you want to capture.</li>
<li>While choosing a field card, a right click goes back to choosing from your hand (not for the
card turned up from the stock).</li>
<li>Click to close the end-of-game banner.</li>
</ul>
<h2>Keyboard</h2>
<table>
<tr><th>Key</th><th>What it does</th></tr>
<tr><td>← →</td><td>Moves the choice one card along (from one end round to the other)</td></tr>
<tr><td>Enter, Space</td><td>Plays the chosen card; closes the end-of-game banner</td></tr>
<tr><td>Esc</td><td>While choosing a field card, goes back to choosing from your hand</td></tr>
</table>
<p>In dialogs Enter presses the default button, such as OK or Stop. Menus open with Alt and the
underlined letter (Alt+G for Game).</p>)";
}

std::string HelpMenuPageEnglish() {
    return R"(<h1>Menus and Options</h1>
<h2>Game</h2>
<table>
<tr><th>Item</th><th>What it does</th></tr>
<tr><td>New Game</td><td>Opens the New Game dialog; OK starts a new game and ends the one under way.</td></tr>
<tr><td>Score Table</td><td>Shows every hand's score of this game (during a game only).</td></tr>
<tr><td>Records</td><td>Shows your records: games won, hands won, best hand and totals. Clear erases them.</td></tr>
<tr><td>Exit</td><td>Asks, then closes Kirabo.</td></tr>
</table>
<h2>Options</h2>
<table>
<tr><th>Item</th><th>What it does</th></tr>
<tr><td>Sound Effects</td><td>Sounds for playing and capturing cards and the like.</td></tr>
<tr><td>Show Capturable Cards</td><td>Lights up the field cards the chosen card can capture.</td></tr>
<tr><td>Animation</td><td>Shows the cards moving.</td></tr>
<tr><td>Music</td><td>Chooses the tune during games, BGM 1 to BGM 3; None stops the music. Between games the title tune plays.</td></tr>
<tr><td>Window Size</td><td>640x480, 800x600 or 1024x768, also during a game.</td></tr>
<tr><td>Background</td><td>One of three table backgrounds.</td></tr>
<tr><td>Computer Strength</td><td>Gentle, Normal or Strong, for Koi-Koi's COM and Hana-awase's COM 1 and COM 2, from their next move.</td></tr>
<tr><td>Language</td><td>Automatic (the desktop's language: Japanese for Japanese, English otherwise), Japanese or English. It changes at once, also during a game.</td></tr>
</table>
<h2>Help</h2>
<table>
<tr><th>Item</th><th>What it does</th></tr>
<tr><td>Help Topics</td><td>Opens this help. Type a word in the box at the top left and only the pages with that word stay in the contents.</td></tr>
<tr><td>Yaku and Values</td><td>Lists the yaku of Koi-Koi or Hana-awase with their values; choose a yaku to see its cards.</td></tr>
<tr><td>Home Page</td><td>Opens Kirabo's home page (during a game the label at the bottom left opens it too).</td></tr>
<tr><td>About Kirabo</td><td>Shows Kirabo's version.</td></tr>
</table>
<p>Options and the New Game settings are saved as soon as they change and are kept for the next start.</p>)";
}

std::string HelpFilesPageEnglish() {
    return R"(<h1>Where Settings and Records Are Kept</h1>
<p>Kirabo uses a few small files:</p>
<ul>
<li><b>settei.dat</b>: the options and the New Game settings</li>
<li><b>record.dat</b>: your records</li>
<li><b>kirabo.ini</b>: the language and the computer's strength</li>
</ul>
<p>Kirabo looks for them first in the program's folder, then in the current folder; if they are in
neither, it keeps them in <b>~/.local/share/kirabo/</b> (or kirabo under XDG_DATA_HOME when that is
set), making the folder when needed.</p>
<p>Settings are saved whenever they change, records after every hand. Every file is written in full
to another file first and then put in place, so a file is never left half-written. A file that
cannot be read gives the defaults; a damaged record.dat is kept as record.dat.damaged before a new
one is written. When the folder cannot be written to, Kirabo says so once and the game goes on.</p>)";
}

std::string HelpCreditsPageEnglish() {
    return R"(<h1>Licence and Credits</h1>
<p>Kirabo is free to use, change and share under the MIT License (© 2026 The Kirabo developers).
Its card pictures, sound effects and tunes are all made for Kirabo.</p>
<h2>What it uses</h2>
<table>
<tr><th>What</th><th>By</th><th>Licence</th></tr>
<tr><td>AoyagiKouzanFontT (the brush lettering)</td><td>Kouzan Aoyagi</td><td>Public domain</td></tr>
<tr><td>IPAGothic, IPAMincho (the other Japanese text)</td><td>CITPC</td><td>IPA Font License v1.0</td></tr>
<tr><td>DejaVu Serif (the English banners and plates)</td><td>Bitstream and the DejaVu authors</td><td>Bitstream Vera font licence</td></tr>
<tr><td>TimGM6mb soundfont (the music's instruments)</td><td>Tim Brechbill</td><td>GNU GPL version 2</td></tr>
<tr><td>"Sakura Sakura" (the title tune)</td><td>Traditional Japanese song</td><td>Public domain</td></tr>
</table>
<p>The fonts and the soundfont are not part of Kirabo: they are loaded from their Debian packages
(fonts-aoyagi-kouzan-t, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-dejavu-core,
timgm6mb-soundfont).</p>)";
}
