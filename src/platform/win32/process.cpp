// Processes on Windows (the players, an alarm command): started with a command line as one
// text, inheriting nothing, with a start-up record that leaves the window's place to the program.
#include <windows.h>

#include <cstdio>

#include "platform/platform.h"

namespace {

constexpr std::size_t kCommandLineSize = 4096;

HANDLE handleOf(std::uint64_t value) {
    return reinterpret_cast<HANDLE>(value);
}

}  // namespace

namespace platform {

bool startProcess(const char* program, const char* commandLine, ProcessInfo* process,
                  int* errorCode) {
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    char line[kCommandLineSize];
    std::snprintf(line, sizeof line, "%s", commandLine);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started;
    ZeroMemory(&started, sizeof started);
    // A console program (an alarm command) gets no console of its own and never shares the
    // viewer's: it cannot write into the operator's console. A GUI program such as VLC is
    // started as it would be without the flag.
    if (!CreateProcessA(program, line, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &started)) {
        *errorCode = static_cast<int>(GetLastError());
        return false;
    }
    process->processHandle = reinterpret_cast<std::uint64_t>(started.hProcess);
    process->threadHandle = reinterpret_cast<std::uint64_t>(started.hThread);
    process->processId = started.dwProcessId;
    process->threadId = started.dwThreadId;
    return true;
}

bool processHasEnded(ProcessInfo* process, int* exitStatus, int* signalNumber) {
    if (process->processHandle == 0 ||
        WaitForSingleObject(handleOf(process->processHandle), 0) != WAIT_OBJECT_0) {
        return false;
    }
    DWORD code = 0;
    GetExitCodeProcess(handleOf(process->processHandle), &code);
    *exitStatus = static_cast<int>(code);
    *signalNumber = 0;
    return true;
}

void endProcess(ProcessInfo* process) {
    if (process->processHandle != 0) {
        TerminateProcess(handleOf(process->processHandle), 0);
        CloseHandle(handleOf(process->processHandle));
    }
    if (process->threadHandle != 0) {
        CloseHandle(handleOf(process->threadHandle));
    }
    *process = ProcessInfo{};
}

}  // namespace platform
