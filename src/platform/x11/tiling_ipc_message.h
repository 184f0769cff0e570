// The message format of the IPC that sway and i3 speak: the six bytes "i3-ipc", the payload's
// length and the message type as 32-bit numbers in the machine's own order, then the payload,
// JSON in replies. Kept apart from the socket so that it can be tested on its own.
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

// True when a reply to RUN_COMMAND says that every command succeeded: it holds at least one
// "success" member, and each is true.
bool ipcCommandsSucceeded(const char* payload, std::size_t length);

// Finds in a reply to GET_TREE the window of `process` (a native window's node names its "pid")
// and stores the "rect" it stands in. False when there is none.
bool ipcWindowOfProcess(const char* tree, std::size_t length, std::uint32_t process,
                        IpcRectangle* rectangle);

}  // namespace platform::x11
