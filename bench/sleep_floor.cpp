// The floor under the viewer's idle cost: a loop that only waits 100 ms, with the viewer's own
// wait, until it is ended. bench/measure.py idle runs it beside the viewer.
#include "platform/platform.h"

int main() {
    for (;;) {
        platform::sleepMs(100);
    }
}
