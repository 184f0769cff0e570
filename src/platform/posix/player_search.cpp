#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

namespace {

constexpr const char* kFixedPlayerPaths[] = {"/usr/bin/vlc", "/usr/local/bin/vlc", "/snap/bin/vlc"};

bool isExecutableFile(const char* path) {
    struct stat status;
    return stat(path, &status) == 0 && S_ISREG(status.st_mode) && access(path, X_OK) == 0;
}

// Copies `candidate` into `path` when it fits and names an executable.
bool takeCandidate(const char* candidate, char* path, std::size_t pathSize) {
    if (std::strlen(candidate) >= pathSize || !isExecutableFile(candidate)) {
        return false;
    }
    std::snprintf(path, pathSize, "%s", candidate);
    return true;
}

}  // namespace

namespace platform {

bool findProgram(const char* name, char* path, std::size_t pathSize) {
    const char* searchPath = std::getenv("PATH");
    char candidate[4096];
    for (const char* entry = searchPath; entry != nullptr && *entry != '\0';) {
        const char* end = std::strchr(entry, ':');
        const std::size_t length = end == nullptr ? std::strlen(entry) : end - entry;
        // An empty entry is the current directory, as the shell reads PATH.
        const int written = length == 0 ? std::snprintf(candidate, sizeof candidate, "./%s", name)
                                        : std::snprintf(candidate, sizeof candidate, "%.*s/%s",
                                                        static_cast<int>(length), entry, name);
        if (written > 0 && static_cast<std::size_t>(written) < sizeof candidate &&
            takeCandidate(candidate, path, pathSize)) {
            return true;
        }
        entry = end == nullptr ? nullptr : end + 1;
    }
    return false;
}

bool findPlayerExecutable(char* path, std::size_t pathSize) {
    if (findProgram("vlc", path, pathSize)) {
        return true;
    }
    for (const char* fixed : kFixedPlayerPaths) {
        if (takeCandidate(fixed, path, pathSize)) {
            return true;
        }
    }
    return false;
}

const char* lastPathComponent(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash == nullptr ? path : slash + 1;
}

}  // namespace platform
