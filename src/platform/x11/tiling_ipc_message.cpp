#include "platform/x11/tiling_ipc_message.h"

#include <sys/socket.h>

#include <cerrno>
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

}  // namespace platform::x11

namespace {

// The value of the first member named `name` in [from, end) that has one, its blanks skipped;
// null when there is none.
const char* memberValue(const char* from, const char* end, const char* name) {
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
        return v;
    }
    return nullptr;
}

// The first member named `name` in [from, end) with a number for its value, and that number;
// `at` is set past it.
bool numberMember(const char* from, const char* end, const char* name, long* value,
                  const char** at) {
    for (const char* v = memberValue(from, end, name); v != nullptr;
         v = memberValue(v, end, name)) {
        const bool negative = v < end && *v == '-';
        const char* digit = negative ? v + 1 : v;
        if (digit >= end || *digit < '0' || *digit > '9') {
            continue;  // null, a string, an object
        }
        long number = 0;
        while (digit < end && *digit >= '0' && *digit <= '9' && number < 1000000000L) {
            number = number * 10 + (*digit++ - '0');
        }
        *value = negative ? -number : number;
        *at = digit;
        return true;
    }
    return false;
}

// A JSON boolean member: 1 true, 0 false, -1 absent.
int booleanMember(const char* from, const char* end, const char* name) {
    const char* v = memberValue(from, end, name);
    if (v != nullptr && end - v >= 4 && std::memcmp(v, "true", 4) == 0) {
        return 1;
    }
    if (v != nullptr && end - v >= 5 && std::memcmp(v, "false", 5) == 0) {
        return 0;
    }
    return -1;
}

// The start of the node around `at`: sway and i3 both write a node's "id" first.
const char* nodeStart(const char* tree, const char* at) {
    for (const char* c = at; c - 4 >= tree; --c) {
        if (std::memcmp(c - 4, "\"id\"", 4) != 0) {
            continue;
        }
        const char* before = c - 5;
        while (before >= tree && isSpace(*before)) {
            --before;
        }
        if (before >= tree && *before == '{') {
            return before;
        }
    }
    return nullptr;
}

// The end of the object that starts at `start` (its closing brace), strings read past whole;
// null when the stretch ends first.
const char* objectEnd(const char* start, const char* end) {
    int depth = 0;
    for (const char* c = start; c < end; ++c) {
        if (*c == '"') {
            for (++c; c < end && *c != '"'; c += *c == '\\' ? 2 : 1) {
            }
        } else if (*c == '{' || *c == '[') {
            ++depth;
        } else if ((*c == '}' || *c == ']') && --depth == 0) {
            return c;
        }
    }
    return nullptr;
}

}  // namespace

namespace platform::x11 {

bool ipcFindNode(const char* tree, std::size_t length, const char* member, std::uint32_t value,
                 IpcNode* node) {
    const char* end = tree + length;
    const char* at = tree;
    long number = 0;
    while (numberMember(at, end, member, &number, &at)) {
        if (number != static_cast<long>(value)) {
            continue;
        }
        const char* start = nodeStart(tree, at);
        const char* close = start != nullptr ? objectEnd(start, end) : nullptr;
        if (close == nullptr) {
            return false;
        }
        // The node's own "rect" comes first; its other rectangles are named otherwise
        // ("deco_rect", "window_rect").
        const char* rect = nullptr;
        for (const char* c = start; c + 6 <= close && rect == nullptr; ++c) {
            rect = std::memcmp(c, "\"rect\"", 6) == 0 ? c : nullptr;
        }
        long values[4] = {0, 0, 0, 0};
        const char* names[4] = {"x", "y", "width", "height"};
        const char* next = rect;
        for (int i = 0; i < 4 && next != nullptr; ++i) {
            if (!numberMember(next, close, names[i], &values[i], &next)) {
                next = nullptr;
            }
        }
        if (next == nullptr) {
            return false;
        }
        node->rect = IpcRectangle{static_cast<int>(values[0]), static_cast<int>(values[1]),
                                  static_cast<int>(values[2]), static_cast<int>(values[3])};
        node->visible = booleanMember(start, close, "visible");
        return true;
    }
    return false;
}

}  // namespace platform::x11

namespace {

// A node of the tree is a few kilobytes; this much of each stretch is searched again with the
// next, so that no node is cut in two for good.
constexpr std::size_t kSearchOverlap = 16384;

// Reads what there is now, up to `length` bytes: their number; 0 when nothing is there, -1 when
// the peer closed or the read failed.
long receiveNow(int socket, char* into, std::size_t length) {
    for (;;) {
        const ssize_t got = recv(socket, into, length, MSG_DONTWAIT);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
        }
        return got > 0 ? static_cast<long>(got) : -1;
    }
}

}  // namespace

namespace platform::x11 {

bool ipcSend(int socket, std::uint32_t type, const char* payload) {
    const std::size_t length = std::strlen(payload);
    char message[kIpcHeaderSize + 1024];
    if (length >= sizeof message - kIpcHeaderSize) {
        return false;
    }
    writeIpcHeader(message, type, static_cast<std::uint32_t>(length));
    std::memcpy(message + kIpcHeaderSize, payload, length + 1);  // its end too, never sent
    const std::size_t whole = kIpcHeaderSize + length;
    for (;;) {
        // A socket that takes a part of it only takes a part because it is full: given up.
        const ssize_t sent = send(socket, message, whole, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        return sent == static_cast<ssize_t>(whole);
    }
}

IpcReceived ipcReceive(int socket, IpcReader* reader, std::uint32_t expected, char* buffer,
                       std::size_t capacity, IpcSearch search, void* context, std::size_t* held) {
    IpcReader& r = *reader;
    *held = 0;
    while (r.headerRead < kIpcHeaderSize) {
        const long got = receiveNow(socket, r.header + r.headerRead, kIpcHeaderSize - r.headerRead);
        if (got <= 0) {
            return got == 0 ? IpcReceived::kNothingMore : IpcReceived::kFailed;
        }
        r.headerRead += static_cast<std::size_t>(got);
        if (r.headerRead < kIpcHeaderSize) {
            continue;
        }
        std::uint32_t length = 0;
        if (!readIpcHeader(r.header, &r.type, &length) || r.type != expected) {
            return IpcReceived::kFailed;
        }
        r.remaining = length;
        r.filled = 0;
        r.found = false;
    }
    const bool searching = search != nullptr;
    while (r.remaining > 0) {
        if (r.filled == capacity) {
            // Full: a search goes on with the last part of this stretch; anything else is
            // read to the end and dropped.
            const std::size_t kept =
                searching && !r.found && capacity > kSearchOverlap ? kSearchOverlap : 0;
            std::memmove(buffer, buffer + capacity - kept, kept);
            r.filled = kept;
        }
        const std::size_t room = capacity - r.filled;
        const long got =
            receiveNow(socket, buffer + r.filled, r.remaining < room ? r.remaining : room);
        if (got <= 0) {
            return got == 0 ? IpcReceived::kNothingMore : IpcReceived::kFailed;
        }
        r.filled += static_cast<std::size_t>(got);
        r.remaining -= static_cast<std::uint32_t>(got);
        if (searching && !r.found && (r.filled == capacity || r.remaining == 0)) {
            r.found = search(buffer, r.filled, context);
        }
    }
    std::uint32_t length = 0;
    std::uint32_t type = 0;
    readIpcHeader(r.header, &type, &length);
    if (!searching && length <= capacity) {
        *held = length;
    }
    r.headerRead = 0;
    return IpcReceived::kReply;
}

}  // namespace platform::x11
