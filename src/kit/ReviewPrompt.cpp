#include "kit/ReviewPrompt.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QWidget>

#include "kit/Telemetry.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"

namespace fennimar {

namespace {

std::optional<QDateTime> dateAt(const platform::UserDefaults &defaults, const QString &key)
{
    const std::optional<double> seconds = defaults.doubleValue(key);
    if (!seconds)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(qint64(*seconds * 1000.0), Qt::UTC);
}

double secondsSince1970(const QDateTime &time)
{
    return double(time.toMSecsSinceEpoch()) / 1000.0;
}

std::optional<QString> trimmedText(const std::optional<QString> &text)
{
    if (!text)
        return std::nullopt;
    const QString trimmed = text->trimmed();
    return trimmed.isEmpty() ? std::nullopt : std::optional<QString>(trimmed);
}

} // namespace

ReviewPrompt::ReviewPrompt(Parts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{}

ReviewPromptPolicy::Usage ReviewPrompt::usage() const
{
    const platform::UserDefaults &d = m_parts.defaults;
    ReviewPromptPolicy::Usage usage;
    usage.firstUseAt = dateAt(d, firstUseAtKey);
    usage.useDays = d.integerValue(useDaysKey).value_or(0);
    usage.presentations = d.integerValue(presentationsKey).value_or(0);
    usage.lastPresentedAt = dateAt(d, lastPresentedAtKey);
    usage.useDaysAtLastPresentation = d.integerValue(useDaysAtLastPresentationKey).value_or(0);
    usage.completed = dateAt(d, completedAtKey).has_value();
    return usage;
}

void ReviewPrompt::recordUse()
{
    platform::UserDefaults &d = m_parts.defaults;
    const QDateTime now = m_parts.now();
    if (!d.doubleValue(firstUseAtKey))
        d.setValue(firstUseAtKey, secondsSince1970(now));
    const QString today = dayKey(now, m_parts.calendar);
    if (d.stringValue(lastUseDayKey) == today)
        return;
    d.setValue(lastUseDayKey, today);
    d.setValue(useDaysKey, d.integerValue(useDaysKey).value_or(0) + 1);
}

bool ReviewPrompt::shouldPresent() const
{
    return ReviewPromptPolicy::shouldPresent(m_parts.settings(), usage(), m_parts.now());
}

void ReviewPrompt::markPresented()
{
    platform::UserDefaults &d = m_parts.defaults;
    const qint64 presentations = d.integerValue(presentationsKey).value_or(0) + 1;
    d.setValue(presentationsKey, presentations);
    d.setValue(lastPresentedAtKey, secondsSince1970(m_parts.now()));
    d.setValue(useDaysAtLastPresentationKey, d.integerValue(useDaysKey).value_or(0));
    m_parts.telemetry.track(QStringLiteral("review_prompt.presented"),
                            {{QStringLiteral("count"), presentations}});
}

QFuture<ReviewPrompt::SubmitResult> ReviewPrompt::submit(int rating,
                                                         const std::optional<QString> &body,
                                                         const std::optional<QString> &authorName,
                                                         const QString &localeIdentifier)
{
    QJsonObject object{
        {QStringLiteral("slug"), m_parts.slug},
        {QStringLiteral("installId"), m_parts.installId()},
        {QStringLiteral("rating"), rating},
        {QStringLiteral("locale"), localeCode(localeIdentifier)},
    };
    const std::optional<QString> text = trimmedText(body);
    if (text)
        object.insert(QStringLiteral("body"), *text);
    if (const std::optional<QString> author = trimmedText(authorName))
        object.insert(QStringLiteral("authorName"), *author);

    HTTPRequest request;
    QUrl url = m_parts.backendBaseURL;
    QString path = url.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    url.setPath(path + QStringLiteral("/api/reviews/app"));
    request.url = url;
    request.method = "POST";
    request.setHeader("Content-Type", "application/json");
    request.body = QJsonDocument(object).toJson(QJsonDocument::Compact);

    const bool written = text.has_value();
    return m_parts.http.send(request).then(
        this, [this, rating, written](const HTTPClient::Result &result) -> SubmitResult {
            if (!result)
                return platform::unexpected(SubmitError::transport());
            const int status = result->statusCode;
            if (status < 200 || status > 299)
                return platform::unexpected(SubmitError::status(status));
            m_parts.defaults.setValue(completedAtKey, secondsSince1970(m_parts.now()));
            m_parts.telemetry.track(
                QStringLiteral("review_prompt.submitted"),
                {{QStringLiteral("rating"), rating}, {QStringLiteral("written"), written}});
            return {};
        });
}

void ReviewPrompt::requestSystemReview(QWidget *)
{
    markPresented();
    platform::log::kit("ReviewPrompt").debug("no store review sheet on this system");
}

bool ReviewPrompt::isRegularWindowVisible()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        const Qt::WindowFlags flags = widget->windowFlags();
        const Qt::WindowType type = widget->windowType();
        // Tool windows (the popover, the friction panel and its overlays),
        // popups and tooltips are not the user's windows.
        const bool ordinary = type == Qt::Window || type == Qt::Dialog;
        // Decorated by the window manager, with a title bar.
        const bool titled = !(flags & (Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)) &&
                            (!(flags & Qt::CustomizeWindowHint) || (flags & Qt::WindowTitleHint));
        const bool normalLevel =
            !(flags & (Qt::WindowStaysOnTopHint | Qt::WindowStaysOnBottomHint));
        // A minimised window is not on screen.
        const bool onScreen = widget->isVisible() && !widget->isMinimized();
        if (onScreen && ordinary && titled && normalLevel)
            return true;
    }
    return false;
}

QString ReviewPrompt::dayKey(const QDateTime &time, const QTimeZone &calendar)
{
    const QDate date = time.toTimeZone(calendar).date();
    if (!date.isValid())
        return QStringLiteral("0-0-0");
    return QString::number(date.year()) + u'-' + QString::number(date.month()) + u'-' +
           QString::number(date.day());
}

QString ReviewPrompt::localeCode(const QString &identifier)
{
    static const QStringList supported{"en", "tr", "de", "es", "fr", "ja"};
    const QLocale locale(identifier);
    QString code =
        locale.language() == QLocale::C ? identifier : QLocale::languageToCode(locale.language());
    return supported.contains(code) ? code : QStringLiteral("en");
}

} // namespace fennimar
