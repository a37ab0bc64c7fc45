// The art behind the catalogue: cards from the deck's vector source, the
// table's surfaces, glyph sheets and effects drawn by code.
#include "assets/art.h"

#include "assets/art/backgrounds.h"
#include "assets/art/card_art.h"
#include "assets/art/device.h"
#include "assets/art/panel_art.h"
#include "assets/art/table_art.h"
#include "assets/art/title_art.h"

namespace assets {

using platform::Size;
using platform::Surface;

namespace {

QImage TableImage(int base, int r, QSize s, double q) {
    using namespace art;
    static const int KoiDigitWidth[3] = {14, 17, 20};
    static const int HanaDigitWidth[3] = {12, 15, 19};
    if (base <= 48) return UprightCard(base, s, q);
    if (base >= 100 && base <= 148) return TurnedCard(base - 100, s, true, q);
    if (base >= 200 && base <= 248) return TurnedCard(base - 200, s, false, q);
    if (base >= 510 && base <= 513) return DitherMask(s, base - 510, q);
    if (base >= 700 && base <= 702) return TableBackground(s, 0, base - 700, q);
    if (base >= 710 && base <= 712) return TableBackground(s, 1, base - 710, q);
    switch (base) {
        case 300:
            return GlowStrip(s, q);
        case 301:
            return HomePageLabel(s, q);
        case 302:
            return Checkerboard(s, q);
        case 400:
            return ResultBanner(s, BannerKind::Win, q);
        case 410:
            return SweepStrip(s, q);
        case 500:
            return ResultBanner(s, BannerKind::Lose, q);
        case 600:
            return ResultBanner(s, BannerKind::Draw, q);
        case 601:
            return ResultBanner(s, BannerKind::DrawLit, q);
        case 703:
            return DigitSheet(s, 0, KoiDigitWidth[r], q);
        case 704:
            return PlateSheet(s, 0, q);
        case 705:
            return NameSheet(s, 0, q);
        case 713:
            return DigitSheet(s, 1, HanaDigitWidth[r], q);
        case 714:
            return PlateSheet(s, 1, q);
        case 715:
            return NameSheet(s, 1, q);
    }
    QImage blank(art::DeviceSize(s, q), QImage::Format_RGB32);
    blank.fill(Qt::black);
    return blank;
}

}  // namespace

Surface RenderTableImage(int base, int resolution, Size size, double ratio) {
    return Surface(TableImage(base, resolution, QSize(size.width, size.height), ratio), size,
                   ratio);
}

Surface RenderTitle(Size size, double ratio) {
    return Surface(art::TitlePicture(QSize(size.width, size.height), ratio), size, ratio);
}

Surface RenderIcon(int pixels) {
    return Surface(art::ProgramIcon(pixels));
}

}  // namespace assets
