#pragma once

#include <memory>

#include <QFuture>
#include <QString>
#include <QThreadPool>
#include <QVariantMap>

#include "browsers/ProbeError.h"
#include "platform/DeadlineScheduler.h"
#include "platform/Expected.h"
#include "platform/ScriptHost.h"

namespace halvex {

class SerialExecutor;

using ScriptRunResult = platform::Expected<platform::ScriptDescriptor, ProbeError>;

// Runs scripts for one browser bridge: each distinct source is made into a
// script object once and kept, scripts run one at a time off the caller's
// thread in the order submitted, and each caller hears the outcome exactly
// once, by the deadline if one is set.
class AppleScriptRunner final {
public:
    AppleScriptRunner(std::shared_ptr<platform::ScriptHost> host,
                      std::shared_ptr<platform::DeadlineScheduler> deadlines,
                      QThreadPool *pool = QThreadPool::globalInstance());
    ~AppleScriptRunner();
    Q_DISABLE_COPY_MOVE(AppleScriptRunner)

    // A timeout that is zero, negative, infinite or NaN means none: the
    // caller waits for the script. After a timeout the script still runs to
    // its end and its result is dropped.
    QFuture<ScriptRunResult> runAsync(const QString &source, double timeout);

    // The failure an error dictionary stands for.
    static ProbeError mapError(const QVariantMap &errorInfo);

private:
    struct Cache;

    std::shared_ptr<Cache> m_cache;
    std::shared_ptr<SerialExecutor> m_executor;
    std::shared_ptr<platform::DeadlineScheduler> m_deadlines;
};

} // namespace halvex
