#include "players/picture_watch.h"

#include <cstdlib>
#include <cstring>

#include "control/console_output.h"
#include "control/decimal_reading.h"
#include "control/messages.h"
#include "control/startup.h"
#include "players/alarms.h"
#include "players/player_contract.h"
#include "players/window_layout.h"

PictureWatch pictureWatches[kPlayerCount + 1];
long long pictureStillMs = kDefaultStillMs;

namespace {

using platform::PictureRead;
using platform::PictureSample;

constexpr long long kMsPerSecond = 1000;
// The longest threshold taken, a day: a larger number is a mistake, not a wish to wait longer.
constexpr long long kLongestStillSeconds = 86400;
// How much of a setting that is not a number is shown back to the operator.
constexpr std::size_t kShownSettingSize = 32;

// The panes whose pictures were asked for, in the order asked; none while no exchange is on its
// way. Their answers are taken in the next cycle.
int panesAsked[platform::kMostPicturesAsked];
int panesAskedCount;
long long nextAskMs;
PictureRead readsTaken[platform::kMostPicturesAsked];
PictureSample samplesTaken[platform::kMostPicturesAsked];

int secondsSince(long long fromMs, long long nowMs) {
    return static_cast<int>((nowMs - fromMs) / kMsPerSecond);
}

bool samePicture(const PictureSample& a, const PictureSample& b) {
    return std::memcmp(a.cells, b.cells, sizeof a.cells) == 0;
}

PictureVerdict told(PictureNews news, int seconds) {
    return {news, seconds, PictureRead::kRead};
}

// A pane the operator can see now: the grid shown, no layout of its own on its way, its player
// running with its window found and placed. Another player's layout leaves it in sight.
bool inSight(int pane) {
    const PlayerSlot& slot = playerTable[pane];
    const bool ownLayout = layoutProgress.onItsWay &&
                           (layoutProgress.onlyPlayer == 0 || layoutProgress.onlyPlayer == pane);
    return !gridHidden && !ownLayout && slot.window != 0 && slot.process.processId != 0 &&
           slot.awaitedSinceMs == 0 && !slot.placeWanted;
}

const char* reasonText(PictureRead reason) {
    switch (reason) {
        case PictureRead::kNotShown:
            return messages::kPictureNotShown;
        case PictureRead::kOffScreen:
            return messages::kPictureOffScreen;
        case PictureRead::kGone:
            return messages::kPictureWindowWent;
        case PictureRead::kRead:
        case PictureRead::kFailed:
            break;
    }
    return messages::kPictureReadFailed;
}

// The operator is told on the console and in the system's log, and the pane's frame and alarm
// command follow.
void tell(int pane, const PictureVerdict& verdict, long long nowMs) {
    const int port = viewerSettings.IPPORT + kStreamPortOffset + pane;
    const char* address = viewerSettings.IPADDRESS;
    const PictureWatch& watch = pictureWatches[pane];
    switch (verdict.news) {
        case PictureNews::kStill:
            printAndRecord(messages::kPictureStillFormat, pane, address, port, verdict.seconds);
            alarmStarts(pane, AlarmKind::kStill, watch.changedAtMs, nowMs);
            break;
        case PictureNews::kBlack:
            printAndRecord(messages::kPictureBlackFormat, pane, address, port, verdict.seconds);
            alarmStarts(pane, AlarmKind::kBlack, watch.lightAtMs, nowMs);
            break;
        case PictureNews::kMovingAgain:
            printAndRecord(messages::kPictureMovingFormat, pane, address, port, verdict.seconds);
            alarmEnds(pane, AlarmKind::kStill, nowMs);
            alarmEnds(pane, AlarmKind::kBlack, nowMs);
            break;
        case PictureNews::kUnreadable:
            printAndRecord(messages::kPictureUnreadableFormat, pane, address, port,
                           reasonText(verdict.reason));
            alarmStarts(pane, AlarmKind::kUnwatched, watch.unreadableSinceMs, nowMs);
            break;
        case PictureNews::kWatchedAgain:
            printAndRecord(messages::kPictureWatchedFormat, pane, address, port);
            alarmEnds(pane, AlarmKind::kUnwatched, nowMs);
            break;
        case PictureNews::kNone:
            break;
    }
}

// A read that failed: told once it has failed in sight for five seconds.
PictureVerdict judgeUnreadable(PictureWatch& watch, PictureRead read, long long nowMs) {
    if (watch.unreadableSinceMs == 0) {
        watch.unreadableSinceMs = nowMs;
    }
    watch.unreadableReason = read;
    if (watch.unreadableTold || nowMs - watch.unreadableSinceMs < kUnreadableToldAfterMs) {
        return told(PictureNews::kNone, 0);
    }
    watch.unreadableTold = true;
    return {PictureNews::kUnreadable, secondsSince(watch.unreadableSinceMs, nowMs), read};
}

}  // namespace

void pictureComesIntoSight(PictureWatch& watch, long long nowMs) {
    watch.inSight = true;
    watch.lastChanged = false;
    watch.unreadableSinceMs = 0;
    // What the picture did out of sight is not known: the counts that lead to an episode start
    // now; an episode already told stays open until the picture is seen moving.
    if (watch.episode != PictureEpisode::kBlack) {
        watch.lightAtMs = nowMs;
    }
    if (watch.episode != PictureEpisode::kStill) {
        watch.changedAtMs = nowMs;
    }
}

PictureVerdict judgePicture(PictureWatch& watch, PictureRead read, const PictureSample& sample,
                            long long nowMs, long long thresholdMs) {
    if (read != PictureRead::kRead) {
        return judgeUnreadable(watch, read, nowMs);
    }
    const bool toldUnreadable = watch.unreadableTold;
    if (watch.unreadableSinceMs != 0 && toldUnreadable) {
        // Not watched for a while: counted afresh, as a pane that comes into sight.
        pictureComesIntoSight(watch, nowMs);
        watch.haveLast = false;
    }
    watch.unreadableSinceMs = 0;
    watch.unreadableTold = false;

    const bool dark = sample.brightest <= kDarkLevel;
    const bool changed = watch.haveLast && !samePicture(sample, watch.last);
    const bool changedTwice = changed && watch.lastChanged;
    if (watch.haveLast && !changed) {
        watch.steady = sample;
    }
    watch.haveLast = true;
    watch.lastChanged = changed;
    watch.last = sample;
    if (changed) {
        watch.changedAtMs = nowMs;
    }
    if (!dark) {
        watch.lightAtMs = nowMs;
    }
    if (toldUnreadable) {
        return told(PictureNews::kWatchedAgain, 0);
    }
    if (thresholdMs <= 0) {
        watch.episode = PictureEpisode::kNone;
        return told(PictureNews::kNone, 0);
    }
    const bool darkLong = dark && nowMs - watch.lightAtMs >= thresholdMs;
    const bool stillLong = !dark && nowMs - watch.changedAtMs >= thresholdMs;
    if (watch.episode == PictureEpisode::kNone) {
        // Black is told as black, not as still.
        if (darkLong) {
            watch.episode = PictureEpisode::kBlack;
            watch.episodeFromMs = watch.lightAtMs;
            return told(PictureNews::kBlack, secondsSince(watch.lightAtMs, nowMs));
        }
        if (stillLong) {
            watch.episode = PictureEpisode::kStill;
            watch.episodeFromMs = watch.changedAtMs;
            return told(PictureNews::kStill, secondsSince(watch.changedAtMs, nowMs));
        }
        return told(PictureNews::kNone, 0);
    }
    // The picture moves again when it changed in two samples in a row into something that is
    // neither black (noise in the dark is none) nor the picture it stood at: a tooltip, one
    // repaint or a window passed over the pane ends nothing.
    if (changedTwice && !dark && !samePicture(sample, watch.steady)) {
        watch.episode = PictureEpisode::kNone;
        return told(PictureNews::kMovingAgain, secondsSince(watch.episodeFromMs, nowMs));
    }
    // The same episode of another kind: a still picture that went black, or the other way.
    if (watch.episode == PictureEpisode::kStill && darkLong) {
        watch.episode = PictureEpisode::kBlack;
        return told(PictureNews::kBlack, secondsSince(watch.lightAtMs, nowMs));
    }
    if (watch.episode == PictureEpisode::kBlack && stillLong) {
        watch.episode = PictureEpisode::kStill;
        return told(PictureNews::kStill, secondsSince(watch.changedAtMs, nowMs));
    }
    return told(PictureNews::kNone, 0);
}

void readPictureSettings() {
    const char* seconds = std::getenv("REZERIVOVE_STILL_SECONDS");
    if (seconds == nullptr || seconds[0] == '\0') {
        return;
    }
    // A number: blanks, an optional sign and digits, and nothing after them but blanks.
    const char* at = seconds;
    while (*at == ' ' || *at == '\t') {
        ++at;
    }
    at += *at == '+' || *at == '-' ? 1 : 0;
    const char* digits = at;
    while (*at >= '0' && *at <= '9') {
        ++at;
    }
    const bool number = at != digits;
    while (*at == ' ' || *at == '\t') {
        ++at;
    }
    if (!number || *at != '\0') {
        char shown[kShownSettingSize];
        std::size_t length = 0;
        for (; seconds[length] != '\0' && length + 1 < sizeof shown; ++length) {
            const unsigned char byte = static_cast<unsigned char>(seconds[length]);
            shown[length] = byte < 0x20 || byte >= 0x7F ? '?' : static_cast<char>(byte);
        }
        shown[length] = '\0';
        printFormatted(messages::kStillSecondsNotANumberFormat, shown,
                       static_cast<int>(pictureStillMs / kMsPerSecond));
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
        if (!inSight(pane)) {
            pictureWatches[pane].inSight = false;
            pictureWatches[pane].unreadableSinceMs = 0;
        } else if (!pictureWatches[pane].inSight) {
            pictureComesIntoSight(pictureWatches[pane], now);
        }
    }
    // Once a second the panes in sight are asked for together, and their answers taken in the
    // next cycle: the window system answers while the viewer waits for its cycle, not in it.
    if (panesAskedCount > 0) {
        platform::takePictures(readsTaken, samplesTaken);
        for (int i = 0; i < panesAskedCount; ++i) {
            const int pane = panesAsked[i];
            PictureWatch& watch = pictureWatches[pane];
            if (!watch.inSight) {
                continue;  // it went out of sight meanwhile (H, its own layout)
            }
            const PictureVerdict verdict =
                judgePicture(watch, readsTaken[i], samplesTaken[i], now, pictureStillMs);
            if (verdict.news != PictureNews::kNone) {
                tell(pane, verdict, now);
            }
        }
        panesAskedCount = 0;
        return;
    }
    if (now < nextAskMs) {
        return;
    }
    nextAskMs = now + kPictureSampleEveryMs;
    platform::WindowHandle windows[platform::kMostPicturesAsked];
    for (int pane = 1; pane <= kPlayerCount; ++pane) {
        if (pictureWatches[pane].inSight && panesAskedCount < platform::kMostPicturesAsked) {
            panesAsked[panesAskedCount] = pane;
            windows[panesAskedCount++] = playerTable[pane].window;
        }
    }
    if (panesAskedCount > 0) {
        platform::askPictures(windows, panesAskedCount);
    }
}
