#pragma once

#include <QChar>
#include <QString>

#include <cstdint>
#include <optional>

// How the player encodes the settings that are not plain index bytes.
namespace codec {

// FM frequencies are whole kHz. Shown in MHz with exactly one decimal and no
// leading zero ("87.5", ".0"), with the given decimal separator.
QString frequencyText(std::uint32_t kHz, QChar decimalPoint);

// Equalizer band levels: stored as a 24-bit two's-complement number, but the
// player's own reading looks at the first byte only.
inline constexpr int kBandTop = 20;
inline constexpr int kBandBottom = -12;
int bandLevel(std::uint8_t firstByte);
constexpr bool bandShowable(int level) {
    return level >= kBandBottom && level <= kBandTop;
}

// SRS WOW levels 0 to 10 are stored as fixed 24-bit codes; reading looks at
// the third byte only.
inline constexpr int kSrsLevels = 11;
std::uint32_t srsCode(int level);
std::optional<int> srsLevel(std::uint8_t thirdByte);

// Contrast: ten times the level. Reading rounds a half to the even neighbour.
std::optional<int> contrastLevel(std::uint8_t stored);
std::uint8_t contrastByte(int level);

} // namespace codec
