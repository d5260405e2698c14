#include "permissions/PermissionStatusCard.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/ActivityIndicator.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

PermissionStatusCard::PermissionStatusCard(Model model, std::function<void()> onFix,
                                           QWidget *parent)
    : QWidget(parent)
    , m_icon(new SymbolView(model.icon, iconSize, Color::accent(), this))
    , m_name(new KitLabel({}, Typography::body13Medium(), Color::ink(), this))
    , m_check(new SymbolView(QStringLiteral("checkmark.circle.fill"), Symbol::sizeForFont(11),
                             Color::success(), this))
    , m_spinner(new ActivityIndicator(Color::inkMuted(), this))
    , m_status(new KitLabel({}, Typography::caption11(), Color::inkMuted(), this))
    , m_fix(new SecondaryButton({.action = std::move(onFix), .compact = true}, this))
    , m_detail(new KitLabel({}, Typography::caption11(), Color::inkMuted(), this))
{
    m_icon->setFixedWidth(iconSize);
    m_icon->setAccessibleName(QString());
    m_status->setFixedHeight(statusHeight);
    m_status->setObjectName(QStringLiteral("permissionCard.status"));
    m_check->setObjectName(QStringLiteral("permissionCard.check"));
    m_spinner->setObjectName(QStringLiteral("permissionCard.spinner"));
    m_detail->setObjectName(QStringLiteral("permissionCard.detail"));
    m_detail->setWordWrap(true);

    auto *status = new QHBoxLayout;
    status->setContentsMargins(0, 0, 0, 0);
    status->setSpacing(4);
    status->addWidget(m_check, 0, Qt::AlignVCenter);
    status->addWidget(m_spinner, 0, Qt::AlignVCenter);
    status->addSpacing(4);
    status->addWidget(m_status, 0, Qt::AlignVCenter);
    status->addSpacing(4);
    status->addWidget(m_fix, 0, Qt::AlignVCenter);

    auto *header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(spacing);
    header->addWidget(m_icon, 0, Qt::AlignVCenter);
    header->addWidget(m_name, 0, Qt::AlignVCenter);
    header->addStretch(1);
    header->addLayout(status);

    auto *detail = new QHBoxLayout;
    // In line with the name.
    detail->setContentsMargins(iconSize + spacing, 0, 0, 0);
    detail->addWidget(m_detail);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(4);
    column->addLayout(header);
    column->addLayout(detail);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setModel(std::move(model));
}

void PermissionStatusCard::setModel(Model model)
{
    m_model = std::move(model);
    apply();
}

QString PermissionStatusCard::defaultStatusText(PermissionStatus status)
{
    switch (status) {
    case PermissionStatus::unchecked:
        //% "Not enabled"
        return qtTrId("settings.permissions.status.notEnabled");
    case PermissionStatus::granted:
        //% "Allowed"
        return qtTrId("settings.permissions.status.granted");
    case PermissionStatus::denied:
        break;
    }
    //% "Not allowed"
    return qtTrId("settings.permissions.status.denied");
}

QString PermissionStatusCard::defaultFixTitle(PermissionStatus status)
{
    if (status == PermissionStatus::denied) {
        //% "Open settings"
        return qtTrId("settings.permissions.fix");
    }
    //% "Allow"
    return qtTrId("onboarding.permissions.allow");
}

PermissionStatusCard::Model
PermissionStatusCard::accessibilityModel(PermissionStatus status, std::optional<QString> statusText,
                                         QString fixIdentifier)
{
    Model model{.icon = QStringLiteral("accessibility")};
    //% "Accessibility"
    model.name = qtTrId("settings.permissions.accessibility.name");
    //% "Lets Halvex see which page your browser shows, through the desktop’s "
    //% "accessibility support."
    model.detail = qtTrId("onboarding.permissions.accessibility.body");
    model.status = status;
    model.statusText = std::move(statusText);
    model.isRequesting = false;
    model.fixTitle = defaultFixTitle(status);
    model.fixIdentifier = std::move(fixIdentifier);
    return model;
}

QString PermissionStatusCard::shownStatusText() const
{
    return m_model.statusText.value_or(defaultStatusText(m_model.status));
}

void PermissionStatusCard::apply()
{
    const bool granted = m_model.status == PermissionStatus::granted;
    m_icon->setName(m_model.icon);
    m_icon->setColor(granted ? Color::success() : Color::accent());
    m_name->setText(m_model.name);

    m_check->setVisible(granted);
    m_spinner->setVisible(!granted && m_model.isRequesting);
    // Granted: always a text. Otherwise only a given one, and not over the spinner.
    const bool showsText = granted || (!m_model.isRequesting && m_model.statusText.has_value());
    m_status->setVisible(showsText);
    m_status->setText(shownStatusText());
    m_status->setColor(m_model.status == PermissionStatus::denied && !granted ? Color::destructive()
                                                                              : Color::inkMuted());

    m_fix->setVisible(!granted);
    m_fix->setText(m_model.fixTitle);
    m_fix->setEnabled(!m_model.isRequesting);
    m_fix->setObjectName(m_model.fixIdentifier.value_or(QString()));

    m_detail->setVisible(m_model.detail.has_value());
    m_detail->setText(m_model.detail.value_or(QString()));

    setAccessibleName(m_model.name + u", " + shownStatusText());
}

void PermissionStatusCard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Color::surface().resolve(this));
    p.setPen(QPen(Color::divider().resolve(this), 1.0));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
}

bool PermissionStatusCard::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
