// The player's record in both games, kept in record.dat as twelve signed
// numbers, each followed by a space, and a NUL.
#pragma once
#include <string>

// In file order.
extern int recKoiGamesPlayed, recHanaGamesPlayed;
extern int recKoiGamesWon, recHanaGamesWon;
extern int recKoiHandsPlayed, recHanaHandsPlayed;
extern int recKoiHandsWon, recHanaHandsWon;
extern int recKoiBestHand, recHanaBestHand;
extern int recKoiTotalMon, recHanaTotalPoints;

constexpr int RecordFieldCount = 12;
// Below any real Hana-awase hand, so the first hand played sets the best.
constexpr int NoHanaBestHand = -1000;

// Reads the file once at start-up and fixes where later saves go.
int LoadRecords();
// Writes the record as a whole new file. The engines call it at the end of
// every hand and game, once every counter of that hand has changed, and so
// mark the record whole. Does nothing before LoadRecords has chosen the file,
// so headless runs never touch the player's record.
int SaveRecords();
// At the end of the run, however it ends: writes the record as it stood when
// it was last whole, if that is not on disk yet. A hand stopped half-way is
// never saved half-counted.
int SaveWholeRecords();

// Every counter to 0, the Hana-awase best to NoHanaBestHand.
void ClearRecords();

// The format itself. ParseRecords returns false when the text is not the
// program's own (a field that is not a plain number, or more than twelve);
// every field is still read as far as it is a number.
bool ParseRecords(const std::string& bytes);
std::string FormatRecords();

std::string RecordsPath();
