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
// Writes the record over the start of the file (the old tail stays). The
// engines call it after every finished hand. Does nothing before LoadRecords
// has chosen the file, so headless runs never touch the player's record.
int SaveRecords();

// Every counter to 0, the Hana-awase best to NoHanaBestHand.
void ClearRecords();

// The format itself. ParseRecords returns false when the text is damaged
// (a field that is not a plain number); what could be read is kept.
bool ParseRecords(const std::string& bytes);
std::string FormatRecords();

std::string RecordsPath();
