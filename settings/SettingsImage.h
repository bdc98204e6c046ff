#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

// The in-memory copy of the player's settings.dat. Element k holds the file's
// byte at offset k. The player's file is 699 bytes; the image keeps 801
// elements so that a longer file (up to 800 bytes) can still be read whole.
class SettingsImage {
public:
    static constexpr int kElements = 801;
    static constexpr int kFileSize = 699;        // what the player writes and we write back
    static constexpr int kLargestReadable = 800; // a longer file is not a settings file

    std::uint8_t byte(int offset) const;
    void setByte(int offset, std::uint8_t value);

    // Three bytes, least significant first.
    std::uint32_t u24(int offset) const;
    void setU24(int offset, std::uint32_t value);
    // The same three bytes read as a two's-complement number.
    std::int32_t s24(int offset) const;
    void setS24(int offset, std::int32_t value);

    // Overwrites the elements that `bytes` covers; the others keep their value.
    // `bytes` must not hold more than kLargestReadable bytes.
    void load(const QByteArray& bytes);
    // Offsets 0 to 698: what goes into a file.
    QByteArray fileBytes() const;

    bool operator==(const SettingsImage&) const = default;

private:
    std::array<std::uint8_t, kElements> bytes_{};
};
