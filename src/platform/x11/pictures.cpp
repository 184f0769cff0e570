// Reading what a player's window shows, on a connection of the viewer's own to the X server.
//
// The X library keeps every reply in a buffer it allocates, and waits for each before the next
// request: a pane read through it would cost dozens of allocations and round trips a second. So
// the X library opens a second connection at start (it knows the server's address and its
// authorization), and from then on the viewer alone speaks on it: a sample is two batches of
// requests, each sent at once and answered in order into a fixed buffer (the window's state, then
// a row of pixels for every fourth row of it), read as they come and reduced on the way. The X
// library never touches that connection again.
//
// The X server answers for any window it shows, another client's too: under Xorg from the screen,
// so without a compositor a window only partly on the screen cannot be read (BadMatch) and what
// covers the window is what is read; under a Wayland desktop's Xwayland from the window's own
// buffer. Pixels come in the server's own format, converted here through the window's visual.
#include <X11/Xlibint.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/internal.h"
#include "platform/x11/internal.h"

namespace platform::x11 {

namespace {

// X protocol: request opcodes, and what a response starts with.
constexpr unsigned char kGetWindowAttributes = 3;
constexpr unsigned char kGetGeometry = 14;
constexpr unsigned char kTranslateCoordinates = 40;
constexpr unsigned char kGetImage = 73;
constexpr unsigned char kZPixmap = 2;
constexpr unsigned char kErrorResponse = 0;
constexpr unsigned char kReplyResponse = 1;
constexpr unsigned char kGenericEvent = 35;
constexpr unsigned char kBadWindow = 3;
constexpr unsigned char kBadDrawable = 9;
constexpr unsigned char kIsViewable = 2;
constexpr std::size_t kResponseSize = 32;

// How long the server may take to answer a sample: it answers in milliseconds, also while the
// window manager is stopped; what has not come by then is read and dropped at the next sample.
constexpr int kAnswerWithinMs = 100;

PictureConnection& reader = backend.pictures;

std::uint16_t read16(const unsigned char* at) {
    std::uint16_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

std::uint32_t read32(const unsigned char* at) {
    std::uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Requests are written in the connection's own byte order, which the X library chose as this
// machine's.
void put16(unsigned char* at, std::uint32_t value) {
    const std::uint16_t narrow = static_cast<std::uint16_t>(value);
    std::memcpy(at, &narrow, sizeof narrow);
}

void put32(unsigned char* at, std::uint32_t value) {
    std::memcpy(at, &value, sizeof value);
}

unsigned char* newRequest(unsigned char opcode, unsigned char data, int words) {
    unsigned char* at = reader.out + reader.outLength;
    std::memset(at, 0, static_cast<std::size_t>(words) * 4);
    at[0] = opcode;
    at[1] = data;
    put16(at + 2, static_cast<std::uint32_t>(words));
    reader.outLength += static_cast<std::size_t>(words) * 4;
    ++reader.sent;
    return at;
}

void askWindowOnly(unsigned char opcode, Window window) {
    put32(newRequest(opcode, 0, 2) + 4, static_cast<std::uint32_t>(window));
}

void askCoordinates(Window window) {
    unsigned char* at = newRequest(kTranslateCoordinates, 0, 4);
    put32(at + 4, static_cast<std::uint32_t>(window));
    put32(at + 8, static_cast<std::uint32_t>(backend.root));
}

void askRow(Window window, int top, int width) {
    unsigned char* at = newRequest(kGetImage, kZPixmap, 5);
    put32(at + 4, static_cast<std::uint32_t>(window));
    put16(at + 10, static_cast<std::uint32_t>(top));
    put16(at + 12, static_cast<std::uint32_t>(width));
    put16(at + 14, 1);
    put32(at + 16, 0xFFFFFFFFu);  // all planes
}

void giveUp() {
    close(reader.socket);
    reader.socket = -1;
}

// Waits for the socket until `deadlineMs`; false when the time is up or the connection failed.
bool waitFor(short events, long long deadlineMs) {
    const long long left = deadlineMs - monotonicMs();
    if (left <= 0) {
        return false;
    }
    pollfd socket = {reader.socket, events, 0};
    const int ready = poll(&socket, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) {
        return true;
    }
    if (ready > 0 && (socket.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0 &&
        (socket.revents & POLLIN) == 0) {
        giveUp();
        return false;
    }
    return ready > 0;
}

bool sendRequests(long long deadlineMs) {
    std::size_t written = 0;
    while (written < reader.outLength) {
        const ssize_t count =
            write(reader.socket, reader.out + written, reader.outLength - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
        } else if (count < 0 && errno != EAGAIN && errno != EINTR) {
            giveUp();
            return false;
        } else if (!waitFor(POLLOUT, deadlineMs)) {
            // Part of a request went: the server would take the next bytes as its rest.
            if (reader.socket >= 0 && written != 0) {
                giveUp();
            }
            return false;
        }
    }
    reader.outLength = 0;
    return true;
}

// Makes `count` bytes from the read position available in the buffer, reading what the server
// has sent; false when they did not come by `deadlineMs`.
bool have(std::size_t count, long long deadlineMs) {
    if (reader.inEnd - reader.inStart >= count) {
        return true;
    }
    if (reader.inStart != 0) {
        std::memmove(reader.in, reader.in + reader.inStart, reader.inEnd - reader.inStart);
        reader.inEnd -= reader.inStart;
        reader.inStart = 0;
    }
    while (reader.inEnd < count) {
        const ssize_t got =
            read(reader.socket, reader.in + reader.inEnd, sizeof reader.in - reader.inEnd);
        if (got > 0) {
            reader.inEnd += static_cast<std::size_t>(got);
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            giveUp();
            return false;
        } else if (!waitFor(POLLIN, deadlineMs)) {
            return false;
        }
    }
    return true;
}

// Drops `count` more bytes of what the server sent (an event, the rest of a response), through
// the buffer however many they are; what is not there by `deadlineMs` is dropped later.
bool skip(std::size_t count, long long deadlineMs) {
    reader.dropping += count;
    while (reader.dropping > 0) {
        if (reader.inEnd == reader.inStart && !have(1, deadlineMs)) {
            return false;
        }
        const std::size_t available = reader.inEnd - reader.inStart;
        const std::size_t part = reader.dropping < available ? reader.dropping : available;
        reader.inStart += part;
        reader.dropping -= part;
    }
    return true;
}

// The next reply or error, its 32 bytes at `*response` with the reply's extra data after them
// in the buffer (`*extra` bytes), events passed over; false when nothing came in time, or the
// connection is out of step (then given up).
bool nextResponse(const unsigned char** response, std::size_t* extra, long long deadlineMs) {
    for (;;) {
        if (reader.socket < 0 || !skip(0, deadlineMs) || !have(kResponseSize, deadlineMs)) {
            return false;
        }
        const unsigned char* at = reader.in + reader.inStart;
        const unsigned char type = at[0] & 0x7F;
        if (type == kErrorResponse || type == kReplyResponse) {
            const std::uint16_t sequence = read16(at + 2);
            if (sequence != static_cast<std::uint16_t>(reader.answered + 1)) {
                giveUp();
                return false;
            }
            *extra = type == kReplyResponse ? std::size_t{read32(at + 4)} * 4 : 0;
            if (*extra + kResponseSize > sizeof reader.in) {
                *response = at;  // the caller reads its data in parts
                return true;
            }
            if (!have(kResponseSize + *extra, deadlineMs)) {
                return false;
            }
            *response = reader.in + reader.inStart;
            return true;
        }
        // Events come to every client (a changed keyboard map): passed over.
        const std::size_t length =
            type == kGenericEvent ? kResponseSize + std::size_t{read32(at + 4)} * 4 : kResponseSize;
        if (!skip(length, deadlineMs)) {
            return false;
        }
    }
}

void finishResponse(std::size_t extra, long long deadlineMs) {
    ++reader.answered;
    const std::size_t available = reader.inEnd - reader.inStart;
    const std::size_t whole = kResponseSize + extra;
    if (whole <= available) {
        reader.inStart += whole;
    } else {
        reader.inStart = reader.inEnd;
        skip(whole - available, deadlineMs);
    }
}

// Reads and drops the answers a sample left behind when its time ran out.
bool catchUp(long long deadlineMs) {
    if (!skip(0, deadlineMs)) {
        return false;
    }
    while (reader.answered < reader.sent) {
        const unsigned char* response = nullptr;
        std::size_t extra = 0;
        if (!nextResponse(&response, &extra, deadlineMs)) {
            return false;
        }
        finishResponse(extra, deadlineMs);
    }
    return true;
}

// One colour of a pixel: where its bits are, and how they scale to 0 to 255.
struct Channel {
    unsigned long mask;
    int shift;
    std::uint32_t scale;  // 255 / the largest value, times 65536
};

Channel channelOf(unsigned long mask) {
    Channel channel = {mask, 0, 0};
    if (mask == 0) {
        return channel;
    }
    while (((mask >> channel.shift) & 1u) == 0) {
        ++channel.shift;
    }
    channel.scale = static_cast<std::uint32_t>((255ul << 16) / (mask >> channel.shift));
    return channel;
}

int level(const Channel& channel, std::uint32_t pixel) {
    return static_cast<int>(((pixel & channel.mask) >> channel.shift) * channel.scale >> 16);
}

// How the pixels of a window's rows are laid out, from its depth and visual as the server
// describes them at the connection's start.
struct PixelFormat {
    int bytesPerPixel;
    bool mostSignificantFirst;
    Channel red, green, blue;
    // Where each colour's byte is, when every colour is one whole byte of a 32-bit pixel (the
    // usual depth 24 and 32): read straight; -1 otherwise.
    int redByte, greenByte, blueByte;
};

// The byte of a 32-bit pixel that holds the channel, when it is exactly one byte; -1 otherwise.
int byteOf(const Channel& channel, bool mostSignificantFirst) {
    if (channel.mask >> channel.shift != 0xFF || channel.shift % 8 != 0) {
        return -1;
    }
    return mostSignificantFirst ? 3 - channel.shift / 8 : channel.shift / 8;
}

bool formatOf(int depth, VisualID visualId, PixelFormat* format) {
    Display* display = backend.display;
    int bitsPerPixel = 0;
    for (int i = 0; i < display->nformats; ++i) {
        if (display->pixmap_format[i].depth == depth) {
            bitsPerPixel = display->pixmap_format[i].bits_per_pixel;
        }
    }
    const Visual* visual = _XVIDtoVisual(display, visualId);
    if (visual == nullptr || (visual->c_class != TrueColor && visual->c_class != DirectColor) ||
        (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32)) {
        return false;
    }
    format->bytesPerPixel = bitsPerPixel / 8;
    format->mostSignificantFirst = ImageByteOrder(display) == MSBFirst;
    format->red = channelOf(visual->red_mask);
    format->green = channelOf(visual->green_mask);
    format->blue = channelOf(visual->blue_mask);
    const bool wholeBytes = format->bytesPerPixel == 4;
    format->redByte = wholeBytes ? byteOf(format->red, format->mostSignificantFirst) : -1;
    format->greenByte = wholeBytes ? byteOf(format->green, format->mostSignificantFirst) : -1;
    format->blueByte = wholeBytes ? byteOf(format->blue, format->mostSignificantFirst) : -1;
    return true;
}

std::uint32_t pixelAt(const unsigned char* at, const PixelFormat& format) {
    std::uint32_t pixel = 0;
    for (int i = 0; i < format.bytesPerPixel; ++i) {
        const int byte = format.mostSignificantFirst ? i : format.bytesPerPixel - 1 - i;
        pixel = pixel << 8 | at[byte];
    }
    return pixel;
}

// The points of one row, each added to its cell; `cellOf` names the cell column of each point.
void addPoint(int red, int green, int blue, std::uint32_t* cell, int* brightest) {
    *cell += static_cast<std::uint32_t>(77 * red + 150 * green + 29 * blue) >> 8;
    const int most = red > green ? (red > blue ? red : blue) : (green > blue ? green : blue);
    if (most > *brightest) {
        *brightest = most;
    }
}

void addRow(const unsigned char* row, const PixelFormat& format, const unsigned char* cellOf,
            int points, int columnStep, std::uint32_t* cells, int* brightest) {
    const int stride = columnStep * format.bytesPerPixel;
    if (format.redByte >= 0 && format.greenByte >= 0 && format.blueByte >= 0) {
        for (int point = 0; point < points; ++point, row += stride) {
            addPoint(row[format.redByte], row[format.greenByte], row[format.blueByte],
                     &cells[cellOf[point]], brightest);
        }
        return;
    }
    for (int point = 0; point < points; ++point, row += stride) {
        const std::uint32_t pixel = pixelAt(row, format);
        addPoint(level(format.red, pixel), level(format.green, pixel), level(format.blue, pixel),
                 &cells[cellOf[point]], brightest);
    }
}

// The window's state, asked together: its attributes, its size, where it stands on the screen,
// and the screen's size.
PictureRead readState(Window window, int* width, int* height, bool* offScreen, long long deadline) {
    askWindowOnly(kGetWindowAttributes, window);
    askWindowOnly(kGetGeometry, window);
    askCoordinates(window);
    askWindowOnly(kGetGeometry, backend.root);
    if (!sendRequests(deadline)) {
        return PictureRead::kFailed;
    }
    PictureRead result = PictureRead::kRead;
    int left = 0, top = 0, screenWidth = 0, screenHeight = 0;
    for (int answer = 0; answer < 4; ++answer) {
        const unsigned char* response = nullptr;
        std::size_t extra = 0;
        if (!nextResponse(&response, &extra, deadline)) {
            return PictureRead::kFailed;
        }
        if (response[0] == kErrorResponse) {
            result = response[1] == kBadWindow || response[1] == kBadDrawable
                         ? PictureRead::kGone
                         : PictureRead::kFailed;
        } else if (answer == 0 && response[26] != kIsViewable && result == PictureRead::kRead) {
            result = PictureRead::kNotShown;
        } else if (answer == 1) {
            *width = read16(response + 16);
            *height = read16(response + 18);
        } else if (answer == 2) {
            left = static_cast<std::int16_t>(read16(response + 12));
            top = static_cast<std::int16_t>(read16(response + 14));
        } else if (answer == 3) {
            screenWidth = read16(response + 16);
            screenHeight = read16(response + 18);
        }
        finishResponse(extra, deadline);
    }
    if (result == PictureRead::kRead && (*width < 1 || *height < 1)) {
        result = PictureRead::kNotShown;
    }
    *offScreen = left < 0 || top < 0 || left + *width > screenWidth || top + *height > screenHeight;
    return result;
}

}  // namespace

void openPictureConnection() {
    reader.socket = -1;
    Display* display = XOpenDisplay(DisplayString(backend.display));
    if (display == nullptr) {
        return;
    }
    // Whatever the X library asked at the start is answered before the viewer speaks.
    XSync(display, False);
    reader.display = display;
    reader.socket = ConnectionNumber(display);
    reader.sent = NextRequest(display) - 1;
    reader.answered = reader.sent;
    fcntl(reader.socket, F_SETFD, FD_CLOEXEC);
    fcntl(reader.socket, F_SETFL, fcntl(reader.socket, F_GETFL) | O_NONBLOCK);
}

}  // namespace platform::x11

namespace platform {

using x11::backend;

PictureRead samplePicture(WindowHandle handle, PictureSample* sample) {
    if (backend.display == nullptr || handle == 0 || (handle & x11::kProcessWindowBit) != 0 ||
        backend.pictures.socket < 0) {
        return PictureRead::kFailed;
    }
    // The whole sample within one bound, what an earlier one left unread included.
    const long long deadline = monotonicMs() + x11::kAnswerWithinMs;
    if (!x11::catchUp(deadline)) {
        return PictureRead::kFailed;
    }
    const Window window = static_cast<Window>(handle);
    int width = 0, height = 0;
    bool offScreen = false;
    const PictureRead state = x11::readState(window, &width, &height, &offScreen, deadline);
    if (state != PictureRead::kRead) {
        return state;
    }
    // Every fourth row and every fourth pixel of it; a larger window is read more thinly, so
    // that a sample stays a bounded read.
    const int readWidth = width < x11::kMostPictureWidth ? width : x11::kMostPictureWidth;
    const int rowStep = height <= x11::kMostPictureRowsRead * kPictureStep
                            ? kPictureStep
                            : (height + x11::kMostPictureRowsRead - 1) / x11::kMostPictureRowsRead;
    const int columnStep =
        readWidth <= x11::kMostPicturePointsAcross * kPictureStep
            ? kPictureStep
            : (readWidth + x11::kMostPicturePointsAcross - 1) / x11::kMostPicturePointsAcross;
    const int points = (readWidth + columnStep - 1) / columnStep;
    int rows = 0;
    for (int top = rowStep / 2; top < height; top += rowStep) {
        x11::askRow(window, top, readWidth);
        ++rows;
    }
    if (!x11::sendRequests(deadline)) {
        return PictureRead::kFailed;
    }
    // The cell column of each point across, and the cell row of each row read.
    unsigned char cellOf[x11::kMostPicturePointsAcross];
    for (int column = 0, point = 0; column < kPictureColumns; ++column) {
        const int end = (column + 1) * readWidth / kPictureColumns;
        for (; point < points && point * columnStep < end; ++point) {
            cellOf[point] = static_cast<unsigned char>(column);
        }
    }
    std::memset(sample->cells, 0, sizeof sample->cells);
    sample->brightest = 0;
    PictureRead result = PictureRead::kRead;
    x11::PixelFormat format = {};
    bool formatKnown = false;
    for (int row = 0; row < rows; ++row) {
        const unsigned char* response = nullptr;
        std::size_t extra = 0;
        if (!x11::nextResponse(&response, &extra, deadline)) {
            return PictureRead::kFailed;
        }
        if (response[0] == x11::kErrorResponse) {
            result = response[1] == x11::kBadWindow || response[1] == x11::kBadDrawable
                         ? PictureRead::kGone
                     : offScreen ? PictureRead::kOffScreen
                                 : PictureRead::kFailed;
        } else if (result == PictureRead::kRead) {
            if (!formatKnown) {
                formatKnown = x11::formatOf(response[1], x11::read32(response + 8), &format);
                if (!formatKnown) {
                    result = PictureRead::kFailed;
                }
            }
            const std::size_t rowBytes = static_cast<std::size_t>(readWidth) * format.bytesPerPixel;
            if (formatKnown && extra >= rowBytes &&
                x11::kResponseSize + rowBytes <=
                    backend.pictures.inEnd - backend.pictures.inStart) {
                const int top = rowStep / 2 + row * rowStep;
                std::uint32_t* cellRow =
                    sample->cells + top * kPictureRows / height * kPictureColumns;
                x11::addRow(response + x11::kResponseSize, format, cellOf, points, columnStep,
                            cellRow, &sample->brightest);
            }
        }
        x11::finishResponse(extra, deadline);
    }
    return result;
}

}  // namespace platform
