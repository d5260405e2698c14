#pragma once

#include <functional>

#include <QDateTime>
#include <QFuture>
#include <QObject>
#include <QString>
#include <QTimeZone>
#include <QUrl>

#include "kit/HTTPClient.h"
#include "kit/RemoteConfig.h"
#include "kit/ReviewPromptPolicy.h"
#include "platform/Expected.h"

class QWidget;

namespace platform {
class UserDefaults;
}

namespace fennimar {

class Telemetry;

// Decides when the application may ask for a rating, keeps the bookkeeping
// in the user defaults (nothing in memory between calls), and sends a
// rating to the maker's backend. Main thread only.
class ReviewPrompt final : public QObject {
    Q_OBJECT
public:
    struct SubmitError {
        enum class Kind { status, transport };
        Kind kind = Kind::transport;
        // The HTTP status of a `status` error.
        int code = 0;

        static SubmitError status(int code) { return {Kind::status, code}; }
        static SubmitError transport() { return {Kind::transport, 0}; }
        friend bool operator==(const SubmitError &, const SubmitError &) = default;
    };
    using SubmitResult = platform::Expected<void, SubmitError>;

    struct Parts {
        QString slug;
        QUrl backendBaseURL;
        HTTPClient http;
        platform::UserDefaults &defaults;
        // Use days are calendar days here.
        QTimeZone calendar;
        std::function<QDateTime()> now;
        std::function<RemoteConfig::ReviewPrompt()> settings;
        std::function<QString()> installId;
        Telemetry &telemetry;
    };

    static inline const QString firstUseAtKey =
        QStringLiteral("fennimarkit.reviewPrompt.firstUseAt");
    static inline const QString lastUseDayKey =
        QStringLiteral("fennimarkit.reviewPrompt.lastUseDay");
    static inline const QString useDaysKey = QStringLiteral("fennimarkit.reviewPrompt.useDays");
    static inline const QString presentationsKey =
        QStringLiteral("fennimarkit.reviewPrompt.presentations");
    static inline const QString lastPresentedAtKey =
        QStringLiteral("fennimarkit.reviewPrompt.lastPresentedAt");
    static inline const QString useDaysAtLastPresentationKey =
        QStringLiteral("fennimarkit.reviewPrompt.useDaysAtLastPresentation");
    static inline const QString completedAtKey =
        QStringLiteral("fennimarkit.reviewPrompt.completedAt");

    explicit ReviewPrompt(Parts parts, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ReviewPrompt)

    // Counts today as a use day, once per calendar day.
    void recordUse();
    bool shouldPresent() const;
    // Called right before the application shows its prompt.
    void markPresented();
    // Sends the rating; a blank body or author name is left out. Success
    // ends all prompting for good. The future ends on the main thread.
    QFuture<SubmitResult> submit(int rating, const std::optional<QString> &body,
                                 const std::optional<QString> &authorName,
                                 const QString &localeIdentifier);
    // Records a presentation and asks for the system's own review sheet. No
    // such sheet exists here, so nothing is shown.
    void requestSystemReview(QWidget *anchor = nullptr);

    // Whether an ordinary window of the application, decorated with a title
    // bar at the normal level, is on screen (not minimised); the prompt waits
    // while one is. Frameless and tool windows do not count.
    static bool isRegularWindowVisible();

    RemoteConfig::ReviewPrompt currentSettings() const { return m_parts.settings(); }
    ReviewPromptPolicy::Usage usage() const;

    // "2026-3-8": year, month and day in the calendar, without padding.
    static QString dayKey(const QDateTime &time, const QTimeZone &calendar);
    // The language of the locale when the application has it, else "en".
    static QString localeCode(const QString &identifier);
    // The review settings of the remote configuration in force.
    static RemoteConfig::ReviewPrompt settingsOf(const RemoteConfig::Payload &payload)
    {
        return payload.effectiveReviewPrompt();
    }

private:
    Parts m_parts;
};

} // namespace fennimar
