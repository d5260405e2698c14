#include "LogCapture.h"

#include <QtGlobal>

namespace testing {

namespace {
QMutex mutex;
QStringList captured;
QtMessageHandler previous = nullptr;
int active = 0;

void handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&mutex);
        captured << QString::fromUtf8(context.category ? context.category : "default") + u": " + message;
    }
    if (previous && type >= QtWarningMsg)
        previous(type, context, message);
}
} // namespace

LogCapture::LogCapture()
{
    QMutexLocker lock(&mutex);
    captured.clear();
    if (active++ == 0)
        previous = qInstallMessageHandler(handler);
}

LogCapture::~LogCapture()
{
    QMutexLocker lock(&mutex);
    if (--active == 0)
        qInstallMessageHandler(previous);
}

QStringList LogCapture::lines() const
{
    QMutexLocker lock(&mutex);
    return captured;
}

QStringList LogCapture::messages(const QString &category) const
{
    const QString prefix = category + u": ";
    QStringList out;
    for (const QString &line : lines()) {
        if (line.startsWith(prefix))
            out << line.mid(prefix.size());
    }
    return out;
}

bool LogCapture::contains(const QString &category, const QString &message) const
{
    return messages(category).contains(message);
}

void LogCapture::clear()
{
    QMutexLocker lock(&mutex);
    captured.clear();
}

} // namespace testing
