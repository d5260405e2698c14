#include "editor/AllowanceInput.h"

#include <QEvent>
#include <QVBoxLayout>

#include "editor/SegmentedControl.h"
#include "editor/StreakFollower.h"
#include "engine/StreakEngine.h"
#include "ui/ToggleRow.h"

namespace halvex {

AllowanceInput::AllowanceInput(bool enabled, int minutes, QWidget *parent)
    : QWidget(parent)
    , m_enabled(enabled)
    , m_minutes(minutes)
    , m_toggle(new ToggleRow(
          {.isOn = enabled, .accessibilityID = QStringLiteral("streakEditor.allowance.toggle")},
          this))
    , m_picker(new SegmentedControl({}, this))
{
    m_picker->setObjectName(QStringLiteral("streakEditor.allowance.minutes"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(m_toggle);
    column->addWidget(m_picker);

    connect(m_toggle, &ToggleRow::toggled, this, [this](bool on) {
        if (m_refreshing || on == m_enabled)
            return;
        m_enabled = on;
        refresh();
        emit enabledEdited(on);
    });
    connect(m_picker, &SegmentedControl::segmentActivated, this, [this](int index) {
        m_minutes = choices.at(index);
        refresh();
        emit minutesEdited(m_minutes);
    });
    retranslate();
    refresh();
}

void AllowanceInput::setAllowanceEnabled(bool enabled)
{
    m_enabled = enabled;
    refresh();
}

void AllowanceInput::setMinutes(int minutes)
{
    m_minutes = minutes;
    refresh();
}

void AllowanceInput::bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak)
{
    followStreak(this, streak,
                 {QStringLiteral("allowanceEnabled"), QStringLiteral("allowanceMinutes")},
                 [this, streak] {
                     m_enabled = StreakEngine::allowanceEnabledBindingGet(streak);
                     m_minutes = StreakEngine::allowanceMinutesBindingGet(streak);
                     refresh();
                 });
    connect(this, &AllowanceInput::enabledEdited, &engine,
            [&engine, streak](bool on) { engine.setAllowanceEnabled(streak, on); });
    connect(this, &AllowanceInput::minutesEdited, &engine,
            [&engine, streak](int minutes) { engine.setAllowanceMinutes(streak, minutes); });
}

void AllowanceInput::refresh()
{
    m_refreshing = true;
    m_toggle->setOn(m_enabled);
    m_picker->setVisible(m_enabled);
    const auto found = std::find(choices.begin(), choices.end(), m_minutes);
    m_picker->setSelectedIndex(found == choices.end() ? -1 : int(found - choices.begin()));
    m_refreshing = false;
}

void AllowanceInput::retranslate()
{
    //% "Daily allowance"
    m_toggle->setTitle(qtTrId("streakEditor.allowance.title"));
    //% "Minutes a day you may spend there without the panel."
    m_toggle->setSubtitle(qtTrId("streakEditor.allowance.subtitle"));
    QStringList titles;
    for (int minutes : choices)
        //% "%1\u00a0min"
        titles << qtTrId("streakEditor.allowance.minutes").arg(minutes);
    m_picker->setTitles(titles);
    m_picker->setAccessibleName(m_toggle->title());
}

void AllowanceInput::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
