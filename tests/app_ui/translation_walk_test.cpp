// Every menu item, dialog and painted dialog face of both games, walked in
// both languages: English shows no Japanese, Japanese shows no English, and
// the Japanese texts come back unchanged after a visit to English.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QString>
#include <QWidget>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/core/program.h"
#include "app/games.h"
#include "app/startup.h"
#include "assets/menu.h"
#include "hanaawase/dialogs/dialogs.h"
#include "hanaawase/state.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"
#include "koikoi/ui/dialogs.h"
#include "platform/dialog.h"
#include "platform/i18n.h"
#include "platform/window.h"
#include "table/dialog_text.h"
#include "tests/app/data_dir.h"

namespace {

bool HasJapanese(const std::string& text) {
    for (QChar c : QString::fromStdString(text)) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x4e00 && u <= 0x9fff) ||
            (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

// A Latin word in a Japanese text, apart from the names and marks the
// Japanese program has always shown.
bool HasEnglish(const std::string& text) {
    static const std::set<std::string> allowed = {"Kirabo", "Ver", "MIT", "License",
                                                  "OK",     "COM", "BGM", "English"};
    std::string word;
    for (char c : text + " ") {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            word += c;
            continue;
        }
        // Single letters are mnemonics and the x of 640x480.
        if (word.size() > 1 && !allowed.count(word)) return true;
        word.clear();
    }
    return false;
}

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
        platform::testing::SetDialogHook([this](platform::Dialog& d, int number) {
            Read(d, number);
            d.End(1);
        });
        platform::testing::SetMessageBoxHook(
            [this](const std::string& text, const std::string& caption) {
                texts.push_back(caption);
                texts.push_back(text);
                return platform::BoxAnswer::No;
            });
    }

    void Read(platform::Dialog& d, int number) {
        if (QWidget* w = QApplication::activeModalWidget()) {
            texts.push_back(w->windowTitle().toStdString());
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
                texts.push_back(b->text().toStdString());
        }
        boxes.clear();
        d.Snapshot();  // paints the face
        const platform::Size face = d.ClientSize();
        const std::string where = std::to_string(number) + " at " + std::to_string(resolution);
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

class TranslationWalkTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
        setenv("LANG", "C", 1);
        data_ = new TestDataDir;
        setenv("XDG_RUNTIME_DIR", data_->root.c_str(), 1);
        ASSERT_TRUE(InitApplication());
    }
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }
    void TearDown() override {
        table::testing::SetWrittenTextHook(nullptr);
        platform::testing::SetDialogHook(nullptr);
        platform::testing::SetMessageBoxHook(nullptr);
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
    static void EndGame() {
        ReleaseCurrentGame();
        gameState = -1;
    }

    // Every text of the menus, the program's own dialogs and both games'
    // painted dialogs, in the current language.
    static std::vector<std::string> Walk(std::vector<std::string>* crowded = nullptr) {
        Reader reader;
        std::vector<std::string> texts = platform::MenuTexts();
        reader.Watch();
        for (int command :
             {cmd::Records, cmd::About, cmd::Exit, cmd::KoiKoiYaku, cmd::HanaAwaseYaku})
            platform::SendCommand(command);
        platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
            if (number != 168) return;
            reader.Read(d, number);
            d.End(2);
        });
        platform::SendCommand(cmd::NewGame);

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
    static TestDataDir* data_;
};
TestDataDir* TranslationWalkTest::data_ = nullptr;

}  // namespace

TEST_F(TranslationWalkTest, EnglishShowsNoJapaneseAndJapaneseNoEnglish) {
    const std::vector<std::string> japanese = Walk();
    ASSERT_GT(japanese.size(), 200u);
    for (const std::string& text : japanese) EXPECT_FALSE(HasEnglish(text)) << text;

    platform::SendCommand(cmd::LanguageAutomatic + 2);
    const std::vector<std::string> english = Walk();
    for (const std::string& text : english) EXPECT_FALSE(HasJapanese(text)) << text;
    // The yaku are named in rōmaji, the amounts in Arabic numerals.
    auto shown = [&](const std::string& text) {
        for (const std::string& t : english)
            if (t.find(text) != std::string::npos) return true;
        return false;
    };
    for (const char* text : {"Inoshikachō  5 mon", "Akatan  6 mon", "Gokō  15 mon", "Your yaku",
                             "COM's yaku", "Month 1", "Matsu-Kiri-Bōzu  20 points",
                             "Omote-Sugawara  30 points", "-88 points", "Hand 1", "COM 2"})
        EXPECT_TRUE(shown(text)) << text;

    platform::SendCommand(cmd::LanguageAutomatic + 1);
    EXPECT_EQ(Walk(), japanese) << "Japanese again, text for text";
}

// Painted texts stay inside their dialog and clear of one another at every
// window size, in English as in Japanese.
TEST_F(TranslationWalkTest, NoPaintedTextIsCutOrRunsIntoAnother) {
    for (int language : {1, 2}) {
        platform::SendCommand(cmd::LanguageAutomatic + language);
        for (int size = 0; size < 3; ++size) {
            platform::SendCommand(cmd::Resolution640 + size);
            std::vector<std::string> crowded;
            Walk(&crowded);
            EXPECT_TRUE(crowded.empty()) << language << ":\n" << ::testing::PrintToString(crowded);
        }
    }
    platform::SendCommand(cmd::Resolution640);
}
