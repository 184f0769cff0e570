#include "players/picture_watch.h"

#include <cstdlib>

#include "control/console_output.h"
#include "control/decimal_reading.h"
#include "control/messages.h"
#include "control/startup.h"
#include "players/player_contract.h"
#include "players/window_layout.h"

PictureWatch pictureWatches[kPlayerCount + 1];
long long pictureStillMs = kDefaultStillMs;

namespace {

constexpr long long kMsPerSecond = 1000;
// The longest threshold taken, a day: a larger number is a mistake, not a wish to wait longer.
constexpr long long kLongestStillSeconds = 86400;

int player;  // the pane sampled last; the next cycle looks at the one after it

int secondsSince(long long fromMs, long long nowMs) {
    return static_cast<int>((nowMs - fromMs) / kMsPerSecond);
}

PictureVerdict startEpisode(PictureWatch& watch, PictureEpisode episode, long long fromMs,
                            long long nowMs) {
    watch.episode = episode;
    watch.episodeFromMs = fromMs;
    return {episode == PictureEpisode::kBlack ? PictureNews::kBlack : PictureNews::kStill,
            secondsSince(fromMs, nowMs)};
}

// A pane the operator can see now: the grid shown and standing, its player running with its
// window found and placed.
bool inSight(const PlayerSlot& slot) {
    return !gridHidden && !layoutInProgress() && slot.window != 0 && slot.process.processId != 0 &&
           slot.awaitedSinceMs == 0 && !slot.placeWanted;
}

void tell(int pane, const PictureVerdict& verdict) {
    const char* format = verdict.news == PictureNews::kStill   ? messages::kPictureStillFormat
                         : verdict.news == PictureNews::kBlack ? messages::kPictureBlackFormat
                                                               : messages::kPictureMovingFormat;
    printFormatted(format, pane, viewerSettings.IPADDRESS,
                   viewerSettings.IPPORT + kStreamPortOffset + pane, verdict.seconds);
}

}  // namespace

void restartPictureWatch(PictureWatch& watch, long long nowMs) {
    watch.inSight = true;
    watch.sampled = false;
    watch.changedAtMs = nowMs;
    watch.lightAtMs = nowMs;
    watch.episode = PictureEpisode::kMoving;
    watch.nextSampleMs = nowMs;
}

PictureVerdict judgePicture(PictureWatch& watch, const platform::PictureSample& sample,
                            long long nowMs, long long thresholdMs) {
    const bool dark = sample.brightest <= kDarkLevel;
    const bool changed = watch.sampled && sample.fingerprint != watch.fingerprint;
    watch.sampled = true;
    watch.fingerprint = sample.fingerprint;
    if (changed) {
        watch.changedAtMs = nowMs;
    }
    if (!dark) {
        watch.lightAtMs = nowMs;
    }
    if (thresholdMs <= 0) {
        watch.episode = PictureEpisode::kMoving;
        return {PictureNews::kNone, 0};
    }
    // A black picture moves again when something but black shows; noise in the dark is none.
    const bool moved = watch.episode == PictureEpisode::kBlack ? changed && !dark : changed;
    if (watch.episode != PictureEpisode::kMoving && moved) {
        watch.episode = PictureEpisode::kMoving;
        return {PictureNews::kMovingAgain, secondsSince(watch.episodeFromMs, nowMs)};
    }
    if (watch.episode != PictureEpisode::kMoving) {
        return {PictureNews::kNone, 0};
    }
    // Black is told as black, not as still.
    if (dark && nowMs - watch.lightAtMs >= thresholdMs) {
        return startEpisode(watch, PictureEpisode::kBlack, watch.lightAtMs, nowMs);
    }
    if (!dark && nowMs - watch.changedAtMs >= thresholdMs) {
        return startEpisode(watch, PictureEpisode::kStill, watch.changedAtMs, nowMs);
    }
    return {PictureNews::kNone, 0};
}

void readPictureSettings() {
    const char* seconds = std::getenv("REZERIVOVE_STILL_SECONDS");
    if (seconds == nullptr || seconds[0] == '\0') {
        return;
    }
    const long long value = readDecimal(seconds);
    pictureStillMs = (value < 0                      ? 0
                      : value > kLongestStillSeconds ? kLongestStillSeconds
                                                     : value) *
                     kMsPerSecond;
}

void watchPictures() {
    if (pictureStillMs <= 0) {
        return;
    }
    const long long now = platform::monotonicMs();
    for (int pane = 1; pane <= kPlayerCount; ++pane) {
        if (!inSight(playerTable[pane])) {
            pictureWatches[pane].inSight = false;
        } else if (!pictureWatches[pane].inSight) {
            restartPictureWatch(pictureWatches[pane], now);
        }
    }
    // One pane a cycle, each at most once a second: a sample is a few requests to the window
    // system, spread so that no cycle holds more than one.
    for (int step = 0; step < kPlayerCount; ++step) {
        player = player % kPlayerCount + 1;
        PictureWatch& watch = pictureWatches[player];
        if (!watch.inSight || now < watch.nextSampleMs) {
            continue;
        }
        watch.nextSampleMs = now + kPictureSampleEveryMs;
        platform::PictureSample sample{};
        if (platform::samplePicture(playerTable[player].window, &sample)) {
            const PictureVerdict verdict = judgePicture(watch, sample, now, pictureStillMs);
            if (verdict.news != PictureNews::kNone) {
                tell(player, verdict);
            }
        }
        return;
    }
}
