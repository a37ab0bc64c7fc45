#include "core/records.h"

#include <algorithm>
#include <cstdio>

#include "core/storage.h"
#include "platform/files.h"

int recKoiGamesPlayed = 0, recHanaGamesPlayed = 0;
int recKoiGamesWon = 0, recHanaGamesWon = 0;
int recKoiHandsPlayed = 0, recHanaHandsPlayed = 0;
int recKoiHandsWon = 0, recHanaHandsWon = 0;
int recKoiBestHand = 0, recHanaBestHand = NoHanaBestHand;
int recKoiTotalMon = 0, recHanaTotalPoints = 0;

namespace {

std::string recordsPath;
// The record as it stood when last every counter agreed (at load, and at the
// end of each hand and game), and the last text written to the file.
std::string wholeRecord, savedRecord;
// Far more than the format's hundred bytes: enough to tell a foreign file.
constexpr size_t MaxRecordBytes = 4096;

int* const Fields[RecordFieldCount] = {
    &recKoiGamesPlayed, &recHanaGamesPlayed, &recKoiGamesWon, &recHanaGamesWon,
    &recKoiHandsPlayed, &recHanaHandsPlayed, &recKoiHandsWon, &recHanaHandsWon,
    &recKoiBestHand,    &recHanaBestHand,    &recKoiTotalMon, &recHanaTotalPoints,
};
constexpr int HanaBestField = 9;

// A field holds at most nine characters: a minus and eight digits, or nine digits.
constexpr long long FieldMin = -99999999;
constexpr long long FieldMax = 999999999;

int Clamp(long long v) {
    return static_cast<int>(std::clamp(v, FieldMin, FieldMax));
}

// The field's number as the format's reader takes it: leading blanks, an
// optional sign, then digits up to the first other character. A field with no
// digits is 0.
int ConvertField(const std::string& field) {
    size_t i = field.find_first_not_of("\t\n\v\f\r");
    if (i == std::string::npos) return 0;
    bool negative = field[i] == '-';
    if (field[i] == '-' || field[i] == '+') ++i;
    long long v = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        v = std::min(v * 10 + (field[i] - '0'), FieldMax + 1);
    return Clamp(negative ? -v : v);
}

// What the program itself writes, or a hand edit of it: a signed number of at
// most nine characters (a "+" allowed), perhaps with a line end after it.
bool IsPlainNumber(const std::string& field) {
    std::string text = field.substr(0, field.find_last_not_of("\r\n") + 1);
    if (text.empty()) return true;
    if (text.size() > 9) return false;
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size()) return false;
    return text.find_first_not_of("0123456789", i) == std::string::npos;
}

}  // namespace

void ClearRecords() {
    for (int* f : Fields) *f = 0;
    recHanaBestHand = NoHanaBestHand;
}

bool ParseRecords(const std::string& bytes) {
    std::string text = bytes.substr(0, bytes.find('\0'));
    bool ours = true;
    size_t pos = 0;
    int present = 0;
    for (int i = 0; i < RecordFieldCount; ++i) {
        *Fields[i] = 0;
        if (pos >= text.size()) continue;
        size_t end = std::min(text.find(' ', pos), text.size());
        std::string field = text.substr(pos, end - pos);
        pos = end + 1;
        ++present;
        *Fields[i] = ConvertField(field);
        if (!IsPlainNumber(field)) ours = false;
    }
    // After the twelve numbers only a line end may follow.
    if (pos < text.size() && text.find_first_not_of(" \t\r\n", pos) != std::string::npos)
        ours = false;
    // With no best hand on file the first Hana-awase hand, even a lost one,
    // must become the best.
    if (present <= HanaBestField) recHanaBestHand = NoHanaBestHand;
    return ours;
}

std::string FormatRecords() {
    std::string text;
    char number[16];
    for (int* f : Fields) {
        std::snprintf(number, sizeof number, "%d ", Clamp(*f));
        text += number;
    }
    text += '\0';
    return text;
}

int LoadRecords() {
    recordsPath = platform::LocateDataFile("record.dat");
    std::string bytes;
    LoadDataFile(recordsPath, MaxRecordBytes, bytes);
    if (!ParseRecords(bytes)) SetAsideForeignFile(recordsPath);
    wholeRecord = FormatRecords();
    savedRecord.clear();
    return 1;
}

int SaveRecords() {
    wholeRecord = FormatRecords();
    if (!recordsPath.empty() && SaveDataFile(recordsPath, wholeRecord)) savedRecord = wholeRecord;
    return 1;
}

int SaveWholeRecords() {
    if (!recordsPath.empty() && wholeRecord != savedRecord &&
        SaveDataFile(recordsPath, wholeRecord))
        savedRecord = wholeRecord;
    return 1;
}

std::string RecordsPath() {
    return recordsPath;
}
