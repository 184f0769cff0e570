// The messages of the sway / i3 IPC: the frame around them, and what a reply to a command says.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/x11/tiling_ipc_message.h"

namespace {

using platform::x11::ipcCommandsSucceeded;

bool succeeded(const std::string& reply) {
    return ipcCommandsSucceeded(reply.data(), reply.size());
}

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

TEST(TilingIpcMessage, ACommandSucceededOnlyWhenEveryPartDid) {
    EXPECT_TRUE(succeeded(R"([{"success":true}])"));
    EXPECT_TRUE(succeeded("[ { \"success\" :\n true }, {\"success\": true} ]"));
    EXPECT_FALSE(succeeded(R"([{"success":true},{"success":false,"parse_error":true}])"));
    // sway answers a window its criteria match nowhere with an error of its own.
    EXPECT_FALSE(succeeded(R"([{"success":false,"error":"No matching node."}])"));
    // Nothing that says success is no success: an empty reply, another member, a value.
    EXPECT_FALSE(succeeded("[]"));
    EXPECT_FALSE(succeeded(""));
    EXPECT_FALSE(succeeded(R"([{"successful":true}])"));
    EXPECT_FALSE(succeeded(R"([{"error":"success"}])"));
    // A message quoting the word, escaped quotes and all, is read past whole.
    EXPECT_FALSE(succeeded(R"([{"success":false,"error":"\"success\": true"}])"));
    EXPECT_TRUE(succeeded(R"([{"note":"say \"success\":false","success":true}])"));
}

TEST(TilingIpcMessage, AReplyCutShortIsNoSuccess) {
    const std::string whole = R"([{"success":true},{"success":true}])";
    for (std::size_t length = 0; length < whole.size() - 2; ++length) {
        const std::string cut = whole.substr(0, length);
        // Cut before the first "true" is complete, nothing says success.
        if (length < std::strlen(R"([{"success":true)")) {
            EXPECT_FALSE(succeeded(cut)) << cut;
        }
    }
    EXPECT_FALSE(succeeded(R"([{"success":tr)"));
    EXPECT_FALSE(succeeded(R"([{"success":true},{"succ)"));
}

// A window's node in sway's tree, as GET_TREE has it: its "rect" comes before its "pid", and
// other rectangles are named otherwise.
TEST(TilingIpcMessage, ANativeWindowIsFoundInTheTreeByItsProcess) {
    const std::string tree =
        R"({"id": 1, "rect": {"x": 0, "y": 0, "width": 1600, "height": 1000}, "nodes": [)"
        R"({"id": 4, "type": "con", "rect": {"x": 20, "y": 10, "width": 400, "height": 225},)"
        R"( "window_rect": {"x": 0, "y": 0, "width": 400, "height": 225}, "pid": 2918, "window": 8388609},)"
        R"({"id": 7, "type": "floating_con", "rect": {"x": 25, "y": -485, "width": 801,)"
        R"( "height": 200}, "deco_rect": {"x": 9, "y": 9, "width": 9, "height": 9},)"
        R"( "pid": 29171, "app_id": "foot", "window": null}]})";
    platform::x11::IpcRectangle shown{};
    ASSERT_TRUE(platform::x11::ipcWindowOfProcess(tree.data(), tree.size(), 29171, &shown));
    EXPECT_EQ((std::vector<int>{shown.x, shown.y, shown.width, shown.height}),
              (std::vector<int>{25, -485, 801, 200}));
    ASSERT_TRUE(platform::x11::ipcWindowOfProcess(tree.data(), tree.size(), 2918, &shown));
    EXPECT_EQ(shown.width, 400);
    // A process with no window, and a pid that only begins like another, are not found.
    EXPECT_FALSE(platform::x11::ipcWindowOfProcess(tree.data(), tree.size(), 291, &shown));
    EXPECT_FALSE(platform::x11::ipcWindowOfProcess(tree.data(), tree.size(), 7, &shown));
    // A tree cut short before the window's rectangle is complete tells nothing.
    const std::size_t cut = tree.find("801");
    EXPECT_FALSE(platform::x11::ipcWindowOfProcess(tree.data(), cut, 29171, &shown));
}

}  // namespace
