#pragma once

#include <QString>

#include <cstdint>

// The value of a typed number as the FM page reads it: blanks anywhere are
// skipped, an optional sign, digits with a point and an exponent; reading
// stops at the first character that cannot continue the number. Text that is
// not a number reads as 0.
double numericValue(const QString& text);

// A preset typed in MHz with a point or a comma: whole MHz before the first
// separator and the one digit after it (further digits are ignored).
struct PresetInput {
    enum class Kind {
        Valid,      // 87.5 to 108.0 MHz
        OutOfRange, // a number, but not a frequency the player tunes
        Unreadable, // no separator, or a number too large for kHz
    };
    Kind kind;
    std::int32_t kHz = 0; // for Valid and OutOfRange
};

inline constexpr std::int32_t kLowestPresetKHz = 87500;
inline constexpr std::int32_t kHighestPresetKHz = 108000;

PresetInput readPresetFrequency(const QString& text);
