// The cycle's wait and its one look at its input: the console's keys, and both sockets in a
// single select that does not wait.
#include <conio.h>
#include <winsock2.h>

#include "platform/platform.h"
#include "platform/win32/internal.h"

namespace platform {

unsigned waitThenCheckInput(int milliseconds, SocketHandle first, SocketHandle second) {
    sleepMs(milliseconds);
    unsigned waiting = _kbhit() != 0 ? kKeyInput : 0;
    fd_set readable;
    FD_ZERO(&readable);
    if (first != kNoSocket) {
        FD_SET(static_cast<SOCKET>(first), &readable);
    }
    if (second != kNoSocket) {
        FD_SET(static_cast<SOCKET>(second), &readable);
    }
    timeval noWait = {0, 0};
    if (readable.fd_count > 0 && select(0, &readable, nullptr, nullptr, &noWait) > 0) {
        if (first != kNoSocket && FD_ISSET(static_cast<SOCKET>(first), &readable)) {
            waiting |= kFirstSocketInput;
        }
        if (second != kNoSocket && FD_ISSET(static_cast<SOCKET>(second), &readable)) {
            waiting |= kSecondSocketInput;
        }
    }
    if (internal::windowEventsExpected()) {
        waiting |= kWindowEvents;
    }
    return waiting;
}

}  // namespace platform
