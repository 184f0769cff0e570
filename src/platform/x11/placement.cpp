// Minimizing, restoring and moving the players' windows and the console, as a layout carries
// them out.
//
// With a window manager the rectangle asked for is the outer one, frame included, as on Windows;
// the window manager is asked, as EWMH has it, and what it did is read back. Without one the
// viewer moves the windows itself. sway and i3 ignore these requests: under them every request
// goes through their IPC instead (tiling_ipc.cpp).
//
// Nothing here waits. Each window has a record of where it stands; window_phases.cpp decides what
// to ask next from what is read here. The cycle's wait is woken by the events selected on these
// windows while a layout is on its way, and by the records' own times.
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <climits>
#include <cstdint>
#include <cstring>

#include "platform/x11/internal.h"
#include "platform/x11/window_phases.h"

namespace {

using platform::x11::backend;
using platform::x11::Desk;
using platform::x11::Phase;
using platform::x11::PlacedWindow;
using platform::x11::Placement;
using platform::x11::Request;
using platform::x11::TreeAnswer;
using platform::x11::WindowRecord;
using platform::x11::WindowView;

constexpr long kIconicState = 3;
// The largest character cell a terminal keeps its window to, in pixels.
constexpr int kLargestCell = 48;

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

// Whether the client stands at `left`, `top` with the size asked for, its own border included
// (window managers that frame a window take its border away; i3 leaves xterm's).
bool clientPlaced(Window window, const XWindowAttributes& attributes, int left, int top, int width,
                  int height) {
    int x = 0;
    int y = 0;
    Window child = None;
    if (!XTranslateCoordinates(backend.display, window, backend.root, 0, 0, &x, &y, &child)) {
        return false;
    }
    const int border = attributes.border_width;
    if (x - border != left || y - border != top) {
        return false;
    }
    const int outerWidth = attributes.width + 2 * border;
    const int outerHeight = attributes.height + 2 * border;
    if (outerWidth == width && outerHeight == height) {
        return true;
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
                     least ? hints.min_height + 2 * border : 0);
}

bool isNative(platform::WindowHandle handle) {
    return (handle & platform::x11::kProcessWindowBit) != 0;
}

bool markedHidden(Window window) {
    long states[16];
    const long count =
        platform::x11::readProperty(window, backend.netWmState, XA_ATOM, 32, states, 16);
    for (long i = 0; i < count; ++i) {
        if (static_cast<Atom>(states[i]) == backend.netWmStateHidden) {
            return true;
        }
    }
    return false;
}

Placement& placement = backend.placement;

// The slot's entry, for this window: a window new to the slot starts afresh, whatever the slot's
// last window left there.
PlacedWindow& entryOf(int slot, platform::WindowHandle handle) {
    PlacedWindow& entry = placement.windows[slot];
    if (entry.handle != handle) {
        entry = PlacedWindow{};
        entry.handle = handle;
    }
    return entry;
}

const PlacedWindow* findEntry(platform::WindowHandle handle) {
    for (const PlacedWindow& entry : placement.windows) {
        if (handle != 0 && entry.handle == handle) {
            return &entry;
        }
    }
    return nullptr;
}

bool validSlot(int slot) {
    return slot >= 0 && slot < platform::kLayoutSlots;
}

// How the desktop takes requests now: asked once for all the windows a pass looks at.
Desk deskNow() {
    Desk desk;
    std::memset(&desk, 0, sizeof desk);
    desk.windowManager = platform::x11::windowManagerRunning();
    desk.moveResize =
        desk.windowManager && platform::x11::windowManagerSupports(backend.netMoveResizeWindow);
    desk.activation =
        desk.windowManager && platform::x11::windowManagerSupports(backend.netActiveWindow);
    return desk;
}

// ... and for this window: sway and i3 place every window through their IPC while it answers,
// and a native window can be reached no other way.
Desk deskFor(Desk desk, platform::WindowHandle handle) {
    desk.native = isNative(handle);
    desk.ipc = (backend.tilingIpc || desk.native) && platform::x11::tilingIpcAnswers();
    return desk;
}

// Where sway shows a native window: at the place asked, and no more than a character cell short
// of the size asked (NOTE: foot keeps a floating window to whole cells).
bool nodeAt(const platform::x11::IpcRectangle& rect, const PlacedWindow& entry) {
    const auto sizeTaken = [](int actual, int wanted) {
        return actual <= wanted && actual > wanted - kLargestCell;
    };
    return rect.x == entry.left && rect.y == entry.top && sizeTaken(rect.width, entry.width) &&
           sizeTaken(rect.height, entry.height);
}

// What the window system says of the window now: what its phase needs, each a round trip to the
// X server (which answers while the window manager is stopped), the compositor's tree only when
// needsDeskTree says so.
WindowView look(const PlacedWindow& entry, const Desk& desk, long long nowMs) {
    WindowView view;
    std::memset(&view, 0, sizeof view);
    const WindowRecord& record = entry.record;
    const bool tree = platform::x11::needsDeskTree(record, desk, nowMs);
    view.awaiting = desk.ipc && platform::x11::tilingAwaiting(entry.request);
    if (desk.native) {
        view.viewable = true;
        platform::x11::IpcNode node;
        const TreeAnswer answer =
            tree ? platform::x11::tilingNode(entry.handle, entry.request, &node)
                 : TreeAnswer::kUnavailable;
        view.awaiting = view.awaiting || answer == TreeAnswer::kWaiting;
        if (answer == TreeAnswer::kFound) {
            view.hiddenByDesk = node.visible == 0;
            view.placed = nodeAt(node.rect, entry);
        } else {
            // A tree that cannot tell has nothing to compare with.
            view.placed = tree && answer != TreeAnswer::kWaiting;
        }
        return view;
    }
    const Window window = static_cast<Window>(entry.handle);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(backend.display, window, &attributes)) {
        view.gone = true;
        return view;
    }
    view.viewable = attributes.map_state == IsViewable;
    view.unmapped = attributes.map_state == IsUnmapped;
    long state[2] = {0, 0};
    view.managed =
        platform::x11::readProperty(window, backend.wmState, backend.wmState, 32, state, 2) > 0;
    view.minimized = (view.managed && state[0] == kIconicState) || markedHidden(window);
    const bool beforeMove = record.moveWanted && record.phase != Phase::kMoving;
    if (beforeMove && !record.framedOnce) {
        long extents[4];
        view.framed = !platform::x11::windowManagerSupports(backend.netFrameExtents) ||
                      platform::x11::readProperty(window, backend.netFrameExtents, XA_CARDINAL, 32,
                                                  extents, 4) == 4;
    }
    if (beforeMove && record.restoreWanted) {
        view.listed = platform::x11::windowManagerLists(window);
    }
    if (record.phase == Phase::kMoving || record.phase == Phase::kRefused) {
        view.placed = clientPlaced(window, attributes, entry.clientLeft, entry.clientTop,
                                   entry.clientWidth, entry.clientHeight);
    }
    // A window in place needs no tree to tell whether it is out of sight.
    if (tree && !view.placed) {
        const TreeAnswer answer =
            platform::x11::tilingHidden(entry.handle, entry.request, &view.hiddenByDesk);
        view.awaiting = view.awaiting || answer == TreeAnswer::kWaiting;
    }
    return view;
}

// Asks the move: the window manager for the client inside the outer rectangle, the frame as it
// is now (NorthWest gravity); sway and i3 for the outer rectangle, floating without a border.
void askMove(PlacedWindow& entry, Request request) {
    const Window window = static_cast<Window>(entry.handle);
    const FrameExtents frame = request == Request::kMoveEwmh || request == Request::kMoveConfigure
                                   ? frameExtents(window)
                                   : FrameExtents{0, 0, 0, 0};
    entry.clientLeft = coordinate(std::int64_t{entry.left} + frame.left);
    entry.clientTop = coordinate(std::int64_t{entry.top} + frame.top);
    entry.clientWidth = extent(std::int64_t{entry.width} - frame.left - frame.right);
    entry.clientHeight = extent(std::int64_t{entry.height} - frame.top - frame.bottom);
    switch (request) {
        case Request::kMoveByIpc:
            entry.request = platform::x11::tilingMove(entry.handle, entry.left, entry.top,
                                                      entry.width, entry.height);
            break;
        case Request::kMoveEwmh:
            // x, y, width and height given, sent by a pager-like tool (source 2).
            platform::x11::askWindowManager(window, backend.netMoveResizeWindow,
                                            NorthWestGravity | (0xF << 8) | (2 << 12), entry.left,
                                            entry.top, entry.clientWidth, entry.clientHeight);
            break;
        default:
            XMoveResizeWindow(backend.display, window, entry.clientLeft, entry.clientTop,
                              static_cast<unsigned>(entry.clientWidth),
                              static_cast<unsigned>(entry.clientHeight));
            break;
    }
}

void send(PlacedWindow& entry, Request request) {
    const Window window = static_cast<Window>(entry.handle);
    switch (request) {
        case Request::kNone:
            return;
        case Request::kMinimize:
            XIconifyWindow(backend.display, window, DefaultScreen(backend.display));
            break;
        case Request::kUnmap:
            XUnmapWindow(backend.display, window);
            break;
        case Request::kMap:
            // NOTE: openbox gives the keyboard focus to a window it restores, and metacity leaves
            // none active; the layout's keyboard watch gives it back to the console.
            XMapRaised(backend.display, window);
            break;
        case Request::kActivate:
            platform::x11::askWindowManager(window, backend.netActiveWindow, 2, CurrentTime, 0, 0,
                                            0);
            break;
        case Request::kRemap:
            XUnmapWindow(backend.display, window);
            XMapWindow(backend.display, window);
            break;
        case Request::kHideByIpc:
            entry.request = platform::x11::tilingMinimize(entry.handle);
            return;
        case Request::kShowByIpc:
            entry.request = platform::x11::tilingShow(entry.handle);
            return;
        case Request::kMoveByIpc:
        case Request::kMoveEwmh:
        case Request::kMoveConfigure:
        case Request::kMoveDirect:
            askMove(entry, request);
            break;
    }
    XFlush(backend.display);
}

// The window's events while a layout is on its way: it only wakes the cycle's wait, which then
// reads what it needs.
void selectFor(const PlacedWindow& entry) {
    if (!isNative(entry.handle)) {
        platform::x11::selectEvents(static_cast<Window>(entry.handle));
    }
}

}  // namespace

namespace platform::x11 {

bool isMinimized(Window window) {
    long state[2] = {0, 0};
    return (readProperty(window, backend.wmState, backend.wmState, 32, state, 2) > 0 &&
            state[0] == kIconicState) ||
           markedHidden(window);
}

bool isViewable(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(backend.display, window, &attributes) &&
           attributes.map_state == IsViewable;
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

long placementEventMask(Window window) {
    if (!placement.active) {
        return NoEventMask;
    }
    // NOTE: a window manager lists the windows it took on in a property of the root.
    if (window == backend.root) {
        return PropertyChangeMask;
    }
    return findEntry(window) != nullptr ? StructureNotifyMask | PropertyChangeMask : NoEventMask;
}

}  // namespace platform::x11

namespace platform {

void minimizeWindow(int slot, WindowHandle handle) {
    if (backend.display == nullptr || handle == 0 || !validSlot(slot)) {
        return;
    }
    PlacedWindow& entry = entryOf(slot, handle);
    selectFor(entry);
    const Desk desk = deskFor(deskNow(), handle);
    const long long now = monotonicMs();
    const WindowView view = look(entry, desk, now);
    send(entry, x11::askMinimize(entry.record, view, desk, now));
}

void beginPlacement(const LayoutGoal& layout) {
    if (backend.display == nullptr) {
        return;
    }
    placement.active = true;
    x11::tilingLayoutBegins();
    for (PlacedWindow& entry : placement.windows) {
        x11::beginLayout(entry.record);
    }
    x11::selectEvents(backend.root);
    placement.deadlineMs = monotonicMs() + layout.budgetMs;
    // The players are minimized at once; each is shown again once its minimize has been seen (or
    // had its time) and the pause after the last of them is over, then moved: the restores due
    // together are asked together, so that the window manager carries them out together.
    for (int slot = 0; slot < kLayoutSlots; ++slot) {
        const WindowGoal& goal = layout.windows[slot];
        if (goal.window == 0) {
            continue;
        }
        if (goal.hideFirst) {
            minimizeWindow(slot, goal.window);
        }
        PlacedWindow& entry = entryOf(slot, goal.window);
        entry.record.restoreWanted = goal.hideFirst;
        entry.record.moveWanted = true;
        entry.left = coordinate(goal.left);
        entry.top = coordinate(goal.top);
        entry.width = extent(goal.width);
        entry.height = extent(goal.height);
        selectFor(entry);
    }
    const long long restoreAtMs = monotonicMs() + layout.pauseMs;
    for (int slot = 0; slot < kLayoutSlots; ++slot) {
        if (layout.windows[slot].window != 0) {
            placement.windows[slot].record.restoreAtMs = restoreAtMs;
        }
    }
}

bool advancePlacement() {
    if (backend.display == nullptr || !placement.active) {
        return true;
    }
    x11::takeTilingReplies();
    const long long now = monotonicMs();
    const Desk desktop = deskNow();
    bool all = true;
    for (PlacedWindow& entry : placement.windows) {
        if (entry.handle == 0 || x11::settled(entry.record)) {
            continue;
        }
        const Desk desk = deskFor(desktop, entry.handle);
        const WindowView view = look(entry, desk, now);
        entry.awaiting = view.awaiting;
        send(entry, x11::advanceWindow(entry.record, view, desk, now));
        all = all && x11::settled(entry.record);
    }
    return all || now >= placement.deadlineMs;
}

long long placementWakeMs() {
    long long wake = placement.active ? placement.deadlineMs : LLONG_MAX;
    for (const PlacedWindow& entry : placement.windows) {
        // A window waiting on a reply is woken by it, or by the compositor being given up.
        const long long at = entry.handle == 0 || x11::settled(entry.record) ? LLONG_MAX
                             : entry.awaiting                                ? x11::tilingGiveUpMs()
                                              : x11::wakeMs(entry.record);
        wake = at < wake ? at : wake;
    }
    return wake;
}

void endPlacement() {
    if (backend.display == nullptr || !placement.active) {
        return;
    }
    const long long now = monotonicMs();
    const Desk desktop = deskNow();
    for (PlacedWindow& entry : placement.windows) {
        const bool looked = !x11::settled(entry.record) || entry.record.phase == Phase::kRefused;
        if (entry.handle != 0 && looked) {
            const Desk desk = deskFor(desktop, entry.handle);
            x11::giveUp(entry.record, look(entry, desk, now), desk);
        }
    }
    placement.active = false;
    x11::tilingLayoutEnds();
    for (const PlacedWindow& entry : placement.windows) {
        if (entry.handle != 0) {
            selectFor(entry);
        }
    }
    x11::selectEvents(backend.root);
}

bool windowPlaced(int slot) {
    if (backend.display == nullptr) {
        return true;
    }
    return validSlot(slot) && placement.windows[slot].handle != 0 &&
           placement.windows[slot].record.phase != Phase::kRefused;
}

void forgetWindow(int slot) {
    if (validSlot(slot)) {
        placement.windows[slot] = PlacedWindow{};
    }
}

}  // namespace platform
