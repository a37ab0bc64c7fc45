#include "app/records_dialog.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/dialogs.h"
#include "core/program.h"
#include "core/records.h"
#include "platform/i18n.h"
#include "table/dialog_text.h"

namespace {

constexpr int ClearButton = 1021;
constexpr int ValueEndColumn = 33;
constexpr int DashColumn = 27;

struct Cells {
    platform::Surface& face;
    void Text(int column, int row, const std::string& text) {
        table::testing::ReportWrittenText(text, column * charWidth, row * charHeight);
        platform::TextOut(face, column * charWidth, row * charHeight, text,
                          platform::GetSysColor(platform::SysColor::WindowText),
                          platform::GetSysColor(platform::SysColor::BtnFace));
    }
    // Right-aligned so that the text ends at column 33.
    void Value(int row, const std::string& text) {
        Text(ValueEndColumn - platform::ByteLength(text), row, text);
    }
};

std::string Format(const char* pattern, int a, int b = 0) {
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, a, b);
    return buf;
}

std::string Points(int value) {
    return platform::Tr("Records", PointSign(value)) + std::to_string(std::abs(value)) +
           platform::Tr("Records", "点");
}

}  // namespace

const char* PointSign(int value) {
    return value > 0    ? TrNoop("Records", "＋")
           : value == 0 ? TrNoop("Records", "±")
                        : TrNoop("Records", "－");
}

void RecordsDialogProc::OnInit(platform::Dialog& d) {
    d.SetFocusItem(1);
    if (recKoiHandsPlayed == 0 && recHanaHandsPlayed == 0) d.EnableItem(ClearButton, false);
    d.Invalidate();
}

void RecordsDialogProc::OnCommand(platform::Dialog& d, int id) {
    if (id == 1 || id == 2) {
        d.End(1);
    } else if (id == ClearButton) {
        auto answer =
            platform::MessageBox(platform::Tr("Messages", "成績をクリアしてもよろしいですか？"),
                                 platform::Tr("Dialogs", "成績表"), platform::BoxButtons::YesNo,
                                 platform::BoxIcon::Question);
        if (answer == platform::BoxAnswer::Yes) {
            ClearRecords();
            SaveRecords();
            d.End(1);
        }
    }
}

void RecordsDialogProc::OnPaint(platform::Dialog&, platform::Surface& face) {
    Cells cells{face};
    cells.Text(13, 1, platform::Tr("Records", "こいこい"));
    cells.Text(2, 3, platform::Tr("Records", "勝利ゲーム数"));
    cells.Text(2, 4, platform::Tr("Records", "勝利回数"));
    cells.Text(2, 5, platform::Tr("Records", "最高"));
    cells.Text(2, 6, platform::Tr("Records", "総獲得文数"));
    cells.Text(13, 9, platform::Tr("Records", "花合わせ"));
    cells.Text(2, 11, platform::Tr("Records", "勝利ゲーム数"));
    cells.Text(2, 12, platform::Tr("Records", "勝利回数"));
    cells.Text(2, 13, platform::Tr("Records", "最高"));
    cells.Text(2, 14, platform::Tr("Records", "総得失点"));
    if (recKoiHandsPlayed != 0) {
        cells.Value(3, Format("%d/%d", recKoiGamesWon, recKoiGamesPlayed));
        cells.Value(4, Format("%d/%d", recKoiHandsWon, recKoiHandsPlayed));
        cells.Value(5, Format(platform::Tr("Records", "%d文").c_str(), recKoiBestHand));
        cells.Value(6, Format(platform::Tr("Records", "%d文").c_str(), recKoiTotalMon));
    } else {
        for (int row = 3; row <= 6; ++row)
            cells.Text(DashColumn, row, platform::Tr("Records", "－－－"));
    }
    if (recHanaHandsPlayed != 0) {
        cells.Value(11, Format("%d/%d", recHanaGamesWon, recHanaGamesPlayed));
        cells.Value(12, Format("%d/%d", recHanaHandsWon, recHanaHandsPlayed));
        // A record without a best on file (a short file) has no best yet.
        if (recHanaBestHand == NoHanaBestHand)
            cells.Text(DashColumn, 13, platform::Tr("Records", "－－－"));
        else
            cells.Value(13, Points(recHanaBestHand));
        cells.Value(14, Points(recHanaTotalPoints));
    } else {
        for (int row = 11; row <= 14; ++row)
            cells.Text(DashColumn, row, platform::Tr("Records", "－－－"));
    }
}

int ShowRecords() {
    RecordsDialogProc proc;
    platform::DialogBox(assets::DialogTemplateFor(dlg::Records), proc);
    return 1;
}
