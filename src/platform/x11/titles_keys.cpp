// Titles of the players' windows and the console, and the keys sent to the players.
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstring>

#include "platform/x11/internal.h"

namespace {

using platform::x11::backend;

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

}  // namespace

namespace platform::x11 {

void takeMappingChange(XEvent& event) {
    // NOTE: Xwayland's keyboard map follows the compositor's keyboard and changes at run time
    // (a layout switch, a virtual keyboard): the letters may move to other key codes.
    XRefreshKeyboardMapping(&event.xmapping);
    if (event.xmapping.request == MappingKeyboard) {
        lookUpLetterKeycodes();
    }
}

}  // namespace platform::x11

namespace platform {

void setWindowTitle(WindowHandle window, const char* title) {
    if (backend.display == nullptr || window == 0) {
        return;
    }
    if ((window & x11::kProcessWindowBit) != 0) {
        setConsoleTitle(title);  // a native terminal: its title is the console's
        return;
    }
    char utf8[2 * kWindowTitleSize + 1];
    toUtf8(title, utf8, sizeof utf8);
    XChangeProperty(backend.display, static_cast<Window>(window), backend.netWmName,
                    backend.utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8),
                    static_cast<int>(std::strlen(utf8)));
    // The old-style title, in the encoding its readers expect: Latin-1 when every character
    // has one, else UTF-8. Built here rather than by Xlib, which would allocate for it.
    char latin1[kWindowTitleSize];
    std::size_t length = 0;
    if (utf8ToLatin1(utf8, latin1, sizeof latin1, &length)) {
        XChangeProperty(backend.display, static_cast<Window>(window), XA_WM_NAME, XA_STRING, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(latin1),
                        static_cast<int>(length));
    } else {
        XChangeProperty(backend.display, static_cast<Window>(window), XA_WM_NAME,
                        backend.utf8String, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(utf8),
                        static_cast<int>(std::strlen(utf8)));
    }
    XFlush(backend.display);
}

void sendKey(WindowHandle window, int virtualKey) {
    if (backend.display == nullptr || window == 0 || (window & x11::kProcessWindowBit) != 0 ||
        virtualKey < 'A' || virtualKey > 'Z') {
        return;
    }
    // A change of the keyboard map that came in the same cycle as the key is taken first, so the
    // letter's key code is the one of the map the player now has.
    XEvent event;
    while (XCheckTypedEvent(backend.display, MappingNotify, &event)) {
        x11::takeMappingChange(event);
    }
    // The lower-case letter with no modifier: Shift with it is another key to the player.
    std::memset(&event, 0, sizeof event);
    event.xkey.display = backend.display;
    event.xkey.window = static_cast<Window>(window);
    event.xkey.root = backend.root;
    event.xkey.subwindow = None;
    event.xkey.time = CurrentTime;
    event.xkey.x = event.xkey.y = event.xkey.x_root = event.xkey.y_root = 1;
    event.xkey.state = 0;
    event.xkey.keycode = backend.letterKeycodes[virtualKey - 'A'];
    event.xkey.same_screen = True;
    event.xkey.type = KeyPress;
    XSendEvent(backend.display, static_cast<Window>(window), True, KeyPressMask, &event);
    event.xkey.type = KeyRelease;
    XSendEvent(backend.display, static_cast<Window>(window), True, KeyReleaseMask, &event);
    XFlush(backend.display);
}

}  // namespace platform
