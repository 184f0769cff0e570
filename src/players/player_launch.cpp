#include "players/player_launch.h"

#include <cstdio>
#include <cstring>

#include "control/console_output.h"
#include "control/decimal_reading.h"
#include "control/main_loop.h"
#include "control/messages.h"
#include "control/startup.h"
#include "platform/platform.h"
#include "players/player_contract.h"
#include "players/player_table.h"
#include "players/window_layout.h"

namespace {

constexpr std::size_t kCommandLineSize = 256;

// One discovery pass: a player window is one whose title carries the marker and whose owner is
// a player process; the console window is the last one whose title carries the program name.
bool takeWindow(const platform::WindowInfo& window, void* context) {
    int& found = *static_cast<int*>(context);
    if (std::strstr(window.title, kPlayerTitleMarker) != nullptr) {
        for (int player = 1; player <= kPlayerCount; ++player) {
            if (playerTable[player].process.processId == window.ownerProcessId &&
                playerTable[player].window == 0) {
                playerTable[player].window = window.handle;
                ++found;
            }
        }
    }
    if (std::strstr(window.title, programName) != nullptr) {
        consoleWindow = window.handle;
    }
    return true;
}

void failIfAPlayerEnded() {
    for (int player = 1; player <= kPlayerCount; ++player) {
        int exitStatus = 0;
        int signalNumber = 0;
        if (playerTable[player].window == 0 &&
            platform::processHasEnded(&playerTable[player].process, &exitStatus, &signalNumber)) {
            errorExitFormatted(exit_codes::kProcessStart, messages::kProcessStartFailedFormat,
                               exitStatus);
        }
    }
}

}  // namespace

void launchPlayers() {
    // An address whose first number is 0 means any: the stream locator then names no address.
    if (readDecimal(viewerSettings.IPADDRESS) == 0) {
        viewerSettings.IPADDRESS[0] = '\0';
    }
    for (int player = 1; player <= kPlayerCount; ++player) {
        int errorCode = 0;
        if (!startPlayer(player, &errorCode)) {
            errorExitFormatted(exit_codes::kProcessStart, messages::kProcessStartFailedFormat,
                               errorCode);
        }
    }
}

bool startPlayer(int player, int* errorCode) {
    char commandLine[kCommandLineSize];
    std::snprintf(commandLine, sizeof commandLine, kPlayerCommandLineFormat,
                  viewerSettings.IPADDRESS, viewerSettings.IPPORT + kStreamPortOffset + player);
    playerTable[player].startedAtMs = platform::monotonicMs();
    return platform::startProcess(playerPath, commandLine, &playerTable[player].process, errorCode);
}

namespace {

// One line for the operator naming every player still without a window, and its stream.
void tellMissingPlayers() {
    char line[kMessageSize];
    int length = std::snprintf(line, sizeof line, "%s", messages::kPlayersMissingStart);
    for (int player = 1; player <= kPlayerCount; ++player) {
        if (playerTable[player].window == 0 && length < static_cast<int>(sizeof line)) {
            length += std::snprintf(
                line + length, sizeof line - length, messages::kPlayerMissingFormat, player,
                viewerSettings.IPADDRESS, viewerSettings.IPPORT + kStreamPortOffset + player);
        }
    }
    printText(line);
    printText(messages::kLineEnd);
}

// The players' windows the keyboard is watched for while the others are awaited.
platform::WindowHandle watchedPlayers[kPlayerCount];

// A player shown early takes the keyboard when its video starts, while the others are still
// awaited: the keyboard is kept on the console then too, so that the operator's Enter reaches
// the viewer.
void keepKeysWhileWaiting() {
    bool changed = false;
    for (int player = 1; player <= kPlayerCount; ++player) {
        changed = changed || watchedPlayers[player - 1] != playerTable[player].window;
        watchedPlayers[player - 1] = playerTable[player].window;
    }
    if (changed) {
        holdKeysOnConsole();
    }
}

// The wait between passes. The operator may end it with Enter as with Ctrl-C; other keys have
// no window to act on yet.
void waitForOperator() {
    const unsigned waiting =
        platform::waitThenCheckInput(kDiscoveryPeriodMs, platform::kNoSocket, platform::kNoSocket);
    if ((waiting & platform::kKeyInput) != 0 && platform::readKey() == kEnterKey) {
        quitRequested = 1;
    }
    if ((waiting & platform::kWindowEvents) != 0) {
        keepKeysOnConsole(platform::handleWindowEvents());
    }
}

}  // namespace

void findWindows() {
    int found = 0;
    for (int pass = 1; found != kPlayerCount && quitRequested == 0; ++pass) {
        waitForOperator();
        for (int player = 1; player <= kPlayerCount; ++player) {
            playerTable[player].window = 0;
        }
        found = 0;
        platform::listTopLevelWindows(takeWindow, &found, pass > kWholeTreeAfterPasses);
        failIfAPlayerEnded();
        keepKeysWhileWaiting();
        if (pass == kMissingToldAfterPasses && found != kPlayerCount) {
            tellMissingPlayers();
        }
    }
    // A window manager may leave a window out of its own list now and then: the console not
    // found with the players is looked for once through every window.
    if (found == kPlayerCount && consoleWindow == 0) {
        int more = 0;
        platform::listTopLevelWindows(takeWindow, &more, true);
    }
    // A terminal that is no window of the players' window system is never found: the layout
    // goes on without it, and the operator is told why once.
    if (found == kPlayerCount && consoleWindow == 0 && platform::consoleMayBeOutOfReach()) {
        printText(messages::kConsoleOutOfReach);
    }
}
