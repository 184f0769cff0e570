// The cycle's one look at its input: the keyboard, the two sockets and the window system's
// connection in a single poll that does not wait.
#include <poll.h>

#include "platform/platform.h"
#include "platform/posix/internal.h"

namespace platform {

unsigned waitingInput(SocketHandle first, SocketHandle second) {
    enum { kKeys, kFirst, kSecond, kWindows, kSources };
    pollfd sources[kSources] = {
        {internal::keyHeld() ? -1 : internal::keyDescriptor(), POLLIN, 0},
        {first == kNoSocket ? -1 : static_cast<int>(first), POLLIN, 0},
        {second == kNoSocket ? -1 : static_cast<int>(second), POLLIN, 0},
        {internal::windowSystemDescriptor(), POLLIN, 0},
    };
    if (poll(sources, kSources, 0) < 0) {
        return 0;  // nothing read this cycle; the next one looks again
    }
    const short ready = POLLIN | POLLHUP | POLLERR;
    unsigned waiting = 0;
    if (internal::keyHeld() ||
        ((sources[kKeys].revents & ready) != 0 && internal::readKeyAhead())) {
        waiting |= kKeyInput;
    }
    // An error waiting on a socket is taken by the read, which then finds no datagram.
    if ((sources[kFirst].revents & ready) != 0) {
        waiting |= kFirstSocketInput;
    }
    if ((sources[kSecond].revents & ready) != 0) {
        waiting |= kSecondSocketInput;
    }
    if ((sources[kWindows].revents & ready) != 0 || internal::windowEventsQueued()) {
        waiting |= kWindowEvents;
    }
    return waiting;
}

}  // namespace platform
