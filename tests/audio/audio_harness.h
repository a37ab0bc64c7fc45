// Headless sound for tests: SDL's disk driver writing to /dev/null as fast as
// the processor allows, with every block the device plays kept for measuring,
// and the end-of-tune notices queued for the test to deliver, as the window
// program delivers them on its main thread.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Sets the driver up; call before InitAudio.
void UseFastDiskDriver();

// Runs `action`, then returns the interleaved stereo samples of the
// `seconds` the device plays after it returned (waiting for the audio thread
// to render them). The device mixes each block under a lock that every call
// into the mixer takes, so what is heard after the action has returned was
// mixed with its effect in place.
std::vector<int16_t> HearAfter(const std::function<void()>& action, double seconds);

// Notices posted by the audio thread and not delivered yet.
int PendingNotices();
// Waits until the audio thread has posted a notice; false after a long while.
bool WaitForNotice();
// Calls OnMusicNotify for every notice posted so far, as the main loop does.
int DeliverNotices();
// The hook given to SetMusicHooks.
void PostNotice();

// A folder holding short tunes under the four names, each one bar of one
// second; `damaged` names files to fill with junk instead.
std::string MakeShortTunes(const std::vector<std::string>& damaged = {});
