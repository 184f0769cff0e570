#include "players/player_table.h"

#include <cstdio>

PlayerSlot playerTable[kPlayerCount + 1];
platform::WindowHandle consoleWindow;

namespace {

bool isPlayer(int player) {
    return player >= 1 && player <= kPlayerCount;
}

}  // namespace

void setPlayerTitle(int player, const char* title) {
    if (isPlayer(player)) {
        if (title != playerTable[player].title) {
            std::snprintf(playerTable[player].title, sizeof playerTable[player].title, "%s", title);
        }
        platform::setWindowTitle(playerTable[player].window, title);
    }
}

void sendPlayerKey(int player, int virtualKey) {
    if (isPlayer(player)) {
        platform::sendKey(playerTable[player].window, virtualKey);
    }
}

void endPlayers() {
    for (int player = 1; player <= kPlayerCount; ++player) {
        platform::endProcess(&playerTable[player].process);
    }
}
