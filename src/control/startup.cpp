#include "control/startup.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "control/console_output.h"
#include "control/decimal_reading.h"
#include "control/main_loop.h"
#include "control/messages.h"
#include "net/receive_sockets.h"
#include "players/alarms.h"
#include "players/picture_watch.h"
#include "players/player_launch.h"
#include "players/player_table.h"
#include "players/window_layout.h"

ViewerSettings viewerSettings;
char programName[kProgramNameSize];
char playerPath[kPlayerPathSize];
int sizeDivisor = 1;
platform::GuardHandle instanceMutex;

namespace {

char displayName[kMessageSize / 2];

// Copies `text` into a buffer of `size` characters, cutting it to fit.
void copyText(char* buffer, std::size_t size, const char* text) {
    std::snprintf(buffer, size, "%s", text);
}

void printBanner() {
    printText(messages::kLineEnd);
    char banner[kMessageSize];
    std::snprintf(banner, sizeof banner, messages::kBannerFormat, messages::kVersion,
                  messages::kVersionSuffix);
    printFormatted("%s\r\n", banner);
    printText(messages::kLineEnd);
}

void takeProgramName(const char* programPath) {
    copyText(programName, sizeof programName, programPath);
    const char* name = platform::lastPathComponent(programName);
    std::memmove(programName, name, std::strlen(name) + 1);
    platform::setConsoleTitle(programName);
}

void claimSingleInstance() {
    instanceMutex = platform::createInstanceGuard(kInstanceGuardName);
    if (instanceMutex == 0) {
        char message[kMessageSize];
        const int length = std::snprintf(message, sizeof message, messages::kAlreadyRunningFormat,
                                         messages::kVersion, messages::kVersionSuffix);
        copyText(message + length, sizeof message - length, messages::kLineEnd);
        errorExit(message, exit_codes::kAlreadyRunning);
    }
}

// An address argument is usable when it fits its field and converts to an address.
bool isValidAddress(const char* text) {
    return std::strlen(text) < kAddressTextSize &&
           platform::addressFromText(text) != platform::kAddressNone;
}

void readArguments(char** argv) {
    // Arguments too long for their fields are cut here and refused by the checks below.
    copyText(viewerSettings.IPADDRESS, kAddressTextSize, argv[1]);
    copyText(viewerSettings.IPINTERFACEADDRESS, kAddressTextSize, argv[3]);
    const std::int32_t port = readDecimal(argv[2]);
    viewerSettings.IPPORT = static_cast<std::uint16_t>(port);

    if (!isValidAddress(argv[1])) {
        errorExitFormatted(exit_codes::kInvalidAddress, messages::kInvalidAddressFormat, argv[1]);
    }
    if (port < kLowestBasePort || port > kHighestBasePort) {
        errorExitFormatted(exit_codes::kInvalidPort, messages::kInvalidPortFormat,
                           viewerSettings.IPPORT);
    }
    if (!isValidAddress(argv[3])) {
        errorExitFormatted(exit_codes::kInvalidAddress, messages::kInvalidAddressFormat, argv[3]);
    }

    viewerSettings.VLCLEFT = readDecimal(argv[4]);
    viewerSettings.VLCTOP = readDecimal(argv[5]);
    viewerSettings.VLCWIDTH = readDecimal(argv[6]);
    viewerSettings.VLCHEIGHT = readDecimal(argv[7]);
    viewerSettings.INFOLEFT = readDecimal(argv[8]);
    viewerSettings.INFOTOP = readDecimal(argv[9]);
    viewerSettings.INFOWIDTH = readDecimal(argv[10]);
    viewerSettings.INFOHEIGHT = readDecimal(argv[11]);
}

// The X server went away mid-run: the players' windows with it. The viewer ends as at the
// operator's quit (membership dropped, sockets closed, players ended, the console put back), then
// says why, with the display's code.
void onWindowSystemLost() {
    closeReceiveSockets();
    endPlayers();
    platform::releaseInstanceGuard(instanceMutex);
    errorExitFormatted(exit_codes::kCannotOpenDisplay, messages::kLostDisplayFormat, displayName);
}

}  // namespace

int viewerMain(int argc, char** argv) {
    platform::startConsole();

    printBanner();
    sizeDivisor = 1;
    takeProgramName(argc > 0 && argv[0] != nullptr ? argv[0] : "");
    claimSingleInstance();

    if (argc != kArgumentCount + 1) {
        errorExitFormatted(exit_codes::kUsage, messages::kUsageFormat, messages::kVersion);
    }
    // Cleared before the handler can set it: a Ctrl-C the moment it is installed is kept.
    quitRequested = 0;
    if (!platform::installControlHandler(onConsoleControl)) {
        errorExit(messages::kHandlerFailed, exit_codes::kHandlerFailed);
    }

    readArguments(argv);
    readPictureSettings();
    readAlarmSettings();
    openRecord();

    if (!platform::findPlayerExecutable(playerPath, sizeof playerPath)) {
        errorExit(messages::kCannotFindPlayer, exit_codes::kCannotFindPlayer);
    }

    if (!openReceiveSockets()) {
        return exit_codes::kCannotReuse;
    }

    if (!platform::openWindowSystem(displayName, sizeof displayName, onWindowSystemLost)) {
        errorExitFormatted(exit_codes::kCannotOpenDisplay, messages::kCannotOpenDisplayFormat,
                           displayName);
    }
    if (pictureStillMs > 0 && !platform::pictureReadsShared()) {
        printText(messages::kPictureReadSlowly);
    }

    launchPlayers();
    findWindows();
    // A quit asked for while the players were awaited goes straight to the shutdown. The first
    // layout is carried out before the key hints, as the start-up's last step; a Ctrl-C ends it.
    if (quitRequested == 0) {
        arrangeWindows(sizeDivisor);
        followLayout(LLONG_MAX);
    }

    runMainLoop();
    return shutdown();
}
