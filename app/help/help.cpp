// The Help menu's help window and the home page.
#include "app/about.h"
#include "app/games.h"
#include "app/help/help_book.h"
#include "assets/catalogue.h"
#include "platform/help_window.h"
#include "platform/i18n.h"

#ifndef KIRABO_HOME_PAGE
#define KIRABO_HOME_PAGE ""
#endif

namespace {
// The help file's name, kept for the window's caption.
constexpr const char* HelpCaption = TrNoop("Help", "Kirabo ヘルプ (kirabohelp)");
}  // namespace

void ShowHelpTopics() {
    platform::ShowHelpWindow(platform::Tr("Help", HelpCaption), BuildHelpBook(),
                             [](int number) { return assets::LoadImage(number); });
}

void CloseHelp() {
    platform::CloseHelpWindow();
}

// With no address set at build time the About box tells who made the game.
void OpenHomePage() {
    std::string address = KIRABO_HOME_PAGE;
    if (address.empty() || !platform::OpenUrl(address)) ShowAbout();
}
