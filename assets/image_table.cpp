#include <array>

#include "assets/catalogue.h"

namespace assets {
namespace {

using Sizes = std::array<platform::Size, 3>;

struct Entry {
    int first, last;  // range of base numbers
    Sizes sizes;      // 640x480, 800x600, 1024x768
    bool mask;        // a 1-bit image
};

constexpr Sizes Upright = {{{49, 81}, {62, 102}, {80, 132}}};
constexpr Sizes Turned = {{{81, 49}, {102, 62}, {132, 80}}};
constexpr Sizes Table = {{{632, 434}, {792, 554}, {1016, 722}}};
constexpr Sizes Banner = {{{480, 98}, {600, 122}, {768, 156}}};

// One row per catalogue entry.
constexpr Entry Entries[] = {
    {0, 48, Upright, false},                                     // faces and back, upright
    {100, 148, Turned, false},                                   // turned anticlockwise
    {200, 248, Turned, false},                                   // turned clockwise
    {300, 300, {{{330, 87}, {420, 110}, {540, 142}}}, false},    // glow strip, 6 cells
    {301, 301, {{{122, 15}, {157, 18}, {244, 27}}}, false},      // home-page label
    {302, 302, Table, false},                                    // darkening checkerboard
    {400, 400, Banner, false},                                   // win banner
    {410, 410, {{{1156, 98}, {1444, 122}, {1848, 156}}}, true},  // sweep strip
    {500, 500, Banner, false},                                   // lose banner
    {510, 513, Banner, true},                                    // dither masks
    {600, 601, {{{320, 98}, {400, 122}, {512, 156}}}, false},    // draw banner, two frames
    {700, 702, Table, false},                                    // Koi-Koi backgrounds
    {703, 703, {{{160, 108}, {194, 132}, {229, 162}}}, false},   // Koi-Koi digits and 文
    {704, 704, {{{420, 122}, {522, 148}, {666, 188}}}, false},   // Koi-Koi 親/子 plates
    {705, 705, {{{159, 72}, {192, 88}, {243, 108}}}, false},     // Koi-Koi name labels
    {710, 712, Table, false},                                    // Hana-awase backgrounds
    {713, 713, {{{162, 108}, {204, 138}, {259, 180}}}, false},   // Hana-awase digits and 点
    {714, 714, {{{420, 122}, {522, 148}, {666, 188}}}, false},   // Hana-awase plates
    {715, 715, {{{153, 72}, {195, 92}, {252, 120}}}, false},     // Hana-awase name labels
};

const Entry* Find(int number, int& resolution) {
    if (number < 10000 || number >= 13000) return nullptr;
    resolution = (number - 10000) / 1000;
    int base = (number - 10000) % 1000;
    for (const Entry& e : Entries)
        if (base >= e.first && base <= e.last) return &e;
    return nullptr;
}

}  // namespace

bool IsImageNumber(int number) {
    int r;
    return number == TitleImage || number == IconImage || Find(number, r) != nullptr;
}

platform::Size ImageSize(int number) {
    if (number == TitleImage) return {320, 240};
    if (number == IconImage) return {32, 32};
    int r;
    const Entry* e = Find(number, r);
    return e ? e->sizes[r] : platform::Size{};
}

bool IsMaskImage(int number) {
    int r;
    const Entry* e = Find(number, r);
    return e && e->mask;
}

std::vector<int> AllImageNumbers() {
    std::vector<int> numbers = {TitleImage, IconImage};
    for (int r = 0; r < 3; ++r)
        for (const Entry& e : Entries)
            for (int base = e.first; base <= e.last; ++base) numbers.push_back(TableImage(base, r));
    return numbers;
}

}  // namespace assets
