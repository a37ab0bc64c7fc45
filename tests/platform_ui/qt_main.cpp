// Tests that draw need the toolkit started once.
#include <gtest/gtest.h>

#include "platform/event_loop.h"

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "kirabo-test";
        static char* argv[] = {name, nullptr};
        platform::InitPlatform(argc, argv);
    }
};

[[maybe_unused]] static auto* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// fontconfig keeps caches for the life of the process that nobody frees;
// those are the system's, not leaks of ours.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
#endif
