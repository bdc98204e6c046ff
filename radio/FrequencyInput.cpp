#include "FrequencyInput.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace {
// Whether a number that does not fit a double is too large rather than too
// small: the power of ten of its first significant digit, with the exponent,
// is positive. `number` is [sign] digits [. digits] [e [sign] digits].
bool tooLarge(std::string_view number) {
    const std::size_t mark = number.find('e');
    const std::string_view mantissa = number.substr(0, mark);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return false;
    }
    long long power = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);
    if (mark != std::string_view::npos) {
        std::string_view digits = number.substr(mark + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
            digits.remove_prefix(1);
        }
        long long exponent = 0;
        for (const char c : digits) {
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
        }
        power += negative ? -exponent : exponent;
    }
    return power > 0;
}
} // namespace

double numericValue(const QString& text) {
    std::string number;
    bool digits = false;
    bool point = false;
    bool exponent = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r') {
            continue;
        }
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') {
            number += static_cast<char>(u);
            digits = true;
        } else if ((u == u'+' || u == u'-') && (number.empty() || number.back() == 'e')) {
            number += static_cast<char>(u);
        } else if (u == u'.' && !point && !exponent) {
            number += '.';
            point = true;
        } else if ((u == u'e' || u == u'E' || u == u'd' || u == u'D') && digits && !exponent) {
            number += 'e';
            exponent = true;
        } else {
            break;
        }
    }
    // An exponent without digits, or a lone sign, adds nothing.
    while (!number.empty() &&
           (number.back() == 'e' || number.back() == '+' || number.back() == '-')) {
        number.pop_back();
    }
    if (!digits) {
        return 0.0;
    }
    double value = 0.0;
    const char* begin = number.data();
    if (*begin == '+') {
        ++begin;
    }
    const auto [end, error] = std::from_chars(begin, number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large reads as infinite, too small ("1e-400") as zero.
        const double magnitude = tooLarge(number) ? std::numeric_limits<double>::infinity() : 0.0;
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return error == std::errc() ? value : 0.0;
}

PresetInput readPresetFrequency(const QString& text) {
    const QChar separator = text.contains(u'.') ? u'.' : u',';
    const qsizetype at = text.indexOf(separator);
    if (at < 0) {
        return {PresetInput::Kind::Unreadable};
    }
    const double whole = numericValue(text.left(at));
    const double tenths = numericValue(text.mid(at + 1, 1));
    const double kHz = std::nearbyint(whole * 1000 + tenths * 100); // a half goes to even
    using Limits = std::numeric_limits<std::int32_t>;
    if (!(kHz >= Limits::min() && kHz <= Limits::max())) {
        return {PresetInput::Kind::Unreadable};
    }
    const auto value = static_cast<std::int32_t>(kHz);
    if (value < kLowestPresetKHz || value > kHighestPresetKHz) {
        return {PresetInput::Kind::OutOfRange, value};
    }
    // Presets go by 100 kHz. The whole part is a whole number unless it was
    // typed with an exponent ("9333e-2"): then the nearest tenth of a MHz is
    // kept, so that the player never gets a frequency its box cannot show.
    // The range is judged before, on what was typed: 108.04 MHz is refused.
    const auto tenthsOfMHz = static_cast<std::int32_t>(std::nearbyint(value / 100.0));
    return {PresetInput::Kind::Valid, tenthsOfMHz * 100};
}
