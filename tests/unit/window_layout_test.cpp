// Where the player windows and the console window go, and in which order.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "control/main_loop.h"
#include "control/startup.h"
#include "players/player_table.h"
#include "players/window_layout.h"
#include "support/fake_platform.h"

namespace {

using Calls = std::vector<std::string>;

// A whole layout, on a desktop that carries it out as asked.
void layOut(int divisor) {
    arrangeWindows(divisor);
    followLayout(LLONG_MAX);
}

class WindowLayout : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        std::strcpy(viewerSettings.IPADDRESS, "239.1.2.3");
        viewerSettings.IPPORT = 5000;
        viewerSettings.VLCLEFT = 0;
        viewerSettings.VLCTOP = 0;
        viewerSettings.VLCWIDTH = 480;
        viewerSettings.VLCHEIGHT = 270;
        viewerSettings.INFOLEFT = 0;
        viewerSettings.INFOTOP = 30;
        viewerSettings.INFOWIDTH = 960;
        viewerSettings.INFOHEIGHT = 200;
        std::strcpy(programName, "rezerivove.exe");
        for (int player = 1; player <= kPlayerCount; ++player) {
            playerTable[player].window = 10 + player;
        }
        consoleWindow = 50;
    }
};

// A whole layout leaves each player shown in its cell and titled with its stream, and the console
// under the grid with the program's title. The keyboard is watched before any window is touched,
// the players are shown again a pause after they were minimized, and titled once the desktop has
// carried the layout out. (Each call costs a millisecond, so that the clock orders them.)
TEST_F(WindowLayout, FullSizeLeavesEachWindowInItsCellTitled) {
    fake::state.callCostMs = 1;
    layOut(1);
    const std::vector<std::pair<platform::WindowHandle, std::string>> cells = {
        {11, "0 0 480 270"}, {12, "480 0 480 270"}, {13, "0 270 480 270"}, {14, "480 270 480 270"}};
    for (const auto& [window, cell] : cells) {
        const fake::DeskWindow& shown = fake::state.desk[window];
        EXPECT_FALSE(shown.minimized) << window;
        EXPECT_EQ(shown.rectangle, cell) << window;
        EXPECT_GE(shown.restoredAtMs - shown.minimizedAtMs, kLayoutSettleMs) << window;
        EXPECT_GT(shown.titledAtMs, fake::state.placementEndedAtMs) << window;
        EXPECT_EQ(shown.title, std::to_string(window - 10) + ": udp://@239.1.2.3:" +
                                   std::to_string(5030 + window) + "  Tarnvale");
    }
    const fake::DeskWindow& console = fake::state.desk[50];
    EXPECT_FALSE(console.minimized);
    EXPECT_EQ(console.rectangle, "0 570 960 200");
    EXPECT_EQ(console.title, "rezerivove : Tarnvale Multi VLC Viewer");
    EXPECT_EQ(fake::state.calls.front(), "watchKeyboard 50 11 12 13 14");
}

TEST_F(WindowLayout, HalfSize) {
    layOut(2);
    EXPECT_EQ(fake::callsStartingWith("move"),
              (Calls{"move 50 0 300 480 200", "move 11 0 0 240 135", "move 12 240 0 240 135",
                     "move 13 0 135 240 135", "move 14 240 135 240 135"}));
}

TEST_F(WindowLayout, OddHeightAtHalfSizeDropsTheFraction) {
    viewerSettings.VLCLEFT = 100;
    viewerSettings.VLCTOP = 50;
    viewerSettings.VLCWIDTH = 641;
    viewerSettings.VLCHEIGHT = 361;
    viewerSettings.INFOLEFT = 7;
    layOut(2);
    // Cells are 180 high, the grid ends at 50 + 360, the console starts at 361 + 30 + 50.
    EXPECT_EQ(fake::callsStartingWith("move"),
              (Calls{"move 50 107 441 480 200", "move 11 100 50 320 180", "move 12 420 50 320 180",
                     "move 13 100 230 320 180", "move 14 420 230 320 180"}));
}

// The geometry is not checked: numbers at the ends of the 32-bit range are summed and doubled
// without overflow, and handed to the platform as they come out.
TEST_F(WindowLayout, GeometryAtTheEndsOfTheRangeIsComputedWithoutOverflow) {
    viewerSettings.VLCLEFT = INT32_MAX;
    viewerSettings.VLCTOP = INT32_MIN;
    viewerSettings.VLCWIDTH = INT32_MAX;
    viewerSettings.VLCHEIGHT = 1200000000;
    viewerSettings.INFOLEFT = INT32_MAX;
    viewerSettings.INFOTOP = INT32_MAX;
    viewerSettings.INFOWIDTH = INT32_MIN;
    layOut(1);
    EXPECT_EQ(fake::callsStartingWith("move"),
              (Calls{"move 50 4294967294 2399999999 -2147483648 200",
                     "move 11 2147483647 -2147483648 2147483647 1200000000",
                     "move 12 4294967294 -2147483648 2147483647 1200000000",
                     "move 13 2147483647 -947483648 2147483647 1200000000",
                     "move 14 4294967294 -947483648 2147483647 1200000000"}));
}

TEST_F(WindowLayout, ProgramNameIsCutAtExeOnceAndForAll) {
    layOut(1);
    EXPECT_STREQ(programName, "rezerivove");
    std::strcpy(programName, "REZERIVOVE.EXE");
    fake::state.calls.clear();
    layOut(1);
    EXPECT_EQ(fake::callsStartingWith("title 50"),
              (Calls{"title 50 REZERIVOVE.EXE : Tarnvale Multi VLC Viewer"}));
}

TEST_F(WindowLayout, StreamPortsAboveTheTopOfTheRangeAreNotWrapped) {
    viewerSettings.IPPORT = 65535;
    std::strcpy(viewerSettings.IPADDRESS, "");
    layOut(1);
    EXPECT_EQ(fake::callsStartingWith("title 14"), (Calls{"title 14 4: udp://@:65579  Tarnvale"}));
}

// A console whose window was not found leaves its slot of the layout empty; the players are
// arranged as with one.
TEST_F(WindowLayout, WithoutAConsoleWindowThePlayersAreStillArranged) {
    layOut(1);
    const std::map<platform::WindowHandle, fake::DeskWindow> withConsole = fake::state.desk;
    SetUp();
    consoleWindow = 0;
    layOut(1);
    for (platform::WindowHandle player = 11; player <= 14; ++player) {
        const fake::DeskWindow& shown = fake::state.desk[player];
        const fake::DeskWindow& before = withConsole.at(player);
        EXPECT_EQ(shown.minimized, before.minimized);
        EXPECT_EQ(shown.rectangle, before.rectangle);
        EXPECT_EQ(shown.title, before.title);
    }
    EXPECT_EQ(fake::state.desk.count(50), 0u);
}

// The operator learns once which window the desktop left elsewhere, and nothing of the others:
// nor of a player's new window that another player's layout did not ask for.
TEST_F(WindowLayout, AWindowTheDesktopWillNotPlaceIsToldOnce) {
    fake::state.unplaceableWindows = {12, 50};
    layOut(1);
    layOut(2);
    platform::forgetWindow(3);  // player 3 ended, and its new window came
    playerTable[3].window = 33;
    for (int player : {4, 3}) {
        ASSERT_TRUE(placePlayer(player));
        followLayout(LLONG_MAX);
    }
    EXPECT_EQ(fake::state.output,
              "The desktop did not place the console window\r\n"
              "The desktop did not place the window of player 2 (udp://@239.1.2.3:5042)\r\n");
    EXPECT_EQ(fake::callsStartingWith("move 12").size(), 2u);
}

TEST_F(WindowLayout, HideMinimizesPlayersThenConsole) {
    hideWindows();
    EXPECT_EQ(fake::state.calls,
              (Calls{"minimize 11", "minimize 12", "minimize 13", "minimize 14", "minimize 50"}));
}

}  // namespace
