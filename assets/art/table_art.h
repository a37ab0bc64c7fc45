// The table's effect pictures: glow frames, home-page label, masks, banners.
#pragma once
#include <QImage>

namespace assets::art {

// Each is `size` logical pixels drawn at `ratio`.
QImage GlowStrip(QSize size, double ratio = 1.0);
QImage HomePageLabel(QSize size, double ratio = 1.0);
QImage Checkerboard(QSize size, double ratio = 1.0);
enum class BannerKind { Win, Lose, Draw, DrawLit };
QImage ResultBanner(QSize size, BannerKind kind, double ratio = 1.0);
QImage SweepStrip(QSize size, double ratio = 1.0);
// level 0..3: white on 1/8, 1/2, 7/8 or all of the pixels.
QImage DitherMask(QSize size, int level, double ratio = 1.0);

}  // namespace assets::art
