// One window through a layout, on scripted desktops: each takes the requests its own way (late,
// dropped, ignored, stopped for a while), and the window must end placed, or refused for that
// layout only, without a request too many.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <ostream>
#include <string>
#include <vector>

#include "platform/x11/window_phases.h"

namespace {

using platform::x11::Desk;
using platform::x11::Phase;
using platform::x11::Request;
using platform::x11::WindowRecord;
using platform::x11::WindowView;

// How a desktop takes requests, and what it does to the window.
struct Behaviour {
    long long takesMinimizeAfterMs = 0;  // a loaded window manager shows a minimize late
    bool keepsMinimizedMapped = false;   // mutter: a map asks nothing of it
    int dropsMoves = 0;                  // the first moves are dropped (openbox, just restored)
    long long framesAtMs = 0;            // mutter 50 frames a window a moment after taking it on
    int listsAfterRemaps = 0;            // taken on half-way until mapped again (sway 1.12)
    bool placesNothing = false;          // weston
    long long stoppedUntilMs = 0;        // takes nothing before then, then all of it in order
    bool ipcShows = false;               // the window starts in the scratchpad
    long long takesMovesAfterMs = 0;     // a loaded window manager carries a move out late
    bool ignoresRestores = false;        // the window stays minimized whatever is asked
    long long answersAfterMs = 0;        // sway / i3 carry out and answer each request late
};

// How long the platform lets sway or i3 leave a request unanswered before it gives the IPC up
// for the layout; the window is then asked as under any window manager.
constexpr long long kIpcGivenUpAfterMs = 500;
constexpr long long kNever = LLONG_MAX / 4;

struct Outcome {
    std::vector<Request> requests;
    Phase phase;
    long long endedAtMs;
    long long shownAtMs;  // when it was first asked to be shown again; -1 if never
    int treeReads;
    WindowView last;  // the window as the desktop left it, once it caught up
};

struct Desktop {
    Behaviour behaviour;
    Desk desk;
    // The window.
    bool mapped = true;
    bool minimized = false;
    bool placed = false;
    bool listed = true;
    bool inScratchpad = false;
    int remaps = 0;
    // Requests taken but not yet carried out, in order, each with the time it will be.
    std::vector<std::pair<long long, Request>> queue;
    // When the IPC's last request (a command, or the tree) is answered, and when it was sent;
    // the number of the last command and of the last tree asked.
    long long answerAtMs = 0;
    long long askedAtMs = 0;
    int lastCommand = 0;
    int lastTree = 0;

    bool ipcRequest(Request request) const {
        return request == Request::kHideByIpc || request == Request::kShowByIpc ||
               request == Request::kMoveByIpc;
    }

    void askIpc(long long nowMs) {
        askedAtMs = nowMs;
        answerAtMs = nowMs + behaviour.answersAfterMs;
    }

    // Whether the window waits on the IPC's reply; past its time the IPC is given up.
    bool awaiting(long long nowMs) {
        if (desk.ipc && nowMs < answerAtMs && nowMs >= askedAtMs + kIpcGivenUpAfterMs) {
            desk.ipc = false;
        }
        return desk.ipc && nowMs < answerAtMs;
    }

    void take(Request request, long long nowMs) {
        long long at = nowMs > behaviour.stoppedUntilMs ? nowMs : behaviour.stoppedUntilMs;
        if (ipcRequest(request)) {
            askIpc(nowMs);
            lastCommand = lastTree + 1;
            at += behaviour.answersAfterMs;
        }
        if (request == Request::kMinimize) {
            at += behaviour.takesMinimizeAfterMs;
        }
        if (request == Request::kMoveEwmh) {
            at += behaviour.takesMovesAfterMs;
        }
        // In order: nothing overtakes a request before it.
        if (!queue.empty() && queue.back().first > at) {
            at = queue.back().first;
        }
        queue.emplace_back(at, request);
    }

    void carryOut(Request request, long long atMs) {
        switch (request) {
            case Request::kMinimize:
            case Request::kUnmap:
            case Request::kHideByIpc:
                minimized = request == Request::kMinimize;
                mapped = request == Request::kMinimize && behaviour.keepsMinimizedMapped;
                inScratchpad = request == Request::kHideByIpc;
                break;
            case Request::kMap:
            case Request::kActivate:
            case Request::kShowByIpc:
                if (behaviour.ignoresRestores) {
                    break;
                }
                if (request != Request::kMap) {
                    mapped = true;
                    minimized = false;
                    inScratchpad = false;
                } else if (!(minimized && mapped)) {
                    mapped = true;
                    minimized = false;
                }
                break;
            case Request::kRemap:
                listed = ++remaps >= behaviour.listsAfterRemaps;
                break;
            case Request::kNone:
                break;
            default:  // the moves
                if (behaviour.dropsMoves > 0) {
                    --behaviour.dropsMoves;
                } else {
                    // Placed before its frame was made, a client ends inside it; taken on
                    // half-way, a window is placed nowhere.
                    placed = !behaviour.placesNothing && listed && atMs >= behaviour.framesAtMs;
                }
                break;
        }
    }

    // When the window changes next, as the window system would report it.
    long long nextChangeMs(long long nowMs) const {
        const long long request = queue.empty() ? LLONG_MAX : queue.front().first;
        return behaviour.framesAtMs > nowMs && behaviour.framesAtMs < request ? behaviour.framesAtMs
                                                                              : request;
    }

    WindowView look(long long nowMs) {
        while (!queue.empty() && queue.front().first <= nowMs) {
            carryOut(queue.front().second, queue.front().first);
            queue.erase(queue.begin());
        }
        WindowView view{};
        view.viewable = mapped;
        view.unmapped = !mapped;
        view.minimized = minimized;
        view.managed = true;
        view.framed = nowMs >= behaviour.framesAtMs;
        view.listed = listed;
        view.placed = placed && mapped && !minimized;
        view.hiddenByDesk = inScratchpad;
        return view;
    }
};

Desktop desktopOf(const Behaviour& behaviour, const Desk& desk) {
    Desktop desktop;
    desktop.behaviour = behaviour;
    desktop.desk = desk;
    return desktop;
}

// A layout of one player: minimize, the pause, restore and move; the desktop's changes and the
// record's own times wake it, as the cycle's wait does. Bounded in steps and time.
Outcome layOut(Desktop& desktop, WindowRecord& record, long long startMs, bool player = true) {
    Outcome run{{}, Phase::kIdle, 0, -1, 0, {}};
    desktop.listed = desktop.listed && desktop.remaps >= desktop.behaviour.listsAfterRemaps;
    platform::x11::beginLayout(record);
    long long now = startMs;
    const auto send = [&](Request request) {
        const bool shows = request == Request::kMap || request == Request::kActivate ||
                           request == Request::kShowByIpc;
        if (shows && run.shownAtMs < 0) {
            run.shownAtMs = now - startMs;
        }
        if (request != Request::kNone) {
            run.requests.push_back(request);
            desktop.take(request, now);
        }
    };
    if (player) {
        send(platform::x11::askMinimize(record, desktop.look(now), desktop.desk, now));
        record.restoreWanted = true;
        record.restoreAtMs = now + 100;  // the layout's pause
    }
    record.moveWanted = true;
    for (int step = 0; step < 200 && !platform::x11::settled(record); ++step) {
        const bool tree = platform::x11::needsDeskTree(record, desktop.desk, now);
        // A tree is asked once after the window's last request, and read when it comes.
        if (tree && desktop.desk.ipc && desktop.lastTree < desktop.lastCommand) {
            ++run.treeReads;
            desktop.lastTree = desktop.lastCommand + 1;
            desktop.askIpc(now);
        }
        WindowView view = desktop.look(now);
        view.awaiting = desktop.awaiting(now);
        // A native window's place is known from the tree alone.
        view.placed = view.placed && (tree || !desktop.desk.native) && !view.awaiting;
        send(platform::x11::advanceWindow(record, view, desktop.desk, now));
        if (platform::x11::settled(record)) {
            break;
        }
        const long long wake =
            view.awaiting ? std::min(desktop.answerAtMs, desktop.askedAtMs + kIpcGivenUpAfterMs)
                          : platform::x11::wakeMs(record);
        const long long change = desktop.nextChangeMs(now);
        const long long next = wake < change ? wake : change;
        if (next == LLONG_MAX || next - startMs > 10000) {
            break;
        }
        now = next > now ? next : now + 1;
    }
    run.phase = record.phase;
    run.endedAtMs = now - startMs;
    run.last = desktop.look(LLONG_MAX - 1);
    return run;
}

constexpr Desk kEwmh = {true, true, true, false, false};
constexpr Desk kTiling = {true, false, true, true, false};

struct Case {
    const char* name;
    Behaviour behaviour;
    Desk desk;
    std::vector<Request> requests;
    Phase phase;
    bool endsInPlace;  // once the desktop has caught up: shown, where the layout asked
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

using R = Request;

class WindowPhases : public ::testing::TestWithParam<Case> {};

TEST_P(WindowPhases, TheWindowEndsAsTheDesktopAllows) {
    const Case& c = GetParam();
    Desktop desktop = desktopOf(c.behaviour, c.desk);
    WindowRecord record{};
    const Outcome run = layOut(desktop, record, 1000);
    EXPECT_EQ(run.requests, c.requests);
    EXPECT_EQ(run.phase, c.phase);
    // Whatever the desktop, the player is shown again no sooner than the pause after its
    // minimize, and one layout ends well within its budget.
    EXPECT_GE(run.shownAtMs, 100);
    EXPECT_LT(run.endedAtMs, 3000);
    EXPECT_EQ(run.last.placed && !run.last.minimized, c.endsInPlace);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, WindowPhases,
    ::testing::Values(
        Case{"TakesEverythingAtOnce",
             {},
             kEwmh,
             {R::kMinimize, R::kMap, R::kMoveEwmh},
             Phase::kPlaced,
             true},
        // The restore waits for the minimize: taken before it, it would be undone by it.
        Case{"ShowsTheMinimizeLate",
             {400},
             kEwmh,
             {R::kMinimize, R::kMap, R::kMoveEwmh},
             Phase::kPlaced,
             true},
        // mutter keeps a minimized window mapped: a map is nothing to it, an activation restores.
        Case{"KeepsMinimizedWindowsMapped",
             {0, true},
             kEwmh,
             {R::kMinimize, R::kActivate, R::kMoveEwmh},
             Phase::kPlaced,
             true},
        // Past its time the minimize is still to come: the restore is an activation, which the
        // window manager takes after it, and the moves after that: the window ends shown where
        // it was asked, read back within the moves' time.
        Case{"TakesTheMinimizeAfterItsTime",
             {1500},
             kEwmh,
             {R::kMinimize, R::kActivate, R::kMoveEwmh, R::kMoveEwmh, R::kMoveEwmh, R::kMoveEwmh,
              R::kMoveEwmh},
             Phase::kPlaced,
             true},
        // A loaded window manager carries out a move 600 ms after it was asked: re-sent meanwhile,
        // and placed, never told as a refusal.
        Case{"CarriesTheMoveOutLate",
             {0, false, 0, 0, 0, false, 0, false, 600},
             kEwmh,
             {R::kMinimize, R::kMap, R::kMoveEwmh, R::kMoveEwmh, R::kMoveEwmh, R::kMoveEwmh,
              R::kMoveEwmh},
             Phase::kPlaced,
             true},
        Case{"DropsTheFirstMove",
             {0, false, 1},
             kEwmh,
             {R::kMinimize, R::kMap, R::kMoveEwmh, R::kMoveEwmh},
             Phase::kPlaced,
             true},
        // A client placed before its frame is made would end inside it: the move waits.
        Case{"FramesTheWindowLate",
             {0, false, 0, 1400},
             kEwmh,
             {R::kMinimize, R::kMap, R::kMoveEwmh},
             Phase::kPlaced,
             true},
        Case{"TakesTheWindowOnHalfWay",
             {0, false, 0, 0, 2},
             kEwmh,
             {R::kMinimize, R::kMap, R::kRemap, R::kRemap, R::kMoveEwmh},
             Phase::kPlaced,
             true},
        // Never listed: mapped again three times at most, then moved all the same.
        Case{"NeverListsTheWindow",
             {0, false, 0, 0, 99},
             kEwmh,
             {R::kMinimize, R::kMap, R::kRemap, R::kRemap, R::kRemap, R::kMoveEwmh, R::kMoveEwmh,
              R::kMoveEwmh, R::kMoveEwmh, R::kMoveEwmh},
             Phase::kRefused,
             false},
        Case{"PlacesNothing",
             {0, false, 0, 0, 0, true},
             kEwmh,
             {R::kMinimize, R::kMap, R::kMoveEwmh, R::kMoveEwmh, R::kMoveEwmh, R::kMoveEwmh,
              R::kMoveEwmh},
             Phase::kRefused,
             false},
        // A restore the desktop ignores leaves the player out of sight: refused, to be told.
        Case{"IgnoresTheRestore",
             {0, false, 0, 0, 0, false, 0, false, 0, true},
             kEwmh,
             {R::kMinimize, R::kMap, R::kMoveEwmh, R::kMoveEwmh, R::kMoveEwmh, R::kMoveEwmh,
              R::kMoveEwmh},
             Phase::kRefused,
             false},
        // labwc takes no EWMH move, but a ConfigureWindow.
        Case{"TakesNoEwmhMove",
             {},
             {true, false, true, false, false},
             {R::kMinimize, R::kMap, R::kMoveConfigure},
             Phase::kPlaced,
             true},
        Case{"NoWindowManager",
             {},
             {false, false, false, false, false},
             {R::kUnmap, R::kMap, R::kMoveDirect},
             Phase::kPlaced,
             true},
        Case{"TilingThroughItsIpc",
             {},
             kTiling,
             {R::kHideByIpc, R::kShowByIpc, R::kMoveByIpc},
             Phase::kPlaced,
             true},
        // A compositor that answers every request 140 ms late is waited for, not asked again
        // nor taken for one that refuses.
        Case{"AnswersItsIpcLate",
             {0, false, 0, 0, 0, false, 0, false, 0, false, 140},
             kTiling,
             {R::kHideByIpc, R::kShowByIpc, R::kMoveByIpc},
             Phase::kPlaced,
             true},
        // One that never answers is given up: the window is then asked as under any window
        // manager, and refused within the layout's time when that takes nothing either.
        Case{"NeverAnswersItsIpc",
             {0, false, 0, 0, 0, true, 0, false, 0, false, kNever},
             kTiling,
             {R::kHideByIpc, R::kMap, R::kMoveConfigure, R::kMoveConfigure, R::kMoveConfigure,
              R::kMoveConfigure, R::kMoveConfigure},
             Phase::kRefused,
             false}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// A window manager stopped for three seconds takes nothing: the layout gives the window up
// within its own time, the requests wait in order, and once it resumes the window stands shown
// where the last request asked. The refusal is for that layout: the next asks it in full.
TEST(WindowPhasesAfterAStall, TheRefusalLastsOneLayout) {
    Behaviour stopped;
    stopped.stoppedUntilMs = 1000 + 3000;
    Desktop desktop = desktopOf(stopped, kEwmh);
    WindowRecord record{};
    const Outcome first = layOut(desktop, record, 1000);
    EXPECT_EQ(first.phase, Phase::kRefused);
    EXPECT_LT(first.endedAtMs, 2500);
    EXPECT_TRUE(first.last.placed && !first.last.minimized);

    desktop.placed = false;  // the operator's next key asks for another size
    const Outcome next = layOut(desktop, record, 5000);
    EXPECT_EQ(next.requests, (std::vector<Request>{R::kMinimize, R::kMap, R::kMoveEwmh}));
    EXPECT_EQ(next.phase, Phase::kPlaced);
}

// The console after H: minimized, then only moved by V. A desktop places nothing out of sight,
// and that is no refusal.
TEST(WindowPhasesOutOfSight, AMinimizedConsoleIsMovedWithoutARefusal) {
    Desktop desktop = desktopOf({}, kEwmh);
    WindowRecord record{};
    desktop.take(platform::x11::askMinimize(record, desktop.look(0), kEwmh, 0), 0);
    const Outcome run = layOut(desktop, record, 1000, false);
    EXPECT_EQ(run.phase, Phase::kPlaced);
    EXPECT_TRUE(run.last.minimized);
}

// sway names a native terminal by its process; its tree is read at the re-send times only, not
// at every look (a stopped compositor answers nothing, and the tree is large).
TEST(WindowPhasesNative, TheTreeIsReadOnlyAtReSendTimes) {
    Desktop desktop = desktopOf({0, false, 3}, {true, false, true, true, true});
    WindowRecord record{};
    const Outcome run = layOut(desktop, record, 1000, false);
    EXPECT_EQ(run.phase, Phase::kPlaced);
    EXPECT_EQ(run.requests,
              (std::vector<Request>{R::kMoveByIpc, R::kMoveByIpc, R::kMoveByIpc, R::kMoveByIpc}));
    EXPECT_EQ(run.treeReads, 4);
}

}  // namespace
