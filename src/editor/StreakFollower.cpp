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

} // namespace halvex
