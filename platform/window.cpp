#include "platform/window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <map>

#include "platform/clock.h"
#include "platform/i18n.h"
#include "platform/qt_main_window.h"

namespace platform {
namespace {

class TableWidget;

struct MainWindowState {
    QMainWindow* window = nullptr;
    TableWidget* table = nullptr;
    WindowHandler* handler = nullptr;
    std::map<int, QAction*> actions;
    // Every menu entry with its source text, to show it again in another language.
    std::vector<std::pair<QAction*, std::string>> menuTexts;
    Surface screen;
    bool inPaint = false;
    bool closing = false;
    QWidget* title = nullptr;
};
MainWindowState state;

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

class TableWidget : public QWidget {
  public:
    TableWidget() {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* e) override {
        QRect r = e->rect();
        state.inPaint = true;
        if (state.handler)
            state.handler->OnPaint({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
        state.inPaint = false;
        QPainter p(this);
        p.drawImage(r.topLeft(), state.screen.Image(), r);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (state.handler) state.handler->OnMouseMove(e->position().x(), e->position().y());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (!state.handler) return;
        if (e->button() == Qt::LeftButton)
            state.handler->OnLeftButtonDown(e->position().x(), e->position().y());
        else if (e->button() == Qt::RightButton)
            state.handler->OnRightButtonDown();
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (!state.handler) return;
        Key key = Key::Other;
        switch (e->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                key = Key::Enter;
                break;
            case Qt::Key_Space:
                key = Key::Space;
                break;
            case Qt::Key_Escape:
                key = Key::Escape;
                break;
            case Qt::Key_Left:
                key = Key::Left;
                break;
            case Qt::Key_Right:
                key = Key::Right;
                break;
            default:
                QWidget::keyPressEvent(e);
                return;
        }
        state.handler->OnKeyDown(key);
    }
};

class MainWindow : public QMainWindow {
  protected:
    void closeEvent(QCloseEvent* e) override {
        if (state.closing) {
            e->accept();
            return;
        }
        e->ignore();
        if (state.handler) state.handler->OnCloseRequest();
    }
};

QString MenuText(const std::string& source) {
    return QString::fromStdString(Tr("Menu", source));
}

QMenu* AddPopup(QMenu* parent, const std::string& text) {
    QMenu* m =
        parent ? parent->addMenu(MenuText(text)) : state.window->menuBar()->addMenu(MenuText(text));
    state.menuTexts.emplace_back(m->menuAction(), text);
    return m;
}

void AddItems(QMenu* menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        switch (item.kind) {
            case MenuItem::Separator:
                menu->addSeparator();
                break;
            case MenuItem::Popup:
                AddItems(AddPopup(menu, item.text), item.items);
                break;
            case MenuItem::Command: {
                QAction* a = menu->addAction(MenuText(item.text));
                state.menuTexts.emplace_back(a, item.text);
                a->setCheckable(item.checkable);
                a->setEnabled(!item.grayed);
                int id = item.id;
                // The program keeps the check marks itself: undo Qt's own toggle.
                QObject::connect(a, &QAction::triggered, a, [a, id](bool checked) {
                    if (a->isCheckable()) a->setChecked(!checked);
                    if (state.handler) state.handler->OnCommand(id);
                });
                state.actions[id] = a;
                break;
            }
        }
    }
}

}  // namespace

bool CreateMainWindow(const std::string& caption, const std::vector<MenuItem>& menu,
                      WindowHandler* handler, int clientWidth, int clientHeight) {
    state.handler = handler;
    state.closing = false;
    state.window = new MainWindow;
    state.window->setWindowTitle(QString::fromStdString(caption));
    state.window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                                 Qt::MSWindowsFixedSizeDialogHint);
    for (const MenuItem& popup : menu) {
        AddItems(AddPopup(nullptr, popup.text), popup.items);
    }
    state.table = new TableWidget;
    state.window->setCentralWidget(state.table);
    // A change of the desktop's size re-centres the window as at start-up.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QObject::connect(screen, &QScreen::geometryChanged, state.window,
                         [] { PlaceMainWindow(state.screen.Width(), state.screen.Height()); });
    }
    state.screen = Surface(clientWidth, clientHeight);
    PlaceMainWindow(clientWidth, clientHeight);
    state.window->show();
    state.table->setFocus();
    return true;
}

void DestroyMainWindow() {
    if (!state.window) return;
    state.closing = true;
    // The request may come from inside one of the window's own handlers (a
    // menu action, the close box): the window goes off the screen and stops
    // reporting now, and its widgets are freed once control is back in the
    // loop, never under the handler that is still running.
    state.handler = nullptr;
    state.actions.clear();
    state.window->hide();
    state.window->deleteLater();
    state.window = nullptr;
    state.table = nullptr;
    state.menuTexts.clear();
}

QWidget* MainWindowWidget() {
    return state.window;
}

bool MainWindowExists() {
    return state.window != nullptr;
}

Size DesktopSize() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {1024, 768};
    return {s->geometry().width(), s->geometry().height()};
}

void PlaceMainWindow(int clientWidth, int clientHeight) {
    if (!state.window) return;
    if (state.screen.Width() != clientWidth || state.screen.Height() != clientHeight) {
        Surface bigger(clientWidth, clientHeight);
        BitBlt(bigger, 0, 0, clientWidth, clientHeight, state.screen, 0, 0);
        state.screen = bigger;
    }
    state.table->setFixedSize(clientWidth, clientHeight);
    state.window->setFixedSize(clientWidth,
                               clientHeight + state.window->menuBar()->sizeHint().height());
    // Centre the whole frame; an axis where the desktop is too small gets 0.
    QRect frame = state.window->frameGeometry();
    int extraW = frame.width() - state.window->width();
    int extraH = frame.height() - state.window->height();
    int outerW = state.window->width() + extraW, outerH = state.window->height() + extraH;
    Size desk = DesktopSize();
    int x = desk.width >= outerW ? (desk.width - outerW) / 2 : 0;
    int y = desk.height >= outerH ? (desk.height - outerH) / 2 : 0;
    state.window->move(x, y);
}

Rect MainWindowFrame() {
    if (!state.window) return {};
    QRect f = state.window->frameGeometry();
    return {f.left(), f.top(), f.right() + 1, f.bottom() + 1};
}

bool MainWindowHasFocus() {
    return state.window && state.window->isActiveWindow();
}

void GiveMainWindowFocus() {
    if (!state.window) return;
    state.window->activateWindow();
    state.table->setFocus();
}

void PresentRect(const Surface& source, const Rect& r) {
    BitBlt(state.screen, r.left, r.top, r.Width(), r.Height(), source, r.left, r.top);
    if (state.table && !state.inPaint) state.table->repaint(ToQRect(r));
}

void RepaintWindow(const Rect& r) {
    // Bring the shown pixels up to date even while the window is not exposed.
    if (state.handler && !state.inPaint) {
        state.inPaint = true;
        state.handler->OnPaint(r);
        state.inPaint = false;
    }
    if (state.table) state.table->repaint(ToQRect(r));
}

const Surface& ScreenImage() {
    return state.screen;
}

void CheckMenuItem(int id, bool checked) {
    if (auto it = state.actions.find(id); it != state.actions.end())
        it->second->setChecked(checked);
}
bool IsMenuItemChecked(int id) {
    auto it = state.actions.find(id);
    return it != state.actions.end() && it->second->isChecked();
}
void EnableMenuItem(int id, bool enabled) {
    if (auto it = state.actions.find(id); it != state.actions.end())
        it->second->setEnabled(enabled);
}
bool IsMenuItemEnabled(int id) {
    auto it = state.actions.find(id);
    return it != state.actions.end() && it->second->isEnabled();
}
void RetranslateMenu() {
    for (const auto& [action, source] : state.menuTexts) action->setText(MenuText(source));
}

std::vector<std::string> MenuTexts() {
    std::vector<std::string> texts;
    for (const auto& entry : state.menuTexts) texts.push_back(entry.first->text().toStdString());
    return texts;
}

void SendCommand(int id) {
    if (state.handler) state.handler->OnCommand(id);
}

void ShowTitleWindow(const std::string& caption, const Surface& picture) {
    auto* w = new QWidget(nullptr, Qt::Window | Qt::WindowTitleHint);
    w->setWindowTitle(QString::fromStdString(caption));
    w->setFixedSize(picture.Width(), picture.Height());
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setBrush(QPalette::Window, QPixmap::fromImage(picture.Image()));
    w->setPalette(pal);
    Size desk = DesktopSize();
    w->move((desk.width - picture.Width()) / 2, (desk.height - picture.Height()) / 2);
    w->show();
    state.title = w;
    // Let the picture reach the screen before the slow work starts.
    uint32_t start = GetTickCount();
    while (!(w->windowHandle() && w->windowHandle()->isExposed()) && GetTickCount() - start < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        WaitMs(5);
    }
    w->repaint();
}

void CloseTitleWindow() {
    delete state.title;
    state.title = nullptr;
}

void SetWindowIcon(const Surface& large, const Surface& small) {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(large.Image()));
    icon.addPixmap(QPixmap::fromImage(small.Image()));
    QApplication::setWindowIcon(icon);
}

}  // namespace platform
