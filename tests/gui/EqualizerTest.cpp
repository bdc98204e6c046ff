// The equalizer page: showing curves, storing bands, defaults and reset.
#include "support/TestRig.h"

#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "settings/FieldLayout.h"
#include "sound/EqualizerPage.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A player file whose curve bands hold the given three-byte forms.
QByteArray withBands(int curve, const std::array<const char*, 5>& bands,
                     QByteArray bytes = validPlayerBytes()) {
    for (int band = 0; band < 5; ++band) {
        bytes.replace(layout::bandOffset(curve, band), 3, QByteArray(bands[band], 3));
    }
    return bytes;
}

struct Equalizer : PlayerWindow {
    explicit Equalizer(const QByteArray& bytes)
        : PlayerWindow(bytes) {
        window->show_egal_Click();
        page = window->egaliseur;
    }
    EqualizerPage* page = nullptr;

    QByteArray curve(int p) const { return bytes(layout::bandOffset(p, 0), 15); }
    std::array<int, 5> bars() const {
        std::array<int, 5> levels{};
        for (int band = 0; band < 5; ++band) {
            levels[band] = page->VScroll1[band]->level();
        }
        return levels;
    }
    QStringList labels() const {
        QStringList texts;
        for (QLabel* label : page->Label2) {
            texts.append(label->text());
        }
        return texts;
    }
    void choose(int curve) { page->Combo1->setCurrentIndex(curve); }
};

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}
} // namespace

TEST(Equalizer, MovingABandStoresItInThreeBytesOnTheShownCurve) {
    Equalizer eq(validPlayerBytes());
    eq.choose(3); // rock
    eq.window->Label10->setText("avant");
    LevelScrollBar* fourK = eq.page->VScroll1[3];
    while (fourK->level() > -3) {
        QTest::keyClick(fourK, Qt::Key_Down);
    }
    EXPECT_EQ(eq.bytes(426, 3), hex("FDFFFF"));
    EXPECT_EQ(eq.page->Label2[3]->text(), "-3");
    EXPECT_EQ(eq.window->Label10->text(), kUnsavedWarning);
}

TEST(Equalizer, DraggingABandStoresItOnceTheHandleIsReleased) {
    Equalizer eq(validPlayerBytes());
    eq.choose(3); // rock
    const QByteArray before = eq.curve(3);
    LevelScrollBar* fourK = eq.page->VScroll1[3];
    const QString shown = eq.page->Label2[3]->text();

    QStyleOptionSlider option;
    option.initFrom(fourK);
    option.orientation = Qt::Vertical;
    option.minimum = fourK->minimum();
    option.maximum = fourK->maximum();
    option.sliderPosition = fourK->sliderPosition();
    option.sliderValue = fourK->value();
    option.singleStep = fourK->singleStep();
    option.pageStep = fourK->pageStep();
    const QPoint handle =
        fourK->style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, fourK)
            .center();

    QTest::mousePress(fourK, Qt::LeftButton, {}, handle);
    for (int step = 1; step <= 4; ++step) {
        QTest::mouseMove(fourK, handle + QPoint(0, 12 * step));
    }
    // While the handle is held, nothing is stored or shown yet.
    EXPECT_EQ(eq.curve(3), before);
    EXPECT_EQ(eq.page->Label2[3]->text(), shown);
    QTest::mouseRelease(fourK, Qt::LeftButton, {}, handle + QPoint(0, 48));

    const int level = fourK->level();
    ASSERT_LT(level, 14) << "the handle was not dragged down";
    EXPECT_EQ(eq.page->Label2[3]->text(), QString::number(level));
    const QByteArray stored = level >= 0 ? QByteArray(1, char(level)) + QByteArray(2, '\0')
                                         : QByteArray(1, char(256 + level)) + hex("FFFF");
    EXPECT_EQ(eq.curve(3).mid(9, 3), stored);
}

TEST(Equalizer, DefaultValuesRewriteOnlyTheBandsThatMove) {
    // "extrème basses" stored flat, except 1K which already shows its factory 2,
    // as "normal" does there too, so that choosing the curve leaves it alone.
    QByteArray bytes = withBands(
        0, {"\x00\x00\x00", "\x00\x00\x00", "\x02\x00\x00", "\x00\x00\x00", "\x00\x00\x00"});
    Equalizer eq(withBands(
        5, {"\x00\x00\x00", "\x00\x00\x00", "\x02\x77\x77", "\x00\x00\x00", "\x00\x00\x00"},
        bytes));
    eq.choose(5);
    eq.page->def_egal->click();
    EXPECT_EQ(eq.bars(), (std::array<int, 5>{12, 12, 2, -7, -12}));
    EXPECT_EQ(eq.labels(), (QStringList{"12", "12", "2", "-7", "-12"}));
    EXPECT_EQ(eq.curve(5), hex("0C0000"
                               "0C0000"
                               "027777"
                               "F9FFFF"
                               "F4FFFF"));
}

TEST(Equalizer, ResetToNormalLeavesZeroWhereTheBandWasNotZero) {
    Equalizer eq(withBands(
        0, {"\x00\x12\x34", "\x05\x00\x00", "\xFB\xFF\xFF", "\x14\x00\x00", "\x00\x00\x00"}));
    eq.page->raz_egali->click();
    EXPECT_EQ(eq.bars(), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(eq.curve(0), hex("001234"
                               "000000"
                               "000000"
                               "000000"
                               "000000"));
}

TEST(Equalizer, PickingACurveRewritesOnlyTheBandsWhoseBarMoves) {
    QByteArray bytes = withBands(
        0, {"\x00\x00\x00", "\x00\x00\x00", "\x00\x00\x00", "\x00\x00\x00", "\x00\x00\x00"});
    bytes = withBands(
        1, {"\x0C\x11\x22", "\xFE\x11\x22", "\xFC\x11\x22", "\x00\x11\x22", "\x08\x11\x22"}, bytes);
    Equalizer eq(bytes);
    eq.window->Label10->setText("avant");
    eq.choose(1); // jazz after normal
    EXPECT_EQ(eq.bars(), (std::array<int, 5>{12, -2, -4, 0, 8}));
    EXPECT_EQ(eq.curve(1), hex("0C0000"
                               "FEFFFF"
                               "FCFFFF"
                               "001122"
                               "080000"));
    EXPECT_EQ(eq.window->Label10->text(), kUnsavedWarning);
}

TEST(Equalizer, DefaultValuesBeforeAnyGoodLoadAreZero) {
    QByteArray tooLong = validPlayerBytes() + QByteArray(200, '\x01');
    Equalizer eq(tooLong); // the start-up load fails: no factory levels yet
    eq.page->VScroll1[0]->setLevel(7);
    eq.page->def_egal->click();
    EXPECT_EQ(eq.bars(), (std::array<int, 5>{0, 0, 0, 0, 0}));
}

TEST(Equalizer, ClickingAValueLabelOnlyWarns) {
    Equalizer eq(validPlayerBytes());
    const SettingsImage before = eq.window->image();
    eq.window->Label10->setText("avant");
    QTest::mouseClick(eq.page->Label2[2], Qt::LeftButton);
    EXPECT_EQ(eq.window->Label10->text(), kUnsavedWarning);
    EXPECT_EQ(eq.window->image(), before);
}

TEST(Equalizer, TheCurveSelectorTakesNoTypedText) {
    Equalizer eq(validPlayerBytes());
    EXPECT_FALSE(eq.page->Combo1->isEditable());
    QTest::keyClicks(eq.page->Combo1, "zzz");
    EXPECT_GE(eq.page->Combo1->currentIndex(), 0);
    EXPECT_LT(eq.page->Combo1->currentIndex(), 11);
}

// A stored level the bar cannot show: its label tells it, the bar sits at the
// nearest end, and the player's bytes stay until the user sets that band.
TEST(Equalizer, LevelsBeyondTheBarAreShownAndKept) {
    const QByteArray odd = withBands(
        0, {"\x32\x01\x02", "\xA0\x03\x04", "\x15\x00\x00", "\x00\x00\x00", "\xF3\xFF\xFF"});
    Equalizer eq(odd);
    EXPECT_EQ(eq.labels(), (QStringList{"50", "-96", "21", "0", "-13"}));
    EXPECT_EQ(eq.bars(), (std::array<int, 5>{20, -12, 20, 0, -12}));
    EXPECT_EQ(eq.curve(0), odd.mid(372, 15)) << "showing changes nothing";
    EXPECT_TRUE(eq.rig.messages.shown.isEmpty());

    eq.window->enreg_ostrel->click();
    EXPECT_EQ(readFile(eq.window->deviceSettingsPath()), odd) << "an unedited write keeps them";

    QTest::keyClick(eq.page->VScroll1[0], Qt::Key_Down); // the user moves the 62 Hz bar
    EXPECT_EQ(eq.curve(0).left(3), hex("130000"));
    EXPECT_EQ(eq.page->Label2[0]->text(), "19");

    eq.page->def_egal->click(); // normal's factory levels are 0: every band is stored
    EXPECT_EQ(eq.curve(0), QByteArray(15, '\0'));

    Equalizer reset(odd);
    reset.page->VScroll1[3]->setLevel(-12);
    reset.page->raz_egali->click();
    EXPECT_EQ(reset.curve(0), QByteArray(15, '\0'));

    // Setting a band to the end its bar already sits at stores it too.
    const QByteArray bass = withBands(
        5, {"\x0C\x00\x00", "\x0C\x00\x00", "\x02\x00\x00", "\xF9\xFF\xFF", "\xA0\x00\x00"});
    Equalizer atEnd(bass);
    atEnd.choose(5);
    ASSERT_EQ(atEnd.page->VScroll1[4]->level(), -12);
    atEnd.page->def_egal->click(); // "extrème basses" has -12 at 16 kHz
    EXPECT_EQ(atEnd.curve(5), hex("0C0000"
                                  "0C0000"
                                  "020000"
                                  "F9FFFF"
                                  "F4FFFF"));
}
