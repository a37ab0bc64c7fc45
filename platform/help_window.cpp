#include "platform/help_window.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/i18n.h"
#include "platform/qt_fonts.h"

namespace platform {
namespace {

const char* const PageStyle =
    "<style>"
    "body { font-family: 'IPAPGothic'; font-size: 14px; }"
    "h1 { font-size: 20px; color: #7a1f12; } h2 { font-size: 16px; color: #7a1f12; }"
    "table { border-collapse: collapse; } td, th { padding: 3px 6px; border: 1px solid #b9a98a; }"
    "th { background: #efe4cc; }"
    "</style>";

class Browser : public QTextBrowser {
  public:
    std::function<Surface(int)> image;

  protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("image") &&
            image) {
            bool ok = false;
            int number = name.path().toInt(&ok);
            if (ok) return image(number).Image();
        }
        return QTextBrowser::loadResource(type, name);
    }
};

struct HelpState {
    QWidget* window = nullptr;
    QListWidget* contents = nullptr;
    QLineEdit* search = nullptr;
    Browser* browser = nullptr;
    std::vector<HelpPage> pages;
    std::string shown;
};
HelpState help;

int PageIndex(const std::string& id) {
    for (size_t i = 0; i < help.pages.size(); ++i)
        if (help.pages[i].id == id) return static_cast<int>(i);
    return -1;
}

QString PlainText(const HelpPage& page) {
    QTextDocument doc;
    doc.setHtml(QString::fromStdString(page.html));
    return QString::fromStdString(page.title) + QLatin1Char('\n') + doc.toPlainText();
}

// The contents list shows every page, or the pages that hold the search text.
void FillContents() {
    QString query = help.search->text().trimmed();
    help.contents->clear();
    for (const HelpPage& page : help.pages) {
        if (!query.isEmpty() && !PlainText(page).contains(query, Qt::CaseInsensitive)) continue;
        auto* item = new QListWidgetItem(QString::fromStdString(page.title), help.contents);
        item->setData(Qt::UserRole, QString::fromStdString(page.id));
    }
}

void BuildWindow(const std::string& caption) {
    help.window = new QWidget(nullptr, Qt::Window);
    help.window->setWindowTitle(QString::fromStdString(caption));
    help.window->resize(860, 620);
    help.window->setFont(FontFor(Font::Dialog));
    auto* left = new QVBoxLayout;
    help.search = new QLineEdit;
    help.search->setPlaceholderText(QString::fromStdString(Tr("Help", "検索")));
    help.search->setClearButtonEnabled(true);
    help.contents = new QListWidget;
    help.contents->setFixedWidth(200);
    left->addWidget(help.search);
    left->addWidget(help.contents);
    help.browser = new Browser;
    help.browser->setOpenLinks(false);
    auto* layout = new QHBoxLayout(help.window);
    layout->addLayout(left);
    layout->addWidget(help.browser, 1);

    QObject::connect(help.search, &QLineEdit::textChanged, help.window, [] { FillContents(); });
    QObject::connect(help.contents, &QListWidget::itemClicked, help.window,
                     [](QListWidgetItem* item) {
                         ShowHelpPage(item->data(Qt::UserRole).toString().toStdString());
                     });
    QObject::connect(help.browser, &QTextBrowser::anchorClicked, help.window, [](const QUrl& url) {
        if (url.scheme() == QLatin1String("page"))
            ShowHelpPage(url.path().toStdString());
        else
            QDesktopServices::openUrl(url);
    });
}

}  // namespace

void ShowHelpWindow(const std::string& caption, const std::vector<HelpPage>& pages,
                    std::function<Surface(int)> image) {
    if (!help.window) BuildWindow(caption);
    help.pages = pages;
    help.browser->image = std::move(image);
    FillContents();
    if (help.shown.empty() || PageIndex(help.shown) < 0)
        ShowHelpPage(pages.empty() ? "" : pages[0].id);
    help.window->show();
    help.window->raise();
    help.window->activateWindow();
}

void CloseHelpWindow() {
    delete help.window;
    help = HelpState{};
}

bool HelpWindowOpen() {
    return help.window && help.window->isVisible();
}
std::string HelpWindowPage() {
    return help.shown;
}

bool ShowHelpPage(const std::string& id) {
    int index = PageIndex(id);
    if (index < 0 || !help.browser) return false;
    const HelpPage& page = help.pages[index];
    help.browser->setHtml(QString::fromUtf8(PageStyle) + QString::fromStdString(page.html));
    help.shown = id;
    for (int row = 0; row < help.contents->count(); ++row)
        if (help.contents->item(row)->data(Qt::UserRole).toString().toStdString() == id)
            help.contents->setCurrentRow(row);
    return true;
}

std::vector<std::string> SearchHelp(const std::string& text) {
    std::vector<std::string> titles;
    if (!help.search) return titles;
    help.search->setText(QString::fromStdString(text));
    for (int row = 0; row < help.contents->count(); ++row)
        titles.push_back(help.contents->item(row)->text().toStdString());
    return titles;
}

bool OpenUrl(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace platform
