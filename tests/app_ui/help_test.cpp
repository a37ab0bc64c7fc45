#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "app/games.h"
#include "app/help/help_book.h"
#include "assets/catalogue.h"
#include "assets/dialogs.h"
#include "hanaawase/tables.h"
#include "platform/dialog.h"
#include "platform/help_window.h"
#include "platform/i18n.h"

namespace {

std::set<std::string> Matches(const std::string& text, const std::string& pattern) {
    std::set<std::string> found;
    std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it)
        found.insert((*it)[1]);
    return found;
}

const platform::HelpPage& Page(const std::vector<platform::HelpPage>& book, const std::string& id) {
    for (const auto& page : book)
        if (page.id == id) return page;
    throw std::runtime_error("no page " + id);
}

}  // namespace

TEST(Help, EveryLinkAndPictureResolves) {
    auto book = BuildHelpBook();
    std::set<std::string> ids;
    for (const auto& page : book) ids.insert(page.id);
    EXPECT_EQ(ids.size(), book.size());
    int links = 0;
    for (const auto& page : book) {
        for (const std::string& target : Matches(page.html, "href=\"page:([^\"]+)\"")) {
            EXPECT_TRUE(ids.count(target)) << page.id << " links to " << target;
            ++links;
        }
        for (const std::string& number : Matches(page.html, "src=\"image:([0-9]+)\""))
            EXPECT_TRUE(assets::IsImageNumber(std::stoi(number))) << page.id << " " << number;
    }
    EXPECT_GE(links, 10);
}

TEST(Help, KoiKoiYakuValuesAreTheGamesOwn) {
    std::string html = Page(BuildHelpBook(), "koikoi-yaku").html;
    // The fixed values, written in kanji as the game writes them.
    for (const char* row :
         {"五光</td><td>十五文", "四光</td><td>十文", "雨四光</td><td>八文", "三光</td><td>六文",
          "猪鹿蝶</td><td>五文", "花見酒</td><td>三文／五文"})
        EXPECT_NE(html.find(row), std::string::npos) << row;
    // The counted yaku, at the card counts where they start.
    EXPECT_NE(html.find("カスの札１０枚"), std::string::npos);
    EXPECT_NE(html.find("タンの札５枚"), std::string::npos);
}

TEST(Help, HanaAwaseYakuTableListsEveryYakuWithItsPointsAndCards) {
    std::string html = Page(BuildHelpBook(), "hanaawase-yaku").html;
    for (int yaku = 0; yaku < 16; ++yaku) {
        std::string points = "<td>" + std::to_string(HanaYakuValue[yaku]) + "点</td>";
        EXPECT_NE(html.find(points), std::string::npos) << yaku;
        std::string card =
            "image:" + std::to_string(assets::TableImage(YakuTargets[yaku].cards[0], 0));
        EXPECT_NE(html.find(card), std::string::npos) << yaku;
    }
    EXPECT_NE(html.find("五光</td><td>200点"), std::string::npos);
    EXPECT_NE(html.find("くさ</td><td>20点"), std::string::npos);
}

TEST(Help, WindowShowsEveryPageSearchesAndCloses) {
    ShowHelpTopics();
    EXPECT_TRUE(platform::HelpWindowOpen());
    EXPECT_EQ(platform::HelpWindowPage(), "intro");
    for (const auto& page : BuildHelpBook()) EXPECT_TRUE(platform::ShowHelpPage(page.id));
    auto found = platform::SearchHelp("猪鹿蝶");
    EXPECT_EQ(found,
              (std::vector<std::string>{"こいこいの役", "花合わせの遊び方", "花合わせの役"}));
    EXPECT_EQ(platform::SearchHelp("").size(), BuildHelpBook().size());
    CloseHelp();
    EXPECT_FALSE(platform::HelpWindowOpen());
}

// The English book: the same pages by the same ids, no Japanese left, and
// the search finds the words players abroad look for on the right pages.
TEST(Help, TheEnglishBookHasEveryPageAndItsSearchFindsTheGamesWords) {
    const auto japanese = BuildHelpBook();
    platform::SetLanguage(platform::Language::English);
    const auto english = BuildHelpBook();
    ASSERT_EQ(english.size(), japanese.size());
    for (size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(english[i].id, japanese[i].id);
        EXPECT_NE(english[i].html, japanese[i].html);
        for (QChar c : QString::fromStdString(english[i].title + english[i].html)) {
            const char16_t u = c.unicode();
            EXPECT_FALSE((u >= 0x3000 && u <= 0x30ff) || (u >= 0x4e00 && u <= 0x9fff) ||
                         (u >= 0xff00 && u <= 0xffef))
                << english[i].id;
        }
        for (const std::string& target : Matches(english[i].html, "href=\"page:([^\"]+)\""))
            EXPECT_TRUE(std::any_of(english.begin(), english.end(),
                                    [&](const platform::HelpPage& p) { return p.id == target; }))
                << english[i].id << " links to " << target;
    }
    ShowHelpTopics();
    const struct {
        const char* query;
        std::vector<std::string> pages;
    } searches[] = {
        {"yaku", {"Koi-Koi Yaku", "Hana-awase Yaku"}},
        {"bright", {"The Hanafuda Cards", "Koi-Koi Yaku", "Hana-awase Yaku"}},
        {"koi-koi", {"Playing Koi-Koi", "Koi-Koi Yaku"}},
        {"ribbon", {"The Hanafuda Cards", "Koi-Koi Yaku", "Hana-awase Yaku"}},
    };
    for (const auto& search : searches) {
        const std::vector<std::string> found = platform::SearchHelp(search.query);
        for (const std::string& page : search.pages)
            EXPECT_NE(std::find(found.begin(), found.end(), page), found.end())
                << search.query << ": " << page;
    }
    const std::vector<std::string> ribbon = platform::SearchHelp("ribbon");
    EXPECT_EQ(std::find(ribbon.begin(), ribbon.end(), "Controls"), ribbon.end());
    // The yaku pages use the glossary's names and the games' values.
    const std::string koiKoiYaku = english[3].html, hanaYaku = english[5].html;
    for (const char* text : {"Gokō (\"Five Brights\")</td><td>15 mon",
                             "Inoshikachō (\"Boar–Deer–Butterfly\")</td><td>5 mon",
                             "Akatan (\"Red Poetry Ribbons\")</td><td>6 mon"})
        EXPECT_NE(koiKoiYaku.find(text), std::string::npos) << text;
    EXPECT_NE(hanaYaku.find("Gokō (\"Five Brights\")</td><td>200 points"), std::string::npos);
    CloseHelp();
    platform::SetLanguage(platform::Language::Japanese);
}

TEST(HomePage, WithNoAddressTheAboutBoxOpens) {
    int shown = 0;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        shown = number;
        d.Click(1);
    });
    OpenHomePage();
    platform::testing::SetDialogHook(nullptr);
    EXPECT_EQ(shown, dlg::About);
}

// The licence the LICENSE file grants is the one the About box, the help and
// the AppStream data name; the running program carries the desktop entry's id.
static std::string SourceFile(const std::string& path) {
    std::ifstream in(std::string(KIRABO_SOURCE_DIR) + "/" + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Licence, OneLicenceNamedEverywhere) {
    std::string licence = SourceFile("LICENSE");
    ASSERT_EQ(licence.rfind("MIT License\n", 0), 0u);
    std::string about;
    for (const auto& control : assets::DialogTemplateFor(dlg::About).controls)
        about += control.text;
    EXPECT_NE(about.find("MIT"), std::string::npos) << about;
    EXPECT_NE(Page(BuildHelpBook(), "credits").html.find("MIT"), std::string::npos);
    EXPECT_NE(SourceFile("install/org.kirabo.Kirabo.metainfo.xml")
                  .find("<project_license>MIT</project_license>"),
              std::string::npos);
}

TEST(Licence, CreditsNameWhatThePlayerSeesAndHears) {
    const auto book = BuildHelpBook();
    const std::string& credits = Page(book, "credits").html;
    for (const char* name :
         {"青柳衡山", "IPA", "TimGM6mb", "さくらさくら", "GPL", "パブリックドメイン"})
        EXPECT_NE(credits.find(name), std::string::npos) << name;
}

TEST(Identity, TheWindowCarriesTheDesktopEntrysId) {
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString() + ".desktop",
              "org.kirabo.Kirabo.desktop");
    EXPECT_FALSE(
        SourceFile("install/" + QGuiApplication::desktopFileName().toStdString() + ".desktop")
            .empty());
    EXPECT_NE(SourceFile("install/org.kirabo.Kirabo.metainfo.xml")
                  .find("<id>" + QGuiApplication::desktopFileName().toStdString() + "</id>"),
              std::string::npos);
}
