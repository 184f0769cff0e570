// The two UDP sockets the source talks to besides the streams: status records on base + 1 and
// text messages on base + 2.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

constexpr std::uint16_t kStatusPortOffset = 1;
constexpr std::uint16_t kTextPortOffset = 2;
constexpr std::size_t kReceiveBufferSize = 4096;  // a datagram fills at most 4095

extern platform::SocketHandle statusSocket;
extern platform::SocketHandle textSocket;

// Opens both sockets and joins the multicast group when IPADDRESS is one. Returns false only when
// the address-reuse option is refused (the viewer then ends with -1); every other failure ends
// the process with its message.
bool openReceiveSockets();

// Prints at most one waiting text datagram.
void pollTextChannel();
// Hands at most one waiting status datagram to the status records.
void pollStatusChannel();

// Leaves the group on the status socket and closes it.
void closeReceiveSockets();

// Makes received text safe to print on the operator's terminal: control characters other than
// CR, LF and TAB (C0, DEL, and C1 in its UTF-8 form) become '?'. Works in place on `length`
// bytes and returns the new length, which is never longer.
std::size_t neutraliseControls(char* text, std::size_t length);
