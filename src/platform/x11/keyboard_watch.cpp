// The window system's news, read in the cycle: changes of the keyboard map, and while the
// keyboard is watched, where it went. Players take the keyboard on their own (VLC when its video
// starts, a while after it was placed), and window managers move it about as windows are
// minimized and restored; the layout decides when to hand it back.
#include <X11/Xatom.h>

#include "platform/x11/internal.h"

namespace {

using platform::x11::backend;
using platform::x11::KeyboardWatch;
using platform::x11::kMaxPlayers;

KeyboardWatch& watch = backend.keyboard;

Window consoleXWindow() {
    return (watch.console & platform::x11::kProcessWindowBit) != 0
               ? None
               : static_cast<Window>(watch.console);
}

bool isWatchedPlayer(Window window) {
    for (int i = 0; i < watch.playerCount; ++i) {
        if (watch.players[i] == window && window != None) {
            return true;
        }
    }
    return false;
}

// Notes where the keyboard went: to a player, or away from the console.
void takeFocusEvent(const XEvent& event) {
    const Window window = event.xfocus.window;
    // Moves inside a window, and the pointer's own focus, change nothing.
    const bool within = event.xfocus.detail == NotifyInferior ||
                        event.xfocus.detail == NotifyPointer || event.xfocus.mode == NotifyGrab ||
                        event.xfocus.mode == NotifyUngrab;
    if (within) {
        return;
    }
    if (window == consoleXWindow() && window != None) {
        watch.consoleLostKeys = event.type == FocusOut;
        if (event.type == FocusIn) {
            watch.playerWithKeys = None;
        }
    } else if (isWatchedPlayer(window)) {
        if (event.type == FocusIn) {
            watch.playerWithKeys = window;
        } else if (watch.playerWithKeys == window) {
            watch.playerWithKeys = None;
        }
    }
}

// True when no program's window has the keyboard: a window manager that has none active (NOTE:
// metacity leaves none active when a minimized window is restored), or no focus at all.
bool noWindowHasKeys() {
    long active = 0;
    if (watch.managed && platform::x11::readProperty(backend.root, backend.netActiveWindow,
                                                     XA_WINDOW, 32, &active, 1) == 1) {
        return active == 0;
    }
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(backend.display, &focus, &revertTo);
    return focus == None || focus == PointerRoot || focus == backend.root;
}

// Asks for the watched windows' events as the watch now stands.
void selectWatchedEvents() {
    for (int i = 0; i < watch.playerCount; ++i) {
        if (watch.players[i] != None) {
            platform::x11::selectEvents(watch.players[i]);
        }
    }
    if (consoleXWindow() != None) {
        platform::x11::selectEvents(consoleXWindow());
    }
    XFlush(backend.display);
}

}  // namespace

namespace platform::x11 {

long keyboardEventMask(Window window) {
    return watch.watching && window != None &&
                   (window == consoleXWindow() || isWatchedPlayer(window))
               ? FocusChangeMask
               : NoEventMask;
}

bool keyboardNewsWaiting() {
    return watch.watching && watch.playerWithKeys != None;
}

}  // namespace platform::x11

namespace platform {

void watchKeyboard(WindowHandle console, const WindowHandle* players, int playerCount) {
    if (backend.display == nullptr) {
        return;
    }
    if (watch.watching) {
        stopWatchingKeyboard();  // the windows may have changed since
    }
    watch.console = console != 0 ? console : backend.keyboardHome;
    watch.managed = x11::windowManagerRunning();
    watch.playerCount = playerCount < kMaxPlayers ? playerCount : kMaxPlayers;
    for (int i = 0; i < watch.playerCount; ++i) {
        watch.players[i] = static_cast<Window>(players[i]);
    }
    watch.watching = true;
    selectWatchedEvents();
    // A window manager gives the keyboard to a player as it maps it, before the watch began:
    // that is news as a later change would be.
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(backend.display, &focus, &revertTo);
    if (isWatchedPlayer(focus)) {
        watch.playerWithKeys = focus;
    }
}

// The viewer then asks for no events at all, so an idle cycle reads none (and libxcb, which
// allocates for each event it reads, allocates nothing).
void stopWatchingKeyboard() {
    if (backend.display == nullptr || !watch.watching) {
        return;
    }
    watch.watching = false;
    selectWatchedEvents();
    watch.playerWithKeys = None;
    watch.consoleLostKeys = false;
}

// A window manager is asked as a pager would ask it, which it grants whatever its focus-stealing
// rules and which keeps its own idea of the active window right; the focus is then also set
// directly, which is all there is without one. NOTE: sway only marks a window urgent when asked
// so: its IPC gives the keyboard.
void giveKeysTo(WindowHandle window) {
    if (backend.display == nullptr) {
        return;
    }
    const WindowHandle target = window != 0 ? window : backend.keyboardHome;
    const Window xWindow =
        (target & x11::kProcessWindowBit) != 0 ? None : static_cast<Window>(target);
    // A window out of sight stays so, whoever hid it and whoever showed it since (the command
    // asks sway or i3 to focus it only where it is not in the scratchpad).
    if ((backend.tilingIpc || xWindow == None) && x11::tilingIpcAnswers()) {
        if (target != 0) {
            x11::tilingFocus(target);
        }
        return;
    }
    // A window the operator has minimized stays so: asking mutter to activate it would bring it
    // back (NOTE: mutter keeps minimized windows mapped, so being viewable is not enough).
    if (xWindow == None || !x11::isViewable(xWindow) || x11::isMinimized(xWindow)) {
        return;
    }
    if (x11::windowManagerRunning()) {
        x11::askWindowManager(xWindow, backend.netActiveWindow, 2, CurrentTime, 0, 0, 0);
    }
    XSetInputFocus(backend.display, xWindow, RevertToParent, CurrentTime);
    XFlush(backend.display);
}

unsigned handleWindowEvents() {
    if (backend.display == nullptr) {
        return 0;
    }
    while (XPending(backend.display) > 0) {
        XEvent event;
        XNextEvent(backend.display, &event);
        if (event.type == MappingNotify) {
            x11::takeMappingChange(event);
        } else if (event.type == FocusIn || event.type == FocusOut) {
            takeFocusEvent(event);
        }
    }
    if (!watch.watching) {
        return 0;
    }
    // NOTE: VLC activates its own window when its video starts, a while after it was placed.
    unsigned news = 0;
    if (watch.playerWithKeys != None) {
        news |= kPlayerTookKeys;
        watch.playerWithKeys = None;
    } else if (watch.consoleLostKeys && noWindowHasKeys()) {
        news |= kConsoleLostKeys;
    }
    return news;
}

}  // namespace platform
