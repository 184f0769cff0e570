// The status records the source sends on base + 1, and the channel table they fill.
//
// A record is "$code,value\r"; anything after the carriage return up to the next dollar sign is
// skipped. A selector (code 0, value 0 to 4) chooses the channel the following records belong to.
// When the next selector arrives the block is complete: the channel's player gets the key S when
// slot 96 changed (and the slots are cleared), N when slot 97 changed, and its title from slot 94.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kChannelCount = 4;
constexpr int kSlotCount = 100;
constexpr std::size_t kSlotSize = 256;
constexpr std::size_t kStatusTextSize = 4096;  // at most 4095 characters pending
constexpr std::size_t kRecordTextSize = 64;    // code and value texts, at most 63 characters

constexpr int kSelectorCode = 0;
constexpr int kTitleCode = 94;
constexpr int kStopWatchCode = 96;
constexpr int kNextWatchCode = 97;
constexpr int kDivertedCode = 99;

struct ChannelState {
    int active;                         // 1 from its selector on, 0 after a diverted notice
    char slots[kSlotCount][kSlotSize];  // the last value received for each code
    std::int32_t lastSlot96;            // slot 96 as read at the last finish that saw it change
    std::int32_t lastSlot97;
};

// Entries 1 to 4 are the channels; entry 0 stands for no channel selected and is never finished.
extern ChannelState channelTable[kChannelCount + 1];
extern int selectedChannel;
// Received text that does not yet hold a complete record.
extern char pendingStatusText[kStatusTextSize];

// Empties the pending text, zeroes the channel table and selects no channel.
void resetStatusRecords();

// Takes the zero-terminated text of one status datagram and applies every record it completes.
void feedStatusText(const char* text);
