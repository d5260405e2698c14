#pragma once

#include <QMutex>

#include "platform/RunningApplications.h"

namespace testing {

// A workspace whose running applications the test lists.
class FakeRunningApplications final : public platform::RunningApplications {
public:
    QList<platform::RunningApplication> runningApplications() const override
    {
        QMutexLocker lock(&m_mutex);
        ++m_queries;
        return m_apps;
    }
    using platform::RunningApplications::runningApplications;

    void setApplications(QList<platform::RunningApplication> apps)
    {
        QMutexLocker lock(&m_mutex);
        m_apps = std::move(apps);
    }
    void add(const QString &bundleIdentifier, qint32 pid)
    {
        QMutexLocker lock(&m_mutex);
        m_apps << platform::RunningApplication{bundleIdentifier, pid};
    }
    int queries() const
    {
        QMutexLocker lock(&m_mutex);
        return m_queries;
    }

private:
    mutable QMutex m_mutex;
    mutable int m_queries = 0;
    QList<platform::RunningApplication> m_apps;
};

} // namespace testing
