// Between the X11 backend's own files: its one record of state and the helpers they share.
//
// The backend talks to whatever X server the players' windows live on: Xorg with a window
// manager or none, or the Xwayland of a Wayland compositor (mutter, KWin, sway, weston), which is
// then also the X11 window manager. Placement goes one of two ways, chosen once at start: EWMH
// requests to the window manager, or the IPC of sway and i3, which ignore those requests.
#pragma once

#include <X11/Xlib.h>

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"
#include "platform/x11/tiling_ipc_message.h"
#include "platform/x11/window_phases.h"

namespace platform::x11 {

constexpr int kMaxSupported = 512;
constexpr int kMaxPlayers = 4;

// ---- The keyboard watch (keyboard_watch.cpp) ----

// Where the keyboard went among the console and the players, while it is watched.
struct KeyboardWatch {
    Window players[kMaxPlayers];
    int playerCount;
    // The console: an X window, or a native terminal named by its process.
    platform::WindowHandle console;
    // Whether a window manager was running when the watch began.
    bool managed;
    bool watching;
    // The watched player that last received the keyboard and has not lost it since, or None.
    Window playerWithKeys;
    // The console lost the keyboard and has not had it back since.
    bool consoleLostKeys;
};

// ---- The layout's windows (placement.cpp) ----

// A slot's window (the console, a player), and where it stands in the layout.
struct PlacedWindow {
    platform::WindowHandle handle;  // 0 while the slot has none
    WindowRecord record;
    int left, top, width, height;  // the outer rectangle asked for
    // The client inside it, with the frame as it was when the move was asked.
    int clientLeft, clientTop, clientWidth, clientHeight;
    // The last request about it to sway or i3, and whether its last look waited on their reply.
    unsigned long long request;
    bool awaiting;
};

struct Placement {
    PlacedWindow windows[kLayoutSlots];  // by slot
    bool active;                         // between beginPlacement and endPlacement
    long long deadlineMs;                // the layout's budget is spent then
};

// ---- sway's and i3's IPC (tiling_ipc.cpp) ----

// Replies to the viewer's commands are a few dozen bytes; the tree a few kilobytes a window, and
// read through this buffer however long it is.
constexpr std::size_t kReplySize = 65536;
// More requests than this unanswered: the compositor is not reading them.
constexpr unsigned long long kMostUnanswered = 32;
// The windows a tree is searched for at once: the four players and the console, and room.
constexpr int kMostSought = 8;

// A window looked for in the tree, and what the tree numbered `tree` said of it.
struct Sought {
    WindowHandle handle;
    bool found;
    IpcNode node;
    unsigned long long tree;
};

struct TilingIpc {
    // -1 while not connected: the next request connects again.
    int socket = -1;
    // The compositor stopped answering, or could not be reached, in this layout: nothing more is
    // asked of it until the next one. Outside a layout each request tries again.
    bool failed;
    bool inLayout;
    // The tree read last said nothing of whether a window is shown (i3): the X server is asked
    // instead, without reading the tree each time.
    bool treeWithoutVisibility;
    // The terminal the viewer runs in, when sway may have to place it as a native window.
    std::uint32_t terminalProcess;
    // Requests are numbered from 1 over the viewer's life, in the order sent: `sent` is the last
    // one sent, `answered` the last one whose reply was read (or that went with its connection).
    unsigned long long sent;
    unsigned long long answered;
    std::uint32_t types[kMostUnanswered];  // request n's type at n % kMostUnanswered
    // When the compositor last showed it was answering: its last reply, or the request sent
    // when none was waiting.
    long long answeringMs;
    // The newest request for the tree.
    unsigned long long treeAsked;
    // The windows the trees on their way are searched for; the first `searchedCount` since the
    // start of the one being read (-1 while none is).
    Sought sought[kMostSought];
    int soughtCount;
    int searchedCount = -1;
    // What the newest tree searched for each window said of it.
    Sought known[kMostSought];
    IpcReader reader;
    char reply[kReplySize];
};

// ---- The picture reads (pictures.cpp) ----

// The widest part of a row read, the most rows read and points taken across a window: a window
// larger than the grid of points allows is read more thinly.
constexpr int kMostPictureWidth = 4096;
constexpr int kMostPictureRowsRead = 256;
constexpr int kMostPicturePointsAcross = 512;
// The memory shared with the X server for an exchange's rows, a quarter a window: the rows read
// of a 480×270 pane take 32 KiB of its quarter, those of a 960×540 pane 130 KiB (only what is
// written counts in the viewer's resident memory); a larger pane is read more thinly.
constexpr std::size_t kSharedSize = 1024 * 1024;
// Each window of an exchange has its own part of it.
constexpr std::size_t kSharedPerWindow = kSharedSize / kMostPicturesAsked;
// The windows whose last read is kept: the four players, and room for windows they replaced.
constexpr int kKnownWindows = 8;

// Which rows and points of a window a sample reads: every sixteenth row and every eighth pixel of
// it; a larger window is read more thinly, so that a sample stays a bounded read that fits the
// shared memory.
struct RowPlan {
    int width, height, depth;  // of the window it was made for
    int bytesPerPixel;
    int readWidth;
    std::size_t rowBytes;  // a row's place in the shared memory
    int rowStep, columnStep;
    int rows;                       // 0: none made
    int cellEnds[kPictureColumns];  // the point each cell column ends before, across a row
};

// What a sample needs to know of the window, asked together with its rows: whether it is shown,
// its size and depth, where it stands on the screen, and the screen's size.
struct WindowState {
    PictureRead read;
    int width, height, depth;
    int left, top;  // on the screen
    bool offScreen;
};

// A window of the exchange on its way: its plan, whether its rows were asked with its state,
// what its state said, and whether it is read again at its new size.
struct Asked {
    Window window;
    RowPlan* plan;
    bool planned;
    WindowState state;
    bool again;
};

// The connection the viewer reads pictures on, spoken to without the X library: requests are
// numbered as the server numbers them, and every one of them is answered (a reply or an error).
struct PictureConnection {
    Display* display;  // what the X library made of it, kept for the life of the viewer
    int socket = -1;
    unsigned long long sent;      // the last request sent
    unsigned long long answered;  // the last request whose answer was read
    // An exchange's requests: each window's state (40 bytes) and its rows (32 bytes each at most).
    unsigned char out[kMostPicturesAsked * (40 + kMostPictureRowsRead * 32)];
    std::size_t outLength;
    unsigned char in[65536];
    std::size_t inStart, inEnd;  // what has been read and not yet taken
    std::size_t dropping;        // bytes still to drop as they come (an event, a response's rest)
    // The exchange on its way: the windows asked, in order; or nothing could be asked.
    Asked asked[kMostPicturesAsked];
    int askedCount;
    bool askFailed;
    // The windows read last, and how each was read (pictures.cpp).
    Window knownWindows[kKnownWindows];
    RowPlan plans[kKnownWindows];
    int nextKnown;
    // The memory shared with the server, and its names there; null where it offers none.
    unsigned char* shared;
    unsigned char sharedOpcode;
    std::uint32_t sharedSegment;
};

// ---- The alarm frames (frames.cpp) ----

// A pane's frame: four bands over its cell's edges and a label in its top-left corner, each an
// override-redirect window (the window manager leaves it alone: never framed, never focused),
// made at start and shown only while the pane has an alarm.
struct AlarmFrame {
    Window bands[4];  // top, bottom, left, right
    Window label;
    Pixmap labelPicture;  // the label's text, drawn here and shown as its background
    FrameLook look;
    char text[kFrameLabelSize];
    bool mapped;
};

struct AlarmFrames {
    AlarmFrame panes[kMaxPlayers + 1];  // 1 to 4
    bool made;
    unsigned long alarmPixel, clearedPixel, textPixel;
    XFontStruct* font;  // null where the server has no "fixed": the label is then only coloured
    GC gc;
};

// The backend's one record: what the viewer knows of the X server it is connected to, and the
// state of each of its parts.
struct X11State {
    Display* display;
    Window root;
    // The window that had the keyboard focus when the viewer started: the operator's console,
    // where its window is not found by its title.
    Window keyboardHome;
    // The key codes of the letters a to z. The first lookup loads the keyboard map, which
    // allocates, so they are looked up at start and again only when the map changes.
    KeyCode letterKeycodes[26];
    // What the viewer does when the server goes away.
    WindowSystemLostHandler lost;
    // On a Wayland desktop: the players' windows live on its Xwayland.
    bool onWayland;
    // Placement through the sway / i3 IPC instead of EWMH requests.
    bool tilingIpc;
    // The requests the running window manager says it honours (_NET_SUPPORTED), read for the
    // window manager whose check window is `supportedFor`, and again when another takes over.
    Window supportedFor;
    long supported[kMaxSupported];
    long supportedCount;

    Atom netSupported;
    Atom netSupportingWmCheck;
    Atom netClientList;
    Atom netWmName;
    Atom netWmPid;
    Atom netWmState;
    Atom netWmStateHidden;
    Atom netFrameExtents;
    Atom netMoveResizeWindow;
    Atom netActiveWindow;
    Atom wmState;
    Atom utf8String;
    Atom i3SocketPath;

    KeyboardWatch keyboard;
    Placement placement;
    TilingIpc ipc;
    PictureConnection pictures;
    AlarmFrames frames;
};

extern X11State backend;

// A window handle that names a process rather than an X window: a native Wayland terminal on
// sway, which only the IPC can place. X window ids use 29 bits.
constexpr WindowHandle kProcessWindowBit = WindowHandle{1} << 62;

// ---- connection.cpp ----------------------------------------------------------------------------

// Reads up to `maxItems` items of a window property of `type` into `items` (items of format 8
// are bytes, of format 32 are longs, as Xlib hands them out). Returns the number read.
long readProperty(Window window, Atom property, Atom type, int format, void* items, long maxItems);
// An EWMH window manager names a window that names itself.
bool windowManagerRunning();
// Whether the running window manager lists `request` as one it honours. NOTE: labwc lists no
// _NET_MOVERESIZE_WINDOW and ignores it, but obeys a plain ConfigureWindow as ICCCM has it.
bool windowManagerSupports(Atom request);
// Loads the keyboard map and looks up the letters' key codes.
void lookUpLetterKeycodes();
// Asks for the events of `window` that the keyboard watch and the layout want of it now; the
// one place the viewer sets a window's event mask.
void selectEvents(Window window);

// ---- window_list.cpp ---------------------------------------------------------------------------

// The window manager lists `window` among its clients, or keeps no such list (weston).
bool windowManagerLists(Window window);

// ---- placement.cpp -----------------------------------------------------------------------------

// The window's ICCCM state is Iconic, or the window manager marks it hidden.
bool isMinimized(Window window);
bool isViewable(Window window);
// A request about `window` to the window manager, as EWMH has it: a client message to the root.
void askWindowManager(Window window, Atom request, long d0, long d1, long d2, long d3, long d4);
// The events a layout on its way is woken by, for this window (none once it has ended).
long placementEventMask(Window window);

// ---- keyboard_watch.cpp ------------------------------------------------------------------------

// The events the keyboard watch reads, for this window.
long keyboardEventMask(Window window);
// The watch has news of the keyboard that no event brought (see watchKeyboard).
bool keyboardNewsWaiting();

// ---- tiling_ipc.cpp ----------------------------------------------------------------------------

// Connects to sway's or i3's IPC when the viewer runs under one; false otherwise.
bool connectTilingIpc();
// Whether the IPC answers now. A compositor that let requests wait too long (stopped, busy) or
// could not be reached is asked nothing more in that layout; outside one, and in the next, the
// next request connects again. One that closed the connection (i3 restarted in place) is connected
// to again by the next request. While none answers, windows are placed as under any window manager.
bool tilingIpcAnswers();
void tilingLayoutBegins();
void tilingLayoutEnds();

// Nothing waits on the IPC: a request is sent and numbered (from 1, in the order sent; 0 when it
// could not be sent), and its reply read when it has come, in the cycle's wait, which polls the
// socket while replies are awaited.
void takeTilingReplies();
// The socket whose replies are awaited; -1 when none is.
int tilingReplyDescriptor();
// When a compositor that still answers nothing is given up; a far future when nothing is awaited.
long long tilingGiveUpMs();
// Whether request `request` is still unanswered on the connection it went on.
bool tilingAwaiting(unsigned long long request);
unsigned long long tilingMinimize(WindowHandle window);
unsigned long long tilingShow(WindowHandle window);
unsigned long long tilingMove(WindowHandle window, int left, int top, int width, int height);
// Gives the window the keyboard, unless it is out of sight (in the scratchpad): focusing it there
// would show it.
void tilingFocus(WindowHandle window);

enum class TreeAnswer {
    kWaiting,      // a tree is asked for; its reply is news for the cycle's wait
    kFound,        // the tree holds the window
    kAbsent,       // it does not
    kUnavailable,  // no tree can be read now
};
// The window's node in a tree asked for after request `after` (a command about the window: the
// tree then shows what it did). The first call asks for the tree; one tree answers every window
// sought before its reply began.
TreeAnswer tilingNode(WindowHandle window, unsigned long long after, IpcNode* node);
// Whether the compositor keeps the window out of sight now (the scratchpad), whoever hid it and
// whoever showed it since: from such a tree, or (i3, whose tree does not say) the X server.
// kFound with `*hidden` set, or kWaiting.
TreeAnswer tilingHidden(WindowHandle window, unsigned long long after, bool* hidden);
// The terminal the viewer runs in, when it is a native Wayland window sway can name by its
// process; 0 otherwise.
std::uint32_t nativeTerminalProcess();

// ---- pictures.cpp ------------------------------------------------------------------------------

// Opens the connection pictures are read on; without it every read fails.
void openPictureConnection();

// ---- frames.cpp --------------------------------------------------------------------------------

// Makes the frames' windows, unmapped; without them no frame is shown.
void makeFrames();

// ---- titles_keys.cpp ---------------------------------------------------------------------------

// Takes a change of the keyboard map the server reported.
void takeMappingChange(XEvent& event);

}  // namespace platform::x11
