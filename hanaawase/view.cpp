#include "hanaawase/view.h"

namespace {
HanaView headlessView;
HanaView* currentView = &headlessView;
}  // namespace

void SetHanaView(HanaView* view) {
    currentView = view ? view : &headlessView;
}
HanaView& CurrentHanaView() {
    return *currentView;
}
