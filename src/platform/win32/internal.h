// Between the Windows platform's own files: what the cycle's one look at its input
// (waiting_input) needs from the window code.
#pragma once

namespace platform::internal {

// Whether handleWindowEvents has something to watch this cycle: a player that may take the
// foreground from the console, shortly after a layout.
bool windowEventsExpected();

// Makes the alarm frames' windows, hidden, on a thread of their own (frames.cpp).
void makeFrames();

}  // namespace platform::internal
