// The viewer's console on Windows: the console window it was started in.
#include <conio.h>
#include <windows.h>

#include <cstdio>

#include "platform/platform.h"

namespace {

platform::ControlHandler controlHandler;

// The console calls this on a thread of its own. Reporting the event as handled keeps the
// console from ending the process itself.
BOOL WINAPI onControlEvent(DWORD eventType) {
    controlHandler(static_cast<int>(eventType));
    return TRUE;
}

}  // namespace

namespace platform {

void startConsole() {}

void writeConsole(const char* text, std::size_t length) {
    // Text mode, as printf writes: each "\n" leaves as "\r\n".
    std::fwrite(text, 1, length, stdout);
    std::fflush(stdout);
}

void setConsoleTitle(const char* title) {
    SetConsoleTitleA(title);
}

bool installControlHandler(ControlHandler handler) {
    controlHandler = handler;
    return SetConsoleCtrlHandler(onControlEvent, TRUE) != 0;
}

int readKey() {
    return _kbhit() ? _getch() : -1;
}

}  // namespace platform
