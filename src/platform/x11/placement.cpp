// Minimizing, restoring and moving the players' windows and the console.
//
// With a window manager the rectangle asked for is the outer one, frame included, as on Windows;
// the window manager is asked, as EWMH has it, and what it did is read back. Without one the
// viewer moves the windows itself. sway and i3 ignore these requests: under them every request
// goes through their IPC instead (tiling_ipc.cpp).
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/x11/internal.h"

namespace {

using platform::x11::backend;

constexpr int kCheckMs = 2;
// Each request is read back twice as long as the one before. A window manager's request that
// takes is carried out within a few milliseconds, and one dropped is sent again soon (mutter
// drops some as it restores a window): 8, 16, 32, 64 and 128 ms. A tiling desktop's command is
// carried out when its reply comes, but a terminal that resizes itself under sway, on a loaded
// machine, may take a few hundred milliseconds, and asked again too often, takes longer: 20,
// 40, 80 and 160 ms.
constexpr long long kFirstMoveCheckMs = 8;
constexpr int kMoveAttempts = 5;
constexpr long long kFirstCommandCheckMs = 20;
constexpr int kCommandAttempts = 4;
constexpr long kIconicState = 3;
// How long after its minimize request a window may still be shown: a window manager takes the
// request in its own time, and a loaded one (mutter beside four players on two cores) takes more
// than the layout's pause.
constexpr long long kMinimizeTakenMs = 1000;
constexpr long long kManagedWithinMs = 500;
constexpr int kSetSize = 8;
constexpr int kRemapAttempts = 3;

// A few windows: the players and the console, and a stale one or two at most.
struct WindowSet {
    Window windows[kSetSize];
    int count;
};

bool contains(const WindowSet& set, Window window) {
    for (int i = 0; i < set.count; ++i) {
        if (set.windows[i] == window) {
            return true;
        }
    }
    return false;
}

void add(WindowSet& set, Window window) {
    if (!contains(set, window) && set.count < kSetSize) {
        set.windows[set.count++] = window;
    }
}

void remove(WindowSet& set, Window window) {
    for (int i = 0; i < set.count; ++i) {
        if (set.windows[i] == window) {
            set.windows[i] = set.windows[--set.count];
            return;
        }
    }
}

// Windows the desktop once left elsewhere after every attempt (weston places every window
// itself): they get one short attempt from then on, so that a layout does not wait on them.
WindowSet refused;
// Requests on their way to the window manager: the windows they were sent for, and until when
// the next request for the same window waits for them to be carried out.
struct Pending {
    WindowSet windows;
    long long untilMs;
};

// Minimizes not yet seen taken: a restore must not be taken for done before the minimize it
// follows (mutter would minimize the window after it), nor a move.
Pending minimizing;
// Restores not yet seen taken: the window's move waits for its own.
Pending restoring;
// The windows whose frame has been waited for once.
WindowSet framed;
// The windows mapped once more because the window manager had left them out of its clients.
WindowSet remapped;

struct FrameExtents {
    long left, right, top, bottom;
};

// The X protocol carries a window's place in 16 signed bits and its size in 16 unsigned ones
// (at least 1): a layout beyond them is brought to their nearest end.
constexpr std::int64_t kLeastCoordinate = -32768;
constexpr std::int64_t kMostCoordinate = 32767;
constexpr std::int64_t kMostSize = 65535;

int coordinate(std::int64_t value) {
    return static_cast<int>(value < kLeastCoordinate  ? kLeastCoordinate
                            : value > kMostCoordinate ? kMostCoordinate
                                                      : value);
}

int extent(std::int64_t value) {
    return static_cast<int>(value < 1 ? 1 : value > kMostSize ? kMostSize : value);
}

// The frame's sides as the window manager gives them, each within a size X can carry.
FrameExtents frameExtents(Window window) {
    long values[4] = {0, 0, 0, 0};
    if (platform::x11::readProperty(window, backend.netFrameExtents, XA_CARDINAL, 32, values, 4) !=
        4) {
        return FrameExtents{0, 0, 0, 0};
    }
    for (long& side : values) {
        side = side < 0 ? 0 : side > kMostSize ? kMostSize : side;
    }
    return FrameExtents{values[0], values[1], values[2], values[3]};
}

// Whether a size the window manager gave differs from the one asked for only as the window's
// own hints make it: a terminal keeps to whole character cells, a player to a least size.
bool sizeTaken(int actual, int wanted, int increment, int least) {
    const std::int64_t step = increment > 1 ? increment : 1;
    return (actual > wanted - step && actual < wanted + step) ||
           (wanted < least && actual == least);
}

enum class Placed { kYes, kNo, kGone };

// Whether the client stands at `left`, `top` with the size asked for, its own border included
// (window managers that frame a window take its border away; i3 leaves xterm's).
Placed clientPlaced(Window window, int left, int top, int width, int height) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(backend.display, window, &attributes)) {
        return Placed::kGone;
    }
    int x = 0;
    int y = 0;
    Window child = None;
    if (!XTranslateCoordinates(backend.display, window, backend.root, 0, 0, &x, &y, &child)) {
        return Placed::kGone;
    }
    const int border = attributes.border_width;
    if (x - border != left || y - border != top) {
        return Placed::kNo;
    }
    const int outerWidth = attributes.width + 2 * border;
    const int outerHeight = attributes.height + 2 * border;
    if (outerWidth == width && outerHeight == height) {
        return Placed::kYes;
    }
    XSizeHints hints;
    long supplied = 0;
    std::memset(&hints, 0, sizeof hints);
    XGetWMNormalHints(backend.display, window, &hints, &supplied);
    const bool increments = (hints.flags & PResizeInc) != 0;
    const bool least = (hints.flags & PMinSize) != 0;
    return sizeTaken(outerWidth, width, increments ? hints.width_inc : 1,
                     least ? hints.min_width + 2 * border : 0) &&
                   sizeTaken(outerHeight, height, increments ? hints.height_inc : 1,
                             least ? hints.min_height + 2 * border : 0)
               ? Placed::kYes
               : Placed::kNo;
}

int clientMapState(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(backend.display, window, &attributes) ? attributes.map_state : -1;
}

bool isNative(platform::WindowHandle handle) {
    return (handle & platform::x11::kProcessWindowBit) != 0;
}

// Under sway or i3 every request goes through their IPC while it answers; a native window can be
// reached no other way.
bool placedByIpc(platform::WindowHandle handle) {
    return (backend.tilingIpc || isNative(handle)) && platform::x11::tilingIpcAnswers();
}

// Looks at `window` every few milliseconds until `done` holds for it or `untilMs` has come.
void waitUntil(bool (*done)(Window), Window window, long long untilMs) {
    while (!done(window) && platform::monotonicMs() < untilMs) {
        platform::sleepMs(kCheckMs);
    }
}

// The window manager has taken on the window (it gives it a WM_STATE then), or it is gone.
bool managedOrGone(Window window) {
    long state[2] = {0, 0};
    return platform::x11::readProperty(window, backend.wmState, backend.wmState, 32, state, 2) >
               0 ||
           clientMapState(window) == -1;
}

// The window manager has set the window's frame, as a window manager that tells frames does
// once it has made one, or the window is gone.
bool framedOrGone(Window window) {
    long values[4];
    return !platform::x11::windowManagerSupports(backend.netFrameExtents) ||
           platform::x11::readProperty(window, backend.netFrameExtents, XA_CARDINAL, 32, values,
                                       4) == 4 ||
           clientMapState(window) == -1;
}

bool outOfSightOrGone(Window window) {
    return clientMapState(window) != IsViewable || platform::x11::isMinimized(window);
}

bool shownOrGone(Window window) {
    return clientMapState(window) == -1 || !platform::x11::isMinimized(window);
}

bool listedOrGone(Window window) {
    return platform::x11::windowManagerLists(window) || clientMapState(window) == -1;
}

// NOTE: sway 1.12 and labwc (wlroots 0.20) now and then take a window mapped on their Xwayland
// half-way: it gets its WM_STATE but never a place on the screen, in their client list or in
// sway's tree. Mapped once more (a few times at most: the new map may go the same way), it is
// taken on. Done at one layout for a window, and only for one that is shown as far as X goes and
// still unlisted after the time a window manager takes.
void takeOnStranded(Window window) {
    if (contains(remapped, window) || clientMapState(window) != IsViewable) {
        return;
    }
    waitUntil(listedOrGone, window, platform::monotonicMs() + kManagedWithinMs);
    if (listedOrGone(window)) {
        return;
    }
    add(remapped, window);
    for (int attempt = 0; attempt < kRemapAttempts && !listedOrGone(window); ++attempt) {
        XUnmapWindow(backend.display, window);
        XMapWindow(backend.display, window);
        XSync(backend.display, False);
        waitUntil(listedOrGone, window, platform::monotonicMs() + kManagedWithinMs);
    }
}

void note(Pending& pending, Window window) {
    add(pending.windows, window);
    pending.untilMs = platform::monotonicMs() + kMinimizeTakenMs;
}

// A request still on its way for `window` is let through (until `done` holds, up to the time the
// requests have) before the next one: a request taken for done before it would be undone by it.
// After the restores the layout also ends with the keyboard where the last one put it, so the
// keyboard watch gives it back to the console at once, not after the operator's next key has
// gone to a player.
void letThrough(Pending& pending, bool (*done)(Window), Window window) {
    if (contains(pending.windows, window)) {
        XSync(backend.display, False);
        waitUntil(done, window, pending.untilMs);
        remove(pending.windows, window);
    }
}

// A move asked for and not yet read back: the layout asks for the four players' places one after
// another and then reads them back, so that the window manager carries them out together.
struct Move {
    Window window;  // None for a free entry
    int left, top, width, height;
    int clientLeft, clientTop, clientWidth, clientHeight;
    int attempt;
    long long sentAtMs;  // -1: the window cannot be reached
};

Move moves[kSetSize];

// The entry of `window`, or a free one (the first otherwise: a window never read back).
Move& moveOf(Window window) {
    Move* free = &moves[0];
    for (Move& move : moves) {
        if (move.window == window) {
            return move;
        }
        free = move.window == None && free->window != None ? &move : free;
    }
    return *free;
}

// A window manager that honours _NET_MOVERESIZE_WINDOW is asked with it; one that does not gets
// the ConfigureWindow request every ICCCM window manager honours, the frame's corner at the place
// asked (NorthWest gravity); sway and i3 through their IPC. The window manager is asked for the
// client inside the outer rectangle, the frame as it is now.
void sendMove(Move& move) {
    const Window window = move.window;
    const platform::WindowHandle handle = static_cast<platform::WindowHandle>(window);
    const bool ipc = placedByIpc(handle);
    const FrameExtents frame = ipc ? FrameExtents{0, 0, 0, 0} : frameExtents(window);
    move.clientLeft = coordinate(std::int64_t{move.left} + frame.left);
    move.clientTop = coordinate(std::int64_t{move.top} + frame.top);
    move.clientWidth = extent(std::int64_t{move.width} - frame.left - frame.right);
    move.clientHeight = extent(std::int64_t{move.height} - frame.top - frame.bottom);
    if (ipc) {
        platform::x11::tilingMove(handle, move.left, move.top, move.width, move.height);
    } else if (platform::x11::windowManagerSupports(backend.netMoveResizeWindow)) {
        // NorthWest gravity, x, y, width and height given, sent by a pager-like tool (source 2).
        platform::x11::askWindowManager(window, backend.netMoveResizeWindow,
                                        NorthWestGravity | (0xF << 8) | (2 << 12), move.left,
                                        move.top, move.clientWidth, move.clientHeight);
    } else {
        XMoveResizeWindow(backend.display, window, move.left, move.top, move.clientWidth,
                          move.clientHeight);
    }
    XFlush(backend.display);
    move.sentAtMs = platform::monotonicMs();
}

// Reads back a move, asking again while the window is elsewhere: whether the window manager
// carried it out. What the client got is read back (a native window's from sway's tree).
// NOTE: openbox sometimes drops the first request for a window it has just restored; a window
// manager that has just started may not have framed the window yet; mutter places a window it
// has just taken on its own way after the first requests; sway may keep a tiled window's size
// the moment it floats.
bool carriedOut(Move& move) {
    if (move.sentAtMs < 0) {
        return false;
    }
    const Window window = move.window;
    const platform::WindowHandle handle = static_cast<platform::WindowHandle>(window);
    const bool native = isNative(handle);
    const bool ipc = placedByIpc(handle);
    const int attempts = contains(refused, window) ? 1 : ipc ? kCommandAttempts : kMoveAttempts;
    const long long firstCheckMs = ipc ? kFirstCommandCheckMs : kFirstMoveCheckMs;
    for (;;) {
        const Placed placed =
            native
                ? (platform::x11::tilingShows(handle, move.left, move.top, move.width, move.height)
                       ? Placed::kYes
                       : Placed::kNo)
                : clientPlaced(window, move.clientLeft, move.clientTop, move.clientWidth,
                               move.clientHeight);
        if (placed != Placed::kNo) {
            return true;
        }
        if (platform::monotonicMs() < move.sentAtMs + (firstCheckMs << move.attempt)) {
            platform::sleepMs(kCheckMs);
        } else if (move.attempt + 1 < attempts) {
            ++move.attempt;
            sendMove(move);
        } else {
            break;
        }
    }
    // A window out of sight (minimized by H, or in the scratchpad) is one a desktop may place
    // only when it is shown again: that is no refusal.
    if (ipc && platform::x11::tilingHidden(handle)) {
        return true;
    }
    if (!native && (!platform::x11::isViewable(window) || platform::x11::isMinimized(window))) {
        return true;
    }
    add(refused, window);
    return false;
}

}  // namespace

namespace platform::x11 {

bool isMinimized(Window window) {
    long state[2] = {0, 0};
    if (readProperty(window, backend.wmState, backend.wmState, 32, state, 2) > 0 &&
        state[0] == kIconicState) {
        return true;
    }
    long states[16];
    const long count = readProperty(window, backend.netWmState, XA_ATOM, 32, states, 16);
    for (long i = 0; i < count; ++i) {
        if (static_cast<Atom>(states[i]) == backend.netWmStateHidden) {
            return true;
        }
    }
    return false;
}

bool isViewable(Window window) {
    return clientMapState(window) == IsViewable;
}

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
    XSendEvent(backend.display, backend.root, False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

}  // namespace platform::x11

namespace platform {

void minimizeWindow(WindowHandle window) {
    if (backend.display == nullptr || window == 0) {
        return;
    }
    if (placedByIpc(window)) {
        x11::tilingMinimize(window);
    } else if (isNative(window)) {
        return;
    } else if (x11::windowManagerRunning()) {
        // NOTE: a window already minimized and taken off the screen (V after H) is not asked
        // again: icewm carries out a minimize in its own time, and a loaded icewm took such a
        // needless one after the restore that followed it, leaving the window minimized. (A
        // window manager that keeps minimized windows mapped may show a restore late: its state
        // is not taken for done.)
        if (clientMapState(static_cast<Window>(window)) == IsUnmapped &&
            x11::isMinimized(static_cast<Window>(window))) {
            return;
        }
        XIconifyWindow(backend.display, static_cast<Window>(window),
                       DefaultScreen(backend.display));
        note(minimizing, static_cast<Window>(window));
    } else {
        // Without a window manager there is no iconic state: the window is taken off the screen.
        XUnmapWindow(backend.display, static_cast<Window>(window));
    }
    XFlush(backend.display);
}

void restoreWindow(WindowHandle handle) {
    if (backend.display == nullptr || handle == 0) {
        return;
    }
    if (placedByIpc(handle)) {
        x11::tilingRestore(handle);
        return;
    }
    if (isNative(handle)) {
        return;
    }
    const Window window = static_cast<Window>(handle);
    if (!x11::windowManagerRunning()) {
        XMapRaised(backend.display, window);
        XFlush(backend.display);
        return;
    }
    const bool minimizeAsked = contains(minimizing.windows, window);
    letThrough(minimizing, outOfSightOrGone, window);
    // NOTE: mutter keeps a minimized window mapped, so mapping it again asks nothing of mutter;
    // asked by a pager (source 2) to activate it, mutter restores it. Other window managers
    // restore a minimized window they unmapped when it is mapped again. A window manager that
    // has still not taken the minimize (a loaded one) would take it after a map and leave the
    // window minimized; asked to activate the window after the minimize, it restores it.
    const bool minimized = x11::isMinimized(window);
    const int mapState = clientMapState(window);
    const bool minimizeLate = minimizeAsked && mapState == IsViewable && !minimized;
    if (((minimized && mapState != IsUnmapped) || minimizeLate) &&
        x11::windowManagerSupports(backend.netActiveWindow)) {
        x11::askWindowManager(window, backend.netActiveWindow, 2, CurrentTime, 0, 0, 0);
    } else {
        // NOTE: openbox gives the keyboard focus to a window it restores, and metacity leaves
        // none active; the layout's keyboard watch gives it back to the console.
        XMapRaised(backend.display, window);
    }
    XFlush(backend.display);
    // The four restores are on their way together; each window's move waits for its own.
    note(restoring, window);
}

void moveWindow(WindowHandle handle, std::int64_t wantedLeft, std::int64_t wantedTop,
                std::int64_t wantedWidth, std::int64_t wantedHeight) {
    if (backend.display == nullptr || handle == 0) {
        return;
    }
    const Window window = static_cast<Window>(handle);
    Move& move = moveOf(window);
    move.window = window;
    move.left = coordinate(wantedLeft);
    move.top = coordinate(wantedTop);
    move.width = extent(wantedWidth);
    move.height = extent(wantedHeight);
    const bool native = isNative(handle);
    const bool ipc = placedByIpc(handle);
    move.attempt = 0;
    if (native && !ipc) {
        move.sentAtMs = -1;  // no way to reach it
        return;
    }
    if (!ipc && !x11::windowManagerRunning()) {
        XMoveResizeWindow(backend.display, window, move.left, move.top, move.width, move.height);
        XFlush(backend.display);
        move.window = None;  // nothing to read back
        return;
    }
    // Only once the window manager has taken on a window that has just shown: mutter drops a
    // request for a window it does not manage yet.
    if (!ipc) {
        letThrough(minimizing, outOfSightOrGone, window);
        letThrough(restoring, shownOrGone, window);
        waitUntil(managedOrGone, window, monotonicMs() + kManagedWithinMs);
        // NOTE: mutter 44 and later frame a window through a client of their own, a moment after
        // taking it on: a client placed before would end inside a frame that adds to its size.
        if (!contains(framed, window)) {
            waitUntil(framedOrGone, window, monotonicMs() + kManagedWithinMs);
            add(framed, window);
        }
    }
    if (!native) {
        takeOnStranded(window);
    }
    sendMove(move);
}

bool windowPlaced(WindowHandle handle) {
    for (Move& move : moves) {
        if (handle != 0 && move.window == static_cast<Window>(handle)) {
            const bool placed = backend.display == nullptr || carriedOut(move);
            move.window = None;
            return placed;
        }
    }
    return true;
}

}  // namespace platform
