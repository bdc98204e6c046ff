// Start-up: find the player, check its file, load it, read the station list.
#include "Form1.h"

#include "PathLabel.h"
#include "StatusLine.h"
#include "player/ProgramPlaces.h"
#include "radio/FmPage.h"
#include "settings/LoadCheck.h"
#include "settings/SettingsProbe.h"
#include "sound/EqualizerPage.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <utility>

bool Form1::Form_Load() {
    Label11->setText(QString());
    centreOnScreen();

    std::optional<PlayerFile> player = session_.find();
    if (!player && !(player = waitForPlayer())) {
        return false;
    }
    const QString deviceDrive = player->root;
    // Launched again for a player whose window is open: that window comes
    // forward, and this program ends.
    if (seams_.bus) {
        if (const std::optional<QString> other = windowHolding(*seams_.bus, player->path())) {
            bringForward(*seams_.bus, *other);
            return false;
        }
    }
    if (!session_.open(*player, *this)) {
        return false;
    }
    if (seams_.bus) {
        WindowHost& host = *this;
        onBus_ = std::make_unique<WindowOnBus>(*seams_.bus, host);
    }

    // One reading of the size serves both warnings: "attention" with the size,
    // then, once the curve list is filled, that the player is not recognised.
    DeviceSettingsPath = session_.path();
    const QStringList sizeWarnings = sizeMessages(QFileInfo(DeviceSettingsPath).size());
    const bool recognised = sizeWarnings.isEmpty();
    if (!recognised) {
        seams_.messages.show(sizeWarnings.first());
    }
    Label11->setPath(deviceDrive);

    egaliseur->fillCurveList();

    if (!recognised) {
        seams_.messages.show(sizeWarnings.last());
        disableWriting();
    }
    SettingsPath = DeviceSettingsPath;
    fin_init();

    const ProgramPlaces places = programPlaces(seams_.programFolder, seams_.user.data);
    StationListPath = places.stationList;
    BackupFolder = places.backupFolder;
    Freq_FM->loadStationList(StationListPath);

    // "Lire sauvegarde" only when a backup lies where "Sauvegarde " saves.
    Command2->setEnabled(settingsFileIn(BackupFolder).has_value());
    watchThePlayer();
    return true;
}

bool Form1::goOn(LockOutcome outcome, const QString& otherHolder, const QString& problem) {
    // A second window on the same player would silently undo this one's edits.
    switch (outcome) {
    case LockOutcome::Taken:
        return true;
    case LockOutcome::HeldByWindow:
        seams_.messages.show(
            otherHolder.isEmpty()
                ? tr("l'ostrel est déjà ouvert dans une autre fenêtre")
                : tr("l'ostrel est déjà ouvert dans une fenêtre de %1").arg(otherHolder));
        return false;
    case LockOutcome::HeldByCommand:
        seams_.messages.show((otherHolder.isEmpty()
                                  ? tr("Une commande ostrelctl écrit sur l'ostrel depuis "
                                       "plusieurs secondes : recommencez quand elle aura "
                                       "fini.")
                                  : tr("Une commande ostrelctl de %1 écrit sur l'ostrel depuis "
                                       "plusieurs secondes : recommencez quand elle aura fini.")
                                        .arg(otherHolder)));
        return false;
    case LockOutcome::Unavailable:
        // Said once; the window works without it.
        if (!std::exchange(lockProblemSaid_, true)) {
            seams_.messages.show(
                tr("Le verrou qui réserve l'ostrel à cette fenêtre n'a pas pu être créé "
                   "(%1). La fenêtre fonctionne, mais rien n'empêchera une autre fenêtre "
                   "ou une commande ostrelctl d'écrire sur l'ostrel en même temps.")
                    .arg(problem));
        }
        return true;
    }
    return false;
}

void Form1::centreOnScreen() {
    const QRect area = screen()->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}
