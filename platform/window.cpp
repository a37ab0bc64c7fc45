#include "platform/window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
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
    // The picture last presented: the window paints from it, at the ratio
    // it was drawn at. The program's table surfaces live as long as it does.
    const Surface* shown = nullptr;
    // The table's size in table pixels.
    int tableWidth = 0, tableHeight = 0;
    bool inPaint = false;
    bool presentsHeld = false;
    bool closing = false;
    bool fullScreen = false;  // wished before the window exists
    QColor surround = Qt::black;
    // The ratio last reported to the handler, so a change is told once.
    double reportedRatio = 0;
    QTimer* ratioCheck = nullptr;
    QWidget* title = nullptr;
};
MainWindowState state;

// A scaled table's ratio is kept to 1/64ths: the sizes it gives are exact.
double Quantized(double ratio) {
    return std::floor(ratio * 64.0) / 64.0;
}

// The ratio for a table shown in `area` logical pixels at device pixel
// ratio `dpr`: scaled up to fit when the area is larger than the table.
double RatioFor(QSizeF area, int tableWidth, int tableHeight, double dpr) {
    if (tableWidth <= 0 || tableHeight <= 0) return dpr;
    const double scale = std::min(area.width() / tableWidth, area.height() / tableHeight);
    if (scale <= 1.0) return dpr;
    return std::max(dpr, Quantized(dpr * scale));
}

// Where the table lies in the widget, in device pixels.
struct View {
    double dpr, ratio;
    int left, top, width, height;  // the table's device rectangle
    int widgetWidth, widgetHeight;
};

class TableWidget : public QWidget {
  public:
    TableWidget() {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    View CurrentView() const {
        View v;
        v.dpr = devicePixelRatioF();
        v.ratio = RatioFor(QSizeF(size()), state.tableWidth, state.tableHeight, v.dpr);
        v.widgetWidth = static_cast<int>(std::lround(width() * v.dpr));
        v.widgetHeight = static_cast<int>(std::lround(height() * v.dpr));
        v.width = DeviceEdge(state.tableWidth, v.ratio);
        v.height = DeviceEdge(state.tableHeight, v.ratio);
        v.left = std::max(0, (v.widgetWidth - v.width) / 2);
        v.top = std::max(0, (v.widgetHeight - v.height) / 2);
        return v;
    }

    // The table pixel under a point of the widget.
    QPoint TablePoint(QPointF at) const {
        const View v = CurrentView();
        const int x = static_cast<int>(std::floor(at.x() * v.dpr)) - v.left;
        const int y = static_cast<int>(std::floor(at.y() * v.dpr)) - v.top;
        return {LogicalPixelAt(x, v.ratio), LogicalPixelAt(y, v.ratio)};
    }

    // The widget's own rectangle that shows table rectangle `r`.
    QRect WidgetRect(const Rect& r) const {
        const View v = CurrentView();
        const double left = v.left + DeviceEdge(r.left, v.ratio);
        const double top = v.top + DeviceEdge(r.top, v.ratio);
        const double right = v.left + DeviceEdge(r.right, v.ratio);
        const double bottom = v.top + DeviceEdge(r.bottom, v.ratio);
        const int x0 = static_cast<int>(std::floor(left / v.dpr));
        const int y0 = static_cast<int>(std::floor(top / v.dpr));
        const int x1 = static_cast<int>(std::ceil(right / v.dpr));
        const int y1 = static_cast<int>(std::ceil(bottom / v.dpr));
        return QRect(x0, y0, x1 - x0, y1 - y0);
    }

    void ScheduleRatioCheck(int ms) {
        if (state.ratioCheck) state.ratioCheck->start(ms);
    }

  protected:
    void paintEvent(QPaintEvent* e) override {
        const View v = CurrentView();
        const QRect r = e->rect();
        // The table pixels under the rectangle to paint.
        const int x0 =
            LogicalPixelAt(static_cast<int>(std::floor(r.left() * v.dpr)) - v.left, v.ratio);
        const int y0 =
            LogicalPixelAt(static_cast<int>(std::floor(r.top() * v.dpr)) - v.top, v.ratio);
        const int x1 =
            LogicalPixelAt(static_cast<int>(std::ceil((r.right() + 1) * v.dpr)) - 1 - v.left,
                           v.ratio) +
            1;
        const int y1 =
            LogicalPixelAt(static_cast<int>(std::ceil((r.bottom() + 1) * v.dpr)) - 1 - v.top,
                           v.ratio) +
            1;
        const Rect wanted = {std::max(x0, 0), std::max(y0, 0), std::min(x1, state.tableWidth),
                             std::min(y1, state.tableHeight)};
        state.inPaint = true;
        if (state.handler && wanted.left < wanted.right && wanted.top < wanted.bottom)
            state.handler->OnPaint(wanted);
        state.inPaint = false;
        if (state.shown && v.ratio != state.shown->Ratio() && v.ratio != state.reportedRatio)
            ScheduleRatioCheck(0);

        QPainter p(this);
        // Device pixels from here on: the table is copied pixel for pixel.
        p.setWorldTransform(QTransform::fromScale(1 / v.dpr, 1 / v.dpr));
        const QRect table(v.left, v.top, v.width, v.height);
        const QRect all(0, 0, std::max(v.widgetWidth, v.left + v.width),
                        std::max(v.widgetHeight, v.top + v.height));
        for (const QRect& margin : (QRegion(all) - QRegion(table)))
            p.fillRect(margin, state.surround);
        if (!state.shown || state.shown->IsEmpty()) return;
        const QImage& shown = state.shown->Image();
        // The same pixels without the ratio, so the painter takes them as they are.
        const QImage pixels(shown.constBits(), shown.width(), shown.height(), shown.bytesPerLine(),
                            shown.format());
        if (state.shown->Ratio() == v.ratio && state.shown->Width() == state.tableWidth &&
            state.shown->Height() == state.tableHeight) {
            p.drawImage(table.topLeft(), pixels);
        } else {
            // Until the pictures are drawn again at the new ratio.
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(table, pixels);
        }
    }
    void resizeEvent(QResizeEvent*) override {
        // A maximised or full-screen window is drawn again at once; a window
        // dragged larger once it rests.
        const Qt::WindowStates s = window()->windowState();
        ScheduleRatioCheck(s & (Qt::WindowMaximized | Qt::WindowFullScreen) ? 0 : 150);
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ScreenChangeInternal) ScheduleRatioCheck(0);
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        if (e->type() == QEvent::DevicePixelRatioChange) ScheduleRatioCheck(0);
#endif
        return QWidget::event(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!state.handler) return;
        const QPoint at = TablePoint(e->position());
        state.handler->OnMouseMove(at.x(), at.y());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (!state.handler) return;
        if (e->button() == Qt::LeftButton) {
            const QPoint at = TablePoint(e->position());
            state.handler->OnLeftButtonDown(at.x(), at.y());
        } else if (e->button() == Qt::RightButton) {
            state.handler->OnRightButtonDown();
        }
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

// Tells the handler when the window's ratio for the table has changed.
void CheckRatio() {
    if (!state.table || !state.handler) return;
    const double ratio = state.table->CurrentView().ratio;
    if (state.shown && ratio == state.shown->Ratio()) {
        state.reportedRatio = ratio;
        return;
    }
    if (ratio == state.reportedRatio) return;  // told already
    state.reportedRatio = ratio;
    state.handler->OnPixelRatioChange();
}

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
                if (!item.shortcut.empty())
                    a->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
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
                                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                 Qt::WindowCloseButtonHint);
    for (const MenuItem& popup : menu) {
        AddItems(AddPopup(nullptr, popup.text), popup.items);
    }
    state.table = new TableWidget;
    state.window->setCentralWidget(state.table);
    state.ratioCheck = new QTimer(state.window);
    state.ratioCheck->setSingleShot(true);
    QObject::connect(state.ratioCheck, &QTimer::timeout, state.window, [] { CheckRatio(); });
    // A change of the desktop's size re-centres the window as at start-up.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QObject::connect(screen, &QScreen::geometryChanged, state.window,
                         [] { PlaceMainWindow(state.tableWidth, state.tableHeight); });
    }
    state.shown = nullptr;
    state.reportedRatio = 0;
    PlaceMainWindow(clientWidth, clientHeight);
    if (state.fullScreen)
        state.window->showFullScreen();
    else
        state.window->show();
    // Another screen may have another ratio.
    if (QWindow* w = state.window->windowHandle())
        QObject::connect(w, &QWindow::screenChanged, state.window,
                         [] { state.table->ScheduleRatioCheck(0); });
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
    state.ratioCheck = nullptr;
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

double ScreenPixelRatio() {
    QScreen* s = state.window && state.window->screen() ? state.window->screen()
                                                        : QGuiApplication::primaryScreen();
    return s ? s->devicePixelRatio() : 1.0;
}

double TablePixelRatio(int tableWidth, int tableHeight) {
    if (!state.window) {
        if (!state.fullScreen) return ScreenPixelRatio();
        QScreen* s = QGuiApplication::primaryScreen();
        if (!s) return 1.0;
        // The menu bar's height as a bar in the program's font would have it.
        QMenuBar probe;
        probe.addMenu(QStringLiteral("X"));
        QSizeF area = s->geometry().size() - QSize(0, probe.sizeHint().height());
        return RatioFor(area, tableWidth, tableHeight, s->devicePixelRatio());
    }
    const double dpr = state.table->devicePixelRatioF();
    if (state.window->isFullScreen()) {
        // The window may not have reached the screen's size yet.
        QScreen* s = state.window->screen();
        QSizeF area = s ? QSizeF(s->geometry().size() -
                                 QSize(0, state.window->menuBar()->sizeHint().height()))
                        : QSizeF(state.table->size());
        return RatioFor(area, tableWidth, tableHeight, dpr);
    }
    return RatioFor(QSizeF(state.table->size()), tableWidth, tableHeight, dpr);
}

void PlaceMainWindow(int clientWidth, int clientHeight) {
    if (!state.window) return;
    state.tableWidth = clientWidth;
    state.tableHeight = clientHeight;
    state.table->setMinimumSize(clientWidth, clientHeight);
    const Qt::WindowStates s = state.window->windowState();
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        state.table->update();
        return;
    }
    state.window->resize(clientWidth, clientHeight + state.window->menuBar()->sizeHint().height());
    // The layout would give the table this size later; the ratio for it is
    // asked for now.
    state.table->resize(clientWidth, clientHeight);
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

void SetFullScreen(bool on) {
    state.fullScreen = on;
    if (!state.window || on == state.window->isFullScreen()) return;
    if (on) {
        state.window->showFullScreen();
    } else {
        state.window->showNormal();
        PlaceMainWindow(state.tableWidth, state.tableHeight);
    }
    state.table->setFocus();
}

bool IsFullScreen() {
    return state.window ? state.window->isFullScreen() : state.fullScreen;
}

void SetSurround(const Surface& background) {
    const QImage& image = background.Image();
    if (image.isNull()) return;
    long long r = 0, g = 0, b = 0, n = 0;
    auto add = [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        r += qRed(c), g += qGreen(c), b += qBlue(c), ++n;
    };
    for (int x = 0; x < image.width(); ++x) add(x, 0), add(x, image.height() - 1);
    for (int y = 1; y + 1 < image.height(); ++y) add(0, y), add(image.width() - 1, y);
    state.surround =
        QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
    if (state.table) state.table->update();
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
    // The window paints at once, from the source itself: the pixels it
    // takes are those presented. Qt's own copy of the window is the screen.
    state.shown = &source;
    if (state.table && !state.inPaint && !state.presentsHeld)
        state.table->repaint(state.table->WidgetRect(r));
}

void HoldPresents(bool hold) {
    if (state.presentsHeld == hold) return;
    state.presentsHeld = hold;
    if (!hold && state.table) state.table->repaint();
}

void RepaintWindow(const Rect& r) {
    // Bring the shown pixels up to date even while the window is not exposed.
    if (state.handler && !state.inPaint) {
        state.inPaint = true;
        state.handler->OnPaint(r);
        state.inPaint = false;
    }
    if (state.table) state.table->repaint(state.table->WidgetRect(r));
}

const Surface& ScreenImage() {
    static const Surface none;
    return state.shown ? *state.shown : none;
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

namespace testing {

void MovePointer(double x, double y) {
    if (!state.table) return;
    const QPointF at(x, y);
    QMouseEvent move(QEvent::MouseMove, at, state.table->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(state.table, &move);
}

void PressPointer(double x, double y) {
    if (!state.table) return;
    const QPointF at(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, at, state.table->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(state.table, &press);
}

TableView CurrentTableView() {
    if (!state.table) return {0, 0, 1.0, 1.0};
    const View v = state.table->CurrentView();
    return {v.left, v.top, v.ratio, v.dpr};
}

}  // namespace testing

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
