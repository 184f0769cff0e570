// Places the four player windows in a 2×2 grid with the console window below, and titles them.
#pragma once

#include "players/player_table.h"

constexpr int kLayoutSettleMs = 100;

// Windows the operator has been told the desktop would not place: entry 0 the console, 1 to 4
// the players. Each is told once, not at every layout.
extern bool placementRefusalTold[kPlayerCount + 1];

// Arranges the windows at full size (divisor 1) or half size (divisor 2).
void arrangeWindows(int divisor);

// Minimizes the four players, then the console window.
void hideWindows();
