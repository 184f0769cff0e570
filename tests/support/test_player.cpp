// A stand-in for the media player in tests: one top-level window titled "VLC media player" that
// carries its process id, and a log of everything the viewer does to it, so tests assert what the
// player really received.
//
//   TEST_PLAYER_LOG_DIR  directory for the log, one file per process: player-<pid>.log
//   TEST_PLAYER_EXIT     exit at once with this status, before showing a window
//   <log dir>/exit-<port>  when this file exists, exit at once with status 3 after logging the
//                        arguments: a player that cannot play its stream (port: the last
//                        argument's)
//   <log dir>/still-<port>  while this file exists, the picture stands still; black-<port>: it
//                        is black as VLC paints it (16, 16, 16); red-<port>: it stands still,
//                        all red; counter-<port>: it stands still but for a 16×16 square a
//                        little below its top, whose grey changes every frame. Otherwise the
//                        window shows a moving picture, a new frame every 100 ms (a grey level
//                        and a bar that move), as a stream does. Colours are made for the
//                        screen's visual, whatever its depth
//   TEST_PLAYER_NO_WINDOW  the player of this stream port runs without ever showing a window
//   SIGUSR1              destroy the window and keep running
//   TEST_PLAYER_ACTIVATE_MS  this long after its window is first mapped, ask for the keyboard as
//                        VLC does when its video starts: _NET_ACTIVE_WINDOW as an application
//                        (source 1, with a server time) under a window manager, else the input
//                        focus directly; again that long after the key n (its stream started
//                        again), as VLC does when its video starts anew
//
// Log lines: "<ms> <event> ...", with <ms> from the monotonic clock:
//   arg <n> <text>           each command-line argument
//   window <id>              the window is created
//   map | unmap              map state of the window
//   state normal|iconic      WM_STATE set by a window manager
//   geometry <x> <y> <w> <h> the window's position on the screen and size, on every change
//   title <text>             every change of _NET_WM_NAME
//   key press|release <keysym>
//   destroyed                the window was destroyed on SIGUSR1
//   activate                 the player asked for the keyboard
//   focus in|out             the window gained or lost the keyboard focus
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

volatile sig_atomic_t destroyRequested = 0;
FILE* logFile = nullptr;

void onUser1(int) {
    destroyRequested = 1;
}

long long nowMs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

void logLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
void logLine(const char* format, ...) {
    if (logFile == nullptr) {
        return;
    }
    std::fprintf(logFile, "%lld ", nowMs());
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(logFile, format, arguments);
    va_end(arguments);
    std::fputc('\n', logFile);
    std::fflush(logFile);
}

int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

// Asks for the keyboard as a Qt application (VLC) does.
void activate(Display* display, Window root, Window window, Time time) {
    const Atom netActiveWindow = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    const Atom netSupportingWmCheck = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    const bool managed =
        XGetWindowProperty(display, root, netSupportingWmCheck, 0, 1, False, XA_WINDOW, &type,
                           &format, &count, &remaining, &data) == Success &&
        data != nullptr && count == 1;
    if (data != nullptr) {
        XFree(data);
    }
    if (managed) {
        XEvent event;
        std::memset(&event, 0, sizeof event);
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = netActiveWindow;
        event.xclient.format = 32;
        event.xclient.data.l[0] = 1;  // an application
        event.xclient.data.l[1] = static_cast<long>(time);
        XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        XSetInputFocus(display, window, RevertToParent, time);
    }
    XFlush(display);
    logLine("activate");
}

// A colour as a pixel of the screen's visual (16, 24 or 30 bits).
unsigned long pixelOf(const Visual* visual, unsigned red, unsigned green, unsigned blue) {
    const unsigned long masks[3] = {visual->red_mask, visual->green_mask, visual->blue_mask};
    const unsigned levels[3] = {red, green, blue};
    unsigned long pixel = 0;
    for (int i = 0; i < 3; ++i) {
        int shift = 0;
        while (masks[i] != 0 && ((masks[i] >> shift) & 1u) == 0) {
            ++shift;
        }
        const unsigned long most = masks[i] >> shift;
        pixel |= (levels[i] * most / 255) << shift;
    }
    return pixel;
}

enum class Picture { kMoving, kStill, kBlack, kRed, kCounter };

// The picture: frame n of a moving one (a grey level and a white bar that move), black, red, or
// frame 0 with a square whose grey is the counter's.
void paint(Display* display, Window window, GC gc, long frame, Picture picture, long counter) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return;
    }
    const Visual* visual = attributes.visual;
    const unsigned grey = 0x40 + static_cast<unsigned>(frame * 7 % 0x80);
    XSetForeground(display, gc,
                   picture == Picture::kBlack ? pixelOf(visual, 16, 16, 16)
                   : picture == Picture::kRed ? pixelOf(visual, 160, 0, 0)
                                              : pixelOf(visual, grey, grey, grey));
    XFillRectangle(display, window, gc, 0, 0, attributes.width, attributes.height);
    if (picture == Picture::kMoving || picture == Picture::kStill) {
        XSetForeground(display, gc, pixelOf(visual, 255, 255, 255));
        XFillRectangle(display, window, gc, static_cast<int>(frame * 9 % (attributes.width + 1)), 0,
                       12, attributes.height);
    }
    if (picture == Picture::kCounter) {
        // Between the rows a reader of a few fixed rows would look at (an eighth of the height
        // apart).
        const unsigned level = static_cast<unsigned>(counter * 37 % 200 + 40);
        XSetForeground(display, gc, pixelOf(visual, level, level, level));
        XFillRectangle(display, window, gc, attributes.width / 2,
                       attributes.height / 16 + (attributes.height / 8 - 16) / 2, 16, 16);
    }
    XFlush(display);
}

bool fileExists(const char* logDir, const char* kind, const char* port) {
    char path[4096];
    std::snprintf(path, sizeof path, "%s/%s-%s", logDir, kind, port);
    return access(path, F_OK) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* exitNow = std::getenv("TEST_PLAYER_EXIT");
    if (exitNow != nullptr) {
        return std::atoi(exitNow);
    }
    const char* logDir = std::getenv("TEST_PLAYER_LOG_DIR");
    if (logDir != nullptr) {
        char path[4096];
        std::snprintf(path, sizeof path, "%s/player-%d.log", logDir, static_cast<int>(getpid()));
        logFile = std::fopen(path, "a");
    }
    for (int i = 1; i < argc; ++i) {
        logLine("arg %d %s", i, argv[i]);
    }
    const char* port = argc > 1 ? std::strrchr(argv[argc - 1], ':') : nullptr;
    if (logDir != nullptr && port != nullptr) {
        char path[4096];
        std::snprintf(path, sizeof path, "%s/exit-%s", logDir, port + 1);
        if (access(path, F_OK) == 0) {
            return 3;
        }
        // A player that never shows its window: it runs until it is ended.
        const char* noWindow = std::getenv("TEST_PLAYER_NO_WINDOW");
        if (noWindow != nullptr && std::strcmp(noWindow, port + 1) == 0) {
            logLine("no window");
            for (;;) {
                pause();
            }
        }
    }
    signal(SIGUSR1, onUser1);

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        logLine("no display");
        return 1;
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
    const Atom wmState = XInternAtom(display, "WM_STATE", False);

    Window window = XCreateSimpleWindow(display, root, 10, 10, 320, 180, 0, 0, 0);
    const char title[] = "VLC media player";
    XStoreName(display, window, title);
    XChangeProperty(display, window, netWmName, utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title), sizeof title - 1);
    const long pid = getpid();
    XChangeProperty(display, window, netWmPid, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    XClassHint classHint = {const_cast<char*>("vlc"), const_cast<char*>("vlc")};
    XSetClassHint(display, window, &classHint);
    XSelectInput(display, window,
                 StructureNotifyMask | PropertyChangeMask | KeyPressMask | KeyReleaseMask |
                     FocusChangeMask | ExposureMask);
    GC gc = XCreateGC(display, window, 0, nullptr);
    long frame = 0;
    long counter = 0;
    Picture picture = Picture::kMoving;
    long long paintAtMs = 0;
    const char* activateAfter = std::getenv("TEST_PLAYER_ACTIVATE_MS");
    long long activateAtMs = -1;  // set when the window is first mapped
    Time lastServerTime = CurrentTime;
    XMapWindow(display, window);
    XFlush(display);
    logLine("window %lu", window);

    int lastX = -1, lastY = -1, lastWidth = -1, lastHeight = -1;
    for (;;) {
        if (destroyRequested && window != None) {
            XDestroyWindow(display, window);
            XFlush(display);
            window = None;
            logLine("destroyed");
        }
        if (activateAtMs >= 0 && nowMs() >= activateAtMs && window != None) {
            activateAtMs = -2;  // once
            activate(display, root, window, lastServerTime);
        }
        if (window != None && nowMs() >= paintAtMs) {
            paintAtMs = nowMs() + 100;
            const char* streamPort = port != nullptr ? port + 1 : "";
            const auto flagged = [&](const char* kind) {
                return logDir != nullptr && fileExists(logDir, kind, streamPort);
            };
            picture = flagged("black")     ? Picture::kBlack
                      : flagged("red")     ? Picture::kRed
                      : flagged("counter") ? Picture::kCounter
                      : flagged("still")   ? Picture::kStill
                                           : Picture::kMoving;
            if (picture == Picture::kMoving) {
                ++frame;
            }
            if (picture == Picture::kCounter) {
                ++counter;
            }
            paint(display, window, gc, frame, picture, counter);
        }
        if (XPending(display) == 0) {
            // Wake up now and then to act on SIGUSR1, the activation and the next frame; end
            // with the X server.
            pollfd connection = {ConnectionNumber(display), POLLIN, 0};
            if (poll(&connection, 1, activateAtMs >= 0 ? 10 : 100) > 0) {
                if (connection.revents & (POLLHUP | POLLERR)) {
                    return 0;
                }
                // Reading finds the end of the connection when the X server has gone; Xlib then
                // ends the process.
                XEventsQueued(display, QueuedAfterReading);
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (window == None || event.xany.window != window) {
            continue;
        }
        switch (event.type) {
            case Expose:
                if (event.xexpose.count == 0) {
                    paint(display, window, gc, frame, picture, counter);
                }
                break;
            case MapNotify:
                logLine("map");
                if (activateAfter != nullptr && activateAtMs == -1) {
                    activateAtMs = nowMs() + std::atol(activateAfter);
                    // A server time to ask with, as a toolkit keeps one from its events.
                    XChangeProperty(display, window,
                                    XInternAtom(display, "_TEST_PLAYER_TIME", False), XA_CARDINAL,
                                    32, PropModeAppend, nullptr, 0);
                }
                break;
            case FocusIn:
            case FocusOut:
                if (event.xfocus.detail != NotifyPointer && event.xfocus.mode != NotifyGrab &&
                    event.xfocus.mode != NotifyUngrab) {
                    logLine("focus %s", event.type == FocusIn ? "in" : "out");
                }
                break;
            case UnmapNotify:
                logLine("unmap");
                break;
            case ConfigureNotify: {
                int x = 0, y = 0;
                Window child;
                XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child);
                if (x != lastX || y != lastY || event.xconfigure.width != lastWidth ||
                    event.xconfigure.height != lastHeight) {
                    lastX = x;
                    lastY = y;
                    lastWidth = event.xconfigure.width;
                    lastHeight = event.xconfigure.height;
                    logLine("geometry %d %d %d %d", x, y, lastWidth, lastHeight);
                }
                break;
            }
            case PropertyNotify: {
                lastServerTime = event.xproperty.time;
                if (event.xproperty.atom != netWmName && event.xproperty.atom != wmState) {
                    break;
                }
                Atom type;
                int format;
                unsigned long count, remaining;
                unsigned char* data = nullptr;
                if (XGetWindowProperty(display, window, event.xproperty.atom, 0, 1024, False,
                                       AnyPropertyType, &type, &format, &count, &remaining,
                                       &data) == Success &&
                    data != nullptr) {
                    if (event.xproperty.atom == netWmName) {
                        logLine("title %.*s", static_cast<int>(count), data);
                    } else if (format == 32 && count >= 1) {
                        const long state = reinterpret_cast<long*>(data)[0];
                        logLine("state %s", state == IconicState ? "iconic" : "normal");
                    }
                    XFree(data);
                } else if (event.xproperty.atom == netWmName) {
                    logLine("title ");
                }
                break;
            }
            case KeyPress:
            case KeyRelease: {
                const KeySym keysym = XLookupKeysym(&event.xkey, 0);
                const char* name = XKeysymToString(keysym);
                logLine("key %s %s", event.type == KeyPress ? "press" : "release",
                        name != nullptr ? name : "?");
                if (event.type == KeyPress && keysym == XK_n && activateAfter != nullptr) {
                    activateAtMs = nowMs() + std::atol(activateAfter);
                }
                break;
            }
            case MappingNotify:
                XRefreshKeyboardMapping(&event.xmapping);  // as every X client does
                break;
            default:
                break;
        }
    }
}
