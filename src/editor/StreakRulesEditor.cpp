#include "editor/StreakRulesEditor.h"

#include <QEvent>
#include <QVBoxLayout>

#include "editor/ActiveWindowInput.h"
#include "editor/AllowanceInput.h"
#include "editor/AppPicker.h"
#include "editor/DividerLine.h"
#include "editor/DomainListInput.h"
#include "editor/ModeSelector.h"
#include "editor/PopoverFormBox.h"
#include "editor/StreakBypassEditToggles.h"
#include "editor/StreakFollower.h"
#include "editor/StreakNameEditField.h"
#include "engine/StreakEngine.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/ToggleRow.h"
#include "ui/Typography.h"

namespace halvex {

StreakRulesEditor::StreakRulesEditor(const std::shared_ptr<Streak> &streak, StreakEngine &engine,
                                     const platform::DesktopEntryIndex &applications, bool compact,
                                     int spacing, QWidget *parent)
    : QWidget(parent)
    , m_name(new StreakNameEditField(streak, engine))
    , m_targetsTitle(new KitLabel({}, Typography::headline17Semibold(), Color::ink()))
    , m_bypass(new StreakBypassEditToggles(streak, engine, compact))
    , m_notifications(
          new ToggleRow({.accessibilityID = QStringLiteral("streakEditor.toggle.notifications")}))
{
    const auto boxed = [compact](QWidget *section) -> QWidget * {
        return compact ? new PopoverFormBox(section) : section;
    };
    m_targetsTitle->setObjectName(QStringLiteral("streakEditor.detail.triggers.title"));

    auto *targets = new QWidget;
    auto *targetColumn = new QVBoxLayout(targets);
    targetColumn->setContentsMargins(0, 0, 0, 0);
    targetColumn->setSpacing(8);
    targetColumn->addWidget(m_targetsTitle);
    // Exactly "app" picks applications; anything else stored lists sites.
    if (streak->typeRaw() == QLatin1String("app")) {
        auto *picker = new AppPicker(applications);
        picker->bindTo(engine, streak);
        targetColumn->addWidget(picker);
    } else {
        auto *sites = new DomainListInput;
        sites->bindTo(engine, streak);
        targetColumn->addWidget(sites);
    }

    auto *mode =
        new ModeSelector(StreakEngine::modeBindingGet(streak), true,
                         compact ? ModeSelector::Style::compact : ModeSelector::Style::stacked);
    mode->bindTo(engine, streak);
    auto *activeWindow = new ActiveWindowInput;
    activeWindow->bindTo(engine, streak);
    auto *allowance = new AllowanceInput;
    allowance->bindTo(engine, streak);

    auto *toggles = new QWidget;
    auto *toggleColumn = new QVBoxLayout(toggles);
    toggleColumn->setContentsMargins(0, 0, 0, 0);
    toggleColumn->setSpacing(0);
    toggleColumn->addWidget(m_bypass);
    if (compact)
        toggleColumn->addWidget(new DividerLine);
    toggleColumn->addWidget(m_notifications);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    column->addWidget(m_name);
    column->addWidget(targets);
    column->addWidget(mode);
    column->addWidget(boxed(activeWindow));
    column->addWidget(boxed(allowance));
    column->addWidget(toggles);

    // Showing the stored value toggles too: only a change is written.
    connect(m_notifications, &ToggleRow::toggled, this, [&engine, streak](bool on) {
        if (on != StreakEngine::notificationsEnabledBindingGet(streak))
            engine.setNotificationsEnabled(streak, on);
    });
    followStreak(this, streak, {QStringLiteral("notificationsEnabled")}, [this, streak] {
        m_notifications->setOn(StreakEngine::notificationsEnabledBindingGet(streak));
    });
    retranslate();
}

void StreakRulesEditor::retranslate()
{
    //% "Blocks"
    m_targetsTitle->setText(qtTrId("streakEditor.detail.triggers.title"));
    //% "Milestone notifications"
    m_notifications->setTitle(qtTrId("streakEditor.new.notifications.title"));
    //% "A note when the streak reaches 7, 14, 30\u00a0days and beyond."
    m_notifications->setSubtitle(qtTrId("streakEditor.new.notifications.subtitle"));
}

void StreakRulesEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
