// The player comes and goes: plugged in after start-up, unplugged while the
// window is open, plugged back (often as another device, at another mount
// point). The window follows it by its identity, as the history does.
#include "Form1.h"

#include "PathLabel.h"
#include "StatusLine.h"
#include "settings/NamedSettings.h"

#include <QGuiApplication>

std::optional<PlayerFile> Form1::waitForPlayer() {
    // The message stays the program's last word when OK is pressed; while it
    // is open, a player plugged in closes it and the window opens on it.
    std::optional<PlayerFile> found;
    QMetaObject::Connection watching;
    if (seams_.mountEvents) {
        watching = connect(seams_.mountEvents, &MountEvents::changed, this, [this, &found] {
            if (!found && (found = session_.find())) {
                seams_.messages.closeMessage();
            }
        });
    }
    seams_.messages.show(tr("l'ostrel n'a pas été trouvé"));
    disconnect(watching);
    return found;
}

void Form1::watchThePlayer() {
    if (seams_.mountEvents) {
        connect(seams_.mountEvents, &MountEvents::changed, this, &Form1::mountsChanged,
                Qt::UniqueConnection);
    }
}

void Form1::mountsChanged() {
    switch (session_.follow()) {
    case PlayerSession::Moved::Nothing:
        return;
    case PlayerSession::Moved::Unplugged:
        Label10->setText(tr("l'ostrel a été débranché : vos modifications restent dans la "
                            "fenêtre ; rebranchez-le pour les écrire"));
        return;
    case PlayerSession::Moved::Back:
        if (SettingsPath == DeviceSettingsPath) {
            SettingsPath = session_.path();
        }
        DeviceSettingsPath = session_.path();
        Label11->setPath(session_.root());
        Label10->setText(tr("l'ostrel est de retour : %1").arg(session_.root()));
        return;
    }
}

bool Form1::holds(const QString& path) const {
    return session_.holds(path);
}

void Form1::comeForward(const QString& activationToken) {
    // On Wayland, the compositor lets a window take the focus only with the
    // token the desktop gave the launch; Qt takes it from the environment.
    if (!activationToken.isEmpty() && QGuiApplication::platformName() == QLatin1String("wayland")) {
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

OutsideWritten Form1::writeFromOutside(const OutsideWrite& write) {
    QByteArray image = SettingsImage_.fileBytes();
    const OutsideWritten written = session_.writeFromOutside(write, image);
    if (written.outcome == OutsideWritten::Written) {
        SettingsImage read, made;
        read.load(write.expected);
        made.load(write.bytes);
        QStringList names;
        for (const SettingChange& change : settingChanges(read, made)) {
            names.append(change.name);
        }
        showSettings(image);
        Label10->sayOutsideWrite(names, image != write.bytes);
    }
    return written;
}
