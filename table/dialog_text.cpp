#include "table/dialog_text.h"

#include <utility>

namespace table::testing {
namespace {
WrittenTextHook& Hook() {
    static WrittenTextHook hook;
    return hook;
}
}  // namespace

void SetWrittenTextHook(WrittenTextHook hook) {
    Hook() = std::move(hook);
}

void ReportWrittenText(std::string_view text, int x, int y) {
    if (!Hook()) return;
    const platform::Size extent = platform::TextExtent(text, platform::Font::MainWindow);
    Hook()(text, {x, y, x + extent.width, y + extent.height});
}

}  // namespace table::testing
