// The program's help: a window with a contents list, a search box and the
// page itself. Pages link to each other with href="page:ID" and show card
// pictures with src="image:NUMBER".
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace platform {

struct HelpPage {
    std::string id;
    std::string title;
    std::string html;  // the body; the window adds the page's style
};

// Opens (or raises) the help window at the first page. `image` gives the
// picture for an image number.
void ShowHelpWindow(const std::string& caption, const std::vector<HelpPage>& pages,
                    std::function<Surface(int number)> image);
void CloseHelpWindow();
bool HelpWindowOpen();
// The page shown, by id (tests).
std::string HelpWindowPage();
// Shows a page by id; false when there is none (tests, links).
bool ShowHelpPage(const std::string& id);
// The titles of the pages that hold `text`, in contents order (tests).
std::vector<std::string> SearchHelp(const std::string& text);

// Opens an address in the desktop's browser.
bool OpenUrl(const std::string& address);

}  // namespace platform
