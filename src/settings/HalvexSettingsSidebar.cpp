#include "settings/HalvexSettingsSidebar.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "kit/TipJar.h"
#include "settings/SettingsRouter.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Motion.h"
#include "ui/PointingHandCursor.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr int symbolFrame = 18;
constexpr int symbolSize = 14;
constexpr int spacing = 8;

} // namespace

SidebarRow::SidebarRow(const QString &symbol, QWidget *parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
{
    setFont(Typography::body13());
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    HoverPointingHandCursor::apply(this);
}

void SidebarRow::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    const qreal target = selected ? 1.0 : 0.0;
    if (isVisible())
        Motion::animate(this, "selectionLook", m_selectionLook, target,
                        {QEasingCurve::OutQuad, selectionChangeMs});
    else
        setSelectionLook(target);
}

void SidebarRow::setSelectionLook(qreal look)
{
    m_selectionLook = look;
    update();
}

void SidebarRow::setMinimumTextScale(qreal scale)
{
    m_minimumTextScale = scale;
    update();
}

void SidebarRow::setAccentForeground(bool accent)
{
    m_accentForeground = accent;
    update();
}

QColor SidebarRow::fillColor() const
{
    const QColor plain = m_hovering ? Color::ink().withOpacity(hoverFillOpacity).resolve(this)
                                    : QColor(Qt::transparent);
    return Color::mix(plain, Color::accent().withOpacity(selectedFillOpacity).resolve(this),
                      m_selectionLook);
}

QColor SidebarRow::foregroundColor() const
{
    const QColor accent = Color::accent().resolve(this);
    return Color::mix(m_accentForeground ? accent : Color::ink().resolve(this), accent,
                      m_selectionLook);
}

QSize SidebarRow::sizeHint() const
{
    const QFontMetrics fm(font());
    return {2 * horizontalPadding + symbolFrame + spacing + fm.horizontalAdvance(text()),
            qMax(symbolFrame, fm.height()) + 2 * verticalPadding};
}

QSize SidebarRow::minimumSizeHint() const
{
    return {2 * horizontalPadding + symbolFrame, sizeHint().height()};
}

QFont SidebarRow::fittedFont(int width) const
{
    QFont fitted = font();
    const int natural = QFontMetrics(fitted).horizontalAdvance(text());
    if (natural <= width || m_minimumTextScale >= 1.0 || natural == 0)
        return fitted;
    const qreal scale = qMax(m_minimumTextScale, qreal(width) / natural);
    if (fitted.pixelSize() > 0)
        fitted.setPixelSize(qMax(1, int(fitted.pixelSize() * scale)));
    else
        fitted.setPointSizeF(fitted.pointSizeF() * scale);
    return fitted;
}

void SidebarRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF shape(rect());
    p.setPen(Qt::NoPen);
    p.setBrush(fillColor());
    p.drawRoundedRect(shape, cornerRadius, cornerRadius);
    if (m_selectionLook > 0) {
        const QRectF bar(0, (height() - selectionBar.height()) / 2.0, selectionBar.width(),
                         selectionBar.height());
        p.setOpacity(m_selectionLook);
        p.setBrush(Color::accent().resolve(this));
        p.drawRoundedRect(bar, bar.width() / 2, bar.width() / 2);
        p.setOpacity(1.0);
    }

    const QColor foreground = foregroundColor();
    const QRect content = rect().adjusted(horizontalPadding, 0, -horizontalPadding, 0);
    const QRect symbol(content.left() + (symbolFrame - symbolSize) / 2, (height() - symbolSize) / 2,
                       symbolSize, symbolSize);
    Symbol::paint(p, symbol, m_symbol, foreground);
    const QRect textRect = content.adjusted(symbolFrame + spacing, 0, 0, 0);
    const QFont fitted = fittedFont(textRect.width());
    p.setFont(fitted);
    p.setPen(foreground);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(fitted).elidedText(text(), Qt::ElideRight, textRect.width()));
}

void SidebarRow::enterEvent(QEnterEvent *event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SidebarRow::leaveEvent(QEvent *event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

bool SidebarRow::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QAbstractButton::event(event);
}

HalvexSettingsSidebar::HalvexSettingsSidebar(SettingsRouter &selection,
                                             const fennimar::TipJar &tipJar, QWidget *parent)
    : QWidget(parent)
    , m_selection(selection)
{
    setObjectName(QStringLiteral("settings.sidebar"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 12, 8, 8);
    layout->setSpacing(2);
    for (SettingsTab tab : allSettingsTabs) {
        auto *row = new SidebarRow(symbolName(tab), this);
        row->setObjectName(u"settings.sidebar." + raw(tab));
        connect(row, &QAbstractButton::clicked, this,
                [this, tab] { m_selection.setSelectedTab(tab); });
        layout->addWidget(row);
        m_rows << row;
    }
    layout->addStretch(1);
    layout->addSpacing(12);

    m_tipRow = new SidebarRow(QStringLiteral("cup.and.saucer.fill"), this);
    m_tipRow->setObjectName(QStringLiteral("settings.sidebar.tip"));
    // A second band and bar would read as a second selection.
    m_tipRow->setAccentForeground(true);
    m_tipRow->setMinimumTextScale(0.9);
    m_tipRow->setToolTip(fennimar::TipJar::url().toString());
    connect(m_tipRow, &QAbstractButton::clicked, this,
            [&tipJar] { tipJar.open(QStringLiteral("sidebar")); });
    layout->addWidget(m_tipRow);

    connect(&m_selection, &SettingsRouter::selectedTabChanged, this,
            &HalvexSettingsSidebar::showSelection);
    retranslate();
    showSelection();
}

SidebarRow *HalvexSettingsSidebar::row(SettingsTab tab) const
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (allSettingsTabs[size_t(i)] == tab)
            return m_rows[i];
    }
    return nullptr;
}

void HalvexSettingsSidebar::showSelection()
{
    for (SettingsTab tab : allSettingsTabs)
        row(tab)->setSelected(tab == m_selection.selectedTab());
}

void HalvexSettingsSidebar::retranslate()
{
    for (SettingsTab tab : allSettingsTabs) {
        row(tab)->setText(title(tab));
        row(tab)->setAccessibleName(title(tab));
    }
    //% "Buy me a coffee"
    m_tipRow->setText(qtTrId("settings.sidebar.tip"));
}

void HalvexSettingsSidebar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Color::background().resolve(this));
}

void HalvexSettingsSidebar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool HalvexSettingsSidebar::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
