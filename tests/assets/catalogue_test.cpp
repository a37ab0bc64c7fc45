#include "assets/catalogue.h"

#include <gtest/gtest.h>

#include <QImage>
#include <iterator>
#include <set>
#include <vector>

#include "assets/dialogs.h"
#include "assets/menu.h"
#include "platform/i18n.h"

using assets::TableImage;

// Of the 16x16 pixels of each dither mask an eighth, half, seven eighths and
// all are white.
TEST(Catalogue, DitherMasksGrowFromAnEighthToAll) {
    const int whites[4] = {32, 128, 224, 256};
    for (int i = 0; i < 4; ++i) {
        const platform::Surface& mask = assets::LoadImage(TableImage(510 + i, 0));
        int white = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) white += mask.Pixel(x, y) == platform::White;
        EXPECT_EQ(white, whites[i]) << i;
    }
}

// The lettered pictures (names, plates, units, banners, the home-page
// label) are drawn again in English once forgotten; the cards stay as they
// are, and Japanese comes back pixel for pixel.
TEST(Catalogue, LetteredImagesFollowTheLanguageAndNothingElseChanges) {
    const int lettered[] = {301, 400, 500, 600, 601, 703, 704, 705, 713, 714, 715};
    std::vector<QImage> japanese;
    for (int base : lettered) japanese.push_back(assets::LoadImage(TableImage(base, 0)).Image());
    const platform::Surface* card = &assets::LoadImage(TableImage(0, 0));
    platform::SetLanguage(platform::Language::English);
    assets::ForgetLetteredImages();
    for (size_t i = 0; i < std::size(lettered); ++i) {
        const platform::Surface& english = assets::LoadImage(TableImage(lettered[i], 0));
        EXPECT_EQ(english.Width(), japanese[i].width()) << lettered[i];
        EXPECT_NE(english.Image(), japanese[i]) << lettered[i];
    }
    EXPECT_EQ(&assets::LoadImage(TableImage(0, 0)), card);
    platform::SetLanguage(platform::Language::Japanese);
    assets::ForgetLetteredImages();
    for (size_t i = 0; i < std::size(lettered); ++i)
        EXPECT_EQ(assets::LoadImage(TableImage(lettered[i], 0)).Image(), japanese[i])
            << lettered[i];
}

TEST(Menu, EachCommandOnceWithTheScoreTableGreyed) {
    std::set<int> ids;
    std::function<void(const std::vector<platform::MenuItem>&)> walk = [&](const auto& items) {
        for (const auto& item : items) {
            if (item.kind == platform::MenuItem::Popup) walk(item.items);
            if (item.kind == platform::MenuItem::Command) {
                EXPECT_TRUE(ids.insert(item.id).second) << item.id;
                EXPECT_EQ(item.grayed, item.id == cmd::ScoreTable);
            }
        }
    };
    walk(assets::MainMenu());
    EXPECT_TRUE(ids.count(cmd::ScoreTable));
}

TEST(DialogTemplates, OnlyTheYakuChoiceHasNoCloseBox) {
    for (int number : {168, 199, 206, 208, 209, 210, 211, 212, 213, 214, 215, 216, 218, 1204})
        EXPECT_EQ(assets::DialogTemplateFor(number).closeBox, number != 211) << number;
}
