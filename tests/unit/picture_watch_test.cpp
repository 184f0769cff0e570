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
// still at one picture, or black (a new dark picture each second: noise in the dark moves
// nothing). `shown` brings it into sight at `from` first (V, Y, a player started again).
struct Stretch {
    enum Kind { kMoving, kStill, kBlack, kStillBlack } kind;
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
        case PictureNews::kNone:
            break;
    }
    return "none";
}

class PictureEpisodes : public ::testing::TestWithParam<Script> {};

TEST_P(PictureEpisodes, AreToldOnceEachAndWhenTheyEnd) {
    const Script& script = GetParam();
    PictureWatch watch{};
    restartPictureWatch(watch, 0);
    std::vector<std::string> told;
    for (const Stretch& stretch : script.stretches) {
        if (stretch.shown) {
            restartPictureWatch(watch, stretch.from * 1000LL);
        }
        for (int second = stretch.from; second < stretch.to; ++second) {
            const bool dark =
                stretch.kind == Stretch::kBlack || stretch.kind == Stretch::kStillBlack;
            const bool moves = stretch.kind == Stretch::kMoving || stretch.kind == Stretch::kBlack;
            const platform::PictureSample sample = {
                moves ? 1000u + static_cast<std::uint64_t>(second) : 7u + stretch.kind,
                dark ? kDark : kBright};
            const PictureVerdict verdict =
                judgePicture(watch, sample, second * 1000LL, script.thresholdMs);
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
        Script{"StillThenMovingAgain",
               {{S::kMoving, 0, 5, false}, {S::kStill, 5, 30, false}, {S::kMoving, 30, 40, false}},
               10000,
               {"15: still 10", "30: moving again 25"}},
        Script{"BlackThenAStillPicture",
               {{S::kStillBlack, 0, 15, false}, {S::kStill, 15, 40, false}},
               10000,
               {"10: black 10", "15: moving again 15", "25: still 10"}},
        Script{"AShorterStillIsNothing",
               {{S::kMoving, 0, 5, false}, {S::kStill, 5, 13, false}, {S::kMoving, 13, 40, false}},
               10000,
               {}},
        Script{"Off", {{S::kStill, 0, 20, false}, {S::kStillBlack, 20, 40, false}}, 0, {}},
        Script{"AnotherThreshold", {{S::kStill, 0, 40, false}}, 3000, {"3: still 3"}},
        // Out of sight from 6 to 20 (H, then V): the count starts again when it is shown, and a
        // still told before it was hidden is not told as moving again.
        Script{"HiddenThenShown",
               {{S::kStill, 0, 6, false}, {S::kStill, 20, 40, true}},
               10000,
               {"30: still 10"}},
        Script{"ToldThenHiddenThenShown",
               {{S::kStill, 0, 12, false}, {S::kMoving, 20, 40, true}},
               10000,
               {"10: still 10"}}),
    [](const ::testing::TestParamInfo<Script>& info) { return std::string(info.param.name); });

}  // namespace
