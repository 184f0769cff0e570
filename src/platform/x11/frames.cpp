// The alarm frames on X11: for each pane four bands and a label, override-redirect windows of the
// viewer's own connection, so that they go with it however the viewer ends. A desktop's Xwayland
// shows such windows where they are put, above the windows it manages once raised. The label's
// text is drawn into a pixmap that is the label's background: the server repaints it itself, and
// the viewer reads no events for it.
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>

#include "platform/shared/frame_cells.h"
#include "platform/x11/internal.h"

namespace platform::x11 {

namespace {

constexpr int kBands = 4;
constexpr int kTextLeft = 3;
// X coordinates are 16 bits; a cell beyond them stays at the nearest end.
constexpr std::int64_t kMostCoordinate = 32767;
constexpr char kClass[] = "AlarmFrame";

AlarmFrames& made = backend.frames;

int coordinate(std::int64_t value) {
    return static_cast<int>(value < -kMostCoordinate  ? -kMostCoordinate
                            : value > kMostCoordinate ? kMostCoordinate
                                                      : value);
}

unsigned size(std::int64_t value) {
    return static_cast<unsigned>(value < 1 ? 1 : value > kMostCoordinate ? kMostCoordinate : value);
}

unsigned long pixelOf(unsigned short red, unsigned short green, unsigned short blue,
                      unsigned long otherwise) {
    XColor colour = {};
    colour.red = red;
    colour.green = green;
    colour.blue = blue;
    return XAllocColor(backend.display,
                       DefaultColormap(backend.display, DefaultScreen(backend.display)),
                       &colour) != 0
               ? colour.pixel
               : otherwise;
}

Window frameWindow(int pane) {
    XSetWindowAttributes attributes = {};
    attributes.override_redirect = True;
    attributes.background_pixel = made.alarmPixel;
    const Window window =
        XCreateWindow(backend.display, backend.root, 0, 0, 1, 1, 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    // Named by class, for the operator's tools and the tests; never by a title, which the
    // viewer looks for its console by.
    char name[32];
    std::snprintf(name, sizeof name, "alarm-frame-%d", pane);
    XClassHint hint = {name, const_cast<char*>(kClass)};
    XSetClassHint(backend.display, window, &hint);
    return window;
}

void drawLabel(AlarmFrame& frame, unsigned long background) {
    XSetForeground(backend.display, made.gc, background);
    XFillRectangle(backend.display, frame.labelPicture, made.gc, 0, 0, kFrameLabelWidth,
                   kFrameLabelHeight);
    if (made.font != nullptr) {
        XSetForeground(backend.display, made.gc, made.textPixel);
        const int baseline = (kFrameLabelHeight + made.font->ascent - made.font->descent) / 2;
        XDrawString(backend.display, frame.labelPicture, made.gc, kTextLeft, baseline, frame.text,
                    static_cast<int>(std::strlen(frame.text)));
    }
    XSetWindowBackgroundPixmap(backend.display, frame.label, frame.labelPicture);
    XClearWindow(backend.display, frame.label);
    XStoreName(backend.display, frame.label, frame.text);
}

}  // namespace

void makeFrames() {
    Display* display = backend.display;
    const int screen = DefaultScreen(display);
    made.alarmPixel = pixelOf(0xE000, 0x1000, 0x1000, WhitePixel(display, screen));
    made.clearedPixel = pixelOf(0xFF00, 0xB000, 0x0000, WhitePixel(display, screen));
    made.textPixel = BlackPixel(display, screen);
    made.font = XLoadQueryFont(display, "fixed");
    for (int pane = 1; pane <= kMaxPlayers; ++pane) {
        AlarmFrame& frame = made.panes[pane];
        for (Window& band : frame.bands) {
            band = frameWindow(pane);
        }
        frame.label = frameWindow(pane);
        frame.labelPicture = XCreatePixmap(display, backend.root, kFrameLabelWidth,
                                           kFrameLabelHeight, DefaultDepth(display, screen));
        frame.look = FrameLook::kNone;
    }
    made.gc = XCreateGC(display, made.panes[1].labelPicture, 0, nullptr);
    if (made.font != nullptr) {
        XSetFont(display, made.gc, made.font->fid);
    }
    made.made = true;
    XFlush(display);
}

}  // namespace platform::x11

namespace platform {

using x11::backend;

void placeFrame(int pane, const FrameCell& cell) {
    frames::rememberCell(pane, cell);
    x11::AlarmFrames& made = backend.frames;
    if (!made.made || pane < 1 || pane > x11::kMaxPlayers) {
        return;
    }
    const x11::AlarmFrame& frame = made.panes[pane];
    const std::int64_t right = cell.left + cell.width;
    const std::int64_t bottom = cell.top + cell.height;
    const FrameCell bands[x11::kBands] = {
        {cell.left, cell.top, cell.width, kFrameBand},
        {cell.left, bottom - kFrameBand, cell.width, kFrameBand},
        {cell.left, cell.top, kFrameBand, cell.height},
        {right - kFrameBand, cell.top, kFrameBand, cell.height},
    };
    for (int i = 0; i < x11::kBands; ++i) {
        XMoveResizeWindow(backend.display, frame.bands[i], x11::coordinate(bands[i].left),
                          x11::coordinate(bands[i].top), x11::size(bands[i].width),
                          x11::size(bands[i].height));
    }
    XMoveResizeWindow(backend.display, frame.label, x11::coordinate(cell.left),
                      x11::coordinate(cell.top), kFrameLabelWidth, kFrameLabelHeight);
    XFlush(backend.display);
}

void showFrame(int pane, FrameLook look, const char* label) {
    x11::AlarmFrames& made = backend.frames;
    if (!made.made || pane < 1 || pane > x11::kMaxPlayers) {
        return;
    }
    x11::AlarmFrame& frame = made.panes[pane];
    if (look == FrameLook::kNone) {
        if (frame.mapped) {
            for (Window band : frame.bands) {
                XUnmapWindow(backend.display, band);
            }
            XUnmapWindow(backend.display, frame.label);
            frame.mapped = false;
        }
        frame.look = look;
        XFlush(backend.display);
        return;
    }
    const unsigned long background =
        look == FrameLook::kAlarm ? made.alarmPixel : made.clearedPixel;
    if (look != frame.look) {
        for (Window band : frame.bands) {
            XSetWindowBackground(backend.display, band, background);
            XClearWindow(backend.display, band);
        }
    }
    if (look != frame.look || std::strcmp(label, frame.text) != 0) {
        std::snprintf(frame.text, sizeof frame.text, "%s", label);
        x11::drawLabel(frame, background);
    }
    frame.look = look;
    // Mapped or raised above whatever the desktop raised since: a player the operator clicked.
    for (Window band : frame.bands) {
        XMapRaised(backend.display, band);
    }
    XMapRaised(backend.display, frame.label);
    frame.mapped = true;
    XFlush(backend.display);
}

}  // namespace platform
