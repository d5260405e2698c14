#include "friction/BrutalConfessionFlow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "friction/FrictionViewModel.h"
#include "ui/Color.h"
#include "ui/DestructiveButton.h"
#include "ui/KitLabel.h"
#include "ui/OutlinedTextEdit.h"
#include "ui/PrimaryButton.h"
#include "ui/Typography.h"

namespace halvex {

BrutalConfessionFlow::BrutalConfessionFlow(FrictionViewModel &viewModel, QWidget *parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
{
    FrictionViewModel *vm = &viewModel;
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(spacing);

    m_title = new KitLabel({}, Typography::headline17Semibold(), Color::ink(), this);
    m_title->setWordWrap(true);
    m_wait = new KitLabel({}, Typography::caption11(), Color::inkMuted(), this);
    m_wait->setObjectName(QStringLiteral("friction.brutal.countdown"));
    m_prompt = new KitLabel({}, Typography::body13(), Color::inkMuted(), this);
    m_prompt->setWordWrap(true);

    m_editorFrame = new OutlinedTextEdit(
        QMargins(editorPadding, editorPadding, editorPadding, editorPadding), this);
    m_editorFrame->setMinimumHeight(editorMinimumHeight);
    m_editor = m_editorFrame->editor();
    m_editor->setObjectName(QStringLiteral("friction.brutal.confession"));
    m_editor->document()->setDocumentMargin(0);
    m_editor->setPlainText(vm->brutalConfession());

    m_counter = new KitLabel({}, Typography::caption11(), Color::inkMuted(), this);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(spacing);
    m_cancel = new PrimaryButton({.action = [vm] { vm->cancelBrutal(); }});
    m_cancel->setObjectName(QStringLiteral("friction.brutal.cancel"));
    m_submit = new DestructiveButton(
        {.action = [vm] { vm->submitBrutalConfession(); }, .isEnabled = false});
    m_submit->setObjectName(QStringLiteral("friction.brutal.submit"));
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_submit);
    buttons->addStretch(1);

    column->addWidget(m_title);
    column->addWidget(m_wait);
    column->addWidget(m_prompt);
    column->addWidget(m_editorFrame, 1);
    column->addWidget(m_counter);
    column->addLayout(buttons);
    column->addStretch(0);

    // Both ways: what is typed goes to the view model, and what the view
    // model sets (cancel empties it) comes back.
    connect(m_editor, &QPlainTextEdit::textChanged, this,
            [this] { m_viewModel.setBrutalConfession(m_editor->toPlainText()); });
    connect(vm, &FrictionViewModel::brutalConfessionChanged, this, [this] {
        if (m_editor->toPlainText() != m_viewModel.brutalConfession())
            m_editor->setPlainText(m_viewModel.brutalConfession());
    });
    connect(vm, &FrictionViewModel::countdownRemainingChanged, this,
            &BrutalConfessionFlow::refresh);
    connect(vm, &FrictionViewModel::confessionRemainingChanged, this,
            &BrutalConfessionFlow::refresh);
    connect(vm, &FrictionViewModel::isConfessionReadyChanged, this, &BrutalConfessionFlow::refresh);
    retranslate();
}

QString BrutalConfessionFlow::counterText(int remaining)
{
    if (remaining < 1)
        //% "That's enough."
        return qtTrId("friction.brutal.confessionReady");
    //% "Characters still needed: %1"
    return qtTrId("friction.brutal.confessionRemaining").arg(remaining);
}

QString BrutalConfessionFlow::counterLine() const
{
    return m_counter->text();
}

void BrutalConfessionFlow::retranslate()
{
    //% "Break your %n\u2011day streak?"
    m_title->setText(qtTrId("friction.brutal.title", m_viewModel.days()));
    //% "Write down why you are breaking it, in at least 40 characters."
    m_prompt->setText(qtTrId("friction.brutal.confessionPrompt"));
    //% "Keep my streak"
    m_cancel->setText(qtTrId("friction.brutal.cancel"));
    //% "Open anyway"
    m_submit->setText(qtTrId("friction.button.openAnyway"));
    refresh();
}

void BrutalConfessionFlow::refresh()
{
    const int seconds = m_viewModel.countdownRemaining();
    //% "Wait %1\u00a0s before you can open it."
    m_wait->setText(qtTrId("friction.brutal.wait").arg(seconds));
    m_wait->setVisible(seconds > 0);
    m_counter->setText(counterText(m_viewModel.confessionRemaining()));
    m_submit->setEnabled(m_viewModel.isConfessionReady());
}

void BrutalConfessionFlow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
