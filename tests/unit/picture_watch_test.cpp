// What the operator is told of a pane's picture, from its samples and the time alone: each
// script is a pane sampled once a second, and the outcome is the lines told and when.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "players/picture_watch.h"

namespace {

constexpr int kBright = 200;
constexpr int kDark = 12;

// A pane's picture over one stretch of seconds [from, to): moving (a new picture each second),
// still at one picture, black (a new dark picture each second: noise in the dark moves nothing),
// or not readable. `shown` brings it into sight at `from` first (V, Y, a player started again)
// after a span out of sight.
struct Stretch {
    enum Kind { kMoving, kStill, kBlack, kStillBlack, kUnreadable } kind;
    int from, to;
    bool shown;
};

struct Script {
    const char* name;
    std::vector<Stretch> stretches;
    long long thresholdMs;
    std::vector<std::string> told;  // "second: news seconds"
};

void PrintTo(const Script& script, std::ostream* out) {
    *out << script.name;
}

const char* nameOf(PictureNews news) {
    switch (news) {
        case PictureNews::kStill:
            return "still";
        case PictureNews::kBlack:
            return "black";
        case PictureNews::kMovingAgain:
            return "moving again";
        case PictureNews::kUnreadable:
            return "unreadable";
        case PictureNews::kWatchedAgain:
            return "watched again";
        case PictureNews::kNone:
            break;
    }
    return "none";
}

class PictureEpisodes : public ::testing::TestWithParam<Script> {};

TEST_P(PictureEpisodes, AreToldOnceEachAndWhenTheyEnd) {
    const Script& script = GetParam();
    PictureWatch watch{};
    pictureComesIntoSight(watch, 0);
    std::vector<std::string> told;
    platform::PictureSample sample{};
    for (const Stretch& stretch : script.stretches) {
        if (stretch.shown) {
            pictureComesIntoSight(watch, stretch.from * 1000LL);
        }
        for (int second = stretch.from; second < stretch.to; ++second) {
            const bool dark =
                stretch.kind == Stretch::kBlack || stretch.kind == Stretch::kStillBlack;
            const bool moves = stretch.kind == Stretch::kMoving || stretch.kind == Stretch::kBlack;
            // One cell tells the pictures apart, as a small counter in a corner would.
            sample.cells[platform::kPictureCells - 1] =
                moves ? 1000u + static_cast<std::uint32_t>(second) : 7u + stretch.kind;
            sample.brightest = dark ? kDark : kBright;
            const platform::PictureRead read = stretch.kind == Stretch::kUnreadable
                                                   ? platform::PictureRead::kOffScreen
                                                   : platform::PictureRead::kRead;
            const PictureVerdict verdict =
                judgePicture(watch, read, sample, second * 1000LL, script.thresholdMs);
            if (verdict.news != PictureNews::kNone) {
                told.push_back(std::to_string(second) + ": " + nameOf(verdict.news) + " " +
                               std::to_string(verdict.seconds));
            }
        }
    }
    EXPECT_EQ(told, script.told);
}

using S = Stretch;

INSTANTIATE_TEST_SUITE_P(
    Panes, PictureEpisodes,
    ::testing::Values(
        Script{"Moving", {{S::kMoving, 0, 40, false}}, 10000, {}},
        Script{"StillFromTheStart", {{S::kStill, 0, 40, false}}, 10000, {"10: still 10"}},
        // Black is told as black, not as still, whether the dark picture stands or flickers.
        Script{"Black", {{S::kStillBlack, 0, 40, false}}, 10000, {"10: black 10"}},
        Script{"NoiseInTheDark", {{S::kBlack, 0, 40, false}}, 10000, {"10: black 10"}},
        // Moving again once it has changed in two samples in a row.
        Script{"StillThenMovingAgain",
               {{S::kMoving, 0, 5, false}, {S::kStill, 5, 30, false}, {S::kMoving, 30, 40, false}},
               10000,
               {"15: still 10", "31: moving again 26"}},
        // One episode of two kinds: told as the new kind, never as moving again between them.
        Script{"StillThenBlack",
               {{S::kStill, 0, 20, false}, {S::kStillBlack, 20, 40, false}},
               10000,
               {"10: still 10", "29: black 10"}},
        Script{"BlackThenAStillPicture",
               {{S::kStillBlack, 0, 15, false}, {S::kStill, 15, 40, false}},
               10000,
               {"10: black 10", "25: still 10"}},
        // A tooltip, or a window passed over a frozen pane: one changed picture that goes away.
        Script{"OneOtherPictureEndsNothing",
               {{S::kStill, 0, 20, false}, {S::kMoving, 20, 21, false}, {S::kStill, 21, 40, false}},
               10000,
               {"10: still 10"}},
        Script{"AShorterStillIsNothing",
               {{S::kMoving, 0, 5, false}, {S::kStill, 5, 13, false}, {S::kMoving, 13, 40, false}},
               10000,
               {}},
        Script{"Off", {{S::kStill, 0, 20, false}, {S::kStillBlack, 20, 40, false}}, 0, {}},
        Script{"AnotherThreshold", {{S::kStill, 0, 40, false}}, 3000, {"3: still 3"}},
        // Out of sight from 6 to 20 (H, then V) before anything was told: the count starts again
        // when it is shown.
        Script{"HiddenThenShown",
               {{S::kStill, 0, 6, false}, {S::kStill, 20, 40, true}},
               10000,
               {"30: still 10"}},
        // An episode told before it went out of sight stays open: nothing new while the picture
        // stands, moving again with the whole episode's age once it moves.
        Script{"ToldThenHiddenThenShownStill",
               {{S::kStill, 0, 12, false}, {S::kStill, 20, 40, true}},
               10000,
               {"10: still 10"}},
        Script{"ToldThenHiddenThenShownMoving",
               {{S::kStill, 0, 12, false}, {S::kMoving, 20, 40, true}},
               10000,
               {"10: still 10", "21: moving again 21"}},
        // A pane that cannot be read is told after five seconds, and when it is read again.
        Script{"UnreadableThenReadAgain",
               {{S::kMoving, 0, 5, false},
                {S::kUnreadable, 5, 15, false},
                {S::kMoving, 15, 40, false}},
               10000,
               {"10: unreadable 5", "15: watched again 0"}},
        Script{
            "UnreadableForAMomentIsNothing",
            {{S::kMoving, 0, 5, false}, {S::kUnreadable, 5, 8, false}, {S::kMoving, 8, 40, false}},
            10000,
            {}}),
    [](const ::testing::TestParamInfo<Script>& info) { return std::string(info.param.name); });

}  // namespace
