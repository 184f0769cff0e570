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

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/x11/internal.h"
#include "platform/x11/tiling_ipc_message.h"

namespace {

using platform::x11::backend;

constexpr std::size_t kCommandSize = 256;
// Replies to the viewer's commands are a few dozen bytes; the tree a few kilobytes a window, and
// read through this buffer however long it is.
constexpr std::size_t kReplySize = 65536;
// For the whole exchange, connecting included, however the reply comes: the cycle waits on it,
// so a compositor that stopped answering (a reload, a GPU reset) holds the viewer no longer.
constexpr int kExchangeTimeoutMs = 150;
constexpr std::size_t kSocketPathSize = sizeof(sockaddr_un{}.sun_path);
constexpr std::size_t kStatSize = 512;

struct TilingIpc {
    // -1 while not connected: the next request connects again.
    int socket;
    // An exchange failed in this layout: no more are tried until the next one.
    bool failed;
    // The tree read last said nothing of whether a window is shown (i3): the X server is asked
    // instead, without reading the tree each time.
    bool treeWithoutVisibility;
    // The terminal the viewer runs in, when sway may have to place it as a native window.
    std::uint32_t terminalProcess;
    char reply[kReplySize];
};

TilingIpc ipc = {-1, false, false, 0, {}};

void closeIpc() {
    if (ipc.socket >= 0) {
        close(ipc.socket);
    }
    ipc.socket = -1;
}

// Connected within the time an exchange has. NOTE: a stopped compositor's listen queue fills up,
// and a blocking connect() then waits for as long as the compositor is stopped.
bool connectTo(const char* path) {
    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path[0] == '\0' || std::snprintf(address.sun_path, kSocketPathSize, "%s", path) >=
                               static_cast<int>(kSocketPathSize)) {
        return false;
    }
    ipc.socket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (ipc.socket < 0) {
        return false;
    }
    if (connect(ipc.socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return true;
    }
    pollfd writable = {ipc.socket, POLLOUT, 0};
    int error = 0;
    socklen_t errorSize = sizeof error;
    if (errno != EINPROGRESS || poll(&writable, 1, kExchangeTimeoutMs) != 1 ||
        getsockopt(ipc.socket, SOL_SOCKET, SO_ERROR, &error, &errorSize) != 0 || error != 0) {
        closeIpc();
    }
    return ipc.socket >= 0;
}

// Connects to the socket sway or i3 listens on now: named in the environment they give their
// programs, or (i3) on the root window, read afresh, since i3 restarted in place may be on
// another.
bool connectIpc() {
    if (ipc.socket >= 0) {
        return true;
    }
    if (ipc.failed) {
        return false;
    }
    constexpr const char* kVariables[] = {"SWAYSOCK", "I3SOCK"};
    for (const char* variable : kVariables) {
        const char* named = std::getenv(variable);
        if (named != nullptr && connectTo(named)) {
            return true;
        }
    }
    char path[kSocketPathSize];
    const long length =
        platform::x11::readProperty(backend.root, backend.i3SocketPath, backend.utf8String, 8, path,
                                    static_cast<long>(sizeof path) - 1);
    path[length] = '\0';
    ipc.failed = !connectTo(path);
    return !ipc.failed;
}

// Sends one message and reads its reply; after any failure the connection is dropped, and the
// next request connects again. Without a search the reply is kept in ipc.reply; its length, or
// 0, goes to `*held`.
bool exchange(std::uint32_t type, const char* payload, platform::x11::IpcSearch search,
              void* context, std::size_t* held) {
    *held = 0;
    if (!connectIpc()) {
        return false;
    }
    if (!platform::x11::ipcExchange(ipc.socket, type, payload, ipc.reply, sizeof ipc.reply,
                                    kExchangeTimeoutMs, search, context, held)) {
        closeIpc();
        ipc.failed = true;
        return false;
    }
    return true;
}

// Runs one command line; true when the compositor reports that every command in it succeeded.
// A command refused changes nothing: the viewer goes on with the next request.
bool runCommand(const char* command) {
    std::size_t length = 0;
    return exchange(platform::x11::kIpcRunCommand, command, nullptr, nullptr, &length) &&
           length > 0 && platform::x11::ipcCommandsSucceeded(ipc.reply, length);
}

// What the tree is searched for: a window's node, by X window id or by process.
struct NodeSearch {
    const char* member;
    std::uint32_t value;
    bool found;
    platform::x11::IpcNode node;
};

bool searchNode(const char* data, std::size_t length, void* context) {
    NodeSearch& search = *static_cast<NodeSearch*>(context);
    search.found =
        platform::x11::ipcFindNode(data, length, search.member, search.value, &search.node);
    return search.found;
}

// The window's node in the compositor's tree as it is now; false when the tree cannot be read
// or does not hold it.
bool findNode(platform::WindowHandle window, platform::x11::IpcNode* node) {
    const bool native = (window & platform::x11::kProcessWindowBit) != 0;
    NodeSearch search = {
        native ? "pid" : "window",
        static_cast<std::uint32_t>(native ? window & ~platform::x11::kProcessWindowBit : window),
        false,
        {}};
    std::size_t held = 0;
    if (!exchange(platform::x11::kIpcGetTree, "", searchNode, &search, &held) || !search.found) {
        return false;
    }
    *node = search.node;
    return true;
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

}  // namespace

namespace platform::x11 {

bool connectTilingIpc() {
    if (!connectIpc()) {
        return false;  // none, or a stale socket: placed as under any other window manager
    }
    // The terminal emulator is the parent of the session the viewer's terminal leads.
    if (backend.onWayland && isatty(STDOUT_FILENO)) {
        ipc.terminalProcess = parentOf(getsid(0));
    }
    return true;
}

bool tilingIpcAnswers() {
    return connectIpc();
}

void retryTilingIpc() {
    ipc.failed = false;
}

std::uint32_t nativeTerminalProcess() {
    return backend.tilingIpc ? ipc.terminalProcess : 0;
}

void tilingMinimize(WindowHandle window) {
    runFor(window, "move scratchpad");
}

void tilingShow(WindowHandle window) {
    runFor(window, "scratchpad show");
}

bool tilingNode(WindowHandle window, IpcNode* node) {
    return findNode(window, node);
}

bool tilingHidden(WindowHandle window) {
    const bool native = (window & kProcessWindowBit) != 0;
    IpcNode node;
    if ((native || !ipc.treeWithoutVisibility) && findNode(window, &node)) {
        ipc.treeWithoutVisibility = node.visible < 0;
        if (node.visible >= 0) {
            return node.visible == 0;
        }
    }
    // NOTE: i3 says nothing of it in its tree, but unmaps the windows it does not show.
    return !native && !isViewable(static_cast<Window>(window));
}

void tilingMove(WindowHandle window, int left, int top, int width, int height) {
    char placement[kCommandSize];
    std::snprintf(placement, sizeof placement,
                  "floating enable, border none, resize set %d %d, move absolute position %d %d",
                  width > 0 ? width : 1, height > 0 ? height : 1, left, top);
    runFor(window, placement);
}

void tilingFocus(WindowHandle window) {
    runFor(window, "focus");
}

}  // namespace platform::x11
