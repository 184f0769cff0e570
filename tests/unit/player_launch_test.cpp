// Starting the players and finding their windows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "control/main_loop.h"
#include "control/startup.h"
#include "players/player_launch.h"
#include "players/player_table.h"
#include "support/fake_platform.h"

namespace {

using Calls = std::vector<std::string>;
using ::testing::ExitedWithCode;
using ::testing::HasSubstr;

class PlayerLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        std::strcpy(viewerSettings.IPADDRESS, "239.1.2.3");
        viewerSettings.IPPORT = 5000;
        std::strcpy(playerPath, "/usr/bin/vlc");
        std::strcpy(programName, "rezerivove");
        consoleWindow = 0;
    }

    static std::vector<platform::WindowHandle> playerWindows() {
        std::vector<platform::WindowHandle> windows;
        for (int player = 1; player <= kPlayerCount; ++player) {
            windows.push_back(playerTable[player].window);
        }
        return windows;
    }
};

const char kOptions[] =
    "startProcess /usr/bin/vlc --qt-minimal-view --no-qt-video-autoresize --no-video-title-show "
    "--no-qt-system-tray ";

TEST_F(PlayerLaunch, EachPlayerPlaysItsOwnStream) {
    launchPlayers();
    EXPECT_EQ(fake::callsStartingWith("startProcess"),
              (Calls{std::string(kOptions) + "udp://@239.1.2.3:5041",
                     std::string(kOptions) + "udp://@239.1.2.3:5042",
                     std::string(kOptions) + "udp://@239.1.2.3:5043",
                     std::string(kOptions) + "udp://@239.1.2.3:5044"}));
    EXPECT_EQ(playerTable[4].process.processId, 1004u);
}

TEST_F(PlayerLaunch, AnyAddressLeavesTheLocatorWithoutOneAndPortsAreNotWrapped) {
    std::strcpy(viewerSettings.IPADDRESS, "0.0.0.0");
    viewerSettings.IPPORT = 65500;
    launchPlayers();
    EXPECT_EQ(fake::callsStartingWith("startProcess").back(),
              std::string(kOptions) + "udp://@:65544");
    EXPECT_STREQ(viewerSettings.IPADDRESS, "");
}

TEST_F(PlayerLaunch, WindowsAreFoundByMarkerAndOwnerAndTheLastConsoleMatchWins) {
    launchPlayers();
    fake::state.windows = {
        fake::window(90, 1003, "vlc media player"),             // marker is case-sensitive
        fake::window(91, 4242, "VLC media player"),             // someone else's player
        fake::window(30, 77, "rezerivove"),                     // the console
        fake::window(13, 1003, "udp://x - VLC media player"),   // player 3
        fake::window(93, 1003, "VLC media player (settings)"),  // player 3's second window
        fake::window(31, 78, "notes about rezerivove"),         // a later console match wins
        fake::window(11, 1001, "VLC media player"),
        fake::window(12, 1002, "VLC media player"),
    };
    fake::state.laterWindows = {{3, fake::window(14, 1004, "VLC media player")}};
    findWindows();
    EXPECT_EQ(playerWindows(), (std::vector<platform::WindowHandle>{11, 12, 13, 14}));
    EXPECT_EQ(consoleWindow, 31u);
    EXPECT_EQ(fake::state.listings, 3);
    EXPECT_EQ(fake::callsStartingWith("sleep"), (Calls{"sleep 100", "sleep 100", "sleep 100"}));
}

// A console the players' window system cannot see (a native Wayland terminal) is said once, and
// only there; a console found, or one simply missing elsewhere, says nothing.
TEST_F(PlayerLaunch, AConsoleOutOfReachIsToldOnceWhereItMayBe) {
    const char kTold[] =
        "This console window cannot be placed: on Wayland, run the viewer in an X11 terminal "
        "such as xterm\r\n";
    // Where the console is: nowhere, in the window manager's list, or left out of it (labwc now
    // and then) and found by the one look through every window once the players are found.
    enum class Console { kNowhere, kListed, kOnlyInTheTree };
    struct Case {
        bool outOfReach;
        Console console;
        std::string output;
    };
    for (const Case& c :
         {Case{true, Console::kNowhere, kTold}, Case{true, Console::kListed, ""},
          Case{true, Console::kOnlyInTheTree, ""}, Case{false, Console::kNowhere, ""}}) {
        SetUp();
        fake::state.consoleOutOfReach = c.outOfReach;
        launchPlayers();
        fake::state.laterWindows = {{2, fake::window(11, 1001, "VLC media player")}};
        fake::state.windows = {fake::window(12, 1002, "VLC media player"),
                               fake::window(13, 1003, "VLC media player"),
                               fake::window(14, 1004, "VLC media player")};
        if (c.console == Console::kListed) {
            fake::state.windows.push_back(fake::window(30, 77, "rezerivove"));
        } else if (c.console == Console::kOnlyInTheTree) {
            fake::state.treeOnlyWindows = {fake::window(30, 77, "rezerivove")};
        }
        findWindows();
        EXPECT_EQ(fake::state.output, c.output) << c.outOfReach << int(c.console);
        EXPECT_EQ(consoleWindow, c.console == Console::kNowhere ? 0u : 30u) << int(c.console);
        EXPECT_EQ(playerWindows(), (std::vector<platform::WindowHandle>{11, 12, 13, 14}));
    }
}

TEST_F(PlayerLaunch, AnOperatorQuitEndsTheWaitForWindowsThatNeverShow) {
    launchPlayers();
    fake::state.windows = {fake::window(11, 1001, "VLC media player")};
    quitRequested = 1;
    findWindows();
    EXPECT_EQ(fake::state.listings, 0);
}

TEST_F(PlayerLaunch, EnterEndsTheWaitAsAnInterruptDoesAndOtherKeysWait) {
    launchPlayers();
    fake::state.keys = {'y', 'v', 13, 'h'};
    findWindows();
    EXPECT_EQ(quitRequested, 1);
    EXPECT_EQ(fake::state.listings, 3);
    EXPECT_EQ(fake::state.keys, (std::deque<int>{'h'}));
}

// Players that do not show: the window manager's list is asked first, the whole tree after a
// while, and the operator learns once which players are missing and what they play.
TEST_F(PlayerLaunch, PlayersThatDoNotShowAreLookedForEverywhereAndNamedOnce) {
    launchPlayers();
    fake::state.windows = {fake::window(11, 1001, "VLC media player"),
                           fake::window(13, 1003, "VLC media player"),
                           fake::window(30, 77, "rezerivove")};
    fake::state.laterWindows = {{150, fake::window(12, 1002, "VLC media player")},
                                {150, fake::window(14, 1004, "VLC media player")}};
    // Meanwhile a player already shown takes the keyboard as its video starts.
    fake::state.windowNews = {{1000, platform::kPlayerTookKeys}};
    findWindows();
    // The keyboard is given back to the console, so that the operator's Enter reaches it.
    EXPECT_EQ(fake::callsStartingWith("watchKeyboard"),
              (Calls{"watchKeyboard 30 11 0 13 0", "watchKeyboard 30 11 12 13 14"}));
    EXPECT_EQ(fake::callsStartingWith("giveKeys"), (Calls{"giveKeys 30"}));
    EXPECT_EQ(fake::state.listings, 150);
    const Calls listings = fake::callsStartingWith("listTopLevelWindows");
    EXPECT_EQ(std::count(listings.begin(), listings.end(), "listTopLevelWindows"),
              kWholeTreeAfterPasses);
    EXPECT_EQ(fake::state.output,
              "Still waiting for the windows of players 2 (udp://@239.1.2.3:5042) 4 "
              "(udp://@239.1.2.3:5044)\r\n");
}

using PlayerLaunchDeath = PlayerLaunch;

TEST_F(PlayerLaunchDeath, APlayerThatCannotStartEndsTheViewerWithCode5) {
    fake::state.refuseProcessNumber = 3;
    fake::state.echoOutputToStderr = true;
    EXPECT_EXIT(launchPlayers(), ExitedWithCode(5),
                HasSubstr("CreateProcess failed (2).\n\n#call sleep 3000\n"));
}

TEST_F(PlayerLaunchDeath, APlayerThatEndsBeforeItsWindowShowsIsAFailedStart) {
    launchPlayers();
    fake::showPlayerWindows();
    fake::state.windows.erase(fake::state.windows.begin() + 1);
    fake::state.endedProcesses = {{1002, 3}};
    fake::state.echoOutputToStderr = true;
    EXPECT_EXIT(findWindows(), ExitedWithCode(5),
                HasSubstr("CreateProcess failed (3).\n\n#call sleep 3000\n"));
}

TEST_F(PlayerLaunch, APlayerThatEndsAfterItsWindowWasFoundIsNotLookedAt) {
    launchPlayers();
    fake::showPlayerWindows();
    fake::state.endedProcesses = {{1002, 3}};
    findWindows();
    EXPECT_EQ(playerWindows(), (std::vector<platform::WindowHandle>{11, 12, 13, 14}));
}

}  // namespace
