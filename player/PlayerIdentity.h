#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <utility>

// Which player a folder is, for the history of its file. Players of one
// model leave the factory with the same label, and may share a volume
// serial, so a player is known by what is most its own: the disk's hardware
// serial where the system reports one, else its file system's UUID, else its
// label and the folder it is reached at. Every entry of the history keeps
// all four, so that a restore can tell one player from another.
struct PlayerIdentity {
    QString serial; // the disk's, as /dev/disk/by-id names it (without -partN)
    QString uuid;   // the file system's (on FAT, its volume serial)
    QString label;  // the file system's
    QString path;   // the folder, links resolved
    bool operator==(const PlayerIdentity&) const = default;

    // The name its history goes by: its most specific identity.
    QString key() const;
    // What the first history called it ("uuid:...", "label:...", "path:..."),
    // so that the entries kept then are still found.
    QString legacyKey() const;
    static PlayerIdentity fromLegacyKey(const QString& key);
    // The same player, by the most specific identity both know.
    bool samePlayer(const PlayerIdentity& other) const;
    // How it is named to the user.
    QString shown() const;
};

// What the kernel itself tells of a mounted player, where udev made no
// /dev/disk links (a machine or a container without udev, a sandbox): its
// disk's serial in sysfs, the volume serial of a FAT file system from the
// mounted folder (no privilege needed), the UUID and label from the device
// when it can be read. Tests stand in for each.
std::optional<quint32> fatVolumeId(const QString& folder);
std::pair<QString, QString> probedUuidAndLabel(const QString& device);
struct KernelFacts {
    QString sysfs = QStringLiteral("/sys");
    std::function<std::optional<quint32>(const QString& folder)> volumeId = fatVolumeId;
    std::function<std::pair<QString, QString>(const QString& device)> probe = probedUuidAndLabel;
};

// The identity of the player whose root is `root`: the device mounted there
// in `mountTable`, named by the links under `diskLinks` (by-id, by-uuid,
// by-label, as udev makes them), and what `kernel` tells where they say
// nothing; only the folder's path when no device is mounted there.
PlayerIdentity playerIdentityOf(const QString& root, const QString& mountTable,
                                const QString& diskLinks = QStringLiteral("/dev/disk"),
                                const KernelFacts& kernel = {});
// A folder that is no mounted volume (a folder given with --volume).
PlayerIdentity folderIdentity(const QString& root);
