#include "friction/FrictionRootView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "friction/BreathDotView.h"
#include "friction/BrutalConfessionFlow.h"
#include "friction/FrictionButtonRow.h"
#include "friction/FrictionViewModel.h"
#include "friction/ResetAnimationView.h"
#include "ui/Color.h"
#include "ui/DisplayNumeral.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/TextInputField.h"
#include "ui/Typography.h"

namespace halvex {

QHBoxLayout *FrictionRootView::centred(QWidget *widget)
{
    // Stretches on both sides: the widget grows up to its maximum width
    // first, and what is left is shared equally around it.
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    row->addWidget(widget, 1000);
    row->addStretch(1);
    return row;
}

QString FrictionRootView::fillPlaceholders(const QString &format, const QStringList &arguments)
{
    // By number, so a language may leave an argument out (the count, when
    // the numeral above says it already) and the rest still land right.
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    QString result;
    qsizetype from = 0;
    auto matches = placeholder.globalMatch(format);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const qsizetype index = match.captured(1).toInt() - 1;
        result += format.mid(from, match.capturedStart() - from);
        result += index < arguments.size() ? arguments.at(index) : match.captured();
        from = match.capturedEnd();
    }
    result += format.mid(from);
    return result;
}

FrictionRootView::FrictionRootView(FrictionViewModel &viewModel, QWidget *parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
{
    FrictionViewModel *vm = &viewModel;
    setObjectName(QStringLiteral("friction.panel.root"));
    setFixedSize(cardSize);
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);

    m_column = new QWidget(this);
    auto *column = new QVBoxLayout(m_column);
    // The column keeps 64 points clear at the sides; only the more-options
    // line may reach into them, as a line too wide for the column would.
    // Above and below, the padding is the part that gives way when the card
    // is full (the allowance notice, more options open and a two-line
    // failure line): down to its least, before anything in it is cut.
    column->setContentsMargins(overflowSidePadding, leastColumnVerticalPadding, overflowSidePadding,
                               leastColumnVerticalPadding);
    column->setSpacing(16);
    const auto yieldingPadding = [] {
        return new QSpacerItem(0, columnVerticalPadding - leastColumnVerticalPadding,
                               QSizePolicy::Minimum, QSizePolicy::Preferred);
    };
    column->addSpacerItem(yieldingPadding());

    m_breathDot = new BreathDotView(32, m_column);
    m_breathDot->setBackground(&Color::surfaceElevated());
    column->addWidget(m_breathDot, 0, Qt::AlignHCenter);

    auto *header = new QWidget(m_column);
    header->setMaximumWidth(columnWidth);
    auto *headerLayout = new QVBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->setSpacing(4);
    m_numeral = new DisplayNumeral(vm->days(), DisplayNumeral::Size::large, header);
    // Digits have no descenders: the numeral leaves out the line's room below
    // the baseline, which the card is too short to spare.
    m_numeral->setFixedHeight(QFontMetrics(m_numeral->font()).ascent());
    headerLayout->addWidget(m_numeral, 0, Qt::AlignHCenter);
    m_title = new KitLabel({}, Typography::headline17Semibold(), Color::inkMuted(), header);
    m_title->setAlignment(Qt::AlignHCenter);
    m_title->setWordWrap(true);
    headerLayout->addWidget(m_title);
    if (vm->streak()->allowanceEnabled()) {
        m_allowance = new KitLabel({}, Typography::caption11(), Color::inkMuted(), header);
        m_allowance->setObjectName(QStringLiteral("friction.panel.allowanceSpent"));
        m_allowance->setAlignment(Qt::AlignHCenter);
        m_allowance->setWordWrap(true);
        headerLayout->addWidget(m_allowance);
    }
    column->addLayout(centred(header));

    m_reflection =
        new TextInputField({.text = vm->reflectionText(),
                            .accessibilityID = QStringLiteral("friction.panel.reflectionField")},
                           m_column);
    m_reflection->setMaximumWidth(reflectionMaximumWidth);
    column->addLayout(centred(m_reflection));

    column->addStretch(1);

    m_buttonRow = new FrictionButtonRow(viewModel, m_column);
    column->addWidget(m_buttonRow);

    m_feedback = new KitLabel({}, Typography::caption11(), Color::warning(), m_column);
    m_feedback->setObjectName(QStringLiteral("friction.panel.feedback"));
    m_feedback->setAlignment(Qt::AlignHCenter);
    m_feedback->setWordWrap(true);
    m_feedback->setMaximumWidth(columnWidth);
    // Centred by stretches, not by alignment: an aligned item is measured
    // for the column's whole width but placed at the label's narrower
    // preferred width, where the text wraps onto a line it has no room for.
    column->addLayout(centred(m_feedback));
    column->addSpacerItem(yieldingPadding());

    m_stack->addWidget(m_column);

    // The reflection is bound both ways.
    connect(m_reflection, &TextInputField::textChanged, vm, &FrictionViewModel::setReflectionText);
    connect(vm, &FrictionViewModel::reflectionTextChanged, this,
            [this] { m_reflection->setText(m_viewModel.reflectionText()); });
    for (const auto signal :
         {&FrictionViewModel::isFirmActiveChanged, &FrictionViewModel::isButtonsDisabledChanged,
          &FrictionViewModel::feedbackChanged})
        connect(vm, signal, this, &FrictionRootView::refreshColumn);
    for (const auto signal :
         {&FrictionViewModel::isBrutalActiveChanged, &FrictionViewModel::isResetPlayingChanged})
        connect(vm, signal, this, &FrictionRootView::refreshContent);

    retranslate();
    refreshColumn();
    refreshContent();
}

void FrictionRootView::refreshColumn()
{
    m_reflection->setVisible(m_viewModel.isFirmActive());
    m_buttonRow->setEnabled(!m_viewModel.isButtonsDisabled());
    const FrictionFeedbackState &feedback = m_viewModel.feedback();
    m_feedback->setText(feedback.message());
    m_feedback->setVisible(feedback.isFailure());
}

void FrictionRootView::refreshContent()
{
    const Content next = m_viewModel.isResetPlaying()    ? Content::reset
                         : !m_viewModel.isBrutalActive() ? Content::normal
                                                         : Content::brutal;
    if (next == m_content && (next != Content::normal || m_stack->currentWidget() == m_column))
        return;
    m_content = next;
    // The flow and the animation are built afresh each time they come up:
    // the animation plays from its start whenever it appears.
    if (next != Content::brutal && m_brutal)
        delete m_brutal;
    if (next != Content::reset && m_reset)
        delete m_reset;
    switch (next) {
    case Content::normal:
        m_stack->setCurrentWidget(m_column);
        break;
    case Content::brutal:
        m_brutal = new BrutalConfessionFlow(m_viewModel, this);
        m_stack->addWidget(m_brutal);
        m_stack->setCurrentWidget(m_brutal);
        break;
    case Content::reset:
        m_reset = new ResetAnimationView(m_viewModel.days(), this);
        m_reset->setContentsMargins(resetPadding, resetPadding, resetPadding, resetPadding);
        m_stack->addWidget(m_reset);
        m_stack->setCurrentWidget(m_reset);
        break;
    }
}

void FrictionRootView::retranslate()
{
    //% "days without %2"
    const QString title = qtTrId("friction.title.daysWithout", m_viewModel.days());
    m_title->setText(fillPlaceholders(
        title, {QString::number(m_viewModel.days()), m_viewModel.streak()->name()}));
    // The numeral and the title are read as one phrase, the count in its own
    // form: the title alone may leave the count to the numeral.
    m_numeral->setAccessibleName(QString());
    //% "%n\u00a0days without %1"
    m_title->setAccessibleName(
        qtTrId("a11y.friction.title", m_viewModel.days()).arg(m_viewModel.streak()->name()));
    if (m_allowance) {
        //% "Today's %1\u2011minute allowance is used up."
        const QString allowance = qtTrId("friction.allowance.spent");
        m_allowance->setText(allowance.arg(m_viewModel.streak()->allowanceMinutes()));
    }
    //% "Why are you here?"
    m_reflection->input()->setPlaceholderText(qtTrId("friction.input.reflection"));
}

void FrictionRootView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool FrictionRootView::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

void FrictionRootView::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    // Clear of the rounded corners and the edge line (the breath dot's
    // frames, the countdowns), a plain fill is all there is to draw.
    if (rect()
            .adjusted(cornerRadius, cornerRadius, -cornerRadius, -cornerRadius)
            .contains(event->rect())) {
        p.fillRect(event->rect(), Color::surfaceElevated().resolve(this));
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect());
    QPainterPath shape;
    shape.addRoundedRect(card, cornerRadius, cornerRadius);
    p.fillPath(shape, Color::surfaceElevated().resolve(this));
    // Stroked inside the edge.
    p.setPen(QPen(Color::divider().resolve(this), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius - 0.5, cornerRadius - 0.5);
}

} // namespace halvex
