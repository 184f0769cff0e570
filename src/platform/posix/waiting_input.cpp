// The cycle's wait and its one look at its input: the keyboard, the two sockets and the window
// system's connection in a single poll that does not wait.
#include <poll.h>

#include <cerrno>

#include "platform/platform.h"
#include "platform/posix/internal.h"

namespace {

enum { kKeys, kText, kStatus, kWindows, kSources };

// A wait's timeout in one call to poll; a longer wait is several.
constexpr long long kCheckCeilingMs = 1000;

// Looks without waiting; returns what poll returns.
int pollSources(pollfd* sources) {
    for (;;) {
        const int ready = poll(sources, kSources, 0);
        if (ready >= 0 || errno != EINTR) {
            return ready;
        }
    }
}

}  // namespace

namespace platform {

unsigned waitThenCheckInput(int milliseconds, SocketHandle text, SocketHandle status) {
    pollfd sources[kSources] = {
        {internal::keyHeld() ? -1 : internal::keyDescriptor(), POLLIN, 0},
        {text == kNoSocket ? -1 : static_cast<int>(text), POLLIN, 0},
        {status == kNoSocket ? -1 : static_cast<int>(status), POLLIN, 0},
        {internal::windowSystemDescriptor(), POLLIN, 0},
    };
    // The whole wait first: input that arrives during it waits in its queue, and the cycle
    // wakes once. (Polling with the wait as the timeout would wake it early for each first
    // datagram of a cycle, which costs more than the one look after the wait.)
    sleepMs(milliseconds);
    if (pollSources(sources) < 0) {
        return 0;  // nothing read this cycle; the next one looks again
    }
    const short readable = POLLIN | POLLHUP | POLLERR;
    unsigned waiting = 0;
    if (internal::keyHeld() ||
        ((sources[kKeys].revents & readable) != 0 && internal::readKeyAhead())) {
        waiting |= kKeyInput;
    }
    // An error waiting on a socket is taken by the read, which then finds no datagram.
    if ((sources[kText].revents & readable) != 0) {
        waiting |= kTextSocketInput;
    }
    if ((sources[kStatus].revents & readable) != 0) {
        waiting |= kStatusSocketInput;
    }
    if ((sources[kWindows].revents & readable) != 0 || internal::windowEventsQueued()) {
        waiting |= kWindowEvents;
    }
    return waiting;
}

// The window system's descriptors alone (its connection, and a reply awaited on another), with
// the job-control pipe, so that a Ctrl-Z during a layout is taken at once as in any other wait.
void waitForWindowNews(long long untilMs) {
    const int windows = internal::windowSystemDescriptor();
    const short news = POLLIN | POLLHUP | POLLERR;
    for (long long left = untilMs - monotonicMs(); left > 0; left = untilMs - monotonicMs()) {
        if (internal::windowEventsQueued()) {
            return;
        }
        pollfd sources[3] = {{windows, POLLIN, 0},
                             {internal::windowSystemReplyDescriptor(), POLLIN, 0},
                             {internal::jobSignalDescriptor(), POLLIN, 0}};
        const int timeout = left < kCheckCeilingMs ? static_cast<int>(left) : kCheckCeilingMs;
        if (poll(sources, 3, timeout) > 0) {
            if ((sources[2].revents & POLLIN) != 0) {
                internal::takeJobSignals();
            }
            if ((sources[0].revents & news) != 0 || (sources[1].revents & news) != 0) {
                return;
            }
        }
    }
}

}  // namespace platform
