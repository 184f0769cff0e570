// The four players: their processes, their windows and the viewer's own console window.
#pragma once

#include "platform/platform.h"

constexpr int kPlayerCount = 4;

struct PlayerSlot {
    platform::ProcessInfo process;
    platform::WindowHandle window;  // 0 until found
};

// Entries 1 to 4 are players 1 to 4, numbered like the channels; entry 0 is never a player.
extern PlayerSlot playerTable[kPlayerCount + 1];
extern platform::WindowHandle consoleWindow;

void setPlayerTitle(int player, const char* title);
void sendPlayerKey(int player, int virtualKey);

// Ends players 1 to 4 in turn without asking them to close.
void endPlayers();
