#include "players/window_layout.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "control/console_output.h"
#include "control/messages.h"
#include "control/startup.h"
#include "platform/platform.h"
#include "players/player_contract.h"
#include "players/player_table.h"

bool placementRefusalTold[kPlayerCount + 1];
long long keyboardSettleUntilMs;

namespace {

char titleText[platform::kWindowTitleSize];

// Reads back the move of window `slot` (0 the console, else that player) and tells the operator
// the first time the desktop leaves it elsewhere, so a grid that does not form is never a silent
// mystery.
void readBack(int slot, platform::WindowHandle window) {
    if (platform::windowPlaced(window) || placementRefusalTold[slot]) {
        return;
    }
    placementRefusalTold[slot] = true;
    if (slot == 0) {
        printText(messages::kConsoleNotPlaced);
    } else {
        printFormatted(messages::kPlayerNotPlacedFormat, slot, viewerSettings.IPADDRESS,
                       viewerSettings.IPPORT + kStreamPortOffset + slot);
    }
}

void cutProgramNameAtExe() {
    char* exe = std::strstr(programName, ".exe");
    if (exe != nullptr) {
        *exe = '\0';
    }
}

}  // namespace

void arrangeWindows(int divisor) {
    const ViewerSettings& s = viewerSettings;
    // Window managers move the keyboard about as windows are minimized and restored, and a
    // player takes it when its video starts, a while after it is placed: from now on for a
    // while, the operator's keys are kept on the console.
    platform::WindowHandle players[kPlayerCount];
    for (int player = 1; player <= kPlayerCount; ++player) {
        players[player - 1] = playerTable[player].window;
    }
    platform::watchKeyboard(consoleWindow, players, kPlayerCount);
    keyboardSettleUntilMs = platform::monotonicMs() + kKeyboardSettleMs;

    for (int player = 1; player <= kPlayerCount; ++player) {
        platform::minimizeWindow(playerTable[player].window);
    }

    cutProgramNameAtExe();
    // A program name too long for the title is cut with it. (The result is looked at so that
    // GCC takes the cut as meant and does not warn of it.)
    if (std::snprintf(titleText, sizeof titleText, messages::kConsoleTitleFormat, programName) <
        0) {
        titleText[0] = '\0';
    }
    platform::setWindowTitle(consoleWindow, titleText);
    // The console sits under the grid; only its width follows the size, never its height.
    // The geometry is taken as given, whatever its size: the sums are made wide enough for any
    // 32-bit numbers.
    using Wide = std::int64_t;
    platform::moveWindow(consoleWindow, Wide{s.INFOLEFT} + s.VLCLEFT,
                         (2 * Wide{s.VLCHEIGHT}) / divisor + s.INFOTOP + s.VLCTOP,
                         Wide{s.INFOWIDTH} / divisor, s.INFOHEIGHT);
    platform::sleepMs(kLayoutSettleMs);

    for (int player = 1; player <= kPlayerCount; ++player) {
        platform::restoreWindow(playerTable[player].window);
    }
    const Wide width = Wide{s.VLCWIDTH} / divisor;
    const Wide height = Wide{s.VLCHEIGHT} / divisor;
    for (int player = 1; player <= kPlayerCount; ++player) {
        const int column = (player - 1) % 2;
        const int row = (player - 1) / 2;
        platform::moveWindow(playerTable[player].window, Wide{s.VLCLEFT} + column * width,
                             Wide{s.VLCTOP} + row * height, width, height);
    }
    // All four asked for, then read back with the console's, asked for before the pause: the
    // window manager carries them out together, the console's while it minimizes the players.
    readBack(0, consoleWindow);
    for (int player = 1; player <= kPlayerCount; ++player) {
        readBack(player, playerTable[player].window);
    }

    for (int player = 1; player <= kPlayerCount; ++player) {
        std::snprintf(titleText, sizeof titleText, messages::kPlayerGridTitleFormat, player,
                      s.IPADDRESS, s.IPPORT + kStreamPortOffset + player);
        platform::setWindowTitle(playerTable[player].window, titleText);
    }
}

void hideWindows() {
    for (int player = 1; player <= kPlayerCount; ++player) {
        platform::minimizeWindow(playerTable[player].window);
    }
    platform::minimizeWindow(consoleWindow);
}

void keepKeysOnConsole(unsigned keyboardNews) {
    if (keyboardSettleUntilMs == 0) {
        return;
    }
    if (platform::monotonicMs() >= keyboardSettleUntilMs) {
        platform::stopWatchingKeyboard();
        keyboardSettleUntilMs = 0;
    } else if ((keyboardNews & (platform::kPlayerTookKeys | platform::kConsoleLostKeys)) != 0) {
        platform::giveKeysTo(consoleWindow);
    }
}
