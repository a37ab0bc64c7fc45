// The yaku reference's list, for its dialog and its tests.
#pragma once

constexpr int HanaYakuListSize = 16;
// The list index whose name lies under the point of the reference dialog's
// face, or -1.
int HanaYakuListHit(int x, int y);
// The highlighted index of the open reference dialog, -1 when none is open.
int HanaYakuListHighlighted();
