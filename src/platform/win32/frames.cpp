// The alarm frames on Windows: one topmost tool window a pane, never activated, shaped by a
// region to the frame's band and its label. They live on a thread of their own that does nothing
// but their messages, so that they paint whatever the cycle is doing and the cycle never waits on
// them: the cycle leaves what each should show in a record and posts the frame's thread a word.
#include <windows.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/shared/frame_cells.h"
#include "platform/win32/internal.h"

namespace {

constexpr int kPanes = 4;
static_assert(kPanes == platform::frames::kPanes, "a frame a pane");
constexpr UINT kFrameChanged = WM_APP + 1;
constexpr COLORREF kAlarmColour = RGB(224, 16, 16);
constexpr COLORREF kClearedColour = RGB(255, 176, 0);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr int kTextLeft = 3;
constexpr char kClassName[] = "RezerivoveAlarmFrame";

// What each frame is to show, as the cycle left it; read by the frames' thread under the lock.
struct FrameGoal {
    platform::FrameCell cell;
    bool placed;
    platform::FrameLook look;
    char label[platform::kFrameLabelSize];
};

CRITICAL_SECTION lock;
FrameGoal goals[kPanes + 1];
HWND frameWindows[kPanes + 1];
HANDLE framesReady;

int toInt(std::int64_t value) {
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

int paneOf(HWND window) {
    return static_cast<int>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The frame's band with its label, as a region of the window (the cell).
void shapeFrame(HWND window, int width, int height) {
    HRGN shape = CreateRectRgn(0, 0, width, height);
    HRGN inside = CreateRectRgn(platform::kFrameBand, platform::kFrameBand,
                                width - platform::kFrameBand, height - platform::kFrameBand);
    HRGN label = CreateRectRgn(0, 0, platform::kFrameLabelWidth, platform::kFrameLabelHeight);
    CombineRgn(shape, shape, inside, RGN_DIFF);
    CombineRgn(shape, shape, label, RGN_OR);
    DeleteObject(inside);
    DeleteObject(label);
    SetWindowRgn(window, shape, TRUE);  // the system owns the region from now on
}

void takeGoal(HWND window, int pane) {
    EnterCriticalSection(&lock);
    const FrameGoal goal = goals[pane];
    LeaveCriticalSection(&lock);
    if (goal.look == platform::FrameLook::kNone || !goal.placed) {
        ShowWindow(window, SW_HIDE);
        return;
    }
    const int width = toInt(goal.cell.width);
    const int height = toInt(goal.cell.height);
    RECT now;
    GetWindowRect(window, &now);
    if (now.right - now.left != width || now.bottom - now.top != height) {
        shapeFrame(window, width, height);
    }
    SetWindowTextA(window, goal.label);
    SetWindowPos(window, HWND_TOPMOST, toInt(goal.cell.left), toInt(goal.cell.top), width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(window, nullptr, TRUE);
}

void paintFrame(HWND window, int pane) {
    EnterCriticalSection(&lock);
    const FrameGoal goal = goals[pane];
    LeaveCriticalSection(&lock);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT whole;
    GetClientRect(window, &whole);
    HBRUSH brush =
        CreateSolidBrush(goal.look == platform::FrameLook::kAlarm ? kAlarmColour : kClearedColour);
    FillRect(dc, &whole, brush);
    DeleteObject(brush);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    RECT label = {kTextLeft, 0, platform::kFrameLabelWidth, platform::kFrameLabelHeight};
    DrawTextA(dc, goal.label, -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    EndPaint(window, &paint);
}

LRESULT CALLBACK frameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kFrameChanged:
            takeGoal(window, paneOf(window));
            return 0;
        case WM_PAINT:
            paintFrame(window, paneOf(window));
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;  // a click on a frame leaves the keyboard where it is
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

DWORD WINAPI runFrames(LPVOID) {
    WNDCLASSA frameClass;
    ZeroMemory(&frameClass, sizeof frameClass);
    frameClass.lpfnWndProc = frameProcedure;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frameClass.lpszClassName = kClassName;
    const bool registered = RegisterClassA(&frameClass) != 0;
    for (int pane = 1; pane <= kPanes && registered; ++pane) {
        HWND window =
            CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "",
                            WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, frameClass.hInstance, nullptr);
        if (window != nullptr) {
            SetWindowLongPtrA(window, GWLP_USERDATA, pane);
        }
        frameWindows[pane] = window;
    }
    SetEvent(framesReady);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}

void tellFrame(int pane) {
    if (frameWindows[pane] != nullptr) {
        PostMessageA(frameWindows[pane], kFrameChanged, 0, 0);
    }
}

}  // namespace

namespace platform {

namespace internal {

void makeFrames() {
    InitializeCriticalSection(&lock);
    framesReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, runFrames, nullptr, 0, nullptr);
    if (thread != nullptr && framesReady != nullptr) {
        WaitForSingleObject(framesReady, INFINITE);
        CloseHandle(thread);
    }
}

}  // namespace internal

void placeFrame(int pane, const FrameCell& cell) {
    frames::rememberCell(pane, cell);
    if (pane < 1 || pane > kPanes) {
        return;
    }
    EnterCriticalSection(&lock);
    goals[pane].cell = cell;
    goals[pane].placed = true;
    LeaveCriticalSection(&lock);
    tellFrame(pane);
}

void showFrame(int pane, FrameLook look, const char* label) {
    if (pane < 1 || pane > kPanes) {
        return;
    }
    EnterCriticalSection(&lock);
    goals[pane].look = look;
    std::snprintf(goals[pane].label, sizeof goals[pane].label, "%s", label);
    LeaveCriticalSection(&lock);
    tellFrame(pane);
}

}  // namespace platform
