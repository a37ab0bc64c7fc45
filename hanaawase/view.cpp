#include "hanaawase/view.h"

#include "cards/installed.h"

namespace {
Installed<HanaView> view;
}  // namespace

void SetHanaView(HanaView* installed) {
    view.Install(installed);
}
HanaView& CurrentHanaView() {
    return *view;
}
