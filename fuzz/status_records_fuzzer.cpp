// Arbitrary datagram sequences into the status parser and channel table. A zero byte separates
// datagrams (a datagram's text ends at its first zero byte anyway).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "net/status_records.h"
#include "players/player_table.h"

namespace {

constexpr std::size_t kDatagramLimit = 4095;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static char datagram[kDatagramLimit + 1];
    resetStatusRecords();
    for (int player = 1; player <= kPlayerCount; ++player) {
        playerTable[player].window = 0;  // window actions are no-ops here
    }
    std::size_t at = 0;
    while (at < size) {
        std::size_t length = 0;
        while (at + length < size && data[at + length] != 0 && length < kDatagramLimit) {
            ++length;
        }
        std::memcpy(datagram, data + at, length);
        datagram[length] = '\0';
        feedStatusText(datagram);
        at += length + 1;
        check(std::strlen(pendingStatusText) <= kStatusTextSize - 1);
        check(selectedChannel >= 0 && selectedChannel <= kChannelCount);
    }
    for (int channel = 0; channel <= kChannelCount; ++channel) {
        check(channelTable[channel].active == 0 || channelTable[channel].active == 1);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            check(std::memchr(channelTable[channel].slots[slot], '\0', kRecordTextSize) != nullptr);
        }
    }
    return 0;
}
