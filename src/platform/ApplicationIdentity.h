#pragma once

#include <QString>
#include <QStringList>

#include "platform/DesktopEntryIndex.h"

namespace platform {

// What a window tells about the application behind it.
struct WindowIdentityHints {
    QString applicationId;   // _GTK_APPLICATION_ID
    QString desktopFile;     // _KDE_NET_WM_DESKTOP_FILE
    QString wmClassInstance; // WM_CLASS, first string
    QString wmClassName;     // WM_CLASS, second string
    QString executable;      // the process's executable path
};

// Names an application by its desktop-file id, the one identity the
// application picker, onboarding and the frontmost detector share.
class ApplicationIdentity final {
public:
    explicit ApplicationIdentity(const DesktopEntryIndex &index)
        : m_index(index)
    {}

    // In order: the window's application id, its desktop-file hint, WM_CLASS
    // matched against StartupWMClass, ids and names (ignoring case), the
    // executable matched against Exec, and last the WM_CLASS class itself.
    // Empty when the window tells nothing.
    QString resolve(const WindowIdentityHints &hints) const;

    // The identifier under which the rest of the program knows an
    // application: the ids of the catalogue's browsers become the
    // catalogue's identifiers ("firefox-esr" is "org.mozilla.firefox",
    // "chromium" and "google-chrome" are "com.google.Chrome").
    static QString presented(const QString &desktopId);
    // The desktop-file ids that present as bundleIdentifier, itself first.
    static QStringList desktopIds(const QString &bundleIdentifier);

private:
    QString matchWindowClass(const QString &windowClass) const;
    QString matchExecutable(const QString &executable) const;

    const DesktopEntryIndex &m_index;
};

} // namespace platform
