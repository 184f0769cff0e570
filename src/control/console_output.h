#pragma once

#include <cstddef>

// Room for any one message the viewer prints, its filled-in texts included.
constexpr std::size_t kMessageSize = 1024;

void printText(const char* text);
// printf-style; the result is cut to kMessageSize - 1 characters.
void printFormatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The system's log: opened at start-up; every line the viewer tells of its panes, and the
// source's messages, are kept there. A log that does not take them is told once, after the
// first line of the viewer's own it did not take.
void openRecord();
// Records text in the system's log, a record a line; empty lines are left out.
void recordText(const char* text, std::size_t length, bool warning);
// printFormatted, and the line recorded in the system's log as a warning.
void printAndRecord(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Ends the viewer on a failure: prints the message, waits 3000 ms so the operator can read it,
// and exits with `code`. Nothing of the viewer's own is cleaned up: players keep running, and the
// sockets and the single-instance guard are left to the operating system.
[[noreturn]] void errorExit(const char* message, int code);
// errorExit with a printf-style message.
[[noreturn]] void errorExitFormatted(int code, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

constexpr int kErrorPauseMs = 3000;
