// What a pane's frame shows and what the alarm command is given, from the alarms and the time
// alone: the rules the program tests cannot reach cheaply (the ten minutes of amber, the most
// pressing alarm named first, events that cannot wait for a slow command).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "control/startup.h"
#include "players/alarms.h"
#include "players/window_layout.h"
#include "support/fake_platform.h"

namespace {

constexpr long long kSecond = 1000;

class Alarms : public ::testing::Test {
protected:
    void SetUp() override {
        fake::resetPlatform();
        gridHidden = false;
        viewerSettings = ViewerSettings{};
        std::snprintf(viewerSettings.IPADDRESS, sizeof viewerSettings.IPADDRESS, "239.1.1.1");
        viewerSettings.IPPORT = 5000;
        unsetenv("REZERIVOVE_ALARM_COMMAND");
        readAlarmSettings();
    }

    void TearDown() override {
        unsetenv("REZERIVOVE_ALARM_COMMAND");
        readAlarmSettings();
    }

    // Lets `seconds` pass, a cycle at a time, and returns what pane 2's frame shows then.
    std::string after(int seconds) {
        for (int cycle = 0; cycle < seconds * 10; ++cycle) {
            fake::state.nowMs += 100;
            showAlarms();
        }
        return fake::state.frames[2];
    }
};

TEST_F(Alarms, FramesNameTheMostPressingAlarmThenAmberUntilAcknowledgedOrTenMinutes) {
    fake::state.nowMs = 100 * kSecond;
    alarmStarts(2, AlarmKind::kStill, 90 * kSecond, fake::state.nowMs);
    EXPECT_EQ(after(0), "");
    EXPECT_EQ(after(65), "alarm STILL 1:15");
    // A player that ended is named before the picture it left; the picture's episode runs on.
    alarmStarts(2, AlarmKind::kNoPlayer, fake::state.nowMs, fake::state.nowMs);
    EXPECT_EQ(after(3), "alarm NO PLAYER 0:03");
    alarmEnds(2, AlarmKind::kNoPlayer, fake::state.nowMs);
    EXPECT_EQ(after(1), "alarm STILL 1:19");
    // Still then black is one episode of another kind; its end leaves the amber frame.
    alarmStarts(2, AlarmKind::kBlack, fake::state.nowMs, fake::state.nowMs);
    EXPECT_EQ(after(2), "alarm BLACK 0:02");
    alarmEnds(2, AlarmKind::kBlack, fake::state.nowMs);
    EXPECT_EQ(after(1), "cleared WAS BLACK 0:02");
    // Hidden with the grid, back with it.
    gridHidden = true;
    EXPECT_EQ(after(1), "");
    gridHidden = false;
    EXPECT_EQ(after(1), "cleared WAS BLACK 0:02");
    EXPECT_EQ(after(596), "cleared WAS BLACK 0:02");
    EXPECT_EQ(after(1), "");
    // The key A takes the amber frames down at once; frames without an age.
    alarmStarts(2, AlarmKind::kUnwatched, fake::state.nowMs, fake::state.nowMs);
    EXPECT_EQ(after(1), "alarm NOT WATCHED");
    alarmEnds(2, AlarmKind::kUnwatched, fake::state.nowMs);
    acknowledgeAlarms();
    EXPECT_EQ(after(1), "");
}

TEST_F(Alarms, TheCommandRunsOnceAtATimeInOrderAndIsEndedAfterThirtySeconds) {
    setenv("REZERIVOVE_ALARM_COMMAND", "on-alarm", 1);
    readAlarmSettings();
    fake::state.nowMs = 100 * kSecond;
    alarmStarts(2, AlarmKind::kStill, 90 * kSecond, fake::state.nowMs);
    after(1);
    // While it runs, the events wait; one more than the queue holds drops the oldest.
    for (int episode = 0; episode < kAlarmEventsQueued / 2; ++episode) {
        alarmEnds(2, AlarmKind::kStill, fake::state.nowMs);
        alarmStarts(2, AlarmKind::kStill, fake::state.nowMs, fake::state.nowMs);
    }
    alarmEnds(2, AlarmKind::kStill, fake::state.nowMs);
    after(29);
    EXPECT_EQ(fake::callsStartingWith("startProcess").size(), 1u);
    after(1);
    const std::vector<std::string> runs = fake::callsStartingWith("startProcess");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], "startProcess /opt/bin/on-alarm 2 still 10 udp://@239.1.1.1:5042");
    EXPECT_EQ(runs[1], "startProcess /opt/bin/on-alarm 2 still 0 udp://@239.1.1.1:5042");
    EXPECT_EQ(fake::callsStartingWith("endProcess 1001").size(), 1u);
    EXPECT_EQ(fake::state.output,
              "The alarm command /opt/bin/on-alarm ran for 30 s and was ended\r\n"
              "The alarm command was still running: 1 alarm events of player 2 "
              "(udp://@239.1.1.1:5042) were not passed to it\r\n");
    // Each run that ends lets the next start in the same cycle.
    for (int run = 2; run <= kAlarmEventsQueued; ++run) {
        fake::state.endedProcesses.push_back({1000 + static_cast<std::uint32_t>(run), 0});
        after(1);
    }
    EXPECT_EQ(fake::callsStartingWith("startProcess").size(), kAlarmEventsQueued + 1u);
    EXPECT_EQ(fake::callsStartingWith("startProcess").back(),
              "startProcess /opt/bin/on-alarm 2 moving 0 udp://@239.1.1.1:5042");
}

}  // namespace
