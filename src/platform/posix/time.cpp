#include <time.h>

#include <cerrno>

#include "platform/platform.h"

namespace platform {

void sleepMs(int milliseconds) {
    timespec remaining = {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

}  // namespace platform
