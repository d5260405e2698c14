#include "menubar/PopoverFooter.h"

#include <QEvent>
#include <QGridLayout>

#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"
#include "ui/Typography.h"

namespace halvex {

PopoverFooter::PopoverFooter(int streakCount, QWidget *parent)
    : QWidget(parent)
    , m_count(streakCount)
    , m_button(new PrimaryButton(
          {.action = [this] { emit newStreakRequested(); }, .fullWidth = true}, this))
    , m_counter(new KitLabel({}, systemFont(11, FontWeight::medium),
                             Color::onAccent().withOpacity(0.6), this))
{
    setObjectName(QStringLiteral("popover.footer.newStreak"));
    // Over the button and out of the way of its clicks and of assistive tools.
    m_counter->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_counter->setAccessibleName(QString());
    m_counter->setContentsMargins(0, 0, counterTrailingPadding, 0);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_button, 0, 0);
    grid->addWidget(m_counter, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    m_counter->raise();
    retranslate();
    setStreakCount(streakCount);
}

void PopoverFooter::setStreakCount(int count)
{
    m_count = count;
    // Plain digits, the same in every language.
    m_counter->setText(QString::number(count) + u" / " + QString::number(streakLimit));
    m_counter->setVisible(count >= 1);
}

void PopoverFooter::retranslate()
{
    //% "+ New streak"
    m_button->setText(qtTrId("popover.cta.newStreak"));
}

void PopoverFooter::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
