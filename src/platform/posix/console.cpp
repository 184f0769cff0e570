// The viewer's console on POSIX: a terminal (or pipes), with signals as the operator's interrupts.
//
// The terminal is the foreground job's: the viewer takes it (keys one at a time, no echo) only
// while it is that job, and puts it back as it found it whenever it stops being so (Ctrl-Z) or
// ends, as terminal programs operators know (less, vim, mpv) do.
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "platform/platform.h"
#include "platform/posix/internal.h"

namespace {

// Where keys come from: a terminal in raw mode, a pipe or file, or nowhere (end of input, or a
// terminal the viewer does not own because it runs in the background).
enum class KeySource { kNone, kTerminal, kStream };

// Set by the control thread as well as the cycle.
std::atomic<KeySource> keySource{KeySource::kNone};
termios savedTerminal;
std::atomic<bool> terminalChanged{false};
bool exitRestoresTerminal = false;
// Keys come from a terminal the viewer does not have yet (it runs in the background); taken by
// the control thread on a continue, and by the cycle once the viewer is the foreground job.
std::atomic<bool> terminalAwaited{false};
std::mutex terminalTurns;
int lookaheadKey = -1;
// The title last given to the terminal.
char consoleTitleText[platform::kWindowTitleSize];

// The operator's interrupts, taken by the control thread once it runs.
constexpr int kControlSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
// Signals that end the process while the terminal is raw: it is put back first.
constexpr int kFatalSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                                 SIGBUS, SIGFPE,  SIGILL, SIGABRT};

platform::ControlHandler controlHandler;

void restoreTerminal() {
    if (terminalChanged) {
        tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    }
}

void restoreTerminalAndDie(int signalNumber) {
    restoreTerminal();    // tcsetattr is async-signal-safe
    raise(signalNumber);  // the handler was installed with SA_RESETHAND
}

// A process started with a standard stream closed would hand that number to the first socket it
// opens; /dev/null keeps 0, 1 and 2 taken.
void keepStandardStreamsOpen() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            open("/dev/null", O_RDWR);  // takes the lowest free number, which is fd
        }
    }
}

void enterRawMode() {
    termios raw;
    if (tcgetattr(STDIN_FILENO, &savedTerminal) != 0) {
        return;
    }
    raw = savedTerminal;
    // Keys one at a time without echo, and Enter as 13; Ctrl-C still raises SIGINT.
    raw.c_lflag &= ~(ICANON | ECHO);
    raw.c_iflag &= ~ICRNL;
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    if (tcsetattr(STDIN_FILENO, TCSANOW, &raw) != 0) {
        return;
    }
    terminalChanged = true;
    if (exitRestoresTerminal) {
        return;
    }
    exitRestoresTerminal = true;
    std::atexit(restoreTerminal);
    for (int signalNumber : kFatalSignals) {
        struct sigaction current;
        // Leave alone a handler someone else installed (a sanitizer's, for one).
        if (sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            struct sigaction action;
            std::memset(&action, 0, sizeof action);
            action.sa_handler = restoreTerminalAndDie;
            action.sa_flags = SA_RESETHAND;
            sigemptyset(&action.sa_mask);
            sigaction(signalNumber, &action, nullptr);
        }
    }
}

// Takes the terminal for the operator's keys when the viewer is the foreground job; in the
// background the keys belong to the shell.
void takeTerminal() {
    const std::lock_guard<std::mutex> turn(terminalTurns);
    if (tcgetpgrp(STDIN_FILENO) != getpgrp()) {
        keySource = KeySource::kNone;
        terminalAwaited = true;
        return;
    }
    if (!terminalChanged) {
        enterRawMode();
    }
    terminalAwaited = false;
    keySource = KeySource::kTerminal;
}

// Puts the terminal back as the viewer found it, for the shell the operator returns to.
void giveTerminalBack() {
    const std::lock_guard<std::mutex> turn(terminalTurns);
    keySource = KeySource::kNone;
    terminalAwaited = true;
    restoreTerminal();
    terminalChanged = false;
}

// Job control: Ctrl-Z stops the viewer with the terminal put back, and a continue (fg, bg) takes
// it again only in the foreground.
constexpr int kJobSignals[] = {SIGTSTP, SIGCONT};

void addSignals(sigset_t* signals) {
    sigemptyset(signals);
    for (int signalNumber : kControlSignals) {
        sigaddset(signals, signalNumber);
    }
    for (int signalNumber : kJobSignals) {
        sigaddset(signals, signalNumber);
    }
}

void* controlThread(void*) {
    sigset_t signals;
    addSignals(&signals);
    const bool terminal = isatty(STDIN_FILENO) != 0;
    for (;;) {
        int signalNumber = 0;
        if (sigwait(&signals, &signalNumber) != 0) {
            continue;
        }
        if (signalNumber == SIGTSTP) {
            if (terminal) {
                giveTerminalBack();
            }
            kill(getpid(), SIGSTOP);  // stopped as Ctrl-Z stops any program
        } else if (signalNumber == SIGCONT) {
            if (terminal) {
                takeTerminal();
            }
        } else {
            controlHandler(signalNumber);
        }
    }
    return nullptr;
}

}  // namespace

namespace platform {

void startConsole() {
    keepStandardStreamsOpen();
    // A reader that went away must not kill the viewer; the write simply fails.
    signal(SIGPIPE, SIG_IGN);

    if (isatty(STDIN_FILENO)) {
        // A read from the background (a key the cycle had seen just as the operator typed bg)
        // then fails instead of stopping the viewer.
        signal(SIGTTIN, SIG_IGN);
        takeTerminal();
    } else {
        keySource = KeySource::kStream;
    }
}

void writeConsole(const char* text, std::size_t length) {
    while (length > 0) {
        const ssize_t written = write(STDOUT_FILENO, text, length);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;  // nobody reads the console any more
        }
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}

void setConsoleTitle(const char* title) {
    std::snprintf(consoleTitleText, sizeof consoleTitleText, "%s", title);
    // The terminal emulator's window takes the title, so the viewer finds its console by name.
    if (isatty(STDOUT_FILENO)) {
        writeConsole("\033]0;", 4);
        writeConsole(title, std::strlen(title));
        writeConsole("\007", 1);
    }
}

bool installControlHandler(ControlHandler handler) {
    controlHandler = handler;
    sigset_t signals;
    addSignals(&signals);
    // Blocked in this thread and in every thread started after it, so only sigwait sees them.
    if (pthread_sigmask(SIG_BLOCK, &signals, nullptr) != 0) {
        return false;
    }
    // A signal the viewer was started with ignored (nohup, a shell's background job) would be
    // discarded before sigwait could take it.
    for (int signalNumber : kControlSignals) {
        struct sigaction current;
        if (sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) {
            signal(signalNumber, SIG_DFL);
        }
    }
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) {
        return false;
    }
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    pthread_t thread;
    const bool started = pthread_create(&thread, &attributes, controlThread, nullptr) == 0;
    pthread_attr_destroy(&attributes);
    return started;
}

namespace internal {

int keyDescriptor() {
    // NOTE: a shell's fg continues a job that runs in the background without any signal.
    if (terminalAwaited && tcgetpgrp(STDIN_FILENO) == getpgrp()) {
        takeTerminal();
    }
    return keySource == KeySource::kNone ? -1 : STDIN_FILENO;
}

bool keyHeld() {
    return lookaheadKey >= 0;
}

bool readKeyAhead() {
    unsigned char key = 0;
    const ssize_t got = read(STDIN_FILENO, &key, 1);
    if (got == 1) {
        lookaheadKey = key;
        return true;
    }
    if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
        keySource = KeySource::kNone;  // end of input: no more keys will come
    }
    return false;
}

const char* consoleTitle() {
    return consoleTitleText;
}

}  // namespace internal

int readKey() {
    // waitThenCheckInput reads a key ahead when one is ready.
    const int key = lookaheadKey;
    lookaheadKey = -1;
    return key;
}

}  // namespace platform
