// Placement under sway and i3, through their IPC.
//
// NOTE: sway and i3 tile their windows and ignore X11 geometry requests (a floating window takes
// the size but is centred again), know no _NET_MOVERESIZE_WINDOW, and treat minimizing as a flag
// or not at all. Their IPC does all of it exactly, naming each window by its X window id (or, on
// sway, a native Wayland window by its process): floating without a border, so the outer
// rectangle is the window's own, at the place asked; the scratchpad to hide and to show again.
#include <X11/Xatom.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/x11/internal.h"
#include "platform/x11/tiling_ipc_message.h"

namespace {

using platform::x11::backend;

constexpr std::size_t kCommandSize = 256;
// Replies to the viewer's commands are a few dozen bytes, the tree a few kilobytes a window; a
// longer reply is read and dropped.
constexpr std::size_t kReplySize = 65536;
constexpr int kReplyTimeoutMs = 1000;
constexpr std::size_t kSocketPathSize = sizeof(sockaddr_un{}.sun_path);
constexpr std::size_t kStatSize = 512;
// The four players and the console.
constexpr int kMaxHidden = 5;

struct TilingIpc {
    int socket;
    // The terminal the viewer runs in, when sway may have to place it as a native window.
    std::uint32_t terminalProcess;
    // The windows the viewer has put in the scratchpad and not shown since. NOTE: sway leaves a
    // hidden X window mapped and Normal, so X cannot tell.
    platform::WindowHandle hidden[kMaxHidden];
    char reply[kReplySize];
};

TilingIpc ipc = {-1, 0, {}, {}};

int hiddenSlot(platform::WindowHandle window) {
    for (int i = 0; i < kMaxHidden; ++i) {
        if (ipc.hidden[i] == window) {
            return i;
        }
    }
    return -1;
}

bool writeAll(const char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t sent = send(ipc.socket, data, length, MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        data += sent;
        length -= static_cast<std::size_t>(sent);
    }
    return true;
}

// Reads exactly `length` bytes, or drops them when `into` is null; a compositor that does not
// answer within the timeout is given up on.
bool readAll(char* into, std::size_t length) {
    char sink[256] = {};
    while (length > 0) {
        pollfd ready = {ipc.socket, POLLIN, 0};
        if (poll(&ready, 1, kReplyTimeoutMs) <= 0) {
            return false;
        }
        const std::size_t want =
            into != nullptr ? length : (length < sizeof sink ? length : sizeof sink);
        const ssize_t got = recv(ipc.socket, into != nullptr ? into : sink, want, 0);
        if (got <= 0) {
            return false;
        }
        if (into != nullptr) {
            into += got;
        }
        length -= static_cast<std::size_t>(got);
    }
    return true;
}

void closeIpc() {
    close(ipc.socket);
    ipc.socket = -1;
}

// Sends one message and reads its reply into ipc.reply; returns the reply's length, or 0 when
// there was none of that type or it was too long to keep.
std::size_t exchange(std::uint32_t type, const char* payload) {
    if (ipc.socket < 0) {
        return 0;
    }
    const std::size_t length = std::strlen(payload);
    char header[platform::x11::kIpcHeaderSize];
    platform::x11::writeIpcHeader(header, type, static_cast<std::uint32_t>(length));
    std::uint32_t replyType = 0;
    std::uint32_t replyLength = 0;
    if (!writeAll(header, sizeof header) || !writeAll(payload, length) ||
        !readAll(header, sizeof header) ||
        !platform::x11::readIpcHeader(header, &replyType, &replyLength)) {
        closeIpc();  // the stream is out of step or gone
        return 0;
    }
    const std::size_t kept = replyLength < kReplySize ? replyLength : 0;
    if (!readAll(kept > 0 ? ipc.reply : nullptr, replyLength)) {
        closeIpc();
        return 0;
    }
    return replyType == type ? kept : 0;
}

// Runs one command line; true when the compositor reports that every command in it succeeded.
// A command refused changes nothing: the viewer goes on with the next request.
bool runCommand(const char* command) {
    const std::size_t length = exchange(platform::x11::kIpcRunCommand, command);
    return length > 0 && platform::x11::ipcCommandsSucceeded(ipc.reply, length);
}

// The criteria that name a window: its X window id, or the process of a native window.
int criteria(char* out, std::size_t size, platform::WindowHandle window) {
    if ((window & platform::x11::kProcessWindowBit) != 0) {
        return std::snprintf(out, size, "[pid=%u]",
                             static_cast<unsigned>(window & ~platform::x11::kProcessWindowBit));
    }
    return std::snprintf(out, size, "[id=%lu]", static_cast<unsigned long>(window));
}

bool runFor(platform::WindowHandle window, const char* what) {
    char command[kCommandSize];
    const int named = criteria(command, sizeof command, window);
    std::snprintf(command + named, sizeof command - named, " %s", what);
    return runCommand(command);
}

// The parent of a process, from /proc; 0 when it cannot be read.
std::uint32_t parentOf(pid_t process) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(process));
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    char stat[kStatSize];
    const ssize_t got = read(fd, stat, sizeof stat - 1);
    close(fd);
    if (got <= 0) {
        return 0;
    }
    stat[got] = '\0';
    // "pid (name) state ppid ...": the name may hold anything but ends at the last ')'.
    const char* end = std::strrchr(stat, ')');
    unsigned parent = 0;
    return end != nullptr && std::sscanf(end + 1, " %*c %u", &parent) == 1 ? parent : 0;
}

// The socket sway or i3 listens on: named in the environment they give their programs, or (i3)
// on the root window.
bool socketPath(char* path, std::size_t size) {
    const char* named = std::getenv("SWAYSOCK");
    if (named == nullptr || named[0] == '\0') {
        named = std::getenv("I3SOCK");
    }
    if (named != nullptr && named[0] != '\0') {
        return std::snprintf(path, size, "%s", named) < static_cast<int>(size);
    }
    const long length =
        platform::x11::readProperty(backend.root, backend.i3SocketPath, backend.utf8String, 8, path,
                                    static_cast<long>(size) - 1);
    path[length] = '\0';
    return length > 0;
}

}  // namespace

namespace platform::x11 {

bool connectTilingIpc() {
    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (!socketPath(address.sun_path, kSocketPathSize)) {
        return false;
    }
    ipc.socket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (ipc.socket < 0) {
        return false;
    }
    if (connect(ipc.socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        closeIpc();
        return false;  // a stale socket: placed as under any other window manager
    }
    // The terminal emulator is the parent of the session the viewer's terminal leads.
    if (backend.onWayland && isatty(STDOUT_FILENO)) {
        ipc.terminalProcess = parentOf(getsid(0));
    }
    return true;
}

std::uint32_t nativeTerminalProcess() {
    return ipc.socket >= 0 ? ipc.terminalProcess : 0;
}

void tilingMinimize(WindowHandle window) {
    if (runFor(window, "move scratchpad") && hiddenSlot(window) < 0) {
        const int free = hiddenSlot(0);
        if (free >= 0) {
            ipc.hidden[free] = window;
        }
    }
}

void tilingRestore(WindowHandle window) {
    // It toggles: only a window the layout has just hidden is shown.
    if (runFor(window, "scratchpad show")) {
        const int slot = hiddenSlot(window);
        if (slot >= 0) {
            ipc.hidden[slot] = 0;
        }
    }
}

bool tilingHidden(WindowHandle window) {
    return hiddenSlot(window) >= 0;
}

void tilingMove(WindowHandle window, int left, int top, int width, int height) {
    char placement[kCommandSize];
    std::snprintf(placement, sizeof placement,
                  "floating enable, border none, resize set %d %d, move absolute position %d %d",
                  width > 0 ? width : 1, height > 0 ? height : 1, left, top);
    runFor(window, placement);
}

bool tilingShows(WindowHandle window, int left, int top, int width, int height) {
    const std::size_t length = exchange(kIpcGetTree, "");
    IpcRectangle shown;
    if (length == 0 ||
        !ipcWindowOfProcess(ipc.reply, length,
                            static_cast<std::uint32_t>(window & ~kProcessWindowBit), &shown)) {
        return true;  // nothing to compare with
    }
    return shown.x == left && shown.y == top && shown.width == width && shown.height == height;
}

void tilingFocus(WindowHandle window) {
    runFor(window, "focus");
}

}  // namespace platform::x11
