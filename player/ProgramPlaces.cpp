#include "ProgramPlaces.h"

#include "UserAccount.h"
#include "settings/SettingsProbe.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {
// Asked of the system rather than read from the permission bits: a read-only
// mount refuses even root. For the effective user: root acting through sudo
// makes its files as the user who ran sudo.
bool canWrite(const QString& folder) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK, AT_EACCESS) == 0;
}
} // namespace

ProgramPlaces programPlaces(const QString& programFolder, const QString& dataFolder) {
    ProgramPlaces places;
    places.stationList = joinPath(programFolder, kStationListName);
    const QString shared = QDir::cleanPath(
        joinPath(programFolder, QStringLiteral("../share/ostrel-settings/") + kStationListName));
    const bool installed = !QFile::exists(places.stationList) && QFile::exists(shared);
    if (installed) {
        places.stationList = shared;
    }
    // An installed editor keeps the backup in the user's data folder whoever
    // runs it: root could write into /usr/bin. A copied, portable one keeps
    // it beside itself, when it can.
    places.backupFolder = !installed && canWrite(programFolder) ? programFolder : dataFolder;
    return places;
}

QString userDataFolder(const UserAccount& account) {
    // The same folder for the window and ostrelctl, whatever each program is
    // called: $XDG_DATA_HOME, else ~/.local/share, with the home folder taken
    // from the user's account when $HOME is missing, or may be root's.
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(data)) {
        QString home = account.throughSudo ? QString() : qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home)) {
            home = account.home;
        }
        data = joinPath(home, QStringLiteral(".local/share"));
    }
    return joinPath(data, QStringLiteral("ostrel-settings"));
}
