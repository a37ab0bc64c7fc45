// The help's pages, in contents order. Plain text and HTML only; the yaku
// tables are made from the games' own tables.
#pragma once
#include <string>
#include <vector>

#include "platform/help_window.h"

// In the language chosen: the English pages are written apart, as a
// translated book is, with the same ids.
std::vector<platform::HelpPage> BuildHelpBook();

// Each page's parts, one file a subject.
std::string HelpIntroPage();
std::string HelpCardsPage();
std::string HelpKoiKoiPage();
std::string HelpKoiKoiYakuPage();
std::string HelpHanaAwasePage();
std::string HelpHanaAwaseYakuPage();
std::string HelpControlsPage();
std::string HelpMenuPage();
std::string HelpFilesPage();
std::string HelpCreditsPage();
std::string HelpIntroPageEnglish();
std::string HelpCardsPageEnglish();
std::string HelpKoiKoiPageEnglish();
std::string HelpKoiKoiYakuPageEnglish();
std::string HelpHanaAwasePageEnglish();
std::string HelpHanaAwaseYakuPageEnglish();
std::string HelpControlsPageEnglish();
std::string HelpMenuPageEnglish();
std::string HelpFilesPageEnglish();
std::string HelpCreditsPageEnglish();

// A card's picture for a help page: <img src="image:N"> of the 640x480 set.
std::string CardImage(int card);

// The 光 cards and the other named cards, as the help writes them.
const char* CardName(int card);
