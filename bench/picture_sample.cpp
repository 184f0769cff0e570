// What one read of a pane's picture costs the viewer: asks for the picture of the window named on
// the command line and takes it, again and again, and prints the viewer's own CPU time a read
// (the X server's work is not counted). With a pause between reads, as in the viewer, whose
// reads come a second apart, the caches are cold. bench/measure.py sample runs it
// on a test player's window.
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace {

[[noreturn]] void lost() {
    std::exit(1);
}

double cpuSeconds() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: picture_sample WINDOW COUNT [PAUSE_MS]\n");
        return 2;
    }
    char display[256];
    if (!platform::openWindowSystem(display, sizeof display, lost)) {
        std::fprintf(stderr, "cannot open display %s\n", display);
        return 1;
    }
    const platform::WindowHandle window = std::strtoull(argv[1], nullptr, 0);
    const int count = std::atoi(argv[2]);
    // A pause between samples, as the viewer's: a read after a sleep finds the caches cold.
    const long pauseMs = argc == 4 ? std::atol(argv[3]) : 0;
    const timespec pause = {pauseMs / 1000, pauseMs % 1000 * 1000000};
    static platform::PictureSample sample;
    platform::PictureRead result = platform::PictureRead::kFailed;
    int read = 0;
    const double before = cpuSeconds();
    for (int i = 0; i < count; ++i) {
        platform::askPictures(&window, 1);
        platform::takePictures(&result, &sample);
        read += result == platform::PictureRead::kRead ? 1 : 0;
        if (pauseMs > 0) {
            nanosleep(&pause, nullptr);
        }
    }
    const double spent = cpuSeconds() - before;
    std::printf("%d samples, %d read: %.1f us of CPU a sample\n", count, read,
                count > 0 ? spent * 1e6 / count : 0.0);
    return read == count ? 0 : 1;
}
