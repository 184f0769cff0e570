// Windows of other programs on X11: the players' windows and the terminal the viewer runs in.
//
// Every request may name a window that has just gone away (a player that died, a window the
// operator closed). Xlib's default error handler ends the process on the BadWindow that follows,
// so a handler of our own that ignores errors is installed before anything else.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <time.h>

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "platform/posix/internal.h"

namespace {

constexpr int kMaxWindows = 1024;
constexpr long kMaxTitleLength = 255;
constexpr int kMoveCheckMs = 2;
constexpr int kMoveCheckCount = 50;
constexpr int kFirstMoveCheckCount = 10;
constexpr int kMoveAttempts = 2;
// How long from the start of a layout the keyboard is kept on the console. VLC takes it when its
// video starts, measured here 0.9 to 1.2 s after the first layout under each window manager on
// streams with a key frame a second; five seconds also cover sources whose key frames come
// every two or three seconds.
constexpr long kFocusSettleMs = 5000;
constexpr int kMaxPlayers = 4;

Display* display;
Window root;
// The window that had the keyboard focus when the viewer started: the operator's console,
// where its window was not found by its title.
Window keyboardHome = None;
// The keycodes of the letters a to z, looked up once: the first lookup loads the keyboard map,
// and the viewer allocates nothing once it cycles.
KeyCode letterKeycodes[26];

Atom netSupportingWmCheck;
Atom netClientList;
Atom netWmName;
Atom netWmPid;
Atom netFrameExtents;
Atom netMoveResizeWindow;
Atom netActiveWindow;
Atom utf8String;

// The players whose taking of the keyboard is watched for a while after each layout.
Window watchedPlayers[kMaxPlayers];
int watchedPlayerCount;
bool watching = false;
// Where the keyboard goes back to, whether a window manager was running at the layout, and
// until when (monotonic milliseconds) players are sent back.
Window consoleForKeys = None;
bool managedAtLayout = false;
long long settleUntilMs = 0;
// The watched player that last received the keyboard and has not lost it since, or None.
Window playerWithKeys = None;
// The console lost the keyboard and has not had it back since.
bool consoleLostKeys = false;

int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

long long nowMs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

bool isWatchedPlayer(Window window) {
    for (int i = 0; i < watchedPlayerCount; ++i) {
        if (watchedPlayers[i] == window && window != None) {
            return true;
        }
    }
    return false;
}

void pauseMs(int milliseconds) {
    timespec wait = {0, milliseconds * 1000000L};
    nanosleep(&wait, nullptr);
}

// Reads up to `maxItems` items of a window property of `type` into `items` (items of format 8
// are bytes, of format 32 are longs, as Xlib hands them out). Returns the number read.
long readProperty(Window window, Atom property, Atom type, int format, void* items, long maxItems) {
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const long length = format == 8 ? (maxItems + 3) / 4 : maxItems;
    if (XGetWindowProperty(display, window, property, 0, length, False, type, &actualType,
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

Window supportingWindow(Window window) {
    long value = 0;
    return readProperty(window, netSupportingWmCheck, XA_WINDOW, 32, &value, 1) == 1
               ? static_cast<Window>(value)
               : None;
}

// An EWMH window manager names a window that names itself.
bool windowManagerRunning() {
    const Window check = supportingWindow(root);
    return check != None && supportingWindow(check) == check;
}

void readTitle(Window window, char* title) {
    long length = readProperty(window, netWmName, utf8String, 8, title, kMaxTitleLength);
    if (length == 0) {
        length = readProperty(window, XA_WM_NAME, XA_STRING, 8, title, kMaxTitleLength);
    }
    title[length] = '\0';
}

std::uint32_t readOwnerProcessId(Window window) {
    long pid = 0;
    return readProperty(window, netWmPid, XA_CARDINAL, 32, &pid, 1) == 1
               ? static_cast<std::uint32_t>(pid)
               : 0;
}

// Title text for X: valid UTF-8 is kept; otherwise every byte is taken as Latin-1.
void toUtf8(const char* text, char* out, std::size_t outSize) {
    const unsigned char* c = reinterpret_cast<const unsigned char*>(text);
    bool valid = true;
    for (std::size_t at = 0; c[at] != 0 && valid;) {
        std::size_t extra = c[at] < 0x80             ? 0
                            : (c[at] & 0xE0) == 0xC0 ? 1
                            : (c[at] & 0xF0) == 0xE0 ? 2
                            : (c[at] & 0xF8) == 0xF0 ? 3
                                                     : 4;
        valid = extra < 4 && !(extra == 1 && c[at] < 0xC2);
        for (std::size_t k = 1; valid && k <= extra; ++k) {
            valid = (c[at + k] & 0xC0) == 0x80;
        }
        at += extra + 1;
    }
    std::size_t length = 0;
    for (std::size_t at = 0; c[at] != 0 && length + 3 <= outSize; ++at) {
        if (valid || c[at] < 0x80) {
            out[length++] = static_cast<char>(c[at]);
        } else {
            out[length++] = static_cast<char>(0xC0 | (c[at] >> 6));
            out[length++] = static_cast<char>(0x80 | (c[at] & 0x3F));
        }
    }
    out[length] = '\0';
}

bool isViewable(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// Latin-1 for valid UTF-8 text whose characters all lie below U+0100.
bool utf8ToLatin1(const char* utf8, char* out, std::size_t outSize, std::size_t* length) {
    const unsigned char* c = reinterpret_cast<const unsigned char*>(utf8);
    std::size_t written = 0;
    for (std::size_t at = 0; c[at] != 0; ++at) {
        if (written + 1 >= outSize) {
            return false;
        }
        if (c[at] < 0x80) {
            out[written++] = static_cast<char>(c[at]);
        } else if ((c[at] == 0xC2 || c[at] == 0xC3) && (c[at + 1] & 0xC0) == 0x80) {
            out[written++] = static_cast<char>(((c[at] & 0x03) << 6) | (c[at + 1] & 0x3F));
            ++at;
        } else {
            return false;
        }
    }
    out[written] = '\0';
    *length = written;
    return true;
}

struct FrameExtents {
    long left, right, top, bottom;
};

FrameExtents frameExtents(Window window) {
    long values[4] = {0, 0, 0, 0};
    if (readProperty(window, netFrameExtents, XA_CARDINAL, 32, values, 4) != 4) {
        return FrameExtents{0, 0, 0, 0};
    }
    return FrameExtents{values[0], values[1], values[2], values[3]};
}

bool clientAt(Window window, int left, int top) {
    int x = 0;
    int y = 0;
    Window child = None;
    return XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child) && x == left &&
           y == top;
}

// A request about `window` to the window manager, as EWMH has it: a client message to the root.
void askWindowManager(Window window, Atom request, long d0, long d1, long d2, long d3, long d4) {
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = request;
    event.xclient.format = 32;
    event.xclient.data.l[0] = d0;
    event.xclient.data.l[1] = d1;
    event.xclient.data.l[2] = d2;
    event.xclient.data.l[3] = d3;
    event.xclient.data.l[4] = d4;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

void askWindowManagerToMove(Window window, int left, int top, int width, int height) {
    // NorthWest gravity, x, y, width and height given, sent by a pager-like tool (source 2).
    askWindowManager(window, netMoveResizeWindow, NorthWestGravity | (0xF << 8) | (2 << 12), left,
                     top, width > 0 ? width : 1, height > 0 ? height : 1);
    XFlush(display);
}

// Gives the keyboard back to the console. A window manager is asked as a pager would ask it,
// which it grants whatever its focus-stealing rules and which keeps its own idea of the active
// window right; the focus is then also set directly, which is all there is without one.
void giveKeysToConsole() {
    if (consoleForKeys == None || !isViewable(consoleForKeys)) {
        return;
    }
    if (managedAtLayout) {
        // Source 2: a pager, on the operator's behalf.
        askWindowManager(consoleForKeys, netActiveWindow, 2, CurrentTime, 0, 0, 0);
    }
    XSetInputFocus(display, consoleForKeys, RevertToParent, CurrentTime);
    XFlush(display);
}

// Reads every event that has arrived and notes where the keyboard went: to a player, or away
// from the console.
void takeWindowEvents() {
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != FocusIn && event.type != FocusOut) {
            continue;
        }
        const Window window = event.xfocus.window;
        // Moves inside a window, and the pointer's own focus, change nothing.
        const bool within = event.xfocus.detail == NotifyInferior ||
                            event.xfocus.detail == NotifyPointer ||
                            event.xfocus.mode == NotifyGrab || event.xfocus.mode == NotifyUngrab;
        if (within) {
            continue;
        }
        if (window == consoleForKeys && window != None) {
            consoleLostKeys = event.type == FocusOut;
            if (event.type == FocusIn) {
                playerWithKeys = None;
            }
        } else if (isWatchedPlayer(window)) {
            if (event.type == FocusIn) {
                playerWithKeys = window;
            } else if (playerWithKeys == window) {
                playerWithKeys = None;
            }
        }
    }
}

// True when no program's window has the keyboard: a window manager that has none active (NOTE:
// metacity leaves none active when a minimized window is restored), or no focus at all.
bool noWindowHasKeys() {
    long active = 0;
    if (managedAtLayout && readProperty(root, netActiveWindow, XA_WINDOW, 32, &active, 1) == 1) {
        return active == 0;
    }
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    return focus == None || focus == PointerRoot || focus == root;
}

// Stops watching: after the settling time the keyboard is the operator's business. The viewer
// then asks for no events at all, so an idle cycle reads none (and libxcb, which allocates for
// each event it reads, allocates nothing).
void stopWatching() {
    for (int i = 0; i < watchedPlayerCount; ++i) {
        if (watchedPlayers[i] != None) {
            XSelectInput(display, watchedPlayers[i], NoEventMask);
        }
    }
    if (consoleForKeys != None) {
        XSelectInput(display, consoleForKeys, NoEventMask);
    }
    XFlush(display);
    watching = false;
    playerWithKeys = None;
    consoleLostKeys = false;
}

}  // namespace

namespace platform {

bool openWindowSystem(char* displayName, std::size_t displayNameSize) {
    XSetErrorHandler(ignoreXError);
    std::snprintf(displayName, displayNameSize, "%s", XDisplayName(nullptr));
    display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    // The players must not inherit the connection.
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    root = DefaultRootWindow(display);
    int revertTo = 0;
    XGetInputFocus(display, &keyboardHome, &revertTo);
    if (keyboardHome == PointerRoot) {
        keyboardHome = None;
    }
    netSupportingWmCheck = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    netClientList = XInternAtom(display, "_NET_CLIENT_LIST", False);
    netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    netFrameExtents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    netMoveResizeWindow = XInternAtom(display, "_NET_MOVERESIZE_WINDOW", False);
    utf8String = XInternAtom(display, "UTF8_STRING", False);
    netActiveWindow = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    for (int letter = 0; letter < 26; ++letter) {
        letterKeycodes[letter] = XKeysymToKeycode(display, XK_a + letter);
    }
    return true;
}

void listTopLevelWindows(WindowVisitor visit, void* context) {
    if (display == nullptr) {
        return;
    }
    // With a window manager its client list names the programs' own windows, not the frames it
    // wraps them in; without one they are the root's children.
    static long windows[kMaxWindows];
    long count = 0;
    if (windowManagerRunning()) {
        count = readProperty(root, netClientList, XA_WINDOW, 32, windows, kMaxWindows);
    } else {
        Window rootReturn = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int childCount = 0;
        if (XQueryTree(display, root, &rootReturn, &parent, &children, &childCount)) {
            for (unsigned int i = 0; i < childCount && count < kMaxWindows; ++i) {
                windows[count++] = static_cast<long>(children[i]);
            }
        }
        if (children != nullptr) {
            XFree(children);
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

void minimizeWindow(WindowHandle window) {
    if (display == nullptr || window == 0) {
        return;
    }
    if (windowManagerRunning()) {
        XIconifyWindow(display, static_cast<Window>(window), DefaultScreen(display));
    } else {
        // Without a window manager there is no iconic state: the window is taken off the screen.
        XUnmapWindow(display, static_cast<Window>(window));
    }
    XFlush(display);
}

void restoreWindow(WindowHandle handle) {
    if (display == nullptr || handle == 0) {
        return;
    }
    const Window window = static_cast<Window>(handle);
    if (!windowManagerRunning()) {
        XMapRaised(display, window);
        XFlush(display);
        return;
    }
    // NOTE: openbox gives the keyboard focus to a window it restores, and metacity leaves none
    // active; the watch of keepKeyboardOnConsole gives it back to the console in the next cycle.
    XMapRaised(display, window);
    XSync(display, False);
    for (int check = 0; check < kMoveCheckCount && !isViewable(window); ++check) {
        pauseMs(kMoveCheckMs);
    }
}

void moveWindow(WindowHandle handle, int left, int top, int width, int height) {
    if (display == nullptr || handle == 0) {
        return;
    }
    const Window window = static_cast<Window>(handle);
    if (!windowManagerRunning()) {
        XMoveResizeWindow(display, window, left, top, width > 0 ? width : 1,
                          height > 0 ? height : 1);
        XFlush(display);
        return;
    }
    // The rectangle is the outer one, frame included; the window manager is asked for the client
    // inside it. NOTE: openbox sometimes drops the first request for a window it has just
    // restored, so the position is read back and the request sent once more when it did not take.
    for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
        const FrameExtents frame = frameExtents(window);
        askWindowManagerToMove(window, left, top,
                               width - static_cast<int>(frame.left + frame.right),
                               height - static_cast<int>(frame.top + frame.bottom));
        // A request that takes is done within a few milliseconds; one that was dropped is sent
        // again soon.
        const int checks = attempt + 1 < kMoveAttempts ? kFirstMoveCheckCount : kMoveCheckCount;
        for (int check = 0; check < checks; ++check) {
            pauseMs(kMoveCheckMs);
            if (clientAt(window, left + static_cast<int>(frame.left),
                         top + static_cast<int>(frame.top))) {
                return;
            }
        }
    }
}

void setWindowTitle(WindowHandle window, const char* title) {
    if (display == nullptr || window == 0) {
        return;
    }
    char utf8[2 * kWindowTitleSize + 1];
    toUtf8(title, utf8, sizeof utf8);
    XChangeProperty(display, static_cast<Window>(window), netWmName, utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8),
                    static_cast<int>(std::strlen(utf8)));
    // The old-style title, in the encoding its readers expect: Latin-1 when every character
    // has one, else UTF-8. Built here rather than by Xlib, which would allocate for it.
    char latin1[kWindowTitleSize];
    std::size_t length = 0;
    if (utf8ToLatin1(utf8, latin1, sizeof latin1, &length)) {
        XChangeProperty(display, static_cast<Window>(window), XA_WM_NAME, XA_STRING, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(latin1),
                        static_cast<int>(length));
    } else {
        XChangeProperty(display, static_cast<Window>(window), XA_WM_NAME, utf8String, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(utf8),
                        static_cast<int>(std::strlen(utf8)));
    }
    XFlush(display);
}

void sendKey(WindowHandle window, int virtualKey) {
    if (display == nullptr || window == 0 || virtualKey < 'A' || virtualKey > 'Z') {
        return;
    }
    // The lower-case letter with no modifier: Shift with it is another key to the player.
    const KeyCode keycode = letterKeycodes[virtualKey - 'A'];
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xkey.display = display;
    event.xkey.window = static_cast<Window>(window);
    event.xkey.root = root;
    event.xkey.subwindow = None;
    event.xkey.time = CurrentTime;
    event.xkey.x = event.xkey.y = event.xkey.x_root = event.xkey.y_root = 1;
    event.xkey.state = 0;
    event.xkey.keycode = keycode;
    event.xkey.same_screen = True;
    event.xkey.type = KeyPress;
    XSendEvent(display, static_cast<Window>(window), True, KeyPressMask, &event);
    event.xkey.type = KeyRelease;
    XSendEvent(display, static_cast<Window>(window), True, KeyReleaseMask, &event);
    XFlush(display);
}

void keepKeyboardOnConsole(WindowHandle console, const WindowHandle* players, int playerCount) {
    if (display == nullptr) {
        return;
    }
    if (watching) {
        stopWatching();  // the windows may have changed since
    }
    consoleForKeys = static_cast<Window>(console);
    if (consoleForKeys == None) {
        consoleForKeys = keyboardHome;
    }
    if (consoleForKeys != None) {
        XSelectInput(display, consoleForKeys, FocusChangeMask);
    }
    managedAtLayout = windowManagerRunning();
    watchedPlayerCount = playerCount < kMaxPlayers ? playerCount : kMaxPlayers;
    for (int i = 0; i < watchedPlayerCount; ++i) {
        watchedPlayers[i] = static_cast<Window>(players[i]);
        if (watchedPlayers[i] != None) {
            XSelectInput(display, watchedPlayers[i], FocusChangeMask);
        }
    }
    watching = true;
    settleUntilMs = nowMs() + kFocusSettleMs;
    XFlush(display);
}

void handleWindowEvents() {
    if (display == nullptr) {
        return;
    }
    takeWindowEvents();
    if (!watching) {
        return;
    }
    if (nowMs() >= settleUntilMs) {
        stopWatching();
        return;
    }
    // NOTE: VLC activates its own window when its video starts, a while after it was placed.
    if (playerWithKeys != None || (consoleLostKeys && noWindowHasKeys())) {
        playerWithKeys = None;
        giveKeysToConsole();
    }
}

namespace internal {

int windowSystemDescriptor() {
    return display == nullptr ? -1 : ConnectionNumber(display);
}

bool windowEventsQueued() {
    // Also once when the settling time is over, to stop watching.
    return display != nullptr && (XQLength(display) > 0 || (watching && nowMs() >= settleUntilMs));
}

}  // namespace internal

}  // namespace platform
