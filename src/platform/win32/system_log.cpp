// The system's log on Windows: a file of the viewer's own under the user's local application
// data (%LOCALAPPDATA%\rezerivove\rezerivove.log), a line a record with its local time. The
// Application event log was not chosen: its records read "the description cannot be found"
// unless a message file is registered for the source, which needs an administrator; a file needs
// nothing, is read with any editor and is kept with the user's profile.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

namespace {

constexpr std::size_t kRecordSize = 2048;
HANDLE logFile = INVALID_HANDLE_VALUE;

}  // namespace

namespace platform {

bool openSystemLog(char* where, std::size_t whereSize) {
    const char* home = std::getenv("LOCALAPPDATA");
    char folder[MAX_PATH];
    std::snprintf(folder, sizeof folder, "%s\\rezerivove", home != nullptr ? home : ".");
    std::snprintf(where, whereSize, "%s\\rezerivove.log", folder);
    CreateDirectoryA(folder, nullptr);
    // Appended to, and readable by others (an editor, a log shipper) while the viewer runs.
    logFile = CreateFileA(where, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return logFile != INVALID_HANDLE_VALUE;
}

bool writeSystemLog(const char* text, std::size_t length, bool warning) {
    if (logFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    char record[kRecordSize];
    const int head = std::snprintf(record, sizeof record, "%04u-%02u-%02u %02u:%02u:%02u %s ",
                                   now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                                   now.wSecond, warning ? "warning" : "message");
    if (head < 0) {
        return false;
    }
    std::size_t total = static_cast<std::size_t>(head);
    const std::size_t room = sizeof record - total - 2;
    const std::size_t taken = length < room ? length : room;
    std::memcpy(record + total, text, taken);
    total += taken;
    record[total++] = '\r';
    record[total++] = '\n';
    DWORD written = 0;
    return WriteFile(logFile, record, static_cast<DWORD>(total), &written, nullptr) != 0 &&
           written == total;
}

}  // namespace platform
