// What reaches the operator's console from the text channel.
#include <gtest/gtest.h>

#include <string>

#include "net/receive_sockets.h"

namespace {

std::string neutralised(std::string text) {
    text.resize(neutraliseControls(&text[0], text.size()));
    return text;
}

TEST(TextChannel, ControlCharactersAreShownAsQuestionMarks) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"plain text\r\n", "plain text\r\n"},
        {"tab\there", "tab\there"},
        {"%s %d %n", "%s %d %n"},
        {"\x1b]0;owned\x07", "?]0;owned?"},
        {"\x1b[31mred\x1b[0m", "?[31mred?[0m"},
        {"bell\x07 backspace\x08 del\x7f", "bell? backspace? del?"},
        {std::string("nul\x01\x1f", 5), "nul??"},
        // C1 controls in UTF-8 are two bytes, shown as one '?'.
        {"csi\xc2\x9b"
         "31m",
         "csi?31m"},
        {"\xc2\x80\xc2\x9f", "??"},
        // Printable UTF-8 and stray high bytes pass unchanged.
        {"caf\xc3\xa9 \xc2\xa0nbsp", "caf\xc3\xa9 \xc2\xa0nbsp"},
        {"latin1 \xe9\x9b", "latin1 \xe9\x9b"},
        {"ends in \xc2", "ends in \xc2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(neutralised(c.in), c.out);
    }
}

}  // namespace
