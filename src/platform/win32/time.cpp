#include <windows.h>

#include "platform/platform.h"

namespace platform {

void sleepMs(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace platform
