// The poll cycle, the operator's keys, the control handler and the shutdown order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "control/main_loop.h"
#include "control/startup.h"
#include "net/receive_sockets.h"
#include "net/status_records.h"
#include "players/player_table.h"
#include "players/window_layout.h"
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

// How the desktop shows the window now: "minimized", or "shown" and where it was last moved.
std::string shownAs(platform::WindowHandle window) {
    const fake::DeskWindow& shown = fake::state.desk[window];
    return shown.minimized ? "minimized" : "shown " + shown.rectangle;
}

// What each key does: Y toggles the size and lays the windows out, V lays them out at the size
// there is, H hides them, Enter quits, anything else does nothing. What each key leaves on the
// desktop once its layout is over: the players in their cells at the size there is, all five
// windows minimized, or the desktop as it was, untouched.
TEST_F(MainLoop, KeysLayOutHideQuitOrDoNothing) {
    enum Does { kNothing, kLayout, kHide, kQuit };
    const struct {
        int key;
        Does does;
        int divisorAfter;
    } steps[] = {
        {'Y', kLayout, 2}, {'v', kLayout, 2},  {'h', kHide, 2},    {'H', kHide, 2},
        {'y', kLayout, 1}, {'V', kLayout, 1},  {10, kNothing, 1},  {27, kNothing, 1},
        {91, kNothing, 1}, {65, kNothing, 1},  {'q', kNothing, 1}, {'x', kNothing, 1},
        {0, kNothing, 1},  {255, kNothing, 1}, {224, kNothing, 1}, {13, kQuit, 1},
    };
    const platform::WindowHandle windows[] = {11, 12, 13, 14, 50};
    for (const auto& step : steps) {
        std::vector<std::string> before;
        for (const platform::WindowHandle window : windows) {
            before.push_back(shownAs(window));
        }
        const std::size_t callsBefore = fake::state.calls.size();
        handleKey(step.key);
        followLayout(LLONG_MAX);
        for (int player = 1; player <= kPlayerCount; ++player) {
            const int width = 480 / step.divisorAfter;
            const int height = 270 / step.divisorAfter;
            const std::string cell = "shown " + std::to_string((player - 1) % 2 * width) + " " +
                                     std::to_string((player - 1) / 2 * height) + " " +
                                     std::to_string(width) + " " + std::to_string(height);
            const std::string now = shownAs(windows[player - 1]);
            if (step.does == kLayout) {
                EXPECT_EQ(now, cell) << step.key;
            } else if (step.does == kHide) {
                EXPECT_EQ(now, "minimized") << step.key;
            } else {
                EXPECT_EQ(now, before[player - 1]) << step.key;
            }
        }
        // The console is minimized by H, and left so by a layout until the operator shows it.
        EXPECT_EQ(shownAs(50) == "minimized", step.does == kHide || before[4] == "minimized")
            << step.key;
        if (step.does == kNothing || step.does == kQuit) {
            EXPECT_EQ(fake::state.calls.size(), callsBefore) << step.key;
        }
        EXPECT_EQ(sizeDivisor, step.divisorAfter) << step.key;
        EXPECT_EQ(quitRequested.load(), step.does == kQuit ? 1 : 0) << step.key;
    }
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
    EXPECT_EQ(calls.back().rfind("sleep", 0), 0u);  // the cycle of Enter was the last
}

// An interrupt (Ctrl-C, closing the console) before the loop: the handler asks to quit and gives
// the loop its second; the loop then shows its key hints and runs no cycle at all.
TEST_F(MainLoop, KeyHintsComeFirstAndAPendingQuitSkipsEveryCycle) {
    onConsoleControl(0);
    runMainLoop();
    EXPECT_EQ(fake::state.output,
              "Hit ENTER or CTRL-C to quit\r\nHit Y to toggle half size\r\nHit H to hide\r\n"
              "Hit V to display\r\n\r\n");
    EXPECT_EQ(fake::callsStartingWith("sleep"), (Calls{"sleep 1000"}));
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
    fake::state.windowNews = {{100, 0}, {200, 0}};
    fake::state.keys = {'x', 'x', 13};
    runMainLoop();
    EXPECT_EQ(cycleCalls(), (Calls{"sleep 100", "receive 101", "title 11 T", "windowEvents",
                                   "sleep 100", "windowEvents", "sleep 100"}));
}

// From a layout until five seconds after its grid stands, a player that takes the keyboard, or
// a console that loses it to no window, hands it back to the console; each hand-back carries the
// five seconds on from then (players whose videos start seconds apart), never past 15 s after
// the grid stands. Then the watch ends, once, and the operator's own choice stands. A layout
// within the watch starts it again. A status record that starts a player's stream again (N)
// starts the watch as a layout does: its video starts anew. The fake's clock moves only by the
// viewer's waits: each cycle 100 ms, the layout's pause within one; V in the first cycle, its
// grid stands at 200 ms.
struct KeyboardWatchCase {
    const char* name;
    int secondV;  // the cycle of a second V, 0 for none
    std::vector<std::pair<long long, unsigned>> news;
    std::vector<long long> givenAtMs;
    std::vector<long long> endedAtMs;
    bool byStatusRecord = false;  // N to player 1 at 100 ms instead of the first V
};

void PrintTo(const KeyboardWatchCase& c, std::ostream* out) {
    *out << c.name;
}

class KeyboardAfterALayout : public MainLoop,
                             public ::testing::WithParamInterface<KeyboardWatchCase> {};

TEST_P(KeyboardAfterALayout, IsKeptOnTheConsoleWhileItSettles) {
    const KeyboardWatchCase& c = GetParam();
    std::vector<int> keys(200, 'x');
    keys[0] = c.byStatusRecord ? 'x' : 'V';
    if (c.byStatusRecord) {
        fake::state.datagrams = {{101, "$0,1\r$97,1\r$0,0\r"}};
    }
    if (c.secondV != 0) {
        keys[c.secondV - 1] = 'V';
    }
    keys.push_back(13);
    fake::state.keys.assign(keys.begin(), keys.end());
    fake::state.windowNews.assign(c.news.begin(), c.news.end());
    runMainLoop();
    EXPECT_EQ(fake::state.keysGivenAtMs, c.givenAtMs);
    EXPECT_EQ(fake::state.keyboardWatchEndedAtMs, c.endedAtMs);
}

constexpr unsigned kPlayer = platform::kPlayerTookKeys;
constexpr unsigned kLost = platform::kConsoleLostKeys;

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyboardAfterALayout,
    ::testing::Values(
        // Five quiet seconds after the last hand-back end the watch; later news is the operator's.
        KeyboardWatchCase{"FiveQuietSeconds",
                          0,
                          {{200, kPlayer}, {400, kLost}, {5300, kPlayer}, {10400, kPlayer}},
                          {200, 400, 5300},
                          {10300}},
        KeyboardWatchCase{"NothingTakesIt", 0, {{5300, kPlayer}}, {}, {5200}},
        // Players taking it one after another carry the watch to at most 15 s after the grid.
        KeyboardWatchCase{"PlayersOneAfterAnother",
                          0,
                          {{4000, kPlayer}, {8000, kPlayer}, {12000, kLost}, {15300, kPlayer}},
                          {4000, 8000, 12000},
                          {15200}},
        // A second layout at 7000 ms stands at 7100 ms and is watched five seconds from there.
        KeyboardWatchCase{"ALayoutStartsItAgain",
                          70,
                          {{200, kPlayer}, {7100, kPlayer}, {12000, kLost}, {17100, kPlayer}},
                          {200, 7100, 12000},
                          {5200, 17000}},
        // N at 100 ms: watched until 5100 ms, carried on by the hand-back at 3000 ms.
        KeyboardWatchCase{
            "AStreamStartedAgain", 0, {{3000, kPlayer}, {8100, kPlayer}}, {3000}, {8000}, true}),
    [](const ::testing::TestParamInfo<KeyboardWatchCase>& info) { return info.param.name; });

// A desktop that stops answering costs its windows' placement, not the cycle: text lines go on
// printing one a cycle while Y's layout waits, and the layout ends within its budget (four
// seconds: forty cycles) with the windows it could not place told.
TEST_F(MainLoop, AStoppedDesktopHoldsNoCycle) {
    fake::state.desktopPlacesAtMs = LLONG_MAX;
    fake::state.unplaceableWindows = {11, 12, 13, 14};
    std::string lines;
    for (int line = 1; line <= 45; ++line) {
        fake::state.datagrams.push_back({102, "line " + std::to_string(line) + "\r\n"});
        lines += "line " + std::to_string(line) + "\r\n";
    }
    std::vector<int> keys(50, 'x');
    keys[0] = 'Y';
    keys.push_back(13);
    fake::state.keys.assign(keys.begin(), keys.end());
    runMainLoop();
    std::string output = fake::state.output;
    const std::size_t told = output.find("The desktop did not place the window of player 1");
    ASSERT_NE(told, std::string::npos) << output;
    EXPECT_GT(told, output.find("line 39\r\n"));
    EXPECT_LT(told, output.find("line 42\r\n"));
    std::string printed;
    for (std::size_t at = output.find("line 1\r\n"); at != std::string::npos;
         at = output.find("line ", at + 1)) {
        printed += output.substr(at, output.find('\n', at) + 1 - at);
    }
    EXPECT_EQ(printed, lines);
    EXPECT_EQ(quitRequested.load(), 1);
}

// On a slow platform (each call costs 10 ms: a loaded desktop, a slow X server) a layout holds
// the cycle only for the calls of one of its steps, never for the whole of it: while Y, V and H
// come, a text line sent every cycle is printed within 250 ms of the one before, and the grid
// still forms twice.
TEST_F(MainLoop, ASlowPlatformHoldsTheCycleOnlyForOneStepOfALayout) {
    fake::state.callCostMs = 10;
    for (int line = 1; line <= 60; ++line) {
        fake::state.datagrams.push_back({102, "line " + std::to_string(line) + "\r\n"});
    }
    std::vector<int> keys(60, 'x');
    keys[0] = 'Y';
    keys[20] = 'V';
    keys[40] = 'H';
    keys.push_back(13);
    fake::state.keys.assign(keys.begin(), keys.end());
    runMainLoop();
    long long worst = 0;
    long long last = -1;
    int lines = 0;
    for (const auto& [atMs, text] : fake::state.written) {
        if (text.rfind("line ", 0) == 0) {
            worst = last >= 0 && atMs - last > worst ? atMs - last : worst;
            last = atMs;
            ++lines;
        }
    }
    EXPECT_EQ(lines, 60);
    EXPECT_LE(worst, 250);
    EXPECT_EQ(fake::callsStartingWith("move 14"),
              (Calls{"move 14 240 135 240 135", "move 14 240 135 240 135"}));
}

// A player that ends (here killed) is told once, started again a second later on its stream,
// and its new window put in its cell with the title it last had; while the grid is hidden (H)
// the new window is minimized instead.
TEST_F(MainLoop, APlayerThatEndsComesBackInItsCellWithItsTitle) {
    for (const bool hidden : {false, true}) {
        SetUp();
        std::strcpy(playerPath, "/usr/bin/vlc");
        fake::state.processesStarted = 4;
        setPlayerTitle(3, "Three");
        fake::state.endedProcesses = {{1003, -9}};
        fake::state.windows = {fake::window(23, 1005, "VLC media player")};
        std::vector<int> keys(30, 'x');
        keys[0] = hidden ? 'H' : 'x';
        keys.push_back(13);
        fake::state.keys.assign(keys.begin(), keys.end());
        runMainLoop();
        EXPECT_THAT(fake::state.output,
                    HasSubstr("\r\n\r\nPlayer 3 (udp://@127.0.0.1:5043) ended by signal 9: "
                              "starting it again in 1 s\r\n"));
        EXPECT_EQ(playerTable[3].window, 23u);
        EXPECT_EQ(playerTable[3].process.processId, 1005u);
        EXPECT_EQ(fake::callsStartingWith("endProcess"), (Calls{"endProcess 1003"}));
        EXPECT_EQ(fake::callsStartingWith("startProcess"),
                  (Calls{"startProcess /usr/bin/vlc --qt-minimal-view --no-qt-video-autoresize "
                         "--no-video-title-show --no-qt-system-tray udp://@127.0.0.1:5043"}));
        EXPECT_EQ(fake::callsStartingWith("move 23"),
                  hidden ? Calls{} : Calls{"move 23 0 270 480 270"});
        // Minimized, and shown again after the pause unless the grid is hidden.
        EXPECT_EQ(fake::callsStartingWith("minimize 23"), (Calls{"minimize 23"}));
        EXPECT_EQ(fake::callsStartingWith("restore 23"), hidden ? Calls{} : Calls{"restore 23"});
        EXPECT_EQ(fake::callsStartingWith("title 23"), (Calls{"title 23 Three"})) << hidden;
    }
}

// A player that ends again and again is tried after 1, 2, 4, 8 s, and the operator hears of it
// once a minute, not once a try.
TEST_F(MainLoop, APlayerThatKeepsEndingIsTriedLessOftenAndToldOnceAMinute) {
    fake::state.processesStarted = 4;
    for (std::uint32_t process = 1005; process <= 1020; ++process) {
        fake::state.endedProcesses.push_back({process, 1});
    }
    fake::state.endedProcesses.push_back({1002, 1});
    std::vector<int> keys(200, 'x');
    keys.push_back(13);
    fake::state.keys.assign(keys.begin(), keys.end());
    runMainLoop();
    // Started at 1.1, 3.2, 7.3 and 15.4 s of the twenty.
    EXPECT_EQ(fake::state.processesStarted, 4 + 4);
    const std::string output = fake::state.output;
    EXPECT_EQ(output.find("Player 2"), output.rfind("Player 2"));
    EXPECT_THAT(output, HasSubstr("Player 2 (udp://@127.0.0.1:5042) ended with exit code 1: "
                                  "starting it again in 1 s\r\n"));
}

// A player started again that never shows its window is looked for at every cycle in the window
// manager's list for three seconds, then through every window once a second, and once a minute
// after a minute: the walk through every window is many requests. The operator hears of it after
// ten seconds and when the looks slow down, once each.
TEST_F(MainLoop, AWindowThatNeverShowsIsLookedForLessAndLessOften) {
    fake::state.processesStarted = 4;
    fake::state.endedProcesses = {{1003, -9}};
    std::vector<int> keys(1300, 'x');  // 130 s of cycles
    keys.push_back(13);
    fake::state.keys.assign(keys.begin(), keys.end());
    runMainLoop();
    const Calls lists = fake::callsStartingWith("listTopLevelWindows");
    const auto walks = std::count(lists.begin(), lists.end(), "listTopLevelWindows wholeTree");
    // Started again after 1 s: about 30 looks at the list, 57 walks up to a minute, then one a
    // minute.
    EXPECT_NEAR(static_cast<double>(lists.size() - walks), 30, 2);
    EXPECT_NEAR(static_cast<double>(walks), 57 + 2, 2);
    EXPECT_EQ(playerTable[3].window, 0u);
    const std::string& output = fake::state.output;
    const std::string waiting =
        "Still waiting for the windows of players 3 (udp://@127.0.0.1:5043)";
    const std::string slow =
        "Player 3 (udp://@127.0.0.1:5043) has shown no window for 60 s: "
        "looking for it once a minute\r\n";
    ASSERT_NE(output.find(slow), std::string::npos) << output;
    EXPECT_LT(output.find(waiting), output.find(slow));
    EXPECT_EQ(output.find(waiting), output.rfind(waiting));
    EXPECT_EQ(output.find(slow), output.rfind(slow));
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
