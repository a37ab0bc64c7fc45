// A Hana-awase hand at its start, on a table drawn with solid test pictures;
// dialog hooks and table marks go with the table.
#pragma once
#include <gtest/gtest.h>

#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/marks.h"
#include "hanaawase/ui/table.h"
#include "platform/dialog.h"
#include "tests/hanaawase/table_setup.h"
#include "tests/table/solid_table.h"

class SolidTable {
  public:
    explicit SolidTable(int res) {
        pictures_.Make(res, CardWidth[res], CardHeight[res], GlowWidth[res], GlowHeight[res]);
        currentGame = 1;
        backgroundChoice = 0;
        showCapturableOn = 1;
        gameState = 3;
        subState = 0;
        hana.tickCounter = 0;
        HanaBuildLayout();
        PlainLayers();
    }
    ~SolidTable() {
        platform::testing::SetDialogHook(nullptr);
        HanaClearTableMarks();
    }

  private:
    HanaTableTest hand_;
    SolidPictures pictures_;
};

// Resolutions as test parameters.
class PerResolution : public ::testing::TestWithParam<int> {
  protected:
    int R() const { return GetParam(); }
    SolidTable table_{GetParam()};
};
