#include "editor/SeededDomainsRow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/DomainListInput.h"
#include "editor/PlainTextButton.h"
#include "editor/PopoverFormBox.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

SeededDomainsRow::SeededDomainsRow(DomainPreset preset, qint64 count, QWidget *parent)
    : QWidget(parent)
    , m_preset(preset)
    , m_count(count)
    , m_title(new KitLabel({}, Typography::body13Medium(), Color::ink()))
    , m_countLabel(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
    , m_showAll(new PlainTextButton({.font = systemFont(11, FontWeight::semibold),
                                     .color = Color::accent(),
                                     .verticalPadding = 0}))
{
    setObjectName(QStringLiteral("streakEditor.domains.seeded"));
    m_showAll->setObjectName(QStringLiteral("streakEditor.domains.showAll"));
    m_title->setWordWrap(true);
    m_countLabel->setWordWrap(true);

    auto *inner = new QWidget;
    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    texts->addWidget(m_title);
    texts->addWidget(m_countLabel);
    auto *line = new QHBoxLayout(inner);
    line->setContentsMargins(12, 12, 12, 12);
    line->setSpacing(8);
    line->addWidget(
        new SymbolView(QStringLiteral("square.stack"), Symbol::sizeForFont(13), Color::inkMuted()),
        0, Qt::AlignVCenter);
    line->addLayout(texts, 1);
    line->addWidget(m_showAll, 0, Qt::AlignVCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PopoverFormBox(inner, this));

    connect(m_showAll, &QAbstractButton::clicked, this, &SeededDomainsRow::expandRequested);
    retranslate();
}

void SeededDomainsRow::setCount(qint64 count)
{
    m_count = count;
    retranslate();
}

void SeededDomainsRow::retranslate()
{
    m_title->setText(DomainListInput::presetTitle(m_preset));
    //% "%n sites"
    m_countLabel->setText(qtTrId("popover.empty.sets.count", int(m_count)));
    //% "Edit sites"
    m_showAll->setText(qtTrId("streakEditor.domains.showAll"));
    setAccessibleName(m_title->text());
}

void SeededDomainsRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
