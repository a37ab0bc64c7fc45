// kirabo-assets [--english] [--ratio R] --out DIR: writes every numbered image
// of the three sets as DIR/<number>.png and the sound effects as
// DIR/<number>.wav, lettered in Japanese or with --english in English. With a
// ratio the images are drawn for a screen of that many device pixels to a
// pixel (2 for a doubled desktop), R times larger.
#include <QDir>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "assets/catalogue.h"
#include "assets/sounds/sounds.h"
#include "platform/event_loop.h"
#include "platform/i18n.h"

int main(int argc, char** argv) {
    std::string out;
    bool english = false;
    double ratio = 1.0;
    for (int i = 1; i < argc; ++i) {
        if (i + 1 < argc && std::strcmp(argv[i], "--out") == 0) out = argv[i + 1];
        if (i + 1 < argc && std::strcmp(argv[i], "--ratio") == 0) ratio = std::atof(argv[i + 1]);
        if (std::strcmp(argv[i], "--english") == 0) english = true;
    }
    if (out.empty() || !(ratio >= 0.5 && ratio <= 8)) {
        std::fprintf(stderr, "usage: kirabo-assets [--english] [--ratio 0.5..8] --out DIR\n");
        return 2;
    }
    platform::InitToolPlatform(argc, argv);
    if (english) platform::SetLanguage(platform::Language::English);
    assets::SetImageRatio(ratio);
    if (!QDir().mkpath(QString::fromStdString(out))) {
        std::fprintf(stderr, "kirabo-assets: cannot make %s\n", out.c_str());
        return 1;
    }
    int written = 0;
    for (int number : assets::AllImageNumbers()) {
        const platform::Surface& image = assets::LoadImage(number);
        std::string path = out + "/" + std::to_string(number) + ".png";
        if (!image.Image().save(QString::fromStdString(path))) {
            std::fprintf(stderr, "kirabo-assets: cannot write %s\n", path.c_str());
            return 1;
        }
        ++written;
    }
    for (int number = FirstEffect; number <= LastEffect; ++number) {
        std::ofstream(out + "/" + std::to_string(number) + ".wav", std::ios::binary)
            << MakeWaveFile(number);
        ++written;
    }
    std::printf("kirabo-assets: %d files in %s\n", written, out.c_str());
    return 0;
}
