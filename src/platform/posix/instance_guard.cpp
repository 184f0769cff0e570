// The single-instance guard: an exclusive lock on a file in the user's runtime directory. The
// kernel drops the lock when the process ends, however it ends.
//
// Without a runtime directory the file lies in /tmp, where any local user could create it first:
// hold the lock there (the viewer would claim to be running already) or plant a link to another
// file. The guard is taken only from a plain file of the user's own, reached without following a
// link; otherwise from the user's home, which only the user can write.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace {

constexpr std::size_t kPathSize = 512;

enum class Lock { kTaken, kHeld, kUnusable };

// Opens (creating it if need be) and locks the guard at `path`; `fd` is set when taken.
Lock lockGuard(const char* path, int* fd) {
    *fd = open(path, O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (*fd < 0) {
        return Lock::kUnusable;  // a link, or a file of another user's it cannot read
    }
    struct stat file;
    if (fstat(*fd, &file) != 0 || !S_ISREG(file.st_mode) || file.st_uid != getuid()) {
        close(*fd);
        return Lock::kUnusable;
    }
    if (flock(*fd, LOCK_EX | LOCK_NB) != 0) {
        close(*fd);
        return Lock::kHeld;
    }
    return Lock::kTaken;
}

const char* homeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return home;
    }
    const passwd* user = getpwuid(getuid());
    return user != nullptr ? user->pw_dir : nullptr;
}

}  // namespace

namespace platform {

GuardHandle createInstanceGuard(const char* name) {
    char path[kPathSize];
    int fd = -1;
    const char* runtimeDirectory = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDirectory != nullptr && runtimeDirectory[0] != '\0') {
        std::snprintf(path, sizeof path, "%s/%s", runtimeDirectory, name);
        return lockGuard(path, &fd) == Lock::kTaken ? static_cast<GuardHandle>(fd) + 1 : 0;
    }
    std::snprintf(path, sizeof path, "/tmp/%s-%u", name, static_cast<unsigned>(getuid()));
    Lock lock = lockGuard(path, &fd);
    const char* home = homeDirectory();
    if (lock == Lock::kUnusable && home != nullptr) {
        std::snprintf(path, sizeof path, "%s/.%s", home, name);
        lock = lockGuard(path, &fd);
    }
    return lock == Lock::kTaken ? static_cast<GuardHandle>(fd) + 1 : 0;
}

void releaseInstanceGuard(GuardHandle) {
    // Closing the file would drop the lock at once. The guard must last until the process ends,
    // so that a copy started during the final pause still finds it, and the kernel closes the
    // file then.
}

}  // namespace platform
