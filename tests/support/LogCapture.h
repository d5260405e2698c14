#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>

namespace testing {

// Records every log line written while it lives ("<category>: <message>").
class LogCapture final {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const;
    QStringList messages(const QString &category) const;
    bool contains(const QString &category, const QString &message) const;
    void clear();
};

} // namespace testing
