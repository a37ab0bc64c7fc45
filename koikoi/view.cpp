#include "koikoi/view.h"

#include "cards/installed.h"

namespace {
Installed<KoiKoiView> view;
}  // namespace

void SetKoiKoiView(KoiKoiView* installed) {
    view.Install(installed);
}
KoiKoiView& KoiView() {
    return *view;
}
