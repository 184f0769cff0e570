#include "script.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "net/status_records.h"

namespace sourcesim {

const char kDemoScript[] =
    "# A Tarnvale unit coming online.\n"
    "text Tarnvale unit online, four channels\n"
    "wait 1500\n"
    "status 1 94=1: Studio A\n"
    "status 2 94=2: Studio B\n"
    "status 3 94=3: Outside broadcast\n"
    "status 4 94=4: Newsroom\n"
    "end\n"
    "text Channel titles sent\n"
    "wait 4000\n"
    "text Channel 3 diverted to another location\n"
    "status 3 99=diverted\n"
    "end\n"
    "wait 4000\n"
    "status 3 94=3: Outside broadcast\n"
    "end\n"
    "text Channel 3 back\n"
    "wait 3000\n"
    "# Slot 97 changes: the player of channel 4 gets N. The block arrives in two datagrams.\n"
    "split 10\n"
    "status 4 94=4: Newsroom (restarted); 97=1\n"
    "end\n"
    "text Channel 4 restarted\n";

namespace {

const char* skipBlanks(const char* c) {
    while (*c == ' ' || *c == '\t') {
        ++c;
    }
    return c;
}

bool startsWithWord(const char* text, const char* word, const char** rest) {
    const std::size_t length = std::strlen(word);
    if (std::strncmp(text, word, length) != 0 ||
        (text[length] != '\0' && text[length] != ' ' && text[length] != '\t')) {
        return false;
    }
    *rest = skipBlanks(text + length);
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Appends text[0, length) with its escapes resolved to the action's bytes.
bool appendEscaped(Action* action, const char* text, std::size_t length, char* error,
                   std::size_t errorSize) {
    for (std::size_t at = 0; at < length; ++at) {
        char c = text[at];
        if (c == '\\') {
            const char next = at + 1 < length ? text[at + 1] : '\0';
            if (next == 'r' || next == 'n' || next == 't' || next == '\\') {
                c = next == 'r' ? '\r' : next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
                at += 1;
            } else if (next == 'x' && at + 3 < length && hexDigit(text[at + 2]) >= 0 &&
                       hexDigit(text[at + 3]) >= 0) {
                c = static_cast<char>(hexDigit(text[at + 2]) * 16 + hexDigit(text[at + 3]));
                at += 3;
            } else {
                std::snprintf(error, errorSize, "unknown escape '\\%c'", next);
                return false;
            }
        }
        if (action->length >= kMaxDatagram) {
            std::snprintf(error, errorSize, "datagram longer than %zu bytes", kMaxDatagram);
            return false;
        }
        action->bytes[action->length++] = c;
    }
    return true;
}

bool appendText(Action* action, const char* text, char* error, std::size_t errorSize) {
    return appendEscaped(action, text, std::strlen(text), error, errorSize);
}

// Appends protocol bytes as they stand.
bool appendRaw(Action* action, const char* bytes, char* error, std::size_t errorSize) {
    const std::size_t length = std::strlen(bytes);
    if (action->length + length > kMaxDatagram) {
        std::snprintf(error, errorSize, "datagram longer than %zu bytes", kMaxDatagram);
        return false;
    }
    std::memcpy(action->bytes + action->length, bytes, length);
    action->length += length;
    return true;
}

// Reads a whole decimal number in [low, high] from `text`, which must hold nothing else.
bool readNumber(const char* text, long low, long high, long* number) {
    char* end = nullptr;
    if (!std::isdigit(static_cast<unsigned char>(*text))) {
        return false;
    }
    *number = std::strtol(text, &end, 10);
    return *skipBlanks(end) == '\0' && *number >= low && *number <= high;
}

int parseStatus(const char* rest, Action* action, char* error, std::size_t errorSize) {
    char* end = nullptr;
    const long channel = std::strtol(rest, &end, 10);
    if (end == rest || channel < 0 || channel > kChannelCount || (*end != '\0' && *end != ' ')) {
        std::snprintf(error, errorSize, "status: the channel must be 0 to %d", kChannelCount);
        return -1;
    }
    char selector[32];
    std::snprintf(selector, sizeof selector, "$0,%ld\r\n", channel);
    if (!appendRaw(action, selector, error, errorSize)) {
        return -1;
    }
    for (const char* pair = skipBlanks(end); *pair != '\0';) {
        const char* stop = std::strchr(pair, ';');
        const std::size_t full = stop == nullptr ? std::strlen(pair) : stop - pair;
        // Blanks before a ';' only separate; a value that ends in one writes it as \x20.
        std::size_t length = full;
        while (length > 0 && (pair[length - 1] == ' ' || pair[length - 1] == '\t')) {
            --length;
        }
        const char* equals = static_cast<const char*>(std::memchr(pair, '=', length));
        if (equals == nullptr || equals == pair) {
            std::snprintf(error, errorSize, "status: expected CODE=VALUE, got '%.*s'",
                          static_cast<int>(length), pair);
            return -1;
        }
        for (const char* digit = pair; digit < equals; ++digit) {
            if (!std::isdigit(static_cast<unsigned char>(*digit))) {
                std::snprintf(error, errorSize, "status: the code must be a number, got '%.*s'",
                              static_cast<int>(equals - pair), pair);
                return -1;
            }
        }
        if (!appendRaw(action, "$", error, errorSize) ||
            !appendEscaped(action, pair, equals - pair, error, errorSize) ||
            !appendRaw(action, ",", error, errorSize) ||
            !appendEscaped(action, equals + 1, length - (equals + 1 - pair), error, errorSize) ||
            !appendRaw(action, "\r\n", error, errorSize)) {
            return -1;
        }
        pair = stop == nullptr ? pair + full : skipBlanks(stop + 1);
    }
    return 1;
}

}  // namespace

int parseLine(const char* line, Action* action, char* error, std::size_t errorSize) {
    action->kind = ActionKind::kSend;
    action->target = Target::kStatus;
    action->number = 0;
    action->length = 0;
    const char* text = skipBlanks(line);
    const char* rest = nullptr;
    if (*text == '\0' || *text == '#') {
        return 0;
    }
    if (startsWithWord(text, "status", &rest)) {
        return parseStatus(rest, action, error, errorSize);
    }
    if (startsWithWord(text, "end", &rest)) {
        if (*rest != '\0') {
            std::snprintf(error, errorSize, "end: takes nothing after it");
            return -1;
        }
        return appendRaw(action, "$0,0\r\n", error, errorSize) ? 1 : -1;
    }
    if (startsWithWord(text, "text", &rest)) {
        action->target = Target::kText;
        return appendText(action, rest, error, errorSize) &&
                       appendRaw(action, "\r\n", error, errorSize)
                   ? 1
                   : -1;
    }
    if (startsWithWord(text, "raw", &rest)) {
        const char* bytes = nullptr;
        if (startsWithWord(rest, "status", &bytes)) {
            action->target = Target::kStatus;
        } else if (startsWithWord(rest, "text", &bytes)) {
            action->target = Target::kText;
        } else {
            std::snprintf(error, errorSize, "raw: expected 'status' or 'text' before the bytes");
            return -1;
        }
        return appendText(action, bytes, error, errorSize) ? 1 : -1;
    }
    if (startsWithWord(text, "wait", &rest)) {
        action->kind = ActionKind::kWait;
        if (!readNumber(rest, 0, 600000, &action->number)) {
            std::snprintf(error, errorSize, "wait: expected milliseconds, 0 to 600000");
            return -1;
        }
        return 1;
    }
    if (startsWithWord(text, "split", &rest)) {
        action->kind = ActionKind::kSplit;
        if (!readNumber(rest, 0, kMaxDatagram, &action->number)) {
            std::snprintf(error, errorSize, "split: expected a byte position, 0 to %zu",
                          kMaxDatagram);
            return -1;
        }
        return 1;
    }
    const char* wordEnd = text;
    while (*wordEnd != '\0' && *wordEnd != ' ' && *wordEnd != '\t') {
        ++wordEnd;
    }
    std::snprintf(error, errorSize, "unknown action '%.*s'", static_cast<int>(wordEnd - text),
                  text);
    return -1;
}

bool parseScript(const char* text, const char* name, Script* script, char* error,
                 std::size_t errorSize) {
    script->count = 0;
    script->used = 0;
    int lineNumber = 0;
    for (const char* line = text; *line != '\0';) {
        ++lineNumber;
        const char* end = std::strchr(line, '\n');
        std::size_t length = end == nullptr ? std::strlen(line) : end - line;
        char copy[2 * kMaxDatagram];
        if (length >= sizeof copy) {
            std::snprintf(error, errorSize, "%s:%d: line too long", name, lineNumber);
            return false;
        }
        std::memcpy(copy, line, length);
        if (length > 0 && copy[length - 1] == '\r') {
            --length;  // a script written on Windows
        }
        copy[length] = '\0';
        if (script->count == kMaxActions) {
            std::snprintf(error, errorSize, "%s:%d: more than %zu actions", name, lineNumber,
                          kMaxActions);
            return false;
        }
        if (script->used + kMaxDatagram > kScriptBytes) {
            std::snprintf(error, errorSize, "%s:%d: more than %zu bytes of datagrams", name,
                          lineNumber, kScriptBytes - kMaxDatagram);
            return false;
        }
        Action& action = script->actions[script->count];
        action.bytes = script->bytes + script->used;
        char message[kErrorSize];
        const int parsed = parseLine(copy, &action, message, sizeof message);
        if (parsed < 0) {
            std::snprintf(error, errorSize, "%s:%d: %s", name, lineNumber, message);
            return false;
        }
        if (parsed > 0) {
            script->used += action.length;
            ++script->count;
        }
        line = end == nullptr ? line + length : end + 1;
        if (end == nullptr) {
            break;
        }
    }
    return true;
}

}  // namespace sourcesim
