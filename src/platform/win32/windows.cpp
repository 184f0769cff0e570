// Windows of other programs: the players' windows and the viewer's own console window.
//
// A player that hangs (a stuck VLC, one held in a debugger) must not freeze the monitor: titles
// and keys are sent with a timeout and given up on a window that does not answer, and
// minimizing, restoring and moving are posted to the player's thread rather than waited for. For
// a responsive window this is the same as SetWindowTextA, SendMessageA, ShowWindow and
// MoveWindow.
#include <windows.h>

#include <climits>
#include <cstdint>

#include "platform/platform.h"
#include "platform/shared/frame_cells.h"
#include "platform/win32/internal.h"

namespace {

constexpr UINT kAnswerTimeoutMs = 500;
constexpr int kMaxPlayers = 4;

// The players whose taking the foreground is reported; none when the keyboard is not watched.
HWND watchedPlayers[kMaxPlayers];
int watchedPlayerCount;

// Window coordinates are ints; a number beyond them stays at the nearest end.
int toInt(std::int64_t value) {
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

HWND windowOf(platform::WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

// The layout on its way, and whether its players are still to be shown again after the pause.
platform::LayoutGoal layoutOnItsWay;
bool restoresPending;
long long restoreAtMs;

// MoveWindow's own flags (no z-order change, no activation, repainted), posted.
void moveWindow(const platform::WindowGoal& goal) {
    if (goal.window != 0) {
        SetWindowPos(windowOf(goal.window), nullptr, toInt(goal.left), toInt(goal.top),
                     toInt(goal.width), toInt(goal.height),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
}

struct Listing {
    platform::WindowVisitor visit;
    void* context;
};

BOOL CALLBACK visitWindow(HWND window, LPARAM parameter) {
    const Listing& listing = *reinterpret_cast<const Listing*>(parameter);
    platform::WindowInfo info;
    info.handle = reinterpret_cast<platform::WindowHandle>(window);
    info.title[0] = '\0';
    GetWindowTextA(window, info.title, static_cast<int>(platform::kWindowTitleSize));
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    info.ownerProcessId = owner;
    return listing.visit(info, listing.context) ? TRUE : FALSE;
}

void sendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                        &result);
}

// Reading what a player's window shows: its client area as the desktop composes it on the
// screen, which holds the video VLC draws with Direct3D (the window's own device context often
// gives black or old pixels for it), stretched without blending into a bitmap of the viewer's
// own, made once at start, so that the bitmap holds every eighth pixel of every sixteenth row.
constexpr int kMostPointsAcross = 512;
constexpr int kMostRowsRead = 256;
HDC sampleDc;
void* sampleBits;

}  // namespace

namespace platform {

bool openWindowSystem(char*, std::size_t, WindowSystemLostHandler) {
    BITMAPINFO format;
    ZeroMemory(&format, sizeof format);
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = kMostPointsAcross;
    format.bmiHeader.biHeight = -kMostRowsRead;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    sampleDc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = sampleDc != nullptr ? CreateDIBSection(sampleDc, &format, DIB_RGB_COLORS,
                                                            &sampleBits, nullptr, 0)
                                         : nullptr;
    if (bitmap != nullptr) {
        SelectObject(sampleDc, bitmap);
        SetStretchBltMode(sampleDc, COLORONCOLOR);  // every n-th pixel, none blended
    } else {
        sampleBits = nullptr;
    }
    internal::makeFrames();
    return true;
}

}  // namespace platform

namespace {

platform::WindowHandle askedWindows[platform::kMostPicturesAsked];
int askedCount;

// One window's picture, read now.
platform::PictureRead readPicture(platform::WindowHandle handle, platform::PictureSample* sample) {
    using platform::kPictureColumns;
    using platform::kPictureRows;
    using platform::kPictureRowStep;
    using platform::kPictureStep;
    using platform::PictureRead;
    HWND window = windowOf(handle);
    if (window == nullptr || !IsWindow(window)) {
        return PictureRead::kGone;
    }
    RECT client;
    if (!IsWindowVisible(window) || IsIconic(window) || !GetClientRect(window, &client) ||
        client.right < 1 || client.bottom < 1) {
        return PictureRead::kNotShown;
    }
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    const int screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    if (origin.x < screenLeft || origin.y < screenTop ||
        origin.x + client.right > screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN) ||
        origin.y + client.bottom > screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN)) {
        return PictureRead::kOffScreen;  // the screen holds no picture of the part beyond it
    }
    if (sampleBits == nullptr) {
        return PictureRead::kFailed;
    }
    const int width = client.right;
    const int height = client.bottom;
    const int across = (width + kPictureStep - 1) / kPictureStep;
    const int down = (height + kPictureRowStep - 1) / kPictureRowStep;
    const int points = across < kMostPointsAcross ? across : kMostPointsAcross;
    const int rows = down < kMostRowsRead ? down : kMostRowsRead;
    HDC screenDc = GetDC(nullptr);
    if (screenDc == nullptr) {
        return PictureRead::kFailed;
    }
    const bool read = StretchBlt(sampleDc, 0, 0, points, rows, screenDc, origin.x, origin.y, width,
                                 height, SRCCOPY) != 0;
    ReleaseDC(nullptr, screenDc);
    GdiFlush();
    if (!read) {
        return PictureRead::kFailed;
    }
    ZeroMemory(sample->cells, sizeof sample->cells);
    sample->brightest = 0;
    for (int row = 0; row < rows; ++row) {
        const unsigned char* pixel =
            static_cast<const unsigned char*>(sampleBits) + row * kMostPointsAcross * 4;
        std::uint32_t* cellRow = sample->cells + row * kPictureRows / rows * kPictureColumns;
        // The points under an alarm frame (the screen shows the frames above the players) are
        // left out: what a frame shows is never taken for the picture.
        platform::frames::Span spans[platform::frames::kMostSpans];
        const int spanCount = platform::frames::spansUnderFrames(
            origin.y + (std::int64_t{row} * height + height / 2) / rows, spans);
        for (int point = 0; point < points; ++point, pixel += 4) {
            const std::int64_t x = origin.x + (std::int64_t{point} * width + width / 2) / points;
            bool underFrame = false;
            for (int i = 0; i < spanCount; ++i) {
                underFrame = underFrame || (x >= spans[i].left && x < spans[i].right);
            }
            if (underFrame) {
                continue;
            }
            const int blue = pixel[0], green = pixel[1], red = pixel[2];
            cellRow[point * kPictureColumns / points] +=
                static_cast<std::uint32_t>(77 * red + 150 * green + 29 * blue) >> 8;
            const int most =
                red > green ? (red > blue ? red : blue) : (green > blue ? green : blue);
            if (most > sample->brightest) {
                sample->brightest = most;
            }
        }
    }
    return PictureRead::kRead;
}

}  // namespace

namespace platform {

// GDI reads at once, without a round trip to wait for: the windows are read when the answers
// are taken.
void askPictures(const WindowHandle* windows, int count) {
    askedCount = count < kMostPicturesAsked ? count : kMostPicturesAsked;
    for (int i = 0; i < askedCount; ++i) {
        askedWindows[i] = windows[i];
    }
}

void takePictures(PictureRead* reads, PictureSample* samples) {
    for (int i = 0; i < askedCount; ++i) {
        reads[i] = readPicture(askedWindows[i], &samples[i]);
    }
}

// The screen is the one read there is.
bool pictureReadsShared() {
    return true;
}

bool consoleMayBeOutOfReach() {
    return false;
}

void listTopLevelWindows(WindowVisitor visit, void* context, bool /*wholeTree*/) {
    // Windows keeps one list of top-level windows, and it is whole. NOTE: EnumWindows, not
    // EnumChildWindows with no parent: under Wine the latter fails with error 1400 and never calls
    // back.
    Listing listing = {visit, context};
    EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&listing));
}

void minimizeWindow(int /*slot*/, WindowHandle window) {
    if (window != 0) {
        ShowWindowAsync(windowOf(window), SW_MINIMIZE);
    }
}

// Windows takes the requests in order and places a top-level window where it is asked: the
// minimizes and the console's move are posted at once, the players' restores and moves once the
// pause is over, and there is nothing to read back or wait for.
void beginPlacement(const LayoutGoal& layout) {
    layoutOnItsWay = layout;
    restoresPending = false;
    for (int slot = 0; slot < kLayoutSlots; ++slot) {
        const WindowGoal& goal = layout.windows[slot];
        if (goal.hideFirst) {
            minimizeWindow(slot, goal.window);
            restoresPending = restoresPending || goal.window != 0;
        } else {
            moveWindow(goal);
        }
    }
    restoreAtMs = monotonicMs() + layout.pauseMs;
}

bool advancePlacement() {
    if (restoresPending && monotonicMs() >= restoreAtMs) {
        restoresPending = false;
        for (const WindowGoal& goal : layoutOnItsWay.windows) {
            if (goal.hideFirst && goal.window != 0) {
                ShowWindowAsync(windowOf(goal.window), SW_RESTORE);
            }
        }
        for (const WindowGoal& goal : layoutOnItsWay.windows) {
            if (goal.hideFirst) {
                moveWindow(goal);
            }
        }
    }
    return !restoresPending;
}

long long placementWakeMs() {
    return restoresPending ? restoreAtMs : LLONG_MAX;
}

void waitForWindowNews(long long untilMs) {
    const long long left = untilMs - monotonicMs();
    if (left > 0) {
        sleepMs(left < INT_MAX ? static_cast<int>(left) : INT_MAX);
    }
}

// A layout cut short (H) shows nothing more.
void endPlacement() {
    restoresPending = false;
}

bool windowPlaced(int) {
    return true;
}

// Windows keeps nothing of a window between layouts.
void forgetWindow(int) {}

void setWindowTitle(WindowHandle window, const char* title) {
    if (window != 0) {
        sendWithin(windowOf(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title));
    }
}

void sendKey(WindowHandle window, int virtualKey) {
    if (window != 0) {
        sendWithin(windowOf(window), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 0);
        sendWithin(windowOf(window), WM_KEYUP, static_cast<WPARAM>(virtualKey), 0);
    }
}

void watchKeyboard(WindowHandle, const WindowHandle* players, int playerCount) {
    watchedPlayerCount = playerCount < kMaxPlayers ? playerCount : kMaxPlayers;
    for (int i = 0; i < watchedPlayerCount; ++i) {
        watchedPlayers[i] = windowOf(players[i]);
    }
}

void stopWatchingKeyboard() {
    watchedPlayerCount = 0;
}

void giveKeysTo(WindowHandle window) {
    // A minimized window stays so: bringing it to the foreground would restore it.
    if (window != 0 && !IsIconic(windowOf(window))) {
        SetForegroundWindow(windowOf(window));
    }
}

// A console program gets no news of the foreground: while the keyboard is watched, it is looked
// at in every cycle.
unsigned handleWindowEvents() {
    const HWND foreground = GetForegroundWindow();
    for (int i = 0; i < watchedPlayerCount; ++i) {
        if (foreground != nullptr && foreground == watchedPlayers[i]) {
            return kPlayerTookKeys;
        }
    }
    return 0;
}

namespace internal {

bool windowEventsExpected() {
    return watchedPlayerCount > 0;
}

}  // namespace internal

}  // namespace platform
