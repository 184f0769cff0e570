#include "players/window_layout.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "control/console_output.h"
#include "control/messages.h"
#include "control/startup.h"
#include "platform/platform.h"
#include "players/alarms.h"
#include "players/player_contract.h"
#include "players/player_table.h"

bool placementRefusalTold[kPlayerCount + 1];
long long keyboardSettleUntilMs;
long long keyboardSettleLatestMs;
LayoutProgress layoutProgress;
bool gridHidden;

namespace {

// The keyboard is kept on the console while a layout is on its way, whatever it takes.
constexpr long long kKeysHeldMs = LLONG_MAX;

char titleText[platform::kWindowTitleSize];

// Reports from now on where the keyboard goes among the console and the players.
void startKeyboardWatch() {
    platform::WindowHandle players[kPlayerCount];
    for (int player = 1; player <= kPlayerCount; ++player) {
        players[player - 1] = playerTable[player].window;
    }
    platform::watchKeyboard(consoleWindow, players, kPlayerCount);
}

// The settling time runs on at least five seconds from `nowMs`, never past its latest.
void carrySettlingOn(long long nowMs) {
    long long until = nowMs + kKeyboardSettleMs;
    if (until > keyboardSettleLatestMs) {
        until = keyboardSettleLatestMs;
    }
    if (until > keyboardSettleUntilMs) {
        keyboardSettleUntilMs = until;
    }
}

// Tells the operator the first time the desktop left window `slot` (0 the console, else that
// player) elsewhere, so a grid that does not form is never a silent mystery. Each layout asks
// every window again in full; the operator hears of a window once. A player's window left
// elsewhere frames its pane until a layout places it.
void tellIfRefused(int slot, platform::WindowHandle window) {
    if (window == 0) {
        return;
    }
    const long long now = platform::monotonicMs();
    const bool placed = platform::windowPlaced(slot);
    if (placed) {
        alarmEnds(slot, AlarmKind::kNotPlaced, now);
    } else if (slot != 0) {
        alarmStarts(slot, AlarmKind::kNotPlaced, now, now);
    }
    if (placed || placementRefusalTold[slot]) {
        return;
    }
    placementRefusalTold[slot] = true;
    if (slot == 0) {
        printAndRecord("%s", messages::kConsoleNotPlaced);
    } else {
        printAndRecord(messages::kPlayerNotPlacedFormat, slot, viewerSettings.IPADDRESS,
                       viewerSettings.IPPORT + kStreamPortOffset + slot);
    }
}

void cutProgramNameAtExe() {
    char* exe = std::strstr(programName, ".exe");
    if (exe != nullptr) {
        *exe = '\0';
    }
}

// The player's cell of the grid at this size; it is first minimized, then shown again there.
void aimAtCell(platform::LayoutGoal& layout, int player, int divisor) {
    const ViewerSettings& s = viewerSettings;
    using Wide = std::int64_t;
    const Wide width = Wide{s.VLCWIDTH} / divisor;
    const Wide height = Wide{s.VLCHEIGHT} / divisor;
    const int column = (player - 1) % 2;
    const int row = (player - 1) / 2;
    platform::WindowGoal& goal = layout.windows[player];
    goal.window = playerTable[player].window;
    goal.hideFirst = true;
    goal.left = Wide{s.VLCLEFT} + column * width;
    goal.top = Wide{s.VLCTOP} + row * height;
    goal.width = width;
    goal.height = height;
}

// Hands the layout to the platform, which carries it out across the cycle: the pause before the
// players are shown again is a moment of the layout, not a sleep.
void startLayout(const platform::LayoutGoal& layout, int onlyPlayer) {
    holdKeysOnConsole();
    layoutProgress = {true, onlyPlayer};
    platform::beginPlacement(layout);
    advanceLayout();
}

platform::LayoutGoal emptyLayout() {
    platform::LayoutGoal layout;
    std::memset(&layout, 0, sizeof layout);
    layout.pauseMs = kLayoutSettleMs;
    layout.budgetMs = kLayoutBudgetMs;
    return layout;
}

// The layout's last step: the grid titles, once the windows stand (or the desktop had its time).
void setGridTitles() {
    const ViewerSettings& s = viewerSettings;
    for (int player = 1; player <= kPlayerCount; ++player) {
        std::snprintf(titleText, sizeof titleText, messages::kPlayerGridTitleFormat, player,
                      s.IPADDRESS, s.IPPORT + kStreamPortOffset + player);
        setPlayerTitle(player, titleText);
    }
}

// The grid stands, or the desktop had its time: the keyboard is watched five seconds more.
void endLayout(bool tell) {
    platform::endPlacement();
    layoutProgress.onItsWay = false;
    // Only the windows this layout asked for: another player's window may have come meanwhile,
    // to be placed by a layout of its own.
    const int only = layoutProgress.onlyPlayer;
    if (tell && only != 0) {
        tellIfRefused(only, playerTable[only].window);
    } else if (tell) {
        tellIfRefused(0, consoleWindow);
        for (int player = 1; player <= kPlayerCount; ++player) {
            tellIfRefused(player, playerTable[player].window);
        }
    }
    if (layoutProgress.onlyPlayer == 0) {
        setGridTitles();
    } else {
        setPlayerTitle(layoutProgress.onlyPlayer, playerTable[layoutProgress.onlyPlayer].title);
    }
    const long long now = platform::monotonicMs();
    keyboardSettleUntilMs = now + kKeyboardSettleMs;
    keyboardSettleLatestMs = now + kKeyboardSettleLongestMs;
}

}  // namespace

void holdKeysOnConsole() {
    startKeyboardWatch();
    keyboardSettleUntilMs = kKeysHeldMs;
}

void watchKeysAsVideoStarts() {
    if (keyboardSettleUntilMs == kKeysHeldMs) {
        return;  // held already, until a layout ends
    }
    if (keyboardSettleUntilMs == 0) {
        startKeyboardWatch();
    }
    const long long now = platform::monotonicMs();
    if (now + kKeyboardSettleLongestMs > keyboardSettleLatestMs) {
        keyboardSettleLatestMs = now + kKeyboardSettleLongestMs;
    }
    carrySettlingOn(now);
}

void arrangeWindows(int divisor) {
    const ViewerSettings& s = viewerSettings;
    gridHidden = false;
    platform::LayoutGoal layout = emptyLayout();
    for (int player = 1; player <= kPlayerCount; ++player) {
        aimAtCell(layout, player, divisor);
        // Its pane's alarm frame stands on the same cell, shown or not.
        const platform::WindowGoal& cell = layout.windows[player];
        platform::placeFrame(player, {cell.left, cell.top, cell.width, cell.height});
    }
    // The console sits under the grid; only its width follows the size, never its height.
    // The geometry is taken as given, whatever its size: the sums are made wide enough for any
    // 32-bit numbers.
    using Wide = std::int64_t;
    platform::WindowGoal& console = layout.windows[0];
    console.window = consoleWindow;
    console.left = Wide{s.INFOLEFT} + s.VLCLEFT;
    console.top = (2 * Wide{s.VLCHEIGHT}) / divisor + s.INFOTOP + s.VLCTOP;
    console.width = Wide{s.INFOWIDTH} / divisor;
    console.height = s.INFOHEIGHT;
    startLayout(layout, 0);

    cutProgramNameAtExe();
    // A program name too long for the title is cut with it. (The result is looked at so that
    // GCC takes the cut as meant and does not warn of it.)
    if (std::snprintf(titleText, sizeof titleText, messages::kConsoleTitleFormat, programName) <
        0) {
        titleText[0] = '\0';
    }
    platform::setWindowTitle(consoleWindow, titleText);
}

void advanceLayout() {
    if (layoutProgress.onItsWay && platform::advancePlacement()) {
        endLayout(true);
    }
}

bool layoutInProgress() {
    return layoutProgress.onItsWay;
}

long long layoutWakeMs() {
    return platform::placementWakeMs();
}

bool placePlayer(int player) {
    if (layoutInProgress()) {
        return false;
    }
    PlayerSlot& slot = playerTable[player];
    if (gridHidden) {
        platform::minimizeWindow(player, slot.window);
        setPlayerTitle(player, slot.title);
        return true;
    }
    // As the grid's own layout: minimized, shown again after the pause, then moved. A window
    // manager may place a window it has just taken its own way after the first requests: the
    // restore comes after that.
    platform::LayoutGoal layout = emptyLayout();
    aimAtCell(layout, player, sizeDivisor);
    startLayout(layout, player);
    return true;
}

void hideWindows() {
    // A layout on its way would show the players again after this: it ends here, untold.
    if (layoutInProgress()) {
        endLayout(false);
    }
    gridHidden = true;
    for (int player = 1; player <= kPlayerCount; ++player) {
        platform::minimizeWindow(player, playerTable[player].window);
    }
    platform::minimizeWindow(0, consoleWindow);
}

void keepKeysOnConsole(unsigned keyboardNews) {
    if (keyboardSettleUntilMs == 0) {
        return;
    }
    const long long now = platform::monotonicMs();
    if (now >= keyboardSettleUntilMs) {
        platform::stopWatchingKeyboard();
        keyboardSettleUntilMs = 0;
    } else if ((keyboardNews & (platform::kPlayerTookKeys | platform::kConsoleLostKeys)) != 0) {
        platform::giveKeysTo(consoleWindow);
        // Another player's video may start a while after this one's. (A layout on its way
        // holds the keyboard for good: nothing is carried on past that.)
        carrySettlingOn(now);
    }
}
