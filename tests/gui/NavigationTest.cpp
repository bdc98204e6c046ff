// Page buttons and the hover help strip, driven by real mouse input.
#include "support/TestRig.h"

#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/PathLabel.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "options/OptionsPage.h"
#include "radio/FmPage.h"
#include "sound/EqualizerPage.h"
#include "sound/SrsPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct ShownWindow : PlayerWindow {
    ShownWindow() { window->activateWindow(); }

    // Visibility of parametre, egaliseur, Freq_FM, srs, Frame8, Frame13.
    std::array<bool, 6> visibility() const {
        return {!window->parametre->isHidden(),    !window->egaliseur->isHidden(),
                !window->Freq_FM->isHidden(),      !window->srs->isHidden(),
                !window->home->Frame8->isHidden(), !window->home->Frame13->isHidden()};
    }
    void hover(QWidget* widget, QPoint at = QPoint(-1, -1)) {
        QTest::mouseMove(widget, at == QPoint(-1, -1) ? widget->rect().center() : at);
    }
};

using Visibility = std::array<bool, 6>;
const Visibility kHome{false, false, false, false, true, true};
} // namespace

TEST(Navigation, EachPageButtonShowsItsPageFromEveryPage) {
    ShownWindow shown;
    Form1& w = *shown.window;
    const struct {
        QPushButton* button;
        Visibility expected;
    } table[] = {
        {w.Command5, kHome},
        {w.Command6, {false, false, true, false, false, false}},
        {w.Command3, {true, false, false, false, false, false}},
        {w.show_egal, {false, true, false, false, false, false}},
        {w.Command9, {false, false, false, true, false, false}},
    };
    EXPECT_EQ(shown.visibility(), kHome);
    for (const auto& from : table) {
        for (const auto& to : table) {
            QTest::mouseClick(from.button, Qt::LeftButton);
            QTest::mouseClick(to.button, Qt::LeftButton);
            EXPECT_EQ(shown.visibility(), to.expected)
                << from.button->text().toStdString() << " then " << to.button->text().toStdString();
        }
    }
}

TEST(Navigation, AShownPanelCoversTheHomePageLabels) {
    ShownWindow shown;
    Form1& w = *shown.window;
    for (QPushButton* pageButton : {w.Command6, w.Command3, w.show_egal, w.Command9}) {
        QTest::mouseClick(pageButton, Qt::LeftButton);
        for (QLabel* label :
             std::initializer_list<QLabel*>{w.Label14, w.Label18, w.Label12, w.Label11}) {
            QWidget* top = w.childAt(label->geometry().center());
            EXPECT_NE(top, label) << pageButton->text().toStdString();
            EXPECT_FALSE(top == nullptr) << pageButton->text().toStdString();
        }
    }
    QTest::mouseClick(w.Command5, Qt::LeftButton);
    EXPECT_EQ(w.childAt(w.Label12->geometry().center()), w.Label12);
}

TEST(Navigation, HoveringAControlExplainsIt) {
    ShownWindow shown;
    Form1& w = *shown.window;
    const struct {
        QWidget* control;
        const char* text;
    } table[] = {
        {w.Command1,
         "En appuyant sur ce bouton, vous rechargez les infos qui sont stockées sur l'OSTREL"},
        {w.Command2,
         "En appuyant sur ce bouton, vous chargez les informations que vous aviez sauvegardée "
         "sur votre disque dur"},
        {w.Command3,
         "En appuyant sur ce bouton, vous avez accès aux modifications de différents paramètres"},
        {w.Command5, "En appuyant sur ce bouton, vous avez accès à la page d'accueil du programme"},
        {w.Command6,
         "En appuyant sur ce bouton, vous avez accès aux modifications des fréquences FM"},
        {w.Command8,
         "En appuyant sur ce bouton, vous sauvegardez les informations courantes sur votre "
         "disque dur"},
        {w.Command9,
         "En appuyant sur ce bouton, vous avez accès aux modifications des paramêtres son 3D"},
        {w.enreg_ostrel,
         "en appuyant sur ce bouton, vous enregistrez vos modifications sur l'OSTREL"},
        {w.fin,
         "En appuyant sur ce bouton, vous mettez fin au programme de paramétrage de votre OSTREL"},
        {w.show_egal,
         "En appuyant sur ce bouton, vous avez accès aux modifications de l'égaliseur"},
        {w.Label14, "Vous pouvez envoyer toutes remarques ou suggestions à cette adresse"},
    };
    for (const auto& row : table) {
        shown.hover(&w, QPoint(400, 200)); // the bare window in between
        shown.hover(row.control);
        EXPECT_EQ(w.Label13->text(), QString::fromUtf8(row.text))
            << row.control->objectName().toStdString();
    }
}

TEST(Navigation, OnlyTheBareWindowAndTheStatusLineClearTheHelp) {
    ShownWindow shown;
    Form1& w = *shown.window;
    const QString finHelp =
        "En appuyant sur ce bouton, vous mettez fin au programme de paramétrage de votre OSTREL";

    // Controls that leave the help in place.
    for (QWidget* neutral :
         std::initializer_list<QWidget*>{w.Label12, w.Label11, w.Label18, w.Label13, w.home->Frame8,
                                         w.home->VScroll2, w.home->Option11->button(2)}) {
        shown.hover(w.fin);
        shown.hover(neutral);
        EXPECT_EQ(w.Label13->text(), finHelp) << neutral->objectName().toStdString();
    }
    // Moving from a button straight onto a panel keeps the button's help.
    w.Command6_Click();
    shown.hover(w.fin);
    shown.hover(w.Freq_FM, QPoint(200, 20));
    shown.hover(w.Freq_FM->Text1[3]);
    shown.hover(w.Freq_FM->List1);
    EXPECT_EQ(w.Label13->text(), finHelp);
    w.Command5_Click();

    shown.hover(w.fin);
    shown.hover(&w, QPoint(400, 200));
    EXPECT_EQ(w.Label13->text(), "");

    shown.hover(w.fin);
    shown.hover(w.Label10);
    EXPECT_EQ(w.Label13->text(), "");
}

TEST(Navigation, ReloadKeepsThePageShown) {
    ShownWindow shown;
    Form1& w = *shown.window;
    w.Command9_Click();
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_FALSE(w.srs->isHidden());
    EXPECT_TRUE(w.home->Frame8->isHidden());
}
