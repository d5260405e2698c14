#include "settings/GeneralTab.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFutureWatcher>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "engine/StreakEngine.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "settings/GeneralAppearanceCards.h"
#include "settings/GeneralLoginItemCard.h"
#include "ui/KitLabel.h"
#include "ui/SettingsCard.h"
#include "ui/ToggleRow.h"

namespace halvex {

namespace {

bool isSettings(const Record *record)
{
    return &record->entity() == &AppSettings::schema();
}

} // namespace

GeneralTab::GeneralTab(const SettingsDependencies &dependencies, QWidget *parent)
    : SettingsScrollPage(parent)
    , m_dependencies(dependencies)
{
    setObjectName(QStringLiteral("settings.general"));
    heading()->setObjectName(QStringLiteral("settings.general.title"));
    ModelContext &context = m_dependencies.persistence.mainContext();
    // A record that comes or goes changes what the section can show.
    connect(&context, &ModelContext::recordInserted, this, [this](Record *record) {
        if (isSettings(record) && !m_settings)
            rebuild();
    });
    connect(&context, &ModelContext::recordRemoved, this, [this](Record *record) {
        if (record == m_settings.get())
            QMetaObject::invokeMethod(this, &GeneralTab::rebuild, Qt::QueuedConnection);
    });
    connect(&context, &ModelContext::recordChanged, this,
            [this](Record *record, const QString &field) {
                if (record == m_settings.get() &&
                    (field == u"notificationSoundEnabled" || field == u"weeklyDigestEnabled"))
                    showStoredValues();
            });
    retranslate();
    rebuild();
}

void GeneralTab::rebuild()
{
    if (m_cards) {
        m_cards->hide();
        m_cards->deleteLater();
        m_cards = nullptr;
        m_sound = m_digest = nullptr;
    }
    ModelContext &context = m_dependencies.persistence.mainContext();
    const auto found = context.fetch<AppSettings>();
    m_settings = found && !found->empty() ? found->front() : nullptr;
    if (!m_settings)
        return;

    m_cards = new QWidget;
    auto *layout = new QVBoxLayout(m_cards);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(new GeneralAppearanceCards(m_settings, context, m_dependencies.theme,
                                                 m_dependencies.translations,
                                                 QStringLiteral("settings.appearance"), m_cards));
    layout->addWidget(new GeneralLoginItemCard(m_settings, context, m_dependencies.loginItem,
                                               QStringLiteral("settings.general"), std::nullopt,
                                               m_cards));
    m_sound =
        new ToggleRow({.subtitle = QString(),
                       .accessibilityID = QStringLiteral("settings.general.notificationSound")});
    layout->addWidget(new SettingsCard(6, m_sound, m_cards));
    m_digest = new ToggleRow({.subtitle = QString(),
                              .accessibilityID = QStringLiteral("settings.general.weeklyDigest")});
    layout->addWidget(new SettingsCard(6, m_digest, m_cards));
    connect(m_sound, &ToggleRow::toggled, this, &GeneralTab::setNotificationSoundEnabled);
    connect(m_digest, &ToggleRow::toggled, this, &GeneralTab::setWeeklyDigestEnabled);

    column()->addWidget(m_cards);
    retranslate();
    showStoredValues();
}

void GeneralTab::showStoredValues()
{
    if (!m_settings)
        return;
    const QSignalBlocker quietSound(m_sound);
    const QSignalBlocker quietDigest(m_digest);
    m_sound->setOn(m_settings->notificationSoundEnabled());
    m_digest->setOn(m_settings->weeklyDigestEnabled());
}

void GeneralTab::setNotificationSoundEnabled(bool on)
{
    if (!m_settings)
        return;
    m_settings->setNotificationSoundEnabled(on);
    static_cast<void>(m_dependencies.persistence.mainContext().save());

    // Pending requests keep the sound they were made with: make them again.
    const NotificationReplanning &replan = m_dependencies.replanning;
    const NotificationReplanning::Streaks streaks = m_dependencies.streakEngine.streaks();
    std::vector<Step> steps;
    if (replan.pruneMilestones)
        steps.push_back([prune = replan.pruneMilestones, streaks] { return prune(streaks); });
    if (replan.scheduleMilestones) {
        for (const auto &streak : streaks)
            steps.push_back(
                [schedule = replan.scheduleMilestones, streak] { return schedule(streak); });
    }
    steps.push_back(replan.rescheduleWeeklyDigest);
    runInOrder(std::move(steps));
}

void GeneralTab::setWeeklyDigestEnabled(bool on)
{
    if (!m_settings)
        return;
    m_settings->setWeeklyDigestEnabled(on);
    static_cast<void>(m_dependencies.persistence.mainContext().save());
    runInOrder({m_dependencies.replanning.rescheduleWeeklyDigest});
}

void GeneralTab::runInOrder(std::vector<Step> steps)
{
    auto next = steps.begin();
    while (next != steps.end() && !*next)
        ++next;
    if (next == steps.end())
        return;
    const QFuture<void> running = (*next)();
    std::vector<Step> rest(std::make_move_iterator(next + 1), std::make_move_iterator(steps.end()));
    // Owned by the application, not by the section: closing the window
    // does not stop the re-planning half way.
    auto *watcher = new QFutureWatcher<void>(QCoreApplication::instance());
    QObject::connect(watcher, &QFutureWatcher<void>::finished, watcher,
                     [watcher, rest = std::move(rest)]() mutable {
                         watcher->deleteLater();
                         runInOrder(std::move(rest));
                     });
    watcher->setFuture(running);
}

void GeneralTab::retranslate()
{
    //% "General"
    heading()->setText(qtTrId("settings.general.title"));
    if (!m_settings)
        return;
    //% "Notification sound"
    m_sound->setTitle(qtTrId("settings.general.notificationSound.title"));
    //% "Play a sound with milestone notifications."
    m_sound->setSubtitle(qtTrId("settings.general.notificationSound.subtitle"));
    //% "Weekly recap"
    m_digest->setTitle(qtTrId("settings.general.weeklyDigest.title"));
    //% "A Sunday evening note about your longest streak and what you resisted."
    m_digest->setSubtitle(qtTrId("settings.general.weeklyDigest.subtitle"));
}

void GeneralTab::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    SettingsScrollPage::changeEvent(event);
}

} // namespace halvex
