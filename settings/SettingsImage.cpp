#include "SettingsImage.h"

#include <QtGlobal>

std::uint8_t SettingsImage::byte(int offset) const {
    Q_ASSERT(offset >= 0 && offset < kElements);
    return bytes_[static_cast<std::size_t>(offset)];
}

void SettingsImage::setByte(int offset, std::uint8_t value) {
    Q_ASSERT(offset >= 0 && offset < kElements);
    bytes_[static_cast<std::size_t>(offset)] = value;
}

std::uint32_t SettingsImage::u24(int offset) const {
    return byte(offset) | (std::uint32_t{byte(offset + 1)} << 8) |
           (std::uint32_t{byte(offset + 2)} << 16);
}

void SettingsImage::setU24(int offset, std::uint32_t value) {
    setByte(offset, static_cast<std::uint8_t>(value & 0xFF));
    setByte(offset + 1, static_cast<std::uint8_t>((value >> 8) & 0xFF));
    setByte(offset + 2, static_cast<std::uint8_t>((value >> 16) & 0xFF));
}

std::int32_t SettingsImage::s24(int offset) const {
    const std::uint32_t raw = u24(offset);
    return (raw & 0x800000U) != 0 ? static_cast<std::int32_t>(raw) - 0x1000000
                                  : static_cast<std::int32_t>(raw);
}

void SettingsImage::setS24(int offset, std::int32_t value) {
    setU24(offset, static_cast<std::uint32_t>(value) & 0xFFFFFFU);
}

void SettingsImage::load(const QByteArray& bytes) {
    Q_ASSERT(bytes.size() <= kLargestReadable);
    for (int k = 0; k < bytes.size() && k < kElements; ++k) {
        setByte(k, static_cast<std::uint8_t>(bytes[k]));
    }
}

QByteArray SettingsImage::fileBytes() const {
    return QByteArray(reinterpret_cast<const char*>(bytes_.data()), kFileSize);
}
