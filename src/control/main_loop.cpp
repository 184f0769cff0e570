#include "control/main_loop.h"

#include "control/console_output.h"
#include "control/messages.h"
#include "control/startup.h"
#include "net/receive_sockets.h"
#include "net/status_records.h"
#include "platform/platform.h"
#include "players/alarms.h"
#include "players/picture_watch.h"
#include "players/player_restart.h"
#include "players/player_table.h"
#include "players/window_layout.h"

std::atomic<int> quitRequested{0};

namespace {

constexpr int kLineFeed = 10;
constexpr int kShutdownPauseMs = 3000;

int toUpper(int keyCode) {
    return keyCode >= 'a' && keyCode <= 'z' ? keyCode - 'a' + 'A' : keyCode;
}

}  // namespace

void handleKey(int keyCode) {
    switch (toUpper(keyCode)) {
        case 'Y':
            sizeDivisor ^= 3;  // 1 and 2 swap
            arrangeWindows(sizeDivisor);
            break;
        case 'H':
            hideWindows();
            break;
        case 'V':
            arrangeWindows(sizeDivisor);
            break;
        case 'A':
            acknowledgeAlarms();
            break;
        case kEnterKey:
            quitRequested = 1;
            break;
        case kLineFeed:
        default:
            break;
    }
}

void followLayout(long long untilMs) {
    while (layoutInProgress() && quitRequested == 0) {
        const long long wakeMs = layoutWakeMs();
        if (platform::monotonicMs() >= untilMs) {
            return;
        }
        platform::waitForWindowNews(wakeMs < untilMs ? wakeMs : untilMs);
        keepKeysOnConsole(platform::handleWindowEvents());
        advanceLayout();
    }
}

void runMainLoop() {
    resetStatusRecords();
    printText(messages::kKeyHints);

    while (quitRequested == 0) {
        // A layout on its way is carried on during the cycle's wait, woken by the window
        // system's news and its own moments; the cycle keeps its pace whatever the desktop does.
        const long long cycleEndMs = platform::monotonicMs() + kCycleMs;
        followLayout(cycleEndMs);
        const long long leftMs = cycleEndMs - platform::monotonicMs();
        // The wait, then one look at the keyboard, both sockets and the window system; only
        // what is there is read.
        const unsigned waiting = platform::waitThenCheckInput(
            leftMs > 0 ? static_cast<int>(leftMs) : 0, textSocket, statusSocket);
        if ((waiting & platform::kKeyInput) != 0) {
            handleKey(platform::readKey());
        }
        if ((waiting & platform::kTextSocketInput) != 0) {
            pollTextChannel();
        }
        if ((waiting & platform::kStatusSocketInput) != 0) {
            pollStatusChannel();
        }
        const unsigned keyboardNews =
            (waiting & platform::kWindowEvents) != 0 ? platform::handleWindowEvents() : 0;
        keepKeysOnConsole(keyboardNews);
        keepPlayersRunning();
        watchPictures();
        showAlarms();
    }
}

void onConsoleControl(int /*eventType*/) {
    quitRequested = 1;
    platform::sleepMs(kControlEventWaitMs);
}

int shutdown() {
    closeReceiveSockets();
    endAlarms();
    endPlayers();
    platform::releaseInstanceGuard(instanceMutex);
    printText(messages::kExiting);
    platform::sleepMs(kShutdownPauseMs);
    return exit_codes::kNormal;
}
