// The built editor, started on a simulated player and driven as a user does:
// real clicks and keys on an X display, texts read back the way a screen
// reader reads them, bytes checked on disk.
#include "e2e/DesktopFixture.h"
#include "e2e/EditorMachine.h"
#include "e2e/Xdo.h"
#include "settings/DemoImage.h"
#include "settings/FieldLayout.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

namespace {
const QString kMainWindow = QStringLiteral("^Paramètrage ostrel plus");
const QString kLoaded = QStringLiteral("fichier bien chargé");
const QString kWritten = QStringLiteral(" vos modifications on été effectués sur l'ostrel");

// Clicks the top arrow of the named scroll bar (`width` pixels wide), then
// waits until a label shows `shown`.
void clickTopArrow(EditorMachine& machine, const QString& bar, int width, const QString& shown) {
    machine.clickIn("slider", bar, 0, QPoint(width / 2, 6));
    ASSERT_TRUE(machine.waitUntil([&](const auto& items) { return showsLabel(items, shown); }));
}

class EndToEnd : public DesktopFixture {
protected:
    static QByteArray factoryBytes() { return demoSettingsImage().fileBytes(); }
};

TEST_F(EndToEnd, StartsOnThePlayerAndLoadsIt) {
    EditorMachine machine(factoryBytes());
    machine.start();
    EXPECT_TRUE(machine.statusShows(kLoaded));
    EXPECT_EQ(xdo::windowsNamed(kMainWindow).size(), 1);
    EXPECT_EQ(machine.playerBytes(), factoryBytes()) << "loading must not touch the player";
}

// One edit on a page, then "Ecrire ostrel": exactly that field's bytes change.
struct PageEdit {
    const char* page;
    const char* pageButton;
    std::function<void(EditorMachine&)> edit;
    std::map<int, std::uint8_t> changed; // offset -> new byte
};

void PrintTo(const PageEdit& edit, std::ostream* out) {
    *out << edit.page;
}

class EditOnEachPage : public EndToEnd, public ::testing::WithParamInterface<PageEdit> {};

TEST_P(EditOnEachPage, WritesExactlyThatFieldToThePlayer) {
    const PageEdit& edit = GetParam();
    const QByteArray before = factoryBytes();
    QByteArray expected = before;
    for (const auto& [offset, value] : edit.changed) {
        ASSERT_NE(std::uint8_t(before[offset]), value) << "the edit must change offset " << offset;
        expected[offset] = char(value);
    }

    EditorMachine machine(before);
    machine.start();
    ASSERT_TRUE(machine.statusShows(kLoaded));
    machine.click("push button", edit.pageButton);
    edit.edit(machine);
    machine.click("push button", "Ecrire ostrel");
    ASSERT_TRUE(machine.statusShows(kWritten));
    EXPECT_EQ(machine.playerBytes(), expected);
}

const PageEdit kPageEdits[] = {
    {"home",
     "Général",
     // The contrast bar's top end is the highest level: 5 becomes 6.
     [](EditorMachine& m) { clickTopArrow(m, "Contraste", 25, "6"); },
     {{layout::Contrast, 60}}},
    {"options",
     "Paramètres",
     [](EditorMachine& m) { m.click("radio button", "Répéter tout"); },
     {{fieldInfo(IndexField::RepeatMode).offset, 2}}},
    {"equalizer",
     "Egaliseur",
     // The first band of the shown curve, one step up from 0.
     [](EditorMachine& m) { clickTopArrow(m, "62 Hz", 20, "1"); },
     {{layout::bandOffset(0, 0), 0x01}}},
    {"srs",
     "WOW-SRS-3D",
     [](EditorMachine& m) { m.click("radio button", "Casque"); },
     {{fieldInfo(IndexField::HeadphoneType).offset, 2}}},
    {"FM",
     "Fréquences FM",
     [](EditorMachine& m) {
         m.click("text", "Fréquences FM A");
         xdo::key("ctrl+a");
         xdo::type("88,1");
         m.click("push button", "    valide les fréquences FM");
     },
     {{layout::presetOffset(0), 0x24}, {layout::presetOffset(0) + 1, 0x58}}},
};

INSTANTIATE_TEST_SUITE_P(Pages, EditOnEachPage, ::testing::ValuesIn(kPageEdits),
                         [](const auto& info) { return std::string(info.param.page); });

TEST_F(EndToEnd, BackupSavedThenReadBackIsWhatGoesToThePlayer) {
    EditorMachine machine(factoryBytes());
    machine.start();
    ASSERT_TRUE(machine.statusShows(kLoaded));
    clickTopArrow(machine, "Contraste", 25, "6");
    machine.click("push button", "Sauvegarde ");
    ASSERT_TRUE(machine.statusShows("fichier sauvegardé"));
    QByteArray saved = factoryBytes();
    saved[layout::Contrast] = char(60);
    QFile backup(machine.backupFile());
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), saved);

    clickTopArrow(machine, "Contraste", 25, "7");
    machine.click("push button", "Lire sauvegarde");
    ASSERT_TRUE(machine.waitUntil([&](const auto& items) {
        return showsLabel(items, kLoaded) && showsLabel(items, "6");
    })) << "the backup's contrast shows again";

    machine.click("push button", "Ecrire ostrel");
    ASSERT_TRUE(machine.statusShows(kWritten));
    EXPECT_EQ(machine.playerBytes(), saved) << "the player, not the backup, is written";
}

TEST_F(EndToEnd, WithoutAPlayerOnlyTheMessageShows) {
    EditorMachine machine{QByteArray()};
    machine.start();
    const auto shown = machine.waitUntil(
        [](const auto& items) { return showsLabel(items, "l'ostrel n'a pas été trouvé"); });
    ASSERT_TRUE(shown);
    EXPECT_TRUE(xdo::windowsNamed(kMainWindow).isEmpty());
    for (const AccessibleItem& item : *shown) {
        EXPECT_EQ(item.window, "Paramètrage ostrel") << item.name.toStdString();
    }
    ASSERT_TRUE(machine.acknowledge("l'ostrel n'a pas été trouvé"));
    int exitCode = -1;
    ASSERT_TRUE(machine.waitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0);
}

TEST_F(EndToEnd, AFileOf700BytesIsShownButNeverWritten) {
    QByteArray bytes = factoryBytes();
    bytes.append(char(0x5A));
    EditorMachine machine(bytes);
    machine.start();
    // The second message comes only once the first is acknowledged.
    ASSERT_TRUE(machine.waitUntil([](const auto& items) {
        return showsLabel(items, "attention 700") &&
               !showsLabel(items, "je ne reconnait pas l'ostrel");
    }));
    ASSERT_TRUE(machine.acknowledge("attention 700"));
    ASSERT_TRUE(machine.acknowledge("je ne reconnait pas l'ostrel"));
    const auto loaded =
        machine.waitUntil([](const auto& items) { return showsLabel(items, kLoaded); });
    ASSERT_TRUE(loaded);
    const AccessibleItem* write = findItem(*loaded, "push button", "Ecrire ostrel");
    ASSERT_NE(write, nullptr);
    EXPECT_FALSE(write->enabled);

    machine.click("push button", "Ecrire ostrel");
    // Input is handled in order: once the page shows, the click above was handled.
    machine.openPage("Paramètres", "radio button", "Répéter tout");
    const auto after = machine.look();
    EXPECT_FALSE(showsLabel(after, kWritten));
    EXPECT_EQ(findItem(after, "push button", "OK"), nullptr) << "no message box";
    EXPECT_EQ(machine.playerBytes(), bytes);
}

} // namespace
