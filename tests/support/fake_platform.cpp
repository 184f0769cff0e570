#include "support/fake_platform.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace fake {

State state;

void resetPlatform() {
    state = State{};
}

std::vector<std::string> callsStartingWith(const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& call : state.calls) {
        if (call.compare(0, prefix.size(), prefix) == 0) {
            found.push_back(call);
        }
    }
    return found;
}

platform::WindowInfo window(platform::WindowHandle handle, std::uint32_t pid, const char* title) {
    platform::WindowInfo info{};
    info.handle = handle;
    info.ownerProcessId = pid;
    std::snprintf(info.title, sizeof info.title, "%s", title);
    return info;
}

void showPlayerWindows() {
    for (int player = 1; player <= 4; ++player) {
        state.windows.push_back(window(10 + player, 1000 + player, "VLC media player"));
    }
}

namespace {

// A request a seam call carries out, noted as a call of its own at no cost of its own.
void note(const std::string& call) {
    state.calls.push_back(call);
    if (state.echoOutputToStderr) {
        std::fprintf(stderr, "\n#call %s\n", call.c_str());
    }
}

void record(const std::string& call) {
    note(call);
    state.nowMs += state.callCostMs;
}

std::string number(std::uint64_t value) {
    return std::to_string(value);
}

}  // namespace

}  // namespace fake

using fake::number;
using fake::record;
using fake::state;

namespace platform {

void startConsole() {
    record("startConsole");
}

void writeConsole(const char* text, std::size_t length) {
    state.output.append(text, length);
    state.calls.push_back("write " + std::string(text, length));
    state.written.emplace_back(state.nowMs, std::string(text, length));
    if (state.echoOutputToStderr) {
        std::fwrite(text, 1, length, stderr);
    }
}

void setConsoleTitle(const char* title) {
    record(std::string("consoleTitle ") + title);
}

bool installControlHandler(ControlHandler handler) {
    record("installControlHandler");
    if (state.handlerRefused) {
        return false;
    }
    state.controlHandler = handler;
    if (state.controlEventAtInstall) {
        handler(0);
    }
    return true;
}

int readKey() {
    if (state.keys.empty()) {
        return -1;
    }
    const int key = state.keys.front();
    state.keys.pop_front();
    return key;
}

void sleepMs(int milliseconds) {
    record("sleep " + number(milliseconds));
    state.nowMs += milliseconds;
}

long long monotonicMs() {
    return state.nowMs;
}

GuardHandle createInstanceGuard(const char* name) {
    record(std::string("createInstanceGuard ") + name);
    return state.guardTaken ? 0 : 7;
}

void releaseInstanceGuard(GuardHandle guard) {
    record("releaseInstanceGuard " + number(guard));
}

bool findPlayerExecutable(char* path, std::size_t pathSize) {
    record("findPlayerExecutable");
    if (state.playerMissing) {
        return false;
    }
    std::snprintf(path, pathSize, "%s", "/opt/player/vlc");
    return true;
}

bool findProgram(const char* name, char* path, std::size_t pathSize) {
    std::snprintf(path, pathSize, "/opt/bin/%s", name);
    return true;
}

const char* lastPathComponent(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash == nullptr ? path : slash + 1;
}

bool startProcess(const char* program, const char* commandLine, ProcessInfo* process,
                  int* errorCode) {
    record(std::string("startProcess ") + program + commandLine);
    ++state.processesStarted;
    if (state.processesStarted == state.refuseProcessNumber) {
        *errorCode = 2;
        return false;
    }
    *process = ProcessInfo{};
    process->processHandle = 1000 + state.processesStarted;
    process->processId = 1000 + state.processesStarted;
    return true;
}

bool processHasEnded(ProcessInfo* process, int* exitStatus, int* signalNumber) {
    for (const auto& ended : state.endedProcesses) {
        if (process->processId != 0 && ended.first == process->processId) {
            *exitStatus = ended.second < 0 ? 128 - ended.second : ended.second;
            *signalNumber = ended.second < 0 ? -ended.second : 0;
            process->processHandle = 0;
            return true;
        }
    }
    return false;
}

void endProcess(ProcessInfo* process) {
    record("endProcess " + number(process->processId));
    *process = ProcessInfo{};
}

bool startSockets(int* errorCode) {
    record("startSockets");
    *errorCode = state.socketStartError;
    return !state.socketsRefuseToStart;
}

std::uint32_t addressFromText(const char* text) {
    // The real conversion is the socket layer's; the fake knows dotted quads only.
    unsigned a, b, c, d;
    char tail;
    if (std::sscanf(text, "%u.%u.%u.%u%c", &a, &b, &c, &d, &tail) != 4 || a > 255 || b > 255 ||
        c > 255 || d > 255) {
        return kAddressNone;
    }
    // Network byte order on a little-endian machine.
    return a | (b << 8) | (c << 16) | (d << 24);
}

SocketHandle createUdpSocket() {
    ++state.socketsCreated;
    if (state.socketsCreated == state.refuseSocketNumber) {
        record("createUdpSocket failed");
        return kNoSocket;
    }
    const SocketHandle socket = 100 + state.socketsCreated;
    record("createUdpSocket " + number(socket));
    return socket;
}

bool setReuseAddress(SocketHandle socket) {
    record("setReuseAddress " + number(socket));
    return ++state.reuseRequests != state.refuseReuseNumber;
}

bool bindSocket(SocketHandle socket, std::uint32_t interfaceAddress, std::uint16_t port,
                std::uint32_t group) {
    record("bind " + number(socket) + " " + number(interfaceAddress) + " " + number(port) + " " +
           number(group));
    return true;
}

bool setNonBlocking(SocketHandle socket) {
    record("setNonBlocking " + number(socket));
    return true;
}

bool joinGroup(SocketHandle socket, std::uint32_t group, std::uint32_t interfaceAddress) {
    ++state.joins;
    record("join " + number(socket) + " " + number(group) + " " + number(interfaceAddress));
    return state.joins != state.refuseJoinNumber;
}

bool dropGroup(SocketHandle socket, std::uint32_t group, std::uint32_t interfaceAddress) {
    record("drop " + number(socket) + " " + number(group) + " " + number(interfaceAddress));
    return !state.dropRefused;
}

int receiveDatagram(SocketHandle socket, char* buffer, int capacity) {
    record("receive " + number(socket));
    for (auto it = state.datagrams.begin(); it != state.datagrams.end(); ++it) {
        if (it->socket == socket) {
            const std::string bytes = it->bytes;
            state.datagrams.erase(it);
            if (static_cast<int>(bytes.size()) > capacity) {
                return -1;
            }
            std::memcpy(buffer, bytes.data(), bytes.size());
            return static_cast<int>(bytes.size());
        }
    }
    return -1;
}

void closeSocket(SocketHandle socket) {
    record("closeSocket " + number(socket));
}

bool setMulticastSending(SocketHandle socket, std::uint32_t interfaceAddress) {
    record("setMulticastSending " + number(socket) + " " + number(interfaceAddress));
    return true;
}

bool sendDatagram(SocketHandle socket, std::uint32_t address, std::uint16_t port, const char* data,
                  std::size_t length) {
    record("send " + number(socket) + " " + number(address) + " " + number(port) + " " +
           std::string(data, length));
    return true;
}

bool openWindowSystem(char* displayName, std::size_t displayNameSize,
                      WindowSystemLostHandler lost) {
    record("openWindowSystem");
    state.windowSystemLost = lost;
    std::snprintf(displayName, displayNameSize, "%s", ":99");
    return !state.noDisplay;
}

bool consoleMayBeOutOfReach() {
    return state.consoleOutOfReach;
}

void listTopLevelWindows(WindowVisitor visit, void* context, bool wholeTree) {
    record(wholeTree ? "listTopLevelWindows wholeTree" : "listTopLevelWindows");
    ++state.listings;
    for (const auto& later : state.laterWindows) {
        if (later.first == state.listings) {
            state.windows.push_back(later.second);
        }
    }
    for (const WindowInfo& window : state.windows) {
        if (!visit(window, context)) {
            return;
        }
    }
    for (const WindowInfo& window : state.treeOnlyWindows) {
        if (wholeTree && !visit(window, context)) {
            return;
        }
    }
}

// What the core asks, window 0 included: that window 0 does nothing is each real platform's
// promise, tested with that platform.
}  // namespace platform

namespace {

void noteMinimize(platform::WindowHandle window) {
    fake::note("minimize " + number(window));
    state.desk[window].minimized = true;
    state.desk[window].minimizedAtMs = state.nowMs;
}

void noteMove(const platform::WindowGoal& goal) {
    const std::string rectangle = std::to_string(goal.left) + " " + std::to_string(goal.top) + " " +
                                  std::to_string(goal.width) + " " + std::to_string(goal.height);
    fake::note("move " + number(goal.window) + " " + rectangle);
    state.desk[goal.window].rectangle = rectangle;
}

}  // namespace

namespace platform {

void minimizeWindow(int slot, WindowHandle window) {
    noteMinimize(window);
    state.nowMs += state.callCostMs;
    state.slots[slot] = window;
}

// A slot of window 0 asks nothing.
void beginPlacement(const LayoutGoal& layout) {
    record("beginPlacement");
    state.layout = layout;
    state.restoresPending = false;
    for (int slot = 0; slot < kLayoutSlots; ++slot) {
        const WindowGoal& goal = layout.windows[slot];
        state.slots[slot] = goal.window != 0 ? goal.window : state.slots[slot];
        if (goal.window != 0 && goal.hideFirst) {
            noteMinimize(goal.window);
            state.restoresPending = true;
        } else if (goal.window != 0) {
            noteMove(goal);
        }
    }
    state.restoreAtMs = state.nowMs + layout.pauseMs;
    state.layoutDeadlineMs = state.nowMs + layout.budgetMs;
}

bool advancePlacement() {
    if (state.restoresPending && state.nowMs >= state.restoreAtMs) {
        state.restoresPending = false;
        for (const WindowGoal& goal : state.layout.windows) {
            if (goal.window != 0 && goal.hideFirst) {
                fake::note("restore " + number(goal.window));
                state.desk[goal.window].minimized = false;
                state.desk[goal.window].restoredAtMs = state.nowMs;
            }
        }
        for (const WindowGoal& goal : state.layout.windows) {
            if (goal.window != 0 && goal.hideFirst) {
                noteMove(goal);
            }
        }
    }
    return (!state.restoresPending && state.nowMs >= state.desktopPlacesAtMs) ||
           state.nowMs >= state.layoutDeadlineMs;
}

long long placementWakeMs() {
    if (state.restoresPending) {
        return state.restoreAtMs;
    }
    return state.nowMs < state.desktopPlacesAtMs
               ? std::min(state.desktopPlacesAtMs, state.layoutDeadlineMs)
               : LLONG_MAX;
}

void waitForWindowNews(long long untilMs) {
    record("waitForWindowNews " + std::to_string(untilMs - state.nowMs));
    state.nowMs = untilMs > state.nowMs ? untilMs : state.nowMs;
}

void endPlacement() {
    record("endPlacement");
    state.restoresPending = false;
    state.placementEndedAtMs = state.nowMs;
}

void askPictures(const WindowHandle* windows, int count) {
    state.picturesAsked.assign(windows, windows + count);
}

void takePictures(PictureRead* reads, PictureSample* samples) {
    for (std::size_t i = 0; i < state.picturesAsked.size(); ++i) {
        reads[i] = PictureRead::kNotShown;
        for (const auto& shown : state.pictures) {
            if (shown.first == state.picturesAsked[i]) {
                samples[i] = shown.second;
                reads[i] = PictureRead::kRead;
            }
        }
    }
}

bool pictureReadsShared() {
    return true;
}

void placeFrame(int, const FrameCell&) {}

void showFrame(int pane, FrameLook look, const char* label) {
    state.frames[pane] = look == FrameLook::kNone    ? ""
                         : look == FrameLook::kAlarm ? std::string("alarm ") + label
                                                     : std::string("cleared ") + label;
}

bool openSystemLog(char* where, std::size_t whereSize) {
    std::snprintf(where, whereSize, "%s", "the fake log");
    return true;
}

bool writeSystemLog(const char* text, std::size_t length, bool warning) {
    state.logged.push_back(std::string(warning ? "warning " : "news ") + std::string(text, length));
    return true;
}

void forgetWindow(int slot) {
    record("forgetWindow " + std::to_string(slot));
    state.slots[slot] = 0;
}

bool windowPlaced(int slot) {
    for (WindowHandle refused : state.unplaceableWindows) {
        if (state.slots[slot] != 0 && refused == state.slots[slot]) {
            return false;
        }
    }
    return state.slots[slot] != 0;
}

void setWindowTitle(WindowHandle window, const char* title) {
    record("title " + number(window) + " " + title);
    state.desk[window].title = title;
    state.desk[window].titledAtMs = state.nowMs;
}

void sendKey(WindowHandle window, int virtualKey) {
    record("key " + number(window) + " " + std::to_string(virtualKey));
}

unsigned waitThenCheckInput(int milliseconds, SocketHandle text, SocketHandle status) {
    sleepMs(milliseconds);
    unsigned waiting = state.keys.empty() ? 0 : kKeyInput;
    for (const fake::Datagram& datagram : state.datagrams) {
        waiting |= datagram.socket == text ? kTextSocketInput : 0;
        waiting |= datagram.socket == status ? kStatusSocketInput : 0;
    }
    if (!state.windowNews.empty() && state.windowNews.front().first <= state.nowMs) {
        waiting |= kWindowEvents;
    }
    return waiting;
}

void watchKeyboard(WindowHandle console, const WindowHandle* players, int playerCount) {
    std::string call = "watchKeyboard " + number(console);
    for (int i = 0; i < playerCount; ++i) {
        call += " " + number(players[i]);
    }
    record(call);
}

void stopWatchingKeyboard() {
    record("stopWatchingKeyboard");
    state.keyboardWatchEndedAtMs.push_back(state.nowMs);
}

void giveKeysTo(WindowHandle window) {
    record("giveKeys " + number(window));
    state.keysGivenAtMs.push_back(state.nowMs);
}

unsigned handleWindowEvents() {
    record("windowEvents");
    unsigned news = 0;
    while (!state.windowNews.empty() && state.windowNews.front().first <= state.nowMs) {
        news |= state.windowNews.front().second;
        state.windowNews.pop_front();
    }
    return news;
}

}  // namespace platform
