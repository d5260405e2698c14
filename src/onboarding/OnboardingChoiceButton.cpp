#include "onboarding/OnboardingChoiceButton.h"

#include <QPainter>

#include "editor/SelectionLook.h"
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
    SelectionLook::strokeOutline(p, this, look(), cornerRadius);
    SelectionLook::paintFocusRing(p, this, cornerRadius);
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
