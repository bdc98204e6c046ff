#include "History.h"

#include "ProgramPlaces.h"
#include "settings/RegularFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsImage.h"
#include "settings/SettingsProbe.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace {
struct HistoryText {
    Q_DECLARE_TR_FUNCTIONS(History)
};
} // namespace

namespace {
const QByteArray kMagic = "ostrel-settings history 1\n";
const QString kSuffix = QStringLiteral(".entry");
constexpr qint64 kLargestEntry = 4096;

QString folderName(const QString& player) {
    return QString::fromLatin1(
        QCryptographicHash::hash(player.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// Entry files sort by name in the order they were kept:
// 20261210-051233-123-000.entry.
QString entryName(const QDateTime& kept) {
    return kept.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + QStringLiteral("-000") +
           kSuffix;
}

QStringList entryNames(const QString& folder) {
    return QDir(folder).entryList({u'*' + kSuffix}, QDir::Files, QDir::Name);
}

QByteArray entryText(const QString& player, const QByteArray& bytes, const QDateTime& kept) {
    return kMagic + "player " + QUrl::toPercentEncoding(player) + "\nkept " +
           kept.toUTC().toString(Qt::ISODateWithMs).toLatin1() + "\n\n" + bytes;
}

HistoryEntry readEntry(const QString& path, const QString& folder, const QString& player) {
    HistoryEntry entry;
    entry.file = path;
    entry.damage = HistoryEntry::Damage::UnknownPlayer;
    const FileContents contents = readRegularFile(path, kLargestEntry);
    const QByteArray& text = contents.bytes;
    const qsizetype end = text.indexOf("\n\n");
    if (!contents.ok() || !text.startsWith(kMagic) || end < 0) {
        return entry;
    }
    for (const QByteArray& line : text.mid(kMagic.size(), end - kMagic.size()).split('\n')) {
        if (line.startsWith("player ")) {
            entry.player = QUrl::fromPercentEncoding(line.mid(7));
        } else if (line.startsWith("kept ")) {
            entry.kept = QDateTime::fromString(QString::fromLatin1(line.mid(5)), Qt::ISODateWithMs);
        }
    }
    entry.bytes = text.mid(end + 2);
    const bool ours = !entry.player.isEmpty() &&
                      QDir(folder).dirName() == folderName(entry.player) &&
                      (player.isEmpty() || entry.player == player);
    if (ours) {
        entry.damage = entry.bytes.size() == SettingsImage::kFileSize
                           ? HistoryEntry::Damage::None
                           : HistoryEntry::Damage::WrongSize;
    }
    return entry;
}

// The name after `last`, for an entry kept in the same millisecond or after
// the clock was set back.
QString nameAfter(const QString& last) {
    const int sequence = last.mid(20, 3).toInt();
    return last.left(19) + QStringLiteral("-%1").arg(sequence + 1, 3, 10, QLatin1Char('0')) +
           kSuffix;
}
} // namespace

QString HistoryEntry::damageText() const {
    switch (damage) {
    case Damage::None:
        break;
    case Damage::WrongSize:
        return HistoryText::tr("endommagée : %1 octets au lieu de %2")
            .arg(bytes.size())
            .arg(SettingsImage::kFileSize);
    case Damage::UnknownPlayer:
        return HistoryText::tr("endommagée : on ne sait pas de quel ostrel elle vient");
    }
    return QString();
}

History::History(QString folder)
    : folder_(std::move(folder)) {}

QString History::playerFolder(const QString& player) const {
    return joinPath(folder_, folderName(player));
}

QString History::keep(const QString& player, const QByteArray& bytes, const QDateTime& now) const {
    const QString folder = playerFolder(player);
    if (folder_.isEmpty()) {
        return HistoryText::tr("aucun dossier pour l'historique");
    }
    if (!QDir().mkpath(folder)) {
        return HistoryText::tr("le dossier %1 ne peut pas être créé").arg(folder);
    }
    const QStringList names = entryNames(folder);
    QString name = entryName(now);
    if (!names.isEmpty()) {
        const HistoryEntry newest = readEntry(joinPath(folder, names.last()), folder, player);
        if (newest.damage == HistoryEntry::Damage::None && newest.bytes == bytes) {
            return QString(); // already kept
        }
        // A new entry never sorts before an older one.
        if (name <= names.last()) {
            name = nameAfter(names.last());
        }
    }
    // The whole entry reaches the disk under a temporary name before it takes
    // its own: a crash leaves it whole or not at all.
    if (const std::optional<int> error =
            replaceFileWhole(joinPath(folder, name), entryText(player, bytes, now), 0600)) {
        return folderWriteReason(*error, folder);
    }
    for (qsizetype k = 0; k + kEntriesPerPlayer < names.size() + 1; ++k) {
        QFile::remove(joinPath(folder, names[k]));
    }
    return QString();
}

QList<HistoryEntry> History::entriesIn(const QString& folder, const QString& player) const {
    QList<HistoryEntry> entries;
    const QStringList names = entryNames(folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        entries.append(readEntry(joinPath(folder, *name), folder, player));
    }
    return entries;
}

QList<HistoryEntry> History::entries(const QString& player) const {
    if (folder_.isEmpty()) {
        return {};
    }
    return entriesIn(playerFolder(player), player);
}

QList<QList<HistoryEntry>> History::everyPlayer() const {
    QList<QList<HistoryEntry>> players;
    if (folder_.isEmpty()) {
        return players;
    }
    for (const QString& name :
         QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QList<HistoryEntry> entries = entriesIn(joinPath(folder_, name), QString());
        if (!entries.isEmpty()) {
            players.append(entries);
        }
    }
    return players;
}

QString userHistoryFolder(const UserAccount& account) {
    return joinPath(userDataFolder(account), QStringLiteral("history"));
}
