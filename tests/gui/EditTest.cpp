// Edits through the real widgets: each patches its bytes of the image at once,
// and only the edited field reaches the player.
#include "support/TestRig.h"

#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "options/OptionsPage.h"
#include "sound/EqualizerPage.h"
#include "sound/SrsPage.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(Edit, EveryOptionButtonStoresItsIndexWithItsStatusEffect) {
    PlayerWindow shown;
    Form1& w = *shown.window;
    const struct {
        OptionGroup* group;
        QPushButton* page;
        int offset;
        bool warns;
    } table[] = {
        {w.egaliseur->Option1, w.show_egal, 273, true},
        {w.parametre->Option3, w.Command3, 291, true},
        {w.parametre->Option4, w.Command3, 648, true},
        {w.parametre->Option5, w.Command3, 363, true},
        {w.parametre->Option6, w.Command3, 300, true},
        {w.parametre->Option7, w.Command3, 336, true},
        {w.parametre->Option8, w.Command3, 318, true},
        {w.home->Option11, w.Command5, 552, true},
        {w.srs->Option9, w.Command9, 684, true},
        {w.srs->Option10, w.Command9, 666, false},
    };
    for (const auto& row : table) {
        QTest::mouseClick(row.page, Qt::LeftButton);
        for (int index = 0; index < row.group->count(); ++index) {
            const int other = (index + 1) % row.group->count();
            clickOption(row.group->button(other));
            w.Label10->setText("avant");
            clickOption(row.group->button(index));
            const std::string what = row.group->button(index)->objectName().toStdString();
            EXPECT_EQ(shown.byte(row.offset), index) << what;
            EXPECT_EQ(w.Label10->text(), row.warns ? kUnsavedWarning : QString("avant")) << what;
        }
    }
}

TEST(Edit, ContrastIsTenTimesTheBarWithItsValueShown) {
    PlayerWindow shown;
    Form1& w = *shown.window;
    LevelScrollBar* bar = w.home->VScroll2;
    const struct {
        Qt::Key key;
        int stored;
        const char* shown;
    } moves[] = {{Qt::Key_Home, 100, "10"}, {Qt::Key_End, 0, "0"}, {Qt::Key_Up, 10, "1"}};
    for (const auto& m : moves) {
        w.Label10->setText("avant");
        QTest::keyClick(bar, m.key);
        EXPECT_EQ(shown.byte(693), m.stored);
        EXPECT_EQ(w.home->Label1->text(), m.shown);
        EXPECT_EQ(w.Label10->text(), kUnsavedWarning);
    }
}

TEST(Edit, SrsBarsStoreTheirCodeAndLeaveTheStatusAlone) {
    PlayerWindow shown;
    Form1& w = *shown.window;
    const struct {
        LevelScrollBar* bar;
        QLabel* label;
        int offset;
    } bars[] = {{w.srs->VScroll3, w.srs->Label15, 675}, {w.srs->VScroll4, w.srs->Label17, 657}};
    const struct {
        std::function<void(LevelScrollBar*)> move;
        const char* code;
        const char* shown;
    } moves[] = {
        {[](LevelScrollBar* b) { QTest::keyClick(b, Qt::Key_Home); }, "\xFE\xFF\x7F", "10"},
        {[](LevelScrollBar* b) { QTest::keyClick(b, Qt::Key_End); }, "\x06\x00\x00", "0"},
        {[](LevelScrollBar* b) { b->setLevel(5); }, "\x02\x00\x40", "5"},
    };
    w.Command9_Click();
    for (const auto& b : bars) {
        for (const auto& m : moves) {
            w.Label10->setText("avant");
            m.move(b.bar);
            EXPECT_EQ(shown.bytes(b.offset, 3), QByteArray(m.code, 3)) << m.shown;
            EXPECT_EQ(b.label->text(), m.shown);
            EXPECT_EQ(w.Label10->text(), "avant");
        }
    }
}

// An edit then "Ecrire ostrel" changes exactly the edited field's bytes on the player.
TEST(Edit, AWriteAfterAnEditChangesOnlyThatFieldOnThePlayer) {
    const struct {
        const char* edit;
        std::function<void(Form1&)> apply;
        QList<int> offsets;
    } edits[] = {
        {"backlight", [](Form1& w) { w.parametre->Option7->button(5)->click(); }, {336}},
        {"A<>B-Rec", [](Form1& w) { w.home->Option11->button(5)->click(); }, {552}},
        {"contrast", [](Form1& w) { w.home->VScroll2->setLevel(9); }, {693}},
        {"3D", [](Form1& w) { w.srs->VScroll4->setLevel(1); }, {657, 658, 659}},
        {"headphones", [](Form1& w) { w.srs->Option9->button(3)->click(); }, {684}},
        {"rock 4K",
         [](Form1& w) {
             w.egaliseur->Combo1->setCurrentIndex(3);
             w.egaliseur->VScroll1[3]->setLevel(-3);
         },
         {426, 427, 428}},
    };
    for (const auto& e : edits) {
        PlayerWindow shown;
        const QByteArray before = readFile(shown.window->deviceSettingsPath());
        e.apply(*shown.window);
        shown.window->enreg_ostrel->click();
        const QByteArray after = readFile(shown.window->deviceSettingsPath());
        ASSERT_EQ(after.size(), before.size());
        QList<int> changed;
        for (int offset = 0; offset < after.size(); ++offset) {
            if (after[offset] != before[offset]) {
                changed.append(offset);
            }
        }
        EXPECT_EQ(changed, e.offsets) << e.edit;
    }
}

// What loading writes back through the handlers it runs.
TEST(Edit, LoadingRewritesAFieldOnlyWhenItsControlChanges) {
    QByteArray bytes = validPlayerBytes();
    bytes[693] = 45; // shows 4: the bar moves from 5 and stores 40
    bytes[677] = 0x40;
    bytes[675] = 0x03; // TruBass 03 00 40 shows 5, where the bar already is
    bytes[372] = '\xF4';
    bytes[373] = 0;
    bytes[374] = 0; // normal 62 Hz stored as F4 00 00 shows -12
    PlayerWindow shown(bytes);
    EXPECT_EQ(shown.byte(693), 40);
    EXPECT_EQ(shown.bytes(675, 3), QByteArray("\x03\x00\x40", 3)) << "the bar did not move";
    EXPECT_EQ(shown.bytes(372, 3), QByteArray("\xF4\xFF\xFF", 3));

    // From a file whose TruBass is 3, reloading 03 00 40 moves the bar and rewrites the code.
    QByteArray level3 = bytes;
    level3[677] = 38;
    writeFile(shown.window->deviceSettingsPath(), level3);
    shown.window->Command1->click();
    writeFile(shown.window->deviceSettingsPath(), bytes);
    shown.window->Command1->click();
    EXPECT_EQ(shown.bytes(675, 3), QByteArray("\x02\x00\x40", 3));

    QByteArray contrast52 = validPlayerBytes();
    contrast52[693] = 52; // shows 5, where the bar already is: kept
    PlayerWindow unchanged(contrast52);
    EXPECT_EQ(unchanged.byte(693), 52);
}
