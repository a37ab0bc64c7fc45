// The program's two languages: which one the locale asks for, the menu's
// choice, and every menu item, dialog, message box and painted dialog face
// of both games walked in both, and the help in English: English shows no
// Japanese, Japanese shows no English, and the Japanese texts come back unchanged after a visit to
// English.
#include "app/language.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/games.h"
#include "app/help/help_book.h"
#include "assets/dialogs.h"
#include "assets/menu.h"
#include "core/program.h"
#include "display/display.h"
#include "hanaawase/dialogs/dialogs.h"
#include "hanaawase/state.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"
#include "koikoi/ui/dialogs.h"
#include "platform/dialog.h"
#include "platform/help_window.h"
#include "platform/i18n.h"
#include "platform/window.h"
#include "table/dialog_text.h"
#include "tests/app_ui/program_test.h"

using platform::Language;

TEST(LocaleLanguage, JapaneseForJapaneseAndThePlainLocaleEnglishForEveryOther) {
    const Language J = Language::Japanese, E = Language::English;
    struct Case {
        const char *language, *lcAll, *lcMessages, *lang;
        Language expected;
    } cases[] = {
        {"", "", "", "", J},
        {nullptr, nullptr, nullptr, "C", J},
        {nullptr, nullptr, nullptr, "C.UTF-8", J},
        {nullptr, nullptr, nullptr, "ja_JP.UTF-8", J},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", E},
        {nullptr, nullptr, nullptr, "jv_ID", E},  // Javanese, not Japanese
        // LC_ALL before LC_MESSAGES before LANG.
        {nullptr, "en_GB.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8", E},
        {nullptr, nullptr, "ja_JP.UTF-8", "en_US.UTF-8", J},
        {nullptr, "C", nullptr, "en_US.UTF-8", J},
        // LANGUAGE's first entry, but only over a real locale.
        {"ja:en", nullptr, nullptr, "en_US.UTF-8", J},
        {"en:ja", nullptr, nullptr, "ja_JP.UTF-8", E},
        {"en", nullptr, nullptr, "C", J},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocaleLanguage(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
            << (c.language ? c.language : "-") << " " << (c.lcAll ? c.lcAll : "-") << " "
            << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
    }
}

namespace {

bool HasJapanese(const std::string& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return QString::fromStdString(text).contains(japanese);
}

// A Latin word in a Japanese text, apart from the names and marks the
// Japanese program has always shown; single letters are mnemonics and the x
// of 640x480.
bool HasEnglish(const std::string& text) {
    static const std::set<std::string> allowed = {"Kirabo", "Ver", "MIT", "License",
                                                  "OK",     "COM", "BGM", "English"};
    static const std::regex word("[A-Za-z]{2,}");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it)
        if (!allowed.count(it->str())) return true;
    return false;
}

// The mnemonics of one menu's entries differ, in the current language.
void ExpectDistinctMnemonics(const std::vector<platform::MenuItem>& items) {
    std::set<QChar> seen;
    for (const platform::MenuItem& item : items) {
        if (item.kind == platform::MenuItem::Separator) continue;
        QString text = QString::fromStdString(platform::Tr("Menu", item.text));
        if (int at = text.indexOf('&'); at >= 0 && at + 1 < text.size()) {
            EXPECT_TRUE(seen.insert(text[at + 1].toLower()).second) << text.toStdString();
        }
        ExpectDistinctMnemonics(item.items);
    }
}

const int TemplateNumbers[] = {168, 199, 206, 208, 1204, 209, 210,
                               211, 212, 213, 214, 215,  216, 218};

// What the player reads: the caption and buttons of every dialog and every
// text painted on a dialog face; and where a painted text is cut by the
// face's edge or runs into another.
struct Reader {
    std::vector<std::string> texts;
    std::vector<std::string> crowded;
    std::vector<std::pair<std::string, platform::Rect>> boxes;

    void Watch() {
        table::testing::SetWrittenTextHook(
            [this](std::string_view text, const platform::Rect& box) {
                texts.emplace_back(text);
                boxes.emplace_back(std::string(text), box);
            });
        // The game settings' ｷｬﾝｾﾙ starts no game.
        platform::testing::SetDialogHook([this](platform::Dialog& d, int number) {
            Read(d, number);
            d.End(number == dlg::GameSettings ? 2 : 1);
        });
        platform::testing::SetMessageBoxHook(
            [this](const std::string& text, const std::string& caption) {
                texts.push_back(caption + ": " + text);
                return platform::BoxAnswer::No;
            });
    }

    void Read(platform::Dialog& d, int number) {
        if (QWidget* w = QApplication::activeModalWidget()) {
            texts.push_back(w->windowTitle().toStdString());
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
                texts.push_back(b->text().toStdString());
        }
        const std::string where = std::to_string(number) + " at " + std::to_string(resolution);
        // The game settings' radios and labels, against the dialog font.
        for (const auto& c : assets::DialogTemplateFor(number).controls) {
            using C = platform::DialogControl;
            if (number != dlg::GameSettings || (c.kind != C::Radio && c.kind != C::Static))
                continue;
            // A radio's text comes after its round button.
            int room = d.ItemRect(c.id).Width() - (c.kind == C::Radio ? 18 : 0);
            if (platform::TextExtent(c.text, platform::Font::Dialog).width > room)
                crowded.push_back(where + ": \"" + c.text + "\" is cut");
        }
        boxes.clear();
        d.Snapshot();  // paints the face
        const platform::Size face = d.ClientSize();
        for (size_t i = 0; i < boxes.size(); ++i) {
            const auto& [text, box] = boxes[i];
            if (box.left < 0 || box.top < 0 || box.right > face.width || box.bottom > face.height)
                crowded.push_back(where + ": \"" + text + "\" is cut");
            for (size_t j = 0; j < i; ++j) {
                const platform::Rect& other = boxes[j].second;
                const bool same = other.left == box.left && other.top == box.top;
                const bool overlap = box.left < other.right && other.left < box.right &&
                                     box.top < other.bottom && other.top < box.bottom;
                if (overlap && !same)
                    crowded.push_back(where + ": \"" + text + "\" runs into \"" + boxes[j].first +
                                      "\"");
            }
        }
    }
};

class LanguageTest : public ProgramTest {
  protected:
    static void SetUpTestSuite() { StartProgram(std::string("0011111000", 11)); }
    void TearDown() override {
        ProgramTest::TearDown();
        table::testing::SetWrittenTextHook(nullptr);
        platform::SendCommand(cmd::LanguageAutomatic);
    }

    // Starts a game of the kind (0 Koi-Koi, 1 Hana-awase) with its cards
    // drawn, and leaves it at its first step.
    static void StartGame(int kind) {
        platform::testing::SetDialogHook([kind](platform::Dialog& d, int number) {
            if (number != 168) return;
            d.Click(kind == 0 ? 1002 : 1003);
            d.Click(1);
        });
        platform::SendCommand(cmd::NewGame);
        platform::testing::SetDialogHook(nullptr);
        StepCurrentGame();
    }

    // Every text of the menus, the dialog templates, the program's own
    // dialogs and message boxes and both games' painted dialogs, in the
    // current language.
    static std::vector<std::string> Walk(std::vector<std::string>* crowded = nullptr) {
        Reader reader;
        std::vector<std::string> texts = platform::MenuTexts();
        for (int number : TemplateNumbers) {
            const platform::DialogTemplate& t = assets::DialogTemplateFor(number);
            texts.push_back(t.caption);
            for (const auto& c : t.controls) texts.push_back(c.text);
        }
        reader.Watch();
        for (int command : {cmd::Records, cmd::About, cmd::Exit, cmd::KoiKoiYaku,
                            cmd::HanaAwaseYaku, cmd::NewGame})
            platform::SendCommand(command);

        StartGame(0);
        reader.Watch();
        koi.yakuMade[0][YakuInoshikacho] = koi.yakuMade[0][YakuAkatan] = 1;
        koi.yakuMade[0][YakuHanamizake] = 1;
        FormHandScore(0);
        koiui::YakuMadeDialog(0, -1);
        koi.yakuMade[1][YakuGoko] = 1;
        koiui::YakuMadeDialog(1, 1);
        for (int dealer : {0, 1}) {
            koi.dealer = dealer;
            koiui::ShowOyakenNotice();
        }
        koi.handScores[0] = {5, 0, -1};
        koi.handScores[1] = {0, 0, -1};
        koi.handIndex = 2;
        koiui::ShowScoreTable();
        for (int entry = 0; entry < 12; ++entry) koiui::ShowYakuCards(entry);
        EndGame();

        StartGame(1);
        reader.Watch();
        for (int t : {0, 7, 9, 15}) hana.madeYaku[0][t] = 1;
        HanaShowYakuMadeDialog(0);
        HanaShowScoreSheet();
        HanaShowResults();
        for (int index = 0; index < 16; ++index) HanaShowYakuCards(index);
        EndGame();

        texts.insert(texts.end(), reader.texts.begin(), reader.texts.end());
        if (crowded) *crowded = reader.crowded;
        return texts;
    }
};

}  // namespace

// Painted texts also stay inside their dialog and clear of one another, and
// the game settings' texts fit their controls, at every window size, in
// English as in Japanese.
TEST_F(LanguageTest, EnglishShowsNoJapaneseJapaneseNoEnglishAndNoTextIsCut) {
    std::vector<std::string> sources;
    std::function<void(const std::vector<platform::MenuItem>&)> source = [&](const auto& items) {
        for (const platform::MenuItem& item : items) {
            if (item.kind == platform::MenuItem::Separator) continue;
            sources.push_back(item.text);
            source(item.items);
        }
    };
    source(assets::MainMenu());
    EXPECT_EQ(platform::MenuTexts(), sources) << "the Japanese menus are the source texts";
    std::vector<std::string> japanese, english;
    // Japanese first as the C locale gives it.
    for (int language : {cmd::LanguageAutomatic, cmd::LanguageEnglish}) {
        platform::SendCommand(language);
        ExpectDistinctMnemonics(assets::MainMenu());
        for (int size = 0; size < 3; ++size) {
            platform::SendCommand(cmd::Resolution640 + size);
            std::vector<std::string> crowded;
            (language == cmd::LanguageEnglish ? english : japanese) = Walk(&crowded);
            EXPECT_TRUE(crowded.empty()) << language << ":\n" << ::testing::PrintToString(crowded);
        }
    }
    ASSERT_GT(japanese.size(), 200u);
    for (const std::string& text : japanese) EXPECT_FALSE(HasEnglish(text)) << text;
    for (const auto& page : BuildHelpBook()) english.push_back(page.title + page.html);
    for (const std::string& text : english) EXPECT_FALSE(HasJapanese(text)) << text;
    // The yaku are named in rōmaji, the amounts in Arabic numerals.
    std::string shown;
    for (const std::string& text : english) shown += text + "\n";
    for (const char* text :
         {"&Game", "Kirabo: Do you really want to quit?", "Inoshikachō  5 mon", "Gokō  15 mon",
          "COM's yaku", "Month 1", "Matsu-Kiri-Bōzu  20 points", "-88 points", "Hand 1", "COM 2"})
        EXPECT_NE(shown.find(text), std::string::npos) << text;

    platform::SendCommand(cmd::LanguageJapanese);
    EXPECT_EQ(Walk(), japanese) << "Japanese again, text for text, without a restart";
    platform::SendCommand(cmd::Resolution640);
}

TEST_F(LanguageTest, SwitchingDuringAGameKeepsTheGameAndDrawsTheTableAgain) {
    StartGame(0);
    for (int i = 0; i < 2 && gameState != -1; ++i) StepCurrentGame();
    const int state = gameState, sub = subState;
    RebuildGameTable();
    const QImage japanese = tableBase.Image().copy();
    platform::SendCommand(cmd::LanguageEnglish);
    EXPECT_EQ(gameState, state);
    EXPECT_EQ(subState, sub);
    // The table is drawn again with its lettering (names, plates, marks) in
    // English, and back in Japanese exactly as it was.
    EXPECT_NE(tableBase.Image(), japanese);
    platform::SendCommand(cmd::LanguageAutomatic);
    EXPECT_EQ(tableBase.Image(), japanese);
    EndGame();
}

// The help window shows every page and its search finds the words players
// look for on the right pages, in either language; open, it turns to a new
// language on the same page.
TEST_F(LanguageTest, TheHelpWindowSearchesInEitherLanguageAndTurnsToANewOneOnTheSamePage) {
    ShowHelpTopics();
    EXPECT_EQ(platform::HelpWindowPage(), "intro");
    for (const auto& page : BuildHelpBook()) EXPECT_TRUE(platform::ShowHelpPage(page.id));
    EXPECT_EQ(platform::SearchHelp("猪鹿蝶"),
              (std::vector<std::string>{"こいこいの役", "花合わせの遊び方", "花合わせの役"}));
    EXPECT_EQ(platform::SearchHelp("").size(), BuildHelpBook().size());
    ASSERT_TRUE(platform::ShowHelpPage("koikoi-yaku"));
    platform::SendCommand(cmd::LanguageEnglish);
    EXPECT_TRUE(platform::HelpWindowOpen());
    EXPECT_EQ(platform::HelpWindowPage(), "koikoi-yaku");
    EXPECT_EQ(platform::SearchHelp("").front(), "Welcome");
    const struct {
        const char* query;
        std::vector<std::string> pages;
    } searches[] = {
        {"yaku", {"Koi-Koi Yaku", "Hana-awase Yaku"}},
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
    platform::SendCommand(cmd::LanguageJapanese);
    EXPECT_EQ(platform::HelpWindowPage(), "koikoi-yaku");
    EXPECT_EQ(platform::SearchHelp("").front(), "はじめに");
    CloseHelp();
    EXPECT_FALSE(platform::HelpWindowOpen());
}
