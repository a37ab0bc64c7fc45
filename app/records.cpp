#include "app/records.h"

#include <algorithm>
#include <cstdio>

#include "app/storage.h"
#include "platform/files.h"

int recKoiGamesPlayed = 0, recHanaGamesPlayed = 0;
int recKoiGamesWon = 0, recHanaGamesWon = 0;
int recKoiHandsPlayed = 0, recHanaHandsPlayed = 0;
int recKoiHandsWon = 0, recHanaHandsWon = 0;
int recKoiBestHand = 0, recHanaBestHand = NoHanaBestHand;
int recKoiTotalMon = 0, recHanaTotalPoints = 0;

namespace {

std::string recordsPath;

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

// A signed decimal number, or false for anything else.
bool ParseNumber(const std::string& text, int& value) {
    size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() > 9) return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
    }
    value = Clamp(text[0] == '-' ? -v : v);
    return true;
}

}  // namespace

void ClearRecords() {
    for (int* f : Fields) *f = 0;
    recHanaBestHand = NoHanaBestHand;
}

bool ParseRecords(const std::string& bytes) {
    std::string text = bytes.substr(0, bytes.find('\0'));
    bool whole = true;
    size_t pos = 0;
    int present = 0;
    for (int i = 0; i < RecordFieldCount; ++i) {
        *Fields[i] = 0;
        if (pos >= text.size()) continue;
        size_t end = std::min(text.find(' ', pos), text.size());
        std::string field = text.substr(pos, end - pos);
        pos = end + 1;
        ++present;
        if (!field.empty() && !ParseNumber(field, *Fields[i])) whole = false;
    }
    // With no best hand on file the first Hana-awase hand, even a lost one,
    // must become the best.
    if (present <= HanaBestField) recHanaBestHand = NoHanaBestHand;
    return whole;
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
    platform::ReadFileBytes(recordsPath, 4096, bytes);
    if (!ParseRecords(bytes)) {
        // Keep the damaged file as it was before the next save writes over it.
        platform::SaveFileBytes(recordsPath + ".damaged", bytes);
    }
    return 1;
}

int SaveRecords() {
    if (!recordsPath.empty()) SaveDataFile(recordsPath, FormatRecords());
    return 1;
}

std::string RecordsPath() {
    return recordsPath;
}
