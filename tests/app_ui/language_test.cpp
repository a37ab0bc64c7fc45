// The program's two languages: which one the locale asks for, the menu's
// choice, and the translated menus, dialogs and message boxes.
#include "app/language.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <set>

#include "app/core/program.h"
#include "app/display/display.h"
#include "app/games.h"
#include "app/preferences.h"
#include "app/startup.h"
#include "assets/dialogs.h"
#include "assets/menu.h"
#include "platform/dialog.h"
#include "platform/help_window.h"
#include "platform/window.h"
#include "tests/app/data_dir.h"

using platform::Language;

TEST(LocaleLanguage, JapaneseForJapaneseAndThePlainLocaleEnglishForEveryOther) {
    const Language J = Language::Japanese, E = Language::English;
    struct Case {
        const char *language, *lcAll, *lcMessages, *lang;
        Language expected;
    } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, J},
        {"", "", "", "", J},
        {nullptr, nullptr, nullptr, "C", J},
        {nullptr, nullptr, nullptr, "POSIX", J},
        {nullptr, nullptr, nullptr, "C.UTF-8", J},
        {nullptr, nullptr, nullptr, "ja_JP.UTF-8", J},
        {nullptr, nullptr, nullptr, "ja", J},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", E},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", E},
        {nullptr, nullptr, nullptr, "jv_ID", E},  // Javanese, not Japanese
        // LC_ALL before LC_MESSAGES before LANG.
        {nullptr, "en_GB.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8", E},
        {nullptr, nullptr, "ja_JP.UTF-8", "en_US.UTF-8", J},
        {nullptr, "ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8", J},
        {nullptr, "C", nullptr, "en_US.UTF-8", J},
        // LANGUAGE's first entry, but only over a real locale.
        {"ja:en", nullptr, nullptr, "en_US.UTF-8", J},
        {"en:ja", nullptr, nullptr, "ja_JP.UTF-8", E},
        {"en", nullptr, nullptr, "C", J},
        {"en", nullptr, nullptr, nullptr, J},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocaleLanguage(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
            << (c.language ? c.language : "-") << " " << (c.lcAll ? c.lcAll : "-") << " "
            << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
    }
}

namespace {

bool HasJapanese(const std::string& text) {
    for (QChar c : QString::fromStdString(text)) {
        char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x4e00 && u <= 0x9fff) ||
            (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

void SourceTexts(const std::vector<platform::MenuItem>& items, std::vector<std::string>& out) {
    for (const platform::MenuItem& item : items) {
        if (item.kind == platform::MenuItem::Separator) continue;
        out.push_back(item.text);
        SourceTexts(item.items, out);
    }
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

class LanguageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
        setenv("LANG", "C", 1);
        data_ = new TestDataDir;
        setenv("XDG_RUNTIME_DIR", data_->root.c_str(), 1);
        data_->Write("settei.dat", std::string("0011111000", 11));
        ASSERT_TRUE(InitApplication());
    }
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }
    void TearDown() override {
        platform::SendCommand(cmd::LanguageAutomatic);
        platform::testing::SetMessageBoxHook(nullptr);
        platform::testing::SetDialogHook(nullptr);
    }
    static TestDataDir* data_;
};
TestDataDir* LanguageTest::data_ = nullptr;

}  // namespace

TEST_F(LanguageTest, TheChoiceIsKeptInItsOwnFileAndSetteiDatStaysAsItWas) {
    const std::string settei = data_->Read("settei.dat");
    ASSERT_EQ(settei.size(), 11u);
    EXPECT_EQ(languageChoice, 0);
    EXPECT_TRUE(platform::IsMenuItemChecked(cmd::LanguageAutomatic));

    platform::SendCommand(cmd::LanguageAutomatic + 2);
    EXPECT_EQ(platform::CurrentLanguage(), Language::English);
    EXPECT_TRUE(platform::IsMenuItemChecked(cmd::LanguageAutomatic + 2));
    EXPECT_FALSE(platform::IsMenuItemChecked(cmd::LanguageAutomatic));
    EXPECT_NE(data_->Read("kirabo.ini").find("\n[language]\nchoice=2\n"), std::string::npos);
    EXPECT_EQ(data_->Read("settei.dat"), settei);

    languageChoice = 0;
    LoadPreferences();
    EXPECT_EQ(languageChoice, 2) << "read again at the next start";

    platform::SendCommand(cmd::LanguageAutomatic + 1);
    EXPECT_EQ(platform::CurrentLanguage(), Language::Japanese);
    platform::SendCommand(cmd::LanguageAutomatic);
    EXPECT_EQ(platform::CurrentLanguage(), Language::Japanese) << "the C locale";
    EXPECT_EQ(data_->Read("settei.dat"), settei);
}

TEST_F(LanguageTest, MenusInJapaneseAreTheSourceTextsAndInEnglishHaveNoJapaneseLeft) {
    std::vector<std::string> sources;
    SourceTexts(assets::MainMenu(), sources);
    EXPECT_EQ(platform::MenuTexts(), sources);
    ExpectDistinctMnemonics(assets::MainMenu());

    platform::SendCommand(cmd::LanguageAutomatic + 2);
    std::vector<std::string> english = platform::MenuTexts();
    ASSERT_EQ(english.size(), sources.size());
    for (const std::string& text : english) EXPECT_FALSE(HasJapanese(text)) << text;
    EXPECT_EQ(english.front(), "&Game");
    ExpectDistinctMnemonics(assets::MainMenu());

    platform::SendCommand(cmd::LanguageAutomatic + 1);
    EXPECT_EQ(platform::MenuTexts(), sources) << "back to Japanese without a restart";
}

TEST_F(LanguageTest, DialogTemplatesAndMessageBoxesFollowTheLanguage) {
    std::vector<std::string> japanese;
    for (int number : TemplateNumbers) {
        const platform::DialogTemplate& t = assets::DialogTemplateFor(number);
        japanese.push_back(t.caption);
        for (const auto& c : t.controls) japanese.push_back(c.text);
    }
    EXPECT_EQ(japanese[0], "対局設定");

    platform::SendCommand(cmd::LanguageAutomatic + 2);
    size_t i = 0;
    for (int number : TemplateNumbers) {
        const platform::DialogTemplate& t = assets::DialogTemplateFor(number);
        EXPECT_FALSE(HasJapanese(t.caption)) << number << " " << t.caption;
        EXPECT_NE(t.caption, japanese[i++]) << number;
        for (const auto& c : t.controls) {
            EXPECT_FALSE(HasJapanese(c.text)) << number << " " << c.text;
            ++i;
        }
    }
    EXPECT_EQ(assets::DialogTemplateFor(168).caption, "New Game");

    std::vector<std::string> asked;
    platform::testing::SetMessageBoxHook([&](const std::string& text, const std::string& caption) {
        asked.push_back(caption + ": " + text);
        return platform::BoxAnswer::No;
    });
    platform::SendCommand(cmd::Exit);
    platform::SendCommand(cmd::LanguageAutomatic + 1);
    platform::SendCommand(cmd::Exit);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], "Kirabo: Do you really want to quit?");
    EXPECT_EQ(asked[1], "Kirabo: 終了してもよろしいですか？");

    // Japanese again: the very templates as they were.
    i = 0;
    for (int number : TemplateNumbers) {
        const platform::DialogTemplate& t = assets::DialogTemplateFor(number);
        EXPECT_EQ(t.caption, japanese[i++]);
        for (const auto& c : t.controls) EXPECT_EQ(c.text, japanese[i++]);
    }
}

TEST_F(LanguageTest, TheGameSettingsTextsFitTheirControlsInEitherLanguage) {
    for (int choice : {1, 2}) {
        platform::SendCommand(cmd::LanguageAutomatic + choice);
        std::vector<std::string> cut;
        platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
            if (number != 168) return;
            for (const auto& c : assets::DialogTemplateFor(168).controls) {
                using C = platform::DialogControl;
                if (c.kind != C::Radio && c.kind != C::Static) continue;
                // A radio's text comes after its round button.
                int room = d.ItemRect(c.id).Width() - (c.kind == C::Radio ? 18 : 0);
                if (platform::TextExtent(c.text, platform::Font::Dialog).width > room)
                    cut.push_back(c.text);
            }
            d.End(2);
        });
        platform::SendCommand(cmd::NewGame);
        EXPECT_TRUE(cut.empty()) << choice << ": " << ::testing::PrintToString(cut);
    }
}

TEST_F(LanguageTest, SwitchingDuringAGameKeepsTheGameAndDrawsTheTableAgain) {
    platform::testing::SetDialogHook([](platform::Dialog& d, int number) {
        if (number == 168) d.Click(1);
    });
    platform::SendCommand(cmd::NewGame);
    platform::testing::SetDialogHook(nullptr);
    ASSERT_EQ(gameState, 0);
    for (int i = 0; i < 3 && gameState != -1; ++i) StepCurrentGame();
    const int state = gameState, sub = subState;
    RebuildGameTable();
    const QImage japanese = tableBase.Image().copy();
    platform::SendCommand(cmd::LanguageAutomatic + 2);
    EXPECT_EQ(gameState, state);
    EXPECT_EQ(subState, sub);
    EXPECT_EQ(platform::CurrentLanguage(), Language::English);
    // The table is drawn again with its lettering (names, plates, marks) in
    // English, and back in Japanese exactly as it was.
    EXPECT_NE(tableBase.Image(), japanese);
    platform::SendCommand(cmd::LanguageAutomatic);
    EXPECT_EQ(gameState, state);
    EXPECT_EQ(tableBase.Image(), japanese);
    ReleaseCurrentGame();
    gameState = -1;
}

TEST_F(LanguageTest, AnOpenHelpWindowTurnsToTheNewLanguageOnTheSamePage) {
    ShowHelpTopics();
    ASSERT_TRUE(platform::ShowHelpPage("koikoi-yaku"));
    platform::SendCommand(cmd::LanguageAutomatic + 2);
    EXPECT_TRUE(platform::HelpWindowOpen());
    EXPECT_EQ(platform::HelpWindowPage(), "koikoi-yaku");
    EXPECT_EQ(platform::SearchHelp("").front(), "Welcome");
    platform::SendCommand(cmd::LanguageAutomatic + 1);
    EXPECT_EQ(platform::HelpWindowPage(), "koikoi-yaku");
    EXPECT_EQ(platform::SearchHelp("").front(), "はじめに");
    CloseHelp();
}
