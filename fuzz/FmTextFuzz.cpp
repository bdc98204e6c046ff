// Any text typed into an FM preset box, read as UTF-8 and as Latin-1.
#include "FuzzCheck.h"

#include "radio/FrequencyInput.h"
#include "settings/Codecs.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The same reading done another way: blanks out, the C library's strtod on
// what is left, with every character it would read further than the box does
// (hexadecimal, "inf", "nan", other white space) turned into a stop.
double referenceValue(const QString& text) {
    std::string number;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n' || u == u'\r') {
            continue;
        }
        if ((u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.' || u == u'e' ||
            u == u'E') {
            number += static_cast<char>(u);
        } else if (u == u'd' || u == u'D') {
            number += 'e';
        } else {
            break;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

bool sameValue(double value, double reference) {
    if (value == reference) {
        return true;
    }
    // Past the smallest double, rounding to zero or to the least subnormal are both right.
    return std::abs(value) < 1e-307 && std::abs(reference) < 1e-307;
}

void checkText(const QString& text) {
    const double value = numericValue(text);
    FUZZ_REQUIRE(!std::isnan(value));
    FUZZ_REQUIRE(sameValue(value, referenceValue(text)));

    const PresetInput input = readPresetFrequency(text);
    if (!text.contains(u'.') && !text.contains(u',')) {
        FUZZ_REQUIRE(input.kind == PresetInput::Kind::Unreadable);
    }
    // Refused or kept on the kHz typed, whole MHz plus the first tenth.
    const QChar separator = text.contains(u'.') ? u'.' : u',';
    if (const qsizetype at = text.indexOf(separator);
        at >= 0 && input.kind != PresetInput::Kind::Unreadable) {
        const double typed = std::nearbyint(referenceValue(text.left(at)) * 1000 +
                                            referenceValue(text.mid(at + 1, 1)) * 100);
        const bool inRange = typed >= kLowestPresetKHz && typed <= kHighestPresetKHz;
        FUZZ_REQUIRE(inRange == (input.kind == PresetInput::Kind::Valid));
        FUZZ_REQUIRE(inRange ? std::abs(input.kHz - typed) <= 50 : input.kHz == typed);
    }
    if (input.kind != PresetInput::Kind::Valid) {
        return;
    }
    // A valid preset is one the player tunes: 87.5 to 108 MHz in tenths.
    FUZZ_REQUIRE(input.kHz >= kLowestPresetKHz && input.kHz <= kHighestPresetKHz);
    FUZZ_REQUIRE(input.kHz % 100 == 0);
    // Shown again in the box, it reads back the same.
    for (const QChar point : {QChar(u'.'), QChar(u',')}) {
        const PresetInput again =
            readPresetFrequency(codec::frequencyText(static_cast<std::uint32_t>(input.kHz), point));
        FUZZ_REQUIRE(again.kind == PresetInput::Kind::Valid && again.kHz == input.kHz);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A preset box holds one short line; a long input tells nothing more.
    if (size > 256) {
        return 0;
    }
    const auto* chars = reinterpret_cast<const char*>(data);
    const auto length = static_cast<qsizetype>(size);
    checkText(QString::fromUtf8(chars, length));
    checkText(QString::fromLatin1(chars, length));
    return 0;
}
