#include <gtest/gtest.h>

#include <QGuiApplication>
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

std::string SourceFile(const std::string& path) {
    std::ifstream in(std::string(KIRABO_SOURCE_DIR) + "/" + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

// In both languages; the English book has the same pages by the same ids (and
// no Japanese left: see the language walk).
TEST(Help, EveryLinkAndPictureResolves) {
    const auto japanese = BuildHelpBook();
    platform::SetLanguage(platform::Language::English);
    const auto english = BuildHelpBook();
    platform::SetLanguage(platform::Language::Japanese);
    ASSERT_EQ(english.size(), japanese.size());
    for (const auto* book : {&japanese, &english}) {
        std::set<std::string> ids;
        for (const auto& page : *book) ids.insert(page.id);
        EXPECT_EQ(ids.size(), book->size());
        int links = 0;
        for (const auto& page : *book) {
            for (const std::string& target : Matches(page.html, "href=\"page:([^\"]+)\"")) {
                EXPECT_TRUE(ids.count(target)) << page.id << " links to " << target;
                ++links;
            }
            for (const std::string& number : Matches(page.html, "src=\"image:([0-9]+)\""))
                EXPECT_TRUE(assets::IsImageNumber(std::stoi(number))) << page.id << " " << number;
        }
        EXPECT_GE(links, 10);
    }
    for (size_t i = 0; i < english.size(); ++i) EXPECT_EQ(english[i].id, japanese[i].id);
}

// The yaku pages are made from the games' own tables, the values written as
// each language writes them, with the glossary's names in English.
TEST(Help, TheYakuTablesListEveryYakuWithItsValue) {
    std::string html = Page(BuildHelpBook(), "hanaawase-yaku").html;
    for (int yaku = 0; yaku < 16; ++yaku) {
        std::string points = "<td>" + std::to_string(HanaYakuValue[yaku]) + "点</td>";
        EXPECT_NE(html.find(points), std::string::npos) << yaku;
        std::string card =
            "image:" + std::to_string(assets::TableImage(YakuTargets[yaku].cards[0], 0));
        EXPECT_NE(html.find(card), std::string::npos) << yaku;
    }
    html = Page(BuildHelpBook(), "koikoi-yaku").html;
    for (const char* text : {"五光</td><td>十五文", "花見酒</td><td>三文／五文", "カスの札１０枚"})
        EXPECT_NE(html.find(text), std::string::npos) << text;
    platform::SetLanguage(platform::Language::English);
    html = Page(BuildHelpBook(), "koikoi-yaku").html + Page(BuildHelpBook(), "hanaawase-yaku").html;
    platform::SetLanguage(platform::Language::Japanese);
    for (const char* text : {"Gokō (\"Five Brights\")</td><td>15 mon",
                             "Inoshikachō (\"Boar–Deer–Butterfly\")</td><td>5 mon",
                             "Gokō (\"Five Brights\")</td><td>200 points"})
        EXPECT_NE(html.find(text), std::string::npos) << text;
}

// The licence the LICENSE file grants is the one the About box (which the
// home page command opens, there being no address), the help and the
// AppStream data name; the credits name what the player sees and hears; the
// running program carries the desktop entry's id.
TEST(Licence, OneLicenceNamedEverywhereWithTheCreditsAndTheDesktopId) {
    ASSERT_EQ(SourceFile("LICENSE").rfind("MIT License\n", 0), 0u);
    std::string about;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        for (const auto& control : assets::DialogTemplateFor(number).controls)
            about += control.text;
        d.Click(1);
    });
    OpenHomePage();
    platform::testing::SetDialogHook(nullptr);
    EXPECT_NE(about.find("MIT"), std::string::npos) << about;
    const auto book = BuildHelpBook();
    const std::string& credits = Page(book, "credits").html;
    for (const char* name :
         {"MIT", "青柳衡山", "IPA", "TimGM6mb", "さくらさくら", "GPL", "パブリックドメイン"})
        EXPECT_NE(credits.find(name), std::string::npos) << name;
    const std::string id = QGuiApplication::desktopFileName().toStdString();
    EXPECT_EQ(id, "org.kirabo.Kirabo");
    EXPECT_FALSE(SourceFile("install/" + id + ".desktop").empty());
    const std::string metainfo = SourceFile("install/org.kirabo.Kirabo.metainfo.xml");
    EXPECT_NE(metainfo.find("<project_license>MIT</project_license>"), std::string::npos);
    EXPECT_NE(metainfo.find("<id>" + id + "</id>"), std::string::npos);
}
