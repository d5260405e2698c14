#include "onboarding/OnboardingProgressIndicator.h"

#include <QEvent>
#include <QPainter>

#include "ui/Color.h"
#include "ui/Environment.h"

namespace halvex {

OnboardingProgressIndicator::OnboardingProgressIndicator(int currentStep, int totalSteps,
                                                         QWidget *parent)
    : QWidget(parent)
    , m_currentStep(currentStep)
    , m_totalSteps(qMax(0, totalSteps))
{
    setObjectName(QStringLiteral("onboarding.progress"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    retranslate();
}

QSize OnboardingProgressIndicator::sizeHint() const
{
    const int width = m_totalSteps == 0 ? 0 : m_totalSteps * dotSize + (m_totalSteps - 1) * spacing;
    return {width, dotSize};
}

void OnboardingProgressIndicator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal top = (height() - dotSize) / 2.0;
    const qreal left = (width() - sizeHint().width()) / 2.0;
    for (int index = 0; index < m_totalSteps; ++index) {
        const QRectF dot(left + index * (dotSize + spacing), top, dotSize, dotSize);
        if (index == m_currentStep) {
            p.setPen(Qt::NoPen);
            p.setBrush(Color::ink().resolve(this));
            p.drawEllipse(dot);
        } else {
            // The border lies inside the dot's edge, in muted ink: a thin
            // round stroke shows lighter than its colour, and the divider
            // colour all but vanished against the window.
            p.setPen(QPen(Color::inkMuted().resolve(this), 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(dot.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
}

void OnboardingProgressIndicator::retranslate()
{
    //% "Step %1 of %2"
    const QString format = qtTrId("accessibility.step_progress");
    setAccessibleName(format.arg(m_currentStep + 1).arg(m_totalSteps));
}

void OnboardingProgressIndicator::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool OnboardingProgressIndicator::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
