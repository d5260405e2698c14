#include "ui/TimeInputField.h"

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Typography.h"

namespace halvex {

TimeInputField::TimeInputField(int minutes, const std::optional<QString> &accessibilityID,
                               QWidget *parent)
    : QTimeEdit(parent)
{
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setFrame(false);
    setCalendarPopup(false);
    setFont(systemFont(13, FontWeight::regular));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (accessibilityID)
        setObjectName(*accessibilityID);
    applyFormat();
    applyTheme();
    setMinutes(minutes);
    connect(this, &QTimeEdit::timeChanged, this,
            [this](const QTime &time) { emit minutesChanged(minutesOf(time)); });
}

int TimeInputField::minutes() const
{
    return minutesOf(time());
}

bool TimeInputField::setMinutes(int minutes)
{
    const std::optional<QTime> t = timeForMinutes(minutes);
    if (!t)
        return false;
    if (*t != time())
        setTime(*t);
    return true;
}

std::optional<QTime> TimeInputField::timeForMinutes(int minutes)
{
    if (minutes < 0 || minutes > lastMinute)
        return std::nullopt;
    return QTime(minutes / 60, minutes % 60);
}

void TimeInputField::applyFormat()
{
    // Hours and minutes only, as the locale writes them.
    QString format = locale().timeFormat(QLocale::ShortFormat);
    format.remove(QStringLiteral(":ss")).remove(QStringLiteral(".ss")).remove(QStringLiteral("ss"));
    setDisplayFormat(format.trimmed());
}

void TimeInputField::applyTheme()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Window, Qt::transparent);
    pal.setColor(QPalette::Text, Color::ink().resolve(this));
    pal.setColor(QPalette::Highlight, Color::accent().resolve(this));
    pal.setColor(QPalette::HighlightedText, Color::onAccent().resolve(this));
    setPalette(pal);
}

bool TimeInputField::event(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange)
        applyFormat();
    else if (Environment::isChange(event))
        applyTheme();
    return QTimeEdit::event(event);
}

} // namespace halvex
