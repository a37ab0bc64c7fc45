// The program's one loop and the other things that reach it from outside.
#pragma once
#include <cstdint>
#include <functional>

namespace platform {

// Starts the toolkit; call once before any window, dialog or font.
void InitPlatform(int& argc, char** argv);

// The same for a command-line tool: unless QT_QPA_PLATFORM names a platform,
// it draws offscreen, so it runs without a display.
void InitToolPlatform(int& argc, char** argv);

// The application id the desktop entry, the AppStream data and the running
// window share.
inline constexpr const char* DesktopFileName = "org.kirabo.Kirabo";

// Runs until the main window is destroyed. Pending events are handled first;
// whenever none is pending and `gameRunning` says so, `step` is called once.
// While no game runs, or while the step has said it waits for input, the loop
// sleeps until the next event.
void RunMainLoop(const std::function<bool()>& gameRunning, const std::function<void()>& step);
void QuitMainLoop();

// The step function waits for the player: sleep until input or `maxMs`.
void WaitForInputHint(uint32_t maxMs);

// Runs `fn` on the main thread soon; safe to call from any thread.
void PostToMainThread(void (*fn)());

// `handler` runs on the main thread when the system asks the program to end
// (SIGTERM at logout, SIGINT, SIGHUP).
void OnTerminateRequest(std::function<void()> handler);

// Runs `fn` on the main thread after `ms` milliseconds of the loop.
void CallAfter(uint32_t ms, std::function<void()> fn);

// Handles pending events without calling the step (the title window).
void ProcessPendingEvents();

}  // namespace platform
