// The viewer's console on POSIX: a terminal (or pipes), with signals as the operator's interrupts.
//
// The terminal is the foreground job's: the viewer takes it (keys one at a time, no echo) only
// while it is that job, and puts it back as it found it whenever it stops being so (Ctrl-Z) or
// ends, as terminal programs operators know (less, vim, mpv) do.
//
// One thread owns the terminal: the one that started the console. Job control reaches it as
// letters in a pipe its waits watch ('Z' for Ctrl-Z, 'C' for a continue), written by signal
// handlers that do nothing else; the owner alone puts the terminal back, stops itself and takes
// the terminal again. The handlers are there from before the terminal's modes change, so a Ctrl-Z
// finds the terminal put back at any moment, a start-up error's pause included.
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "platform/posix/internal.h"

namespace {

// Where keys come from: a terminal in raw mode, a pipe or file, or nowhere (end of input, or a
// terminal the viewer does not own because it runs in the background).
enum class KeySource { kNone, kTerminal, kStream };

KeySource keySource = KeySource::kNone;
termios savedTerminal;
// Read by the fatal-signal handler and at exit.
volatile sig_atomic_t terminalChanged = 0;
bool exitRestoresTerminal = false;
// Keys come from a terminal the viewer does not have yet (it runs in the background); taken
// once the viewer is the foreground job.
bool terminalAwaited = false;
int lookaheadKey = -1;
// The title last given to the terminal.
char consoleTitleText[platform::kWindowTitleSize];

// The job-control pipe: the handlers write to [1], the owner reads [0]. -1 without a terminal.
int jobSignals[2] = {-1, -1};
pthread_t terminalOwner;

// The operator's interrupts, taken by the control thread once it runs.
constexpr int kControlSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kJobSignals[] = {SIGTSTP, SIGCONT};
// Signals that end the process while the terminal is raw: it is put back first.
constexpr int kFatalSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                                 SIGBUS, SIGFPE,  SIGILL, SIGABRT};

platform::ControlHandler controlHandler;

void restoreTerminal() {
    if (terminalChanged != 0) {
        tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    }
}

void installHandler(int signalNumber, void (*handler)(int), int flags) {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    sigaction(signalNumber, &action, nullptr);
}

void restoreTerminalAndDie(int signalNumber) {
    restoreTerminal();    // tcsetattr is async-signal-safe
    raise(signalNumber);  // the handler was installed with SA_RESETHAND
}

void forwardJobSignal(int signalNumber) {
    const int savedErrno = errno;
    const char letter = signalNumber == SIGTSTP ? 'Z' : 'C';
    // A full pipe already holds letters enough to act on.
    const ssize_t written = write(jobSignals[1], &letter, 1);
    static_cast<void>(written);
    errno = savedErrno;
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
    terminalChanged = 1;
    if (exitRestoresTerminal) {
        return;
    }
    exitRestoresTerminal = true;
    std::atexit(restoreTerminal);
    for (int signalNumber : kFatalSignals) {
        struct sigaction current;
        // Leave alone a handler someone else installed (a sanitizer's, for one).
        if (sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            installHandler(signalNumber, restoreTerminalAndDie, SA_RESETHAND);
        }
    }
}

// Takes the terminal for the operator's keys when the viewer is the foreground job; in the
// background the keys belong to the shell.
void takeTerminal() {
    if (tcgetpgrp(STDIN_FILENO) != getpgrp()) {
        keySource = KeySource::kNone;
        terminalAwaited = true;
        return;
    }
    if (terminalChanged == 0) {
        enterRawMode();
    }
    terminalAwaited = false;
    keySource = KeySource::kTerminal;
}

// Puts the terminal back as the viewer found it, for the shell the operator returns to.
void giveTerminalBack() {
    keySource = KeySource::kNone;
    terminalAwaited = true;
    restoreTerminal();
    terminalChanged = 0;
}

// Job control, from before the terminal is changed: Ctrl-Z stops the viewer with the terminal put
// back, and a continue (fg, bg) takes it again only in the foreground.
// NOTE: without the pipe a Ctrl-Z stops the viewer as any program, terminal and all.
void forwardJobControl() {
    if (pipe2(jobSignals, O_CLOEXEC | O_NONBLOCK) != 0) {
        jobSignals[0] = jobSignals[1] = -1;
        return;
    }
    terminalOwner = pthread_self();
    for (int signalNumber : kJobSignals) {
        installHandler(signalNumber, forwardJobSignal, SA_RESTART);
    }
}

void addControlSignals(sigset_t* signals) {
    sigemptyset(signals);
    for (int signalNumber : kControlSignals) {
        sigaddset(signals, signalNumber);
    }
}

void* controlThread(void*) {
    sigset_t signals;
    addControlSignals(&signals);
    for (;;) {
        int signalNumber = 0;
        if (sigwait(&signals, &signalNumber) == 0) {
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
        forwardJobControl();
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
    addControlSignals(&signals);
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
    if (got < 0 && errno == EIO && keySource == KeySource::kTerminal) {
        // Read from the background: the keys are the shell's until the viewer is in front again.
        keySource = KeySource::kNone;
        terminalAwaited = true;
    } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
        keySource = KeySource::kNone;  // end of input: no more keys will come
    }
    return false;
}

int jobSignalDescriptor() {
    return jobSignals[0] >= 0 && pthread_equal(pthread_self(), terminalOwner) ? jobSignals[0] : -1;
}

void takeJobSignals() {
    char letters[16];
    ssize_t got = 0;
    while ((got = read(jobSignals[0], letters, sizeof letters)) > 0) {
        for (ssize_t i = 0; i < got; ++i) {
            if (letters[i] == 'Z') {
                giveTerminalBack();
                kill(getpid(), SIGSTOP);  // stopped as Ctrl-Z stops any program
            }
        }
        // Continued (after the stop above, or from outside): the terminal again, if in front.
        if (terminalAwaited) {
            takeTerminal();
        }
    }
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
