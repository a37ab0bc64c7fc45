// The window on a screen of twice the pixels (a 3840x2160 screen shown as a
// 1920x1080 desktop): the table's pictures are drawn at the window's ratio,
// full screen scales the table to fit and comes back, and the pointer lands
// on the same table pixels, and so the same cards, at every ratio. Beside
// it lies a plain 1920x1080 screen, where the window is drawn at ratio 1.
#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "app/main_window.h"
#include "assets/catalogue.h"
#include "assets/dialogs.h"
#include "assets/menu.h"
#include "core/program.h"
#include "display/display.h"
#include "platform/dialog.h"
#include "platform/event_loop.h"
#include "platform/window.h"
#include "tests/app_ui/program_test.h"

namespace {

// The screens, set before the toolkit starts.
[[maybe_unused]] const bool screensSet = [] {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" KIRABO_HIDPI_SCREENS, 1);
    // The first screen shown at twice its pixels, the second as it is.
    setenv("QT_SCREEN_SCALE_FACTORS", "uhd=2;hd=1", 1);
    return true;
}();

// Lets the window settle into a new size or screen.
void Settle() {
    for (int i = 0; i < 20; ++i) platform::ProcessPendingEvents();
}

// One program, at 1024x768, in a private data folder.
class HiDpiTest : public ProgramTest {
  protected:
    static void SetUpTestSuite() { StartProgram("0203110011"); }
    static void TearDownTestSuite() {
        platform::DestroyMainWindow();
        platform::ProcessPendingEvents();
        ProgramTest::TearDownTestSuite();
    }
    // The desktop's primary screen is the plain one: the window, placed on
    // the other, is drawn again for it as soon as it is shown.
    void SetUp() override { Settle(); }
};

// Clicks table pixels from corner to corner of the 1016x722 table, at the
// middle of the device pixels that show each, and expects the program to see
// exactly that pixel, and so the card it means at ratio 1.
void ExpectClicksLandOnTheirPixels(const char* how) {
    const auto v = platform::testing::CurrentTableView();
    auto middle = [&](int logical, int origin) {
        const int from = platform::DeviceEdge(logical, v.ratio);
        const int to = platform::DeviceEdge(logical + 1, v.ratio);
        return (origin + (from + to) / 2.0) / v.devicePixelRatio;
    };
    for (int x = 0; x < 1016; x += x < 1008 ? 7 : 1) {
        const int y = x * 721 / 1015;
        platform::testing::PressPointer(middle(x, v.left), middle(y, v.top));
        ASSERT_EQ(pointerX, x) << how;
        ASSERT_EQ(pointerY, y) << how;
    }
}

}  // namespace

// At ratio 2, moved to the plain screen and back; and so are painted dialogs.
TEST_F(HiDpiTest, TheTableAndDialogsAreDrawnAtTheirScreensRatio) {
    const platform::Surface& shown = platform::ScreenImage();
    EXPECT_EQ(shown.Width(), 1016);
    EXPECT_EQ(shown.Image().width(), 2032);
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Kirabo") window = w;
    ASSERT_NE(window, nullptr);
    for (double ratio : {2.0, 1.0, 2.0}) {
        window->move(ratio == 2.0 ? 100 : 3840 + 100, 50);
        Settle();
        EXPECT_EQ(platform::testing::CurrentTableView().ratio, ratio);
        EXPECT_EQ(assets::ImageRatio(), ratio);
        EXPECT_EQ(platform::ScreenImage().Ratio(), ratio);
        EXPECT_EQ(faceImages[0]->Image().width(), 80 * ratio);
    }
    // A painted dialog's face (the score table's, say) is made for the
    // dialog's screen, so its lettering and cards are not enlarged.
    struct Proc : platform::DialogProc {
        double ratio = 0;
        void OnPaint(platform::Dialog&, platform::Surface& face) override { ratio = face.Ratio(); }
    } proc;
    platform::testing::SetDialogHook([](platform::Dialog& d, int) {
        d.Snapshot();
        d.End(1);
    });
    platform::DialogBox(assets::DialogTemplateFor(dlg::KoiKoiScoreTable), proc);
    EXPECT_EQ(proc.ratio, 2.0);
}

// Full screen scales the table to fit, drawn at its new ratio; clicks land
// on the same table pixels at ratio 2 and in full screen; Esc leaves it.
TEST_F(HiDpiTest, FullScreenScalesTheTableToFitAndClicksLandOnTheSameCards) {
    ExpectClicksLandOnTheirPixels("at ratio 2");

    platform::SendCommand(cmd::FullScreen);
    Settle();
    ASSERT_TRUE(platform::IsFullScreen());
    EXPECT_TRUE(platform::IsMenuItemChecked(cmd::FullScreen));
    const auto v = platform::testing::CurrentTableView();
    // 1920x1080 logical below the menu bar, 3840x2160 device pixels: the
    // table's height decides, the sides are margins.
    EXPECT_GT(v.ratio, 2.5);
    EXPECT_LE(platform::DeviceEdge(1016, v.ratio), 3840);
    EXPECT_LE(platform::DeviceEdge(722, v.ratio), 2160);
    EXPECT_GT(v.left, 100);
    EXPECT_EQ(assets::ImageRatio(), v.ratio) << "the pictures are drawn for the new size";
    EXPECT_EQ(platform::ScreenImage().Ratio(), v.ratio);
    EXPECT_EQ(faceImages[0]->Image().width(), platform::DeviceEdge(80, v.ratio));
    EXPECT_EQ(fullScreenOn, 1);
    EXPECT_NE(data_->Read("kirabo.ini").find("fullscreen=1"), std::string::npos);
    ExpectClicksLandOnTheirPixels("in full screen");
    // The margins are not the table.
    platform::testing::PressPointer(2, 540);
    EXPECT_LT(pointerX, 0);

    MainWindowHandler().OnKeyDown(platform::Key::Escape);
    Settle();
    EXPECT_FALSE(platform::IsFullScreen());
    EXPECT_FALSE(platform::IsMenuItemChecked(cmd::FullScreen));
    EXPECT_EQ(assets::ImageRatio(), 2.0);
    EXPECT_EQ(platform::testing::CurrentTableView().ratio, 2.0);
    EXPECT_NE(data_->Read("kirabo.ini").find("fullscreen=0"), std::string::npos);
}
