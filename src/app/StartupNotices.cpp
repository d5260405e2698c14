#include "app/StartupNotices.h"

#include <QDir>
#include <QFileInfo>

#include "app/DisplaySession.h"
#include "model/BackupManager.h"
#include "platform/UserDefaults.h"

namespace halvex {

StartupNotices StartupNotices::due(const PersistenceController &persistence,
                                   const BackupManager &backups,
                                   const QProcessEnvironment &environment,
                                   const platform::UserDefaults &defaults)
{
    StartupNotices notices;
    if (persistence.degraded() && persistence.openFailure()) {
        notices.storeFailure = persistence.openFailure();
        notices.storeFolder = QFileInfo(persistence.storePath()).absolutePath();
        notices.backupsFolder = backups.backupsPath();
        notices.newestBackup = backups.newestBackup();
    }
    notices.xwaylandOnly = DisplaySession::inspect(environment).warning.has_value() &&
                           !defaults.boolValue(xwaylandReadKey, false);
    return notices;
}

void StartupNotices::markRead(platform::UserDefaults &defaults) const
{
    if (xwaylandOnly)
        defaults.setValue(xwaylandReadKey, true);
}

QList<NoticeView::Topic> StartupNotices::topics() const
{
    QList<NoticeView::Topic> topics;
    if (storeFailure) {
        QStringList paragraphs;
        if (storeFailure->reason == PersistenceController::OpenFailure::Reason::readOnly) {
            //% "%1 is read-only, so Halvex leaves it as it is. Make it writable again "
            //% "and start Halvex again to use it."
            paragraphs << qtTrId("startup_notice.store.read_only")
                              .arg(QDir::toNativeSeparators(storeFailure->path));
        } else {
            //% "%1 could not be opened: %2"
            paragraphs << qtTrId("startup_notice.store.failed")
                              .arg(QDir::toNativeSeparators(storeFailure->path),
                                   storeFailure->detail);
        }
        //% "Halvex runs without it until you quit: nothing you set up or that happens "
        //% "in this run will be kept."
        paragraphs << qtTrId("startup_notice.store.not_kept");
        //% "Your store is in %1, and its daily backups are in %2."
        QString where = qtTrId("startup_notice.store.where")
                            .arg(QDir::toNativeSeparators(storeFolder),
                                 QDir::toNativeSeparators(backupsFolder));
        if (newestBackup) {
            //% "The newest backup is %1."
            where += u' ' + qtTrId("startup_notice.store.newest_backup")
                                .arg(QFileInfo(*newestBackup).fileName());
        }
        paragraphs << where;
        topics << NoticeView::Topic{
            .tone = NoticeView::Topic::Tone::warning,
            //% "Halvex could not open its store"
            .title = qtTrId("startup_notice.store.title"),
            .paragraphs = paragraphs,
            .objectName = QStringLiteral("startup_notice.store"),
        };
    }
    if (xwaylandOnly) {
        topics << NoticeView::Topic{
            .tone = NoticeView::Topic::Tone::information,
            //% "Halvex sees only some windows here"
            .title = qtTrId("startup_notice.xwayland.title"),
            .paragraphs =
                {
                    //% "This is a Wayland session: Halvex sees only the windows of applications "
                    //% "that run under XWayland, so native Wayland applications never bring up "
                    //% "a friction panel. In an X11 session Halvex sees every window."
                    qtTrId("startup_notice.xwayland.body"),
                },
            .objectName = QStringLiteral("startup_notice.xwayland"),
        };
    }
    return topics;
}

QString StartupNotices::continueTitle() const
{
    if (storeFailure) {
        //% "Continue without saving"
        return qtTrId("startup_notice.continue_unsaved");
    }
    //% "Continue"
    return qtTrId("startup_notice.continue");
}

} // namespace halvex
