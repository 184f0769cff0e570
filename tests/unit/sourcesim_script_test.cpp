// The source simulator's script lines: what each sends, and the errors a technician sees.
#include <gtest/gtest.h>

#include <string>

#include "script.h"

namespace {

using sourcesim::Action;
using sourcesim::ActionKind;
using sourcesim::Target;

struct Parsed {
    int result;
    std::string action;  // "status:BYTES", "text:BYTES", "wait:MS" or "split:AT"
    std::string error;
};

Parsed parse(const char* line) {
    static char datagram[sourcesim::kMaxDatagram];
    static Action action;
    action.bytes = datagram;
    char error[sourcesim::kErrorSize] = "";
    const int result = sourcesim::parseLine(line, &action, error, sizeof error);
    std::string what;
    if (action.kind == ActionKind::kSend) {
        what = std::string(action.target == Target::kStatus ? "status:" : "text:") +
               std::string(action.bytes, action.length);
    } else {
        what =
            (action.kind == ActionKind::kWait ? "wait:" : "split:") + std::to_string(action.number);
    }
    return {result, what, error};
}

// What each kind of line sends, and to which port, or what it does instead.
TEST(SourcesimScript, LinesBecomeDatagramsForTheirPortsOrPauses) {
    const struct {
        const char* line;
        std::string action;
    } cases[] = {
        {"status 1 94=Studio A", "status:$0,1\r\n$94,Studio A\r\n"},
        {"status 2", "status:$0,2\r\n"},
        {"  status 3 94=Three;96=5 ; 97=1", "status:$0,3\r\n$94,Three\r\n$96,5\r\n$97,1\r\n"},
        {"status 4 94=Semi\\x3bcolon", "status:$0,4\r\n$94,Semi;colon\r\n"},
        {"end", "status:$0,0\r\n"},
        {"text Hello, operator", "text:Hello, operator\r\n"},
        {"text %s stays", "text:%s stays\r\n"},
        {"text \\x1b[31mred", "text:\x1b[31mred\r\n"},
        {"raw status $0,1\\r$94,No line feed\\r", "status:$0,1\r$94,No line feed\r"},
        {"raw text tab\\there\\\\", "text:tab\there\\"},
        {"raw text hi", "text:hi"},
        {"wait 250", "wait:250"},
        {"split 7", "split:7"},
    };
    for (const auto& c : cases) {
        const Parsed parsed = parse(c.line);
        EXPECT_EQ(parsed.result, 1) << c.line << ": " << parsed.error;
        EXPECT_EQ(parsed.action, c.action) << c.line;
    }
}

TEST(SourcesimScript, CommentsAndBlankLinesAreNoAction) {
    EXPECT_EQ(parse("").result, 0);
    EXPECT_EQ(parse("   \t ").result, 0);
    EXPECT_EQ(parse("# status 1").result, 0);
}

TEST(SourcesimScript, BadLinesSayWhatIsWrong) {
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"stat 1", "unknown action 'stat'"},
        {"status", "status: the channel must be 0 to 4"},
        {"status 5", "status: the channel must be 0 to 4"},
        {"status -1", "status: the channel must be 0 to 4"},
        {"status 1x", "status: the channel must be 0 to 4"},
        {"status 1 94", "status: expected CODE=VALUE, got '94'"},
        {"status 1 =x", "status: expected CODE=VALUE, got '=x'"},
        {"status 1 ab=x", "status: the code must be a number, got 'ab'"},
        {"end now", "end: takes nothing after it"},
        {"raw bytes", "raw: expected 'status' or 'text' before the bytes"},
        {"wait", "wait: expected milliseconds, 0 to 600000"},
        {"wait soon", "wait: expected milliseconds, 0 to 600000"},
        {"wait 600001", "wait: expected milliseconds, 0 to 600000"},
        {"split -1", "split: expected a byte position, 0 to 4096"},
        {"text bad \\q", "unknown escape '\\q'"},
        {"text bad \\x4", "unknown escape '\\x'"},
    };
    for (const auto& c : cases) {
        const Parsed parsed = parse(c.line);
        EXPECT_EQ(parsed.result, -1) << c.line;
        EXPECT_EQ(parsed.error, c.error) << c.line;
    }
}

TEST(SourcesimScript, ScriptErrorsNameFileAndLine) {
    static sourcesim::Script script;
    char error[sourcesim::kErrorSize];
    EXPECT_FALSE(sourcesim::parseScript("text one\n\n# two\nwiat 5\n", "demo.txt", &script, error,
                                        sizeof error));
    EXPECT_STREQ(error, "demo.txt:4: unknown action 'wiat'");
    EXPECT_FALSE(sourcesim::parseScript(("text " + std::string(5000, 'x')).c_str(), "long.txt",
                                        &script, error, sizeof error));
    EXPECT_STREQ(error, "long.txt:1: datagram longer than 4096 bytes");
}

// The largest script file made of the lines whose datagrams grow most ("1=;" becomes "$1,\r\n")
// fits the script's storage.
TEST(SourcesimScript, TheLargestScriptFitsItsStorage) {
    std::string line = "status 1 ";
    while (line.size() + 3 < 2400) {
        line += "1=;";
    }
    std::string text;
    while (text.size() + line.size() + 1 < sourcesim::kMaxScriptFile) {
        text += line + "\n";
    }
    static sourcesim::Script script;
    char error[sourcesim::kErrorSize] = "";
    ASSERT_TRUE(sourcesim::parseScript(text.c_str(), "big.txt", &script, error, sizeof error))
        << error;
    EXPECT_GT(script.used, sourcesim::kMaxScriptFile * 3 / 2);
    EXPECT_EQ(std::string(script.actions[script.count - 1].bytes, 12), "$0,1\r\n$1,\r\n$");
}

TEST(SourcesimScript, ScriptsWrittenOnWindowsAndTheBuiltInDemoParse) {
    static sourcesim::Script script;
    char error[sourcesim::kErrorSize];
    ASSERT_TRUE(sourcesim::parseScript("status 1 94=A\r\nend\r\n", "crlf.txt", &script, error,
                                       sizeof error));
    ASSERT_EQ(script.count, 2u);
    EXPECT_EQ(std::string(script.actions[0].bytes, script.actions[0].length), "$0,1\r\n$94,A\r\n");
    ASSERT_TRUE(
        sourcesim::parseScript(sourcesim::kDemoScript, "<demo>", &script, error, sizeof error))
        << error;
    EXPECT_GT(script.count, 10u);
}

}  // namespace
