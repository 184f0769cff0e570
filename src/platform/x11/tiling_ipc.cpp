// Placement under sway and i3, through their IPC.
//
// NOTE: sway and i3 tile their windows and ignore X11 geometry requests (a floating window takes
// the size but is centred again), know no _NET_MOVERESIZE_WINDOW, and treat minimizing as a flag
// or not at all. Their IPC does all of it exactly, naming each window by its X window id (or, on
// sway, a native Wayland window by its process): floating without a border, so the outer
// rectangle is the window's own, at the place asked; the scratchpad to hide and to show again.
#include <X11/Xatom.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/x11/internal.h"
#include "platform/x11/tiling_ipc_message.h"

namespace {

using platform::WindowHandle;
using platform::x11::backend;
using platform::x11::IpcNode;
using platform::x11::IpcReceived;
using platform::x11::kMostSought;
using platform::x11::kMostUnanswered;
using platform::x11::kReplySize;
using platform::x11::Sought;
using platform::x11::TilingIpc;

constexpr std::size_t kCommandSize = 256;
// Nothing is waited for: a request is sent and its reply read when it comes, in the cycle's wait.
// A compositor that has answered nothing for this long while requests wait (stopped, a reload, a
// GPU reset) is given up for the layout: its windows are then placed as under any window manager.
constexpr long long kAnswerWithinMs = 500;
constexpr std::size_t kSocketPathSize = sizeof(sockaddr_un{}.sun_path);
constexpr std::size_t kStatSize = 512;

TilingIpc& ipc = backend.ipc;

// The connection is given up: what was on its way will not be answered.
void dropConnection() {
    if (ipc.socket >= 0) {
        close(ipc.socket);
    }
    ipc.socket = -1;
    ipc.answered = ipc.sent;
    // The windows sought in trees that will not come ask again at their next look.
    ipc.soughtCount = 0;
    ipc.searchedCount = -1;
    ipc.reader = platform::x11::IpcReader{};
}

// The compositor does not answer: given up for the layout on its way; outside one the next
// request tries again.
void giveUp() {
    dropConnection();
    ipc.failed = ipc.inLayout;
}

// Connected at once or not at all: a compositor's socket takes a connection without it (a
// stopped one whose queue is full refuses it, and a blocking connect() would wait for as long as
// it is stopped).
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
    if (connect(ipc.socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        dropConnection();
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
    if (connectTo(path)) {
        return true;
    }
    ipc.failed = ipc.inLayout;
    return false;
}

bool searchTree(const char* data, std::size_t length, void* /*context*/) {
    bool all = true;
    for (int i = 0; i < ipc.searchedCount; ++i) {
        Sought& window = ipc.sought[i];
        if (!window.found) {
            const bool native = (window.handle & platform::x11::kProcessWindowBit) != 0;
            const auto value = static_cast<std::uint32_t>(
                native ? window.handle & ~platform::x11::kProcessWindowBit : window.handle);
            window.found = platform::x11::ipcFindNode(data, length, native ? "pid" : "window",
                                                      value, &window.node);
        }
        all = all && window.found;
    }
    return all;
}

// A tree read whole: what it says of the windows searched for is kept, each in place of what an
// older tree said of it (or of the window an older tree was searched for longest ago), and they
// are sought no more.
void takeTree() {
    for (int i = 0; i < ipc.searchedCount; ++i) {
        Sought* kept = &ipc.known[0];
        for (Sought& known : ipc.known) {
            if (known.handle == ipc.sought[i].handle) {
                kept = &known;
                break;
            }
            kept = known.tree < kept->tree ? &known : kept;
        }
        *kept = ipc.sought[i];
        kept->tree = ipc.answered;
    }
    for (int i = ipc.searchedCount; i < ipc.soughtCount; ++i) {
        ipc.sought[i - ipc.searchedCount] = ipc.sought[i];
    }
    ipc.soughtCount -= ipc.searchedCount;
    ipc.searchedCount = -1;
}

// Reads the replies that have come, without waiting; gives the compositor up when it has let
// requests wait too long. A connection the compositor closed (i3 restarted in place) is dropped,
// and the next request connects again.
void takeReplies() {
    while (ipc.socket >= 0 && ipc.answered < ipc.sent) {
        const std::uint32_t type = ipc.types[(ipc.answered + 1) % kMostUnanswered];
        const bool tree = type == platform::x11::kIpcGetTree;
        if (tree && ipc.searchedCount < 0) {
            ipc.searchedCount = ipc.soughtCount;
            for (int i = 0; i < ipc.searchedCount; ++i) {
                ipc.sought[i].found = false;
            }
        }
        std::size_t held = 0;
        const IpcReceived received =
            platform::x11::ipcReceive(ipc.socket, &ipc.reader, type, ipc.reply, sizeof ipc.reply,
                                      tree ? searchTree : nullptr, nullptr, &held);
        if (received == IpcReceived::kFailed) {
            dropConnection();
            return;
        }
        if (received == IpcReceived::kNothingMore) {
            break;
        }
        ++ipc.answered;
        ipc.answeringMs = platform::monotonicMs();
        if (tree) {
            takeTree();
        }
    }
    if (ipc.answered < ipc.sent && platform::monotonicMs() >= ipc.answeringMs + kAnswerWithinMs) {
        giveUp();
    }
}

// Sends one request, connecting first when needed (again, once, when the connection turns out
// to be closed): its number, or 0 when it could not be sent.
unsigned long long sendRequest(std::uint32_t type, const char* payload) {
    takeReplies();
    for (int tries = 0; tries < 2; ++tries) {
        if (!connectIpc()) {
            return 0;
        }
        if (ipc.sent - ipc.answered >= kMostUnanswered - 1) {
            giveUp();
            return 0;
        }
        if (platform::x11::ipcSend(ipc.socket, type, payload)) {
            if (ipc.answered == ipc.sent) {
                ipc.answeringMs = platform::monotonicMs();
            }
            ++ipc.sent;
            ipc.types[ipc.sent % kMostUnanswered] = type;
            return ipc.sent;
        }
        dropConnection();
    }
    return 0;
}

// The criteria that name a window: its X window id, or the process of a native window; and
// `more` of them.
int criteria(char* out, std::size_t size, platform::WindowHandle window, const char* more) {
    if ((window & platform::x11::kProcessWindowBit) != 0) {
        return std::snprintf(out, size, "[pid=%u%s]",
                             static_cast<unsigned>(window & ~platform::x11::kProcessWindowBit),
                             more);
    }
    return std::snprintf(out, size, "[id=%lu%s]", static_cast<unsigned long>(window), more);
}

// Runs a command for one window; its request's number, or 0. A command refused changes nothing:
// the phases read back what it did.
unsigned long long runFor(platform::WindowHandle window, const char* what,
                          const char* moreCriteria = "") {
    char command[kCommandSize];
    const int named = criteria(command, sizeof command, window, moreCriteria);
    std::snprintf(command + named, sizeof command - named, " %s", what);
    return sendRequest(platform::x11::kIpcRunCommand, command);
}

// Whether a tree on its way, asked after request `after`, will say what it holds of the window
// sought at `index`: one whose reading has not begun searches for every window sought, the one
// being read only for those sought from its start.
bool treeOnItsWayTells(unsigned long long after, int index) {
    if (ipc.treeAsked <= after || ipc.treeAsked <= ipc.answered) {
        return false;
    }
    const bool newestBeingRead = ipc.searchedCount >= 0 && ipc.treeAsked == ipc.answered + 1;
    return !newestBeingRead || index < ipc.searchedCount;
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
    takeReplies();
    return connectIpc();
}

void tilingLayoutBegins() {
    ipc.inLayout = true;
    ipc.failed = false;
}

void tilingLayoutEnds() {
    ipc.inLayout = false;
    ipc.failed = false;
}

void takeTilingReplies() {
    takeReplies();
}

int tilingReplyDescriptor() {
    return ipc.answered < ipc.sent ? ipc.socket : -1;
}

long long tilingGiveUpMs() {
    return ipc.answered < ipc.sent ? ipc.answeringMs + kAnswerWithinMs : LLONG_MAX;
}

bool tilingAwaiting(unsigned long long request) {
    return request > ipc.answered;
}

std::uint32_t nativeTerminalProcess() {
    return backend.tilingIpc ? ipc.terminalProcess : 0;
}

unsigned long long tilingMinimize(WindowHandle window) {
    return runFor(window, "move scratchpad");
}

unsigned long long tilingShow(WindowHandle window) {
    return runFor(window, "scratchpad show");
}

unsigned long long tilingMove(WindowHandle window, int left, int top, int width, int height) {
    char placement[kCommandSize];
    std::snprintf(placement, sizeof placement,
                  "floating enable, border none, resize set %d %d, move absolute position %d %d",
                  width > 0 ? width : 1, height > 0 ? height : 1, left, top);
    return runFor(window, placement);
}

void tilingFocus(WindowHandle window) {
    // NOTE: focusing a window in the scratchpad shows it. Hidden there, sway's window is on no
    // workspace and i3's on "__i3_scratch": neither matches, and the command changes nothing.
    runFor(window, "focus", " workspace=\"^(?!__i3_scratch$)\"");
}

TreeAnswer tilingNode(WindowHandle window, unsigned long long after, IpcNode* node) {
    takeReplies();
    for (const Sought& known : ipc.known) {
        if (known.handle == window && known.tree > after) {
            *node = known.node;
            return known.found ? TreeAnswer::kFound : TreeAnswer::kAbsent;
        }
    }
    int index = 0;
    while (index < ipc.soughtCount && ipc.sought[index].handle != window) {
        ++index;
    }
    if (index == ipc.soughtCount) {
        if (ipc.soughtCount == kMostSought) {
            return TreeAnswer::kUnavailable;
        }
        ipc.sought[ipc.soughtCount++] = Sought{window, false, {}, 0};
    }
    if (!treeOnItsWayTells(after, index)) {
        const unsigned long long asked = sendRequest(kIpcGetTree, "");
        if (asked == 0) {
            return TreeAnswer::kUnavailable;
        }
        ipc.treeAsked = asked;
    }
    return TreeAnswer::kWaiting;
}

TreeAnswer tilingHidden(WindowHandle window, unsigned long long after, bool* hidden) {
    const bool native = (window & kProcessWindowBit) != 0;
    if (native || !ipc.treeWithoutVisibility) {
        IpcNode node;
        const TreeAnswer answer = tilingNode(window, after, &node);
        if (answer == TreeAnswer::kWaiting) {
            return answer;
        }
        if (answer == TreeAnswer::kFound) {
            ipc.treeWithoutVisibility = node.visible < 0;
        }
        if (answer == TreeAnswer::kFound && node.visible >= 0) {
            *hidden = node.visible == 0;
            return answer;
        }
    }
    // NOTE: i3 says nothing of it in its tree, but unmaps the windows it does not show.
    *hidden = !native && !isViewable(static_cast<Window>(window));
    return TreeAnswer::kFound;
}

}  // namespace platform::x11
