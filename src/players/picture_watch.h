// Watching the players' pictures: a pane whose picture stands still or goes black is told on the
// console once, and told again when it moves; a pane whose picture cannot be read is told as not
// watched. The operator watches four panes at once; a frozen pane looks exactly like a live one
// of a still scene, and silence is read as "all four are fine".
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "players/player_table.h"

// How long a picture stands still or stays black before the operator is told, unless the
// environment says otherwise (REZERIVOVE_STILL_SECONDS, read once at start-up; 0 is off).
constexpr long long kDefaultStillMs = 10000;
// How often the shown panes are sampled, all four together.
constexpr long long kPictureSampleEveryMs = 1000;
// How long a pane's picture cannot be read before the operator is told it is not watched.
constexpr long long kUnreadableToldAfterMs = 5000;
// The brightest colour of a picture told as black: VLC paints black as 0 to 16 in each colour,
// a dark scene has something above this.
constexpr int kDarkLevel = 40;

// An episode is a stretch in which the picture does not move: still, or black. It ends only when
// it is told as ended ("moving again").
enum class PictureEpisode { kNone, kStill, kBlack };
enum class PictureNews { kNone, kStill, kBlack, kMovingAgain, kUnreadable, kWatchedAgain };

// One pane: what its picture was, since when it has not changed, and its episode.
struct PictureWatch {
    long long changedAtMs;    // its last change in sight, or when its count started
    long long lightAtMs;      // its last sample that was not dark, or when its count started
    long long episodeFromMs;  // when the episode began
    // Reads that fail in sight: since when (0 while it reads), why, and whether it was told.
    long long unreadableSinceMs;
    platform::PictureRead unreadableReason;
    PictureEpisode episode;
    platform::PictureSample last;    // the last sample read
    platform::PictureSample steady;  // the last picture seen twice in a row
    bool haveLast;
    bool lastChanged;  // the last sample differed from the one before it
    bool inSight;      // shown to the operator since the last look: samples are taken
    bool unreadableTold;
};

struct PictureVerdict {
    PictureNews news;
    int seconds;  // how long it has stood still or black, or how long the episode lasted
    platform::PictureRead reason;  // why it cannot be read
};

extern PictureWatch pictureWatches[kPlayerCount + 1];
extern long long pictureStillMs;

// The pane has come into sight (V, Y, its player's window placed again). An episode told before
// stays open, its age running on; otherwise the count starts afresh.
void pictureComesIntoSight(PictureWatch& watch, long long nowMs);

// Takes one read of the pane's picture (its sample when `read` is kRead): what to tell the
// operator, if anything. A threshold of 0 tells nothing of stillness or black.
PictureVerdict judgePicture(PictureWatch& watch, platform::PictureRead read,
                            const platform::PictureSample& sample, long long nowMs,
                            long long thresholdMs);

// Reads the threshold from the environment; called once at start-up.
void readPictureSettings();

// Once a cycle: once a second asks for the pictures of the panes in sight, and in the next cycle
// judges them and tells the operator what it found. A pane out of sight (H, its own layout on
// its way, its player started again) is not sampled.
void watchPictures();
