#include "editor/StreakBypassEditToggles.h"

#include <QEvent>
#include <QVBoxLayout>

#include "editor/DividerLine.h"
#include "editor/StreakFollower.h"
#include "engine/StreakEngine.h"
#include "ui/ToggleRow.h"

namespace halvex {

StreakBypassEditToggles::StreakBypassEditToggles(const std::shared_ptr<Streak> &streak,
                                                 StreakEngine &engine, bool separated,
                                                 QWidget *parent)
    : QWidget(parent)
    , m_freePass(new ToggleRow({.accessibilityID = QStringLiteral("streakEditor.toggle.freePass")}))
    , m_externalLink(
          new ToggleRow({.accessibilityID = QStringLiteral("streakEditor.toggle.externalLink")}))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_freePass);
    if (separated)
        column->addWidget(new DividerLine);
    column->addWidget(m_externalLink);

    // Showing the stored value toggles too: only a change is written.
    connect(m_freePass, &ToggleRow::toggled, this, [&engine, streak](bool on) {
        if (on != StreakEngine::allowDailyFreePassBindingGet(streak))
            engine.allowDailyFreePassBindingSet(streak, on);
    });
    connect(m_externalLink, &ToggleRow::toggled, this, [&engine, streak](bool on) {
        if (on != StreakEngine::allowExternalLinkBypassBindingGet(streak))
            engine.allowExternalLinkBypassBindingSet(streak, on);
    });
    followStreak(this, streak, {"allowDailyFreePass", "allowExternalLinkBypass"}, [this, streak] {
        m_freePass->setOn(StreakEngine::allowDailyFreePassBindingGet(streak));
        m_externalLink->setOn(StreakEngine::allowExternalLinkBypassBindingGet(streak));
    });
    retranslate();
}

void StreakBypassEditToggles::retranslate()
{
    //% "Daily free pass"
    m_freePass->setTitle(qtTrId("streakEditor.new.freePass.title"));
    //% "Open a blocked target once a day without breaking the streak."
    m_freePass->setSubtitle(qtTrId("streakEditor.new.freePass.subtitle"));
    //% "Links from other apps"
    m_externalLink->setTitle(qtTrId("streakEditor.new.externalLink.title"));
    //% "A link opened from another app may go through without breaking the streak."
    m_externalLink->setSubtitle(qtTrId("streakEditor.new.externalLink.subtitle"));
}

void StreakBypassEditToggles::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
