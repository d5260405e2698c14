#pragma once

#include <functional>
#include <memory>

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QPromise>

#include "platform/TimerScheduler.h"

namespace fennimar {

// Runs `handler(future)` on the context's thread once the future is finished,
// always from a later turn of the event loop, and never after the context is
// gone. A cancelled future is handed over too: check isCanceled().
template <class T, class Handler>
void whenFinished(const QFuture<T> &future, QObject *context, Handler &&handler)
{
    auto *watcher = new QFutureWatcher<T>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                     [watcher, handler = std::forward<Handler>(handler)]() mutable {
                         watcher->deleteLater();
                         handler(watcher->future());
                     });
    watcher->setFuture(future);
}

// Hands the finished future's first result to the promise and finishes it;
// a cancelled one cancels the promise's future.
template <class T> void settleFrom(QPromise<T> &promise, const QFuture<T> &finished)
{
    if (finished.isCanceled() || finished.resultCount() == 0)
        promise.future().cancel();
    else
        promise.addResult(finished.result());
    promise.finish();
}

// The answer of `answer` if it comes within `seconds`, otherwise the answer
// of `onTimeout`, started when the time is up. The timeout leaves `answer`
// running. Both are watched from `context`: when it goes first, the result
// is cancelled.
template <class T>
QFuture<T> firstOrTimeout(const QFuture<T> &answer, double seconds,
                          platform::TimerScheduler &scheduler, QObject *context,
                          std::function<QFuture<T>()> onTimeout)
{
    struct Race {
        QPromise<T> promise;
        bool decided = false;
        std::shared_ptr<platform::ScheduledTimer> timer;
    };
    auto race = std::make_shared<Race>();
    race->promise.start();
    QFuture<T> result = race->promise.future();

    // The timer holds the race weakly: it must not keep it, and itself, alive.
    std::weak_ptr<Race> weakRace = race;
    race->timer = scheduler.scheduleOnce(
        seconds, [weakRace, guard = QPointer<QObject>(context), onTimeout = std::move(onTimeout)] {
            const std::shared_ptr<Race> race = weakRace.lock();
            if (!race || race->decided || !guard)
                return;
            race->decided = true;
            whenFinished(onTimeout(), guard.data(),
                         [race](const QFuture<T> &late) { settleFrom(race->promise, late); });
        });
    whenFinished(answer, context, [race](const QFuture<T> &first) {
        if (race->decided)
            return;
        race->decided = true;
        race->timer->invalidate();
        settleFrom(race->promise, first);
    });
    return result;
}

} // namespace fennimar
