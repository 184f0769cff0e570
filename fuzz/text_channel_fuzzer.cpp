// Arbitrary bytes through the text channel's printer: what reaches the terminal never holds a
// control character other than CR, LF and TAB, and is never longer than what arrived.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "net/receive_sockets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static char text[kReceiveBufferSize];
    if (size > kReceiveBufferSize - 1) {
        size = kReceiveBufferSize - 1;
    }
    std::memcpy(text, data, size);
    const std::size_t shown = neutraliseControls(text, size);
    if (shown > size) {
        std::abort();
    }
    for (std::size_t at = 0; at < shown; ++at) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const bool control = (c < 0x20 && c != '\r' && c != '\n' && c != '\t') || c == 0x7F;
        const bool c1 = c == 0xC2 && at + 1 < shown &&
                        static_cast<unsigned char>(text[at + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[at + 1]) <= 0x9F;
        if (control || c1) {
            std::abort();
        }
    }
    return 0;
}
