#include "control/console_output.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "control/messages.h"
#include "platform/platform.h"

void printText(const char* text) {
    platform::writeConsole(text, std::strlen(text));
}

namespace {

void printArguments(const char* format, va_list arguments) {
    char message[kMessageSize];
    std::vsnprintf(message, sizeof message, format, arguments);
    printText(message);
}

}  // namespace

void printFormatted(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    printArguments(format, arguments);
    va_end(arguments);
}

namespace {

constexpr std::size_t kLogNameSize = 256;
char logName[kLogNameSize];
bool logFailed;
bool logFailureTold;

}  // namespace

void openRecord() {
    // A log that cannot be reached is told when the first line is not recorded: a viewer with
    // nothing to tell says nothing of it.
    platform::openSystemLog(logName, sizeof logName);
}

void recordText(const char* text, std::size_t length, bool warning) {
    std::size_t start = 0;
    for (std::size_t at = 0; at <= length; ++at) {
        if (at < length && text[at] != '\r' && text[at] != '\n') {
            continue;
        }
        if (at > start && !platform::writeSystemLog(text + start, at - start, warning)) {
            logFailed = true;
        }
        start = at + 1;
    }
}

void printAndRecord(const char* format, ...) {
    char message[kMessageSize];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    printText(message);
    recordText(message, std::strlen(message), true);
    // Told beside the first line of the viewer's own that the log did not take: the source's
    // messages alone print nothing but themselves.
    if (logFailed && !logFailureTold) {
        logFailureTold = true;
        printFormatted(messages::kSystemLogFailedFormat, logName);
    }
}

void errorExit(const char* message, int code) {
    printText(message);
    platform::sleepMs(kErrorPauseMs);
    std::exit(code);
}

void errorExitFormatted(int code, const char* format, ...) {
    char message[kMessageSize];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    errorExit(message, code);
}
