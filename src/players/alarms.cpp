#include "players/alarms.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "control/console_output.h"
#include "control/messages.h"
#include "control/startup.h"
#include "players/player_contract.h"
#include "players/window_layout.h"

namespace {

constexpr long long kMsPerSecond = 1000;
// The frames are raised above the players again this often: a player the operator clicks is
// raised by the desktop over them.
constexpr long long kRaiseEveryMs = 1000;
constexpr std::size_t kCommandPathSize = 512;
constexpr std::size_t kCommandLineSize = 128;

// What the frame says of each kind, and what the alarm command is told when it starts and ends.
struct KindNames {
    const char* label;
    bool aged;  // the label counts how long it has lasted
    const char* starts;
    const char* ends;
};
constexpr KindNames kNames[kAlarmKinds] = {
    {"STILL", true, "still", "moving"},
    {"BLACK", true, "black", "moving"},
    {"NOT WATCHED", false, "unwatched", "watched"},
    {"NOT PLACED", false, "unplaced", "placed"},
    {"NO PLAYER", true, "ended", "started"},
};

struct AlarmEvent {
    const char* kind;
    int seconds;
};

// One pane: its alarms that are on and since when, the last that ended (its amber frame), what
// its frame shows, and its alarm command with the events waiting for it. (Fields by size.)
struct PaneAlarms {
    long long sinceMs[kAlarmKinds];
    long long clearedAtMs;
    long long raisedAtMs;  // when its frame was last raised
    long long commandStartedAtMs;
    platform::ProcessInfo command;
    AlarmEvent events[kAlarmEventsQueued];
    AlarmKind clearedKind;
    int clearedSeconds;
    platform::FrameLook shownLook;
    int firstEvent;
    int eventCount;
    int dropped;
    bool on[kAlarmKinds];
    bool cleared;
    char shownLabel[platform::kFrameLabelSize];
};

PaneAlarms panes[kPlayerCount + 1];
char commandPath[kCommandPathSize];
bool commandFailedTold;
bool commandTooLongTold;
bool droppedTold;

int secondsBetween(long long fromMs, long long toMs) {
    return toMs > fromMs ? static_cast<int>((toMs - fromMs) / kMsPerSecond) : 0;
}

bool isPane(int pane) {
    return pane >= 1 && pane <= kPlayerCount;
}

int streamPort(int pane) {
    return viewerSettings.IPPORT + kStreamPortOffset + pane;
}

// An event for the pane's alarm command, in order. When too many wait, the oldest is dropped
// (and counted): the last ones passed on leave the command knowing how the pane stands now.
void passOn(PaneAlarms& alarms, const char* kind, int seconds) {
    if (commandPath[0] == '\0') {
        return;
    }
    if (alarms.eventCount == kAlarmEventsQueued) {
        ++alarms.dropped;
        alarms.firstEvent = (alarms.firstEvent + 1) % kAlarmEventsQueued;
        --alarms.eventCount;
    }
    alarms.events[(alarms.firstEvent + alarms.eventCount++) % kAlarmEventsQueued] = {kind, seconds};
}

void startCommand(int pane, long long nowMs) {
    PaneAlarms& alarms = panes[pane];
    const AlarmEvent event = alarms.events[alarms.firstEvent];
    alarms.firstEvent = (alarms.firstEvent + 1) % kAlarmEventsQueued;
    --alarms.eventCount;
    if (alarms.dropped > 0 && !droppedTold) {
        droppedTold = true;
        printAndRecord(messages::kAlarmEventsDroppedFormat, alarms.dropped, pane,
                       viewerSettings.IPADDRESS, streamPort(pane));
    }
    alarms.dropped = 0;
    char commandLine[kCommandLineSize];
    std::snprintf(commandLine, sizeof commandLine, " %d %s %d udp://@%s:%d", pane, event.kind,
                  event.seconds, viewerSettings.IPADDRESS, streamPort(pane));
    int errorCode = 0;
    if (platform::startProcess(commandPath, commandLine, &alarms.command, &errorCode)) {
        alarms.commandStartedAtMs = nowMs;
    } else {
        alarms.command = platform::ProcessInfo{};
        if (!commandFailedTold) {
            commandFailedTold = true;
            printAndRecord(messages::kAlarmCommandFailedFormat, commandPath, errorCode);
        }
    }
}

// The pane's command: reaped when it ended, ended when it ran too long, and the next event's run
// started once none runs.
void runCommand(int pane, long long nowMs) {
    PaneAlarms& alarms = panes[pane];
    if (alarms.command.processId != 0) {
        int exitStatus = 0;
        int signalNumber = 0;
        if (platform::processHasEnded(&alarms.command, &exitStatus, &signalNumber)) {
            platform::endProcess(&alarms.command);
        } else if (nowMs - alarms.commandStartedAtMs >= kAlarmCommandLongestMs) {
            platform::endProcess(&alarms.command);
            if (!commandTooLongTold) {
                commandTooLongTold = true;
                printAndRecord(messages::kAlarmCommandTooLongFormat, commandPath,
                               static_cast<int>(kAlarmCommandLongestMs / kMsPerSecond));
            }
        }
    }
    if (alarms.command.processId == 0 && alarms.eventCount > 0) {
        startCommand(pane, nowMs);
    }
}

// The most pressing alarm that is on; -1 for none.
int worstOn(const PaneAlarms& alarms) {
    for (int kind = kAlarmKinds - 1; kind >= 0; --kind) {
        if (alarms.on[kind]) {
            return kind;
        }
    }
    return -1;
}

void formatLabel(char* label, const char* before, const KindNames& names, bool aged, int seconds) {
    if (aged) {
        std::snprintf(label, platform::kFrameLabelSize, "%s%s %d:%02d", before, names.label,
                      seconds / 60, seconds % 60);
    } else {
        std::snprintf(label, platform::kFrameLabelSize, "%s%s", before, names.label);
    }
}

// What the pane's frame should show now, and its label.
platform::FrameLook lookOf(PaneAlarms& alarms, long long nowMs, char* label) {
    label[0] = '\0';
    if (gridHidden) {
        return platform::FrameLook::kNone;
    }
    const int worst = worstOn(alarms);
    if (worst >= 0) {
        formatLabel(label, "", kNames[worst], kNames[worst].aged,
                    secondsBetween(alarms.sinceMs[worst], nowMs));
        return platform::FrameLook::kAlarm;
    }
    if (alarms.cleared && nowMs - alarms.clearedAtMs >= kClearedShownMs) {
        alarms.cleared = false;
    }
    if (!alarms.cleared) {
        return platform::FrameLook::kNone;
    }
    const int kind = static_cast<int>(alarms.clearedKind);
    formatLabel(label, "WAS ", kNames[kind], true, alarms.clearedSeconds);
    return platform::FrameLook::kCleared;
}

}  // namespace

void alarmStarts(int pane, AlarmKind kind, long long sinceMs, long long nowMs) {
    if (!isPane(pane)) {
        return;
    }
    PaneAlarms& alarms = panes[pane];
    const int index = static_cast<int>(kind);
    if (alarms.on[index]) {
        return;  // on already: a player that ends again, a window refused again
    }
    // Still and black are one picture that does not move: the kind changes, nothing ends.
    if (kind == AlarmKind::kStill || kind == AlarmKind::kBlack) {
        alarms.on[static_cast<int>(AlarmKind::kStill)] = false;
        alarms.on[static_cast<int>(AlarmKind::kBlack)] = false;
    }
    alarms.on[index] = true;
    alarms.sinceMs[index] = sinceMs;
    passOn(alarms, kNames[index].starts, secondsBetween(sinceMs, nowMs));
}

void alarmEnds(int pane, AlarmKind kind, long long nowMs) {
    const int index = static_cast<int>(kind);
    if (!isPane(pane) || !panes[pane].on[index]) {
        return;
    }
    PaneAlarms& alarms = panes[pane];
    alarms.on[index] = false;
    alarms.cleared = true;
    alarms.clearedKind = kind;
    alarms.clearedSeconds = secondsBetween(alarms.sinceMs[index], nowMs);
    alarms.clearedAtMs = nowMs;
    passOn(alarms, kNames[index].ends, alarms.clearedSeconds);
}

void acknowledgeAlarms() {
    for (int pane = 1; pane <= kPlayerCount; ++pane) {
        panes[pane].cleared = false;
    }
}

void showAlarms() {
    const long long now = platform::monotonicMs();
    for (int pane = 1; pane <= kPlayerCount; ++pane) {
        PaneAlarms& alarms = panes[pane];
        char label[platform::kFrameLabelSize];
        const platform::FrameLook look = lookOf(alarms, now, label);
        const bool shown = look != platform::FrameLook::kNone;
        if (look != alarms.shownLook || std::strcmp(label, alarms.shownLabel) != 0 ||
            (shown && now - alarms.raisedAtMs >= kRaiseEveryMs)) {
            platform::showFrame(pane, look, label);
            alarms.shownLook = look;
            std::memcpy(alarms.shownLabel, label, sizeof label);
            alarms.raisedAtMs = now;
        }
        runCommand(pane, now);
    }
}

void readAlarmSettings() {
    std::memset(panes, 0, sizeof panes);
    commandFailedTold = commandTooLongTold = droppedTold = false;
    const char* command = std::getenv("REZERIVOVE_ALARM_COMMAND");
    commandPath[0] = '\0';
    if (command == nullptr || command[0] == '\0') {
        return;
    }
    // A name without a folder is looked for as a shell would; one not found is told when the
    // first alarm cannot start it.
    const bool named =
        std::strchr(command, '/') == nullptr && std::strchr(command, '\\') == nullptr;
    if (!named || !platform::findProgram(command, commandPath, sizeof commandPath)) {
        std::snprintf(commandPath, sizeof commandPath, "%s", command);
    }
}

void endAlarms() {
    for (int pane = 1; pane <= kPlayerCount; ++pane) {
        platform::showFrame(pane, platform::FrameLook::kNone, "");
        if (panes[pane].command.processId != 0) {
            platform::endProcess(&panes[pane].command);
        }
    }
}
