#include "platform/i18n.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace platform {
namespace {

Language current = Language::Japanese;
std::unique_ptr<QTranslator> translator;

}  // namespace

void SetLanguage(Language language) {
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
    current = Language::Japanese;
    if (language == Language::Japanese) return;
    auto english = std::make_unique<QTranslator>();
    // Built into the program; a failure leaves the program in Japanese.
    if (!english->load(QStringLiteral(":/i18n/kirabo_en.qm"))) return;
    QCoreApplication::installTranslator(english.get());
    translator = std::move(english);
    current = language;
}

Language CurrentLanguage() {
    return current;
}

std::string Tr(const char* context, const char* text) {
    if (current == Language::Japanese) return text;
    return QCoreApplication::translate(context, text).toStdString();
}

std::string WithArg(const std::string& text, const std::string& value) {
    std::string result = text;
    const auto at = result.find("%1");
    if (at != std::string::npos) result.replace(at, 2, value);
    return result;
}

}  // namespace platform
