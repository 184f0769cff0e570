// Keeping the four players running: a player that ends (killed, crashed, or closed by the
// operator) is started again on its stream, and its window is found and put back in its cell.
#pragma once

// The first wait before a player that ended is started again; it doubles with each try that
// ends within a minute, up to a minute, and starts anew after a player ran a minute.
constexpr long long kFirstRestartDelayMs = 1000;
constexpr long long kLongestRestartDelayMs = 60000;
constexpr long long kSteadyRunMs = 60000;
// The operator hears of the same player at most once a minute.
constexpr long long kPlayerToldEveryMs = 60000;

// Once a cycle: notices a player that has ended, starts it again when its time has come, and
// looks for the window of one started again. Nothing here waits.
void keepPlayersRunning();
