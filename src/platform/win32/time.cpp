#include <windows.h>

#include "platform/platform.h"

namespace platform {

void sleepMs(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
}

long long monotonicMs() {
    return static_cast<long long>(GetTickCount64());
}

}  // namespace platform
