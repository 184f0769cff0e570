// Reading what a player's window shows: a few rows of its picture, straight from the X server.
//
// Xlib's XGetImage allocates an image for every read; the viewer allocates nothing after start-up,
// so the GetImage request is made here as Xlib makes it, and its reply read into a buffer of the
// viewer's own. The X server answers for any window it shows, another client's too: under Xorg
// from the screen, under a Wayland desktop's Xwayland from the window's own buffer. A window that
// is not shown cannot be read (BadMatch, which the connection's handler ignores).
#include <X11/Xlibint.h>

#include <cstdint>

#include "platform/x11/internal.h"

namespace {

using platform::x11::backend;

// Rows spread over the picture's height, each read across its width: a moving bar, a ticker,
// a counter or a talking head changes at least one of them.
constexpr int kSampledRows = 8;
constexpr int kMostRowPixels = 2048;
constexpr std::size_t kRowBufferSize = kMostRowPixels * 4;

unsigned char rowBuffer[kRowBufferSize];

// One row of the window, `width` pixels from its left edge, in the server's ZPixmap form; its
// length in bytes, or 0 when the window could not be read.
long readRow(Window window, int top, int width) {
    // Xlib's request macros name the connection dpy.
    Display* dpy = backend.display;
    xGetImageReply reply;
    xGetImageReq* request = nullptr;
    LockDisplay(dpy);
    GetReq(GetImage, request);
    request->drawable = window;
    request->x = 0;
    request->y = static_cast<INT16>(top);
    request->width = static_cast<CARD16>(width);
    request->height = 1;
    request->planeMask = ~CARD32{0};  // all planes
    request->format = ZPixmap;
    long length = 0;
    if (_XReply(dpy, reinterpret_cast<xReply*>(&reply), 0, xFalse) != 0 && reply.length != 0) {
        const unsigned long bytes = static_cast<unsigned long>(reply.length) << 2;
        if (bytes <= kRowBufferSize) {
            _XReadPad(dpy, reinterpret_cast<char*>(rowBuffer), static_cast<long>(bytes));
            length = static_cast<long>(bytes);
        } else {
            _XEatDataWords(dpy, reply.length);
        }
    }
    UnlockDisplay(dpy);
    SyncHandle();
    return length;
}

// FNV-1a, 64 bits.
constexpr std::uint64_t kHashStart = 14695981039346656037ull;
constexpr std::uint64_t kHashFactor = 1099511628211ull;

}  // namespace

namespace platform {

bool samplePicture(WindowHandle handle, PictureSample* sample) {
    if (backend.display == nullptr || handle == 0 || (handle & x11::kProcessWindowBit) != 0) {
        return false;
    }
    const Window window = static_cast<Window>(handle);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(backend.display, window, &attributes) ||
        attributes.map_state != IsViewable || attributes.width < 1 || attributes.height < 1) {
        return false;
    }
    const int width = attributes.width < kMostRowPixels ? attributes.width : kMostRowPixels;
    std::uint64_t hash = kHashStart;
    int brightest = 0;
    for (int row = 0; row < kSampledRows; ++row) {
        const int top = attributes.height * (2 * row + 1) / (2 * kSampledRows);
        const long length = readRow(window, top, width);
        if (length == 0) {
            return false;
        }
        // Four bytes a pixel at depth 24 and 32, the colours in the first three; a shallower
        // visual has its colours in every byte.
        const long perPixel = length / width >= 4 ? 4 : 1;
        const long used = perPixel == 4 ? static_cast<long>(width) * 4 : length;
        for (long i = 0; i < used; ++i) {
            const unsigned char byte = rowBuffer[i];
            hash = (hash ^ byte) * kHashFactor;
            if ((perPixel == 1 || i % 4 != 3) && byte > brightest) {
                brightest = byte;
            }
        }
    }
    sample->fingerprint = hash;
    sample->brightest = brightest;
    return true;
}

}  // namespace platform
