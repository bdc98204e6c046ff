#pragma once

#include <QString>

// Where the program's own files lie. A copied, portable editor keeps them
// beside itself; an installed one finds its station list under share/ and
// keeps the backup in the user's data folder.
struct ProgramPlaces {
    QString stationList;  // the full path of station_fm2.csv
    QString backupFolder; // where "Sauvegarde " saves and "Lire sauvegarde" reads
};

inline const QString kStationListName = QStringLiteral("station_fm2.csv");

// The station list beside the program when it is there, else in
// ../share/ostrel-settings/ from the program's folder when it is there, else
// beside the program (where the window says it is missing). The backup beside
// a portable program (one whose station list is not taken from share/) when
// its folder can be written, else in `dataFolder`.
ProgramPlaces programPlaces(const QString& programFolder, const QString& dataFolder);

struct UserAccount;

// The user's data folder for both programs (it may not exist yet):
// ~/.local/share/ostrel-settings, or under $XDG_DATA_HOME. For root acting
// through sudo, the data folder of the user who ran sudo ($HOME may be root's).
QString userDataFolder(const UserAccount& account);
