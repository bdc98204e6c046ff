#pragma once

#include <array>
#include <cstddef>

// Where the player keeps each setting in settings.dat. Every byte not named
// here is carried through untouched.
namespace layout {

// FM: the tuned frequency, the number of the tuned preset, and 20 presets of
// six bytes whose first three bytes hold the frequency in kHz.
inline constexpr int FmCurrentFrequency = 120;
inline constexpr int FmPresetTable = 138;
inline constexpr int FmPresetStride = 6;
inline constexpr int FmPresetCount = 20;
constexpr int presetOffset(int preset) {
    return FmPresetTable + FmPresetStride * preset;
}

// Eleven equalizer curves of five bands, three bytes per band.
inline constexpr int EqualizerBands = 372;
inline constexpr int EqualizerCurveCount = 11;
inline constexpr int EqualizerBandCount = 5;
constexpr int bandOffset(int curve, int band) {
    return EqualizerBands + 15 * curve + 3 * band;
}

// SRS WOW levels (three-byte codes) and the contrast byte.
inline constexpr int Srs3DLevel = 657;
inline constexpr int TruBassLevel = 675;
inline constexpr int Contrast = 693;

} // namespace layout

// The settings stored as the index of the option the window shows for them.
enum class IndexField {
    FmPresetIndex,
    EqualizerMode,
    RepeatMode,
    AutoOffDelay,
    BacklightDelay,
    UsbMode,
    RecordQuality,
    ScrollSpeed,
    AbRecKeyFunction,
    SrsFocus,
    HeadphoneType,
};

struct IndexFieldInfo {
    IndexField id;
    const char* name;
    int offset;
    int maximum; // largest valid index
    const char* control;
    const char* outOfRangeMessage;
};

// In the order a load checks them, which is the order their messages appear.
inline constexpr std::array<IndexFieldInfo, 11> kIndexFields{{
    {IndexField::FmPresetIndex, "FmPresetIndex", 129, 19, "Option2",
     "indice de fréquence FM en dehors de la plage"},
    {IndexField::EqualizerMode, "EqualizerMode", 273, 11, "Option1",
     "indice d'égaliseur en dehors de la plage"},
    {IndexField::RepeatMode, "RepeatMode", 291, 5, "Option3",
     "indice de mode de répétition en dehors de la plage"},
    {IndexField::AutoOffDelay, "AutoOffDelay", 300, 4, "Option6",
     "indice extinction ostrel en dehors de la plage"},
    {IndexField::BacklightDelay, "BacklightDelay", 336, 5, "Option7",
     "indice rétroéclairage ostrel en dehors de la plage"},
    {IndexField::UsbMode, "UsbMode", 318, 1, "Option8",
     "indice mode usb ostrel en dehors de la plage"},
    {IndexField::RecordQuality, "RecordQuality", 648, 6, "Option4",
     "indice qualité d'enregistrement ostrel en dehors de la plage"},
    {IndexField::ScrollSpeed, "ScrollSpeed", 363, 5, "Option5",
     "indice vitesse de défilement ostrel en dehors de la plage"},
    {IndexField::AbRecKeyFunction, "AbRecKeyFunction", 552, 5, "Option11",
     "indice abrec ostrel en dehors de la plage"},
    {IndexField::SrsFocus, "SrsFocus", 666, 1, "Option10",
     "indice focus ostrel en dehors de la plage"},
    {IndexField::HeadphoneType, "HeadphoneType", 684, 5, "Option9",
     "indice type d'écouteurs ostrel en dehors de la plage"},
}};

constexpr const IndexFieldInfo& fieldInfo(IndexField id) {
    return kIndexFields[static_cast<std::size_t>(id)];
}

inline constexpr const char* kContrastOutOfRange = "indice contraste ostrel en dehors de la plage";
