// One program per test binary, started in a private data folder holding the
// given settei.dat; the dialog and message box hooks a test sets are taken
// away after it.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "app/games.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "core/program.h"
#include "platform/dialog.h"
#include "tests/app/data_dir.h"

class ProgramTest : public ::testing::Test {
  protected:
    static void StartProgram(const std::string& settei) {
        data_ = new TestDataDir;
        setenv("XDG_RUNTIME_DIR", data_->root.c_str(), 1);
        data_->Write("settei.dat", settei);
        ASSERT_TRUE(InitApplication());
    }
    // The data folder goes with the last test of the binary.
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }
    // Frees the running game as if it had ended, so the next test finds none.
    static void EndGame() {
        ReleaseCurrentGame();
        gameState = -1;
        SyncMenuChecks();
    }
    void TearDown() override {
        platform::testing::SetDialogHook(nullptr);
        platform::testing::SetMessageBoxHook(nullptr);
    }
    static inline TestDataDir* data_ = nullptr;
};
