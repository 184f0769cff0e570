// The system's log on Linux: datagrams to /dev/log in the form syslog(3) sends them, so that the
// journal keeps them under the ident rezerivove (journalctl -t rezerivove) and a syslog daemon
// files them with the rest. The viewer writes them itself rather than through syslog(3), which
// allocates for each line and waits when the log's queue is full: here a line the log does not
// take at once is lost, and the cycle goes on.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/platform.h"

namespace {

constexpr char kLogPath[] = "/dev/log";
constexpr char kIdent[] = "rezerivove";
// The user facility, as a warning (an alarm) or as news (a message of the source).
constexpr int kWarningPriority = 8 + 4;
constexpr int kNewsPriority = 8 + 6;
constexpr std::size_t kRecordSize = 2048;

int logSocket = -1;

bool connectLog() {
    logSocket = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (logSocket < 0) {
        return false;
    }
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, kLogPath, sizeof kLogPath);
    if (connect(logSocket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(logSocket);
        logSocket = -1;
        return false;
    }
    return true;
}

}  // namespace

namespace platform {

bool openSystemLog(char* where, std::size_t whereSize) {
    std::snprintf(where, whereSize, "%s", kLogPath);
    // The time zone is read now: the first local time read loads it, which allocates.
    tzset();
    return connectLog();
}

bool writeSystemLog(const char* text, std::size_t length, bool warning) {
    if (logSocket < 0 && !connectLog()) {
        return false;
    }
    char record[kRecordSize];
    const time_t now = time(nullptr);
    tm local = {};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%b %e %H:%M:%S", &local);
    const int head = std::snprintf(record, sizeof record,
                                   "<%d>%s %s[%d]: ", warning ? kWarningPriority : kNewsPriority,
                                   stamp, kIdent, getpid());
    if (head < 0) {
        return false;
    }
    std::size_t total = static_cast<std::size_t>(head);
    const std::size_t room = sizeof record - total;
    const std::size_t taken = length < room ? length : room;
    std::memcpy(record + total, text, taken);
    total += taken;
    if (send(logSocket, record, total, MSG_DONTWAIT | MSG_NOSIGNAL) ==
        static_cast<ssize_t>(total)) {
        return true;
    }
    // A log restarted since (the journal, a syslog daemon) is connected to again at the next
    // line; a full one loses this line.
    if (errno != EAGAIN && errno != EWOULDBLOCK) {
        close(logSocket);
        logSocket = -1;
    }
    return false;
}

}  // namespace platform
