// What reading the panes' pictures costs the viewer: the windows named on the command line are
// asked for together, and their answers taken after a cycle's sleep, as the picture watch does
// once a second; rounds of that alternate with rounds of the sleeps alone, in the same process,
// and the difference is the reads' own CPU (the X server's work is not counted). A read after a
// sleep finds the caches cold, as in the viewer. bench/measure.py sample runs it on test players'
// windows.
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace {

[[noreturn]] void lost() {
    std::exit(1);
}

double userSeconds() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6;
}

double cpuSeconds() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void sleepMs(long ms) {
    const timespec pause = {ms / 1000, ms % 1000 * 1000000};
    nanosleep(&pause, nullptr);
}

platform::PictureSample samples[platform::kMostPicturesAsked];
platform::PictureRead reads[platform::kMostPicturesAsked];

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc - 2 > platform::kMostPicturesAsked) {
        std::fprintf(stderr, "usage: picture_sample ROUNDS WINDOW...\n");
        return 2;
    }
    char display[256];
    if (!platform::openWindowSystem(display, sizeof display, lost)) {
        std::fprintf(stderr, "cannot open display %s\n", display);
        return 1;
    }
    const int rounds = std::atoi(argv[1]);
    const int count = argc - 2;
    platform::WindowHandle windows[platform::kMostPicturesAsked];
    for (int i = 0; i < count; ++i) {
        windows[i] = std::strtoull(argv[i + 2], nullptr, 0);
    }
    // One exchange first: a window's first read plans its rows.
    platform::askPictures(windows, count);
    platform::takePictures(reads, samples);
    double reading = 0, sleeping = 0, readingUser = 0, sleepingUser = 0;
    int read = 0;
    for (int pass = 0; pass < 4; ++pass) {
        const bool withReads = pass % 2 == 1;
        const double before = cpuSeconds();
        const double userBefore = userSeconds();
        for (int round = 0; round < rounds / 2; ++round) {
            if (withReads) {
                platform::askPictures(windows, count);
            }
            sleepMs(100);
            if (withReads) {
                platform::takePictures(reads, samples);
                for (int i = 0; i < count; ++i) {
                    read += reads[i] == platform::PictureRead::kRead ? 1 : 0;
                }
            }
            sleepMs(100);
        }
        (withReads ? reading : sleeping) += cpuSeconds() - before;
        (withReads ? readingUser : sleepingUser) += userSeconds() - userBefore;
    }
    const double perExchange = (reading - sleeping) * 1e6 / (rounds / 2 * 2);
    std::printf(
        "%d exchanges of %d windows, %d reads: %.1f us of CPU an exchange beyond the "
        "sleeps, %.1f of it in the viewer's own code (%.1f us a round with them, %.1f "
        "without)\n",
        rounds / 2 * 2, count, read, perExchange,
        (readingUser - sleepingUser) * 1e6 / (rounds / 2 * 2), reading * 1e6 / (rounds / 2 * 2),
        sleeping * 1e6 / (rounds / 2 * 2));
    return read == rounds / 2 * 2 * count ? 0 : 1;
}
