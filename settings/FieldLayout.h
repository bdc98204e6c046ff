#pragma once

#include <QtGlobal>

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
// (translated) and what the command line and its documents name (as written
// here, in French, whatever the language). Captions and messages are marked
// for translation in the "Settings" context.
namespace captions {
inline constexpr const char* kPresetLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
                                                 "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T"};
inline constexpr const char* kEqualizerModes[] = {QT_TRANSLATE_NOOP("Settings", "Normal"),
                                                  QT_TRANSLATE_NOOP("Settings", "Jazz"),
                                                  QT_TRANSLATE_NOOP("Settings", "Pop"),
                                                  QT_TRANSLATE_NOOP("Settings", "Rock"),
                                                  QT_TRANSLATE_NOOP("Settings", "Classique"),
                                                  QT_TRANSLATE_NOOP("Settings", "Extrême basse"),
                                                  QT_TRANSLATE_NOOP("Settings", "Techno"),
                                                  QT_TRANSLATE_NOOP("Settings", "Dance"),
                                                  QT_TRANSLATE_NOOP("Settings", "Live (concert)"),
                                                  QT_TRANSLATE_NOOP("Settings", "Reggae"),
                                                  QT_TRANSLATE_NOOP("Settings", "Personnel"),
                                                  QT_TRANSLATE_NOOP("Settings", "Auto")};
inline constexpr const char* kRepeatModes[] = {QT_TRANSLATE_NOOP("Settings", "Normal"),
                                               QT_TRANSLATE_NOOP("Settings", "Répéter 1"),
                                               QT_TRANSLATE_NOOP("Settings", "Répéter tout"),
                                               QT_TRANSLATE_NOOP("Settings", "Shuffle"),
                                               QT_TRANSLATE_NOOP("Settings", "Shuffle répété"),
                                               QT_TRANSLATE_NOOP("Settings", "Aléatoire répété")};
inline constexpr const char* kAutoOffDelays[] = {
    QT_TRANSLATE_NOOP("Settings", "désactivé"), QT_TRANSLATE_NOOP("Settings", "1 mn"),
    QT_TRANSLATE_NOOP("Settings", "2 mn"), QT_TRANSLATE_NOOP("Settings", "5 mn"),
    QT_TRANSLATE_NOOP("Settings", "10 mn")};
inline constexpr const char* kBacklightDelays[] = {
    QT_TRANSLATE_NOOP("Settings", "3 S"),
    QT_TRANSLATE_NOOP("Settings", "5 Sec."),
    QT_TRANSLATE_NOOP("Settings", "10 Sec."),
    QT_TRANSLATE_NOOP("Settings", "20 Sec"),
    QT_TRANSLATE_NOOP("Settings", "Toujours allumé"),
    QT_TRANSLATE_NOOP("Settings", "Aucun éclairage")};
inline constexpr const char* kUsbModes[] = {QT_TRANSLATE_NOOP("Settings", "Ostrel +charge"),
                                            QT_TRANSLATE_NOOP("Settings", "Clef USB +charge")};
inline constexpr const char* kRecordQualities[] = {
    QT_TRANSLATE_NOOP("Settings", "8 Khz"),  QT_TRANSLATE_NOOP("Settings", "11 Khz"),
    QT_TRANSLATE_NOOP("Settings", "16 Khz"), QT_TRANSLATE_NOOP("Settings", "22 Khz"),
    QT_TRANSLATE_NOOP("Settings", "32 Khz"), QT_TRANSLATE_NOOP("Settings", "44 Khz"),
    QT_TRANSLATE_NOOP("Settings", "48 Khz")};
inline constexpr const char* kScrollSpeeds[] = {
    QT_TRANSLATE_NOOP("Settings", "X 1"), QT_TRANSLATE_NOOP("Settings", "X 2"),
    QT_TRANSLATE_NOOP("Settings", "X 3"), QT_TRANSLATE_NOOP("Settings", "X 4"),
    QT_TRANSLATE_NOOP("Settings", "X 6"), QT_TRANSLATE_NOOP("Settings", "X 8")};
inline constexpr const char* kAbRecFunctions[] = {
    QT_TRANSLATE_NOOP("Settings", "SRS-WOW"),
    QT_TRANSLATE_NOOP("Settings", "Enregistrement"),
    QT_TRANSLATE_NOOP("Settings", "Dossier suivant"),
    QT_TRANSLATE_NOOP("Settings", "Saut 10 titres"),
    QT_TRANSLATE_NOOP("Settings", "recule 6 secondes"),
    QT_TRANSLATE_NOOP("Settings", "avance 6 secondes")};
inline constexpr const char* kFocuses[] = {QT_TRANSLATE_NOOP("Settings", "graves"),
                                           QT_TRANSLATE_NOOP("Settings", "Aigües")};
inline constexpr const char* kHeadphones[] = {QT_TRANSLATE_NOOP("Settings", "Mini écouteurs"),
                                              QT_TRANSLATE_NOOP("Settings", "Ecouteurs"),
                                              QT_TRANSLATE_NOOP("Settings", "Casque"),
                                              QT_TRANSLATE_NOOP("Settings", "Baffles"),
                                              QT_TRANSLATE_NOOP("Settings", "Enceintes"),
                                              QT_TRANSLATE_NOOP("Settings", "Grandes enceintes")};
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
    const char* caption; // of the group, as its frame shows it
};

constexpr IndexFieldInfo indexField(IndexField id, const char* name, const char* settingName,
                                    int offset, std::span<const char* const> captions,
                                    const char* control, const char* outOfRangeMessage,
                                    const char* caption) {
    return {id,          name,
            settingName, offset,
            captions,    static_cast<int>(captions.size()) - 1,
            control,     outOfRangeMessage,
            caption};
}

// In the order a load checks them, which is the order their messages appear.
inline constexpr std::array<IndexFieldInfo, 11> kIndexFields{{
    indexField(IndexField::FmPresetIndex, "FmPresetIndex", "fm.tuned", 129,
               captions::kPresetLetters, "Option2",
               QT_TRANSLATE_NOOP("Settings", "indice de fréquence FM en dehors de la plage"),
               QT_TRANSLATE_NOOP("Settings", "Préréglage écouté")),
    indexField(IndexField::EqualizerMode, "EqualizerMode", "equalizer", 273,
               captions::kEqualizerModes, "Option1",
               QT_TRANSLATE_NOOP("Settings", "indice d'égaliseur en dehors de la plage"),
               QT_TRANSLATE_NOOP("Settings", "Egaliseur")),
    indexField(IndexField::RepeatMode, "RepeatMode", "repeat", 291, captions::kRepeatModes,
               "Option3",
               QT_TRANSLATE_NOOP("Settings", "indice de mode de répétition en dehors de la plage"),
               QT_TRANSLATE_NOOP("Settings", "Modes répétition")),
    indexField(IndexField::AutoOffDelay, "AutoOffDelay", "autoOff", 300, captions::kAutoOffDelays,
               "Option6",
               QT_TRANSLATE_NOOP("Settings", "indice extinction ostrel en dehors de la plage"),
               QT_TRANSLATE_NOOP("Settings", "extinction automatique")),
    indexField(IndexField::BacklightDelay, "BacklightDelay", "backlight", 336,
               captions::kBacklightDelays, "Option7",
               QT_TRANSLATE_NOOP("Settings", "indice rétroéclairage ostrel en dehors de la plage"),
               QT_TRANSLATE_NOOP("Settings", "Extinction rétroéclairage")),
    indexField(IndexField::UsbMode, "UsbMode", "usb", 318, captions::kUsbModes, "Option8",
               QT_TRANSLATE_NOOP("Settings", "indice mode usb ostrel en dehors de la plage"),
               QT_TRANSLATE_NOOP("Settings", "USB")),
    indexField(IndexField::RecordQuality, "RecordQuality", "recordQuality", 648,
               captions::kRecordQualities, "Option4",
               QT_TRANSLATE_NOOP("Settings",
                                 "indice qualité d'enregistrement ostrel en dehors de la plage"),
               QT_TRANSLATE_NOOP("Settings", "Qualité d'enregistrement")),
    indexField(
        IndexField::ScrollSpeed, "ScrollSpeed", "scrollSpeed", 363, captions::kScrollSpeeds,
        "Option5",
        QT_TRANSLATE_NOOP("Settings", "indice vitesse de défilement ostrel en dehors de la plage"),
        QT_TRANSLATE_NOOP("Settings", "Vitesse défilement des titres")),
    indexField(IndexField::AbRecKeyFunction, "AbRecKeyFunction", "abRec", 552,
               captions::kAbRecFunctions, "Option11",
               QT_TRANSLATE_NOOP("Settings", "indice abrec ostrel en dehors de la plage"),
               QT_TRANSLATE_NOOP("Settings", "A<>B-Rec")),
    indexField(IndexField::SrsFocus, "SrsFocus", "focus", 666, captions::kFocuses, "Option10",
               QT_TRANSLATE_NOOP("Settings", "indice focus ostrel en dehors de la plage"),
               QT_TRANSLATE_NOOP("Settings", "Focus")),
    indexField(
        IndexField::HeadphoneType, "HeadphoneType", "headphones", 684, captions::kHeadphones,
        "Option9",
        QT_TRANSLATE_NOOP("Settings", "indice type d'écouteurs ostrel en dehors de la plage"),
        QT_TRANSLATE_NOOP("Settings", "Type d'écouteurs")),
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
    {LevelField::TruBass, "trubass", QT_TRANSLATE_NOOP("Settings", "True bass"),
     layout::TruBassLevel,
     QT_TRANSLATE_NOOP("Settings", "niveau True bass ostrel en dehors de la plage")},
    {LevelField::Srs3D, "son3d", QT_TRANSLATE_NOOP("Settings", "Son 3D"), layout::Srs3DLevel,
     QT_TRANSLATE_NOOP("Settings", "niveau son 3D ostrel en dehors de la plage")},
    {LevelField::Contrast, "contrast", QT_TRANSLATE_NOOP("Settings", "Contraste"), layout::Contrast,
     QT_TRANSLATE_NOOP("Settings", "indice contraste ostrel en dehors de la plage")},
}};

constexpr const LevelFieldInfo& levelInfo(LevelField id) {
    return kLevelFields[static_cast<std::size_t>(id)];
}
