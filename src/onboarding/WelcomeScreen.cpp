#include "onboarding/WelcomeScreen.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingScreenLayout.h"
#include "ui/BrandMark.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/PrimaryButton.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

QFont brandFont()
{
    QFont font = Typography::rounded56Heavy();
    font.setLetterSpacing(QFont::AbsoluteSpacing, -1.0);
    return font;
}

} // namespace

WelcomeScreen::WelcomeScreen(OnboardingCoordinator &coordinator, QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_content(new QWidget)
    , m_fade(new QGraphicsOpacityEffect(m_content))
    , m_tagline(new KitLabel({}, Typography::body13(), Color::inkMuted(), m_content))
    , m_begin(new PrimaryButton({.action = [this] { m_coordinator.advance(); }}))
{
    setObjectName(QStringLiteral("onboarding.welcome"));

    auto *column = new QVBoxLayout(m_content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addStretch(1);
    column->addWidget(BrandMark::ofHeight(logoHeight, m_content), 0, Qt::AlignHCenter);
    column->addSpacing(16);
    // The product's name is never translated.
    auto *brand = new KitLabel(QStringLiteral("Halvex"), brandFont(), Color::ink(), m_content);
    brand->setObjectName(QStringLiteral("OnboardingWelcomeBrand"));
    brand->setAlignment(Qt::AlignCenter);
    column->addWidget(brand, 0, Qt::AlignHCenter);
    column->addSpacing(32);
    m_tagline->setObjectName(QStringLiteral("onboarding.welcome.tagline"));
    m_tagline->setWordWrap(true);
    m_tagline->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Wrapped at its full width, so its height is that of the wrapped text.
    m_tagline->setFixedWidth(taglineWidth);
    column->addWidget(m_tagline, 0, Qt::AlignHCenter);
    column->addStretch(1);

    m_fade->setOpacity(0.0);
    m_content->setGraphicsEffect(m_fade);
    m_begin->setObjectName(QStringLiteral("OnboardingBeginButton"));

    m_layout =
        new OnboardingScreenLayout(raw(OnboardingStep::welcome), {}, m_content, m_begin, this);
    auto *fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_layout);
    retranslate();
}

void WelcomeScreen::setContentOpacity(qreal opacity)
{
    m_contentOpacity = opacity;
    if (!m_fade)
        return;
    if (opacity >= 1.0) {
        // Fully there: draw directly again, not through the effect.
        m_content->setGraphicsEffect(nullptr);
        return;
    }
    m_fade->setOpacity(qBound(0.0, opacity, 1.0));
}

void WelcomeScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_appeared)
        return;
    m_appeared = true;
    if (Motion::reduceMotion()) {
        appear();
        return;
    }
    QTimer::singleShot(appearDelayMs, this, &WelcomeScreen::appear);
}

void WelcomeScreen::appear()
{
    Motion::animate(this, "contentOpacity", 0.0, 1.0, Motion::gentleSpring());
}

void WelcomeScreen::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        m_begin->isClickable()) {
        m_begin->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WelcomeScreen::retranslate()
{
    //% "Build streaks away from the apps and sites that pull you in. "
    //% "When one comes up, Halvex puts a pause in the way."
    m_tagline->setText(qtTrId("onboarding.welcome.tagline"));
    // A centred item is given its plain size hint: ask for the wrapped height.
    m_tagline->setMinimumHeight(m_tagline->heightForWidth(taglineWidth));
    //% "Get started"
    m_begin->setText(qtTrId("onboarding.welcome.cta.begin"));
}

void WelcomeScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
