// Reading the frequencies typed into the FM preset boxes.
#include "radio/FrequencyInput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(NumericValue, ReadsTheLeadingNumberSkippingBlanks) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"88", 88},
        {" 8 8 ", 88},
        {"-5", -5},
        {"+5", 5},
        {"1e2", 100},
        {"1d2", 100},
        {"1e", 1},
        {"abc", 0},
        {"", 0},
        {" ", 0},
        {"12abc", 12},
        {".5", 0.5},
        {"1.2.3", 1.2},
        {"--5", 0},
        {"e5", 0},
        {"1e2.5", 100},
        {"-", 0},
        {"7-", 7},
        // Beyond a double: too large is infinite, too small is zero.
        {"1e400", HUGE_VAL},
        {"-1e400", -HUGE_VAL},
        {"1e-400", 0},
        {"-1e-400", 0},
        {"100000e-330", 0},
        {"0.001e310", 1e307},
        {"0e999", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(numericValue(c.text), c.value) << c.text;
    }
}

TEST(PresetFrequency, WholeMegahertzAndOneDecimalWithAPointOrAComma) {
    using Kind = PresetInput::Kind;
    const struct {
        const char* text;
        Kind kind;
        std::int32_t kHz;
    } cases[] = {
        {"88,1", Kind::Valid, 88100},
        {"88.1", Kind::Valid, 88100},
        {"88.15", Kind::Valid, 88100},
        {"88.", Kind::Valid, 88000},
        {"88,", Kind::Valid, 88000},
        {"87.5", Kind::Valid, 87500},
        {"104.0", Kind::Valid, 104000},
        {"108.0", Kind::Valid, 108000},
        {" 8 8 , 1 ", Kind::Valid, 88000},
        {"88,a", Kind::Valid, 88000},
        {"108.1", Kind::OutOfRange, 108100},
        {"87.4", Kind::OutOfRange, 87400},
        {"87.05", Kind::OutOfRange, 87000},
        {"1.2.3", Kind::OutOfRange, 1200},
        {"88,1.5", Kind::Valid, 88500},
        {".0", Kind::OutOfRange, 0},
        {"-88,5", Kind::OutOfRange, -87500},
        {"100", Kind::Unreadable, 0},
        {"", Kind::Unreadable, 0},
        {" ", Kind::Unreadable, 0},
        {"99999999999.5", Kind::Unreadable, 0},
        {"1e400.1", Kind::Unreadable, 0},
        // Any kHz value a 32-bit integer holds is judged against the range;
        // only what lies beyond it cannot be read.
        {"-2147483648e-3,0", Kind::OutOfRange, std::numeric_limits<std::int32_t>::min()},
        {"2147483647e-3,0", Kind::OutOfRange, 2147483647},
        {"-2147483649e-3,0", Kind::Unreadable, 0},
        {"2147483648e-3,0", Kind::Unreadable, 0},
        // A whole part typed with an exponent still lands on a tenth of a MHz,
        // once the kHz typed are within the range.
        {"9333e-2.5", Kind::Valid, 93800},
        {"9e1.0", Kind::Valid, 90000},
        {"8805e-2,", Kind::Valid, 88000},
        {"93333399998e-9.5", Kind::Valid, 93800},
        {"87549e-3,0", Kind::Valid, 87500},
        {"107996e-3,0", Kind::Valid, 108000},
        {"10804e-2,0", Kind::OutOfRange, 108040},
        {"87449e-3,0", Kind::OutOfRange, 87449},
    };
    for (const auto& c : cases) {
        const PresetInput input = readPresetFrequency(c.text);
        EXPECT_EQ(input.kind, c.kind) << c.text;
        if (c.kind != Kind::Unreadable) {
            EXPECT_EQ(input.kHz, c.kHz) << c.text;
        }
    }
}
