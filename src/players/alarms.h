// Alarms where the operator looks: a pane in trouble is framed in red with what is wrong and for
// how long, in amber once it is over until the operator acknowledges it (A) or ten minutes pass,
// and each alarm that starts or ends is passed to a program of the operator's choosing
// (REZERIVOVE_ALARM_COMMAND), which can mail, page or post it.
#pragma once

#include "platform/platform.h"
#include "players/player_table.h"

// What can be wrong with a pane, the most pressing last: a frame names the most pressing.
enum class AlarmKind { kStill, kBlack, kUnwatched, kNotPlaced, kNoPlayer };
constexpr int kAlarmKinds = 5;

// How long an alarm that ended stays framed in amber unless acknowledged.
constexpr long long kClearedShownMs = 10 * 60 * 1000;
// How long the alarm command may run before it is ended.
constexpr long long kAlarmCommandLongestMs = 30000;
// Events of a pane that wait while its command runs; beyond them the oldest are dropped, and
// counted.
constexpr int kAlarmEventsQueued = 16;

// An alarm of `pane` starts, told now; what it tells began at `sinceMs`. One already on goes on
// as it was. Still and black are one episode: either starting ends the other without a word.
void alarmStarts(int pane, AlarmKind kind, long long sinceMs, long long nowMs);
// The alarm of `pane` ends, if it was on.
void alarmEnds(int pane, AlarmKind kind, long long nowMs);
// The operator acknowledged: every amber frame goes.
void acknowledgeAlarms();

// Once a cycle: the frames as the alarms stand (none while the grid is hidden), their labels'
// ages, and the alarm commands started, waited for without waiting, and ended when too long.
void showAlarms();

// Reads REZERIVOVE_ALARM_COMMAND; called once at start-up, when no pane has an alarm.
void readAlarmSettings();
// At shutdown: the frames go at once, and the alarm commands still running are ended.
void endAlarms();
