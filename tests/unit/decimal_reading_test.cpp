// Numbers read from the command line and from status records.
#include <gtest/gtest.h>

#include <cstdint>

#include "control/decimal_reading.h"

namespace {

struct Reading {
    const char* text;
    std::int32_t value;
};

TEST(DecimalReading, ReadsLikeAtol) {
    const Reading cases[] = {
        {"5000", 5000},
        {"  \t\n\v\f\r42", 42},
        {"+17", 17},
        {"-17", -17},
        {"12abc", 12},
        {"3.9", 3},
        {"1 2", 1},
        {"", 0},
        {"abc", 0},
        {"+", 0},
        {"-", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"007", 7},
        {"0x1F", 0},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
    };
    for (const Reading& c : cases) {
        EXPECT_EQ(readDecimal(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(DecimalReading, StaysAtTheEndOfTheRangeInsteadOfWrapping) {
    EXPECT_EQ(readDecimal("2147483648"), INT32_MAX);
    EXPECT_EQ(readDecimal("4294967297"), INT32_MAX);
    EXPECT_EQ(readDecimal("99999999999999999999999999999"), INT32_MAX);
    EXPECT_EQ(readDecimal("-2147483649"), INT32_MIN);
    EXPECT_EQ(readDecimal("-99999999999999999999999999999"), INT32_MIN);
}

TEST(DecimalReading, MulticastAddressesHaveFirstNumber224To239) {
    EXPECT_TRUE(isMulticastAddress("224.0.0.1"));
    EXPECT_TRUE(isMulticastAddress("239.1.2.3"));
    EXPECT_TRUE(isMulticastAddress(" 230.1"));
    EXPECT_FALSE(isMulticastAddress("223.255.255.255"));
    EXPECT_FALSE(isMulticastAddress("240.0.0.1"));
    EXPECT_FALSE(isMulticastAddress("192.168.1.10"));
    EXPECT_FALSE(isMulticastAddress("0.0.0.0"));
    EXPECT_FALSE(isMulticastAddress(""));
}

}  // namespace
