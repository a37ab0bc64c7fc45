#include "app/language.h"

#include <cstdlib>
#include <string_view>

#include "app/games.h"
#include "app/preferences.h"
#include "assets/catalogue.h"
#include "assets/menu.h"
#include "core/program.h"
#include "display/display.h"
#include "platform/help_window.h"
#include "platform/window.h"

namespace {

bool IsSet(const char* value) {
    return value && *value;
}

bool IsPlainLocale(std::string_view locale) {
    // "C.UTF-8" and the like are the plain locale with an encoding.
    std::string_view name = locale.substr(0, locale.find('.'));
    return name == "C" || name == "POSIX";
}

platform::Language LanguageOf(std::string_view name) {
    return name.substr(0, 2) == "ja" ? platform::Language::Japanese : platform::Language::English;
}

}  // namespace

platform::Language LocaleLanguage(const char* language, const char* lcAll, const char* lcMessages,
                                  const char* lang) {
    const char* locale = IsSet(lcAll) ? lcAll : IsSet(lcMessages) ? lcMessages : lang;
    // As the C library does, LANGUAGE counts only over a real locale.
    if (!IsSet(locale) || IsPlainLocale(locale)) return platform::Language::Japanese;
    if (IsSet(language)) {
        std::string_view first(language);
        return LanguageOf(first.substr(0, first.find(':')));
    }
    return LanguageOf(locale);
}

platform::Language ChosenLanguage() {
    switch (languageChoice) {
        case 1:
            return platform::Language::Japanese;
        case 2:
            return platform::Language::English;
    }
    return LocaleLanguage(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                          std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

void ApplyLanguage() {
    platform::SetLanguage(ChosenLanguage());
    platform::RetranslateMenu();
    for (int i = 0; i < 3; ++i)
        platform::CheckMenuItem(cmd::LanguageAutomatic + i, i == languageChoice);
}

void ChooseLanguage(int choice) {
    languageChoice = choice;
    SavePreferences();
    ApplyLanguage();
    // The table's lettering is drawn again in the language chosen.
    assets::ForgetLetteredImages();
    homePageLabel = &assets::LoadImage(assets::TableImage(301, resolution));
    if (gameState != -1) RebuildGameTable();
    // An open help window shows its page again in the new language.
    if (platform::HelpWindowOpen()) {
        const std::string page = platform::HelpWindowPage();
        CloseHelp();
        ShowHelpTopics();
        platform::ShowHelpPage(page);
    }
    platform::RepaintWindow({0, 0, ClientWidth[resolution], ClientHeight[resolution]});
}
