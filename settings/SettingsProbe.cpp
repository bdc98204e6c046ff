#include "SettingsProbe.h"

#include <QDir>

QString joinPath(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))) {
        return folder + name;
    }
    return folder + QLatin1Char('/') + name;
}

std::optional<QString> settingsFileIn(const QString& folder) {
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    const QDir dir(folder);
    std::optional<QString> found;
    // "System" entries here are pipes, sockets and devices, and a link would
    // make a write land on another file: none of them is a settings file.
    const QDir::Filters filters = QDir::Files | QDir::Hidden | QDir::NoSymLinks;
    const auto files = dir.entryList(filters);
    for (const QString& name : files) {
        if (name.compare(kSettingsFileName, Qt::CaseInsensitive) == 0) {
            if (found) {
                return std::nullopt;
            }
            found = name;
        }
    }
    return found;
}
