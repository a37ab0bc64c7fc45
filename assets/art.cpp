// The art behind the catalogue: cards from the deck's vector source, the
// table's surfaces, glyph sheets and effects drawn by code.
#include "assets/art.h"

#include "assets/art/backgrounds.h"
#include "assets/art/card_art.h"
#include "assets/art/panel_art.h"
#include "assets/art/table_art.h"
#include "assets/art/title_art.h"

namespace assets {

using platform::Size;
using platform::Surface;

namespace {

QImage TableImage(int base, int r, QSize s) {
    using namespace art;
    static const int KoiDigitWidth[3] = {14, 17, 20};
    static const int HanaDigitWidth[3] = {12, 15, 19};
    if (base <= 48) return UprightCard(base, s);
    if (base >= 100 && base <= 148) return TurnedCard(base - 100, s, true);
    if (base >= 200 && base <= 248) return TurnedCard(base - 200, s, false);
    if (base >= 510 && base <= 513) return DitherMask(s, base - 510);
    if (base >= 700 && base <= 702) return TableBackground(s, 0, base - 700);
    if (base >= 710 && base <= 712) return TableBackground(s, 1, base - 710);
    switch (base) {
        case 300:
            return GlowStrip(s);
        case 301:
            return HomePageLabel(s);
        case 302:
            return Checkerboard(s);
        case 400:
            return ResultBanner(s, BannerKind::Win);
        case 410:
            return SweepStrip(s);
        case 500:
            return ResultBanner(s, BannerKind::Lose);
        case 600:
            return ResultBanner(s, BannerKind::Draw);
        case 601:
            return ResultBanner(s, BannerKind::DrawLit);
        case 703:
            return DigitSheet(s, 0, KoiDigitWidth[r]);
        case 704:
            return PlateSheet(s, 0);
        case 705:
            return NameSheet(s, 0);
        case 713:
            return DigitSheet(s, 1, HanaDigitWidth[r]);
        case 714:
            return PlateSheet(s, 1);
        case 715:
            return NameSheet(s, 1);
    }
    QImage blank(s, QImage::Format_RGB32);
    blank.fill(Qt::black);
    return blank;
}

}  // namespace

Surface RenderTableImage(int base, int resolution, Size size) {
    return Surface(TableImage(base, resolution, QSize(size.width, size.height)));
}

Surface RenderTitle(Size size) {
    return Surface(art::TitlePicture(QSize(size.width, size.height)));
}

Surface RenderIcon(int pixels) {
    return Surface(art::ProgramIcon(pixels));
}

}  // namespace assets
