#include "platform/dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/i18n.h"
#include "platform/qt_fonts.h"
#include "platform/qt_main_window.h"
#include "platform/window.h"

namespace platform {
namespace {

std::function<void(Dialog&, int)> dialogHook;
std::function<BoxAnswer(const std::string&, const std::string&)> messageBoxHook;

class TemplateDialog;
// The dialogs open now, innermost last: a dialog opened from another is
// owned by it.
std::vector<TemplateDialog*> openDialogs;

struct BaseUnits {
    int x, y;
};

// The old dialog manager's units: the average width of the Latin letters and
// the height of the font.
BaseUnits BaseUnitsOf(const QFont& font) {
    QFontMetrics m(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(m.horizontalAdvance(letters) / 26 + 1) / 2, m.height()};
}

class TemplateDialog : public QDialog, public Dialog {
  public:
    TemplateDialog(const DialogTemplate& tmpl, DialogProc& proc, QWidget* owner)
        : QDialog(owner), tmpl_(tmpl), proc_(proc) {
        setWindowTitle(QString::fromStdString(tmpl.caption));
        Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
        if (tmpl.closeBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        setWindowFlags(flags);
        setModal(true);
        QFont font = FontFor(tmpl.systemFont ? Font::MainWindow : Font::Dialog);
        setFont(font);
        units_ = BaseUnitsOf(font);
        setFixedSize(DuX(tmpl.width), DuY(tmpl.height));
        setMouseTracking(true);
        int group = 0;
        for (const DialogControl& c : tmpl.controls) {
            QWidget* w = MakeControl(c);
            if (c.kind == DialogControl::Radio) {
                if (c.groupStart) ++group;
                radioGroup_[c.id] = group;
            }
            w->setGeometry(DuX(c.x), DuY(c.y), DuX(c.w), DuY(c.h));
            if (c.id >= 0) controls_[c.id] = w;
            if (c.kind == DialogControl::DefaultButton) defaultId_ = c.id;
            order_.push_back(w);
            w->installEventFilter(this);
        }
    }

    // Dialog
    void CheckButton(int id, bool checked) override {
        if (auto* b = Button(id)) b->setChecked(checked);
    }
    bool IsButtonChecked(int id) const override {
        auto* b = Button(id);
        return b && b->isChecked();
    }
    void EnableItem(int id, bool enabled) override {
        if (auto it = controls_.find(id); it != controls_.end()) it->second->setEnabled(enabled);
        ShowChosen();
    }
    bool IsItemEnabled(int id) const override {
        auto it = controls_.find(id);
        return it != controls_.end() && it->second->isEnabled();
    }
    void SetFocusItem(int id) override {
        if (auto it = controls_.find(id); it != controls_.end()) it->second->setFocus();
        ShowChosen();
    }
    int FocusItem() const override { return IdOf(focusWidget()); }
    int ChosenButton() const override {
        auto* focused = dynamic_cast<QPushButton*>(focusWidget());
        if (focused && focused->isEnabled() && IdOf(focused) >= 0) return IdOf(focused);
        auto* byDefault = Button(defaultId_);
        return byDefault && byDefault->isEnabled() ? defaultId_ : -1;
    }
    void Invalidate() override { update(); }
    void End(int result) override {
        ended_ = true;
        done(result);
    }
    bool HasEnded() const override { return ended_; }
    Size ClientSize() const override { return {width(), height()}; }
    void SetClientSize(int w, int h) override {
        setFixedSize(w, h);
        Centre();
    }
    void MoveItem(int id, int x, int y, int w, int h) override {
        if (auto it = controls_.find(id); it != controls_.end())
            it->second->setGeometry(x, y, w, h);
    }
    Rect ItemRect(int id) const override {
        auto it = controls_.find(id);
        if (it == controls_.end()) return {};
        QRect g = it->second->geometry();
        return {g.left(), g.top(), g.right() + 1, g.bottom() + 1};
    }
    void Click(int id) override {
        auto* b = Button(id);
        if (b && b->isEnabled()) b->click();
    }
    Surface Snapshot() override { return Surface(grab().toImage()); }
    void SendMouseMove(int x, int y) override { proc_.OnMouseMove(*this, x, y); }
    void SendLeftButtonDown(int x, int y) override { proc_.OnLeftButtonDown(*this, x, y); }
    void SendKey(DialogKey key) override {
        const int code = CodeOf(key);
        QWidget* to = focusWidget() ? focusWidget() : this;
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, TextOf(code));
        QApplication::sendEvent(to, &press);
        if (ended_) return;
        to = focusWidget() ? focusWidget() : this;
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, TextOf(code));
        QApplication::sendEvent(to, &release);
        ShowChosen();
    }

    // Centred over the owner: the dialog that opened it, else the main window.
    void Centre() {
        Rect over = MainWindowFrame();
        if (QWidget* owner = parentWidget(); owner && owner != MainWindowWidget()) {
            QRect f = owner->frameGeometry();
            over = {f.left(), f.top(), f.right() + 1, f.bottom() + 1};
        }
        move(over.left + (over.Width() - width()) / 2, over.top + (over.Height() - height()) / 2);
    }

    int Run() {
        Centre();
        proc_.OnInit(*this);
        ShowChosen();
        if (ended_) return result();
        if (dialogHook) {
            QTimer::singleShot(0, this, [this] {
                if (dialogHook) dialogHook(*this, tmpl_.number);
            });
        }
        return exec();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        // Drawn for the dialog's screen, laid out in its logical pixels.
        Surface face(width(), height(), GetSysColor(SysColor::BtnFace), devicePixelRatioF());
        proc_.OnPaint(*this, face);
        QPainter p(this);
        p.drawImage(0, 0, face.Image());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        proc_.OnMouseMove(*this, e->position().toPoint().x(), e->position().toPoint().y());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton)
            proc_.OnLeftButtonDown(*this, e->position().toPoint().x(), e->position().toPoint().y());
    }
    void keyPressEvent(QKeyEvent* e) override {
        const DialogKey key = KeyOf(e->key());
        if (proc_.OnKeyDown(*this, key)) return;
        if (key == DialogKey::Enter) {
            PressChosen();
            return;
        }
        QDialog::keyPressEvent(e);
    }
    // Enter presses the button drawn as chosen. As with the old dialog
    // manager, Enter in a dialog without a default button is the command of
    // id 1.
    void PressChosen() {
        if (int id = ChosenButton(); id >= 0)
            Click(id);
        else if (defaultId_ < 0)
            proc_.OnCommand(*this, 1);
    }
    // The default frame follows the focus among the push buttons and
    // returns to the template's default button when the focus leaves them.
    void ShowChosen() {
        const int chosen = ChosenButton();
        for (const auto& [id, widget] : controls_)
            if (auto* button = dynamic_cast<QPushButton*>(widget)) button->setDefault(id == chosen);
    }
    // Keys reach the procedure before the control with the focus; Enter
    // then goes to the chosen button, whatever control has the focus.
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const DialogKey key = KeyOf(static_cast<QKeyEvent*>(e)->key());
            if (proc_.OnKeyDown(*this, key)) return true;
            if (key == DialogKey::Enter) {
                PressChosen();
                return true;
            }
        } else if (e->type() == QEvent::FocusIn || e->type() == QEvent::EnabledChange) {
            ShowChosen();
        }
        return QDialog::eventFilter(watched, e);
    }
    static int CodeOf(DialogKey key) {
        switch (key) {
            case DialogKey::Enter:
                return Qt::Key_Return;
            case DialogKey::Space:
                return Qt::Key_Space;
            case DialogKey::Left:
                return Qt::Key_Left;
            case DialogKey::Right:
                return Qt::Key_Right;
            case DialogKey::Up:
                return Qt::Key_Up;
            case DialogKey::Down:
                return Qt::Key_Down;
            case DialogKey::Tab:
                return Qt::Key_Tab;
            case DialogKey::Other:
                break;
        }
        return Qt::Key_A;
    }
    static QString TextOf(int code) {
        switch (code) {
            case Qt::Key_Return:
                return QStringLiteral("\r");
            case Qt::Key_Space:
                return QStringLiteral(" ");
            case Qt::Key_Tab:
                return QStringLiteral("\t");
            case Qt::Key_A:
                return QStringLiteral("a");
        }
        return {};
    }
    static DialogKey KeyOf(int key) {
        switch (key) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return DialogKey::Enter;
            case Qt::Key_Space:
                return DialogKey::Space;
            case Qt::Key_Left:
                return DialogKey::Left;
            case Qt::Key_Right:
                return DialogKey::Right;
            case Qt::Key_Up:
                return DialogKey::Up;
            case Qt::Key_Down:
                return DialogKey::Down;
            case Qt::Key_Tab:
                return DialogKey::Tab;
            default:
                return DialogKey::Other;
        }
    }
    // Esc and the close box ask the procedure with the cancel id.
    void reject() override { proc_.OnCommand(*this, 2); }
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        proc_.OnCommand(*this, 2);
    }

  private:
    int DuX(int du) const { return du * units_.x / 4; }
    int DuY(int du) const { return du * units_.y / 8; }

    int IdOf(const QWidget* w) const {
        for (const auto& [id, widget] : controls_)
            if (widget == w) return id;
        return -1;
    }

    QAbstractButton* Button(int id) const {
        auto it = controls_.find(id);
        return it == controls_.end() ? nullptr : dynamic_cast<QAbstractButton*>(it->second);
    }

    QWidget* MakeControl(const DialogControl& c) {
        QString text = QString::fromStdString(c.text);
        switch (c.kind) {
            case DialogControl::PushButton:
            case DialogControl::DefaultButton: {
                auto* b = new QPushButton(text, this);
                b->setAutoDefault(false);
                b->setDefault(c.kind == DialogControl::DefaultButton);
                int id = c.id;
                connect(b, &QPushButton::clicked, this, [this, id] { proc_.OnCommand(*this, id); });
                return b;
            }
            case DialogControl::Radio: {
                auto* r = new QRadioButton(text, this);
                r->setAutoExclusive(false);
                int id = c.id;
                connect(r, &QRadioButton::clicked, this, [this, id] {
                    // An automatic radio: checking one clears the rest of its group.
                    for (auto& [other, group] : radioGroup_)
                        if (group == radioGroup_[id]) CheckButton(other, other == id);
                    proc_.OnCommand(*this, id);
                });
                return r;
            }
            case DialogControl::GroupBox: {
                auto* g = new QGroupBox(text, this);
                g->setAlignment(Qt::AlignHCenter);
                g->lower();
                return g;
            }
            case DialogControl::Static:
                return new QLabel(text, this);
        }
        return new QWidget(this);
    }

    DialogTemplate tmpl_;
    DialogProc& proc_;
    BaseUnits units_{};
    std::map<int, QWidget*> controls_;
    std::map<int, int> radioGroup_;
    std::vector<QWidget*> order_;
    int defaultId_ = -1;
    bool ended_ = false;
};

}  // namespace

void DialogProc::OnCommand(Dialog& dialog, int) {
    dialog.End(1);
}

int DialogBox(const DialogTemplate& tmpl, DialogProc& proc) {
    QWidget* owner = openDialogs.empty() ? MainWindowWidget() : openDialogs.back();
    TemplateDialog dialog(tmpl, proc, owner);
    openDialogs.push_back(&dialog);
    const int result = dialog.Run();
    openDialogs.pop_back();
    return result;
}

BoxAnswer MessageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                     BoxIcon icon, bool overMainWindow) {
    if (messageBoxHook) return messageBoxHook(text, caption);
    // A process started by a test answers without showing anything.
    if (const char* answer = std::getenv("KIRABO_TEST_ANSWER")) {
        std::fprintf(stderr, "message box: %s: %s\n", caption.c_str(), text.c_str());
        if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
        return std::string(answer) == "no" ? BoxAnswer::No : BoxAnswer::Yes;
    }
    QMessageBox box(overMainWindow ? MainWindowWidget() : nullptr);
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    box.setFont(FontFor(Font::Dialog));
    box.setIcon(icon == BoxIcon::Question ? QMessageBox::Question
                : icon == BoxIcon::Hand   ? QMessageBox::Critical
                                          : QMessageBox::NoIcon);
    if (buttons == BoxButtons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return BoxAnswer::Ok;
    }
    QPushButton* yes =
        box.addButton(QString::fromStdString(Tr("MessageBox", "はい")), QMessageBox::YesRole);
    box.addButton(QString::fromStdString(Tr("MessageBox", "いいえ")), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes ? BoxAnswer::Yes : BoxAnswer::No;
}

namespace testing {
void SetDialogHook(std::function<void(Dialog&, int)> hook) {
    dialogHook = std::move(hook);
}
void SetMessageBoxHook(std::function<BoxAnswer(const std::string&, const std::string&)> hook) {
    messageBoxHook = std::move(hook);
}
}  // namespace testing

}  // namespace platform
