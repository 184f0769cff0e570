// The messages of the sway / i3 IPC: the frame around them, the window's node in the tree, and the
// viewer's side of the connection, which never waits.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/x11/tiling_ipc_message.h"

namespace {

TEST(TilingIpcMessage, TheHeaderIsTheMagicStringTheLengthAndTheType) {
    char header[platform::x11::kIpcHeaderSize];
    platform::x11::writeIpcHeader(header, platform::x11::kIpcRunCommand, 0x01020304);
    std::uint32_t length = 0;
    std::uint32_t type = 0;
    std::memcpy(&length, header + 6, 4);
    EXPECT_EQ(std::string(header, 6), "i3-ipc");
    EXPECT_EQ(length, 0x01020304u);
    ASSERT_TRUE(platform::x11::readIpcHeader(header, &type, &length));
    EXPECT_EQ(type, 0u);
    EXPECT_EQ(length, 0x01020304u);
    header[0] = 'I';
    EXPECT_FALSE(platform::x11::readIpcHeader(header, &type, &length));
}

// A window's node in sway's tree, as GET_TREE has it: its "rect" comes first, other rectangles
// are named otherwise, and "visible" says whether sway shows it.
const std::string kTree =
    R"({"id": 1, "rect": {"x": 0, "y": 0, "width": 1600, "height": 1000}, "nodes": [)"
    R"({"id": 4, "type": "con", "rect": {"x": 20, "y": 10, "width": 400, "height": 225},)"
    R"( "window_rect": {"x": 0, "y": 0, "width": 400, "height": 225}, "name": "{\"id\": 9}",)"
    R"( "pid": 2918, "visible": true, "window": 8388609, "nodes": []},)"
    R"({"id": 7, "type": "floating_con", "rect": {"x": 25, "y": -485, "width": 801,)"
    R"( "height": 200}, "deco_rect": {"x": 9, "y": 9, "width": 9, "height": 9},)"
    R"( "pid": 29171, "app_id": "foot", "visible": false, "window": null},)"
    R"({"id":9,"rect":{"x":5,"y":6,"width":7,"height":8},"window":4194310,"nodes":[]}]})";

std::vector<int> found(const std::string& tree, const char* member, std::uint32_t value) {
    platform::x11::IpcNode node{};
    if (!platform::x11::ipcFindNode(tree.data(), tree.size(), member, value, &node)) {
        return {};
    }
    return {node.rect.x, node.rect.y, node.rect.width, node.rect.height, node.visible};
}

TEST(TilingIpcMessage, AWindowIsFoundInTheTreeByItsIdOrItsProcess) {
    EXPECT_EQ(found(kTree, "pid", 29171), (std::vector<int>{25, -485, 801, 200, 0}));
    EXPECT_EQ(found(kTree, "window", 8388609), (std::vector<int>{20, 10, 400, 225, 1}));
    // i3 writes its tree without blanks and says nothing of being shown.
    EXPECT_EQ(found(kTree, "window", 4194310), (std::vector<int>{5, 6, 7, 8, -1}));
    // A process with no window, a pid that only begins like another, a node's own id.
    EXPECT_EQ(found(kTree, "pid", 291), std::vector<int>{});
    EXPECT_EQ(found(kTree, "window", 7), std::vector<int>{});
    // A tree cut short before the node ends tells nothing.
    EXPECT_EQ(found(kTree.substr(0, kTree.find("801")), "pid", 29171), std::vector<int>{});
    EXPECT_EQ(found(kTree.substr(0, kTree.find("\"app_id\"")), "pid", 29171), std::vector<int>{});
}

// The viewer's side of the IPC over a socket pair: this side is the viewer, which never waits;
// the test writes as the compositor, in whatever pieces it says.
class TilingIpcReading : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets), 0);
    }
    void TearDown() override {
        shutdown(sockets[0], SHUT_RDWR);
        if (peer.joinable()) {
            peer.join();
        }
        close(sockets[0]);
        if (sockets[1] >= 0) {
            close(sockets[1]);
        }
    }

    static std::string framed(const std::string& payload, std::uint32_t type) {
        char header[platform::x11::kIpcHeaderSize];
        platform::x11::writeIpcHeader(header, type, static_cast<std::uint32_t>(payload.size()));
        return std::string(header, sizeof header) + payload;
    }

    void write(const std::string& bytes) {
        ASSERT_EQ(send(sockets[1], bytes.data(), bytes.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(bytes.size()));
    }

    platform::x11::IpcReceived receive(std::uint32_t expected,
                                       platform::x11::IpcSearch search = nullptr,
                                       void* context = nullptr) {
        return platform::x11::ipcReceive(sockets[0], &reader, expected, buffer, sizeof buffer,
                                         search, context, &held);
    }

    int sockets[2] = {-1, -1};
    std::thread peer;
    platform::x11::IpcReader reader{};
    char buffer[65536];
    std::size_t held = 0;
};

using platform::x11::IpcReceived;
using platform::x11::kIpcGetTree;
using platform::x11::kIpcRunCommand;

// However the reply is cut on its way (in the header, in the payload), each look takes what has
// come and returns; the reply is whole at the last piece, and the next one is read after it.
TEST_F(TilingIpcReading, AReplyIsTakenPieceByPieceWithoutWaiting) {
    const std::string reply = R"([{"success":true}])";
    const std::string message = framed(reply, kIpcRunCommand);
    for (const std::size_t cut :
         {std::size_t{0}, std::size_t{3}, std::size_t{14}, std::size_t{20}}) {
        EXPECT_EQ(receive(kIpcRunCommand), IpcReceived::kNothingMore) << cut;
        write(message.substr(0, cut));
        if (cut > 0) {
            EXPECT_EQ(receive(kIpcRunCommand), IpcReceived::kNothingMore) << cut;
        }
        write(message.substr(cut) + framed("[]", kIpcRunCommand));
        ASSERT_EQ(receive(kIpcRunCommand), IpcReceived::kReply) << cut;
        EXPECT_EQ(std::string(buffer, held), reply);
        ASSERT_EQ(receive(kIpcRunCommand), IpcReceived::kReply) << cut;
        EXPECT_EQ(std::string(buffer, held), "[]");
    }
}

TEST_F(TilingIpcReading, APeerThatClosesOrAnswersOutOfStepEndsTheConnection) {
    write(framed(std::string(100, ' '), kIpcRunCommand).substr(0, 30));
    EXPECT_EQ(receive(kIpcRunCommand), IpcReceived::kNothingMore);
    close(sockets[1]);
    sockets[1] = -1;
    EXPECT_EQ(receive(kIpcRunCommand), IpcReceived::kFailed);

    reader = platform::x11::IpcReader{};
    close(sockets[0]);
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets), 0);
    write(framed("[]", kIpcRunCommand));
    EXPECT_EQ(receive(kIpcGetTree), IpcReceived::kFailed);
    write("not-ipc-at-all");
    reader = platform::x11::IpcReader{};
    EXPECT_EQ(receive(kIpcRunCommand), IpcReceived::kFailed);
}

// A compositor that stopped reading: the viewer's requests are refused once its socket is full,
// never waited on.
TEST_F(TilingIpcReading, ARequestToAPeerThatStoppedReadingIsRefusedNotWaitedFor) {
    const std::string command(200, 'x');
    int sent = 0;
    while (sent < 100000 && platform::x11::ipcSend(sockets[0], kIpcRunCommand, command.c_str())) {
        ++sent;
    }
    EXPECT_GT(sent, 0);
    EXPECT_LT(sent, 100000);
    char header[platform::x11::kIpcHeaderSize];
    ASSERT_EQ(recv(sockets[1], header, sizeof header, 0), static_cast<ssize_t>(sizeof header));
    std::uint32_t type = 99;
    std::uint32_t length = 0;
    ASSERT_TRUE(platform::x11::readIpcHeader(header, &type, &length));
    EXPECT_EQ(type, kIpcRunCommand);
    EXPECT_EQ(length, command.size());
}

struct Search {
    std::uint32_t window;
    platform::x11::IpcNode node;
    bool found;
};

bool searchWindow(const char* data, std::size_t length, void* context) {
    Search& search = *static_cast<Search*>(context);
    search.found = platform::x11::ipcFindNode(data, length, "window", search.window, &search.node);
    return search.found;
}

// A busy desktop's tree, larger than the buffer: read to its end, the window found wherever it
// stands, and the connection still in step for the next message.
TEST_F(TilingIpcReading, ATreeLargerThanTheBufferIsSearchedToItsEnd) {
    std::string tree = R"({"id": 1, "nodes": [)";
    for (int node = 0; node < 100; ++node) {
        tree += R"({"id": )" + std::to_string(100 + node) +
                R"(, "rect": {"x": 1, "y": 2, "width": 3, "height": 4}, "name": ")" +
                std::string(1900, 'x') + R"(", "visible": true, "window": )" +
                std::to_string(5000 + node) + "},";
    }
    tree += R"({"id": 9, "rect": {"x": 25, "y": 500, "width": 801, "height": 200},)"
            R"( "visible": false, "window": 4242}]})";
    ASSERT_GT(tree.size(), 200000u);
    for (std::uint32_t window : {4242u, 5033u, 5099u}) {
        Search search = {window, {}, false};
        const std::string message = framed(tree, kIpcGetTree) + framed("[]", kIpcRunCommand);
        peer = std::thread([this, message] {
            for (std::size_t at = 0; at < message.size(); at += 4096) {
                const std::size_t piece = std::min<std::size_t>(4096, message.size() - at);
                if (send(sockets[1], message.data() + at, piece, MSG_NOSIGNAL) <= 0) {
                    return;
                }
            }
        });
        IpcReceived received = IpcReceived::kNothingMore;
        for (int looks = 0; looks < 10000 && received == IpcReceived::kNothingMore; ++looks) {
            pollfd readable = {sockets[0], POLLIN, 0};
            poll(&readable, 1, 1000);
            received = receive(kIpcGetTree, searchWindow, &search);
        }
        ASSERT_EQ(received, IpcReceived::kReply) << window;
        EXPECT_EQ(held, 0u);
        ASSERT_TRUE(search.found) << window;
        EXPECT_EQ(search.node.visible, window == 4242u ? 0 : 1);
        EXPECT_EQ(search.node.rect.width, window == 4242u ? 801 : 3);
        peer.join();
        ASSERT_EQ(receive(kIpcRunCommand), IpcReceived::kReply);
        EXPECT_EQ(std::string(buffer, held), "[]");
    }
}

}  // namespace
