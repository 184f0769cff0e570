#include "net/status_records.h"

#include <cstdio>
#include <cstring>

#include "control/decimal_reading.h"
#include "control/messages.h"
#include "players/player_contract.h"
#include "players/player_table.h"
#include "players/window_layout.h"

ChannelState channelTable[kChannelCount + 1];
int selectedChannel;
char pendingStatusText[kStatusTextSize];

namespace {

constexpr std::size_t kPendingLimit = kStatusTextSize - 1;
static_assert(kRecordTextSize <= kSlotSize, "a value text always fits its slot");

std::size_t pendingLength;
char codeText[kRecordTextSize];
char valueText[kRecordTextSize];

// Copies text[from, to) into a record work text, cut to what it holds.
// Returns the length taken.
std::size_t takeRecordText(char* target, const char* text, std::size_t from, std::size_t to) {
    std::size_t length = to - from;
    if (length > kRecordTextSize - 1) {
        length = kRecordTextSize - 1;
    }
    std::memcpy(target, text + from, length);
    target[length] = '\0';
    return length;
}

// Position of the first `c` in pendingStatusText[from, pendingLength), or pendingLength.
std::size_t findPending(char c, std::size_t from) {
    if (from >= pendingLength) {
        return pendingLength;
    }
    const void* hit = std::memchr(pendingStatusText + from, c, pendingLength - from);
    return hit == nullptr
               ? pendingLength
               : static_cast<std::size_t>(static_cast<const char*>(hit) - pendingStatusText);
}

// The next `c` at or after a position that only ever moves forward: each character of the
// pending text is searched at most once per call, so even text of nothing but dollar signs is
// taken in linear time.
struct ForwardSearch {
    char c;
    bool searched;
    std::size_t found;

    std::size_t at(std::size_t from) {
        if (!searched || found < from) {
            found = findPending(c, from);
            searched = true;
        }
        return found;
    }
};

ForwardSearch forwardSearch(char c) {
    return ForwardSearch{c, false, 0};
}

// Keeps pendingStatusText[from, pendingLength) for the next datagram.
void keepPendingFrom(std::size_t from) {
    if (from >= pendingLength) {
        pendingLength = 0;
    } else {
        pendingLength -= from;
        std::memmove(pendingStatusText, pendingStatusText + from, pendingLength);
    }
    pendingStatusText[pendingLength] = '\0';
}

void appendPending(const char* text) {
    std::size_t length = std::strlen(text);
    if (length >= kPendingLimit) {
        // The datagram alone fills the buffer: only its newest text counts.
        text += length - kPendingLimit;
        length = kPendingLimit;
        pendingLength = 0;
    } else if (pendingLength + length > kPendingLimit) {
        keepPendingFrom(pendingLength + length - kPendingLimit);
    }
    std::memcpy(pendingStatusText + pendingLength, text, length);
    pendingLength += length;
    pendingStatusText[pendingLength] = '\0';
}

void clearSlots(ChannelState& channel) {
    std::memset(channel.slots, 0, sizeof channel.slots);
}

// The block of records for the selected channel is complete: act on its player.
void finishChannel(int channel) {
    ChannelState& state = channelTable[channel];
    const std::int32_t slot96 = readDecimal(state.slots[kStopWatchCode]);
    const std::int32_t slot97 = readDecimal(state.slots[kNextWatchCode]);
    const bool stop = slot96 != state.lastSlot96;
    if (stop) {
        // The channel's title is cleared before the player stops: a stopped player shows its
        // own title, which a clear after the key would overwrite whenever the player is quick.
        clearSlots(state);
        state.lastSlot96 = slot96;
        setPlayerTitle(channel, state.slots[kTitleCode]);
        sendPlayerKey(channel, kPlayerKeyStop);
    }
    if (slot97 != state.lastSlot97) {
        sendPlayerKey(channel, kPlayerKeyNext);
        watchKeysAsVideoStarts();
        state.lastSlot97 = slot97;
    }
    if (!stop) {
        setPlayerTitle(channel, state.slots[kTitleCode]);
    }
}

void applyRecord(std::int32_t code, const char* value, std::size_t valueLength) {
    if (code == kSelectorCode) {
        const std::int32_t selection = readDecimal(value);
        if (selection >= 0 && selection <= kChannelCount) {
            if (selectedChannel != 0 && channelTable[selectedChannel].active) {
                finishChannel(selectedChannel);
            }
            selectedChannel = selection;
            channelTable[selectedChannel].active = 1;
        }
    }
    if (selectedChannel == 0 || code < 0 || code >= kSlotCount) {
        return;
    }
    ChannelState& state = channelTable[selectedChannel];
    // The value text holds at most 63 characters, so it always fits its slot whole.
    std::memcpy(state.slots[code], value, valueLength + 1);
    if (code == kDivertedCode) {
        char title[kSlotSize];
        std::snprintf(title, sizeof title, messages::kDivertedTitleFormat, selectedChannel);
        setPlayerTitle(selectedChannel, title);
        clearSlots(state);
        state.active = 0;
    }
}

}  // namespace

void resetStatusRecords() {
    pendingLength = 0;
    pendingStatusText[0] = '\0';
    std::memset(channelTable, 0, sizeof channelTable);
    selectedChannel = 0;
}

void feedStatusText(const char* text) {
    appendPending(text);

    // One search per question, each asked of positions that only grow.
    ForwardSearch returnFromP = forwardSearch('\r');
    ForwardSearch dollarFromP = forwardSearch('$');
    ForwardSearch commaAfterDollar = forwardSearch(',');
    ForwardSearch returnAfterDollar = forwardSearch('\r');
    ForwardSearch returnAfterComma = forwardSearch('\r');

    std::size_t p = 0;
    for (;;) {
        codeText[0] = '\0';
        valueText[0] = '\0';
        const std::size_t anyReturn = returnFromP.at(p);
        const std::size_t dollar = dollarFromP.at(p);
        if (anyReturn == pendingLength) {
            // No record can be complete yet. Text before the next dollar sign can never become
            // part of one, so only the rest waits for the next datagram.
            keepPendingFrom(dollar);
            return;
        }
        if (dollar == pendingLength) {
            // Carriage returns but no dollar sign: nothing here starts a record.
            keepPendingFrom(pendingLength);
            return;
        }
        const std::size_t comma = commaAfterDollar.at(dollar + 1);
        const std::size_t recordReturn = returnAfterComma.at(comma + 1);
        if (comma == pendingLength || recordReturn == pendingLength) {
            if (returnAfterDollar.at(dollar + 1) < comma) {
                // A carriage return ends this record before its comma: it is broken. Look for
                // the next record after its dollar sign.
                p = dollar + 1;
                continue;
            }
            // The record from this dollar sign is still arriving.
            keepPendingFrom(dollar);
            return;
        }
        takeRecordText(codeText, pendingStatusText, dollar + 1, comma);
        const std::size_t valueLength =
            takeRecordText(valueText, pendingStatusText, comma + 1, recordReturn);
        applyRecord(readDecimal(codeText), valueText, valueLength);
        p = recordReturn + 1;
    }
}
