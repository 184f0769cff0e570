// The single-instance guard: an exclusive lock on a file in the user's runtime directory. The
// kernel drops the lock when the process ends, however it ends.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace platform {

GuardHandle createInstanceGuard(const char* name) {
    char path[512];
    const char* runtimeDirectory = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDirectory != nullptr && runtimeDirectory[0] != '\0') {
        std::snprintf(path, sizeof path, "%s/%s", runtimeDirectory, name);
    } else {
        std::snprintf(path, sizeof path, "/tmp/%s-%u", name, static_cast<unsigned>(getuid()));
    }
    const int fd = open(path, O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return 0;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return 0;
    }
    return static_cast<GuardHandle>(fd) + 1;
}

void releaseInstanceGuard(GuardHandle) {
    // Closing the file would drop the lock at once. The guard must last until the process ends,
    // so that a copy started during the final pause still finds it, and the kernel closes the
    // file then.
}

}  // namespace platform
