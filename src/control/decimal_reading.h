#pragma once

#include <cstdint>

// Reads a number from text the way the source and the command line write them: optional leading
// white space, an optional sign, then decimal digits up to the first other character. Text without
// digits reads as 0. Readings beyond the 32-bit range stay at its nearest end.
std::int32_t readDecimal(const char* text);

// An address text names a multicast group when its first number lies in 224 to 239.
bool isMulticastAddress(const char* text);
