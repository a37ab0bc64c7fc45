#include "platform/event_loop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "platform/window.h"

namespace {

class NoInput : public platform::WindowHandler {
  public:
    void OnPaint(const platform::Rect&) override {}
    void OnMouseMove(int, int) override {}
    void OnLeftButtonDown(int, int) override {}
    void OnRightButtonDown() override {}
    void OnKeyDown(platform::Key) override {}
    void OnCommand(int) override {}
    void OnCloseRequest() override {}
};

}  // namespace

// While a menu is pulled down the game is held; it goes on once the menu
// closes.
TEST(MainLoop, NoStepRunsWhileAMenuIsOpen) {
    NoInput handler;
    platform::CreateMainWindow("Kirabo", {}, &handler, 200, 100);
    QMenu menu;
    menu.addAction(QStringLiteral("項目"));
    int steps = 0, stepsWhileOpen = 0;
    bool opened = false;
    QTimer::singleShot(50, [&] {
        menu.popup(QPoint(10, 10));
        opened = QApplication::activePopupWidget() == &menu;
    });
    QTimer::singleShot(250, [&] { menu.hide(); });
    QTimer::singleShot(400, [] { platform::QuitMainLoop(); });
    platform::RunMainLoop([] { return true; },
                          [&] {
                              ++steps;
                              if (QApplication::activePopupWidget()) ++stepsWhileOpen;
                          });
    EXPECT_TRUE(opened);
    EXPECT_EQ(stepsWhileOpen, 0);
    EXPECT_GT(steps, 0);
    platform::DestroyMainWindow();
}
