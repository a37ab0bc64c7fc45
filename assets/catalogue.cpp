#include "assets/catalogue.h"

#include <malloc.h>

#include <map>

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

}  // namespace

void KeepOnlyImagesFor(int resolution, int backgroundChoice) {
    for (auto it = cache.begin(); it != cache.end();) {
        int base = (it->first - 10000) % 1000;
        bool table = IsImageNumber(it->first) && it->first >= 10000;
        bool unneeded = table && ((it->first - 10000) / 1000 != resolution ||
                                  (IsBackground(base) && base % 10 != backgroundChoice));
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
    else if (IsImageNumber(number))
        image =
            RenderTableImage((number - 10000) % 1000, (number - 10000) / 1000, size, imageRatio);
    return cache.emplace(number, std::move(image)).first->second;
}

platform::Surface SmallIcon() {
    return RenderIcon(16);
}

}  // namespace assets
