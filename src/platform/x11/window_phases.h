// Where each window of a layout stands, and what to ask of the desktop next: one record a window
// and one function that moves it on, from what the window system reports and the time alone.
// Nothing here talks to X or to a compositor, so that every desktop's way of taking requests
// (late, dropped, ignored, stopped for a while) can be played through it without a display.
#pragma once

namespace platform::x11 {

enum class Phase {
    kIdle,        // nothing asked of it in this layout yet
    kHiding,      // minimize asked, not yet seen taken
    kHidden,      // out of sight, or its minimize had its time
    kShowing,     // restore asked, not yet seen taken
    kBeforeMove,  // shown, or left as it stands; its move waits for the desktop to take it on
    kMoving,      // move asked, read back and asked again while the window is elsewhere
    kPlaced,      // where it was asked to be (or out of sight, where a desktop places nothing)
    kRefused,     // still elsewhere after every attempt: for this layout only
    kGone,
};

enum class Request {
    kNone,
    kMinimize,   // the ICCCM iconify request
    kUnmap,      // no window manager: no iconic state, the window leaves the screen
    kMap,        // map and raise: a window manager restores a window it unmapped
    kActivate,   // _NET_ACTIVE_WINDOW as a pager: restores a minimized window kept mapped
    kRemap,      // unmap and map again: a window the desktop took on only half-way
    kHideByIpc,  // sway / i3: the scratchpad
    kShowByIpc,
    kMoveByIpc,      // floating, no border, at the rectangle
    kMoveEwmh,       // _NET_MOVERESIZE_WINDOW, the client's size inside the frame
    kMoveConfigure,  // ConfigureWindow, for a window manager that takes no EWMH move (labwc)
    kMoveDirect,     // no window manager: the viewer moves the window itself
};

// What the window system says of a window now. The platform reads what the phase needs (see
// needsDeskTree); the rest may be left false.
struct WindowView {
    bool gone;
    bool viewable;      // mapped, and its parents too
    bool unmapped;      // not mapped at all (a minimized window a window manager took off)
    bool minimized;     // ICCCM Iconic, or _NET_WM_STATE_HIDDEN
    bool managed;       // the window manager has taken it on (WM_STATE)
    bool framed;        // its frame is made, or the window manager does not tell frames
    bool listed;        // in the window manager's client list, or it keeps none
    bool placed;        // at the rectangle asked for
    bool hiddenByDesk;  // sway / i3 keep it in the scratchpad
    // sway / i3 have not yet answered what was asked about it (a command, or their tree): the
    // window waits for the reply, which comes as news, or for the compositor to be given up.
    bool awaiting;
};

// How the desktop takes requests: the rows of the table that tell desktops apart.
struct Desk {
    bool windowManager;  // an EWMH window manager runs
    bool moveResize;     // it honours _NET_MOVERESIZE_WINDOW
    bool activation;     // it honours _NET_ACTIVE_WINDOW
    bool ipc;            // sway or i3 place this window through their IPC, which answers
    bool native;         // a native Wayland window, named by its process: only the IPC reaches it
};

struct WindowRecord {
    Phase phase;
    bool restoreWanted;  // the layout shows it again (a player; the console is only moved)
    bool moveWanted;
    bool minimizeOnItsWay;  // asked and not yet seen: a restore must not overtake it
    bool framedOnce;        // its frame has been waited for once (kept from layout to layout)
    long long restoreAtMs;  // not shown again before then: the layout's pause after the minimize
    long long sinceMs;      // when the phase's request went out, or its wait began
    long long movedAtMs;    // when its first move of this layout went out
    long long nextMs;       // when to look again without news; a re-send time while moving
    int attempt;
    int remaps;
};

// How long a window manager may take to show that it took a minimize or a restore (mutter on two
// loaded cores: up to a second), to take a new window on or to frame it (mutter 44 and later
// frame a window a moment after taking it on), and to list a window it took on.
constexpr long long kTakenWithinMs = 1000;
constexpr long long kManagedWithinMs = 500;
// Each move is read back twice as long after it as the one before, and asked again then: a
// window manager's request that takes is carried out within a few milliseconds, one dropped
// is asked again soon (8, 16, 32, 64, 128 ms); a tiling desktop's command is carried out when
// its reply comes, but a terminal that sizes itself under sway may take longer (20 … 160 ms).
// Every attempt made, a window is still read back until kTakenWithinMs after the first: a
// loaded window manager carries a move out late, and such a window is no refusal.
constexpr long long kFirstMoveCheckMs = 8;
constexpr int kMoveAttempts = 5;
constexpr long long kFirstCommandCheckMs = 20;
constexpr int kCommandAttempts = 4;
constexpr int kRemapAttempts = 3;

// A new layout: every window is asked again in full, whatever the last one made of it. A
// minimize still on its way stays so.
void beginLayout(WindowRecord& record);

// The layout asks for the window to be minimized (also H, outside a layout): the request to send.
Request askMinimize(WindowRecord& record, const WindowView& view, const Desk& desk,
                    long long nowMs);

// Moves the window on from what the desktop reports now; returns the request to send, if any.
Request advanceWindow(WindowRecord& record, const WindowView& view, const Desk& desk,
                      long long nowMs);

// Whether the next advanceWindow needs the compositor's tree (the scratchpad, or a native
// window's place): asked only then, since reading it takes a while. An X window's place is read
// from the X server; its tree is needed only to tell a move refused from a window out of sight.
bool needsDeskTree(const WindowRecord& record, const Desk& desk, long long nowMs);

// The window needs nothing more of this layout.
bool settled(const WindowRecord& record);

// When the window wants a look without news from the window system.
long long wakeMs(const WindowRecord& record);

// The layout's time is up: a window still on its way counts as refused, unless it is out of
// sight and was not asked to be shown, where a desktop places nothing (a player whose restore
// the desktop ignored is refused); one refused earlier that stands in place now (a move carried
// out after its time) counts as placed.
void giveUp(WindowRecord& record, const WindowView& view, const Desk& desk);

}  // namespace platform::x11
