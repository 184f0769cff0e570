// Watching the players' pictures: a pane whose picture stands still or goes black is told on the
// console once, and told again when it moves. The operator watches four panes at once; a frozen
// pane looks exactly like a live one of a still scene.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "players/player_table.h"

// How long a picture stands still or stays black before the operator is told, unless the
// environment says otherwise (REZERIVOVE_STILL_SECONDS, read once at start-up; 0 is off).
constexpr long long kDefaultStillMs = 10000;
// How often each shown pane is sampled; one pane a cycle at most.
constexpr long long kPictureSampleEveryMs = 1000;
// The brightest sample of a picture told as black: VLC paints black as 0 to 16 in each colour,
// a dark scene has something above this.
constexpr int kDarkLevel = 40;

enum class PictureEpisode { kMoving, kStill, kBlack };
enum class PictureNews { kNone, kStill, kBlack, kMovingAgain };

// One pane: what its picture was last, and since when it has not changed.
struct PictureWatch {
    std::uint64_t fingerprint;
    long long changedAtMs;    // its last change, or when it came into sight
    long long lightAtMs;      // its last sample that was not dark, or when it came into sight
    long long episodeFromMs;  // when the picture stopped moving, or went dark
    long long nextSampleMs;
    PictureEpisode episode;
    bool inSight;  // shown to the operator since the last look: the count runs
    bool sampled;  // a sample taken since it came into sight
};

struct PictureVerdict {
    PictureNews news;
    int seconds;  // how long it has stood still or black, or how long it did
};

extern PictureWatch pictureWatches[kPlayerCount + 1];
extern long long pictureStillMs;

// The pane has come into sight: its count starts afresh, nothing told of before.
void restartPictureWatch(PictureWatch& watch, long long nowMs);

// Takes one sample of the pane's picture: what to tell the operator, if anything. A threshold
// of 0 tells nothing.
PictureVerdict judgePicture(PictureWatch& watch, const platform::PictureSample& sample,
                            long long nowMs, long long thresholdMs);

// Reads the threshold from the environment; called once at start-up.
void readPictureSettings();

// Once a cycle: samples at most one shown pane, and tells the operator what it found. A pane out
// of sight (H, a layout on its way, a player started again) is not judged.
void watchPictures();
