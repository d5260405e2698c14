#pragma once

#include <optional>

#include <QList>
#include <QProcessEnvironment>
#include <QString>

#include "model/PersistenceController.h"
#include "ui/NoticeView.h"

namespace platform {
class UserDefaults;
}

namespace halvex {

class BackupManager;

// What start-up must tell before the first window, where nothing can have
// been entered yet:
// - a store that could not be opened: what failed, that nothing of this run
//   will be kept, where the store and its backups are. At every such start,
//   for every run is lost.
// - a Wayland session, where only XWayland windows are seen. Once per user,
//   remembered in the user defaults once read: it is how the desktop is,
//   not something that went wrong, and repeated at every login it would be
//   noise that teaches the user to close our windows unread.
struct StartupNotices {
    std::optional<PersistenceController::OpenFailure> storeFailure;
    // The store's folder, which holds the backups folder too.
    QString storeFolder;
    QString backupsFolder;
    std::optional<QString> newestBackup;
    bool xwaylandOnly = false;

    static inline const QString xwaylandReadKey = QStringLiteral("xwaylandNoticeRead");

    // The notices due at this start.
    static StartupNotices due(const PersistenceController &persistence,
                              const BackupManager &backups, const QProcessEnvironment &environment,
                              const platform::UserDefaults &defaults);

    bool isEmpty() const { return !storeFailure && !xwaylandOnly; }
    // Remembers what is said once only.
    void markRead(platform::UserDefaults &defaults) const;

    // In the interface language, the store's first.
    QList<NoticeView::Topic> topics() const;
    // Going on is the last.
    QString continueTitle() const;
};

} // namespace halvex
