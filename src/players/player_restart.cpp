#include "players/player_restart.h"

#include <cstdio>
#include <cstring>

#include "control/console_output.h"
#include "control/messages.h"
#include "control/startup.h"
#include "platform/platform.h"
#include "players/alarms.h"
#include "players/player_contract.h"
#include "players/player_launch.h"
#include "players/player_table.h"
#include "players/window_layout.h"

namespace {

constexpr long long kWholeTreeAfterMs = kWholeTreeAfterPasses * kDiscoveryPeriodMs;
constexpr long long kMissingToldAfterMs = kMissingToldAfterPasses * kDiscoveryPeriodMs;
constexpr long long kMsPerSecond = 1000;

int streamPort(int player) {
    return viewerSettings.IPPORT + kStreamPortOffset + player;
}

// Whether the operator may be told of the player now: one line a minute at most, so that a
// player that cannot run does not fill the console.
bool mayTell(PlayerSlot& slot, long long nowMs) {
    if (slot.toldAtMs != 0 && nowMs - slot.toldAtMs < kPlayerToldEveryMs) {
        return false;
    }
    slot.toldAtMs = nowMs;
    return true;
}

// The next try waits twice as long as the last, unless the player ran a minute.
void scheduleRestart(PlayerSlot& slot, long long nowMs) {
    const bool steady = nowMs - slot.startedAtMs >= kSteadyRunMs;
    const long long doubled = 2 * slot.restartDelayMs;
    slot.restartDelayMs = steady || slot.restartDelayMs == 0 ? kFirstRestartDelayMs
                          : doubled < kLongestRestartDelayMs ? doubled
                                                             : kLongestRestartDelayMs;
    slot.restartAtMs = nowMs + slot.restartDelayMs;
}

void noticeEnd(int player, long long nowMs) {
    PlayerSlot& slot = playerTable[player];
    int exitStatus = 0;
    int signalNumber = 0;
    if (!platform::processHasEnded(&slot.process, &exitStatus, &signalNumber)) {
        return;
    }
    // Its handles are given up; an ended process is never signalled again.
    platform::endProcess(&slot.process);
    platform::forgetWindow(player);
    slot.window = 0;
    slot.awaitedSinceMs = 0;
    slot.placeWanted = false;
    scheduleRestart(slot, nowMs);
    alarmStarts(player, AlarmKind::kNoPlayer, nowMs, nowMs);
    if (!mayTell(slot, nowMs)) {
        return;
    }
    const int seconds = static_cast<int>(slot.restartDelayMs / kMsPerSecond);
    if (signalNumber != 0) {
        printAndRecord(messages::kPlayerSignalledFormat, player, viewerSettings.IPADDRESS,
                       streamPort(player), signalNumber, seconds);
    } else {
        printAndRecord(messages::kPlayerExitedFormat, player, viewerSettings.IPADDRESS,
                       streamPort(player), exitStatus, seconds);
    }
}

void startAgain(int player, long long nowMs) {
    PlayerSlot& slot = playerTable[player];
    slot.restartAtMs = 0;
    int errorCode = 0;
    if (!startPlayer(player, &errorCode)) {
        slot.process = platform::ProcessInfo{};
        scheduleRestart(slot, nowMs);
        if (mayTell(slot, nowMs)) {
            printAndRecord(messages::kPlayerRestartFailedFormat, player, viewerSettings.IPADDRESS,
                           streamPort(player), errorCode,
                           static_cast<int>(slot.restartDelayMs / kMsPerSecond));
        }
        return;
    }
    slot.awaitedSinceMs = nowMs;
    slot.missingTold = false;
    slot.slowLookTold = false;
}

struct WindowSearch {
    std::uint32_t processId;
    platform::WindowHandle found;
};

bool takePlayerWindow(const platform::WindowInfo& window, void* context) {
    WindowSearch& search = *static_cast<WindowSearch*>(context);
    if (window.ownerProcessId == search.processId &&
        std::strstr(window.title, kPlayerTitleMarker) != nullptr) {
        search.found = window.handle;
        return false;
    }
    return true;
}

// How often the window of a player started again is looked for: once a cycle in the window
// manager's list at first, then through every window, which is many requests, once a second,
// and once a minute after a minute (a player that shows none may still, once its stream comes).
long long lookEveryMs(long long waitedMs) {
    return waitedMs < kWholeTreeAfterMs ? 0 : waitedMs < kSteadyRunMs ? kMsPerSecond : kSteadyRunMs;
}

// The window of a player started again, looked for as discovery looks at start: the window
// manager's list first, every window after a while, the operator told after ten seconds and
// again when the looks become once a minute.
void lookForWindow(int player, long long nowMs) {
    PlayerSlot& slot = playerTable[player];
    const long long waited = nowMs - slot.awaitedSinceMs;
    if (!slot.slowLookTold && waited >= kSteadyRunMs) {
        slot.slowLookTold = true;
        printAndRecord(messages::kPlayerWindowSlowFormat, player, viewerSettings.IPADDRESS,
                       streamPort(player), static_cast<int>(waited / kMsPerSecond));
    }
    if (nowMs - slot.lookedAtMs < lookEveryMs(waited)) {
        return;
    }
    slot.lookedAtMs = nowMs;
    WindowSearch search = {slot.process.processId, 0};
    platform::listTopLevelWindows(takePlayerWindow, &search, waited >= kWholeTreeAfterMs);
    if (search.found != 0) {
        slot.window = search.found;
        slot.awaitedSinceMs = 0;
        slot.placeWanted = true;
        alarmEnds(player, AlarmKind::kNoPlayer, nowMs);
    } else if (!slot.missingTold && waited >= kMissingToldAfterMs) {
        slot.missingTold = true;
        char missing[kMessageSize];
        std::snprintf(missing, sizeof missing, messages::kPlayerMissingFormat, player,
                      viewerSettings.IPADDRESS, streamPort(player));
        printAndRecord("%s%s%s", messages::kPlayersMissingStart, missing, messages::kLineEnd);
    }
}

}  // namespace

void keepPlayersRunning() {
    const long long now = platform::monotonicMs();
    for (int player = 1; player <= kPlayerCount; ++player) {
        PlayerSlot& slot = playerTable[player];
        if (slot.process.processId != 0) {
            noticeEnd(player, now);
        } else if (slot.restartAtMs != 0 && now >= slot.restartAtMs) {
            startAgain(player, now);
        }
        if (slot.process.processId != 0 && slot.awaitedSinceMs != 0) {
            lookForWindow(player, now);
        }
        if (slot.placeWanted && placePlayer(player)) {
            slot.placeWanted = false;
        }
    }
}
