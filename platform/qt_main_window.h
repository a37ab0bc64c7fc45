// Inside the platform layer: the widget of the main window, the owner of
// message boxes and dialogs.
#pragma once
#include <QWidget>

namespace platform {
// Null before the window is made and after it is destroyed.
QWidget* MainWindowWidget();
}  // namespace platform
