// The source simulator's scripts: one action per line.
//
//   status CHANNEL [CODE=VALUE; CODE=VALUE ...]  one status datagram: the selector for CHANNEL
//                                                (0 to 4), then a record for each pair
//   end                                          one status datagram holding the selector for
//                                                none, which completes the last channel's block
//   text MESSAGE                                 one text datagram: MESSAGE, then CR LF
//   raw status|text BYTES                        one datagram of exactly BYTES
//   wait MS                                      a pause of MS milliseconds
//   split K                                      the next datagram goes out as two: its first K
//                                                bytes, then the rest
//
// Blank lines and lines starting with '#' are skipped. MESSAGE, VALUE and BYTES take the
// escapes \r \n \t \\ and \xHH.
#pragma once

#include <cstddef>

namespace sourcesim {

constexpr std::size_t kMaxDatagram = 4096;
constexpr std::size_t kMaxActions = 1024;
constexpr std::size_t kErrorSize = 512;
constexpr std::size_t kMaxScriptFile = 1 << 20;
// Every datagram of a script, one after another. A line's datagram is at most half again as long
// as the line ("end" is "$0,0\r\n", "1=x;" is "$1,x\r\n"), so twice the largest script holds
// them all; the last line parsed may take a whole datagram more.
constexpr std::size_t kScriptBytes = 2 * kMaxScriptFile + kMaxDatagram;

enum class ActionKind { kSend, kWait, kSplit };
enum class Target { kStatus, kText };

struct Action {
    ActionKind kind;
    Target target;       // kSend: which port
    long number;         // kWait: milliseconds; kSplit: the byte to split at
    std::size_t length;  // kSend: bytes in `bytes`
    char* bytes;         // kSend: where its datagram is, room for kMaxDatagram bytes when parsed
};

struct Script {
    std::size_t count;
    Action actions[kMaxActions];
    std::size_t used;  // of `bytes`
    char bytes[kScriptBytes];
};

// Parses one line into `action`, its datagram into action->bytes. Returns 1 for an action, 0 for
// a line with none (blank or comment), -1 for an error, described in `error`.
int parseLine(const char* line, Action* action, char* error, std::size_t errorSize);

// Parses a whole script text; `name` names it in errors ("FILE:LINE: message").
bool parseScript(const char* text, const char* name, Script* script, char* error,
                 std::size_t errorSize);

// The script the simulator plays when given none: a unit coming online.
extern const char kDemoScript[];

}  // namespace sourcesim
