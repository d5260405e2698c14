#include "menubar/PopoverListHeader.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>

#include "ui/BrandMark.h"
#include "ui/SymbolButton.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// A thin upright line between the actions and the quit button.
class VerticalDivider final : public QWidget {
public:
    explicit VerticalDivider(QWidget *parent)
        : QWidget(parent)
    {
        setFixedSize(1, 16);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Color::divider().resolve(this));
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }
};

SymbolButton *iconButton(const QString &symbol, const QString &name, QWidget *parent)
{
    auto *button = new SymbolButton(symbol, Symbol::sizeForFont(14), PopoverListHeader::buttonFrame,
                                    Color::inkMuted(), parent);
    button->setObjectName(name);
    return button;
}

} // namespace

PopoverListHeader::PopoverListHeader(QWidget *parent)
    : QWidget(parent)
    , m_stats(iconButton(QStringLiteral("chart.bar"), QStringLiteral("popover.footer.stats"), this))
    , m_settings(
          iconButton(QStringLiteral("gearshape"), QStringLiteral("popover.footer.settings"), this))
    , m_quit(iconButton(QStringLiteral("power"), QStringLiteral("popover.header.quit"), this))
{
    m_quit->setHoverColor(Color::destructive());
    // The product's name is the same in every language.
    auto *name =
        new KitLabel(QStringLiteral("Halvex"), Typography::title22Semibold(), Color::ink(), this);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(spacing);
    row->addWidget(BrandMark::ofHeight(logoHeight, this), 0, Qt::AlignVCenter);
    row->addWidget(name, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addSpacing(12 - spacing);
    row->addWidget(m_stats, 0, Qt::AlignVCenter);
    row->addWidget(m_settings, 0, Qt::AlignVCenter);
    row->addWidget(new VerticalDivider(this), 0, Qt::AlignVCenter);
    row->addWidget(m_quit, 0, Qt::AlignVCenter);

    connect(m_stats, &QAbstractButton::clicked, this, &PopoverListHeader::openStatsRequested);
    connect(m_settings, &QAbstractButton::clicked, this, &PopoverListHeader::openSettingsRequested);
    connect(m_quit, &QAbstractButton::clicked, this, &PopoverListHeader::quitRequested);
    retranslate();
}

void PopoverListHeader::retranslate()
{
    //% "Statistics"
    m_stats->setAccessibleName(qtTrId("popover.icon.stats.label"));
    //% "Settings"
    m_settings->setAccessibleName(qtTrId("popover.icon.settings.label"));
    //% "Quit Halvex"
    const QString quit = qtTrId("menu.status.quit");
    m_quit->setAccessibleName(quit);
    m_quit->setToolTip(quit);
}

void PopoverListHeader::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
