// A platform for unit tests: it records every call the viewer makes, holds scripted keys,
// datagrams and windows, and fails the operations a test asks it to fail.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace fake {

struct Datagram {
    platform::SocketHandle socket;
    std::string bytes;
};

// What the desktop shows of a window as the viewer's requests left it, on a desktop that carries
// each out at once, with the fake's clock at the last of each.
struct DeskWindow {
    bool minimized = false;
    std::string rectangle;  // "left top width height" of the last move; empty before one
    std::string title;
    long long minimizedAtMs = -1;
    long long restoredAtMs = -1;
    long long titledAtMs = -1;
};

struct State {
    // What the viewer did, one line per call, e.g. "move 11 0 0 480 270" or "sleep 100".
    std::vector<std::string> calls;
    std::string output;
    // Console output and calls also go to stderr, where death tests read them; each call as a
    // line "#call ..." of its own.
    bool echoOutputToStderr = false;

    std::deque<int> keys;
    std::deque<Datagram> datagrams;
    // News from the window system, by the time it arrives: what handleWindowEvents then says of
    // the keyboard (the news of every entry that has arrived, together).
    std::deque<std::pair<long long, unsigned>> windowNews;
    // The fake's clock, in milliseconds: it moves only by the viewer's sleeps.
    long long nowMs = 0;
    // What each call costs on that clock: a slow platform (a loaded desktop, a slow X server).
    long long callCostMs = 0;
    // Console output by when it was written, on that clock.
    std::vector<std::pair<long long, std::string>> written;
    std::map<platform::WindowHandle, DeskWindow> desk;
    // The layout on its way, carried out as a platform does: minimizes and the console's move at
    // once, the players' restores and moves when the pause is over.
    platform::LayoutGoal layout{};
    // The window each slot holds, as the viewer named it to the fake.
    platform::WindowHandle slots[platform::kLayoutSlots] = {};
    bool restoresPending = false;
    long long restoreAtMs = 0;
    long long layoutDeadlineMs = 0;
    long long placementEndedAtMs = -1;
    // When the keyboard was given to a window, and when its watch ended, by that clock.
    std::vector<long long> keysGivenAtMs;
    std::vector<long long> keyboardWatchEndedAtMs;
    std::vector<platform::WindowInfo> windows;

    bool guardTaken = false;
    bool handlerRefused = false;
    bool controlEventAtInstall = false;  // a Ctrl-C the moment the handler is installed
    bool playerMissing = false;
    bool socketsRefuseToStart = false;
    int socketStartError = 0;
    int refuseSocketNumber = 0;  // the n-th socket created fails, 0 for none
    int refuseReuseNumber = 0;   // the n-th reuse request is refused, 0 for none
    int refuseJoinNumber = 0;    // the n-th join fails, 0 for none
    bool dropRefused = false;
    bool noDisplay = false;
    bool consoleOutOfReach = false;
    int refuseProcessNumber = 0;  // the n-th process start fails, 0 for none
    // Players that have ended, by process id, with their exit status (a signal as its negative).
    std::vector<std::pair<std::uint32_t, int>> endedProcesses;
    // Windows that appear only from the n-th listing on: (listing number, window).
    std::vector<std::pair<int, platform::WindowInfo>> laterWindows;
    // Windows found only by a walk through every window (left out of the window manager's list).
    std::vector<platform::WindowInfo> treeOnlyWindows;
    // Windows the desktop will not place where asked.
    std::vector<platform::WindowHandle> unplaceableWindows;
    // What each window shows now, as takePictures reads it; a window not here cannot be read.
    std::vector<platform::WindowHandle> picturesAsked;
    std::vector<std::pair<platform::WindowHandle, platform::PictureSample>> pictures;
    // What each pane's frame shows ("" for none, else "alarm LABEL" or "cleared LABEL"), and
    // the lines recorded in the system's log; neither is among the calls.
    std::string frames[platform::kLayoutSlots];
    std::vector<std::string> logged;
    // When the desktop has carried out a layout's requests: 0 at once, LLONG_MAX never (stopped).
    long long desktopPlacesAtMs = 0;

    int socketsCreated = 0;
    int joins = 0;
    int reuseRequests = 0;
    int processesStarted = 0;
    int listings = 0;
    platform::ControlHandler controlHandler = nullptr;
    platform::WindowSystemLostHandler windowSystemLost = nullptr;
};

extern State state;

// Starts a test from scratch: a new fake and the viewer's own state zeroed (fresh_viewer.cpp,
// beside the tests, which link the viewer's core).
void reset();
// A new fake.
void resetPlatform();

// Calls whose text starts with `prefix`, in order.
std::vector<std::string> callsStartingWith(const std::string& prefix);

platform::WindowInfo window(platform::WindowHandle handle, std::uint32_t pid, const char* title);

// The four players' windows as the fake starts them: window 11 to 14, owned by process 1001 to
// 1004, titled "VLC media player".
void showPlayerWindows();

}  // namespace fake
