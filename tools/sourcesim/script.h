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

enum class ActionKind { kSend, kWait, kSplit };
enum class Target { kStatus, kText };

struct Action {
    ActionKind kind;
    Target target;       // kSend: which port
    long number;         // kWait: milliseconds; kSplit: the byte to split at
    std::size_t length;  // kSend: bytes in `bytes`
    char bytes[kMaxDatagram];
};

struct Script {
    std::size_t count;
    Action actions[kMaxActions];
};

// Parses one line into `action`. Returns 1 for an action, 0 for a line with none (blank or
// comment), -1 for an error, described in `error`.
int parseLine(const char* line, Action* action, char* error, std::size_t errorSize);

// Parses a whole script text; `name` names it in errors ("FILE:LINE: message").
bool parseScript(const char* text, const char* name, Script* script, char* error,
                 std::size_t errorSize);

// The script the simulator plays when given none: a unit coming online.
extern const char kDemoScript[];

}  // namespace sourcesim
