// The start-up title picture and the program's icon.
#pragma once
#include <QImage>

namespace assets::art {

QImage TitlePicture(QSize size, double ratio = 1.0);
QImage ProgramIcon(int pixels);

}  // namespace assets::art
