// The message format of the IPC that sway and i3 speak: the six bytes "i3-ipc", the payload's
// length and the message type as 32-bit numbers in the machine's own order, then the payload,
// JSON in replies. Kept apart from the socket so that it can be tested on its own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::x11 {

constexpr std::size_t kIpcHeaderSize = 14;
constexpr std::uint32_t kIpcRunCommand = 0;

void writeIpcHeader(char* header, std::uint32_t type, std::uint32_t length);
// False when `header` does not start with the magic string.
bool readIpcHeader(const char* header, std::uint32_t* type, std::uint32_t* length);

// True when a reply to RUN_COMMAND says that every command succeeded: it holds at least one
// "success" member, and each is true.
bool ipcCommandsSucceeded(const char* payload, std::size_t length);

}  // namespace platform::x11
