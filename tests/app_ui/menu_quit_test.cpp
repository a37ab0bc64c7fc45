// Quitting through the real menu bar with the keyboard, as a player does:
// Alt+G opens ゲーム, X chooses 終了, Enter answers はい. The window is taken
// down from inside the menu's own handler, so this is where freed menus
// would be written to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <string>
#include <vector>

#include "app/startup.h"
#include "core/program.h"
#include "platform/window.h"
#include "tests/app/data_dir.h"

namespace {

// Sends the keys one by one, each to the window that would have the
// keyboard at that moment: the popup menu, the message box, else the
// main window.
class KeyScript {
  public:
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        // CloseBox asks the main window to close, as its frame's close box does.
        enum Target { MainWindow, Popup, Modal, CloseBox } target;
    };
    explicit KeyScript(std::vector<Press> presses) : presses_(std::move(presses)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Next(); });
        timer_.start(20);
    }
    size_t Sent() const { return next_; }

  private:
    void Next() {
        if (next_ >= presses_.size()) {
            timer_.stop();
            return;
        }
        const Press& p = presses_[next_];
        QWidget* to = nullptr;
        switch (p.target) {
            case Press::MainWindow:
            case Press::CloseBox:
                if (!QApplication::activePopupWidget() && !QApplication::activeModalWidget() &&
                    QApplication::activeWindow() &&
                    QApplication::activeWindow()->inherits("QMainWindow"))
                    to = QApplication::activeWindow();
                break;
            case Press::Popup:
                to = QApplication::activePopupWidget();
                break;
            case Press::Modal:
                to = QApplication::activeModalWidget();
                break;
        }
        if (!to || !to->windowHandle() || !to->isVisible()) return;  // not there yet
        ++next_;
        // Delivered from its own timer: the key may open a modal loop, and
        // this script must go on ticking inside it.
        QWindow* window = to->windowHandle();
        QTimer::singleShot(0, [window, p] {
            if (p.target == Press::CloseBox)
                window->close();
            else
                QTest::keyClick(window, p.key, p.modifiers);
        });
    }

    std::vector<Press> presses_;
    size_t next_ = 0;
    QTimer timer_;
};

// Runs the whole program with the script and checks that it ended as asked.
void RunAndQuit(std::vector<KeyScript::Press> presses) {
    TestDataDir data;
    setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
    data.Write("settei.dat", "0011111000");
    const size_t count = presses.size();
    KeyScript script(std::move(presses));
    // A script that stalls must not hang the test.
    QTimer stall;
    stall.setSingleShot(true);
    QObject::connect(&stall, &QTimer::timeout, [] {
        ADD_FAILURE() << "the program never quit";
        std::_Exit(1);
    });
    stall.start(20000);
    static char name[] = "kirabo";
    char* argv[] = {name, nullptr};
    int argc = 1;
    EXPECT_EQ(RunKirabo(argc, argv), 0);
    EXPECT_EQ(script.Sent(), count);
    EXPECT_FALSE(platform::MainWindowExists());
    // The window and its menus are freed by the time the program returns.
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->inherits("QMainWindow"));
    EXPECT_EQ(data.Read("settei.dat").substr(0, 10), "0011111000");
}

using P = KeyScript::Press;

TEST(Quit, AltGThenXThenEnterOnTheMenuBarEndsTheProgramCleanly) {
    RunAndQuit({{Qt::Key_G, Qt::AltModifier, P::MainWindow},
                {Qt::Key_X, Qt::NoModifier, P::Popup},
                {Qt::Key_Return, Qt::NoModifier, P::Modal}});
}

TEST(Quit, TheCloseBoxAsksAndEndsTheProgramCleanly) {
    RunAndQuit({{Qt::Key_unknown, Qt::NoModifier, P::CloseBox},
                {Qt::Key_Return, Qt::NoModifier, P::Modal}});
}

}  // namespace
