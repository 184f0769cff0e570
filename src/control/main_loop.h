// The poll cycle, the operator's keys, the console control handler and the orderly shutdown.
#pragma once

#include <atomic>

constexpr int kCycleMs = 100;
// The key code of Enter (a carriage return).
constexpr int kEnterKey = 13;
constexpr int kControlEventWaitMs = 1000;

// Set to 1 by Enter or an operator interrupt, never cleared after start-up; the one value the
// control handler's thread shares with the main thread.
extern std::atomic<int> quitRequested;

// Clears the status state, prints the key hints and runs one cycle about every 100 ms until a
// quit is requested.
void runMainLoop();

// Carries a layout on until it ends, `untilMs` comes, or a quit is requested: it waits on the
// window system's news and the layout's own moments, never longer.
void followLayout(long long untilMs);

// Acts on one key code from the operator.
void handleKey(int keyCode);

// Called on the platform's control thread for Ctrl-C and the like.
void onConsoleControl(int eventType);

// Leaves the multicast group, ends the players, gives up the single-instance handle and says
// goodbye. Returns the exit status 0, unless leaving the group fails and ends the process.
int shutdown();
