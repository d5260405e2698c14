#include "settings/GeneralLoginItemCard.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "kit/LaunchAtLogin.h"
#include "kit/LaunchAtLoginBackend.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/KitScrollArea.h"
#include "ui/SecondaryButton.h"
#include "ui/SettingsCard.h"
#include "ui/ToggleRow.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

QString errorText(bool needsApproval)
{
    if (needsApproval) {
        //% "Allow Halvex in your desktop's Startup Applications settings "
        //% "to finish turning this on."
        return qtTrId("settings.general.loginItem.requiresApproval");
    }
    //% "Couldn't change whether Halvex opens at login."
    return qtTrId("settings.general.loginItem.error");
}

} // namespace

GeneralLoginItemCard::GeneralLoginItemCard(std::shared_ptr<AppSettings> settings,
                                           ModelContext &context,
                                           fennimar::LaunchAtLoginBackend &loginItem,
                                           const QString &idPrefix,
                                           std::optional<PendingBinding> pendingIsOn,
                                           QWidget *parent)
    : QWidget(parent)
    , m_settings(std::move(settings))
    , m_context(context)
    , m_loginItem(loginItem)
    , m_pending(std::move(pendingIsOn))
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_toggle = new ToggleRow({.accessibilityID = idPrefix + u".loginItem"}, column);
    layout->addWidget(m_toggle);
    m_errorLabel = new KitLabel(QString(), Typography::caption11(), Color::destructive(), column);
    m_errorLabel->setObjectName(idPrefix + u".loginItem.error");
    m_errorLabel->setWordWrap(true);
    KitScrollArea::revealWhenShown(m_errorLabel);
    layout->addWidget(m_errorLabel);
    m_openLoginItems = new SecondaryButton(
        {.action = [] { fennimar::LaunchAtLogin::openSystemSettings(); }}, column);
    m_openLoginItems->setObjectName(idPrefix + u".loginItem.openLoginItems");
    layout->addWidget(m_openLoginItems, 0, Qt::AlignLeft);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new SettingsCard(8, column, this));

    connect(m_toggle, &ToggleRow::toggled, this, &GeneralLoginItemCard::setLoginItemOn);
    connect(&m_context, &ModelContext::recordChanged, this,
            [this](Record *record, const QString &field) {
                if (!m_pending && record == m_settings.get() && field == u"loginItemEnabled")
                    showState();
            });
    retranslate();
    showState();
}

bool GeneralLoginItemCard::shownValue() const
{
    return m_pending ? m_pending->read() : m_settings->loginItemEnabled();
}

void GeneralLoginItemCard::setLoginItemOn(bool on)
{
    if (m_pending) {
        m_pending->write(on);
        showState();
        return;
    }
    const auto changed = m_loginItem.setEnabled(on);
    // Turning off what the session does not run anyway is no failure.
    if (changed || (!on && !m_loginItem.isEnabled())) {
        m_settings->setLoginItemEnabled(on);
        m_error.reset();
        m_needsApproval = false;
    } else {
        // Show what the session really does, not what was asked.
        m_settings->setLoginItemEnabled(m_loginItem.isRequested());
        m_needsApproval =
            changed.error().kind() == fennimar::LaunchAtLoginError::Kind::requiresApproval;
        m_error = errorText(m_needsApproval);
    }
    static_cast<void>(m_context.save());
    showState();
}

void GeneralLoginItemCard::showState()
{
    {
        const QSignalBlocker quiet(m_toggle);
        m_toggle->setOn(shownValue());
    }
    m_errorLabel->setText(m_error.value_or(QString()));
    m_errorLabel->setVisible(m_error.has_value());
    m_openLoginItems->setVisible(m_needsApproval);
}

void GeneralLoginItemCard::retranslate()
{
    //% "Open at login"
    m_toggle->setTitle(qtTrId("settings.general.loginItem"));
    //% "Open Startup Applications settings…"
    m_openLoginItems->setText(qtTrId("settings.general.loginItem.openLoginItems"));
    if (m_error)
        m_error = errorText(m_needsApproval);
    showState();
}

void GeneralLoginItemCard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
