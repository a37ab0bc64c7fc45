// The help's pages on the cards and the two games, in English; the yaku
// tables come from the games' own tables, as in Japanese.
#include <string>
#include <vector>

#include "app/help/help_book.h"
#include "cards/cards.h"
#include "hanaawase/tables.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"

namespace {

const char* const MonthNames[12] = {
    "January – Pine",
    "February – Plum Blossom",
    "March – Cherry Blossom",
    "April – Wisteria",
    "May – Iris",
    "June – Peony",
    "July – Bush Clover",
    "August – Pampas Grass",
    "September – Chrysanthemum",
    "October – Maple",
    "November – Willow",
    "December – Paulownia",
};

const char* KindName(int card) {
    switch (CardValue[card]) {
        case 20:
            return "Bright (20)";
        case 10:
            return "Animal (10)";
        case 5:
            return "Ribbon (5)";
        default:
            return "Chaff (1)";
    }
}

const char* EnglishCardName(int card) {
    switch (card) {
        case 0:
            return "Crane and Sun";
        case 4:
            return "Bush Warbler";
        case 8:
            return "Cherry Curtain";
        case 12:
            return "Cuckoo";
        case 16:
            return "Eight-Plank Bridge";
        case 20:
            return "Butterflies";
        case 24:
            return "Boar";
        case 28:
            return "Moon";
        case 29:
            return "Geese";
        case 32:
            return "Sake Cup";
        case 36:
            return "Deer";
        case 40:
            return "Rain Man";
        case 41:
            return "Swallow";
        case 44:
            return "Phoenix";
    }
    return "";
}

std::string Mon(int n) {
    return std::to_string(n) + " mon";
}

std::string Cards(const std::vector<int>& cards) {
    std::string html;
    for (int card : cards) html += CardImage(card) + " ";
    return html;
}

}  // namespace

std::string HelpCardsPageEnglish() {
    std::string html = R"(<h1>The Hanafuda Cards</h1>
<p>A hanafuda deck has 48 cards: each of the twelve months has a flower or plant of its own and four
cards. You tell a card's month by its picture; cards of the same month <i>match</i>.</p>
<p>There are four kinds of card, each worth a number of points:</p>
<table>
<tr><th>Kind</th><th>Points</th><th>Cards</th><th>How to tell them</th></tr>
<tr><td>Brights (hikari)</td><td>20</td><td>5</td><td>Special pictures: Crane and Sun, Cherry Curtain, Moon, Rain Man, Phoenix</td></tr>
<tr><td>Animals (tane)</td><td>10</td><td>9</td><td>Birds, animals, the Sake Cup and the like</td></tr>
<tr><td>Ribbons (tan)</td><td>5</td><td>10</td><td>A poetry ribbon (tanzaku). Red ribbons with writing make Akatan ("Red Poetry Ribbons"), blue ones Aotan ("Blue Ribbons")</td></tr>
<tr><td>Chaff (kasu)</td><td>1</td><td>24</td><td>The plant alone</td></tr>
</table>
<p>In Koi-Koi your captured cards are laid out by kind. In Hana-awase the cards' points are your score
(all 48 cards together make 264 points).</p>
<h2>The months</h2>
<table>
<tr><th>Month</th><th>The four cards (highest first)</th></tr>
)";
    for (int m = 0; m < 12; ++m) {
        html += "<tr><td>" + std::string(MonthNames[m]) + "</td><td>";
        for (int i = 0; i < 4; ++i) html += CardImage(4 * m + i) + " ";
        html += "<br>";
        for (int i = 0; i < 4; ++i) {
            const int card = 4 * m + i;
            html += std::string(i ? ", " : "") + KindName(card);
            if (*EnglishCardName(card)) html += std::string(" \"") + EnglishCardName(card) + "\"";
        }
        html += "</td></tr>\n";
    }
    html += R"(</table>
<p>November's Willow is unusual: one card of each kind, the Chaff card showing lightning.
December's Paulownia has a Bright and three Chaff.</p>)";
    return html;
}

std::string HelpKoiKoiPageEnglish() {
    return R"(<h1>Playing Koi-Koi</h1>
<p>You play against the computer (COM). Capture cards to make <a href="page:koikoi-yaku">yaku</a>
and win mon. After the chosen number of hands (6, 12 or no limit) the player with more mon wins.</p>
<h2>The deal</h2>
<p>Each player gets 8 cards and 8 go face up to the field in the middle of the table; the other 24
form the stock. If all four cards of a month land on the field, the cards are dealt again.</p>
<h2>A turn</h2>
<ol>
<li>Play a card from your hand. If a field card matches its month, you capture both. With two
matching cards on the field you choose one; with three you capture all four. A card that matches
nothing stays on the field.</li>
<li>Then the top card of the stock is turned up and matched the same way.</li>
</ol>
<p>Captured cards lie in front of you by kind: Brights, Animals, Ribbons, Chaff. The dealer plays
first, and the players take turns.</p>
<h2>Stop or Koi-Koi</h2>
<p>When a capture makes a yaku (or adds a card to Tane, Tan or Kasu), the Yaku Made dialog asks what
to do:</p>
<ul>
<li><b>Stop</b> (shōbu): the hand ends and you score the mon of all your yaku.</li>
<li><b>Koi-Koi</b>: play on for bigger yaku, and choose again when you make more. But if your
opponent then makes a yaku and stops, only they score and you get 0 mon.</li>
</ul>
<p>With no cards left in your hand you cannot call Koi-Koi. The computer's answer is shown in the
same dialog. Only the best Bright yaku counts (with Gokō, Shikō, Ame-Shikō and Sankō do not).</p>
<h2>When nobody stops</h2>
<p>If both hands are played out and nobody stopped, the hand ends. With "Dealer's right" set to Yes
in the New Game dialog the dealer takes 3 mon ("Dealer's right  3 mon"); with No, nobody scores.</p>
<h2>The dealer</h2>
<p>The first dealer is drawn at random. Whoever stops deals the next hand; if nobody stopped, the
dealer stays.</p>
<h2>Sake yaku</h2>
<p>The "Sake yaku" setting of the New Game dialog chooses whether Hanami-zake and Tsukimi-zake count
and what they are worth: No, 3 mon or 5 mon.</p>
<p>Each hand's result is shown in the Score Table at the end of the hand and from Game › Score Table.</p>)";
}

std::string HelpKoiKoiYakuPageEnglish() {
    struct Row {
        int yaku;
        const char *name, *how;
        std::vector<int> example;
    };
    const Row rows[] = {
        {YakuGoko, "Gokō (\"Five Brights\")", "All five Brights", {0, 8, 28, 40, 44}},
        {YakuShiko, "Shikō (\"Four Brights\")", "Four Brights, not the Rain Man", {0, 8, 28, 44}},
        {YakuAmeshiko,
         "Ame-Shikō (\"Rainy Four Brights\")",
         "Four Brights, the Rain Man among them",
         {0, 8, 28, 40}},
        {YakuSanko, "Sankō (\"Three Brights\")", "Three Brights, not the Rain Man", {0, 8, 28}},
        {YakuAotan,
         "Aotan (\"Blue Ribbons\")",
         "The blue ribbons of Peony, Chrysanthemum and Maple",
         {21, 33, 37}},
        {YakuAkatan,
         "Akatan (\"Red Poetry Ribbons\")",
         "The red ribbons with writing of Pine, Plum Blossom and Cherry Blossom",
         {1, 5, 9}},
        {YakuInoshikacho,
         "Inoshikachō (\"Boar–Deer–Butterfly\")",
         "Boar, Deer and Butterflies",
         {24, 36, 20}},
        {YakuHanamizake,
         "Hanami-zake (\"Cherry-Viewing Sake\")",
         "Cherry Curtain and Sake Cup",
         {8, 32}},
        {YakuTsukimizake, "Tsukimi-zake (\"Moon-Viewing Sake\")", "Moon and Sake Cup", {28, 32}},
        {YakuTane, "Tane (\"Animals\")", "Five Animals", {4, 12, 16, 20, 24}},
        {YakuTan, "Tan (\"Ribbons\")", "Five Ribbons", {1, 5, 13, 17, 25}},
        {YakuKasu, "Kasu (\"Chaff\")", "Ten Chaff", {2, 3, 6, 7, 10, 11, 14, 15, 18, 19}},
    };
    std::string html = R"(<h1>Koi-Koi Yaku</h1>
<p>These combinations of captured cards are yaku. When you stop, you score the mon of all your yaku
together.</p>
<table><tr><th>Yaku</th><th>Mon</th><th>Cards</th><th>Example</th></tr>
)";
    for (const Row& row : rows) {
        std::string value;
        if (row.yaku == YakuKasu || row.yaku == YakuTan || row.yaku == YakuTane)
            value = "1 mon (+1 for every further card)";
        else if (row.yaku == YakuHanamizake || row.yaku == YakuTsukimizake)
            value = Mon(SakeYakuValue[1]) + " / " + Mon(SakeYakuValue[2]) + " (a setting)";
        else
            value = Mon(FixedYakuValue[row.yaku - YakuInoshikacho]);
        html += "<tr><td>" + std::string(row.name) + "</td><td>" + value + "</td><td>" + row.how +
                "</td><td>" + Cards(row.example) + "</td></tr>\n";
    }
    html += R"(</table>
<p>Tane, Tan and Kasu are worth 1 mon with five cards (Kasu with ten) and 1 mon more for every
further card; each further card brings up the Yaku Made dialog again. The Sake Cup counts as an
Animal.</p>
<p>Hanami-zake and Tsukimi-zake do not count when the "Sake yaku" setting is No.</p>
<p>Dealer's right: when a hand ends with nobody stopping and the setting is Yes, the dealer takes
3 mon.</p>)";
    return html;
}

std::string HelpHanaAwasePageEnglish() {
    return R"(<h1>Playing Hana-awase</h1>
<p>Three play: you, COM 1 and COM 2, in that order. Your score is the points of your captured cards
and your <a href="page:hanaawase-yaku">yaku</a>; after the chosen number of hands the highest total
wins.</p>
<h2>The deal</h2>
<p>Each player gets 7 cards, 6 go to the field and the other 21 form the stock. If all four cards of
a month land on the field, the cards are dealt again.</p>
<h2>A turn</h2>
<ol>
<li>Play a card from your hand and capture a field card of the same month (with two, choose one;
with three, take them all). A card that matches nothing stays on the field.</li>
<li>Turn up the top card of the stock and match it the same way.</li>
</ol>
<p>Starting with the dealer, each player has seven turns; then the hand ends. Yaku are announced in
the Yaku Made dialog as they are made and settled at the end of the hand (there is no Koi-Koi or
Stop in Hana-awase).</p>
<h2>Settling (the base is 88 points)</h2>
<p>At the end of a hand the Score Calculation shows each player's score:</p>
<ul>
<li>Captured: the points of your captured cards</li>
<li>Yaku made ×2: each of the two opponents pays you your yaku's points</li>
<li>Yaku paid: you pay each opponent's yaku</li>
<li>Base: 88 points are taken off</li>
</ul>
<p>This hand = captured + yaku made ×2 − yaku paid − 88. The three scores of a hand add up to 0 when
no card is left on the field.</p>
<h2>An example</h2>
<p>You capture 100 points, COM 1 50 and COM 2 114. You make Inoshikachō (20 points), COM 1 makes
Akatan (40 points), COM 2 no yaku.</p>
<table>
<tr><th></th><th>Captured</th><th>Yaku made ×2</th><th>Yaku paid</th><th>Base</th><th>This hand</th></tr>
<tr><td>You</td><td>100</td><td>+40</td><td>−40</td><td>−88</td><td>+12</td></tr>
<tr><td>COM 1</td><td>50</td><td>+80</td><td>−20</td><td>−88</td><td>+22</td></tr>
<tr><td>COM 2</td><td>114</td><td>0</td><td>−60</td><td>−88</td><td>−34</td></tr>
</table>
<p>Together: 12 + 22 − 34 = 0.</p>
<h2>The dealer</h2>
<p>The first dealer is drawn at random. The player with the best score of the hand (0 or more) deals
next; on a tie the one nearest the dealer, the dealer first. If all three scored below 0, the
dealer stays.</p>
<h2>Yaku that overlap</h2>
<p>With Shikō, Matsu-Kiri-Bōzu does not count; with Gokō, Shikō does not. With Nomi, Hanami and
Tsukimi do not count; with Nana-tan, Roku-tan does not.</p>
<p>Each hand's result is shown from Game › Score Table. The Sake yaku and Dealer's right settings
are for Koi-Koi only.</p>)";
}

std::string HelpHanaAwaseYakuPageEnglish() {
    // By yaku number, as the game's yaku list words them.
    static const char* const Names[16][2] = {
        {"Fuji-shima (\"All Four Wisteria\")", "All four Wisteria cards"},
        {"Ame-shima (\"All Four Willow\")", "All four Willow cards"},
        {"Kiri-shima (\"All Four Paulownia\")", "All four Paulownia cards"},
        {"Kusa (\"Grass Ribbons\")", "The ribbons of Wisteria, Iris and Bush Clover"},
        {"Tsukimi (\"Moon Viewing\")", "Moon and Sake Cup"},
        {"Hanami (\"Cherry Viewing\")", "Cherry Curtain and Sake Cup"},
        {"Inoshikachō (\"Boar–Deer–Butterfly\")", "Boar, Deer and Butterflies"},
        {"Matsu-Kiri-Bōzu (\"Pine–Paulownia–Moon\")", "Crane and Sun, Phoenix and Moon"},
        {"Nomi (\"Drinking\")", "Moon, Cherry Curtain and Sake Cup"},
        {"Omote-Sugawara (\"Sugawara\")", "Crane and Sun, Bush Warbler and Cherry Curtain"},
        {"Roku-tan (\"Six Ribbons\")", "Six Ribbons, none of them Willow"},
        {"Akatan (\"Red Poetry Ribbons\")", "The ribbons of Pine, Plum Blossom and Cherry Blossom"},
        {"Aotan (\"Blue Ribbons\")", "The ribbons of Peony, Chrysanthemum and Maple"},
        {"Nana-tan (\"Seven Ribbons\")", "Seven Ribbons, none of them Willow"},
        {"Shikō (\"Four Brights\")", "Four Brights, not the Rain Man"},
        {"Gokō (\"Five Brights\")", "All five Brights"},
    };
    std::string html = R"(<h1>Hana-awase Yaku</h1>
<p>When the hand is settled, each of your two opponents pays you your yaku's points (yaku made ×2).
A yaku is made when its last card is captured.</p>
<table><tr><th>Yaku</th><th>Points</th><th>Cards</th><th>The cards</th></tr>
)";
    for (int yaku = 15; yaku >= 0; --yaku) {
        html += "<tr><td>" + std::string(Names[yaku][0]) + "</td><td>" +
                std::to_string(HanaYakuValue[yaku]) + " points</td><td>" + Names[yaku][1] +
                "</td><td>";
        const HanaYakuCards& cards = YakuTargets[yaku];
        for (int i = 0; i < cards.count; ++i) html += CardImage(cards.cards[i]) + " ";
        html += "</td></tr>\n";
    }
    html += R"(</table>
<p>Roku-tan and Nana-tan are six or seven of the nine Ribbons that are not Willow's. Shikō is the
four Brights other than the Rain Man.</p>)";
    return html;
}
