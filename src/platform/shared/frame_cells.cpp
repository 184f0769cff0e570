#include "platform/shared/frame_cells.h"

namespace platform::frames {

namespace {

FrameCell cells[kPanes + 1];
bool placed[kPanes + 1];

}  // namespace

void rememberCell(int pane, const FrameCell& cell) {
    if (pane >= 1 && pane <= kPanes) {
        cells[pane] = cell;
        placed[pane] = true;
    }
}

int spansUnderFrames(std::int64_t y, Span* spans) {
    int count = 0;
    for (int pane = 1; pane <= kPanes; ++pane) {
        const FrameCell& cell = cells[pane];
        const std::int64_t right = cell.left + cell.width;
        const std::int64_t bottom = cell.top + cell.height;
        if (!placed[pane] || y < cell.top || y >= bottom) {
            continue;
        }
        if (y < cell.top + kFrameBand || y >= bottom - kFrameBand) {
            spans[count++] = {cell.left, right};
            continue;
        }
        const bool besideLabel = y < cell.top + kFrameLabelHeight;
        spans[count++] = {cell.left, cell.left + (besideLabel ? kFrameLabelWidth : kFrameBand)};
        spans[count++] = {right - kFrameBand, right};
    }
    return count;
}

}  // namespace platform::frames
