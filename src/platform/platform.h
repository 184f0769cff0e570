// The seam between the viewer and the operating system.
//
// The viewer's own logic (start-up order, argument checks, the poll cycle, the status records, the
// players and their layout) is written once against these functions. Each desktop implements them
// in a folder of its own (posix/ with x11/ for Linux, win32/ for Windows), chosen by the build.
// No operating-system type crosses this header. Functions report failure by their result and
// never end the process: the viewer decides what to print and which exit code to use.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// ---- Console ---------------------------------------------------------------------------------

// Prepares the console for the viewer: standard streams that are open, keys read one at a time
// without echo and with Enter as 13, and the console put back as it was on every way out.
void startConsole();

// Writes text to standard output as it stands, and flushes it so the operator sees it at once.
void writeConsole(const char* text, std::size_t length);

void setConsoleTitle(const char* title);

// Called on a thread of the platform's own for every operator interrupt (Ctrl-C, closing the
// console, a termination request); the next interrupt is taken after the handler returns.
using ControlHandler = void (*)(int eventType);
bool installControlHandler(ControlHandler handler);

// Reads one waiting key code (see waitThenCheckInput); returns -1 when none is waiting. Never
// blocks.
int readKey();

// ---- Time ------------------------------------------------------------------------------------

void sleepMs(int milliseconds);
// Milliseconds on a clock that only goes forward, from an arbitrary start.
long long monotonicMs();

// ---- Single-instance guard -------------------------------------------------------------------

// A guard named `name`, per user session, that vanishes with the process however it ends.
// Returns 0 when it cannot be created or another process already holds it.
using GuardHandle = std::uint64_t;
GuardHandle createInstanceGuard(const char* name);
// Gives up this process's handle. The guard itself lasts until the process ends.
void releaseInstanceGuard(GuardHandle guard);

// ---- Files -----------------------------------------------------------------------------------

// Copies the first player executable that exists, in the platform's order of candidates, into
// `path`. Returns false when there is none.
bool findPlayerExecutable(char* path, std::size_t pathSize);

// Copies the path of the program `name` found in the platform's search path (PATH) into `path`.
// Returns false when there is none.
bool findProgram(const char* name, char* path, std::size_t pathSize);

// Last component of a program path, after the platform's directory separator.
const char* lastPathComponent(const char* path);

// ---- Processes -------------------------------------------------------------------------------

// What starting a process returns; all zero for a process never started.
struct ProcessInfo {
    std::uint64_t processHandle;
    std::uint64_t threadHandle;
    std::uint32_t processId;
    std::uint32_t threadId;
};

// Starts `program` with `commandLine`, the text that follows the program path on a command line
// (words separated by blanks), inheriting nothing. On failure stores the platform's error code.
bool startProcess(const char* program, const char* commandLine, ProcessInfo* process,
                  int* errorCode);
// True when the process has ended; stores its exit status, and the signal that ended it (0 when
// it exited, or where the platform has no signals). Ending it afterwards is harmless.
bool processHasEnded(ProcessInfo* process, int* exitStatus, int* signalNumber);
// Ends the process without asking it to close and releases its handles. Does nothing for a
// process never started.
void endProcess(ProcessInfo* process);

// ---- UDP sockets -----------------------------------------------------------------------------

// IPv4 addresses cross the seam in network byte order, as the socket layer keeps them.
using SocketHandle = std::intptr_t;
constexpr SocketHandle kNoSocket = -1;
constexpr std::uint32_t kAddressNone = 0xFFFFFFFFu;

// Starts the socket layer; on failure stores its error code.
bool startSockets(int* errorCode);
// Converts a dotted-quad address text as inet_addr does; kAddressNone when it does not convert.
std::uint32_t addressFromText(const char* text);
// A close-on-exec IPv4 UDP socket, or kNoSocket.
SocketHandle createUdpSocket();
bool setReuseAddress(SocketHandle socket);
// Binds to `interfaceAddress` and `port`. `group` is the multicast group the socket will join, or
// 0; a platform that only delivers group traffic to sockets bound to the group binds to it.
bool bindSocket(SocketHandle socket, std::uint32_t interfaceAddress, std::uint16_t port,
                std::uint32_t group);
bool setNonBlocking(SocketHandle socket);
bool joinGroup(SocketHandle socket, std::uint32_t group, std::uint32_t interfaceAddress);
bool dropGroup(SocketHandle socket, std::uint32_t group, std::uint32_t interfaceAddress);
// Reads one waiting datagram into `buffer` without waiting. Returns its length, or -1 when none
// is waiting, the read failed, or the datagram was longer than `capacity` (it is then lost whole).
int receiveDatagram(SocketHandle socket, char* buffer, int capacity);
void closeSocket(SocketHandle socket);
// For a sender to a multicast group: TTL 1, and out through `interfaceAddress` (0 for the
// system's choice).
bool setMulticastSending(SocketHandle socket, std::uint32_t interfaceAddress);
bool sendDatagram(SocketHandle socket, std::uint32_t address, std::uint16_t port, const char* data,
                  std::size_t length);

// ---- What the cycle reads ----------------------------------------------------------------------

// Bits of waitThenCheckInput's answer.
constexpr unsigned kKeyInput = 1u;
constexpr unsigned kTextSocketInput = 2u;
constexpr unsigned kStatusSocketInput = 4u;
constexpr unsigned kWindowEvents = 8u;

// Waits `milliseconds` whatever arrives meanwhile, then takes one look at everything the cycle
// reads: a key (readKey then returns it), a datagram on the text and the status socket, and news
// from the window system for handleWindowEvents. The two are one call so that a platform can do
// both in one: an idle cycle then costs a single wake-up.
unsigned waitThenCheckInput(int milliseconds, SocketHandle text, SocketHandle status);

// ---- Windows of other programs ---------------------------------------------------------------

// Called when the connection to the window system is lost for good (its server went away), from
// within whichever window call found out. It must not return: the viewer ends.
using WindowSystemLostHandler = void (*)();

// Connects to the window system the players' windows live on and stores the name of its display,
// for the operator (also when it could not be opened).
bool openWindowSystem(char* displayName, std::size_t displayNameSize, WindowSystemLostHandler lost);

// True when the console the viewer runs in may be a window of another window system than the
// players' (a native Wayland terminal, which X11 cannot see), so that its window not being found
// is worth telling the operator.
bool consoleMayBeOutOfReach();

// An X window id or an HWND. 0 is no window: every operation below does nothing on it.
using WindowHandle = std::uint64_t;

constexpr std::size_t kWindowTitleSize = 256;

struct WindowInfo {
    WindowHandle handle;
    std::uint32_t ownerProcessId;
    char title[kWindowTitleSize];  // at most 255 characters
};

// Calls `visit` for every top-level window, in the window system's order, until it returns false.
// With `wholeTree`, a platform whose window manager keeps its own list of windows walks the window
// tree instead, so that a window the window manager failed to list is found too.
using WindowVisitor = bool (*)(const WindowInfo& window, void* context);
void listTopLevelWindows(WindowVisitor visit, void* context, bool wholeTree);

// The viewer's windows have a slot each, for their life: 0 the console, 1 to 4 the players. What
// a platform keeps of a window for layouts belongs to its slot: made when a layout or a minimize
// first names the window there, let go when another window takes the slot or forgetWindow says
// it went. Nothing is kept by window number alone, which the window system reuses.
constexpr int kLayoutSlots = 5;

// Minimizes the window of `slot` (H, and a player's window that comes while the grid is hidden),
// without waiting: a platform that reads back what its window system did keeps the request in
// mind, so that the next layout's restore does not overtake it.
void minimizeWindow(int slot, WindowHandle window);

// ---- A layout's placement ----------------------------------------------------------------------

// What a layout wants of one window: the outer rectangle, frame included, as the layout computed
// it from the command line, which may be beyond any screen (the platform brings it into the range
// its window system takes); and whether the window is first minimized, then shown again after
// the layout's pause and placed (a player, which a window manager may otherwise have placed its
// own way), or only placed as it stands (the console).
struct WindowGoal {
    WindowHandle window;  // 0: nothing is asked of this slot
    bool hideFirst;
    std::int64_t left, top, width, height;
};

// A whole layout, as the viewer wants it, by slot. The platform alone carries it out, window by
// window, in the order its window system needs (a restore after the minimize on its way and the
// pause, a move once the window is shown and taken on), and says when it is over.
struct LayoutGoal {
    WindowGoal windows[kLayoutSlots];
    int pauseMs;
    long long budgetMs;
};

// Starts a layout: every window of it is asked in full, whatever an earlier layout made of it.
// Nothing waits: what is due at once is asked now, the rest as advancePlacement finds it due.
void beginPlacement(const LayoutGoal& layout);
// Sends what has come due and reads back what the window system did since the last call; true
// once every window of the layout is placed, refused for this layout, or gone, or the layout's
// budget is spent (endPlacement then says what the desktop made of each).
bool advancePlacement();
// When advancePlacement next has something to do without news from the window system (the
// pause's end, a request to send again, the budget's end); a far future when nothing waits on
// the clock.
long long placementWakeMs();
// Waits until the window system has news (handleWindowEvents then reads it) or `untilMs` comes,
// whichever is first.
void waitForWindowNews(long long untilMs);
// Ends the layout, at its end or cut short (H): nothing more is asked, and a window still on its
// way counts as refused unless it is out of sight and was not to be shown, where a desktop places
// nothing.
void endPlacement();
// After endPlacement, for a slot of that layout: true when its window is in place or gone, and
// where the platform cannot tell; false when the desktop left it elsewhere, and for a slot the
// platform keeps no window of.
bool windowPlaced(int slot);
// The window of `slot` went with its player: what was kept of it is let go, so that nothing of it
// outlives it (the window system may give its number to a window of another program).
void forgetWindow(int slot);

void setWindowTitle(WindowHandle window, const char* title);
// A key-down and a key-up of the letter with this virtual-key code ('S' 83, 'N' 78).
void sendKey(WindowHandle window, int virtualKey);

// ---- What a window shows -----------------------------------------------------------------------

// A pane's picture as the viewer judges it: the window's whole client area read as a grid of
// points, every kPictureStep-th pixel of every kPictureRowStep-th row (so that any 16×16 area
// holds at least two of them, on one row: on X11 each row read is a request and a reply, which
// are most of what a sample costs; a pane larger than a quarter of a full HD screen is read more
// thinly), each point's luma converted from the window's real pixel format and added to the cell
// of a kPictureColumns × kPictureRows thumbnail it falls in.
constexpr int kPictureStep = 8;
constexpr int kPictureRowStep = 16;
constexpr int kPictureColumns = 32;
constexpr int kPictureRows = 18;
constexpr int kPictureCells = kPictureColumns * kPictureRows;

struct PictureSample {
    std::uint32_t cells[kPictureCells];  // row by row: the sum of the luma of each cell's points
    int brightest;                       // the brightest colour value of any point, 0 to 255
};

// What came of reading a window's picture.
enum class PictureRead {
    kRead,
    kNotShown,   // minimized, unmapped or of no size
    kOffScreen,  // partly off the screen, where the window system keeps no picture of that part
    kGone,       // the window no longer exists
    kFailed,     // the window system answered with an error, late, or in a format not read
};

// The most windows read in one exchange: the four panes.
constexpr int kMostPicturesAsked = 4;

// Asks for the pictures the windows show now, as the operator sees them, without waiting for
// them: the window system answers meanwhile, and takePictures reads its answers, in the next
// cycle, so that the cycle never waits on a round trip. At most kMostPicturesAsked windows.
void askPictures(const WindowHandle* windows, int count);
// What came of each window asked, in the order asked, and its sample where it was read.
void takePictures(PictureRead* reads, PictureSample* samples);

// Whether pictures are read the cheap way the platform prefers (on X11, memory shared with the X
// server); false where it fell back to a read that costs the viewer more.
bool pictureReadsShared();

// ---- Alarm frames ------------------------------------------------------------------------------

// A pane in trouble is framed: a band over the edges of its cell, in the colour of its alarm, with
// a short label in the cell's top-left corner. The frames are the viewer's own windows, made at
// start, above the players; they never take the keyboard or the focus, and go with the viewer
// however it ends. The picture reads leave the band and the label out of every sample, shown or
// not, so that a frame, or a label that counts seconds, never reads as a picture that moved.
constexpr int kFrameBand = 6;
constexpr int kFrameLabelWidth = 128;
constexpr int kFrameLabelHeight = 16;
// Room for a label: "WAS NO PLAYER 999:59" and its end.
constexpr std::size_t kFrameLabelSize = 24;

enum class FrameLook {
    kNone,     // no frame
    kAlarm,    // red: the alarm is on
    kCleared,  // amber: it ended, and nobody has acknowledged it yet
};

// A cell a frame stands on: a pane's outer rectangle, as a layout aims at it.
struct FrameCell {
    std::int64_t left, top, width, height;
};

// Where the frame of pane `pane` (1 to 4) stands from now on, shown or not.
void placeFrame(int pane, const FrameCell& cell);
// Shows the frame of `pane` as `look` with `label`, raised above the players again, or hides it
// (kNone). Nothing waits on the window system.
void showFrame(int pane, FrameLook look, const char* label);

// ---- The system's log
// -----------------------------------------------------------------------------

// Opens the log every line the viewer tells of its panes, and the source's messages, are kept in
// with their time; stores where it is, for the operator. False when it cannot be reached.
bool openSystemLog(char* where, std::size_t whereSize);
// Records one line (no line end), as a warning or as news. Never waits: a log that does not take
// the line now loses it. False when the log could not be written.
bool writeSystemLog(const char* text, std::size_t length, bool warning);

// ---- Where the keyboard goes after a layout ---------------------------------------------------

// Bits of handleWindowEvents' answer, while the keyboard is watched: what the news just read say.
constexpr unsigned kPlayerTookKeys = 1u;   // a watched player has the keyboard now
constexpr unsigned kConsoleLostKeys = 2u;  // the console lost it, and no program's window has it

// From now on reports, in handleWindowEvents' answer, where the keyboard goes among these windows
// (again with the windows of a new layout). A console of 0 is the window that had the keyboard
// when the viewer started, where the platform knows it.
void watchKeyboard(WindowHandle console, const WindowHandle* players, int playerCount);
// Stops reporting: the window system sends no more news of the keyboard.
void stopWatchingKeyboard();
// Gives the keyboard to this window (0 as in watchKeyboard), unless the window is out of sight:
// giving it the keyboard would show it.
void giveKeysTo(WindowHandle window);

// Acts on what the window system reported since the last call (see waitThenCheckInput) and
// returns what it said of the keyboard: kPlayerTookKeys, kConsoleLostKeys or 0.
unsigned handleWindowEvents();

}  // namespace platform
