#include "onboarding/OnboardingHostView.h"

#include <QAbstractAnimation>
#include <QPainter>

#include "onboarding/FirstStreakScreen.h"
#include "onboarding/ModeSelectionScreen.h"
#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingPermissionsView.h"
#include "onboarding/OnboardingScreenLayout.h"
#include "onboarding/PreferencesScreen.h"
#include "onboarding/WelcomeScreen.h"
#include "model/PersistenceController.h"
#include "ui/Color.h"
#include "ui/Motion.h"

namespace halvex {

namespace {

// The screen that was, as a picture over the new one, fading away.
class LeavingScreen final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)
public:
    LeavingScreen(const QPixmap &picture, QWidget *parent)
        : QWidget(parent)
        , m_picture(picture)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(parent->rect());
    }
    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity)
    {
        m_opacity = opacity;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setOpacity(qBound(0.0, m_opacity, 1.0));
        p.drawPixmap(rect(), m_picture);
    }

private:
    QPixmap m_picture;
    qreal m_opacity = 1.0;
};

} // namespace

OnboardingHostView::OnboardingHostView(OnboardingCoordinator &coordinator, Services services,
                                       QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_services(services)
{
    setObjectName(QStringLiteral("onboarding.host"));
    setFixedSize(OnboardingScreenLayout::width, OnboardingScreenLayout::height);
    setAutoFillBackground(false);
    connect(&m_coordinator, &OnboardingCoordinator::stepChanged, this,
            &OnboardingHostView::showStep);
    showStep(m_coordinator.step());
}

QWidget *OnboardingHostView::makeScreen(OnboardingStep step)
{
    switch (step) {
    case OnboardingStep::welcome:
        return new WelcomeScreen(m_coordinator, this);
    case OnboardingStep::preferences:
        return new PreferencesScreen(m_coordinator,
                                     {m_services.persistence.mainContext(), m_services.loginItem,
                                      m_services.theme, m_services.translations},
                                     this);
    case OnboardingStep::firstStreak:
        return new FirstStreakScreen(m_coordinator, m_services.installed, this);
    case OnboardingStep::modeSelection:
        return new ModeSelectionScreen(m_coordinator, this);
    case OnboardingStep::permissions:
        return new OnboardingPermissionsView(
            m_coordinator,
            {m_services.permissionManager, m_services.persistence, m_services.browserProbes,
             m_services.notificationAuthorization, m_services.installed},
            this);
    case OnboardingStep::done:
        break;
    }
    return nullptr;
}

void OnboardingHostView::showStep(OnboardingStep step)
{
    if (m_screen) {
        if (isVisible() && !Motion::reduceMotion()) {
            auto *leaving = new LeavingScreen(m_screen->grab(), this);
            if (QAbstractAnimation *fade =
                    Motion::animate(leaving, "opacity", 1.0, 0.0, Motion::gentleSpring()))
                connect(fade, &QAbstractAnimation::finished, leaving, &QObject::deleteLater);
            else
                leaving->deleteLater();
            leaving->show();
        }
        // Its state goes with it; a button of it may still be on the stack.
        m_screen->hide();
        m_screen->deleteLater();
        m_screen = nullptr;
    }
    QWidget *screen = makeScreen(step);
    if (!screen)
        return;
    m_screen = screen;
    screen->setGeometry(rect());
    screen->show();
    screen->lower();
    // Keys go to the screen: Escape backs up, Return begins.
    if (auto *layout = screen->findChild<OnboardingScreenLayout *>()) {
        layout->setFocusPolicy(Qt::ClickFocus);
        if (!screen->focusWidget())
            layout->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace halvex

#include "OnboardingHostView.moc"
