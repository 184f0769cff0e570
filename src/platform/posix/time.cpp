#include <poll.h>
#include <time.h>

#include <cerrno>

#include "platform/platform.h"
#include "platform/posix/internal.h"

namespace platform {

// The terminal's owner acts on job control while it waits: a Ctrl-Z never waits for the end of
// a pause (three seconds after a start-up error).
void sleepMs(int milliseconds) {
    const int jobSignals = internal::jobSignalDescriptor();
    if (jobSignals < 0) {
        timespec remaining = {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
        while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
        }
        return;
    }
    const long long until = monotonicMs() + milliseconds;
    for (long long left = milliseconds; left > 0; left = until - monotonicMs()) {
        pollfd source = {jobSignals, POLLIN, 0};
        if (poll(&source, 1, static_cast<int>(left)) > 0) {
            internal::takeJobSignals();
        }
    }
}

long long monotonicMs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

}  // namespace platform
