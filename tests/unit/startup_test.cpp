// Start-up over the fake platform: the failures a real machine rarely shows, the order of the
// steps, and the sockets they leave.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "control/main_loop.h"
#include "control/startup.h"
#include "support/fake_platform.h"

namespace {

using Calls = std::vector<std::string>;
using ::testing::AllOf;
using ::testing::EndsWith;
using ::testing::ExitedWithCode;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

const char kBanner[] = "\r\nrezerivove-3v20b:  Tarnvale Multi VLC Viewer\r\n\r\n";

// The viewer's command line with the usual geometry.
std::vector<std::string> viewerArguments(const char* address, const char* port,
                                         const char* interfaceAddress) {
    return {"/opt/bin/rezerivove",
            address,
            port,
            interfaceAddress,
            "0",
            "0",
            "480",
            "270",
            "0",
            "30",
            "960",
            "200"};
}

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        fake::state.keys = {13};
        fake::showPlayerWindows();
    }

    int run(std::vector<std::string> words) {
        words_ = std::move(words);
        argv_.clear();
        for (std::string& word : words_) {
            argv_.push_back(&word[0]);
        }
        argv_.push_back(nullptr);
        return viewerMain(static_cast<int>(words_.size()), argv_.data());
    }

    static std::vector<std::string> arguments(const char* address, const char* port,
                                              const char* interfaceAddress) {
        return viewerArguments(address, port, interfaceAddress);
    }

    // The calls that touched the sockets.
    static Calls socketCalls() {
        Calls calls;
        for (const std::string& call : fake::state.calls) {
            for (const char* prefix : {"bind", "join", "createUdpSocket", "setReuse"}) {
                if (call.rfind(prefix, 0) == 0) {
                    calls.push_back(call);
                }
            }
        }
        return calls;
    }

    std::vector<std::string> words_;
    std::vector<char*> argv_;
};

// A message printed through the error exit, then its pause, then nothing.
std::string errorEnding(const std::string& message) {
    return message + "\n#call sleep 3000\n";
}

TEST_F(Startup, RunsItsStepsInOrder) {
    EXPECT_EQ(run(arguments("127.0.0.1", "5000", "0.0.0.0")), 0);
    const Calls expected = {
        "startConsole",          "consoleTitle rezerivove", "createInstanceGuard tvmutex320",
        "installControlHandler", "findPlayerExecutable",    "startSockets"};
    ASSERT_GE(fake::state.calls.size(), expected.size());
    Calls firstSteps;
    for (const std::string& call : fake::state.calls) {
        if (call.rfind("write", 0) != 0 && firstSteps.size() < expected.size()) {
            firstSteps.push_back(call);
        }
    }
    EXPECT_EQ(firstSteps, expected);
    EXPECT_THAT(fake::state.output, StartsWith(kBanner));
    EXPECT_THAT(fake::state.output, EndsWith("\r\n\r\nExiting\r\n"));
    EXPECT_STREQ(playerPath, "/opt/player/vlc");
    EXPECT_EQ(viewerSettings.INFOHEIGHT, 200);
}

// A Ctrl-C the moment the handler is installed goes straight to the shutdown once the players
// are started: no window is awaited or laid out, no key is read.
TEST_F(Startup, ACtrlCAsTheHandlerIsInstalledIsKept) {
    fake::state.controlEventAtInstall = true;
    fake::state.keys = {'x', 'x', 13};
    EXPECT_EQ(run(arguments("127.0.0.1", "5000", "0.0.0.0")), 0);
    EXPECT_EQ(fake::state.keys.size(), 3u);
    EXPECT_TRUE(fake::callsStartingWith("move").empty());
    EXPECT_TRUE(fake::callsStartingWith("minimize").empty());
    EXPECT_THAT(fake::state.output, EndsWith("Exiting\r\n"));
}

TEST_F(Startup, ProgramNameIsTheLastPathComponentCutTo255Characters) {
    std::vector<std::string> words = arguments("127.0.0.1", "5000", "0.0.0.0");
    words[0] = "/" + std::string(300, 'd') + "/" + std::string(300, 'n');
    run(words);
    // 255 characters of the path are kept before the name is taken from them.
    EXPECT_EQ(std::string(programName), std::string(254, 'd'));
    words[0] = std::string(300, 'n');
    SetUp();
    run(words);
    EXPECT_EQ(std::string(programName), std::string(255, 'n'));
}

TEST_F(Startup, UnicastSocketsBindToTheInterfaceWithoutAGroup) {
    run(arguments("192.168.1.10", "5000", "127.0.0.1"));
    EXPECT_EQ(socketCalls(), (Calls{"createUdpSocket 101", "createUdpSocket 102",
                                    "setReuseAddress 101", "bind 101 16777343 5001 0",
                                    "setReuseAddress 102", "bind 102 16777343 5002 0"}));
}

TEST_F(Startup, MulticastSocketsJoinTheGroupOnBoth) {
    run(arguments("239.1.2.3", "5000", "0.0.0.0"));
    EXPECT_EQ(socketCalls(),
              (Calls{"createUdpSocket 101", "createUdpSocket 102", "setReuseAddress 101",
                     "bind 101 0 5001 50463215", "setReuseAddress 102", "bind 102 0 5002 50463215",
                     "join 101 50463215 0", "join 102 50463215 0"}));
}

TEST_F(Startup, PortsOfTheStatusAndTextSocketsWrapAt65536) {
    run(arguments("127.0.0.1", "65535", "0.0.0.0"));
    EXPECT_THAT(socketCalls(), ::testing::Contains("bind 101 0 0 0"));
    EXPECT_THAT(socketCalls(), ::testing::Contains("bind 102 0 1 0"));
    SetUp();
    run(arguments("127.0.0.1", "65534", "0.0.0.0"));
    EXPECT_THAT(socketCalls(), ::testing::Contains("bind 101 0 65535 0"));
    EXPECT_THAT(socketCalls(), ::testing::Contains("bind 102 0 0 0"));
}

TEST_F(Startup, RefusedAddressReuseEndsWithMinusOneAndNoPause) {
    fake::state.refuseReuseNumber = 1;
    EXPECT_EQ(run(arguments("127.0.0.1", "5000", "0.0.0.0")), -1);
    EXPECT_EQ(fake::state.output, std::string(kBanner) + "Cannot re-use rx baseport\r\n");
    EXPECT_TRUE(fake::callsStartingWith("sleep").empty());
    EXPECT_EQ(fake::callsStartingWith("setReuseAddress").size(), 1u);
}

TEST_F(Startup, RefusedReuseOnTheTextSocketAlsoEndsWithMinusOne) {
    fake::state.refuseReuseNumber = 2;
    EXPECT_EQ(run(arguments("127.0.0.1", "5000", "0.0.0.0")), -1);
    EXPECT_EQ(fake::state.output, std::string(kBanner) + "Cannot re-use rx baseport\r\n");
    EXPECT_EQ(socketCalls(),
              (Calls{"createUdpSocket 101", "createUdpSocket 102", "setReuseAddress 101",
                     "bind 101 0 5001 0", "setReuseAddress 102"}));
}

// Every way start-up fails: what the platform refuses, the arguments, the exit code and what
// the console shows before the pause.
struct DeathCase {
    const char* name;
    void (*refuse)();
    std::vector<std::string> words;
    int code;
    ::testing::Matcher<const std::string&> output;
};

std::vector<std::string> usualArguments(const char* address, const char* interfaceAddress) {
    return viewerArguments(address, "5000", interfaceAddress);
}

const DeathCase kDeathCases[] = {
    // The second copy is refused before its arguments are looked at.
    {"SecondCopy",
     [] { fake::state.guardTaken = true; },
     {"rezerivove"},
     99,
     EndsWith(errorEnding("******* rezerivove-3v20b is already running *******\r\n\r\n"))},
    {"ConsoleHandlerRefused", [] { fake::state.handlerRefused = true; },
     usualArguments("127.0.0.1", "0.0.0.0"), 9,
     EndsWith(errorEnding("Console handler failed to install\r\n"))},
    {"NoPlayerFound", [] { fake::state.playerMissing = true; },
     usualArguments("127.0.0.1", "0.0.0.0"), 10, EndsWith(errorEnding("Cannot find VLC\r\n"))},
    // No display is found out after the sockets are open and before the players start.
    {"NoDisplay", [] { fake::state.noDisplay = true; }, usualArguments("127.0.0.1", "0.0.0.0"), 11,
     AllOf(HasSubstr("#call setNonBlocking 102\n"),
           EndsWith(errorEnding("Cannot open display :99\r\n")), Not(HasSubstr("startProcess")))},
    {"SocketLayerDoesNotStart",
     [] {
         fake::state.socketsRefuseToStart = true;
         fake::state.socketStartError = 10091;
     },
     usualArguments("127.0.0.1", "0.0.0.0"), 4,
     EndsWith(errorEnding("Socket init failed. Error Code: 10091\r\n"))},
    // Sockets that cannot be created, and groups that cannot be joined, are named by number.
    {"FirstSocketNotCreated", [] { fake::state.refuseSocketNumber = 1; },
     usualArguments("127.0.0.1", "0.0.0.0"), 1,
     EndsWith(errorEnding("Cannot create rx socket for port 1\r\n"))},
    {"SecondSocketNotCreated", [] { fake::state.refuseSocketNumber = 2; },
     usualArguments("127.0.0.1", "0.0.0.0"), 1,
     EndsWith(errorEnding("Cannot create rx socket for port 2\r\n"))},
    {"FirstGroupNotJoined", [] { fake::state.refuseJoinNumber = 1; },
     usualArguments("239.1.2.3", "10.0.0.5"), 2,
     EndsWith(errorEnding("Cannot add membership to 10.0.0.5 for rx port 1 \r\n"))},
    {"SecondGroupNotJoined", [] { fake::state.refuseJoinNumber = 2; },
     usualArguments("239.1.2.3", "10.0.0.5"), 2,
     EndsWith(errorEnding("Cannot add membership to 10.0.0.5 for rx port 2 \r\n"))},
    // The geometry is not checked, but an address longer than 15 characters is refused.
    {"AddressLongerThan15", [] {}, usualArguments("0001.002.003.004", "0.0.0.0"), 2,
     EndsWith(errorEnding("Invalid address: 0001.002.003.004\r\n"))},
    {"InterfaceLongerThan15", [] {}, usualArguments("127.0.0.1", "0.0.0.0           "), 2,
     HasSubstr("Invalid address: 0.0.0.0           \r\n")},
};

// Shown by its name in test listings.
void PrintTo(const DeathCase& c, std::ostream* out) {
    *out << c.name;
}

class StartupDeath : public Startup, public ::testing::WithParamInterface<DeathCase> {};

TEST_P(StartupDeath, EndsWithItsMessageAndCode) {
    const DeathCase& c = GetParam();
    c.refuse();
    fake::state.echoOutputToStderr = true;
    EXPECT_EXIT(run(c.words), ExitedWithCode(c.code), c.output);
}

INSTANTIATE_TEST_SUITE_P(EveryFailure, StartupDeath, ::testing::ValuesIn(kDeathCases),
                         [](const ::testing::TestParamInfo<DeathCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
