// Reading what a player's window shows, on a connection of the viewer's own to the X server.
//
// The X library keeps every reply in a buffer it allocates, and waits for each before the next
// request: a pane read through it would cost dozens of allocations and round trips a second. So
// the X library opens a second connection at start (it knows the server's address and its
// authorization), and from then on the viewer alone speaks on it: a sample is two batches of
// requests, each sent at once and answered in order into a fixed buffer (the window's state, then
// a row of pixels for every sixteenth row of it), read as they come and reduced on the way. The X
// library never touches that connection again. Where the server offers it (MIT-SHM, on the same
// machine), the rows are written by the server into memory shared with it, made at start, and
// only their short replies cross the connection: the copying is the server's.
//
// The X server answers for any window it shows, another client's too: under Xorg from the screen,
// so without a compositor a window only partly on the screen cannot be read (BadMatch) and what
// covers the window is what is read; under a Wayland desktop's Xwayland from the window's own
// buffer. Pixels come in the server's own format, converted here through the window's visual.
#include <X11/Xlibint.h>
#include <fcntl.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/internal.h"
#include "platform/shared/frame_cells.h"
#include "platform/x11/internal.h"

namespace platform::x11 {

namespace {

// X protocol: request opcodes, and what a response starts with.
constexpr unsigned char kGetWindowAttributes = 3;
constexpr unsigned char kGetGeometry = 14;
constexpr unsigned char kTranslateCoordinates = 40;
constexpr unsigned char kGetImage = 73;
constexpr unsigned char kGetInputFocus = 43;
constexpr unsigned char kShmAttach = 1;  // MIT-SHM's own request numbers
constexpr unsigned char kShmGetImage = 4;
constexpr unsigned char kZPixmap = 2;
constexpr unsigned char kErrorResponse = 0;
constexpr unsigned char kReplyResponse = 1;
constexpr unsigned char kGenericEvent = 35;
constexpr unsigned char kBadWindow = 3;
constexpr unsigned char kBadDrawable = 9;
constexpr unsigned char kIsViewable = 2;
constexpr std::size_t kResponseSize = 32;

// How long the server may take to attach the shared memory, once at start.
constexpr int kAttachWithinMs = 1000;
// The longest one read or write on the connection waits.
constexpr int kWaitStepMs = 40;
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

void askSharedRow(Window window, int top, int width, std::uint32_t offset) {
    unsigned char* at = newRequest(reader.sharedOpcode, kShmGetImage, 8);
    put32(at + 4, static_cast<std::uint32_t>(window));
    put16(at + 10, static_cast<std::uint32_t>(top));
    put16(at + 12, static_cast<std::uint32_t>(width));
    put16(at + 14, 1);
    put32(at + 16, 0xFFFFFFFFu);  // all planes
    at[20] = kZPixmap;
    put32(at + 24, reader.sharedSegment);
    put32(at + 28, offset);
}

void giveUp() {
    close(reader.socket);
    reader.socket = -1;
}

// The socket blocks, each call for at most kWaitStepMs (its send and receive timeouts): a read
// returns as soon as the server has answered, one call where a wait and a read would be two,
// and the time is checked between calls.
bool sendRequests(long long deadlineMs) {
    std::size_t written = 0;
    while (written < reader.outLength) {
        const ssize_t count =
            write(reader.socket, reader.out + written, reader.outLength - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
        } else if ((count < 0 && errno != EAGAIN && errno != EINTR) ||
                   monotonicMs() >= deadlineMs) {
            // Part of a request may have gone: the server would take the next bytes as its rest.
            giveUp();
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
        if (monotonicMs() >= deadlineMs) {
            return false;
        }
        const ssize_t got =
            read(reader.socket, reader.in + reader.inEnd, sizeof reader.in - reader.inEnd);
        if (got > 0) {
            reader.inEnd += static_cast<std::size_t>(got);
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            giveUp();
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

// Bytes a pixel of a window of this depth takes in an image; 0 for a layout not read.
int bytesPerPixelOf(int depth) {
    const Display* display = backend.display;
    for (int i = 0; i < display->nformats; ++i) {
        if (display->pixmap_format[i].depth == depth) {
            const int bits = display->pixmap_format[i].bits_per_pixel;
            return bits == 16 || bits == 24 || bits == 32 ? bits / 8 : 0;
        }
    }
    return 0;
}

bool formatOf(int depth, VisualID visualId, PixelFormat* format) {
    Display* display = backend.display;
    const int bitsPerPixel = bytesPerPixelOf(depth) * 8;
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
int brightestOf(int red, int green, int blue) {
    const int most = red > green ? red : green;
    return most > blue ? most : blue;
}

// A point's luma, times 256.
std::uint32_t lumaOf(int red, int green, int blue) {
    return static_cast<std::uint32_t>(77 * red + 150 * green + 29 * blue);
}

// The points of one row, each added to its cell: the points of a cell column are one run of the
// row (`cellEnds`: the point each column ends before), summed in a local, as is the brightest.
// Whole-byte colours are read straight, others through the masks.
template <bool kWholeBytes>
void addRowAs(const unsigned char* row, const PixelFormat& format, const int* cellEnds,
              int columnStep, std::uint32_t* cells, int* brightest) {
    const int stride = columnStep * format.bytesPerPixel;
    const int redByte = format.redByte, greenByte = format.greenByte;
    const int blueByte = format.blueByte;
    int bright = *brightest;
    int point = 0;
    for (int column = 0; column < kPictureColumns; ++column) {
        std::uint32_t sum = 0;
        for (; point < cellEnds[column]; ++point, row += stride) {
            int red, green, blue;
            if (kWholeBytes) {
                red = row[redByte];
                green = row[greenByte];
                blue = row[blueByte];
            } else {
                const std::uint32_t pixel = pixelAt(row, format);
                red = level(format.red, pixel);
                green = level(format.green, pixel);
                blue = level(format.blue, pixel);
            }
            sum += lumaOf(red, green, blue);
            const int most = brightestOf(red, green, blue);
            bright = most > bright ? most : bright;
        }
        cells[column] += sum;
    }
    *brightest = bright;
}

void addRow(const unsigned char* row, const PixelFormat& format, const int* cellEnds,
            int columnStep, std::uint32_t* cells, int* brightest) {
    if (format.redByte >= 0 && format.greenByte >= 0 && format.blueByte >= 0) {
        addRowAs<true>(row, format, cellEnds, columnStep, cells, brightest);
    } else {
        addRowAs<false>(row, format, cellEnds, columnStep, cells, brightest);
    }
}

constexpr int kStateAnswers = 4;

void askState(Window window) {
    askWindowOnly(kGetWindowAttributes, window);
    askWindowOnly(kGetGeometry, window);
    askCoordinates(window);
    askWindowOnly(kGetGeometry, backend.root);
}

bool readState(WindowState* state, long long deadline) {
    *state = {PictureRead::kRead, 0, 0, 0, 0, 0, false};
    int left = 0, top = 0, screenWidth = 0, screenHeight = 0;
    for (int answer = 0; answer < kStateAnswers; ++answer) {
        const unsigned char* response = nullptr;
        std::size_t extra = 0;
        if (!nextResponse(&response, &extra, deadline)) {
            return false;
        }
        if (response[0] == kErrorResponse) {
            state->read = response[1] == kBadWindow || response[1] == kBadDrawable
                              ? PictureRead::kGone
                              : PictureRead::kFailed;
        } else if (answer == 0 && response[26] != kIsViewable &&
                   state->read == PictureRead::kRead) {
            state->read = PictureRead::kNotShown;
        } else if (answer == 1) {
            state->depth = response[1];
            state->width = read16(response + 16);
            state->height = read16(response + 18);
        } else if (answer == 2) {
            left = static_cast<std::int16_t>(read16(response + 12));
            top = static_cast<std::int16_t>(read16(response + 14));
        } else if (answer == 3) {
            screenWidth = read16(response + 16);
            screenHeight = read16(response + 18);
        }
        finishResponse(extra, deadline);
    }
    if (state->read == PictureRead::kRead && (state->width < 1 || state->height < 1)) {
        state->read = PictureRead::kNotShown;
    }
    state->left = left;
    state->top = top;
    state->offScreen = left < 0 || top < 0 || left + state->width > screenWidth ||
                       top + state->height > screenHeight;
    return true;
}

bool planRows(int width, int height, int depth, RowPlan* plan) {
    plan->width = width;
    plan->height = height;
    plan->depth = depth;
    plan->bytesPerPixel = bytesPerPixelOf(depth);
    if (plan->bytesPerPixel == 0 || width < 1 || height < 1) {
        return false;
    }
    plan->readWidth = width < kMostPictureWidth ? width : kMostPictureWidth;
    plan->rowBytes = (static_cast<std::size_t>(plan->readWidth) * plan->bytesPerPixel + 3) / 4 * 4;
    const int mostRows =
        reader.shared != nullptr && kSharedPerWindow / plan->rowBytes < kMostPictureRowsRead
            ? static_cast<int>(kSharedPerWindow / plan->rowBytes)
            : kMostPictureRowsRead;
    plan->rowStep =
        height <= mostRows * kPictureRowStep ? kPictureRowStep : (height + mostRows - 1) / mostRows;
    plan->columnStep =
        plan->readWidth <= kMostPicturePointsAcross * kPictureStep
            ? kPictureStep
            : (plan->readWidth + kMostPicturePointsAcross - 1) / kMostPicturePointsAcross;
    plan->rows = (height - plan->rowStep / 2 + plan->rowStep - 1) / plan->rowStep;
    const int points = (plan->readWidth + plan->columnStep - 1) / plan->columnStep;
    for (int column = 0, point = 0; column < kPictureColumns; ++column) {
        const int end = (column + 1) * plan->readWidth / kPictureColumns;
        while (point < points && point * plan->columnStep < end) {
            ++point;
        }
        plan->cellEnds[column] = point;
    }
    return true;
}

// The window asked `place`-th in an exchange has its own part of the shared memory.
void askRows(Window window, const RowPlan& plan, int place) {
    for (int row = 0; row < plan.rows; ++row) {
        const int top = plan.rowStep / 2 + row * plan.rowStep;
        if (reader.shared != nullptr) {
            askSharedRow(
                window, top, plan.readWidth,
                static_cast<std::uint32_t>(place * kSharedPerWindow + row * plan.rowBytes));
        } else {
            askRow(window, top, plan.readWidth);
        }
    }
}

// The points of a row read that lie under an alarm frame, the row `top` of a window at `state`,
// are made black: what a frame shows is never taken for the picture (without compositing, a
// window's pixels are what the screen shows, frames included).
void leaveOutFrames(unsigned char* pixels, const RowPlan& plan, const WindowState& state, int top) {
    frames::Span spans[frames::kMostSpans];
    const int count = frames::spansUnderFrames(std::int64_t{state.top} + top, spans);
    const int points = (plan.readWidth + plan.columnStep - 1) / plan.columnStep;
    for (int i = 0; i < count; ++i) {
        const std::int64_t from = spans[i].left - state.left;
        const std::int64_t to = spans[i].right - state.left;
        std::int64_t point = from <= 0 ? 0 : (from + plan.columnStep - 1) / plan.columnStep;
        for (; point < points && point * plan.columnStep < to; ++point) {
            std::memset(pixels + point * plan.columnStep * plan.bytesPerPixel, 0,
                        static_cast<std::size_t>(plan.bytesPerPixel));
        }
    }
}

// Reads the answers to the plan's rows; with `use`, adds their points to the sample. False when
// they did not all come in time.
bool readRows(const RowPlan& plan, int place, bool use, const WindowState& state,
              PictureSample* sample, PictureRead* result, long long deadline) {
    const bool offScreen = state.offScreen;
    std::memset(sample->cells, 0, sizeof sample->cells);
    sample->brightest = 0;
    *result = PictureRead::kRead;
    PixelFormat format = {};
    bool formatKnown = false;
    for (int row = 0; row < plan.rows; ++row) {
        const unsigned char* response = nullptr;
        std::size_t extra = 0;
        if (!nextResponse(&response, &extra, deadline)) {
            return false;
        }
        if (!use) {
        } else if (response[0] == kErrorResponse) {
            *result = response[1] == kBadWindow || response[1] == kBadDrawable ? PictureRead::kGone
                      : offScreen ? PictureRead::kOffScreen
                                  : PictureRead::kFailed;
        } else if (*result == PictureRead::kRead) {
            if (!formatKnown) {
                formatKnown = response[1] == plan.depth &&
                              formatOf(response[1], read32(response + 8), &format);
                if (!formatKnown) {
                    *result = PictureRead::kFailed;
                }
            }
            const std::size_t pixelBytes =
                static_cast<std::size_t>(plan.readWidth) * plan.bytesPerPixel;
            unsigned char* pixels =
                reader.shared != nullptr
                    ? reader.shared + place * kSharedPerWindow + row * plan.rowBytes
                : extra >= pixelBytes && kResponseSize + pixelBytes <= reader.inEnd - reader.inStart
                    ? reader.in + (response - reader.in) + kResponseSize
                    : nullptr;
            if (formatKnown && pixels != nullptr) {
                const int top = plan.rowStep / 2 + row * plan.rowStep;
                leaveOutFrames(pixels, plan, state, top);
                addRow(pixels, format, plan.cellEnds, plan.columnStep,
                       sample->cells + top * kPictureRows / plan.height * kPictureColumns,
                       &sample->brightest);
            }
        }
        finishResponse(extra, deadline);
    }
    return true;
}

// The plan each window was read with last, so that its rows are asked for with its state, in
// one exchange: a window is read again at the size it had.
RowPlan& planOf(Window window) {
    for (int i = 0; i < kKnownWindows; ++i) {
        if (reader.knownWindows[i] == window) {
            return reader.plans[i];
        }
    }
    reader.nextKnown = (reader.nextKnown + 1) % kKnownWindows;
    reader.knownWindows[reader.nextKnown] = window;
    reader.plans[reader.nextKnown] = RowPlan{};
    return reader.plans[reader.nextKnown];
}

// Makes the memory the server writes rows into, and has the server attach it: ShmAttach has no
// reply, so a request that has one follows it, and what comes first tells. The segment is marked
// for removal once attached: it goes when the viewer and the server have both let it go.
void shareMemory(int opcode, XID segment) {
    const int id = shmget(IPC_PRIVATE, kSharedSize, IPC_CREAT | 0600);
    if (id < 0) {
        return;
    }
    void* memory = shmat(id, nullptr, 0);
    if (reinterpret_cast<std::intptr_t>(memory) == -1) {  // shmat's failure
        shmctl(id, IPC_RMID, nullptr);
        return;
    }
    unsigned char* at = newRequest(static_cast<unsigned char>(opcode), kShmAttach, 4);
    put32(at + 4, static_cast<std::uint32_t>(segment));
    put32(at + 8, static_cast<std::uint32_t>(id));
    newRequest(kGetInputFocus, 0, 1);
    const long long deadline = monotonicMs() + kAttachWithinMs;
    bool attached = false;
    if (sendRequests(deadline)) {
        // The attach is answered only when it failed: count it answered, and see what comes.
        ++reader.answered;
        const unsigned char* response = nullptr;
        std::size_t extra = 0;
        if (have(kResponseSize, deadline) && reader.in[reader.inStart] == kErrorResponse &&
            read16(reader.in + reader.inStart + 2) == static_cast<std::uint16_t>(reader.answered)) {
            reader.inStart += kResponseSize;
        } else {
            attached = true;
        }
        if (nextResponse(&response, &extra, deadline)) {
            finishResponse(extra, deadline);
        } else {
            attached = false;
        }
    }
    shmctl(id, IPC_RMID, nullptr);
    if (attached && reader.socket >= 0) {
        reader.shared = static_cast<unsigned char*>(memory);
        reader.sharedOpcode = static_cast<unsigned char>(opcode);
        reader.sharedSegment = static_cast<std::uint32_t>(segment);
    } else {
        shmdt(memory);
    }
}

}  // namespace

void openPictureConnection() {
    reader.socket = -1;
    Display* display = XOpenDisplay(DisplayString(backend.display));
    if (display == nullptr) {
        return;
    }
    int opcode = 0, firstEvent = 0, firstError = 0;
    const bool canShare = XQueryExtension(display, "MIT-SHM", &opcode, &firstEvent, &firstError);
    const XID segment = canShare ? XAllocID(display) : 0;
    // Whatever the X library asked at the start is answered before the viewer speaks.
    XSync(display, False);
    reader.display = display;
    reader.socket = ConnectionNumber(display);
    reader.sent = NextRequest(display) - 1;
    reader.answered = reader.sent;
    fcntl(reader.socket, F_SETFD, FD_CLOEXEC);
    fcntl(reader.socket, F_SETFL, fcntl(reader.socket, F_GETFL) & ~O_NONBLOCK);
    const timeval step = {0, kWaitStepMs * 1000};
    setsockopt(reader.socket, SOL_SOCKET, SO_RCVTIMEO, &step, sizeof step);
    setsockopt(reader.socket, SOL_SOCKET, SO_SNDTIMEO, &step, sizeof step);
    if (canShare) {
        shareMemory(opcode, segment);
    }
}

}  // namespace platform::x11

namespace platform {

using x11::backend;

void askPictures(const WindowHandle* windows, int count) {
    x11::PictureConnection& reader = backend.pictures;
    reader.askedCount = count < kMostPicturesAsked ? count : kMostPicturesAsked;
    // Nothing is asked without a connection, or while an earlier exchange is still unanswered:
    // takePictures then says each read failed.
    reader.askFailed = backend.display == nullptr || reader.socket < 0 ||
                       !x11::catchUp(monotonicMs() + x11::kAnswerWithinMs);
    for (int i = 0; i < reader.askedCount && !reader.askFailed; ++i) {
        x11::Asked& asked = reader.asked[i];
        asked.window =
            (windows[i] & x11::kProcessWindowBit) != 0 ? None : static_cast<Window>(windows[i]);
        asked.plan = &x11::planOf(asked.window);
        asked.planned = asked.window != None && asked.plan->rows > 0;
        if (asked.window != None) {
            x11::askState(asked.window);
        }
        if (asked.planned) {
            x11::askRows(asked.window, *asked.plan, i);
        }
    }
    reader.askFailed = reader.askFailed || !x11::sendRequests(monotonicMs() + x11::kAnswerWithinMs);
}

void takePictures(PictureRead* reads, PictureSample* samples) {
    x11::PictureConnection& reader = backend.pictures;
    // What the server answered since askPictures, read within one bound; a window read for the
    // first time, or whose size or depth changed since its last read, is read again at once.
    const long long deadline = monotonicMs() + x11::kAnswerWithinMs;
    bool readAgain = false;
    for (int i = 0; i < reader.askedCount; ++i) {
        x11::Asked& asked = reader.asked[i];
        reads[i] = PictureRead::kFailed;
        asked.again = false;
        x11::WindowState& state = asked.state;
        if (reader.askFailed || asked.window == None || !x11::readState(&state, deadline)) {
            reader.askFailed = reader.askFailed || asked.window != None;
            continue;
        }
        const x11::RowPlan& plan = *asked.plan;
        const bool asPlanned = state.read == PictureRead::kRead && state.width == plan.width &&
                               state.height == plan.height && state.depth == plan.depth;
        if (asked.planned &&
            !x11::readRows(plan, i, asPlanned, state, &samples[i], &reads[i], deadline)) {
            reader.askFailed = true;
            reads[i] = PictureRead::kFailed;
            continue;
        }
        if (state.read != PictureRead::kRead) {
            asked.plan->rows = 0;
            reads[i] = state.read;
        } else if (!asPlanned) {
            asked.again = x11::planRows(state.width, state.height, state.depth, asked.plan);
            if (!asked.again) {
                asked.plan->rows = 0;
            }
            readAgain = readAgain || asked.again;
        }
    }
    if (!readAgain || reader.askFailed) {
        return;
    }
    for (int i = 0; i < reader.askedCount; ++i) {
        if (reader.asked[i].again) {
            x11::askRows(reader.asked[i].window, *reader.asked[i].plan, i);
        }
    }
    if (!x11::sendRequests(deadline)) {
        return;
    }
    for (int i = 0; i < reader.askedCount; ++i) {
        const x11::Asked& asked = reader.asked[i];
        if (asked.again &&
            !x11::readRows(*asked.plan, i, true, asked.state, &samples[i], &reads[i], deadline)) {
            reads[i] = PictureRead::kFailed;
            return;
        }
    }
}

bool pictureReadsShared() {
    return backend.pictures.shared != nullptr;
}

}  // namespace platform
