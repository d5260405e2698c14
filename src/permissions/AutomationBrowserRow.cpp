#include "permissions/AutomationBrowserRow.h"

#include <QEvent>
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

namespace {

// One line of text, cut at the end where it does not fit; the row gives the
// status and the button their full size first.
class ElidedLine final : public QWidget {
public:
    ElidedLine(const QString &text, const QFont &font, const ThemeColor &color, QWidget *parent)
        : QWidget(parent)
        , m_text(text)
        , m_color(color)
    {
        setFont(font);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        setAccessibleName(text);
    }
    const QString &text() const { return m_text; }
    QSize sizeHint() const override
    {
        const QFontMetrics fm(font());
        return {fm.horizontalAdvance(m_text), fm.height()};
    }
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(m_color.resolve(this));
        p.setFont(font());
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(font()).elidedText(m_text, Qt::ElideRight, width()));
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }

private:
    QString m_text;
    ThemeColor m_color;
};

} // namespace

AutomationBrowserRow::AutomationBrowserRow(const QString &name, const QString &bundleId,
                                           const QString &installedId, RowStatus status,
                                           std::function<void()> onTest, QWidget *parent)
    : QWidget(parent)
    , m_bundleId(bundleId)
    , m_status(status)
    , m_icon(new SymbolView(QStringLiteral("globe"), iconSize, Color::accent(), this))
    , m_check(new SymbolView(QStringLiteral("checkmark.circle.fill"), Symbol::sizeForFont(11),
                             Color::success(), this))
    , m_spinner(new ActivityIndicator(Color::inkMuted(), this))
    , m_statusText(new KitLabel({}, Typography::caption11(), Color::inkMuted(), this))
    , m_test(new SecondaryButton({.action = std::move(onTest), .compact = true}, this))
    , m_note(new KitLabel({}, Typography::caption11(), Color::warning(), this))
{
    setObjectName(QStringLiteral("onboarding.automation.row"));
    setProperty("bundleIdentifier", bundleId);
    m_icon->setFixedWidth(iconSize);
    m_statusText->setObjectName(QStringLiteral("onboarding.automation.status"));
    m_statusText->setFixedHeight(statusHeight);
    m_test->setObjectName(QStringLiteral("onboarding.automation.testConnection"));
    m_test->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_note->setObjectName(QStringLiteral("onboarding.automation.note"));
    m_note->setWordWrap(true);
    m_note->hide();

    auto *statusGroup = new QHBoxLayout;
    statusGroup->setContentsMargins(0, 0, 0, 0);
    statusGroup->setSpacing(4);
    statusGroup->addWidget(m_check, 0, Qt::AlignVCenter);
    statusGroup->addWidget(m_spinner, 0, Qt::AlignVCenter);
    statusGroup->addWidget(m_statusText, 0, Qt::AlignVCenter);

    auto *trailing = new QHBoxLayout;
    trailing->setContentsMargins(0, 0, 0, 0);
    trailing->setSpacing(8);
    trailing->addLayout(statusGroup);
    trailing->addWidget(m_test, 0, Qt::AlignVCenter);

    auto *header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(spacing);
    header->addWidget(m_icon, 0, Qt::AlignVCenter);
    header->addWidget(new ElidedLine(name, Typography::body13Medium(), Color::ink(), this), 1,
                      Qt::AlignVCenter);
    header->addLayout(trailing);

    auto *below = new QVBoxLayout;
    // In line with the name: the symbol's width and the spacing.
    below->setContentsMargins(iconSize + spacing, 0, 0, 0);
    below->setSpacing(4);
    if (!installedId.isEmpty()) {
        auto *identifier =
            new ElidedLine(installedId, Typography::caption11Mono(), Color::inkSubtle(), this);
        identifier->setObjectName(QStringLiteral("onboarding.automation.identifier"));
        below->addWidget(identifier);
    }
    below->addWidget(m_note);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(16, 12, 16, 12);
    column->setSpacing(4);
    column->addLayout(header);
    column->addLayout(below);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAccessibleName(name);
    apply();
}

void AutomationBrowserRow::setStatus(RowStatus status)
{
    if (status == m_status)
        return;
    m_status = status;
    apply();
}

void AutomationBrowserRow::setNote(const std::optional<QString> &note)
{
    m_note->setText(note.value_or(QString()));
    m_note->setVisible(note.has_value());
}

void AutomationBrowserRow::show(RowStatus answer, bool unreadable,
                                const std::optional<QString> &reason)
{
    const bool cannotRead = unreadable && answer != RowStatus::testing;
    setStatus(cannotRead ? RowStatus::denied : answer);
    setNote(cannotRead ? reason : std::nullopt);
}

AutomationBrowserRow::RowStatus AutomationBrowserRow::statusOf(fennimar::AutomationStatus status)
{
    switch (status) {
    case fennimar::AutomationStatus::granted:
        return RowStatus::granted;
    case fennimar::AutomationStatus::denied:
        return RowStatus::denied;
    case fennimar::AutomationStatus::notDetermined:
        break;
    }
    return RowStatus::notTested;
}

QString AutomationBrowserRow::statusText(RowStatus status)
{
    switch (status) {
    case RowStatus::notTested:
        //% "Not tested"
        return qtTrId("onboarding.automation.status.notTested");
    case RowStatus::testing:
        //% "Testing…"
        return qtTrId("onboarding.automation.testing");
    case RowStatus::granted:
        //% "Can read"
        return qtTrId("onboarding.automation.status.granted");
    case RowStatus::denied:
        //% "Cannot read"
        return qtTrId("onboarding.automation.status.denied");
    case RowStatus::notInstalled:
        break;
    }
    //% "Not installed"
    return qtTrId("onboarding.automation.status.notInstalled");
}

void AutomationBrowserRow::apply()
{
    const bool granted = m_status == RowStatus::granted;
    m_icon->setColor(granted ? Color::success() : Color::accent());
    m_check->setVisible(granted);
    m_spinner->setVisible(m_status == RowStatus::testing);
    m_statusText->setText(statusText(m_status));
    m_statusText->setColor(granted                               ? Color::success()
                           : m_status == RowStatus::denied       ? Color::destructive()
                           : m_status == RowStatus::notInstalled ? Color::inkSubtle()
                                                                 : Color::inkMuted());
    //% "Test"
    m_test->setText(qtTrId("onboarding.automation.testConnection"));
    m_test->setVisible(!granted);
    m_test->setEnabled(m_status == RowStatus::notTested || m_status == RowStatus::denied);
}

void AutomationBrowserRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Color::surface().resolve(this));
    p.setPen(QPen(Color::divider().resolve(this), 1.0));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
}

void AutomationBrowserRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        apply();
    QWidget::changeEvent(event);
}

bool AutomationBrowserRow::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
