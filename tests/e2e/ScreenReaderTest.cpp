// The window as a screen reader and a keyboard user meet it: the tree read
// over AT-SPI, and a whole edit made with keys alone.
#include "e2e/DesktopFixture.h"
#include "e2e/EditorMachine.h"
#include "e2e/Xdo.h"
#include "settings/DemoImage.h"
#include "settings/FieldLayout.h"

#include <QSet>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {
const QString kMainWindow = QStringLiteral("^Paramètrage ostrel plus");

bool takesInput(const AccessibleItem& item) {
    static const QSet<QString> roles{"push button", "radio button", "text",
                                     "slider",      "combo box",    "list"};
    return roles.contains(item.role);
}

const AccessibleItem* focusedItem(const EditorMachine::Items& items) {
    for (const AccessibleItem& item : items) {
        if (item.focused && takesInput(item)) {
            return &item;
        }
    }
    return nullptr;
}

// Presses Tab until the control of that role and name has the focus.
bool tabTo(EditorMachine& machine, const QString& role, const QString& name) {
    QString last;
    for (int step = 0; step < 60; ++step) {
        const auto items = machine.waitUntil([&](const auto& now) {
            const AccessibleItem* focused = focusedItem(now);
            return focused != nullptr && focused->role + focused->name != last;
        });
        if (!items) {
            return false;
        }
        const AccessibleItem* focused = focusedItem(*items);
        if (focused->role == role && focused->name == name) {
            return true;
        }
        last = focused->role + focused->name;
        xdo::key("Tab");
    }
    return false;
}

// Waits until the showing item of that role and name satisfies `holds`.
bool waitForItem(const EditorMachine& machine, const QString& role, const QString& name,
                 const std::function<bool(const AccessibleItem&)>& holds) {
    return machine
        .waitUntil([&](const auto& items) {
            const AccessibleItem* item = findItem(items, role, name);
            return item != nullptr && holds(*item);
        })
        .has_value();
}

using ScreenReader = DesktopFixture;

// Each page: the control that shows it is open.
const struct {
    const char* button;
    const char* role;
    const char* control;
} kPages[] = {
    {"Général", "slider", "Contraste"},
    {"Fréquences FM", "text", "Fréquences FM A"},
    {"Paramètres", "radio button", "Répéter tout"},
    {"Egaliseur", "slider", "62 Hz"},
    {"WOW-SRS-3D", "slider", "True bass"},
};
} // namespace

TEST_F(ScreenReader, EveryInputControlHasItsOwnNameAndTheHoverHelpIsItsDescription) {
    EditorMachine machine(demoSettingsImage().fileBytes());
    machine.start();
    ASSERT_TRUE(machine.statusShows("fichier bien chargé"));
    for (const auto& page : kPages) {
        machine.openPage(page.button, page.role, page.control);
        const auto items = machine.look();
        QSet<QString> names;
        for (const AccessibleItem& item : items) {
            if (!takesInput(item)) {
                continue;
            }
            EXPECT_FALSE(item.name.trimmed().isEmpty())
                << page.button << ": a " << item.role.toStdString();
            EXPECT_FALSE(names.contains(item.name))
                << page.button << ": " << item.name.toStdString();
            names.insert(item.name);
            if (item.role == "push button" && item.box.top() < 60) {
                EXPECT_FALSE(item.description.isEmpty()) << item.name.toStdString();
            }
        }
        const AccessibleItem* write = findItem(items, "push button", "Ecrire ostrel");
        ASSERT_NE(write, nullptr);
        EXPECT_EQ(write->description,
                  "en appuyant sur ce bouton, vous enregistrez vos modifications sur l'OSTREL");
    }
    machine.openPage("Général", "slider", "Contraste");
    const auto home = machine.look();
    const AccessibleItem* contrast = findItem(home, "slider", "Contraste");
    ASSERT_NE(contrast, nullptr);
    EXPECT_EQ(contrast->value, 5.0) << "the level its label shows";
}

// Options page, repeat mode, home page, contrast, an FM preset, then the
// write: keys only, not one pointer event.
TEST_F(ScreenReader, AWholeEditByKeyboardAlone) {
    const QByteArray before = demoSettingsImage().fileBytes();
    EditorMachine machine(before);
    machine.start();
    ASSERT_TRUE(machine.statusShows("fichier bien chargé"));
    const QStringList windows = xdo::windowsNamed(kMainWindow);
    ASSERT_EQ(windows.size(), 1);
    xdo::focusWindow(windows.first());

    ASSERT_TRUE(tabTo(machine, "push button", "Paramètres"));
    xdo::key("Return");
    ASSERT_TRUE(tabTo(machine, "radio button", "Normal"));
    xdo::key("Down");
    ASSERT_TRUE(waitForItem(machine, "radio button", "Répéter 1",
                            [](const AccessibleItem& once) { return once.checked; }));

    ASSERT_TRUE(tabTo(machine, "push button", "Général"));
    xdo::key("space");
    ASSERT_TRUE(tabTo(machine, "slider", "Contraste"));
    xdo::key("Up");
    ASSERT_TRUE(waitForItem(machine, "slider", "Contraste", [](const AccessibleItem& contrast) {
        return contrast.value == 6.0;
    })) << "up is up, and the bar reads the level its label shows";

    ASSERT_TRUE(tabTo(machine, "push button", "Fréquences FM"));
    xdo::key("Return");
    ASSERT_TRUE(tabTo(machine, "text", "Fréquences FM A"));
    xdo::key("ctrl+a");
    xdo::type("88,1");
    ASSERT_TRUE(tabTo(machine, "push button", "    valide les fréquences FM"));
    xdo::key("Return");

    ASSERT_TRUE(tabTo(machine, "push button", "Ecrire ostrel"));
    xdo::key("Return");
    ASSERT_TRUE(machine.statusShows(" vos modifications on été effectués sur l'ostrel"));

    QByteArray expected = before;
    expected[fieldInfo(IndexField::RepeatMode).offset] = 1;
    expected[layout::Contrast] = 60;
    expected[layout::presetOffset(0)] = 0x24; // 88,100 kHz
    expected[layout::presetOffset(0) + 1] = 0x58;
    expected[layout::presetOffset(0) + 2] = 0x01;
    EXPECT_EQ(machine.playerBytes().toHex(), expected.toHex());
}
