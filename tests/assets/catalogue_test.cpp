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

TEST(Catalogue, EveryImageOfEverySetHasItsCataloguedSize) {
    std::vector<int> numbers = assets::AllImageNumbers();
    EXPECT_EQ(numbers.size(), 2u + 3u * 171u);
    for (int number : numbers) {
        const platform::Surface& image = assets::LoadImage(number);
        platform::Size size = assets::ImageSize(number);
        ASSERT_EQ(image.Width(), size.width) << number;
        ASSERT_EQ(image.Height(), size.height) << number;
    }
    EXPECT_EQ(assets::ImageSize(12712).width, 1016);
    EXPECT_EQ(assets::ImageSize(11410).width, 1444);
    EXPECT_EQ(assets::ImageSize(10148).width, 81);
    EXPECT_EQ(assets::ImageSize(assets::TitleImage).height, 240);
    EXPECT_FALSE(assets::IsImageNumber(10049));
    EXPECT_FALSE(assets::IsImageNumber(10249));
}

TEST(Catalogue, MasksHoldOnlyBlackAndWhite) {
    for (int r = 0; r < 3; ++r)
        for (int base : {410, 510, 511, 512, 513, 302}) {
            const platform::Surface& mask = assets::LoadImage(TableImage(base, r));
            for (int y = 0; y < mask.Height(); y += 3)
                for (int x = 0; x < mask.Width(); x += 3) {
                    platform::Color c = mask.Pixel(x, y);
                    ASSERT_TRUE(c == platform::Black || c == platform::White) << base << " " << x;
                }
        }
}

TEST(Catalogue, DitherMasksGrowFromAnEighthToAll) {
    const platform::Surface* masks[4];
    for (int i = 0; i < 4; ++i) masks[i] = &assets::LoadImage(TableImage(510 + i, 0));
    double share[4];
    for (int i = 0; i < 4; ++i) {
        int white = 0, all = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x, ++all) white += masks[i]->Pixel(x, y) == platform::White;
        share[i] = double(white) / all;
    }
    EXPECT_DOUBLE_EQ(share[0], 1.0 / 8);
    EXPECT_DOUBLE_EQ(share[1], 1.0 / 2);
    EXPECT_DOUBLE_EQ(share[2], 7.0 / 8);
    EXPECT_DOUBLE_EQ(share[3], 1.0);
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

TEST(Menu, HoldsEveryCommandOnceWithTheScoreTableGreyed) {
    std::set<int> ids;
    std::function<void(const std::vector<platform::MenuItem>&)> walk = [&](const auto& items) {
        for (const auto& item : items) {
            if (item.kind == platform::MenuItem::Popup) walk(item.items);
            if (item.kind == platform::MenuItem::Command) {
                EXPECT_TRUE(ids.insert(item.id).second) << item.id;
                EXPECT_EQ(item.grayed, item.id == 40005);
            }
        }
    };
    walk(assets::MainMenu());
    std::set<int> expected = {40004, 40005, 40006, 40007, 40008, 40009, 40010, 40012, 40013, 40014,
                              40015, 40016, 40017, 40018, 40019, 40020, 40021, 40022, 40024, 40025,
                              40026, 40027,
                              // the computer's strength: gentle, normal, strong
                              40030, 40031, 40032,
                              // the language: automatic, Japanese, English
                              40040, 40041, 40042,
                              // full screen
                              40050};
    EXPECT_EQ(ids, expected);
}

TEST(DialogTemplates, SettingsDialogHasItsRadioGroups) {
    const auto& t = assets::DialogTemplateFor(168);
    EXPECT_EQ(t.caption, "対局設定");
    int groupStarts = 0, radios = 0;
    for (const auto& c : t.controls) {
        radios += c.kind == platform::DialogControl::Radio;
        groupStarts += c.groupStart;
    }
    EXPECT_EQ(radios, 10);
    EXPECT_EQ(groupStarts, 4);
}

TEST(DialogTemplates, OnlyTheYakuChoiceHasNoCloseBox) {
    for (int number : {168, 199, 206, 208, 209, 210, 211, 212, 213, 214, 215, 216, 218, 1204})
        EXPECT_EQ(assets::DialogTemplateFor(number).closeBox, number != 211) << number;
}
