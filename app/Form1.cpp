#include "Form1.h"

#include "Colours.h"
#include "Controls.h"
#include "EventHooks.h"
#include "FocusRing.h"
#include "OptionGroup.h"
#include "PathLabel.h"
#include "StatusLine.h"
#include "Twips.h"
#include "options/HomeOptions.h"
#include "options/OptionsPage.h"
#include "radio/FmPage.h"
#include "sound/EqualizerPage.h"
#include "sound/SrsPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

const char* const Form1::kCaption = QT_TR_NOOP("Paramètrage ostrel plus 116.036");

namespace {
constexpr int kPanelLeft = 0, kPanelTop = 1200, kPanelWidth = 6855, kPanelHeight = 5535;
} // namespace

Form1::Form1(const Seams& seams)
    : seams_(seams)
    , session_(seams_.volumes, seams_.user.locks, historyFolderIn(seams_.user.data),
               PlayerSession::Holder::Window) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr(kCaption));
    setFixedSize(twipsToPixels(6825), twipsToPixels(7410));
    setPalette(seams_.palette);
    colours::fillBackground(this, colours::kLightGreen);
    setMouseTracking(true);

    buildButtonRows();
    Label10 = new StatusLine(this);
    buildHomePage();

    parametre = new OptionsPage(SettingsImage_, *Label10, this);
    egaliseur = new EqualizerPage(SettingsImage_, *Label10, this);
    Freq_FM = new FmPage(SettingsImage_, *Label10, seams_.messages, this);
    srs = new SrsPage(SettingsImage_, *Label10, this);
    for (QGroupBox* page : {static_cast<QGroupBox*>(parametre), static_cast<QGroupBox*>(egaliseur),
                            static_cast<QGroupBox*>(Freq_FM), static_cast<QGroupBox*>(srs)}) {
        page->setGeometry(twipsRect(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight));
        page->hide();
    }

    Label13 = makeLabel(this, QStringLiteral("Label13"), QStringLiteral(" "),
                        twipsRect(0, 6840, 6855, 615));

    for (OptionGroup* group : findChildren<OptionGroup*>()) {
        optionGroups_[static_cast<std::size_t>(group->field())] = group;
    }

    colours::applySystemColours(this, seams_.palette);
    wireHoverHelp();
    setKeyboardOrder();
    focusRing_ = new FocusRing(this);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        pressOnReturn(button);
    }
    fin->setFocus();
}

Form1::~Form1() = default;

void Form1::buildButtonRows() {
    constexpr int lefts[] = {0, 1320, 2640, 3960, 5400};
    constexpr int widths[] = {1335, 1335, 1335, 1455, 1455};
    const auto row2 = [&](int column) {
        return twipsRect(lefts[column], 360, widths[column], 375);
    };
    const auto row1 = [&](int column) {
        return twipsRect(lefts[column], 0, widths[column], 375);
    };

    fin = makeButton(this, QStringLiteral("fin"), tr("Fin"), row2(4));
    enreg_ostrel = makeButton(this, QStringLiteral("enreg_ostrel"), tr("Ecrire ostrel"), row2(1));
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("lire ostrel"), row2(0));
    Command2 = makeButton(this, QStringLiteral("Command2"), tr("Lire sauvegarde"), row2(2));
    Command8 = makeButton(this, QStringLiteral("Command8"), tr("Sauvegarde "), row2(3));

    Command5 = makeButton(this, QStringLiteral("Command5"), tr("Général"), row1(0));
    Command6 = makeButton(this, QStringLiteral("Command6"), tr("Fréquences FM"), row1(1));
    Command3 = makeButton(this, QStringLiteral("Command3"), tr("Paramètres"), row1(2));
    show_egal = makeButton(this, QStringLiteral("show_egal"), tr("Egaliseur"), row1(3));
    Command9 = makeButton(this, QStringLiteral("Command9"), tr("WOW-SRS-3D"), row1(4));

    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(show_egal, &QPushButton::clicked, this, &Form1::show_egal_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(fin, &QPushButton::clicked, this, &Form1::fin_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(enreg_ostrel, &QPushButton::clicked, this, &Form1::enreg_ostrel_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::buildHomePage() {
    Label14 =
        makeLabel(this, QStringLiteral("Label14"), tr("questions et bugs : ostrel@example.com"),
                  twipsRect(0, 1200, 4335, 375));
    Label18 = makeLabel(this, QStringLiteral("Label18"),
                        tr("Mise à jour éventuelle : https://www.example.com/ostrel"),
                        twipsRect(0, 1560, 4815, 375));
    Label12 = makeLabel(this, QStringLiteral("Label12"), tr("Disque ostrel trouvé :"),
                        twipsRect(120, 2880, 1935, 255));
    Label11 = new PathLabel(QStringLiteral("Label11"), this);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setGeometry(twipsRect(2400, 2760, 1215, 375));
    Label11->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    colours::fillSystemBackground(Label11);
    historique = makeButton(this, QStringLiteral("historique"), tr("Historique..."),
                            twipsRect(3840, 2760, 1935, 375));
    connect(historique, &QPushButton::clicked, this, &Form1::historique_Click);
    home = new HomeOptions(SettingsImage_, *Label10, this);
}

void Form1::wireHoverHelp() {
    const std::pair<QWidget*, const char*> texts[] = {
        {Command1,
         QT_TR_NOOP("En appuyant sur ce bouton, vous rechargez les infos qui sont stockées sur "
                    "l'OSTREL")},
        {Command2,
         QT_TR_NOOP("En appuyant sur ce bouton, vous chargez les informations que vous aviez "
                    "sauvegardée sur votre disque dur")},
        {Command3,
         QT_TR_NOOP("En appuyant sur ce bouton, vous avez accès aux modifications de différents "
                    "paramètres")},
        {Command5,
         QT_TR_NOOP("En appuyant sur ce bouton, vous avez accès à la page d'accueil du programme")},
        {Command6,
         QT_TR_NOOP(
             "En appuyant sur ce bouton, vous avez accès aux modifications des fréquences FM")},
        {Command8,
         QT_TR_NOOP("En appuyant sur ce bouton, vous sauvegardez les informations courantes sur "
                    "votre disque dur")},
        {Command9,
         QT_TR_NOOP("En appuyant sur ce bouton, vous avez accès aux modifications des paramêtres "
                    "son 3D")},
        {enreg_ostrel,
         QT_TR_NOOP("en appuyant sur ce bouton, vous enregistrez vos modifications sur "
                    "l'OSTREL")},
        {fin, QT_TR_NOOP(
                  "En appuyant sur ce bouton, vous mettez fin au programme de paramétrage de votre "
                  "OSTREL")},
        {show_egal,
         QT_TR_NOOP("En appuyant sur ce bouton, vous avez accès aux modifications de l'égaliseur")},
        {Label14,
         QT_TR_NOOP("Vous pouvez envoyer toutes remarques ou suggestions à cette adresse")},
        {historique,
         QT_TR_NOOP("En appuyant sur ce bouton, vous voyez ce que chaque écriture a remplacé sur "
                    "l'OSTREL, et vous pouvez le remettre")},
        {Label10, ""}, // the status line clears the strip, as the bare window does
    };
    for (const auto& [control, text] : texts) {
        const QString help = tr(text);
        whenEvent(control, {QEvent::Enter, QEvent::MouseMove, QEvent::HoverMove},
                  [this, help] { Label13->setText(help); });
        // What the mouse shows, a screen reader reads.
        control->setAccessibleDescription(help);
    }
}

void Form1::setKeyboardOrder() {
    // "Fin" first and "Ecrire ostrel" second, then the buttons in reading
    // order; the home page and the panels follow, each in its own order.
    QWidget* const order[] = {fin,      enreg_ostrel, Command5, Command6, Command3,  show_egal,
                              Command9, Command1,     Command2, Command8, historique};
    for (std::size_t k = 1; k < std::size(order); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    // Form_MouseMove: only the bare window clears the help strip; controls that
    // pass their mouse moves on must not.
    if (childAt(event->position().toPoint()) == nullptr) {
        Label13->setText(QString());
    }
    QWidget::mouseMoveEvent(event);
}

void Form1::showPages(bool options, bool equalizer, bool fm, bool sound, bool homePage) {
    parametre->setVisible(options);
    egaliseur->setVisible(equalizer);
    Freq_FM->setVisible(fm);
    srs->setVisible(sound);
    home->Frame8->setVisible(homePage);
    home->Frame13->setVisible(homePage);
    historique->setVisible(homePage);
}

void Form1::Command5_Click() {
    showPages(false, false, false, false, true);
}
void Form1::Command6_Click() {
    showPages(false, false, true, false, false);
}
void Form1::Command3_Click() {
    showPages(true, false, false, false, false);
}
void Form1::show_egal_Click() {
    showPages(false, true, false, false, false);
}
void Form1::Command9_Click() {
    showPages(false, false, false, true, false);
}

void Form1::fin_Click() {
    close();
}

void Form1::Command1_Click() {
    // An unplugged player's file is not there to read: nothing changes.
    if (SettingsPath == DeviceSettingsPath && session_.unplugged()) {
        seams_.messages.show(tr("L'ostrel n'est pas branché : ses réglages ne peuvent pas être "
                                "relus. Rebranchez-le ; ceux de la fenêtre restent."));
        return;
    }
    fin_init();
}

void Form1::disableWriting() {
    // Once a file was not understood, it is never written back during this run.
    enreg_ostrel->setEnabled(false);
}
