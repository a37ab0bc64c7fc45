#include "assets/catalogue.h"

#include <map>

#include "assets/art.h"

namespace assets {

const platform::Surface& LoadImage(int number) {
    static std::map<int, platform::Surface> cache;
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
