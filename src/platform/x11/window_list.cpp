// The list of top-level windows the players and the console are found in.
#include <X11/Xatom.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/posix/internal.h"
#include "platform/x11/internal.h"

namespace {

using platform::x11::backend;
using platform::x11::readProperty;

constexpr int kMaxWindows = 1024;
constexpr long kMaxTitleLength = 255;
// Window managers wrap a client in a frame, sometimes a frame in a frame.
constexpr int kFrameDepth = 3;

long windows[kMaxWindows];

void readTitle(Window window, char* title) {
    long length =
        readProperty(window, backend.netWmName, backend.utf8String, 8, title, kMaxTitleLength);
    if (length == 0) {
        length = readProperty(window, XA_WM_NAME, XA_STRING, 8, title, kMaxTitleLength);
    }
    title[length] = '\0';
}

std::uint32_t readOwnerProcessId(Window window) {
    long pid = 0;
    return readProperty(window, backend.netWmPid, XA_CARDINAL, 32, &pid, 1) == 1
               ? static_cast<std::uint32_t>(pid)
               : 0;
}

bool hasWmState(Window window) {
    long state[2] = {0, 0};
    return readProperty(window, backend.wmState, backend.wmState, 32, state, 2) > 0;
}

// The client a window manager keeps inside `window`: the window itself or the first window
// below it that carries WM_STATE, which a window manager sets on the clients it manages.
Window clientWithin(Window window, int depth) {
    if (hasWmState(window)) {
        return window;
    }
    if (depth == 0) {
        return None;
    }
    Window rootReturn = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int childCount = 0;
    Window client = None;
    if (XQueryTree(backend.display, window, &rootReturn, &parent, &children, &childCount)) {
        for (unsigned int i = 0; i < childCount && client == None; ++i) {
            client = clientWithin(children[i], depth - 1);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return client;
}

// The programs' own windows: a window manager's client list where it keeps one; else, or when the
// whole tree is asked for, the root's children, each taken as the client inside it when it is a
// frame (NOTE: weston keeps no client list), or as it stands without a window manager. NOTE: sway
// 1.12 and labwc now and then leave a mapped, managed window out of their client list.
long listClients(bool wholeTree) {
    if (!wholeTree && platform::x11::windowManagerRunning()) {
        const long count =
            readProperty(backend.root, backend.netClientList, XA_WINDOW, 32, windows, kMaxWindows);
        if (count > 0) {
            return count;
        }
    }
    long count = 0;
    Window rootReturn = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int childCount = 0;
    if (XQueryTree(backend.display, backend.root, &rootReturn, &parent, &children, &childCount)) {
        for (unsigned int i = 0; i < childCount && count < kMaxWindows; ++i) {
            const Window client = clientWithin(children[i], kFrameDepth);
            windows[count++] = static_cast<long>(client != None ? client : children[i]);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return count;
}

}  // namespace

namespace platform::x11 {

bool windowManagerLists(Window window) {
    const long count =
        readProperty(backend.root, backend.netClientList, XA_WINDOW, 32, windows, kMaxWindows);
    for (long i = 0; i < count; ++i) {
        if (static_cast<Window>(windows[i]) == window) {
            return true;
        }
    }
    return count <= 0;
}

}  // namespace platform::x11

namespace platform {

void listTopLevelWindows(WindowVisitor visit, void* context, bool wholeTree) {
    if (backend.display == nullptr) {
        return;
    }
    const long count = listClients(wholeTree);
    // NOTE: a native Wayland terminal on sway (foot) is no X window; sway's IPC names it by its
    // process, and its title is the one the viewer gave its console. It comes first, so that an
    // X11 terminal of the same title, later in the list, is the console found.
    const std::uint32_t terminal = x11::nativeTerminalProcess();
    bool terminalShown = false;
    for (long i = 0; i < count && terminal != 0; ++i) {
        terminalShown =
            terminalShown || readOwnerProcessId(static_cast<Window>(windows[i])) == terminal;
    }
    if (terminal != 0 && !terminalShown) {
        WindowInfo info;
        info.handle = x11::kProcessWindowBit | terminal;
        info.ownerProcessId = terminal;
        std::snprintf(info.title, sizeof info.title, "%s", internal::consoleTitle());
        if (!visit(info, context)) {
            return;
        }
    }
    for (long i = 0; i < count; ++i) {
        WindowInfo info;
        info.handle = static_cast<WindowHandle>(windows[i]);
        readTitle(static_cast<Window>(windows[i]), info.title);
        info.ownerProcessId = readOwnerProcessId(static_cast<Window>(windows[i]));
        if (!visit(info, context)) {
            return;
        }
    }
}

}  // namespace platform
