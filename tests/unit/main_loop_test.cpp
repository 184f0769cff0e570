// The poll cycle, the operator's keys, the control handler and the shutdown order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "control/main_loop.h"
#include "control/startup.h"
#include "net/receive_sockets.h"
#include "net/status_records.h"
#include "players/player_table.h"
#include "support/fake_platform.h"

namespace {

using Calls = std::vector<std::string>;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

class MainLoop : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        std::strcpy(viewerSettings.IPADDRESS, "127.0.0.1");
        std::strcpy(viewerSettings.IPINTERFACEADDRESS, "127.0.0.1");
        viewerSettings.IPPORT = 5000;
        viewerSettings.VLCWIDTH = 480;
        viewerSettings.VLCHEIGHT = 270;
        std::strcpy(programName, "rezerivove");
        for (int player = 1; player <= kPlayerCount; ++player) {
            playerTable[player].window = 10 + player;
            playerTable[player].process.processHandle = 1000 + player;
            playerTable[player].process.processId = 1000 + player;
        }
        consoleWindow = 50;
        statusSocket = 101;
        textSocket = 102;
        instanceMutex = 7;
    }

    // What the loop did, without the key hints printed before it.
    Calls cycleCalls() {
        Calls calls;
        for (const std::string& call : fake::state.calls) {
            if (call.rfind("write Hit", 0) != 0) {
                calls.push_back(call);
            }
        }
        return calls;
    }
};

TEST_F(MainLoop, YTogglesHalfSizeAndBackLowerCaseToo) {
    handleKey('Y');
    EXPECT_EQ(sizeDivisor, 2);
    EXPECT_EQ(fake::callsStartingWith("move 11"), (Calls{"move 11 0 0 240 135"}));
    handleKey('y');
    EXPECT_EQ(sizeDivisor, 1);
    EXPECT_EQ(fake::callsStartingWith("move 11"),
              (Calls{"move 11 0 0 240 135", "move 11 0 0 480 270"}));
}

TEST_F(MainLoop, HHidesAndVArrangesAtTheCurrentSize) {
    handleKey('h');
    EXPECT_EQ(fake::callsStartingWith("minimize"),
              (Calls{"minimize 11", "minimize 12", "minimize 13", "minimize 14", "minimize 50"}));
    fake::state.calls.clear();
    sizeDivisor = 2;
    handleKey('V');
    EXPECT_EQ(sizeDivisor, 2);
    EXPECT_EQ(fake::callsStartingWith("move 11"), (Calls{"move 11 0 0 240 135"}));
    // The console window is moved but never restored.
    EXPECT_TRUE(fake::callsStartingWith("restore 50").empty());
}

TEST_F(MainLoop, EnterQuitsAndOtherKeysDoNothing) {
    for (int key : {10, 27, 91, 65, int{'q'}, int{'x'}, 0, 255, 224}) {
        handleKey(key);
    }
    EXPECT_EQ(quitRequested.load(), 0);
    EXPECT_TRUE(fake::state.calls.empty());
    handleKey(13);
    EXPECT_EQ(quitRequested.load(), 1);
}

TEST_F(MainLoop, OneKeyPerCycleAndTwoCodeKeysAreTwoKeys) {
    // A console arrow key arrives as 224 then 72; 72 is H, which hides.
    fake::state.keys = {224, 72, 'V', 13, 'H'};
    runMainLoop();
    const Calls calls = cycleCalls();
    const Calls expectedStart = {"sleep 100", "sleep 100", "minimize 11"};
    ASSERT_GE(calls.size(), expectedStart.size());
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + 3), expectedStart);
    EXPECT_EQ(fake::callsStartingWith("minimize 50").size(), 1u);  // only from the H
    EXPECT_EQ(fake::callsStartingWith("move 11").size(), 1u);      // from the V
    EXPECT_EQ(fake::state.keys, (std::deque<int>{'H'}));           // never read: Enter came first
    EXPECT_EQ(calls.back(), "sleep 100");
}

TEST_F(MainLoop, KeyHintsComeFirstAndAPendingQuitSkipsEveryCycle) {
    quitRequested = 1;
    runMainLoop();
    EXPECT_EQ(fake::state.output,
              "Hit ENTER or CTRL-C to quit\r\nHit Y to toggle half size\r\nHit H to hide\r\n"
              "Hit V to display\r\n\r\n");
    EXPECT_TRUE(fake::callsStartingWith("sleep").empty());
}

TEST_F(MainLoop, StartsFromEmptyStatusState) {
    feedStatusText("$0,2\r$94,Half");
    quitRequested = 1;
    runMainLoop();
    EXPECT_EQ(selectedChannel, 0);
    EXPECT_STREQ(pendingStatusText, "");
    EXPECT_EQ(channelTable[2].active, 0);
}

TEST_F(MainLoop, ChannelsAreReadOncePerCycleAlsoInTheCycleOfEnter) {
    fake::state.datagrams = {{102, "first\r\n"}, {102, "second\r\n"}, {101, "$0,1\r$94,T\r$0,2\r"}};
    fake::state.keys = {'x', 13};
    runMainLoop();
    EXPECT_EQ(cycleCalls(), (Calls{"sleep 100", "receive 102", "write first\r\n", "receive 101",
                                   "title 11 T", "sleep 100", "receive 102", "write second\r\n"}));
    EXPECT_TRUE(fake::state.datagrams.empty());
}

TEST_F(MainLoop, OnlyWhatIsWaitingIsReadAndWindowEventsComeLast) {
    // A status datagram alone: the text channel is not read in that cycle.
    fake::state.datagrams = {{101, "$0,1\r$94,T\r$0,2\r"}};
    fake::state.windowEventCycles = 2;
    fake::state.keys = {'x', 'x', 13};
    runMainLoop();
    EXPECT_EQ(cycleCalls(), (Calls{"sleep 100", "receive 101", "title 11 T", "windowEvents",
                                   "sleep 100", "windowEvents", "sleep 100"}));
}

TEST_F(MainLoop, ControlEventSetsTheFlagAndWaitsASecond) {
    onConsoleControl(0);
    EXPECT_EQ(quitRequested.load(), 1);
    EXPECT_EQ(fake::state.calls, (Calls{"sleep 1000"}));
}

TEST_F(MainLoop, ShutdownLeavesTheGroupEndsPlayersReleasesTheGuardAndSaysGoodbye) {
    std::strcpy(viewerSettings.IPADDRESS, "239.1.2.3");
    ASSERT_TRUE(openReceiveSockets());
    fake::state.calls.clear();
    EXPECT_EQ(shutdown(), 0);
    EXPECT_EQ(fake::state.calls,
              (Calls{"drop 101 50463215 16777343", "closeSocket 101", "endProcess 1001",
                     "endProcess 1002", "endProcess 1003", "endProcess 1004",
                     "releaseInstanceGuard 7", "write Exiting\r\n", "sleep 3000"}));
}

TEST_F(MainLoop, ShutdownWithoutMulticastLeavesNoGroup) {
    ASSERT_TRUE(openReceiveSockets());
    fake::state.calls.clear();
    EXPECT_EQ(shutdown(), 0);
    EXPECT_TRUE(fake::callsStartingWith("drop").empty());
    EXPECT_EQ(fake::state.calls.front(), "closeSocket 101");
}

TEST_F(MainLoop, FailingToLeaveTheGroupEndsWithCode2AndLeavesThePlayersRunning) {
    std::strcpy(viewerSettings.IPADDRESS, "239.1.2.3");
    std::strcpy(viewerSettings.IPINTERFACEADDRESS, "10.1.1.7");
    ASSERT_TRUE(openReceiveSockets());
    fake::state.dropRefused = true;
    fake::state.echoOutputToStderr = true;
    EXPECT_EXIT(shutdown(), ::testing::ExitedWithCode(2),
                AllOf(HasSubstr("Cannot drop membership to 10.1.1.7 for rx port 5000 \r\n"
                                "\n#call sleep 3000\n"),
                      Not(HasSubstr("endProcess")), Not(HasSubstr("Exiting"))));
}

}  // namespace
