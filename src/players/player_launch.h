// Starting the four players and finding their windows.
#pragma once

constexpr int kDiscoveryPeriodMs = 100;

// Starts players 1 to 4, each on its own stream. A player that cannot be started ends the viewer.
void launchPlayers();

// Waits until each player's window is found, noting the viewer's own console window on the way.
// A player that ends before its window shows ends the viewer as a failed start. An operator's
// quit also ends the wait, so that a player that never shows a window cannot hold the viewer.
void findWindows();
