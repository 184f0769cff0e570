// Where the alarm frames stand, for the platforms' picture reads: the points of a pane under a
// frame's band or label are left out of every sample, whether the frame is shown or not, so that
// what a frame shows never counts as the picture.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform::frames {

constexpr int kPanes = 4;
// A frame leaves out at most two parts of a row (its two side bands, or its label and its right
// band, or its whole top or bottom band).
constexpr int kMostSpans = 2 * kPanes;

// A part of a screen row, from `left` up to `right`.
struct Span {
    std::int64_t left, right;
};

// Keeps where the frame of `pane` (1 to 4) stands.
void rememberCell(int pane, const FrameCell& cell);
// The parts of the screen's row `y` under any frame; returns how many were stored.
int spansUnderFrames(std::int64_t y, Span* spans);

}  // namespace platform::frames
