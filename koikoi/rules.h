// The mechanics of a Koi-Koi hand: deal, matching, play and capture, the
// reach state that notices yaku card by card, and scoring. All operations
// work on `koi` and return 1 unless they return a slot.
#pragma once
#include "cards/deck.h"  // ShuffleDeck

// Shuffles (again, while the eight field cards hold a whole month) and deals
// 8 + 8 cards and 8 field cards, then fills the stock.
int DealHand();
// Whether the field cards of this deck, D[8..11] and D[20..23], hold all
// four cards of one month.
bool FieldHoldsWholeMonth(const int deck[48]);

int ComputeMatches(int p);
int PlayCard(int p, int handSlot);
int FindFreeFieldSlot();
int CompactHand(int p, int handSlot);
int CaptureCard(int p, int card);
// CaptureCard for a card that another capture of the same play follows
// (CaptureFollows) or that ends the play's captures (LastCapture).
enum CaptureOrder { CaptureFollows, LastCapture };
int FileCapture(int p, int card, CaptureOrder order);
// CaptureCard(p, played), then CaptureCard(p, taken) for the field card it
// takes, while the field, stock and hands stay as they are.
int CaptureTwoCards(int p, int played, int taken);
int MergeTurnCaptures(int p);
int ComDrawAndPlay(int p);

int UpdateReach(int p);
// UpdateReach(first), then (first ^ 1), gathering the cards in play once.
int UpdateReachOfBoth(int first);
int CollectReachCards(int p);

// Values in 文 of the yaku from 猪鹿蝶 (index YakuInoshikacho) to 五光, and of
// 花見酒 / 月見酒 by the 月見 /花見 setting.
extern const int FixedYakuValue[7];
extern const int SakeYakuValue[3];
// The first value of カス, タン and タネ comes with these counts; every card
// more adds one 文.
constexpr int KasuThreshold = 10, TanThreshold = 5, TaneThreshold = 5;

// Value in 文 of yaku y for player p, from the piles and the sake option.
int YakuValueOf(int p, int y);
// Applies the precedence of the light yaku and sets handScore from yakuMade.
int FormHandScore(int p);
// Forms handScore, then asks 勝負 (1) or こいこい (0): the human through the
// dialog, the computer by its own decision shown in the dialog.
int AskStopOrContinue(int p);
