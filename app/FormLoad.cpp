// Start-up: find the player, check its file, load it, read the station list.
#include "Form1.h"

#include "PathLabel.h"
#include "StatusLine.h"
#include "player/PlayerLock.h"
#include "player/ProgramPlaces.h"
#include "radio/FmPage.h"
#include "settings/LoadCheck.h"
#include "settings/SettingsProbe.h"
#include "sound/EqualizerPage.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

bool Form1::Form_Load() {
    Label11->setText(QString());
    centreOnScreen();

    std::optional<PlayerFile> player = findPlayerFile(seams_.volumes);
    if (!player && !(player = waitForPlayer())) {
        return false;
    }
    const QString deviceDrive = player->root;

    if (!takePlayerLock(player->path())) {
        return false;
    }

    // One reading of the size serves both warnings: "attention" with the size,
    // then, once the curve list is filled, that the player is not recognised.
    DeviceSettingsPath = player->path();
    player_ = seams_.volumes.player(deviceDrive);
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

std::unique_ptr<PlayerLock> Form1::lockOf(const QString& playerFile) const {
    return std::make_unique<PlayerLock>(seams_.user.locks, playerFile, PlayerLock::Holder::Window);
}

bool Form1::takePlayerLock(const QString& playerFile) {
    // A second window on the same player would silently undo this one's edits.
    auto lock = lockOf(playerFile);
    const PlayerLock::Outcome outcome = lock->take(PlayerLock::kCommandPatience);
    const QString other = lock->otherHolder(); // another user's, or root's
    switch (outcome) {
    case PlayerLock::Outcome::Taken:
        break;
    case PlayerLock::Outcome::HeldByWindow:
        seams_.messages.show(
            other.isEmpty() ? tr("l'ostrel est déjà ouvert dans une autre fenêtre")
                            : tr("l'ostrel est déjà ouvert dans une fenêtre de %1").arg(other));
        return false;
    case PlayerLock::Outcome::HeldByCommand:
        seams_.messages.show((other.isEmpty()
                                  ? tr("Une commande ostrelctl écrit sur l'ostrel depuis "
                                       "plusieurs secondes : recommencez quand elle aura "
                                       "fini.")
                                  : tr("Une commande ostrelctl de %1 écrit sur l'ostrel depuis "
                                       "plusieurs secondes : recommencez quand elle aura fini.")
                                        .arg(other)));
        return false;
    case PlayerLock::Outcome::Unavailable:
        // Said once; the window works without it.
        if (!playerLock_) {
            seams_.messages.show(
                tr("Le verrou qui réserve l'ostrel à cette fenêtre n'a pas pu être créé "
                   "(%1). La fenêtre fonctionne, mais rien n'empêchera une autre fenêtre "
                   "ou une commande ostrelctl d'écrire sur l'ostrel en même temps.")
                    .arg(lock->problem()));
        }
        break;
    }
    playerLock_ = std::move(lock); // the lock of another file, if any, is let go
    return true;
}

bool Form1::lockIsOnPlayerFile(const FileContents& onPlayer) {
    // Another file in the player's place (another player, or the file
    // replaced) is locked before it is written; a write that will fail
    // keeps the lock it has.
    if (seams_.user.locks.own.isEmpty() || !onPlayer.ok() ||
        (playerLock_ &&
         playerLock_->path() == PlayerLock::pathFor(seams_.user.locks.own, DeviceSettingsPath))) {
        return true;
    }
    return takePlayerLock(DeviceSettingsPath);
}

void Form1::centreOnScreen() {
    const QRect area = screen()->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}
