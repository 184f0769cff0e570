// Places the four player windows in a 2×2 grid with the console window below, and titles them.
#pragma once

constexpr int kLayoutSettleMs = 100;

// Arranges the windows at full size (divisor 1) or half size (divisor 2).
void arrangeWindows(int divisor);

// Minimizes the four players, then the console window.
void hideWindows();
