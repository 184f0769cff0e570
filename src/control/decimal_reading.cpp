#include "control/decimal_reading.h"

#include <cstdint>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t readDecimal(const char* text) {
    const char* c = text;
    while (isBlank(*c)) {
        ++c;
    }
    bool negative = false;
    if (*c == '+' || *c == '-') {
        negative = *c == '-';
        ++c;
    }
    // Accumulate the magnitude and stop growing it past the range, so that a long digit string
    // can neither overflow nor wrap round to a small channel or port number.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
    std::int64_t magnitude = 0;
    while (*c >= '0' && *c <= '9') {
        if (magnitude < limit) {
            magnitude = magnitude * 10 + (*c - '0');
        }
        ++c;
    }
    if (magnitude > limit) {
        magnitude = limit;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool isMulticastAddress(const char* text) {
    const std::int32_t firstNumber = readDecimal(text);
    return firstNumber >= 224 && firstNumber <= 239;
}
