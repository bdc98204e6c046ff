#pragma once

#include <array>
#include <cstddef>
#include <span>

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

// The captions of each option group, in index order: what the window shows
// and what the command line and its documents name.
namespace captions {
inline constexpr const char* kPresetLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
                                                 "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T"};
inline constexpr const char* kEqualizerModes[] = {
    "Normal", "Jazz",           "Pop",    "Rock",      "Classique", "Extrême basse", "Techno",
    "Dance",  "Live (concert)", "Reggae", "Personnel", "Auto"};
inline constexpr const char* kRepeatModes[] = {"Normal",  "Répéter 1",      "Répéter tout",
                                               "Shuffle", "Shuffle répété", "Aléatoire répété"};
inline constexpr const char* kAutoOffDelays[] = {"désactivé", "1 mn", "2 mn", "5 mn", "10 mn"};
inline constexpr const char* kBacklightDelays[] = {"3 S",    "5 Sec.",          "10 Sec.",
                                                   "20 Sec", "Toujours allumé", "Aucun éclairage"};
inline constexpr const char* kUsbModes[] = {"Ostrel +charge", "Clef USB +charge"};
inline constexpr const char* kRecordQualities[] = {"8 Khz",  "11 Khz", "16 Khz", "22 Khz",
                                                   "32 Khz", "44 Khz", "48 Khz"};
inline constexpr const char* kScrollSpeeds[] = {"X 1", "X 2", "X 3", "X 4", "X 6", "X 8"};
inline constexpr const char* kAbRecFunctions[] = {"SRS-WOW",           "Enregistrement",
                                                  "Dossier suivant",   "Saut 10 titres",
                                                  "recule 6 secondes", "avance 6 secondes"};
inline constexpr const char* kFocuses[] = {"graves", "Aigües"};
inline constexpr const char* kHeadphones[] = {"Mini écouteurs", "Ecouteurs", "Casque",
                                              "Baffles",        "Enceintes", "Grandes enceintes"};
} // namespace captions

struct IndexFieldInfo {
    IndexField id;
    const char* name;        // the field's name in the file's layout
    const char* settingName; // its name on the command line and in documents
    int offset;
    std::span<const char* const> captions; // the options, in index order
    int maximum;                           // largest valid index
    const char* control;
    const char* outOfRangeMessage;
};

constexpr IndexFieldInfo indexField(IndexField id, const char* name, const char* settingName,
                                    int offset, std::span<const char* const> captions,
                                    const char* control, const char* outOfRangeMessage) {
    return {id,          name,
            settingName, offset,
            captions,    static_cast<int>(captions.size()) - 1,
            control,     outOfRangeMessage};
}

// In the order a load checks them, which is the order their messages appear.
inline constexpr std::array<IndexFieldInfo, 11> kIndexFields{{
    indexField(IndexField::FmPresetIndex, "FmPresetIndex", "fm.tuned", 129,
               captions::kPresetLetters, "Option2", "indice de fréquence FM en dehors de la plage"),
    indexField(IndexField::EqualizerMode, "EqualizerMode", "equalizer", 273,
               captions::kEqualizerModes, "Option1", "indice d'égaliseur en dehors de la plage"),
    indexField(IndexField::RepeatMode, "RepeatMode", "repeat", 291, captions::kRepeatModes,
               "Option3", "indice de mode de répétition en dehors de la plage"),
    indexField(IndexField::AutoOffDelay, "AutoOffDelay", "autoOff", 300, captions::kAutoOffDelays,
               "Option6", "indice extinction ostrel en dehors de la plage"),
    indexField(IndexField::BacklightDelay, "BacklightDelay", "backlight", 336,
               captions::kBacklightDelays, "Option7",
               "indice rétroéclairage ostrel en dehors de la plage"),
    indexField(IndexField::UsbMode, "UsbMode", "usb", 318, captions::kUsbModes, "Option8",
               "indice mode usb ostrel en dehors de la plage"),
    indexField(IndexField::RecordQuality, "RecordQuality", "recordQuality", 648,
               captions::kRecordQualities, "Option4",
               "indice qualité d'enregistrement ostrel en dehors de la plage"),
    indexField(IndexField::ScrollSpeed, "ScrollSpeed", "scrollSpeed", 363, captions::kScrollSpeeds,
               "Option5", "indice vitesse de défilement ostrel en dehors de la plage"),
    indexField(IndexField::AbRecKeyFunction, "AbRecKeyFunction", "abRec", 552,
               captions::kAbRecFunctions, "Option11", "indice abrec ostrel en dehors de la plage"),
    indexField(IndexField::SrsFocus, "SrsFocus", "focus", 666, captions::kFocuses, "Option10",
               "indice focus ostrel en dehors de la plage"),
    indexField(IndexField::HeadphoneType, "HeadphoneType", "headphones", 684, captions::kHeadphones,
               "Option9", "indice type d'écouteurs ostrel en dehors de la plage"),
}};

constexpr const IndexFieldInfo& fieldInfo(IndexField id) {
    return kIndexFields[static_cast<std::size_t>(id)];
}

// The settings kept as a level from 0 to 10: the SRS WOW levels as fixed
// three-byte codes, the contrast as ten times the level.
enum class LevelField { TruBass, Srs3D, Contrast };

struct LevelFieldInfo {
    LevelField id;
    const char* settingName; // on the command line and in documents
    const char* caption;     // the frame that holds its bar
    int offset;
    const char* outOfRangeMessage;
};

inline constexpr std::array<LevelFieldInfo, 3> kLevelFields{{
    {LevelField::TruBass, "trubass", "True bass", layout::TruBassLevel,
     "niveau True bass ostrel en dehors de la plage"},
    {LevelField::Srs3D, "son3d", "Son 3D", layout::Srs3DLevel,
     "niveau son 3D ostrel en dehors de la plage"},
    {LevelField::Contrast, "contrast", "Contraste", layout::Contrast,
     "indice contraste ostrel en dehors de la plage"},
}};

constexpr const LevelFieldInfo& levelInfo(LevelField id) {
    return kLevelFields[static_cast<std::size_t>(id)];
}
