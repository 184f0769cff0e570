// The window system's news, read in the cycle: changes of the keyboard map, and for a while after
// each layout, where the keyboard went.
//
// Players take the keyboard on their own (VLC when its video starts, a while after it was
// placed), and window managers move it about as windows are minimized and restored. For a
// settling time after each layout the keyboard is handed back to the console, so the operator's
// keys keep reaching the viewer; after that the operator's own choice of window stands.
#include <X11/Xatom.h>

#include "platform/x11/internal.h"

namespace {

using platform::x11::backend;

// VLC takes the keyboard when its video starts, measured here 0.9 to 1.2 s after the first
// layout under each window manager on streams with a key frame a second; five seconds also cover
// sources whose key frames come every two or three seconds.
constexpr long kSettleMs = 5000;
constexpr int kMaxPlayers = 4;

struct KeyboardWatch {
    Window players[kMaxPlayers];
    int playerCount;
    // Where the keyboard goes back to: an X window, or a native terminal named by its process.
    platform::WindowHandle console;
    // Whether a window manager was running at the layout.
    bool managed;
    // Until when (monotonic milliseconds) players are sent back; 0 when not watching.
    long long settleUntilMs;
    // The watched player that last received the keyboard and has not lost it since, or None.
    Window playerWithKeys;
    // The console lost the keyboard and has not had it back since.
    bool consoleLostKeys;
};

KeyboardWatch watch;

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

// Gives the keyboard back to the console. A window manager is asked as a pager would ask it,
// which it grants whatever its focus-stealing rules and which keeps its own idea of the active
// window right; the focus is then also set directly, which is all there is without one. NOTE:
// sway only marks a window urgent when asked so: its IPC gives the keyboard.
void giveKeysToConsole() {
    // A console out of sight stays so: focusing a window in the scratchpad shows it. Whether
    // it is out of sight is asked now: the operator may have shown it again since H.
    if ((backend.tilingIpc || consoleXWindow() == None) && platform::x11::tilingIpcAnswers()) {
        if (watch.console != 0 && !platform::x11::tilingHidden(watch.console)) {
            platform::x11::tilingFocus(watch.console);
        }
        return;
    }
    if (consoleXWindow() == None) {
        return;
    }
    // A console the operator has minimized stays so: asking mutter to activate it would bring
    // it back (NOTE: mutter keeps minimized windows mapped, so being viewable is not enough).
    const Window console = consoleXWindow();
    if (!platform::x11::isViewable(console) || platform::x11::isMinimized(console)) {
        return;
    }
    if (watch.managed) {
        platform::x11::askWindowManager(console, backend.netActiveWindow, 2, CurrentTime, 0, 0, 0);
    }
    XSetInputFocus(backend.display, console, RevertToParent, CurrentTime);
    XFlush(backend.display);
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

void selectFocusEvents(long mask) {
    for (int i = 0; i < watch.playerCount; ++i) {
        if (watch.players[i] != None) {
            XSelectInput(backend.display, watch.players[i], mask);
        }
    }
    if (consoleXWindow() != None) {
        XSelectInput(backend.display, consoleXWindow(), mask);
    }
    XFlush(backend.display);
}

// Stops watching: after the settling time the keyboard is the operator's business. The viewer
// then asks for no events at all, so an idle cycle reads none (and libxcb, which allocates for
// each event it reads, allocates nothing).
void stopWatching() {
    selectFocusEvents(NoEventMask);
    watch.settleUntilMs = 0;
    watch.playerWithKeys = None;
    watch.consoleLostKeys = false;
}

}  // namespace

namespace platform::x11 {

bool watchingKeyboard() {
    return watch.settleUntilMs != 0;
}

bool keyboardSettled() {
    return watchingKeyboard() && nowMs() >= watch.settleUntilMs;
}

}  // namespace platform::x11

namespace platform {

void keepKeyboardOnConsole(WindowHandle console, const WindowHandle* players, int playerCount) {
    if (backend.display == nullptr) {
        return;
    }
    if (x11::watchingKeyboard()) {
        stopWatching();  // the windows may have changed since
    }
    watch.console = console != 0 ? console : backend.keyboardHome;
    watch.managed = x11::windowManagerRunning();
    watch.playerCount = playerCount < kMaxPlayers ? playerCount : kMaxPlayers;
    for (int i = 0; i < watch.playerCount; ++i) {
        watch.players[i] = static_cast<Window>(players[i]);
    }
    selectFocusEvents(FocusChangeMask);
    watch.settleUntilMs = x11::nowMs() + kSettleMs;
}

void handleWindowEvents() {
    if (backend.display == nullptr) {
        return;
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
    if (!x11::watchingKeyboard()) {
        return;
    }
    if (x11::keyboardSettled()) {
        stopWatching();
        return;
    }
    // NOTE: VLC activates its own window when its video starts, a while after it was placed.
    if (watch.playerWithKeys != None || (watch.consoleLostKeys && noWindowHasKeys())) {
        watch.playerWithKeys = None;
        giveKeysToConsole();
    }
}

}  // namespace platform
