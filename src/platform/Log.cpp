#include "platform/Log.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace platform {

Logger::Logger(const char *subsystem, const char *category)
    : m_name(QByteArray(subsystem) + '.' + category)
    // Debug and info lines are kept, as the unified log keeps them; the
    // usual QT_LOGGING_RULES still filter them.
    , m_category(new QLoggingCategory(m_name.constData(), QtDebugMsg))
{
}

Logger::~Logger()
{
    delete m_category;
}

QString Logger::format(const char *format, std::initializer_list<LogArg> args)
{
    const QString text = QString::fromUtf8(format);
    QString out;
    out.reserve(text.size() + 32);
    auto next = args.begin();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'%' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        if (text.at(i + 1) == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        // A placeholder: optional length modifiers, then one conversion letter.
        qsizetype j = i + 1;
        while (j < text.size() && (text.at(j) == u'l' || text.at(j) == u'h' || text.at(j) == u'z'))
            ++j;
        if (j < text.size() && QStringView(u"sdiufg@").contains(text.at(j))) {
            if (next != args.end()) {
                out += next->text();
                ++next;
            } else {
                out += QStringView(text).mid(i, j - i + 1);
            }
            i = j;
            continue;
        }
        out += c;
    }
    return out;
}

void Logger::log(LogLevel level, const char *fmt, std::initializer_list<LogArg> args) const
{
    const QString line = format(fmt, args);
    const QLoggingCategory &cat = *m_category;
    switch (level) {
    case LogLevel::debug:
        qCDebug(cat).noquote() << line;
        break;
    case LogLevel::info:
    case LogLevel::notice:
        qCInfo(cat).noquote() << line;
        break;
    case LogLevel::error:
        qCWarning(cat).noquote() << line;
        break;
    case LogLevel::fault:
        qCCritical(cat).noquote() << line;
        break;
    }
}

namespace log {

const Logger &app()
{
    static const Logger logger(appSubsystem, "app");
    return logger;
}

const Logger &persistence()
{
    static const Logger logger(appSubsystem, "persistence");
    return logger;
}

const Logger &onboarding()
{
    static const Logger logger(appSubsystem, "onboarding");
    return logger;
}

const Logger &settings()
{
    static const Logger logger(appSubsystem, "settings");
    return logger;
}

const Logger &triggers()
{
    static const Logger logger(appSubsystem, "triggers");
    return logger;
}

const Logger &permissions()
{
    static const Logger logger(appSubsystem, "permissions");
    return logger;
}

const Logger &usage()
{
    static const Logger logger(appSubsystem, "usage");
    return logger;
}

const Logger &kit(const char *component)
{
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<Logger>> loggers;
    const std::lock_guard lock(mutex);
    auto &slot = loggers[component];
    if (!slot)
        slot = std::make_unique<Logger>(kitSubsystem, component);
    return *slot;
}

} // namespace log
} // namespace platform
