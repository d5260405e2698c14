#include "ui/NoticeView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr int textWidth =
    NoticeView::width - 2 * NoticeView::padding - NoticeView::symbolSize - NoticeView::symbolGap;

KitLabel *wrapped(const QString &text, const QFont &font, const ThemeColor &color, QWidget *parent)
{
    auto *label = new KitLabel(text, font, color, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wrapped at the full width, so that the notice is as tall as its text.
    label->setFixedWidth(textWidth);
    label->setMinimumHeight(label->heightForWidth(textWidth));
    return label;
}

} // namespace

NoticeView::NoticeView(const QList<Topic> &topics, const QList<Action> &actions, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("notice"));
    setFixedWidth(width);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(spacing);
    for (const Topic &topic : topics)
        column->addWidget(topicBlock(topic));

    ButtonBase *primary = nullptr;
    QList<ButtonBase *> secondary;
    for (const Action &action : actions) {
        ButtonBase *button = nullptr;
        if (action.primary) {
            primary = new PrimaryButton({.title = action.title, .action = action.perform}, this);
            button = primary;
        } else {
            button = new SecondaryButton({.title = action.title, .action = action.perform}, this);
            secondary << button;
        }
        button->setObjectName(action.objectName);
        m_buttons << button;
    }
    // The way on is the last and the nearest to hand, and takes the focus.
    QList<ButtonBase *> ordered = secondary;
    if (primary) {
        ordered << primary;
        primary->setFocus();
    }
    int needed = -paragraphSpacing;
    for (const ButtonBase *button : std::as_const(ordered))
        needed += button->sizeHint().width() + paragraphSpacing;
    column->addSpacing(paragraphSpacing);
    if (needed <= width - 2 * padding) {
        // Side by side at the trailing edge.
        auto *row = new QHBoxLayout;
        row->setSpacing(paragraphSpacing);
        row->addStretch(1);
        for (ButtonBase *button : std::as_const(ordered))
            row->addWidget(button);
        column->addLayout(row);
    } else {
        // Longer texts than a row holds (some languages): one above the
        // other, each whole, rather than cut short.
        auto *stack = new QVBoxLayout;
        stack->setSpacing(paragraphSpacing);
        for (ButtonBase *button : std::as_const(ordered)) {
            button->setFullWidth(true);
            stack->addWidget(button);
        }
        column->addLayout(stack);
    }
}

QWidget *NoticeView::topicBlock(const Topic &topic)
{
    auto *block = new QWidget(this);
    block->setObjectName(topic.objectName);
    const bool warning = topic.tone == Topic::Tone::warning;
    auto *symbol = new SymbolView(warning ? QStringLiteral("exclamationmark.triangle.fill")
                                          : QStringLiteral("info.circle"),
                                  symbolSize, warning ? Color::warning() : Color::accent(), block);
    auto *text = new QVBoxLayout;
    text->setSpacing(paragraphSpacing);
    KitLabel *title = wrapped(topic.title, Typography::headline17Semibold(), Color::ink(), block);
    title->setObjectName(topic.objectName + QStringLiteral(".title"));
    text->addWidget(title);
    for (const QString &paragraph : topic.paragraphs)
        text->addWidget(wrapped(paragraph, Typography::body13(), Color::inkMuted(), block));

    auto *row = new QHBoxLayout(block);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(symbolGap);
    row->addWidget(symbol, 0, Qt::AlignTop);
    row->addLayout(text, 1);
    return block;
}

} // namespace halvex
