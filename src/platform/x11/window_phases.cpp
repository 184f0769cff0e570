#include "platform/x11/window_phases.h"

#include <climits>

namespace platform::x11 {

namespace {

// Out of sight: minimized, unmapped, or in the scratchpad. A desktop places such a window only
// when it shows it again, so a move it did not carry out is no refusal.
bool outOfSight(const WindowView& view, const Desk& desk) {
    return (desk.ipc && view.hiddenByDesk) || (!desk.native && (!view.viewable || view.minimized));
}

// Out of sight and meant to be: a window the layout only moves (the console after H). One it
// asked to show again that is still out of sight was refused that.
bool settledOutOfSight(const WindowRecord& record, const WindowView& view, const Desk& desk) {
    return outOfSight(view, desk) && !record.restoreWanted;
}

// The move request each kind of desktop takes.
Request moveRequest(const Desk& desk) {
    if (desk.ipc) {
        return Request::kMoveByIpc;
    }
    if (!desk.windowManager) {
        return Request::kMoveDirect;
    }
    return desk.moveResize ? Request::kMoveEwmh : Request::kMoveConfigure;
}

long long firstCheckMs(const Desk& desk) {
    return desk.ipc ? kFirstCommandCheckMs : kFirstMoveCheckMs;
}

int attempts(const Desk& desk) {
    return desk.ipc ? kCommandAttempts : kMoveAttempts;
}

void enter(WindowRecord& record, Phase phase, long long nowMs, long long waitMs) {
    record.phase = phase;
    record.sinceMs = nowMs;
    record.nextMs = waitMs == LLONG_MAX ? LLONG_MAX : nowMs + waitMs;
}

// Its move, once the desktop has taken the window on: a window manager drops a request for a
// window it does not manage yet (mutter), a client placed before its frame is made ends inside a
// frame that adds to its size (mutter 44 and later), and a window it took on half-way is never
// placed at all.
Request beforeMove(WindowRecord& record, const WindowView& view, const Desk& desk,
                   long long nowMs) {
    if (!record.moveWanted) {
        record.phase = Phase::kPlaced;
        return Request::kNone;
    }
    if (desk.native && !desk.ipc) {
        record.phase = Phase::kRefused;  // nothing but the IPC can reach it
        return Request::kNone;
    }
    if (!desk.ipc && !desk.windowManager) {
        record.phase = Phase::kPlaced;  // moved by the viewer itself: nothing to read back
        return Request::kMoveDirect;
    }
    if (!desk.ipc && !view.managed && nowMs < record.sinceMs + kManagedWithinMs) {
        record.nextMs = record.sinceMs + kManagedWithinMs;
        return Request::kNone;
    }
    if (!desk.ipc && !record.framedOnce) {
        if (!view.framed && nowMs < record.sinceMs + 2 * kManagedWithinMs) {
            record.nextMs = record.sinceMs + 2 * kManagedWithinMs;
            return Request::kNone;
        }
        record.framedOnce = true;
    }
    // NOTE: sway 1.12 and labwc (wlroots 0.20) now and then take a window mapped on their
    // Xwayland half-way: mapped, but never shown nor listed among their clients. Mapped once
    // more, it is taken on. Only a player, only one shown as far as X goes, only after the time
    // a window manager takes to list a window; never the operator's own terminal.
    if (!desk.native && record.restoreWanted && view.viewable && !view.listed &&
        record.remaps < kRemapAttempts) {
        if (nowMs < record.sinceMs + kManagedWithinMs) {
            record.nextMs = record.sinceMs + kManagedWithinMs;
            return Request::kNone;
        }
        ++record.remaps;
        enter(record, Phase::kBeforeMove, nowMs, kManagedWithinMs);
        return Request::kRemap;
    }
    record.attempt = 0;
    record.movedAtMs = nowMs;
    enter(record, Phase::kMoving, nowMs, firstCheckMs(desk));
    return moveRequest(desk);
}

// Shows a window the layout minimized. A window manager that keeps minimized windows mapped
// (mutter) takes a map as nothing and an activation by a pager as a restore; one that has not
// yet taken the minimize (a loaded one) would take it after a map and leave the window
// minimized, but takes an activation after the minimize. Every other restores on a map.
Request restore(WindowRecord& record, const WindowView& view, const Desk& desk, long long nowMs) {
    const bool minimizeLate = record.minimizeOnItsWay && view.viewable && !view.minimized;
    record.minimizeOnItsWay = false;
    if (desk.ipc) {
        // The scratchpad toggles: only a window out of sight now is shown, whoever hid it.
        enter(record, Phase::kBeforeMove, nowMs, 0);
        return view.hiddenByDesk ? Request::kShowByIpc : Request::kNone;
    }
    if (desk.native) {
        enter(record, Phase::kBeforeMove, nowMs, 0);
        return Request::kNone;
    }
    if (!desk.windowManager) {
        enter(record, Phase::kBeforeMove, nowMs, 0);
        return Request::kMap;
    }
    // Looked at again at once: a window the minimize never reached is shown already.
    enter(record, Phase::kShowing, nowMs, 0);
    return ((view.minimized && !view.unmapped) || minimizeLate) && desk.activation
               ? Request::kActivate
               : Request::kMap;
}

}  // namespace

void beginLayout(WindowRecord& record) {
    record.restoreWanted = false;
    record.restoreAtMs = 0;
    record.moveWanted = false;
    record.attempt = 0;
    record.remaps = 0;
    if (record.phase != Phase::kHiding && record.phase != Phase::kHidden) {
        record.phase = Phase::kIdle;
    }
}

Request askMinimize(WindowRecord& record, const WindowView& view, const Desk& desk,
                    long long nowMs) {
    if (desk.ipc) {
        enter(record, Phase::kHidden, nowMs, LLONG_MAX);
        return Request::kHideByIpc;
    }
    if (desk.native) {
        return Request::kNone;
    }
    if (!desk.windowManager) {
        enter(record, Phase::kHidden, nowMs, LLONG_MAX);
        return Request::kUnmap;
    }
    // NOTE: a window already minimized and taken off the screen (V after H) is not asked again:
    // a loaded icewm carried out such a needless minimize after the restore that followed it.
    // (A window manager that keeps minimized windows mapped may show a restore late: its state
    // is not taken for done.)
    if (view.unmapped && view.minimized) {
        enter(record, Phase::kHidden, nowMs, LLONG_MAX);
        return Request::kNone;
    }
    record.minimizeOnItsWay = true;
    enter(record, Phase::kHiding, nowMs, kTakenWithinMs);
    return Request::kMinimize;
}

Request advanceWindow(WindowRecord& record, const WindowView& view, const Desk& desk,
                      long long nowMs) {
    if (view.gone) {
        record.phase = Phase::kGone;
        return Request::kNone;
    }
    // Neither asked again nor refused before the compositor has answered what it was asked:
    // a slow one is not a refusing one.
    if (view.awaiting && !view.placed) {
        return Request::kNone;
    }
    switch (record.phase) {
        case Phase::kHiding:
            // A restore or a move waits for the minimize: taken for done before it, it would be
            // undone by it. Its time up, the restore asks so that it holds after it.
            if (!outOfSight(view, desk) && nowMs < record.sinceMs + kTakenWithinMs) {
                record.nextMs = record.sinceMs + kTakenWithinMs;
                return Request::kNone;
            }
            record.phase = Phase::kHidden;
            [[fallthrough]];
        case Phase::kIdle:
        case Phase::kHidden:
            if (record.restoreWanted && nowMs < record.restoreAtMs) {
                record.nextMs = record.restoreAtMs;
                return Request::kNone;
            }
            if (record.restoreWanted) {
                return restore(record, view, desk, nowMs);
            }
            if (!record.moveWanted) {
                return Request::kNone;
            }
            enter(record, Phase::kBeforeMove, nowMs, 0);
            return beforeMove(record, view, desk, nowMs);
        case Phase::kShowing:
            if (view.minimized && nowMs < record.sinceMs + kTakenWithinMs) {
                record.nextMs = record.sinceMs + kTakenWithinMs;
                return Request::kNone;
            }
            enter(record, Phase::kBeforeMove, nowMs, 0);
            return beforeMove(record, view, desk, nowMs);
        case Phase::kBeforeMove:
            return beforeMove(record, view, desk, nowMs);
        case Phase::kMoving:
            if (view.placed) {
                record.phase = Phase::kPlaced;
                return Request::kNone;
            }
            if (nowMs < record.nextMs) {
                return Request::kNone;
            }
            if (record.attempt + 1 < attempts(desk)) {
                ++record.attempt;
                enter(record, Phase::kMoving, nowMs, firstCheckMs(desk) << record.attempt);
                return moveRequest(desk);
            }
            if (nowMs < record.movedAtMs + kTakenWithinMs) {
                record.nextMs = record.movedAtMs + kTakenWithinMs;
                return Request::kNone;
            }
            record.phase = settledOutOfSight(record, view, desk) ? Phase::kPlaced : Phase::kRefused;
            return Request::kNone;
        case Phase::kPlaced:
        case Phase::kRefused:
        case Phase::kGone:
            break;
    }
    return Request::kNone;
}

bool needsDeskTree(const WindowRecord& record, const Desk& desk, long long nowMs) {
    if (!desk.ipc) {
        return false;
    }
    const bool aboutToShow = record.restoreWanted && nowMs >= record.restoreAtMs &&
                             (record.phase == Phase::kIdle || record.phase == Phase::kHidden);
    const bool lastLook =
        record.attempt + 1 >= attempts(desk) && nowMs >= record.movedAtMs + kTakenWithinMs;
    const bool lookingBack =
        record.phase == Phase::kMoving && nowMs >= record.nextMs && (desk.native || lastLook);
    return aboutToShow || lookingBack;
}

bool settled(const WindowRecord& record) {
    switch (record.phase) {
        case Phase::kPlaced:
        case Phase::kRefused:
        case Phase::kGone:
            return true;
        case Phase::kIdle:
        case Phase::kHidden:
            return !record.restoreWanted && !record.moveWanted;
        default:
            return false;
    }
}

long long wakeMs(const WindowRecord& record) {
    return settled(record) ? LLONG_MAX : record.nextMs;
}

void giveUp(WindowRecord& record, const WindowView& view, const Desk& desk) {
    if (settled(record) && record.phase != Phase::kRefused) {
        return;
    }
    record.phase = view.gone                                              ? Phase::kGone
                   : view.placed || settledOutOfSight(record, view, desk) ? Phase::kPlaced
                                                                          : Phase::kRefused;
}

}  // namespace platform::x11
