// The message format of the IPC that sway and i3 speak: the six bytes "i3-ipc", the payload's
// length and the message type as 32-bit numbers in the machine's own order, then the payload,
// JSON in replies. Kept apart from the compositor's own socket so that it can be tested on its own,
// over a socket pair.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::x11 {

constexpr std::size_t kIpcHeaderSize = 14;
constexpr std::uint32_t kIpcRunCommand = 0;
constexpr std::uint32_t kIpcGetTree = 4;

struct IpcRectangle {
    int x, y, width, height;
};

void writeIpcHeader(char* header, std::uint32_t type, std::uint32_t length);
// False when `header` does not start with the magic string.
bool readIpcHeader(const char* header, std::uint32_t* type, std::uint32_t* length);

// A window's node in a reply to GET_TREE: the rectangle it stands in, and whether the
// compositor shows it (1), keeps it out of sight, in the scratchpad or on another workspace (0),
// or does not say (-1: i3 has no "visible").
struct IpcNode {
    IpcRectangle rect;
    int visible;
};

// Finds in (a stretch of) a reply to GET_TREE the node whose member `member` ("window" for an X
// window id, "pid" for a native window's process) is `value`. False when there is none, or when
// the stretch ends before the node does.
bool ipcFindNode(const char* tree, std::size_t length, const char* member, std::uint32_t value,
                 IpcNode* node);

// Looks at a stretch of a reply as it is read; true once it has found what it looks for.
using IpcSearch = bool (*)(const char* data, std::size_t length, void* context);

// Sends one message whole without waiting; false when it cannot go whole now: the peer closed,
// or its socket takes nothing more (a compositor that stopped reading).
bool ipcSend(int socket, std::uint32_t type, const char* payload);

// A reply read as it arrives, over as many looks as it takes. Zeroed, it waits for a header.
struct IpcReader {
    char header[kIpcHeaderSize];
    std::size_t headerRead;
    std::uint32_t type;
    std::uint32_t remaining;  // the payload's bytes not yet read
    std::size_t filled;       // the payload's bytes in the buffer
    bool found;
};

enum class IpcReceived {
    kNothingMore,  // all the socket holds now is read; the reply goes on later
    kReply,        // a whole reply is read (the reader then waits for the next one)
    kFailed,       // the peer closed, failed, or answered out of step: the connection is done
};

// Reads from `socket`, without waiting, what it holds of the reply to a request of type
// `expected`, up to the reply's end. With `search`, a reply longer than the buffer is read
// through it: each stretch is searched while it is in the buffer, the last part of it kept for
// a node that runs across the next read, until the search has found what it looks for. Without
// one, a reply that fits is kept in `buffer`, its length in `*held` (0 otherwise).
IpcReceived ipcReceive(int socket, IpcReader* reader, std::uint32_t expected, char* buffer,
                       std::size_t capacity, IpcSearch search, void* context, std::size_t* held);

}  // namespace platform::x11
