#include "Codecs.h"

#include <array>

namespace codec {

namespace {
constexpr std::array<std::uint32_t, kSrsLevels> kSrsCodes{
    0x000006, 0x0CCCD2, 0x19999E, 0x26666A, 0x333336, 0x400002,
    0x4CCCCE, 0x59999A, 0x666666, 0x733332, 0x7FFFFE,
};
} // namespace

QString frequencyText(std::uint32_t kHz, QChar decimalPoint) {
    // Rounded to the nearest tenth of a MHz, a half going up.
    const std::uint32_t tenths = (kHz + 50) / 100;
    const std::uint32_t whole = tenths / 10;
    QString text = whole == 0 ? QString() : QString::number(whole);
    text += decimalPoint;
    text += QChar(u'0' + static_cast<char16_t>(tenths % 10));
    return text;
}

int bandLevel(std::uint8_t firstByte) {
    return firstByte <= 80 ? firstByte : firstByte - 256;
}

std::uint32_t srsCode(int level) {
    Q_ASSERT(level >= 0 && level < kSrsLevels);
    return kSrsCodes[static_cast<std::size_t>(level)];
}

std::optional<int> srsLevel(std::uint8_t thirdByte) {
    for (int level = 0; level < kSrsLevels; ++level) {
        if (srsCode(level) >> 16 == thirdByte) {
            return level;
        }
    }
    return std::nullopt;
}

std::optional<int> contrastLevel(std::uint8_t stored) {
    if (stored > 100) {
        return std::nullopt;
    }
    const int quotient = stored / 10;
    const int remainder = stored % 10;
    if (remainder > 5 || (remainder == 5 && quotient % 2 == 1)) {
        return quotient + 1;
    }
    return quotient;
}

std::uint8_t contrastByte(int level) {
    Q_ASSERT(level >= 0 && level <= 10);
    return static_cast<std::uint8_t>(10 * level);
}

} // namespace codec
