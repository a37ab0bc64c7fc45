// Quitting through the real menu bar with the keyboard, as a player does:
// Alt+G opens ゲーム, X chooses 終了, Tab and Enter answer いいえ, Enter alone
// はい. The window is taken down from inside the menu's own handler, so this
// is where freed menus would be written to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
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

// A key for the window that has the keyboard at that moment: the popup
// menu, the message box, else the main window. CloseBox asks the main window
// to close, as its frame's close box does.
struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    enum Target { MainWindow, Popup, Modal, CloseBox } target;
};

QWidget* TargetOf(const Press& p) {
    switch (p.target) {
        case Press::Popup:
            return QApplication::activePopupWidget();
        case Press::Modal:
            return QApplication::activeModalWidget();
        default:
            if (QApplication::activePopupWidget() || QApplication::activeModalWidget())
                return nullptr;
            // When a box closes, the offscreen desktop does not give the
            // keyboard back to the window: it is handed back here, as a
            // window manager would.
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->inherits("QMainWindow") && w != QApplication::activeWindow())
                    w->activateWindow();
            QWidget* w = QApplication::activeWindow();
            return w && w->inherits("QMainWindow") ? w : nullptr;
    }
}

// Runs the whole program, sending the keys one by one as their windows come
// up, and checks that it ended as asked.
void RunAndQuit(const std::vector<Press>& presses) {
    TestDataDir data;
    setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
    data.Write("settei.dat", "0011111000");
    size_t sent = 0;
    QTimer script;
    QObject::connect(&script, &QTimer::timeout, [&] {
        if (sent >= presses.size()) {
            script.stop();
            return;
        }
        const Press p = presses[sent];
        QWidget* to = TargetOf(p);
        if (!to || !to->windowHandle() || !to->isVisible()) return;  // not there yet
        ++sent;
        if (p.target == Press::Modal) {
            // The quit question, in a box owned by the main window (which
            // centres it over the window).
            auto* box = qobject_cast<QMessageBox*>(to);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text().toStdString(), "終了してもよろしいですか？");
            EXPECT_TRUE(box->parentWidget() && box->parentWidget()->inherits("QMainWindow"));
        }
        // Delivered from its own timer: the key may open a modal loop, and
        // this script must go on ticking inside it.
        QWindow* window = to->windowHandle();
        QTimer::singleShot(0, [window, p] {
            if (p.target == Press::CloseBox)
                window->close();
            else
                QTest::keyClick(window, p.key, p.modifiers);
        });
    });
    script.start(20);
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
    EXPECT_EQ(sent, presses.size());
    EXPECT_FALSE(platform::MainWindowExists());
    // The window and its menus are freed by the time the program returns.
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->inherits("QMainWindow"));
    EXPECT_EQ(data.Read("settei.dat").substr(0, 10), "0011111000");
}

// Tab and Enter answer いいえ and play goes on; Enter alone ends the program.
TEST(Quit, TheMenuBarsExitAndTheCloseBoxAskAndEndTheProgramCleanly) {
    const Press altG{Qt::Key_G, Qt::AltModifier, Press::MainWindow},
        x{Qt::Key_X, Qt::NoModifier, Press::Popup}, tab{Qt::Key_Tab, Qt::NoModifier, Press::Modal},
        enter{Qt::Key_Return, Qt::NoModifier, Press::Modal},
        closeBox{Qt::Key_unknown, Qt::NoModifier, Press::CloseBox};
    RunAndQuit({altG, x, tab, enter, altG, x, enter});
    RunAndQuit({closeBox, enter});
}

}  // namespace
