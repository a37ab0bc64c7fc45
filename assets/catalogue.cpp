#include "assets/catalogue.h"

#include <malloc.h>

#include <map>

#include "assets/art.h"
#include "assets/art/card_art.h"

namespace assets {
namespace {

std::map<int, platform::Surface> cache;

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
    art::ForgetMadeCards();
    // Give the freed pictures back to the system, not only to the heap.
    malloc_trim(0);
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
        image = RenderTitle(size);
    else if (number == IconImage)
        image = RenderIcon(size.width);
    else if (IsImageNumber(number))
        image = RenderTableImage((number - 10000) % 1000, (number - 10000) / 1000, size);
    return cache.emplace(number, std::move(image)).first->second;
}

platform::Surface SmallIcon() {
    return RenderIcon(16);
}

}  // namespace assets
