#pragma once

#include <QHash>
#include <QMutex>
#include <QSemaphore>
#include <QStringList>

#include "platform/ScriptHost.h"

namespace testing {

// A script host the test scripts: it records every source it is handed and
// every execution, answers each source as told, and can hold executions
// until the test lets them go.
class FakeScriptHost final : public platform::ScriptHost {
public:
    using Outcome = platform::Expected<platform::ScriptDescriptor, QVariantMap>;

    std::shared_ptr<platform::Script> makeScript(const QString &source) override
    {
        QMutexLocker lock(&m_mutex);
        m_made << source;
        if (m_unmakeable.contains(source))
            return nullptr;
        return std::make_shared<Script>(this, source);
    }

    // The answer to every later execution of source; an empty text unless told.
    void answer(const QString &source, const QString &text)
    {
        setOutcome(source, platform::ScriptDescriptor{text});
    }
    void answerNothing(const QString &source) { setOutcome(source, platform::ScriptDescriptor{}); }
    void fail(const QString &source, const QVariantMap &errorInfo)
    {
        setOutcome(source, platform::unexpected(errorInfo));
    }
    void refuseToMake(const QString &source)
    {
        QMutexLocker lock(&m_mutex);
        m_unmakeable << source;
    }

    // While holding, each execution waits for one release().
    void setHolding(bool holding)
    {
        QMutexLocker lock(&m_mutex);
        m_holding = holding;
    }
    void release() { m_gate.release(); }
    int heldCount() const
    {
        QMutexLocker lock(&m_mutex);
        return m_held;
    }

    // Sources handed to makeScript, in order.
    QStringList madeSources() const
    {
        QMutexLocker lock(&m_mutex);
        return m_made;
    }
    // Sources whose execution started, in order.
    QStringList executedSources() const
    {
        QMutexLocker lock(&m_mutex);
        return m_executed;
    }
    // Sources whose execution ran to its end, in order.
    QStringList finishedSources() const
    {
        QMutexLocker lock(&m_mutex);
        return m_finished;
    }

private:
    class Script final : public platform::Script {
    public:
        Script(FakeScriptHost *host, QString source)
            : m_host(host)
            , m_source(std::move(source))
        {}
        Outcome execute() override { return m_host->run(m_source); }

    private:
        FakeScriptHost *m_host;
        QString m_source;
    };

    void setOutcome(const QString &source, Outcome outcome)
    {
        QMutexLocker lock(&m_mutex);
        m_outcomes.insert(source, std::move(outcome));
    }

    Outcome run(const QString &source)
    {
        bool hold = false;
        {
            QMutexLocker lock(&m_mutex);
            m_executed << source;
            hold = m_holding;
            if (hold)
                ++m_held;
        }
        if (hold)
            m_gate.acquire();
        QMutexLocker lock(&m_mutex);
        if (hold)
            --m_held;
        m_finished << source;
        return m_outcomes.value(source, platform::ScriptDescriptor{QString()});
    }

    mutable QMutex m_mutex;
    QSemaphore m_gate;
    bool m_holding = false;
    int m_held = 0;
    QHash<QString, Outcome> m_outcomes;
    QStringList m_unmakeable;
    QStringList m_made;
    QStringList m_executed;
    QStringList m_finished;
};

} // namespace testing
