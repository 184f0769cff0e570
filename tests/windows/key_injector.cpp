// Types keys into the console of a running program, for the tests under Wine, where no
// keyboard reaches a console:
//
//   key_injector PROGRAM.exe KEY...   KEY: a character, "enter", or "ctrl-c"
//   key_injector PROGRAM.exe --screen prints the console's screen text
//   key_injector PROGRAM.exe --foreground prints the title of the foreground window
//
// It attaches to the console of the first process of that name and writes key records into its
// input. A Ctrl-C record (key-down only) makes the console raise the control handler.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

namespace {

DWORD findProcess(const char* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = Process32First(snapshot, &entry); more && found == 0;
         more = Process32Next(snapshot, &entry)) {
        if (_stricmp(entry.szExeFile, name) == 0) {
            found = entry.th32ProcessID;
        }
    }
    CloseHandle(snapshot);
    return found;
}

INPUT_RECORD keyRecord(bool down, WORD virtualKey, char character, DWORD control) {
    INPUT_RECORD record;
    ZeroMemory(&record, sizeof record);
    record.EventType = KEY_EVENT;
    record.Event.KeyEvent.bKeyDown = down;
    record.Event.KeyEvent.wRepeatCount = 1;
    record.Event.KeyEvent.wVirtualKeyCode = virtualKey;
    record.Event.KeyEvent.wVirtualScanCode =
        static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    record.Event.KeyEvent.uChar.AsciiChar = character;
    record.Event.KeyEvent.dwControlKeyState = control;
    return record;
}

bool typeKey(HANDLE input, const char* key) {
    INPUT_RECORD records[2];
    DWORD count = 2;
    if (std::strcmp(key, "enter") == 0) {
        records[0] = keyRecord(true, VK_RETURN, '\r', 0);
        records[1] = keyRecord(false, VK_RETURN, '\r', 0);
    } else if (std::strcmp(key, "ctrl-c") == 0) {
        records[0] = keyRecord(true, 'C', 3, LEFT_CTRL_PRESSED);
        count = 1;
    } else if (std::strlen(key) == 1) {
        const SHORT scan = VkKeyScanA(key[0]);
        const DWORD shift = (scan & 0x100) ? SHIFT_PRESSED : 0;
        records[0] = keyRecord(true, LOBYTE(scan), key[0], shift);
        records[1] = keyRecord(false, LOBYTE(scan), key[0], shift);
    } else {
        return false;
    }
    DWORD written = 0;
    return WriteConsoleInputA(input, records, count, &written) && written == count;
}

void printScreen() {
    HANDLE output =
        CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(output, &info)) {
        return;
    }
    static char line[1024];
    for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
        DWORD read = 0;
        const DWORD width = info.dwSize.X < 1023 ? info.dwSize.X : 1023;
        ReadConsoleOutputCharacterA(output, line, width, COORD{0, row}, &read);
        while (read > 0 && line[read - 1] == ' ') {
            --read;
        }
        line[read] = '\0';
        std::printf("%s\n", line);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: key_injector PROGRAM.exe KEY... | --screen | --foreground\n");
        return 2;
    }
    const DWORD target = findProcess(argv[1]);
    // Output goes to the pipe the test reads, so the injector's own streams stay where they are.
    FreeConsole();
    if (target == 0 || !AttachConsole(target)) {
        std::fprintf(stderr, "cannot attach to %s\n", argv[1]);
        return 1;
    }
    if (std::strcmp(argv[2], "--screen") == 0) {
        printScreen();
        return 0;
    }
    if (std::strcmp(argv[2], "--foreground") == 0) {
        char title[256] = "";
        GetWindowTextA(GetForegroundWindow(), title, sizeof title);
        std::printf("%s\n", title);
        return 0;
    }
    HANDLE input =
        CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    for (int i = 2; i < argc; ++i) {
        if (!typeKey(input, argv[i])) {
            std::fprintf(stderr, "cannot type %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
