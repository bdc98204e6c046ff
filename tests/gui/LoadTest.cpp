// Loading a settings file into the window: every field into its control, the
// range checks and their messages, and loads that fail.
#include "support/TestRig.h"

#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "radio/FmPage.h"
#include "settings/DemoImage.h"
#include "sound/EqualizerPage.h"
#include "sound/SrsPage.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
const QString kLoadFailure = QStringLiteral("je ne reconnais pas un OSTREL muni du firmware 2,226");

QByteArray withBytes(std::initializer_list<std::pair<int, int>> changes,
                     QByteArray bytes = validPlayerBytes()) {
    for (const auto& [offset, value] : changes) {
        bytes[offset] = static_cast<char>(value);
    }
    return bytes;
}

OptionGroup* groupOf(Form1& window, IndexField field) {
    for (OptionGroup* group : window.findChildren<OptionGroup*>()) {
        if (group->field() == field) {
            return group;
        }
    }
    return nullptr;
}
} // namespace

TEST(Load, AValidFileShowsEveryFieldWithoutAnyMessage) {
    TestRig rig;
    rig.addPlayer(validPlayerBytes());
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
    EXPECT_EQ(window->Label10->text(), QStringLiteral("fichier bien chargé"));
    EXPECT_TRUE(window->enreg_ostrel->isEnabled());
    EXPECT_EQ(window->image().fileBytes(), validPlayerBytes());
}

TEST(Load, EachIndexFieldSelectsItsOption) {
    for (const IndexFieldInfo& field : kIndexFields) {
        for (const int stored : {0, 1, field.maximum}) {
            TestRig rig;
            rig.addPlayer(withBytes({{field.offset, stored}}));
            const auto window = rig.start();
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(groupOf(*window, field.id)->selectedIndex(), stored) << field.name;
            EXPECT_TRUE(rig.messages.shown.isEmpty()) << field.name;
        }
    }
}

TEST(Load, PresetsShowInMegahertzWithTheLocaleSeparator) {
    const struct {
        const char* locale;
        std::array<int, 3> bytes;
        const char* shown;
    } cases[] = {
        {"C", {0xCC, 0x55, 0x01}, "87.5"},     {"C", {0xA0, 0x86, 0x01}, "100.0"},
        {"C", {0x00, 0x00, 0x00}, ".0"},       {"C", {0xE0, 0xA5, 0x01}, "108.0"},
        {"fr_FR", {0xCC, 0x55, 0x01}, "87,5"}, {"fr_FR", {0x00, 0x00, 0x00}, ",0"},
    };
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(c.locale));
        for (const int preset : {0, 7, 19}) {
            TestRig rig;
            const int at = layout::presetOffset(preset);
            rig.addPlayer(
                withBytes({{at, c.bytes[0]}, {at + 1, c.bytes[1]}, {at + 2, c.bytes[2]}}));
            const auto window = rig.start();
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->Freq_FM->Text1[preset]->text(), QString(c.shown))
                << c.locale << " " << preset;
        }
    }
    QLocale::setDefault(QLocale::c());
}

TEST(Load, LevelsShowOnTheirBarsAndLabels) {
    const struct {
        int offset;
        int stored;
        std::function<int(Form1&)> bar;
        std::function<QString(Form1&)> label;
        int shown;
        bool writable;
    } cases[] = {
        {layout::Contrast, 100, [](Form1& w) { return w.home->VScroll2->level(); },
         [](Form1& w) { return w.home->Label1->text(); }, 10, true},
        {layout::Contrast, 25, [](Form1& w) { return w.home->VScroll2->level(); },
         [](Form1& w) { return w.home->Label1->text(); }, 2, true},
        {layout::Contrast, 5, [](Form1& w) { return w.home->VScroll2->level(); },
         [](Form1& w) { return w.home->Label1->text(); }, 0, true},
        {layout::TruBassLevel + 2, 127, [](Form1& w) { return w.srs->VScroll3->level(); },
         [](Form1& w) { return w.srs->Label15->text(); }, 10, true},
        {layout::TruBassLevel + 2, 13, [](Form1& w) { return w.srs->VScroll3->level(); },
         [](Form1& w) { return w.srs->Label15->text(); }, 5, false},
        {layout::Srs3DLevel + 2, 0, [](Form1& w) { return w.srs->VScroll4->level(); },
         [](Form1& w) { return w.srs->Label17->text(); }, 0, true},
        {layout::Srs3DLevel + 2, 200, [](Form1& w) { return w.srs->VScroll4->level(); },
         [](Form1& w) { return w.srs->Label17->text(); }, 5, false},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.addPlayer(withBytes({{c.offset, c.stored}}));
        const auto window = rig.start();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(c.bar(*window), c.shown) << c.offset << " " << c.stored;
        EXPECT_EQ(c.label(*window), QString::number(c.shown)) << c.offset << " " << c.stored;
        EXPECT_EQ(window->enreg_ostrel->isEnabled(), c.writable) << c.offset << " " << c.stored;
        EXPECT_TRUE(rig.messages.shown.isEmpty())
            << "the SRS levels and a valid contrast say nothing";
        EXPECT_EQ(window->Label10->text(), QStringLiteral("fichier bien chargé"));
    }
}

// Showing an unknown contrast or SRS code moves its bar to the middle, whose
// handler writes the middle back into the image: the verdict must still be
// the file's.
TEST(Load, AReloadJudgesTheFileNotWhatShowingItWroteBack) {
    const struct {
        int offset;
        int shownFirst; // a known value away from the middle
        int unknown;
        QStringList messages;
    } cases[] = {
        {layout::Contrast, 30, 110, {"indice contraste ostrel en dehors de la plage"}},
        {layout::TruBassLevel + 2, 0x26, 13, {}},
        {layout::Srs3DLevel + 2, 0x7F, 200, {}},
    };
    for (const auto& c : cases) {
        TestRig rig;
        const QString player = rig.addPlayer(withBytes({{c.offset, c.shownFirst}}));
        const auto window = rig.start();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->enreg_ostrel->isEnabled()) << c.offset;
        writeFile(window->deviceSettingsPath(), withBytes({{c.offset, c.unknown}}));
        window->Command1->click();
        EXPECT_EQ(rig.messages.shown, c.messages) << c.offset;
        EXPECT_FALSE(window->enreg_ostrel->isEnabled()) << c.offset;
    }
}

TEST(Load, TheSelectedCurveShowsOnTheEqualizerBars) {
    TestRig rig;
    rig.addPlayer(withBytes({{layout::bandOffset(0, 0), 0xF4},
                             {layout::bandOffset(0, 1), 0x14},
                             {layout::bandOffset(0, 4), 0xFE}}));
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    const std::array<int, 5> expected{-12, 20, 0, 0, -2};
    for (int band = 0; band < 5; ++band) {
        EXPECT_EQ(window->egaliseur->VScroll1[band]->level(), expected[band]) << band;
        EXPECT_EQ(window->egaliseur->Label2[band]->text(), QString::number(expected[band])) << band;
    }
}

TEST(Load, EachOutOfRangeFieldIsReportedInOrderAndTheLoadGoesOn) {
    TestRig rig;
    rig.addPlayer(withBytes({{291, 9}, {363, 6}, {684, 6}, {layout::Contrast, 110}, {129, 20}}));
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(rig.messages.shown,
              (QStringList{"indice de fréquence FM en dehors de la plage",
                           "indice de mode de répétition en dehors de la plage",
                           "indice vitesse de défilement ostrel en dehors de la plage",
                           "indice type d'écouteurs ostrel en dehors de la plage",
                           "indice contraste ostrel en dehors de la plage"}));
    EXPECT_FALSE(window->enreg_ostrel->isEnabled());
    EXPECT_EQ(window->Label10->text(), QStringLiteral("fichier bien chargé"));
    EXPECT_EQ(groupOf(*window, IndexField::RepeatMode)->selectedIndex(), 0);
    EXPECT_EQ(groupOf(*window, IndexField::HeadphoneType)->selectedIndex(), 0);
    EXPECT_EQ(window->home->VScroll2->level(), 5);
    EXPECT_EQ(window->home->Label1->text(), "5");
}

TEST(Load, EveryIndexFieldOutOfRangeHasItsOwnMessage) {
    for (const IndexFieldInfo& field : kIndexFields) {
        for (const int stored : {field.maximum + 1, 255}) {
            TestRig rig;
            rig.addPlayer(withBytes({{field.offset, stored}}));
            const auto window = rig.start();
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(rig.messages.shown, QStringList{QString::fromUtf8(field.outOfRangeMessage)})
                << field.name;
            EXPECT_EQ(groupOf(*window, field.id)->selectedIndex(), 0) << field.name;
            EXPECT_FALSE(window->enreg_ostrel->isEnabled()) << field.name;
        }
    }
}

TEST(Load, FilesOfEverySizeAtStartUp) {
    const struct {
        int size;
        QStringList messages;
        bool loaded;
    } cases[] = {
        {0, {"attention 0", "je ne reconnait pas l'ostrel"}, true},
        {698, {"attention 698", "je ne reconnait pas l'ostrel"}, true},
        {699, {}, true},
        {700, {"attention 700", "je ne reconnait pas l'ostrel"}, true},
        {800, {"attention 800", "je ne reconnait pas l'ostrel"}, true},
        {801, {"attention 801", "je ne reconnait pas l'ostrel", kLoadFailure}, false},
        {900, {"attention 900", "je ne reconnait pas l'ostrel", kLoadFailure}, false},
    };
    for (const auto& c : cases) {
        TestRig rig;
        QByteArray bytes = validPlayerBytes();
        bytes.resize(c.size, '\x07');
        rig.addPlayer(bytes);
        const auto window = rig.start();
        ASSERT_NE(window, nullptr) << c.size;
        EXPECT_EQ(rig.messages.shown, c.messages) << c.size;
        EXPECT_EQ(window->enreg_ostrel->isEnabled(), c.size == 699) << c.size;
        EXPECT_EQ(window->Label10->text() == QStringLiteral("fichier bien chargé"), c.loaded)
            << c.size;
        if (!c.loaded) {
            EXPECT_EQ(window->image(), SettingsImage()) << "nothing of a failing file is kept";
        } else {
            EXPECT_EQ(window->image().fileBytes().left(c.size), bytes.left(std::min(c.size, 699)));
        }
    }
}

// A reload that fails leaves the image and every control as they were.
TEST(Load, AFailedReloadChangesNothingButTheWriteButton) {
    const struct {
        const char* what;
        std::function<void(const QString& file)> spoil;
    } cases[] = {
        {"missing",
         [](const QString& file) {
             QFile::remove(file);
         }},
        {"801 bytes",
         [](const QString& file) {
             writeFile(file, QByteArray(801, '\x05'));
         }},
        {"900 bytes",
         [](const QString& file) {
             writeFile(file, QByteArray(900, '\x05'));
         }},
        {"a folder",
         [](const QString& file) {
             QFile::remove(file), QDir().mkdir(file);
         }},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.addPlayer(validPlayerBytes());
        const auto window = rig.start();
        ASSERT_NE(window, nullptr);
        window->Label10->setText("avant");
        const SettingsImage before = window->image();
        const QString presetText = window->Freq_FM->Text1[3]->text();
        const int contrast = window->home->VScroll2->level();

        c.spoil(window->deviceSettingsPath());
        window->Command1->click();

        EXPECT_EQ(rig.messages.shown, QStringList{kLoadFailure}) << c.what;
        EXPECT_EQ(window->image(), before) << c.what;
        EXPECT_EQ(window->Freq_FM->Text1[3]->text(), presetText) << c.what;
        EXPECT_EQ(window->home->VScroll2->level(), contrast) << c.what;
        EXPECT_EQ(window->Label10->text(), "avant") << c.what;
        EXPECT_FALSE(window->enreg_ostrel->isEnabled()) << c.what;
    }
}

TEST(Load, WritingStaysDisabledAfterALaterGoodLoad) {
    TestRig rig;
    const QString player = rig.addPlayer(withBytes({{300, 7}}));
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(window->enreg_ostrel->isEnabled());
    writeFile(window->deviceSettingsPath(), validPlayerBytes());
    window->Command1->click();
    EXPECT_EQ(window->Label10->text(), QStringLiteral("fichier bien chargé"));
    EXPECT_FALSE(window->enreg_ostrel->isEnabled());
}
