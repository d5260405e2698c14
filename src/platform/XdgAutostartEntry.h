#pragma once

#include <QStringList>

#include "platform/LoginItem.h"

namespace platform {

// A login item as the desktop's session starts it: a desktop entry in the
// user's autostart folder whose Exec line runs the executable with the
// login-launch argument.
class XdgAutostartEntry final : public LoginItem {
public:
    struct Identity {
        QString folder;     // the autostart folder
        QString id;         // the file's name without ".desktop"
        QString name;       // shown by the desktop's startup-applications settings
        QString executable; // absolute path
    };

    explicit XdgAutostartEntry(Identity identity);

    // "$XDG_CONFIG_HOME/autostart/<desktop file name>.desktop" for this
    // process's executable.
    static XdgAutostartEntry forThisApplication();

    // An Exec value running exactly these arguments: each quoted where the
    // Desktop Entry rules ask it, with "%" doubled and the value's own
    // escapes applied.
    static QString execValue(const QStringList &arguments);
    // The whole file's text.
    QByteArray contents() const;
    QString path() const;

    // Present → enabled; absent, unreadable, Hidden or switched off by the
    // desktop (X-GNOME-Autostart-enabled=false) → not registered, as the
    // session will not start it; present but its program gone → not found.
    LoginItemStatus status() const override;
    // Written atomically, whole: the desktop never reads half an entry, and
    // the new one is on by both of the desktop's switches.
    Expected<void, LoginItemError> registerItem() override;
    Expected<void, LoginItemError> unregisterItem() override;

private:
    Identity m_identity;
};

} // namespace platform
