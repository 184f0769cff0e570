#include "platform/x11/tiling_ipc_message.h"

#include <cstring>

namespace {

constexpr char kMagic[] = "i3-ipc";
constexpr std::size_t kMagicSize = 6;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

namespace platform::x11 {

void writeIpcHeader(char* header, std::uint32_t type, std::uint32_t length) {
    std::memcpy(header, kMagic, kMagicSize);
    std::memcpy(header + kMagicSize, &length, 4);
    std::memcpy(header + kMagicSize + 4, &type, 4);
}

bool readIpcHeader(const char* header, std::uint32_t* type, std::uint32_t* length) {
    if (std::memcmp(header, kMagic, kMagicSize) != 0) {
        return false;
    }
    std::memcpy(length, header + kMagicSize, 4);
    std::memcpy(type, header + kMagicSize + 4, 4);
    return true;
}

bool ipcCommandsSucceeded(const char* payload, std::size_t length) {
    // Only the members named "success" matter; strings are skipped whole, so that an error
    // message that quotes the word is not taken for one.
    int successes = 0;
    std::size_t at = 0;
    while (at < length) {
        if (payload[at] != '"') {
            ++at;
            continue;
        }
        const std::size_t start = ++at;
        while (at < length && payload[at] != '"') {
            at += payload[at] == '\\' ? 2 : 1;
        }
        if (at >= length) {
            return false;  // a string that does not end: the reply is cut short
        }
        const bool named = at - start == 7 && std::memcmp(payload + start, "success", 7) == 0;
        ++at;
        std::size_t value = at;
        while (value < length && isSpace(payload[value])) {
            ++value;
        }
        if (!named || value >= length || payload[value] != ':') {
            continue;  // a value, or a member of another name
        }
        ++value;
        while (value < length && isSpace(payload[value])) {
            ++value;
        }
        if (length - value < 4 || std::memcmp(payload + value, "true", 4) != 0) {
            return false;
        }
        ++successes;
        at = value + 4;
    }
    return successes > 0;
}

}  // namespace platform::x11
