#include "browsers/AppleScriptRunner.h"

#include <atomic>
#include <cmath>
#include <limits>

#include <QHash>
#include <QMutex>
#include <QPromise>

#include "browsers/SerialExecutor.h"

namespace halvex {

namespace {

const QString compileFailure = QStringLiteral("Failed to compile AppleScript");
const QString runnerGone = QStringLiteral("runner deallocated");
const QString timedOut = QStringLiteral("timeout");
const QString unknownError = QStringLiteral("Unknown AppleScript error");

// One call's race between its script and its deadline: the first to claim
// the call resumes the caller, the other's outcome is dropped.
struct Call {
    QMutex lock;
    bool fired = false;
    // Set when the deadline won: the work item, if it has not started, never will.
    std::atomic<bool> cancelled = false;
    QPromise<ScriptRunResult> promise;

    bool claim()
    {
        QMutexLocker locker(&lock);
        if (fired)
            return false;
        fired = true;
        return true;
    }

    // Called only by the claimer, after the lock has been let go.
    void resume(const ScriptRunResult &result)
    {
        promise.addResult(result);
        promise.finish();
    }
};

std::chrono::milliseconds delayFor(double seconds)
{
    // QTimer counts in int milliseconds; later deadlines are as good as none.
    const double ms = std::ceil(seconds * 1000.0);
    const double limit = double(std::numeric_limits<int>::max());
    return std::chrono::milliseconds(qint64(ms < limit ? ms : limit));
}

} // namespace

struct AppleScriptRunner::Cache {
    explicit Cache(std::shared_ptr<platform::ScriptHost> h)
        : host(std::move(h))
    {}

    std::shared_ptr<platform::ScriptHost> host;
    QMutex lock;
    QHash<QString, std::shared_ptr<platform::Script>> compiledScripts;

    ScriptRunResult execute(const QString &source)
    {
        std::shared_ptr<platform::Script> script;
        {
            QMutexLocker locker(&lock);
            script = compiledScripts.value(source);
        }
        if (!script) {
            script = host->makeScript(source);
            if (!script)
                return platform::unexpected(ProbeError::scriptFailure(compileFailure));
            QMutexLocker locker(&lock);
            compiledScripts.insert(source, script);
        }
        platform::Expected<platform::ScriptDescriptor, QVariantMap> outcome = script->execute();
        if (!outcome)
            return platform::unexpected(mapError(outcome.error()));
        return std::move(outcome).value();
    }
};

AppleScriptRunner::AppleScriptRunner(std::shared_ptr<platform::ScriptHost> host,
                                     std::shared_ptr<platform::DeadlineScheduler> deadlines,
                                     QThreadPool *pool)
    : m_cache(std::make_shared<Cache>(std::move(host)))
    , m_executor(SerialExecutor::create(pool))
    , m_deadlines(std::move(deadlines))
{}

// Queued work finds the cache gone and reports it; a running script keeps
// the cache alive until it ends.
AppleScriptRunner::~AppleScriptRunner() = default;

QFuture<ScriptRunResult> AppleScriptRunner::runAsync(const QString &source, double timeout)
{
    auto call = std::make_shared<Call>();
    call->promise.start();
    QFuture<ScriptRunResult> future = call->promise.future();

    m_executor->submit([weakCache = std::weak_ptr<Cache>(m_cache), call, source] {
        if (call->cancelled)
            return;
        const std::shared_ptr<Cache> cache = weakCache.lock();
        if (!cache) {
            if (call->claim())
                call->resume(platform::unexpected(ProbeError::scriptFailure(runnerGone)));
            return;
        }
        ScriptRunResult result = cache->execute(source);
        if (call->claim())
            call->resume(result);
    });

    if (std::isfinite(timeout) && timeout > 0) {
        m_deadlines->schedule(delayFor(timeout), [call] {
            if (!call->claim())
                return;
            call->cancelled = true;
            call->resume(platform::unexpected(ProbeError::scriptFailure(timedOut)));
        });
    }
    return future;
}

ProbeError AppleScriptRunner::mapError(const QVariantMap &errorInfo)
{
    std::optional<qint64> number;
    const QVariant numberValue =
        errorInfo.value(QString::fromLatin1(platform::scriptErrorNumberKey));
    bool isNumber = false;
    const qint64 n = numberValue.toLongLong(&isNumber);
    if (numberValue.isValid() && isNumber)
        number = n;

    const QVariant messageValue =
        errorInfo.value(QString::fromLatin1(platform::scriptErrorMessageKey));
    const QString message =
        messageValue.typeId() == QMetaType::QString ? messageValue.toString() : unknownError;

    if (number == platform::scriptErrorNotPermitted)
        return ProbeError::automationDenied();
    return ProbeError::scriptFailure(message);
}

} // namespace halvex
