#pragma once

#include <initializer_list>

#include <QLoggingCategory>
#include <QString>

namespace platform {

// One argument of a log line. Strings and numbers only: the format's
// placeholders are filled in order, so nothing is read through a va_list.
class LogArg final {
public:
    LogArg(const QString &text) : m_text(text) {}
    LogArg(const char *text) : m_text(QString::fromUtf8(text)) {}
    LogArg(int value) : m_text(QString::number(value)) {}
    LogArg(long value) : m_text(QString::number(value)) {}
    LogArg(long long value) : m_text(QString::number(value)) {}
    LogArg(unsigned value) : m_text(QString::number(value)) {}
    LogArg(unsigned long value) : m_text(QString::number(value)) {}
    LogArg(unsigned long long value) : m_text(QString::number(value)) {}
    LogArg(double value) : m_text(QString::number(value)) {}
    LogArg(bool value) : m_text(value ? QStringLiteral("true") : QStringLiteral("false")) {}

    const QString &text() const { return m_text; }

private:
    QString m_text;
};

enum class LogLevel { debug, info, notice, error, fault };

// The unified log's place: one logger per subsystem and category, named
// "<subsystem>.<category>" as a QLoggingCategory. Writing never fails.
class Logger final {
public:
    Logger(const char *subsystem, const char *category);
    ~Logger();
    Q_DISABLE_COPY_MOVE(Logger)

    const QLoggingCategory &category() const { return *m_category; }

    void log(LogLevel level, const char *format, std::initializer_list<LogArg> args = {}) const;
    void debug(const char *format, std::initializer_list<LogArg> args = {}) const
    {
        log(LogLevel::debug, format, args);
    }
    void info(const char *format, std::initializer_list<LogArg> args = {}) const
    {
        log(LogLevel::info, format, args);
    }
    void notice(const char *format, std::initializer_list<LogArg> args = {}) const
    {
        log(LogLevel::notice, format, args);
    }
    void error(const char *format, std::initializer_list<LogArg> args = {}) const
    {
        log(LogLevel::error, format, args);
    }
    void fault(const char *format, std::initializer_list<LogArg> args = {}) const
    {
        log(LogLevel::fault, format, args);
    }

    // Fills printf-style placeholders (%s, %d, %ld, %lld, %u, %f, %@) in order;
    // "%%" is a literal percent sign. Missing arguments leave the placeholder.
    static QString format(const char *format, std::initializer_list<LogArg> args);

private:
    QByteArray m_name;
    QLoggingCategory *m_category;
};

namespace log {

inline constexpr const char *appSubsystem = "com.fennimar.halvex";
inline constexpr const char *kitSubsystem = "fennimarkit";

// The application's categories, each one shared logger made on first use.
const Logger &app();
const Logger &persistence();
const Logger &onboarding();
const Logger &settings();
const Logger &triggers();
const Logger &permissions();
const Logger &usage();

// The support library's loggers, one per component ("Telemetry", "Crash", ...).
const Logger &kit(const char *component);

} // namespace log
} // namespace platform
