// The commands that only read: find, show, check, diff and export.

#include "Commands.h"

#include "settings/NamedSettings.h"
#include "settings/SettingsDocument.h"

namespace {
// One file's operand, or none; more is a usage error.
std::optional<QString> oneFile(const Command& command) {
    const QStringList& operands = command.invocation.operands;
    if (operands.size() > 1) {
        command.err << CliText::tr("%1 : un seul fichier à la fois (%2)")
                           .arg(command.invocation.command, operands.join(u' '))
                    << '\n';
        return std::nullopt;
    }
    return command.fileOrPlayer(operands.value(0));
}

// A file whose values can be shown, though the window would say something of
// it: what it would say goes to the errors, as a warning.
std::optional<SettingsImage> shownImage(const Command& command, int& code) {
    code = kTrouble;
    const std::optional<QString> path = oneFile(command);
    if (!path) {
        return std::nullopt;
    }
    const std::optional<FileCheck> check = command.checked(*path);
    if (!check) {
        return std::nullopt;
    }
    for (const QString& problem : check->problems) {
        command.err << CliText::tr("%1 : %2").arg(*path, problem) << '\n';
    }
    if (!check->image) {
        return std::nullopt;
    }
    code = kDone;
    return check->image;
}

// Up to the largest settings file; the reason on the errors when not.
std::optional<QByteArray> settingsBytes(const Command& command, const QString& path) {
    FileContents contents = readSettingsContents(path);
    if (contents.failure == ReadFailure::TooLarge) {
        command.err << CliText::tr("%1 : plus de %2 octets, ce n'est pas un fichier de réglages")
                           .arg(path)
                           .arg(SettingsImage::kLargestReadable)
                    << '\n';
    } else if (!contents.ok()) {
        command.sayUnread(path, contents.failure);
    }
    return contents.ok() ? std::optional<QByteArray>(std::move(contents.bytes)) : std::nullopt;
}

QString byteText(const QByteArray& bytes, int offset) {
    return offset < bytes.size()
               ? QString::number(static_cast<quint8>(bytes[offset]), 16).rightJustified(2, u'0')
               : QStringLiteral("--");
}
} // namespace

int findCommand(const Command& command) {
    if (!command.invocation.operands.isEmpty()) {
        command.err << CliText::tr("find ne prend pas de fichier") << '\n';
        return kTrouble;
    }
    const std::optional<QString> path = command.fileOrPlayer(QString());
    if (!path) {
        return kNo;
    }
    command.out << *path << '\n';
    return kDone;
}

int showCommand(const Command& command) {
    int code = kDone;
    const std::optional<SettingsImage> image = shownImage(command, code);
    if (!image) {
        return code;
    }
    if (command.invocation.json) {
        command.out << settingsText(*image) << '\n';
        return kDone;
    }
    for (const NamedSetting& setting : namedSettings()) {
        command.out << setting.name << '=' << shownText(*image, setting) << '\n';
    }
    return kDone;
}

int exportCommand(const Command& command) {
    int code = kDone;
    const std::optional<SettingsImage> image = shownImage(command, code);
    if (image) {
        command.out << exportDocument(*image);
    }
    return code;
}

int checkCommand(const Command& command) {
    const std::optional<QString> path = oneFile(command);
    if (!path) {
        return kTrouble;
    }
    const std::optional<FileCheck> check = command.checked(*path);
    if (!check) {
        return kTrouble;
    }
    for (const QString& problem : check->problems) {
        command.out << problem << '\n';
    }
    return check->accepted() ? kDone : kNo;
}

int diffCommand(const Command& command) {
    const QStringList& files = command.invocation.operands;
    if (files.size() != 2) {
        command.err << CliText::tr("diff compare deux fichiers : ostrelctl diff A B") << '\n';
        return kTrouble;
    }
    const std::optional<QByteArray> first = settingsBytes(command, files[0]);
    const std::optional<QByteArray> second = first ? settingsBytes(command, files[1]) : first;
    if (!first || !second) {
        return kTrouble;
    }
    SettingsImage a;
    SettingsImage b;
    a.load(*first);
    b.load(*second);

    const QList<SettingChange> changes = settingChanges(a, b);
    command.printChanges(changes);
    const QList<int> others = otherDifferingOffsets(*first, *second, changes);
    command.sayOtherBytes(others.size(), !changes.isEmpty());
    if (command.invocation.bytes) {
        for (const int offset : others) {
            command.out << CliText::tr("octet %1 : %2 -> %3")
                               .arg(offset)
                               .arg(byteText(*first, offset), byteText(*second, offset))
                        << '\n';
        }
    }
    return *first == *second ? kDone : kNo;
}
