// The cycle's wait and its one look at its input: the console's keys, and both sockets in a
// single select that does not wait.
#include <conio.h>
#include <winsock2.h>

#include "platform/platform.h"
#include "platform/win32/internal.h"

namespace platform {

unsigned waitThenCheckInput(int milliseconds, SocketHandle text, SocketHandle status) {
    sleepMs(milliseconds);
    unsigned waiting = _kbhit() != 0 ? kKeyInput : 0;
    fd_set readable;
    FD_ZERO(&readable);
    if (text != kNoSocket) {
        FD_SET(static_cast<SOCKET>(text), &readable);
    }
    if (status != kNoSocket) {
        FD_SET(static_cast<SOCKET>(status), &readable);
    }
    timeval noWait = {0, 0};
    if (readable.fd_count > 0 && select(0, &readable, nullptr, nullptr, &noWait) > 0) {
        if (text != kNoSocket && FD_ISSET(static_cast<SOCKET>(text), &readable)) {
            waiting |= kTextSocketInput;
        }
        if (status != kNoSocket && FD_ISSET(static_cast<SOCKET>(status), &readable)) {
            waiting |= kStatusSocketInput;
        }
    }
    if (internal::windowEventsExpected()) {
        waiting |= kWindowEvents;
    }
    return waiting;
}

}  // namespace platform
