#include "History.h"

#include "settings/RegularFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsImage.h"
#include "settings/SettingsProbe.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <cerrno>

namespace {
struct HistoryText {
    Q_DECLARE_TR_FUNCTIONS(History)
};
} // namespace

namespace {
// Entries of the first history: "player ID" in the header, named after the
// time they were kept (20261210-051233-123-000.entry). Entries now: numbered
// in the order they were kept, then the id (0000000042-k7m2qa.entry).
const QByteArray kFirstMagic = "ostrel-settings history 1\n";
const QByteArray kMagic = "ostrel-settings history 2\n";
const QRegularExpression kNumbered(QStringLiteral("^([0-9]{10})-([a-z0-9]+)\\.entry$"));
const QRegularExpression kDated(QStringLiteral("^[0-9]{8}-[0-9]{6}-[0-9]{3}-[0-9]{3}\\.entry$"));
// A header names the player's folder (a path of any length a file system
// allows, percent-encoded) and little else.
constexpr qint64 kLargestHeader = 64 * 1024;
// Ids: a letter, then letters and digits, never 0/o or 1/l.
constexpr char kIdLetters[] = "abcdefghijkmnpqrstuvwxyz";
constexpr char kIdSigns[] = "abcdefghijkmnpqrstuvwxyz23456789";
constexpr int kIdLength = 6;

QString folderName(const QString& key) {
    return QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// An id from `number` (random for a new entry, a hash for one of the first history).
QString idFrom(quint64 number) {
    QString id{QLatin1Char(kIdLetters[number % (sizeof kIdLetters - 1)])};
    number /= sizeof kIdLetters - 1;
    for (int k = 1; k < kIdLength; ++k, number /= sizeof kIdSigns - 1) {
        id += QLatin1Char(kIdSigns[number % (sizeof kIdSigns - 1)]);
    }
    return id;
}

struct EntryName {
    QString name;
    quint64 number = 0; // its place in the order kept; 0 for the first history's
    QString id;
    // Numbered ones by their number, then the first history's by their date
    // (all older: they came before).
    bool newerThan(const EntryName& other) const {
        return number != other.number ? number > other.number : name > other.name;
    }
};

// The entry files of a folder, newest first: numbered ones by their number,
// then the first history's by their date (all older: they came before).
QList<EntryName> entryNames(const QString& folder) {
    QList<EntryName> names;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.entry")}, QDir::Files)) {
        if (const QRegularExpressionMatch numbered = kNumbered.match(name); numbered.hasMatch()) {
            names.append({name, numbered.captured(1).toULongLong(), numbered.captured(2)});
        } else if (kDated.match(name).hasMatch()) {
            const QByteArray hash =
                QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1);
            names.append({name, 0, idFrom(qFromBigEndian<quint64>(hash.constData()))});
        }
    }
    std::sort(names.begin(), names.end(),
              [](const EntryName& a, const EntryName& b) { return a.newerThan(b); });
    return names;
}

QByteArray field(const char* name, const QString& value) {
    return QByteArray(name) + ' ' + QUrl::toPercentEncoding(value) + '\n';
}

QByteArray entryText(const QString& id, const PlayerIdentity& player, const QByteArray& bytes,
                     const QDateTime& kept) {
    return kMagic + field("id", id) + field("serial", player.serial) + field("uuid", player.uuid) +
           field("label", player.label) + field("path", player.path) +
           field("kept", kept.toUTC().toString(Qt::ISODateWithMs)) + "size " +
           QByteArray::number(bytes.size()) + "\n\n" + bytes;
}

HistoryEntry readEntry(const QString& folder, const EntryName& name) {
    HistoryEntry entry;
    entry.id = name.id;
    entry.file = joinPath(folder, name.name);
    entry.damage = HistoryEntry::Damage::UnknownPlayer;
    const FileContents contents =
        readRegularFile(entry.file, kLargestHeader + History::kLargestKept);
    const QByteArray& text = contents.bytes;
    const bool first = text.startsWith(kFirstMagic);
    const qsizetype end = text.indexOf("\n\n");
    if (!contents.ok() || (!first && !text.startsWith(kMagic)) || end < 0) {
        return entry;
    }
    QString legacyKey;
    qint64 size = -1;
    for (const QByteArray& line : text.mid(kMagic.size(), end - kMagic.size()).split('\n')) {
        const qsizetype blank = line.indexOf(' ');
        const QByteArray key = line.left(blank);
        const QString value = QUrl::fromPercentEncoding(line.mid(blank + 1));
        if (key == "player") {
            legacyKey = value;
        } else if (key == "serial") {
            entry.player.serial = value;
        } else if (key == "uuid") {
            entry.player.uuid = value;
        } else if (key == "label") {
            entry.player.label = value;
        } else if (key == "path") {
            entry.player.path = value;
        } else if (key == "kept") {
            entry.kept = QDateTime::fromString(value, Qt::ISODateWithMs);
        } else if (key == "size") {
            size = value.toLongLong();
        }
    }
    entry.bytes = text.mid(end + 2);
    if (first) {
        entry.player = PlayerIdentity::fromLegacyKey(legacyKey);
        size = SettingsImage::kFileSize; // the first history kept only whole files
    }
    const QString key = first ? legacyKey : entry.player.key();
    if (!key.isEmpty() && QDir(folder).dirName() == folderName(key)) {
        entry.damage = entry.bytes.size() == size ? HistoryEntry::Damage::None
                                                  : HistoryEntry::Damage::WrongSize;
    }
    return entry;
}

// The folders where a player's entries lie: its own, and the one the first
// history named it by, when another.
QStringList playerFolders(const QString& history, const PlayerIdentity& player) {
    QStringList folders{joinPath(history, folderName(player.key()))};
    const QString first = joinPath(history, folderName(player.legacyKey()));
    if (first != folders[0]) {
        folders.append(first);
    }
    return folders;
}

// The entries of a player's folders, newest first.
QList<HistoryEntry> entriesIn(const QStringList& folders) {
    QList<std::pair<EntryName, QString>> all;
    for (const QString& folder : folders) {
        for (const EntryName& name : entryNames(folder)) {
            all.append({name, folder});
        }
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const auto& a, const auto& b) { return a.first.newerThan(b.first); });
    QList<HistoryEntry> entries;
    for (const auto& [name, folder] : all) {
        entries.append(readEntry(folder, name));
    }
    return entries;
}
} // namespace

QString HistoryEntry::keptText() const {
    return kept.isValid() ? kept.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                          : QString();
}

bool HistoryEntry::restorable() const {
    return damage == Damage::None && bytes.size() == SettingsImage::kFileSize;
}

QString HistoryEntry::damageText() const {
    switch (damage) {
    case Damage::None:
        break;
    case Damage::WrongSize:
        return HistoryText::tr("endommagée : elle n'a plus la taille qu'elle avait");
    case Damage::UnknownPlayer:
        return HistoryText::tr("endommagée : on ne sait pas de quel ostrel elle vient");
    }
    if (bytes.size() != SettingsImage::kFileSize) {
        return HistoryText::tr("un fichier de l'ostrel endommagé : %1 octets au lieu de %2")
            .arg(bytes.size())
            .arg(SettingsImage::kFileSize);
    }
    return QString();
}

History::History(QString folder)
    : folder_(std::move(folder)) {}

QString History::keep(const PlayerIdentity& player, const QByteArray& bytes,
                      const QDateTime& now) const {
    if (folder_.isEmpty()) {
        return HistoryText::tr("aucun dossier pour l'historique");
    }
    const QString folder = playerFolders(folder_, player).first();
    if (!QDir().mkpath(folder)) {
        return HistoryText::tr("le dossier %1 ne peut pas être créé").arg(folder);
    }
    const QList<HistoryEntry> kept = entries(player);
    if (!kept.isEmpty() && kept[0].damage == HistoryEntry::Damage::None && kept[0].bytes == bytes) {
        return QString(); // already kept
    }
    const QList<EntryName> names = entryNames(folder);
    quint64 number = names.isEmpty() ? 1 : names[0].number + 1;
    QStringList ids;
    for (const HistoryEntry& entry : kept) {
        ids.append(entry.id);
    }
    // Made under a name no entry has: another program keeping an entry at the
    // same moment takes the next number.
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt, ++number) {
        QString id = idFrom(QRandomGenerator::system()->generate64());
        while (ids.contains(id)) {
            id = idFrom(QRandomGenerator::system()->generate64());
        }
        const QString name =
            QStringLiteral("%1-%2.entry").arg(number, 10, 10, QLatin1Char('0')).arg(id);
        error =
            writeFileWhole(joinPath(folder, name), entryText(id, player, bytes, now), 0600, false)
                .value_or(0);
    }
    if (error != 0) {
        return folderWriteReason(error, folder);
    }
    // The new entry is the newest: the oldest kept past the hundredth go.
    for (qsizetype k = kEntriesPerPlayer - 1; k < kept.size(); ++k) {
        QFile::remove(kept[k].file);
    }
    return QString();
}

QList<HistoryEntry> History::entries(const PlayerIdentity& player) const {
    if (folder_.isEmpty()) {
        return {};
    }
    QList<HistoryEntry> entries = entriesIn(playerFolders(folder_, player));
    // The first history's folder may hold another player of the same UUID.
    entries.removeIf([&](const HistoryEntry& entry) {
        return entry.damage != HistoryEntry::Damage::UnknownPlayer &&
               !entry.player.samePlayer(player);
    });
    return entries;
}

QList<QList<HistoryEntry>> History::everyPlayer() const {
    QList<QList<HistoryEntry>> players;
    if (folder_.isEmpty()) {
        return players;
    }
    for (const QString& name :
         QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QList<HistoryEntry> entries = entriesIn({joinPath(folder_, name)});
        if (!entries.isEmpty()) {
            players.append(entries);
        }
    }
    return players;
}

std::optional<HistoryEntry> History::find(const QString& id) const {
    if (folder_.isEmpty() || id.isEmpty()) {
        return std::nullopt;
    }
    for (const QString& name :
         QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = joinPath(folder_, name);
        for (const EntryName& entry : entryNames(folder)) {
            if (entry.id == id) {
                return readEntry(folder, entry);
            }
        }
    }
    return std::nullopt;
}

QString historyFolderIn(const QString& dataFolder) {
    return joinPath(dataFolder, QStringLiteral("history"));
}
