// sourcesim: plays a Tarnvale source for the viewer, for demonstrations and tests.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "control/decimal_reading.h"
#include "control/startup.h"
#include "net/receive_sockets.h"
#include "net/status_records.h"
#include "platform/platform.h"
#include "players/player_contract.h"
#include "script.h"

namespace {

constexpr char kUsage[] =
    "Usage: sourcesim ADDRESS BASEPORT [--interface ADDR] [--script FILE] [--rate N] "
    "[--streams]\n"
    "\n"
    "Plays a Tarnvale source: status records to BASEPORT + 1 and text messages to\n"
    "BASEPORT + 2 at ADDRESS (a unicast address, or a multicast group sent with TTL 1).\n"
    "\n"
    "  --interface ADDR  send multicast out through this local interface\n"
    "  --script FILE     play FILE instead of the built-in demonstration\n"
    "  --rate N          send at most N datagrams a second (default 20)\n"
    "  --streams         also send four test pictures, the channel number drawn on each,\n"
    "                    to BASEPORT + 41 ... + 44 with ffmpeg; they run until Ctrl-C\n"
    "  --version         print the version and end\n"
    "\n"
    "Exit codes: 0 done, 1 usage, 2 invalid address, 3 invalid port, 4 script error,\n"
    "5 socket error, 6 test streams cannot start.\n";

constexpr int kExitUsage = 1;
constexpr int kExitAddress = 2;
constexpr int kExitPort = 3;
constexpr int kExitScript = 4;
constexpr int kExitSocket = 5;
constexpr int kExitStreams = 6;

constexpr int kStreamStartupMs = 1000;

sourcesim::Script script;
char scriptText[sourcesim::kMaxScriptFile];
std::atomic<int> stopRequested{0};

void onInterrupt(int) {
    stopRequested = 1;
}

bool readFile(const char* path, char* buffer, std::size_t size) {
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    const std::size_t length = std::fread(buffer, 1, size - 1, file);
    const bool whole = std::feof(file) != 0;
    std::fclose(file);
    buffer[length] = '\0';
    return whole;
}

// An address the viewer would take: it fits the viewer's field and converts.
bool isAddress(const char* text) {
    return std::strlen(text) < kAddressTextSize &&
           platform::addressFromText(text) != platform::kAddressNone;
}

// Four live test pictures, each with its channel number, from one ffmpeg.
bool startStreams(const char* address, int base, platform::ProcessInfo* ffmpeg) {
    char program[512];
    if (!platform::findProgram("ffmpeg", program, sizeof program)) {
        std::fprintf(stderr, "sourcesim: --streams needs ffmpeg, and none is in PATH\n");
        return false;
    }
    char commandLine[4096];
    int length = std::snprintf(
        commandLine, sizeof commandLine,
        " -loglevel error -nostdin -re -f lavfi -i testsrc=size=320x180:rate=25"
        " -filter_complex split=4[a][b][c][d];"
        "[a]drawtext=text=1:fontsize=96:fontcolor=white:borderw=4:x=(w-tw)/2:y=(h-th)/2[v1];"
        "[b]drawtext=text=2:fontsize=96:fontcolor=white:borderw=4:x=(w-tw)/2:y=(h-th)/2[v2];"
        "[c]drawtext=text=3:fontsize=96:fontcolor=white:borderw=4:x=(w-tw)/2:y=(h-th)/2[v3];"
        "[d]drawtext=text=4:fontsize=96:fontcolor=white:borderw=4:x=(w-tw)/2:y=(h-th)/2[v4]");
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        length += std::snprintf(commandLine + length, sizeof commandLine - length,
                                " -map [v%d] -c:v libx264 -preset ultrafast -tune zerolatency"
                                " -g 25 -f mpegts udp://%s:%d?pkt_size=1316&ttl=1",
                                channel, address, base + kStreamPortOffset + channel);
    }
    int error = 0;
    if (!platform::startProcess(program, commandLine, ffmpeg, &error)) {
        std::fprintf(stderr, "sourcesim: cannot start ffmpeg (%d)\n", error);
        return false;
    }
    // A missing encoder or filter ends ffmpeg at once.
    platform::sleepMs(kStreamStartupMs);
    int status = 0;
    int signalNumber = 0;
    if (platform::processHasEnded(ffmpeg, &status, &signalNumber)) {
        std::fprintf(stderr, "sourcesim: ffmpeg ended at once (%d)\n", status);
        return false;
    }
    return true;
}

// Sends one datagram and keeps to the rate.
bool sendPaced(platform::SocketHandle socket, std::uint32_t address, std::uint16_t port,
               const char* bytes, std::size_t length, int gapMs) {
    const bool sent = platform::sendDatagram(socket, address, port, bytes, length);
    platform::sleepMs(gapMs);
    return sent;
}

}  // namespace

int main(int argc, char** argv) {
    const char* interfaceText = "0.0.0.0";
    const char* scriptPath = nullptr;
    long rate = 20;
    bool streams = false;
    const char* positional[2] = {nullptr, nullptr};
    int positionalCount = 0;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("sourcesim " REZERIVOVE_VERSION "\n", stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--interface") == 0 && hasValue) {
            interfaceText = argv[++i];
        } else if (std::strcmp(argv[i], "--script") == 0 && hasValue) {
            scriptPath = argv[++i];
        } else if (std::strcmp(argv[i], "--rate") == 0 && hasValue) {
            char* end = nullptr;
            rate = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || rate < 1 || rate > 10000) {
                std::fprintf(stderr, "sourcesim: --rate takes 1 to 10000 datagrams a second\n");
                return kExitUsage;
            }
        } else if (std::strcmp(argv[i], "--streams") == 0) {
            streams = true;
        } else if (argv[i][0] != '-' && positionalCount < 2) {
            positional[positionalCount++] = argv[i];
        } else {
            std::fputs(kUsage, stderr);
            return kExitUsage;
        }
    }
    if (positionalCount != 2) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    const char* addressText = positional[0];
    if (!isAddress(addressText)) {
        std::fprintf(stderr, "sourcesim: invalid address: %s\n", addressText);
        return kExitAddress;
    }
    if (!isAddress(interfaceText)) {
        std::fprintf(stderr, "sourcesim: invalid interface address: %s\n", interfaceText);
        return kExitAddress;
    }
    char* portEnd = nullptr;
    const long base = std::strtol(positional[1], &portEnd, 10);
    if (*portEnd != '\0' || base < kLowestBasePort || base > kHighestBasePort) {
        std::fprintf(stderr, "sourcesim: invalid port: %s (%d to %d)\n", positional[1],
                     kLowestBasePort, kHighestBasePort);
        return kExitPort;
    }
    if (streams && base + kStreamPortOffset + kChannelCount > 65535) {
        std::fprintf(stderr, "sourcesim: --streams needs BASEPORT + 44 to be a port\n");
        return kExitPort;
    }

    char error[sourcesim::kErrorSize];
    if (scriptPath != nullptr && !readFile(scriptPath, scriptText, sizeof scriptText)) {
        std::fprintf(stderr, "sourcesim: cannot read script %s\n", scriptPath);
        return kExitScript;
    }
    if (!sourcesim::parseScript(scriptPath != nullptr ? scriptText : sourcesim::kDemoScript,
                                scriptPath != nullptr ? scriptPath : "<demo>", &script, error,
                                sizeof error)) {
        std::fprintf(stderr, "sourcesim: %s\n", error);
        return kExitScript;
    }

    int socketError = 0;
    const platform::SocketHandle socket =
        platform::startSockets(&socketError) ? platform::createUdpSocket() : platform::kNoSocket;
    const std::uint32_t address = platform::addressFromText(addressText);
    if (socket == platform::kNoSocket ||
        (isMulticastAddress(addressText) &&
         !platform::setMulticastSending(socket, platform::addressFromText(interfaceText)))) {
        std::fprintf(stderr, "sourcesim: cannot open a UDP socket to send from\n");
        return kExitSocket;
    }
    platform::installControlHandler(onInterrupt);

    platform::ProcessInfo ffmpeg{};
    if (streams && !startStreams(addressText, static_cast<int>(base), &ffmpeg)) {
        platform::endProcess(&ffmpeg);
        return kExitStreams;
    }

    const int gapMs = static_cast<int>(1000 / rate);
    long splitAt = -1;
    int result = 0;
    for (std::size_t i = 0; i < script.count && stopRequested == 0 && result == 0; ++i) {
        const sourcesim::Action& action = script.actions[i];
        if (action.kind == sourcesim::ActionKind::kWait) {
            platform::sleepMs(static_cast<int>(action.number));
            continue;
        }
        if (action.kind == sourcesim::ActionKind::kSplit) {
            splitAt = action.number;
            continue;
        }
        const std::uint16_t port = static_cast<std::uint16_t>(
            base +
            (action.target == sourcesim::Target::kStatus ? kStatusPortOffset : kTextPortOffset));
        std::size_t first = action.length;
        if (splitAt >= 0 && static_cast<std::size_t>(splitAt) < action.length) {
            first = static_cast<std::size_t>(splitAt);
        }
        splitAt = -1;
        bool sent = sendPaced(socket, address, port, action.bytes, first, gapMs);
        if (sent && first < action.length) {
            sent = sendPaced(socket, address, port, action.bytes + first, action.length - first,
                             gapMs);
        }
        if (!sent) {
            std::fprintf(stderr, "sourcesim: cannot send to %s:%u\n", addressText, port);
            result = kExitSocket;
        }
    }

    if (streams) {
        while (stopRequested == 0 && result == 0) {
            platform::sleepMs(100);
        }
        platform::endProcess(&ffmpeg);
    }
    platform::closeSocket(socket);
    return result;
}
