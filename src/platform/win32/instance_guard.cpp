// The single-instance guard: a named mutex, which lasts while any process holds a handle to it.
#include <windows.h>

#include "platform/platform.h"

namespace platform {

GuardHandle createInstanceGuard(const char* name) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name);
    // Any error counts, in particular that the mutex already exists; the handle is then left to
    // the process's end.
    if (mutex == nullptr || GetLastError() != ERROR_SUCCESS) {
        return 0;
    }
    return reinterpret_cast<GuardHandle>(mutex);
}

void releaseInstanceGuard(GuardHandle guard) {
    // The mutex was never owned, so this changes nothing: the guard, the mutex's existence, lasts
    // until the process ends and its handle closes.
    ReleaseMutex(reinterpret_cast<HANDLE>(guard));
}

}  // namespace platform
