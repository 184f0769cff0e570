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

namespace {

// The first member named `name` in [from, end) and the number after it; `at` is set past it.
bool numberMember(const char* from, const char* end, const char* name, long* value,
                  const char** at) {
    const std::size_t nameLength = std::strlen(name);
    for (const char* c = from; c + nameLength + 2 <= end; ++c) {
        if (*c != '"' || std::memcmp(c + 1, name, nameLength) != 0 || c[nameLength + 1] != '"') {
            continue;
        }
        const char* v = c + nameLength + 2;
        while (v < end && isSpace(*v)) {
            ++v;
        }
        if (v >= end || *v != ':') {
            continue;
        }
        ++v;
        while (v < end && isSpace(*v)) {
            ++v;
        }
        const bool negative = v < end && *v == '-';
        v += negative ? 1 : 0;
        if (v >= end || *v < '0' || *v > '9') {
            continue;  // null, a string, an object
        }
        long number = 0;
        while (v < end && *v >= '0' && *v <= '9' && number < 1000000000L) {
            number = number * 10 + (*v++ - '0');
        }
        *value = negative ? -number : number;
        *at = v;
        return true;
    }
    return false;
}

}  // namespace

namespace platform::x11 {

bool ipcWindowOfProcess(const char* tree, std::size_t length, std::uint32_t process,
                        IpcRectangle* rectangle) {
    const char* end = tree + length;
    const char* at = tree;
    long pid = 0;
    while (numberMember(at, end, "pid", &pid, &at)) {
        if (pid != static_cast<long>(process)) {
            continue;
        }
        // The node's own "rect" is the last one before its "pid": a window's node holds no
        // other node, and its other rectangles are named otherwise ("window_rect", ...).
        const char* rect = nullptr;
        for (const char* c = tree; c + 6 <= at; ++c) {
            if (std::memcmp(c, "\"rect\"", 6) == 0) {
                rect = c;
            }
        }
        long values[4] = {0, 0, 0, 0};
        const char* names[4] = {"x", "y", "width", "height"};
        const char* next = rect;
        for (int i = 0; i < 4 && next != nullptr; ++i) {
            if (!numberMember(next, at, names[i], &values[i], &next)) {
                next = nullptr;
            }
        }
        if (next == nullptr) {
            return false;
        }
        *rectangle = IpcRectangle{static_cast<int>(values[0]), static_cast<int>(values[1]),
                                  static_cast<int>(values[2]), static_cast<int>(values[3])};
        return true;
    }
    return false;
}

}  // namespace platform::x11
