// Start-up: the command line, the checks in their fixed order, and the settings they leave.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

constexpr int kArgumentCount = 11;
constexpr std::size_t kAddressTextSize = 16;  // a dotted quad of at most 15 characters
constexpr std::size_t kProgramNameSize = 256;
constexpr std::size_t kPlayerPathSize = 256;
constexpr std::int32_t kLowestBasePort = 1024;
constexpr std::int32_t kHighestBasePort = 65535;
constexpr char kInstanceGuardName[] = "tvmutex320";

// The eleven command-line values, in their order on the command line.
struct ViewerSettings {
    char IPADDRESS[kAddressTextSize];           // where streams and status arrive
    std::uint16_t IPPORT;                       // base port
    char IPINTERFACEADDRESS[kAddressTextSize];  // local interface to receive on
    std::int32_t VLCLEFT;                       // player grid, screen pixels
    std::int32_t VLCTOP;
    std::int32_t VLCWIDTH;  // one player window at full size
    std::int32_t VLCHEIGHT;
    std::int32_t INFOLEFT;   // console window, offset from VLCLEFT
    std::int32_t INFOTOP;    // console window, offset below the grid
    std::int32_t INFOWIDTH;  // console window width at full size
    std::int32_t INFOHEIGHT;
};

extern ViewerSettings viewerSettings;
// The program file's name; the console window is found by it.
extern char programName[kProgramNameSize];
extern char playerPath[kPlayerPathSize];
// 1 at full size, 2 at half size.
extern int sizeDivisor;
extern platform::GuardHandle instanceMutex;

// Runs the viewer from start-up to shutdown and returns its exit status, unless a failure ends
// the process first.
int viewerMain(int argc, char** argv);
