// The table's effect pictures: glow frames, home-page label, masks, banners.
#pragma once
#include <QImage>

namespace assets::art {

QImage GlowStrip(QSize size);
QImage HomePageLabel(QSize size);
QImage Checkerboard(QSize size);
enum class BannerKind { Win, Lose, Draw, DrawLit };
QImage ResultBanner(QSize size, BannerKind kind);
QImage SweepStrip(QSize size);
// level 0..3: white on 1/8, 1/2, 7/8 or all of the pixels.
QImage DitherMask(QSize size, int level);

}  // namespace assets::art
