// Places the four player windows in a 2×2 grid with the console window below, and titles them.
#pragma once

#include "players/player_table.h"

constexpr int kLayoutSettleMs = 100;
// How long after a layout the keyboard is kept on the console. VLC takes the keyboard when its
// video starts, measured 0.9 to 1.2 s after the first layout under each window manager on streams
// with a key frame a second; five seconds also cover sources whose key frames come every two or
// three seconds.
constexpr long long kKeyboardSettleMs = 5000;

// Windows the operator has been told the desktop would not place: entry 0 the console, 1 to 4
// the players. Each is told once, not at every layout.
extern bool placementRefusalTold[kPlayerCount + 1];

// Until when (monotonic milliseconds) the keyboard is kept on the console; 0 when it is not.
extern long long keyboardSettleUntilMs;

// Arranges the windows at full size (divisor 1) or half size (divisor 2).
void arrangeWindows(int divisor);

// Minimizes the four players, then the console window.
void hideWindows();

// Takes what the window system said of the keyboard this cycle (handleWindowEvents' answer, 0
// when it said nothing). For the settling time after a layout, a player that took the keyboard,
// or a console that lost it to no window, gives it back to the console, so the operator's keys
// keep reaching the viewer; after that the operator's own choice of window stands.
void keepKeysOnConsole(unsigned keyboardNews);
