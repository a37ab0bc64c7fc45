#include "platform/event_loop.h"

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>

namespace platform {
namespace {

QApplication* application = nullptr;
bool quitRequested = false;
int waitHintMs = -1;
QTimer* wakeTimer = nullptr;

int signalPipe[2] = {-1, -1};
std::function<void()> terminateHandler;

void OnSignal(int) {
    char byte = 1;
    [[maybe_unused]] ssize_t n = write(signalPipe[1], &byte, 1);
}

}  // namespace

// fontconfig keeps caches for the life of the process that nobody frees;
// those are the system's, not leaks of ours. Every program that starts the
// toolkit comes through here, so the sanitizer build learns it once.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
#endif

void InitPlatform(int& argc, char** argv) {
    if (application) return;
    // Pictures come and go whole at every change of size or screen: each one
    // gets pages of its own, given back to the system when it goes, instead
    // of a heap that only grows.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    application = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Ties the window to its launcher: docks group it under the entry's icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileName));
    wakeTimer = new QTimer(application);
    wakeTimer->setSingleShot(true);
}

void InitToolPlatform(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    InitPlatform(argc, argv);
}

void RunMainLoop(const std::function<bool()>& gameRunning, const std::function<void()>& step) {
    quitRequested = false;
    while (!quitRequested) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (quitRequested) break;
        // A pulled-down menu holds the game as a modal loop would: nothing
        // is played under it.
        if (!gameRunning() || QApplication::activePopupWidget()) {
            waitHintMs = -1;
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
            continue;
        }
        if (waitHintMs >= 0) {
            // The game waits for the player: sleep until input or its next tick.
            wakeTimer->start(waitHintMs);
            waitHintMs = -1;
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
            continue;
        }
        step();
    }
    // What was destroyed during the last handlers goes now that none runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QuitMainLoop() {
    quitRequested = true;
    if (auto* d = QAbstractEventDispatcher::instance()) d->wakeUp();
}

void WaitForInputHint(uint32_t maxMs) {
    waitHintMs = static_cast<int>(std::min(maxMs, 1000u));
}

void PostToMainThread(void (*fn)()) {
    if (application) QMetaObject::invokeMethod(application, fn, Qt::QueuedConnection);
}

void OnTerminateRequest(std::function<void()> handler) {
    terminateHandler = std::move(handler);
    if (signalPipe[0] >= 0) return;
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, application);
    QObject::connect(notifier, &QSocketNotifier::activated, application, [] {
        char buf[16];
        while (read(signalPipe[0], buf, sizeof buf) > 0) {
        }
        if (terminateHandler) terminateHandler();
    });
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
}

void CallAfter(uint32_t ms, std::function<void()> fn) {
    QTimer::singleShot(static_cast<int>(ms), application, std::move(fn));
}

void ProcessPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace platform
