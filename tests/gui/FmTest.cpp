// The FM page: cities and stations, filling the boxes, validating them into
// the image, and the tuned preset.
#include "support/TestRig.h"

#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "radio/FmPage.h"
#include "settings/FieldLayout.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QByteArray kStations = "Lyon_;69;87.8;Mouv';88.4;RCF Lyon;89.8;Radio Nova\r\n"
                             "Paris_;75;87.8;France Inter;105.1;FIP\r\n"
                             "Nulle part_;00\r\n";

struct FmWindow : PlayerWindow {
    explicit FmWindow(const QByteArray& stationFile = kStations)
        : PlayerWindow(validPlayerBytes(), [&](TestRig& rig) {
            rig.putBesideProgram("station_fm2.csv", stationFile);
        }) {
        window->Command6_Click();
        fm = window->Freq_FM;
    }
    FmPage* fm = nullptr;

    QStringList stations() const {
        QStringList items;
        for (int row = 0; row < fm->List1->count(); ++row) {
            items.append(fm->List1->item(row)->text());
        }
        return items;
    }
    void doubleClickStation(int row) {
        QListWidgetItem* item = fm->List1->item(row);
        fm->List1->setCurrentItem(item);
        const QPoint at = fm->List1->visualItemRect(item).center();
        doubleClick(fm->List1->viewport(), at);
    }
    QColor colourOf(int box) const { return fm->Text1[box]->palette().color(QPalette::Base); }
    QByteArray presetBytes(int preset) const { return bytes(layout::presetOffset(preset), 3); }
    void validate(const QList<std::pair<int, QString>>& texts) {
        for (const auto& [box, text] : texts) {
            fm->Text1[box]->setText(text);
        }
        fm->enreg_f_fm->click();
    }
};
} // namespace

TEST(Fm, CitiesAreListedAndTheFirstCitysStationsShown) {
    FmWindow page;
    ASSERT_EQ(page.fm->Combo2->count(), 3);
    EXPECT_EQ(page.fm->Combo2->itemText(0), "Lyon (69)");
    EXPECT_EQ(page.fm->Combo2->itemText(2), "Nulle part (00)");
    EXPECT_EQ(page.stations(), (QStringList{"87.8 Mouv'", "88.4 RCF Lyon", "89.8 Radio Nova"}));

    page.fm->Combo2->setCurrentIndex(1);
    EXPECT_EQ(page.stations(), (QStringList{"87.8 France Inter", "105.1 FIP"}));
    page.fm->Combo2->setCurrentIndex(2);
    EXPECT_EQ(page.stations(), QStringList{" "});
}

TEST(Fm, AnEmptyOrMissingStationListLeavesBothListsEmpty) {
    for (const QByteArray& file : {QByteArray(), QByteArray("\r\n\r\n")}) {
        FmWindow page(file);
        EXPECT_EQ(page.fm->Combo2->count(), 0);
        EXPECT_EQ(page.fm->List1->count(), 0);
        EXPECT_TRUE(page.rig.messages.shown.isEmpty());
    }
}

TEST(Fm, DoubleClickedStationsFillConsecutiveBoxesWrappingAfterTheLast) {
    FmWindow page;
    QTest::mouseClick(page.fm->Text1[18], Qt::LeftButton);
    EXPECT_EQ(page.fm->CurrentPresetBox, 18);
    EXPECT_EQ(page.colourOf(18), QColor(0, 255, 255));

    page.window->Label10->setText("avant");
    page.doubleClickStation(0);
    EXPECT_EQ(page.fm->Text1[18]->text(), "87.8");
    EXPECT_EQ(page.fm->CurrentPresetBox, 19);
    EXPECT_EQ(page.colourOf(19), QColor(192, 255, 255));
    EXPECT_EQ(page.colourOf(18), QColor(Qt::white));
    EXPECT_EQ(page.window->Label10->text(), kUnsavedWarning);

    page.doubleClickStation(1);
    page.doubleClickStation(2);
    EXPECT_EQ(page.fm->Text1[19]->text(), "88.4");
    EXPECT_EQ(page.fm->Text1[0]->text(), "89.8");
    EXPECT_EQ(page.fm->CurrentPresetBox, 1);

    page.fm->Combo2->setCurrentIndex(2); // a city without stations: its one item is a blank
    page.doubleClickStation(0);
    EXPECT_EQ(page.fm->Text1[1]->text(), "");
}

// Without a mouse: Return in a box selects it, as a click does, and Return on
// a station then fills it, as a double click does.
TEST(Fm, ReturnChoosesTheBoxThenFillsItFromAStation) {
    FmWindow page;
    page.fm->Text1[4]->setFocus();
    QTest::keyClick(page.fm->Text1[4], Qt::Key_Return);
    EXPECT_EQ(page.colourOf(4), QColor(0, 255, 255));
    page.fm->List1->setFocus();
    page.fm->List1->setCurrentRow(0);
    QTest::keyClick(page.fm->List1, Qt::Key_Down);
    QTest::keyClick(page.fm->List1, Qt::Key_Return);
    QTest::keyClick(page.fm->List1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(page.fm->Text1[4]->text(), "88.4");
    EXPECT_EQ(page.fm->Text1[5]->text(), "88.4");
    EXPECT_EQ(page.fm->CurrentPresetBox, 6);
}

TEST(Fm, ClickingABoxLeavesOnlyThatBoxHighlighted) {
    FmWindow page;
    QTest::mouseClick(page.fm->Text1[17], Qt::LeftButton);
    doubleClick(page.fm->Text1[3], page.fm->Text1[3]->rect().center());
    for (int box = 0; box < FmPage::kPresets; ++box) {
        EXPECT_EQ(page.colourOf(box), box == 3 ? QColor(0, 255, 255) : QColor(Qt::white)) << box;
    }
    EXPECT_EQ(page.fm->CurrentPresetBox, 3);
}

TEST(Fm, ValidatedFrequenciesAreStoredInKilohertz) {
    const struct {
        const char* typed;
        QByteArray stored;
    } cases[] = {
        {"88,1", QByteArray::fromHex("245801")},  {"88.1", QByteArray::fromHex("245801")},
        {"88.15", QByteArray::fromHex("245801")}, {"88.", QByteArray::fromHex("C05701")},
        {"87.5", QByteArray::fromHex("CC5501")},  {"104.0", QByteArray::fromHex("409601")},
        {"108.0", QByteArray::fromHex("E0A501")},
    };
    for (const auto& c : cases) {
        FmWindow page;
        page.window->Label10->setText("avant");
        page.validate({{6, c.typed}});
        EXPECT_EQ(page.presetBytes(6), c.stored) << c.typed;
        EXPECT_TRUE(page.rig.messages.shown.isEmpty()) << c.typed;
        EXPECT_EQ(page.window->Label10->text(), kUnsavedWarning) << "only the typing warned";
    }
}

TEST(Fm, AFrequencyOutOfRangeIsRefusedAndTheOthersStillStored) {
    for (const auto& [typed, shown] : {std::pair{"108.1", "108100"}, std::pair{"87.4", "87400"},
                                       std::pair{"87.05", "87000"}, std::pair{"1.2.3", "1200"}}) {
        FmWindow page;
        const QByteArray before = page.presetBytes(2);
        page.validate({{2, typed}, {9, "99.0"}});
        EXPECT_EQ(page.rig.messages.shown, QStringList{"erreur"}) << typed;
        EXPECT_EQ(page.window->Label10->text(), shown);
        EXPECT_EQ(page.presetBytes(2), before) << typed;
        EXPECT_EQ(page.presetBytes(9), QByteArray::fromHex("B88201"))
            << "later boxes are still stored";
    }
}

TEST(Fm, AnUnreadableBoxStopsTheValidationThere) {
    for (const auto& [typed, box] :
         {std::pair{"100", 0}, std::pair{"", 2}, std::pair{"cent", 19}}) {
        FmWindow page;
        const QByteArray after = page.presetBytes((box + 1) % FmPage::kPresets);
        page.validate(
            {{box, typed}, {(box + 1) % FmPage::kPresets, "95.0"}, {0 == box ? 5 : 0, "96.0"}});
        EXPECT_EQ(page.rig.messages.shown,
                  QStringList{QStringLiteral("mauvaise valeur pour la fréquence  %1").arg(box + 1)})
            << typed;
        if (box != 19) {
            EXPECT_EQ(page.presetBytes(box + 1), after) << "boxes after it are left unwritten";
        }
        if (box != 0) {
            EXPECT_EQ(page.presetBytes(0), QByteArray::fromHex("007701"))
                << "boxes before it are written";
        }
    }
}

TEST(Fm, ChoosingTheTunedPresetCopiesItsLastValidatedFrequency) {
    FmWindow page;
    const QByteArray validated = page.presetBytes(4);
    page.fm->Text1[4]->setText("99.9"); // typed, not validated
    page.window->Label10->setText("avant");
    clickOption(page.fm->Option2->button(4));
    EXPECT_EQ(page.byte(129), 4);
    EXPECT_EQ(page.bytes(120, 3), validated);
    EXPECT_EQ(page.window->Label10->text(), kUnsavedWarning);

    // Clicking the tuned preset's button again takes its newly validated value.
    page.validate({{4, "99.9"}});
    page.window->Label10->setText("avant");
    clickOption(page.fm->Option2->button(4));
    EXPECT_EQ(page.bytes(120, 3), QByteArray::fromHex("3C8601"));
    EXPECT_EQ(page.window->Label10->text(), kUnsavedWarning);

    page.validate({{4, "100.1"}});
    clickOption(page.fm->Option2->button(7));
    clickOption(page.fm->Option2->button(4));
    EXPECT_EQ(page.bytes(120, 3), QByteArray::fromHex("048701"));
}

TEST(Fm, TheShippedStationListFillsTheCityBox) {
    QFile shipped(OSTREL_STATION_LIST);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    FmWindow page(shipped.readAll());
    EXPECT_GE(page.fm->Combo2->count(), 30);
    EXPECT_GE(page.fm->List1->count(), 1);
    EXPECT_NE(page.fm->List1->item(0)->text(), " ");
}
