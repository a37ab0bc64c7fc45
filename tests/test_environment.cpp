// Every test program runs headless, silent and in the plain locale (so the
// program speaks Japanese), whatever the shell that started it had set. Done
// before main so the toolkit and the audio library read it when they start.
#include <cstdlib>
#include <initializer_list>

namespace {

[[maybe_unused]] const bool environmentReady = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("LANG", "C.UTF-8", 1);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) unsetenv(name);
    return true;
}();

}  // namespace
