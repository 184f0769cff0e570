#include "control/console_output.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
