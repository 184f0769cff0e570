// Every text the viewer shows the operator, in one place, byte for byte.
#pragma once

namespace messages {

constexpr const char kVersion[] = "3v20";
constexpr const char kVersionSuffix[] = "b";

constexpr const char kBannerFormat[] = "rezerivove-%s%s:  Tarnvale Multi VLC Viewer";
constexpr const char kLineEnd[] = "\r\n";
constexpr const char kAlreadyRunningFormat[] =
    "******* rezerivove-%s%s is already running *******\r\n";
constexpr const char kUsageFormat[] =
    "Usage: rezerivove%s IPADDRESS IPPORT IPINTERFACEADDRESS "
    "VLCLEFT VLCTOP VLCWIDTH VLCHEIGHT\r\n"
    "INFOLEFT INFOTOP INFOWIDTH INFOHEIGHT\r\n";
constexpr const char kHandlerFailed[] = "Console handler failed to install\r\n";
constexpr const char kInvalidAddressFormat[] = "Invalid address: %s\r\n";
constexpr const char kInvalidPortFormat[] = "Invalid port: %d\r\n";
constexpr const char kCannotFindPlayer[] = "Cannot find VLC\r\n";

constexpr const char kSocketInitFailedFormat[] = "Socket init failed. Error Code: %d\r\n";
constexpr const char kCannotCreateSocketFormat[] = "Cannot create rx socket for port %d\r\n";
constexpr const char kCannotReuseBasePort[] = "Cannot re-use rx baseport\r\n";
constexpr const char kCannotAddMembershipFormat[] =
    "Cannot add membership to %s for rx port %d \r\n";
constexpr const char kCannotDropMembershipFormat[] =
    "Cannot drop membership to %s for rx port %d \r\n";

constexpr const char kProcessStartFailedFormat[] = "CreateProcess failed (%d).\n";
constexpr const char kCannotOpenDisplayFormat[] = "Cannot open display %s\r\n";
constexpr const char kLostDisplayFormat[] = "Lost connection to display %s\r\n";
constexpr const char kConsoleOutOfReach[] =
    "This console window cannot be placed: on Wayland, run the viewer in an X11 terminal such "
    "as xterm\r\n";
// Players whose windows have not shown after a while; one entry each, then the line's end.
constexpr const char kPlayersMissingStart[] = "Still waiting for the windows of players";
constexpr const char kPlayerMissingFormat[] = " %d (udp://@%s:%d)";
// A player started again whose window has not shown in a minute; told once a start.
constexpr const char kPlayerWindowSlowFormat[] =
    "Player %d (udp://@%s:%d) has shown no window for %d s: looking for it once a minute\r\n";
// A window the desktop would not put where the layout asked, told once a window.
constexpr const char kPlayerNotPlacedFormat[] =
    "The desktop did not place the window of player %d (udp://@%s:%d)\r\n";
constexpr const char kConsoleNotPlaced[] = "The desktop did not place the console window\r\n";
// A player that ended on its own, started again after a while; one line a try, one a minute at
// most for the same player.
constexpr const char kPlayerExitedFormat[] =
    "Player %d (udp://@%s:%d) ended with exit code %d: starting it again in %d s\r\n";
constexpr const char kPlayerSignalledFormat[] =
    "Player %d (udp://@%s:%d) ended by signal %d: starting it again in %d s\r\n";
constexpr const char kPlayerRestartFailedFormat[] =
    "Player %d (udp://@%s:%d) could not be started (%d): trying again in %d s\r\n";
// A shown pane whose picture stands still or stays black, told once, and when it moves again.
constexpr const char kPictureStillFormat[] = "Player %d (udp://@%s:%d): picture still for %d s\r\n";
constexpr const char kPictureBlackFormat[] = "Player %d (udp://@%s:%d): picture black for %d s\r\n";
constexpr const char kPictureMovingFormat[] =
    "Player %d (udp://@%s:%d): picture moving again after %d s\r\n";
// A pane whose picture has not been read for five seconds, with why; told once, and again when
// it is read.
constexpr const char kPictureUnreadableFormat[] =
    "Player %d (udp://@%s:%d): picture cannot be read, not watched (%s)\r\n";
constexpr const char kPictureWatchedFormat[] =
    "Player %d (udp://@%s:%d): picture watched again\r\n";
constexpr const char kPictureNotShown[] = "not shown";
constexpr const char kPictureOffScreen[] = "off the screen";
constexpr const char kPictureWindowWent[] = "the window went";
constexpr const char kPictureReadFailed[] = "the read failed";
// The window system shares no memory with the viewer (a remote X server, a container): each
// picture then crosses the connection, which costs more; told once at start.
constexpr const char kPictureReadSlowly[] =
    "The picture watch reads through the window system's connection: no memory shared with it\r\n";
// A threshold for the picture watch that is not a number, told once at start.
constexpr const char kStillSecondsNotANumberFormat[] =
    "REZERIVOVE_STILL_SECONDS is not a number of seconds (%s): the picture watch keeps %d s\r\n";

// The alarm command (REZERIVOVE_ALARM_COMMAND): one that cannot be started, one that ran too
// long, and events that could not wait for it; each told once.
constexpr const char kAlarmCommandFailedFormat[] =
    "The alarm command %s could not be started (%d)\r\n";
constexpr const char kAlarmCommandTooLongFormat[] =
    "The alarm command %s ran for %d s and was ended\r\n";
constexpr const char kAlarmEventsDroppedFormat[] =
    "The alarm command was still running: %d alarm events of player %d (udp://@%s:%d) were not "
    "passed to it\r\n";
// The system's log, where the viewer's lines are kept with their time, cannot be written; told
// once.
constexpr const char kSystemLogFailedFormat[] =
    "The system's log (%s) does not take the viewer's lines: they are not recorded there\r\n";

constexpr const char kKeyHints[] =
    "Hit ENTER or CTRL-C to quit\r\n"
    "Hit Y to toggle half size\r\n"
    "Hit H to hide\r\n"
    "Hit V to display\r\n"
    "\r\n";
constexpr const char kExiting[] = "Exiting\r\n";

// Window titles.
constexpr const char kDivertedTitleFormat[] = "%d:  *TS diverted to another location*";
constexpr const char kConsoleTitleFormat[] = "%s : Tarnvale Multi VLC Viewer";
constexpr const char kPlayerGridTitleFormat[] = "%d: udp://@%s:%d  Tarnvale";

}  // namespace messages

// Exit codes of the viewer.
namespace exit_codes {
constexpr int kNormal = 0;
constexpr int kUsage = 1;
constexpr int kCannotCreateSocket = 1;
constexpr int kInvalidAddress = 2;
constexpr int kMembership = 2;
constexpr int kInvalidPort = 3;
constexpr int kSocketInit = 4;
constexpr int kProcessStart = 5;
constexpr int kHandlerFailed = 9;
constexpr int kCannotOpenDisplay = 11;
constexpr int kCannotFindPlayer = 10;
constexpr int kAlreadyRunning = 99;
constexpr int kCannotReuse = -1;
}  // namespace exit_codes
