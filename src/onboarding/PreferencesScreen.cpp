#include "onboarding/PreferencesScreen.h"

#include <QEvent>
#include <QVBoxLayout>

#include "model/AppSettings.h"
#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingScreenLayout.h"
#include "settings/GeneralAppearanceCards.h"
#include "settings/GeneralLoginItemCard.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"
#include "ui/Typography.h"

namespace halvex {

PreferencesScreen::PreferencesScreen(OnboardingCoordinator &coordinator, Services services,
                                     QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_services(services)
    , m_title(new KitLabel({}, Typography::title22Semibold(), Color::ink()))
    , m_subtitle(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
    , m_cards(new QWidget)
    , m_continue(new PrimaryButton({.action = [this] { m_coordinator.advance(); }}))
{
    setObjectName(QStringLiteral("onboarding.preferences"));
    // The cards edit the one settings record: it exists from here on.
    const std::shared_ptr<AppSettings> settings = AppSettings::fetchOrCreate(m_services.context);

    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 32, 0, 0);
    column->setSpacing(16);

    auto *header = new QVBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(4);
    m_title->setObjectName(QStringLiteral("onboarding.preferences.title"));
    m_subtitle->setObjectName(QStringLiteral("onboarding.preferences.subtitle"));
    m_subtitle->setWordWrap(true);
    header->addWidget(m_title);
    header->addWidget(m_subtitle);
    column->addLayout(header);

    auto *cards = new QVBoxLayout(m_cards);
    cards->setContentsMargins(0, 0, 0, 0);
    cards->setSpacing(8);
    const QString prefix = QString::fromLatin1(idPrefix);
    cards->addWidget(new GeneralAppearanceCards(settings, m_services.context, m_services.theme,
                                                m_services.translations, prefix, m_cards));
    // The switch only records the wish: the coordinator registers the login
    // item when the user continues.
    cards->addWidget(new GeneralLoginItemCard(
        settings, m_services.context, m_services.loginItem, prefix,
        GeneralLoginItemCard::PendingBinding{
            [this] { return m_coordinator.launchAtLoginPending(); },
            [this](bool on) { m_coordinator.setLaunchAtLoginPending(on); }},
        m_cards));
    column->addWidget(m_cards);
    column->addStretch(1);

    m_continue->setObjectName(QStringLiteral("onboarding.preferences.continue"));
    m_layout = new OnboardingScreenLayout(
        raw(OnboardingStep::preferences), [this] { m_coordinator.goBack(); }, content, m_continue,
        this);
    auto *fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_layout);
    retranslate();
}

void PreferencesScreen::retranslate()
{
    //% "Make it yours"
    m_title->setText(qtTrId("onboarding.preferences.title"));
    //% "Choose how Halvex looks and whether it opens at login. "
    //% "You can change this later in Settings."
    m_subtitle->setText(qtTrId("onboarding.preferences.subtitle"));
    //% "Continue"
    m_continue->setText(qtTrId("onboarding.cta.continue"));
}

void PreferencesScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
