// Between the Linux platform's own files: what the cycle's one look at its input (waiting_input)
// needs from the console and from the window system, and what the window system needs from the
// console.
#pragma once

namespace platform::internal {

// The descriptor keys are read from, or -1 when no more keys can come.
int keyDescriptor();
// Whether a key has been read ahead and is waiting for readKey.
bool keyHeld();
// Reads ahead one key from a descriptor that is ready; false when there was none after all.
bool readKeyAhead();

// The job-control pipe when the calling thread owns the terminal, else -1.
int jobSignalDescriptor();
// Acts on the job-control letters waiting in that pipe: puts the terminal back and stops, or
// takes the terminal again.
void takeJobSignals();

// The title last given to the terminal the viewer runs in.
const char* consoleTitle();

// The window system's connection, or -1 when there is none.
int windowSystemDescriptor();
// A second connection whose replies a layout waits for (a tiling compositor's IPC); -1 when
// none is awaited.
int windowSystemReplyDescriptor();
// Whether the window system's library already holds events it has read.
bool windowEventsQueued();

}  // namespace platform::internal
