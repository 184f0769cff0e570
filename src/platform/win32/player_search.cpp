#include <windows.h>

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

namespace {

// Where VLC installs itself; the last two are on the root of the current drive.
constexpr const char* kPlayerPaths[] = {
    "c:\\Program Files\\VideoLAN\\VLC\\vlc.exe",
    "c:\\Program Files (x86)\\VideoLAN\\VLC\\vlc.exe",
    "\\Program Files\\VideoLAN\\VLC\\vlc.exe",
    "\\Program Files (x86)\\VideoLAN\\VLC\\vlc.exe",
};

}  // namespace

namespace platform {

bool findProgram(const char* name, char* path, std::size_t pathSize) {
    char* filePart = nullptr;
    const DWORD length =
        SearchPathA(nullptr, name, ".exe", static_cast<DWORD>(pathSize), path, &filePart);
    return length > 0 && length < pathSize;
}

bool findPlayerExecutable(char* path, std::size_t pathSize) {
    for (const char* candidate : kPlayerPaths) {
        if (GetFileAttributesA(candidate) != INVALID_FILE_ATTRIBUTES) {
            std::snprintf(path, pathSize, "%s", candidate);
            return true;
        }
    }
    return false;
}

const char* lastPathComponent(const char* path) {
    const char* backslash = std::strrchr(path, '\\');
    return backslash == nullptr ? path : backslash + 1;
}

}  // namespace platform
