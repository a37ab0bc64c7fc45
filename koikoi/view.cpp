#include "koikoi/view.h"

namespace {
KoiKoiView headlessView;
KoiKoiView* currentView = &headlessView;
}  // namespace

void SetKoiKoiView(KoiKoiView* view) {
    currentView = view ? view : &headlessView;
}
KoiKoiView& KoiView() {
    return *currentView;
}
