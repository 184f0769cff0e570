// Player processes on POSIX. A player runs in a process group of its own, so that the operator's
// Ctrl-C reaches the viewer and not the players, with default signals and its standard streams on
// /dev/null, so it never writes into the viewer's console.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/platform.h"

extern char** environ;

namespace {

constexpr std::size_t kCommandLineSize = 4096;
constexpr std::size_t kMaxWords = 128;
constexpr std::size_t kMaxEnvironment = 1024;

// A player's environment is the viewer's, with Qt told to use X11: a player that could speak
// Wayland natively would show no X11 window, and the viewer could neither find nor place it.
constexpr char kQtOnX11[] = "QT_QPA_PLATFORM=xcb";
char* playerEnvironment[kMaxEnvironment + 2];

void makePlayerEnvironment() {
    std::size_t count = 0;
    for (char** variable = environ; *variable != nullptr && count < kMaxEnvironment; ++variable) {
        if (std::strncmp(*variable, "QT_QPA_PLATFORM=", 16) != 0) {
            playerEnvironment[count++] = *variable;
        }
    }
    playerEnvironment[count++] = const_cast<char*>(kQtOnX11);
    playerEnvironment[count] = nullptr;
}

// Splits a command line at blanks into `words`, which point into `buffer`.
std::size_t splitWords(char* buffer, char** words, std::size_t maxWords) {
    std::size_t count = 0;
    for (char* c = buffer; *c != '\0' && count < maxWords;) {
        while (*c == ' ') {
            *c++ = '\0';
        }
        if (*c == '\0') {
            break;
        }
        words[count++] = c;
        while (*c != '\0' && *c != ' ') {
            ++c;
        }
    }
    return count;
}

int exitStatusOf(int waitStatus) {
    if (WIFEXITED(waitStatus)) {
        return WEXITSTATUS(waitStatus);
    }
    return WIFSIGNALED(waitStatus) ? 128 + WTERMSIG(waitStatus) : waitStatus;
}

// How long ending a process waits for it to be gone.
constexpr int kEndWaitMs = 500;

#if !(defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34)))
// Beyond what a process of the viewer's kind is started with.
constexpr int kMaxInheritedDescriptor = 1024;
#endif

}  // namespace

namespace platform {

bool startProcess(const char* program, const char* commandLine, ProcessInfo* process,
                  int* errorCode) {
    char buffer[kCommandLineSize];
    if (std::strlen(commandLine) >= sizeof buffer) {
        *errorCode = E2BIG;
        return false;
    }
    std::snprintf(buffer, sizeof buffer, "%s", commandLine);
    // NOTE: a parent that left SIGCHLD ignored (some service managers and launchers do) has the
    // kernel reap the viewer's children itself, and none would be seen to end: the viewer waits
    // for its own.
    signal(SIGCHLD, SIG_DFL);
    char* argv[kMaxWords + 2];
    argv[0] = const_cast<char*>(program);
    const std::size_t words = splitWords(buffer, argv + 1, kMaxWords);
    argv[words + 1] = nullptr;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    for (int fd = 0; fd <= 2; ++fd) {
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY,
                                         0);
    }
    // Nothing else: a supervisor's pipe or log the viewer was started with must not be held open
    // by players that outlive it.
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#else
    for (int fd = 3; fd < kMaxInheritedDescriptor; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) {
            posix_spawn_file_actions_addclose(&actions, fd);
        }
    }
#endif
    sigset_t noSignals;
    sigset_t allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setsigdefault(&attributes, &allSignals);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);

    makePlayerEnvironment();
    pid_t pid = 0;
    const int result = posix_spawn(&pid, program, &actions, &attributes, argv, playerEnvironment);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        *errorCode = result;
        return false;
    }
    process->processHandle = static_cast<std::uint64_t>(pid);
    process->threadHandle = 0;
    process->processId = static_cast<std::uint32_t>(pid);
    process->threadId = 0;
    return true;
}

bool processHasEnded(ProcessInfo* process, int* exitStatus, int* signalNumber) {
    if (process->processHandle == 0) {
        return false;
    }
    int waitStatus = 0;
    const pid_t pid = static_cast<pid_t>(process->processHandle);
    const pid_t waited = waitpid(pid, &waitStatus, WNOHANG);
    if (waited < 0 && errno == ECHILD) {
        // Reaped by someone else: ended, how is not known.
        waitStatus = 0;
    } else if (waited != pid) {
        return false;
    }
    // Reaped: its number may be reused, so it must never be signalled again.
    process->processHandle = 0;
    *exitStatus = exitStatusOf(waitStatus);
    *signalNumber = WIFSIGNALED(waitStatus) ? WTERMSIG(waitStatus) : 0;
    return true;
}

void endProcess(ProcessInfo* process) {
    if (process->processHandle != 0) {
        const pid_t pid = static_cast<pid_t>(process->processHandle);
        // Waited on through a descriptor of the process, taken before the kill: a process
        // stuck in the kernel ends when the kernel lets it, and the viewer waits for it a while,
        // not for ever (it is then reaped with the viewer).
#ifdef SYS_pidfd_open
        const int handle = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
        const int handle = -1;
#endif
        // Its process group with it: what a script started (a mail, a sleep) goes too. The
        // group is named by the process, not yet reaped, so the number cannot have been reused.
        kill(-pid, SIGKILL);
        kill(pid, SIGKILL);
        if (handle >= 0) {
            pollfd ended = {handle, POLLIN, 0};
            while (poll(&ended, 1, kEndWaitMs) < 0 && errno == EINTR) {
            }
            close(handle);
        }
        waitpid(pid, nullptr, WNOHANG);
    }
    *process = ProcessInfo{};
}

}  // namespace platform
