#include "onboarding/OnboardingChoiceButton.h"

#include <QPainter>

#include "editor/SelectionLook.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KeyboardFocusRing.h"
#include "ui/PointingHandCursor.h"

namespace halvex {

OnboardingChoiceButton::OnboardingChoiceButton(QWidget *parent)
    : QAbstractButton(parent)
    , m_look(new SelectionLook(this, false))
{
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    HoverPointingHandCursor::apply(this);
    KeyboardFocusRing::track(this);
}

bool OnboardingChoiceButton::isSelected() const
{
    return m_look->isSelected();
}

void OnboardingChoiceButton::setSelected(bool selected, bool animated)
{
    m_look->setSelected(selected, animated);
    setChecked(selected);
}

qreal OnboardingChoiceButton::look() const
{
    return m_look->value();
}

void OnboardingChoiceButton::paintFrame(QPainter &p) const
{
    const qreal t = qBound(0.0, look(), 1.0);
    const qreal lineWidth = 1.0 + t;
    p.setPen(QPen(SelectionLook::mix(Color::divider().resolve(this), Color::ink().resolve(this), t),
                  lineWidth));
    p.setBrush(Qt::NoBrush);
    const qreal inset = lineWidth / 2.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), cornerRadius,
                      cornerRadius);
    if (KeyboardFocusRing::shows(this)) {
        p.setPen(QPen(Color::accent().resolve(this), 2.0));
        p.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), cornerRadius - 2,
                          cornerRadius - 2);
    }
}

void OnboardingChoiceButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paintFrame(p);
}

bool OnboardingChoiceButton::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QAbstractButton::event(event);
}

} // namespace halvex
