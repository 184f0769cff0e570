// A test's fresh start: a new fake platform and the viewer's own records as at start-up.
#include <cstring>

#include "control/main_loop.h"
#include "control/startup.h"
#include "net/receive_sockets.h"
#include "net/status_records.h"
#include "players/picture_watch.h"
#include "players/player_table.h"
#include "players/window_layout.h"
#include "support/fake_platform.h"

namespace fake {

void reset() {
    resetPlatform();
    viewerSettings = ViewerSettings{};
    std::memset(programName, 0, sizeof programName);
    std::memset(playerPath, 0, sizeof playerPath);
    sizeDivisor = 1;
    instanceMutex = 0;
    quitRequested = 0;
    statusSocket = platform::kNoSocket;
    textSocket = platform::kNoSocket;
    std::memset(playerTable, 0, sizeof playerTable);
    consoleWindow = 0;
    std::memset(placementRefusalTold, 0, sizeof placementRefusalTold);
    keyboardSettleUntilMs = 0;
    keyboardSettleLatestMs = 0;
    layoutProgress = LayoutProgress{};
    gridHidden = false;
    std::memset(pictureWatches, 0, sizeof pictureWatches);
    pictureStillMs = kDefaultStillMs;
    resetStatusRecords();
}

}  // namespace fake
