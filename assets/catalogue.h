// Every numbered image of the program, obtained by number at exactly its
// catalogued size.
//
// Table images come in three sets, one per resolution: number = 10000 +
// 1000 x resolution + base. Image 1 (the title) stands alone.
#pragma once
#include <cstddef>
#include <vector>

#include "platform/surface.h"

namespace assets {

constexpr int TitleImage = 1;
constexpr int IconImage = 224;  // 32x32; SmallIcon() gives the 16x16 one

constexpr int TableImage(int base, int resolution) {
    return 10000 + 1000 * resolution + base;
}

bool IsImageNumber(int number);
platform::Size ImageSize(int number);
// True for the 1-bit images, which hold only black and white.
bool IsMaskImage(int number);

// Renders the image once and keeps it. Its size is logical; it is drawn at
// the current image ratio.
const platform::Surface& LoadImage(int number);
// Device pixels to a logical pixel for the images made from now on (1 until
// set). A new ratio lets go of every image made at the old one: a reference
// to any of them is no longer valid.
void SetImageRatio(double ratio);
double ImageRatio();
// Draws the 48 faces and the back of a resolution, several at once, and
// meanwhile, in a thread of their own, the other table images of the given
// bases (none of them a turned card), so that loading them next is quick.
void PrepareTableImages(int resolution, const std::vector<int>& otherBases = {});
// Lets go of the table images of the other sizes, backgrounds and game
// (0 Koi-Koi, 1 Hana-awase, whose alone are the turned card sets): a
// reference to any of them is no longer valid.
void KeepOnlyImagesFor(int resolution, int backgroundChoice, int game);
size_t KeptImageCount();
// Lets go of the table images lettered in a language (names, plates, units,
// banners, the home-page label) so that they are drawn again in the
// language now chosen: a reference to any of them is no longer valid.
void ForgetLetteredImages();
platform::Surface SmallIcon();

// Every image number: the title, the icon and all three table sets.
std::vector<int> AllImageNumbers();

}  // namespace assets
