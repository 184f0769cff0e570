// The connection to the X server: opening it, the atoms, the error handler, and what kind of
// desktop the viewer runs on.
//
// Every request may name a window that has just gone away (a player that died, a window the
// operator closed). Xlib's default error handler ends the process on the BadWindow that follows,
// so a handler of our own is installed before anything else. It ignores the error: a request
// about a window that has gone fails, and placement gives that window up at once (placement.cpp).
#include <X11/Xatom.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/posix/internal.h"
#include "platform/x11/internal.h"

namespace platform::x11 {

X11State backend;

namespace {

int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

// Xlib ends the process after this returns; the viewer's own handler ends it first, its own way.
int connectionLost(Display*) {
    if (backend.lost != nullptr) {
        backend.lost();
    }
    return 0;
}

Window supportingWindow(Window window) {
    long value = 0;
    return readProperty(window, backend.netSupportingWmCheck, XA_WINDOW, 32, &value, 1) == 1
               ? static_cast<Window>(value)
               : None;
}

Atom atom(const char* name) {
    return XInternAtom(backend.display, name, False);
}

}  // namespace

long readProperty(Window window, Atom property, Atom type, int format, void* items, long maxItems) {
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const long length = format == 8 ? (maxItems + 3) / 4 : maxItems;
    if (XGetWindowProperty(backend.display, window, property, 0, length, False, type, &actualType,
                           &actualFormat, &count, &remaining, &data) != Success) {
        return 0;
    }
    long copied = 0;
    if (data != nullptr && actualType == type && actualFormat == format) {
        copied = static_cast<long>(count) < maxItems ? static_cast<long>(count) : maxItems;
        std::memcpy(items, data, copied * (format == 8 ? 1 : sizeof(long)));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return copied;
}

namespace {

Window runningWindowManager() {
    const Window check = supportingWindow(backend.root);
    return check != None && supportingWindow(check) == check ? check : None;
}

}  // namespace

bool windowManagerRunning() {
    return runningWindowManager() != None;
}

bool windowManagerSupports(Atom request) {
    const Window manager = runningWindowManager();
    if (manager == None) {
        return false;
    }
    if (manager != backend.supportedFor) {
        backend.supportedFor = manager;
        backend.supportedCount = readProperty(backend.root, backend.netSupported, XA_ATOM, 32,
                                              backend.supported, kMaxSupported);
    }
    for (long i = 0; i < backend.supportedCount; ++i) {
        if (static_cast<Atom>(backend.supported[i]) == request) {
            return true;
        }
    }
    return false;
}

// An X client has one event mask a window, set here alone: what the keyboard watch and the
// layout each want of the window now, together.
void selectEvents(Window window) {
    XSelectInput(backend.display, window, keyboardEventMask(window) | placementEventMask(window));
}

void lookUpLetterKeycodes() {
    for (int letter = 0; letter < 26; ++letter) {
        backend.letterKeycodes[letter] = XKeysymToKeycode(backend.display, XK_a + letter);
    }
}

}  // namespace platform::x11

namespace platform {

using x11::backend;

bool openWindowSystem(char* displayName, std::size_t displayNameSize,
                      WindowSystemLostHandler lost) {
    XSetErrorHandler(x11::ignoreXError);
    backend.lost = lost;
    XSetIOErrorHandler(x11::connectionLost);
    std::snprintf(displayName, displayNameSize, "%s", XDisplayName(nullptr));
    backend.display = XOpenDisplay(nullptr);
    if (backend.display == nullptr) {
        return false;
    }
    // The players must not inherit the connection.
    fcntl(ConnectionNumber(backend.display), F_SETFD, FD_CLOEXEC);
    backend.root = DefaultRootWindow(backend.display);
    int revertTo = 0;
    XGetInputFocus(backend.display, &backend.keyboardHome, &revertTo);
    if (backend.keyboardHome == PointerRoot) {
        backend.keyboardHome = None;
    }
    backend.netSupported = x11::atom("_NET_SUPPORTED");
    backend.netSupportingWmCheck = x11::atom("_NET_SUPPORTING_WM_CHECK");
    backend.netClientList = x11::atom("_NET_CLIENT_LIST");
    backend.netWmName = x11::atom("_NET_WM_NAME");
    backend.netWmPid = x11::atom("_NET_WM_PID");
    backend.netWmState = x11::atom("_NET_WM_STATE");
    backend.netWmStateHidden = x11::atom("_NET_WM_STATE_HIDDEN");
    backend.netFrameExtents = x11::atom("_NET_FRAME_EXTENTS");
    backend.netMoveResizeWindow = x11::atom("_NET_MOVERESIZE_WINDOW");
    backend.netActiveWindow = x11::atom("_NET_ACTIVE_WINDOW");
    backend.wmState = x11::atom("WM_STATE");
    backend.utf8String = x11::atom("UTF8_STRING");
    backend.i3SocketPath = x11::atom("I3_SOCKET_PATH");
    x11::lookUpLetterKeycodes();
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    backend.onWayland = wayland != nullptr && wayland[0] != '\0';
    backend.tilingIpc = x11::connectTilingIpc();
    x11::openPictureConnection();
    x11::makeFrames();
    return true;
}

bool consoleMayBeOutOfReach() {
    return backend.display != nullptr && backend.onWayland;
}

namespace internal {

int windowSystemDescriptor() {
    return backend.display == nullptr ? -1 : ConnectionNumber(backend.display);
}

int windowSystemReplyDescriptor() {
    return backend.display == nullptr ? -1 : x11::tilingReplyDescriptor();
}

// NOTE: events that came in with a reply wait in the X library's own queues, not on the
// connection, where poll cannot see them: they are taken from there first. Keyboard news the
// watch found without an event (a player that held the keyboard when it began) count too.
bool windowEventsQueued() {
    return backend.display != nullptr &&
           (XEventsQueued(backend.display, QueuedAfterReading) > 0 || x11::keyboardNewsWaiting());
}

}  // namespace internal

}  // namespace platform
