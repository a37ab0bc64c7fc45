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
