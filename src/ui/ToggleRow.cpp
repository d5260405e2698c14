#include "ui/ToggleRow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/ToggleSwitch.h"
#include "ui/Typography.h"

namespace halvex {

ToggleRow::ToggleRow(Options options, QWidget *parent)
    : QWidget(parent)
    , m_title(new KitLabel(options.title, Typography::body13Medium(), Color::ink(), this))
    , m_subtitle(new KitLabel(options.subtitle.value_or(QString()), Typography::caption11(),
                              Color::inkMuted(), this))
    , m_switch(new ToggleSwitch(this))
{
    m_subtitle->setWordWrap(true);
    m_subtitle->setVisible(options.subtitle.has_value());
    m_switch->setChecked(options.isOn);
    m_switch->setObjectName(options.accessibilityID.value_or(QString()));
    m_switch->setAccessibleName(options.title);

    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(4);
    texts->addWidget(m_title);
    texts->addWidget(m_subtitle);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 10, 0, 10);
    row->setSpacing(12);
    row->addLayout(texts, 1);
    row->addWidget(m_switch, 0, Qt::AlignVCenter);

    connect(m_switch, &ToggleSwitch::toggled, this, &ToggleRow::toggled);
}

bool ToggleRow::isOn() const
{
    return m_switch->isChecked();
}

void ToggleRow::setOn(bool on)
{
    m_switch->setChecked(on);
}

QString ToggleRow::title() const
{
    return m_title->text();
}

void ToggleRow::setTitle(const QString &title)
{
    m_title->setText(title);
    m_switch->setAccessibleName(title);
}

std::optional<QString> ToggleRow::subtitle() const
{
    return m_subtitle->isVisibleTo(this) ? std::optional<QString>(m_subtitle->text())
                                         : std::nullopt;
}

void ToggleRow::setSubtitle(const std::optional<QString> &subtitle)
{
    m_subtitle->setText(subtitle.value_or(QString()));
    m_subtitle->setVisible(subtitle.has_value());
}

} // namespace halvex
