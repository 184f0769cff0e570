// A stand-in for VLC on Windows, for the tests under Wine: one top-level window titled
// "VLC media player", and a log of what the viewer does to it.
//
//   TEST_PLAYER_LOG_DIR  folder for the log, one file per process: player-<pid>.log
//   TEST_PLAYER_EXIT     exit at once with this status, before showing a window
//   TEST_PLAYER_FOREGROUND_MS  this long after showing, take the foreground as VLC does when its
//                        video starts (SetForegroundWindow on its own window)
//   TEST_PLAYER_HANG_MS  this long after showing, stop answering messages for good, as a hung
//                        player does
//   <log dir>\alarms.log   started with a pane's number first (as the viewer's alarm
//                          command), it appends its words there and ends
//   <log dir>\still-<port>  while this file exists, the picture stands still; black-<port>: it
//                        is black. Otherwise the window shows a moving picture, a new frame
//                        every 100 ms (a grey level and a bar that move), as a stream does
//
// Log lines: "<ms> <event> ...", <ms> from GetTickCount64:
//   commandline <text>       the command line as the process got it
//   window <handle>          the window is created
//   keydown <code> | keyup <code>
//   title <text>             WM_SETTEXT
//   minimized | restored     WM_SIZE with SIZE_MINIMIZED or SIZE_RESTORED
//   geometry <x> <y> <w> <h> the outer rectangle after every move or size change
//   foreground <0|1>         the player asked for the foreground, and the answer
//   activated | deactivated  WM_ACTIVATE
//   hanging                  the player stops answering now
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

FILE* logFile = nullptr;
constexpr UINT_PTR kForegroundTimer = 1;
constexpr UINT_PTR kHangTimer = 2;
constexpr UINT_PTR kFrameTimer = 3;
// The picture: frame n of a moving one, or black; the files that stop it, for this player.
long frame = 0;
bool black = false;
char stillFile[MAX_PATH];
char blackFile[MAX_PATH];

bool exists(const char* path) {
    return path[0] != '\0' && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

void paint(HWND window) {
    PAINTSTRUCT paintStruct;
    HDC dc = BeginPaint(window, &paintStruct);
    RECT client;
    GetClientRect(window, &client);
    const int grey = 0x40 + static_cast<int>(frame * 7 % 0x80);
    HBRUSH brush = CreateSolidBrush(black ? RGB(0, 0, 0) : RGB(grey, grey, grey));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    if (!black) {
        const LONG left = static_cast<LONG>(frame * 9 % (client.right + 1));
        RECT bar = {left, 0, left + 12, client.bottom};
        FillRect(dc, &bar, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    EndPaint(window, &paintStruct);
}

void logLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
void logLine(const char* format, ...) {
    if (logFile == nullptr) {
        return;
    }
    std::fprintf(logFile, "%llu ", static_cast<unsigned long long>(GetTickCount64()));
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(logFile, format, arguments);
    va_end(arguments);
    std::fputc('\n', logFile);
    std::fflush(logFile);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            logLine("keydown %u", static_cast<unsigned>(wParam));
            return 0;
        case WM_KEYUP:
            logLine("keyup %u", static_cast<unsigned>(wParam));
            return 0;
        case WM_SETTEXT:
            logLine("title %s", reinterpret_cast<const char*>(lParam));
            break;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) {
                logLine("minimized");
            } else if (wParam == SIZE_RESTORED) {
                logLine("restored");
            }
            break;
        case WM_WINDOWPOSCHANGED: {
            RECT outer;
            if (!IsIconic(window) && GetWindowRect(window, &outer)) {
                logLine("geometry %ld %ld %ld %ld", outer.left, outer.top, outer.right - outer.left,
                        outer.bottom - outer.top);
            }
            break;
        }
        case WM_PAINT:
            paint(window);
            return 0;
        case WM_TIMER:
            if (wParam == kFrameTimer) {
                black = exists(blackFile);
                frame += exists(stillFile) ? 0 : 1;
                InvalidateRect(window, nullptr, FALSE);
                return 0;
            }
            KillTimer(window, wParam);
            if (wParam == kHangTimer) {
                logLine("hanging");
                Sleep(INFINITE);
            }
            logLine("foreground %d", SetForegroundWindow(window) ? 1 : 0);
            return 0;
        case WM_ACTIVATE:
            logLine(LOWORD(wParam) == WA_INACTIVE ? "deactivated" : "activated");
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const char* exitNow = std::getenv("TEST_PLAYER_EXIT");
    if (exitNow != nullptr) {
        return std::atoi(exitNow);
    }
    const char* logDir = std::getenv("TEST_PLAYER_LOG_DIR");
    // Started as the viewer's alarm command (its words begin with a pane's number): it notes
    // them in alarms.log and ends.
    const char* words = GetCommandLineA();
    while (*words == ' ') {
        ++words;
    }
    if (logDir != nullptr && *words >= '1' && *words <= '4') {
        char path[MAX_PATH];
        std::snprintf(path, sizeof path, "%s\\alarms.log", logDir);
        FILE* alarms = std::fopen(path, "a");
        if (alarms != nullptr) {
            std::fprintf(alarms, "%s\n", words);
            std::fclose(alarms);
        }
        return 0;
    }
    if (logDir != nullptr) {
        char path[MAX_PATH];
        std::snprintf(path, sizeof path, "%s\\player-%lu.log", logDir,
                      static_cast<unsigned long>(GetCurrentProcessId()));
        logFile = std::fopen(path, "a");
    }
    logLine("commandline %s", GetCommandLineA());
    const char* port = std::strrchr(GetCommandLineA(), ':');
    if (logDir != nullptr && port != nullptr) {
        std::snprintf(stillFile, sizeof stillFile, "%s\\still-%s", logDir, port + 1);
        std::snprintf(blackFile, sizeof blackFile, "%s\\black-%s", logDir, port + 1);
    }

    WNDCLASSA windowClass;
    ZeroMemory(&windowClass, sizeof windowClass);
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
    windowClass.lpszClassName = "TestPlayer";
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowA("TestPlayer", "VLC media player", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 320, 180, nullptr, nullptr, instance, nullptr);
    logLine("window %llu", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    ShowWindow(window, SW_SHOWNORMAL);
    SetTimer(window, kFrameTimer, 100, nullptr);
    const char* foregroundAfter = std::getenv("TEST_PLAYER_FOREGROUND_MS");
    if (foregroundAfter != nullptr) {
        SetTimer(window, kForegroundTimer, static_cast<UINT>(std::atoi(foregroundAfter)), nullptr);
    }
    const char* hangAfter = std::getenv("TEST_PLAYER_HANG_MS");
    if (hangAfter != nullptr) {
        SetTimer(window, kHangTimer, static_cast<UINT>(std::atoi(hangAfter)), nullptr);
    }

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
