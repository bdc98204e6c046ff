#pragma once

#include "PlayerIdentity.h"
#include "settings/MountTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Where the player may be mounted, and how it is found. No widgets: the
// window and the command line find the player the same way.

// The volumes where the player may be mounted, in the order they are searched;
// each entry is the folder that opening the volume gives (its root).
class VolumeList {
public:
    virtual ~VolumeList() = default;
    virtual QStringList roots() const = 0;
    // Which player the volume at `root` is, for its history; by default the
    // folder's path.
    virtual PlayerIdentity player(const QString& root) const;
};

// False for network and remote file systems, whose server may be gone and
// block any look at them for minutes, and for pseudo file systems: the player
// is never one of those.
bool mayHoldPlayer(const QString& type);

// The folders given with --volume, in the order given, then the mounts of the
// table that may hold a player, sorted by root path. A mount whose folder's
// name is not UTF-8 cannot be named, so it is passed by rather than taken
// for another folder.
class SystemVolumes : public VolumeList {
public:
    explicit SystemVolumes(QStringList extraFolders, QString mountTable = kMountTable);
    QStringList roots() const override;
    // The mounts passed by for their names, as near as they can be shown.
    QStringList unnamedRoots() const;
    PlayerIdentity player(const QString& root) const override;

private:
    QStringList extraFolders_;
    QString mountTable_;
};

// The player's settings file: the root of the last volume, in list order,
// whose root holds a settings.dat that is a regular file, and that file's name
// as spelt on the disk.
struct PlayerFile {
    QString root; // ends with a separator
    QString name;
    QString path() const { return root + name; }
};
std::optional<PlayerFile> findPlayerFile(const VolumeList& volumes);

// The option both programs take: --volume DIR or --volume=DIR at
// arguments[i]. When taken, DIR is appended to `volumes` and i left on the
// last argument used.
enum class VolumeArgument { NotOne, Taken, FolderMissing };
VolumeArgument takeVolumeArgument(const QStringList& arguments, int& i, QStringList& volumes);
