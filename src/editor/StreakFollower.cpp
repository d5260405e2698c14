#include "editor/StreakFollower.h"

#include <QWidget>

#include "model/ModelContext.h"
#include "model/Streak.h"

namespace halvex {

void followStreak(QWidget *section, const std::shared_ptr<Streak> &streak,
                  const QStringList &fields, const std::function<void()> &refresh)
{
    refresh();
    ModelContext *context = streak->modelContext();
    if (!context)
        return;
    QObject::connect(context, &ModelContext::recordChanged, section,
                     [streak, fields, refresh](Record *record, const QString &field) {
                         if (record == streak.get() && fields.contains(field))
                             refresh();
                     });
}

void followStore(QWidget *owner, ModelContext &context, const std::function<void()> &refresh)
{
    QObject::connect(&context, &ModelContext::recordChanged, owner, [refresh] { refresh(); });
    QObject::connect(&context, &ModelContext::recordInserted, owner, [refresh] { refresh(); });
    QObject::connect(&context, &ModelContext::recordRemoved, owner, [refresh] { refresh(); });
    QObject::connect(&context, &ModelContext::didSave, owner, refresh);
}

} // namespace halvex
