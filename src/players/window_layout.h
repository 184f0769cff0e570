// Places the four player windows in a 2×2 grid with the console window below, and titles them.
#pragma once

#include "players/player_table.h"

constexpr int kLayoutSettleMs = 100;
// How long a layout may take in all: a desktop that has not placed a window by then (stopped,
// too busy, or one that places windows itself) has refused it for this layout. Meanwhile the
// cycle goes on: the layout is carried out across it.
constexpr long long kLayoutBudgetMs = 4000;
// How long after a layout the keyboard is kept on the console. VLC takes the keyboard when its
// video starts, measured 0.9 to 1.2 s after the first layout under each window manager on streams
// with a key frame a second; five seconds also cover sources whose key frames come every two or
// three seconds.
constexpr long long kKeyboardSettleMs = 5000;
// On a busy machine the players' videos start one after another, seconds apart: each time one
// takes the keyboard within the settling time, it lasts five seconds from then, at most this
// long after the layout. Past that, the operator's own choice stands whatever the players do.
constexpr long long kKeyboardSettleLongestMs = 15000;

// Windows the operator has been told the desktop would not place: entry 0 the console, 1 to 4
// the players. Each is told once, not at every layout.
extern bool placementRefusalTold[kPlayerCount + 1];

// Until when (monotonic milliseconds) the keyboard is kept on the console; 0 when it is not. A
// layout on its way keeps it there until its grid stands, and five seconds more.
extern long long keyboardSettleUntilMs;
// The latest the settling time may be carried to: kKeyboardSettleLongestMs after the layout.
extern long long keyboardSettleLatestMs;

// The layout on its way, which the platform carries out: whether there is one, and 0 for the
// whole grid, else the one player started again whose window it places.
struct LayoutProgress {
    bool onItsWay;
    int onlyPlayer;
};
extern LayoutProgress layoutProgress;

// Starts arranging the windows at full size (divisor 1) or half size (divisor 2). It returns at
// once; advanceLayout carries the layout on from the cycle's wait.
void arrangeWindows(int divisor);

// Carries the layout on: the platform asks what has come due and reads back what the desktop
// did. When every window is placed, or the budget is spent, the layout ends and the operator is
// told of a window the desktop left elsewhere.
void advanceLayout();
bool layoutInProgress();
// When the layout next has something to do without news from the window system.
long long layoutWakeMs();

// Minimizes the four players, then the console window; a layout on its way ends there.
void hideWindows();

// H hid the windows, and no Y or V has shown them since.
extern bool gridHidden;

// Puts the window of a player started again in its cell at the current size, titled as the last
// title given to it, or minimizes it while the grid is hidden: a layout of that window alone,
// minimized, shown again after the pause and moved, as in the grid's.
// False while a layout is on its way: asked again once it has ended.
bool placePlayer(int player);

// From now on, until the layout on its way ends and five seconds more (or for as long as the
// players' windows are awaited), the operator's keys are kept on the console: window managers
// move the keyboard about as windows are minimized and restored, and a player takes it when its
// video starts, a while after it shows.
void holdKeysOnConsole();

// A player told to play its stream again starts its video anew, and VLC then takes the keyboard
// as after a layout: the keyboard is kept on the console from now for the settling time (and
// carried on as after a layout), unless a layout on its way holds it already.
void watchKeysAsVideoStarts();

// Takes what the window system said of the keyboard this cycle (handleWindowEvents' answer, 0
// when it said nothing). For the settling time after a layout, a player that took the keyboard,
// or a console that lost it to no window, gives it back to the console, so the operator's keys
// keep reaching the viewer; after that the operator's own choice of window stands.
void keepKeysOnConsole(unsigned keyboardNews);
