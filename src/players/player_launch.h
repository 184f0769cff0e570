// Starting the four players and finding their windows.
#pragma once

constexpr int kDiscoveryPeriodMs = 100;
// Passes of the discovery wait (each at least kDiscoveryPeriodMs) after which a player window
// the window manager has not listed is looked for in the whole window tree, and after which the
// operator is told which players have shown no window yet.
constexpr int kWholeTreeAfterPasses = 30;
constexpr int kMissingToldAfterPasses = 100;

// Starts players 1 to 4, each on its own stream. A player that cannot be started ends the viewer.
void launchPlayers();

// Starts player `player` on its stream, under the players' start conditions; on failure stores
// the platform's error code.
bool startPlayer(int player, int* errorCode);

// Waits until each player's window is found, noting the viewer's own console window on the way.
// A player that ends before its window shows ends the viewer as a failed start. An operator's
// quit (Enter, or an interrupt) also ends the wait, so that a player that never shows a window
// cannot hold the viewer; after ten seconds the operator is told which players are missing.
void findWindows();
