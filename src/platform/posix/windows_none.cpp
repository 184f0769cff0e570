// Window control for a Linux build without a window system connection yet: there are no windows
// to list, so no player window is ever found and every window operation does nothing.
#include "platform/platform.h"

namespace platform {

void listTopLevelWindows(WindowVisitor, void*) {}
void minimizeWindow(WindowHandle) {}
void restoreWindow(WindowHandle) {}
void moveWindow(WindowHandle, int, int, int, int) {}
void setWindowTitle(WindowHandle, const char*) {}
void sendKey(WindowHandle, int) {}

}  // namespace platform
