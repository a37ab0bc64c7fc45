#include "app/kept_game.h"

#include <cstdint>

#include "cards/saved_text.h"
#include "core/program.h"
#include "core/records.h"
#include "core/shell.h"
#include "core/storage.h"
#include "hanaawase/flow.h"
#include "hanaawase/saved_game.h"
#include "hanaawase/state.h"
#include "koikoi/saved_game.h"
#include "koikoi/state.h"
#include "platform/files.h"

namespace {

int* const RecordFields[RecordFieldCount] = {
    &recKoiGamesPlayed, &recHanaGamesPlayed, &recKoiGamesWon, &recHanaGamesWon,
    &recKoiHandsPlayed, &recHanaHandsPlayed, &recKoiHandsWon, &recHanaHandsWon,
    &recKoiBestHand,    &recHanaBestHand,    &recKoiTotalMon, &recHanaTotalPoints,
};

std::string RecordsFileText() {
    std::string bytes;
    if (!RecordsPath().empty()) platform::ReadFileBytes(RecordsPath(), 4096, bytes);
    return bytes.substr(0, bytes.find('\0'));
}

bool GameOver(int game, int state) {
    return game == 0 ? state == 7 : state == HanaFinalWait;
}

}  // namespace

std::string KeptGamePath() {
    std::string records = RecordsPath();
    if (records.empty()) return platform::LocateDataFile("game.sav");
    return platform::FolderOf(records) + "/game.sav";
}

bool KeptGameExists() {
    std::string bytes;
    return platform::ReadFileBytes(KeptGamePath(), 1, bytes);
}

std::string KeptGameText(const std::string& recordsFile) {
    SavedTextWriter out;
    out.Value("game", currentGame);
    out.Value("recordsFile", static_cast<int>(TextChecksum(recordsFile)));
    int records[RecordFieldCount];
    for (int i = 0; i < RecordFieldCount; ++i) records[i] = *RecordFields[i];
    out.Values("records", records, RecordFieldCount);
    if (currentGame == 0) {
        WriteKoiKoiGame(out);
    } else {
        HanaWriteGame(out);
    }
    return out.Finish();
}

void KeepGame(bool over) {
    std::string recordsFile = RecordsFileText();
    std::string path = KeptGamePath();
    SaveDataFile(path, KeptGameText(recordsFile));
    std::string records = FormatRecords();
    if (recordsFile != records.substr(0, records.size() - 1)) SaveRecords();
    if (over) platform::RemoveFile(path);
}

std::string RestoreKeptGame(const std::string& bytes, const std::string& recordsFile, bool& over) {
    SavedTextReader in(bytes);
    if (!in.ok()) return "not a kept game of this version, or damaged";
    int game = 0, fileSum = 0, records[RecordFieldCount] = {};
    in.Value("game", game, 0, 1);
    in.Value("recordsFile", fileSum, INT32_MIN, INT32_MAX);
    in.Values("records", records, RecordFieldCount, -99999999, 999999999);
    if (!in.ok()) return "damaged head";
    std::string fault = game == 0 ? ReadKoiKoiGame(in) : HanaReadGame(in);
    if (!fault.empty()) return fault;
    currentGame = game;
    over = GameOver(game, gameState);
    // record.dat is still as it was before the last keeping: the records
    // that went with the game never reached it.
    if (static_cast<int>(TextChecksum(recordsFile)) == fileSum) {
        for (int i = 0; i < RecordFieldCount; ++i) *RecordFields[i] = records[i];
    }
    return "";
}

KeptGameLoad LoadKeptGame() {
    std::string path = KeptGamePath(), bytes;
    if (!platform::ReadFileBytes(path, 1 << 20, bytes)) return KeptGameLoad::None;
    bool over = false;
    std::string before = FormatRecords();
    if (!RestoreKeptGame(bytes, RecordsFileText(), over).empty()) {
        platform::SaveFileBytes(path + ".damaged", bytes);
        platform::RemoveFile(path);
        return KeptGameLoad::Damaged;
    }
    if (FormatRecords() != before) SaveRecords();
    if (over) {
        platform::RemoveFile(path);
        gameState = -1;
        return KeptGameLoad::Over;
    }
    return KeptGameLoad::Resumable;
}

void DiscardKeptGame() {
    platform::RemoveFile(KeptGamePath());
}
