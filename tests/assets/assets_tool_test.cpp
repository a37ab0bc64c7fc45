#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "assets/catalogue.h"

TEST(AssetsTool, WritesEveryImageNumberAtItsSize) {
    char tmpl[] = "/tmp/kirabo-assets-XXXXXX";
    std::string dir = mkdtemp(tmpl);
    std::string command = std::string(KIRABO_ASSETS_TOOL) + " --out " + dir + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (int number : assets::AllImageNumbers()) {
        QImage image(QString::fromStdString(dir + "/" + std::to_string(number) + ".png"));
        platform::Size size = assets::ImageSize(number);
        ASSERT_FALSE(image.isNull()) << number;
        EXPECT_EQ(image.width(), size.width) << number;
        EXPECT_EQ(image.height(), size.height) << number;
    }
    std::system(("rm -rf " + dir).c_str());
}
