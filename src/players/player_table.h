// The four players: their processes, their windows and the viewer's own console window.
#pragma once

#include "platform/platform.h"

constexpr int kPlayerCount = 4;

struct PlayerSlot {
    platform::ProcessInfo process;
    platform::WindowHandle window;  // 0 until found
    // The title last given to its window, for a player started again.
    char title[platform::kWindowTitleSize];
    // Keeping it running: when this process started, when the next is to start after it ended
    // (0 while it runs), the delay before that, since when its window is looked for (0 when
    // it is not), and when the operator was last told of it.
    long long startedAtMs;
    long long restartAtMs;
    long long restartDelayMs;
    long long awaitedSinceMs;
    long long lookedAtMs;  // when its window was last looked for
    long long toldAtMs;
    bool missingTold;
    bool slowLookTold;  // the operator heard that its window is looked for once a minute
    // Its window was found while a layout was on its way: it is placed when that ends.
    bool placeWanted;
};

// Entries 1 to 4 are players 1 to 4, numbered like the channels; entry 0 is never a player.
extern PlayerSlot playerTable[kPlayerCount + 1];
extern platform::WindowHandle consoleWindow;

// Sets the player window's title, and keeps it for a player started again.
void setPlayerTitle(int player, const char* title);
void sendPlayerKey(int player, int virtualKey);

// Ends players 1 to 4 in turn without asking them to close.
void endPlayers();
