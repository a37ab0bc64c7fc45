#include "assets/catalogue.h"

#include <malloc.h>

#include <QImage>
#include <QTransform>
#include <map>
#include <thread>
#include <utility>

#include "assets/art.h"
#include "assets/art/card_art.h"

namespace assets {
namespace {

std::map<int, platform::Surface> cache;
double imageRatio = 1.0;

void GiveBackFreedMemory() {
    art::ForgetMadeCards();
    // Give the freed pictures back to the system, not only to the heap.
    malloc_trim(0);
}

bool IsBackground(int base) {
    return (base >= 700 && base <= 702) || (base >= 710 && base <= 712);
}

bool IsTurnedCard(int base) {
    return (base >= 100 && base <= 148) || (base >= 200 && base <= 248);
}

// A turned card is its upright picture turned a quarter: anticlockwise for
// the 100s, clockwise for the 200s.
platform::Surface Turned(int number, platform::Size size) {
    const int base = (number - 10000) % 1000, resolution = (number - 10000) / 1000;
    const platform::Surface& upright = LoadImage(TableImage(base % 100, resolution));
    return platform::Surface(
        upright.Image().transformed(QTransform().rotate(base < 200 ? -90 : 90)), size, imageRatio);
}

}  // namespace

void KeepOnlyImagesFor(int resolution, int backgroundChoice, int game) {
    for (auto it = cache.begin(); it != cache.end();) {
        int base = (it->first - 10000) % 1000;
        bool table = IsImageNumber(it->first) && it->first >= 10000;
        // The 700s are Koi-Koi's table and panel, the 710s Hana-awase's.
        bool otherGame = base >= 700 && base <= 715 && (base - 700) / 10 != game;
        bool unneeded = table && ((it->first - 10000) / 1000 != resolution || otherGame ||
                                  (IsBackground(base) && base % 10 != backgroundChoice) ||
                                  (IsTurnedCard(base) && game != 1));
        it = unneeded ? cache.erase(it) : std::next(it);
    }
    GiveBackFreedMemory();
}

void SetImageRatio(double ratio) {
    if (!(ratio > 0) || ratio == imageRatio) return;
    imageRatio = ratio;
    cache.clear();
    GiveBackFreedMemory();
}

double ImageRatio() {
    return imageRatio;
}

void PrepareTableImages(int resolution, const std::vector<int>& otherBases) {
    // The backgrounds and sheets are drawn while the cards are: each alone
    // leaves a core idle for part of its time.
    std::vector<std::pair<int, platform::Surface>> others;
    for (int base : otherBases)
        if (!IsTurnedCard(base) && !cache.count(TableImage(base, resolution)))
            others.emplace_back(TableImage(base, resolution), platform::Surface());
    std::thread drawer([&others, resolution, ratio = imageRatio] {
        for (auto& [number, image] : others)
            image = RenderTableImage(number - TableImage(0, resolution), resolution,
                                     ImageSize(number), ratio);
    });
    bool made = true;
    for (int card = 0; card <= 48; ++card) made = made && cache.count(TableImage(card, resolution));
    if (!made) {
        const platform::Size size = ImageSize(TableImage(0, resolution));
        art::PrepareUprightCards(QSize(size.width, size.height), imageRatio);
    }
    drawer.join();
    for (auto& [number, image] : others) cache.emplace(number, std::move(image));
}

void ForgetLetteredImages() {
    static const int Lettered[] = {301, 400, 500, 600, 601, 703, 704, 705, 713, 714, 715};
    for (int r = 0; r < 3; ++r)
        for (int base : Lettered) cache.erase(TableImage(base, r));
}

size_t KeptImageCount() {
    return cache.size();
}

const platform::Surface& LoadImage(int number) {
    auto it = cache.find(number);
    if (it != cache.end()) return it->second;
    platform::Size size = ImageSize(number);
    platform::Surface image;
    if (number == TitleImage)
        image = RenderTitle(size, imageRatio);
    else if (number == IconImage)
        image = RenderIcon(size.width);
    else if (IsTurnedCard((number - 10000) % 1000) && IsImageNumber(number))
        image = Turned(number, size);
    else if (IsImageNumber(number))
        image =
            RenderTableImage((number - 10000) % 1000, (number - 10000) / 1000, size, imageRatio);
    return cache.emplace(number, std::move(image)).first->second;
}

platform::Surface SmallIcon() {
    return RenderIcon(16);
}

}  // namespace assets
