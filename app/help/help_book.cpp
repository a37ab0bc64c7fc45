#include "app/help/help_book.h"

#include "assets/catalogue.h"
#include "cards/cards.h"
#include "platform/i18n.h"

std::string CardImage(int card) {
    return "<img src=\"image:" + std::to_string(assets::TableImage(card, 0)) + "\">";
}

const char* CardName(int card) {
    switch (card) {
        case 0:
            return "松に鶴";
        case 4:
            return "梅に鶯";
        case 8:
            return "桜に幕";
        case 12:
            return "藤に不如帰";
        case 16:
            return "菖蒲に八橋";
        case 20:
            return "牡丹に蝶";
        case 24:
            return "萩に猪";
        case 28:
            return "芒に月";
        case 29:
            return "芒に雁";
        case 32:
            return "菊に盃";
        case 36:
            return "紅葉に鹿";
        case 40:
            return "柳に道風";
        case 41:
            return "柳に燕";
        case 44:
            return "桐に鳳";
    }
    return "";
}

std::vector<platform::HelpPage> BuildHelpBook() {
    if (platform::CurrentLanguage() == platform::Language::English)
        return {
            {"intro", "Welcome", HelpIntroPageEnglish()},
            {"cards", "The Hanafuda Cards", HelpCardsPageEnglish()},
            {"koikoi", "Playing Koi-Koi", HelpKoiKoiPageEnglish()},
            {"koikoi-yaku", "Koi-Koi Yaku", HelpKoiKoiYakuPageEnglish()},
            {"hanaawase", "Playing Hana-awase", HelpHanaAwasePageEnglish()},
            {"hanaawase-yaku", "Hana-awase Yaku", HelpHanaAwaseYakuPageEnglish()},
            {"controls", "Controls", HelpControlsPageEnglish()},
            {"menu", "Menus and Options", HelpMenuPageEnglish()},
            {"files", "Where Settings and Records Are Kept", HelpFilesPageEnglish()},
            {"credits", "Licence and Credits", HelpCreditsPageEnglish()},
        };
    return {
        {"intro", "はじめに", HelpIntroPage()},
        {"cards", "花札の札", HelpCardsPage()},
        {"koikoi", "こいこいの遊び方", HelpKoiKoiPage()},
        {"koikoi-yaku", "こいこいの役", HelpKoiKoiYakuPage()},
        {"hanaawase", "花合わせの遊び方", HelpHanaAwasePage()},
        {"hanaawase-yaku", "花合わせの役", HelpHanaAwaseYakuPage()},
        {"controls", "操作方法", HelpControlsPage()},
        {"menu", "メニューとオプション", HelpMenuPage()},
        {"files", "設定と成績の保存場所", HelpFilesPage()},
        {"credits", "ライセンスとクレジット", HelpCreditsPage()},
    };
}
