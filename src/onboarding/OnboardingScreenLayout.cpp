#include "onboarding/OnboardingScreenLayout.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "onboarding/OnboardingProgressIndicator.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/PointingHandCursor.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// "‹ Back" in the muted ink, as plain text: no frame, no fill.
class OnboardingBackButton final : public QAbstractButton {
public:
    static constexpr int symbolSize = 12;
    static constexpr int spacing = 4;
    static constexpr int verticalPadding = 4;

    OnboardingBackButton(bool present, QWidget *parent)
        : QAbstractButton(parent)
        , m_present(present)
    {
        setObjectName(QStringLiteral("onboarding.back"));
        setFont(Typography::body13Medium());
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        if (present) {
            setFocusPolicy(Qt::TabFocus);
            HoverPointingHandCursor::apply(this);
        } else {
            // Holds its place and nothing else.
            setEnabled(false);
            setFocusPolicy(Qt::NoFocus);
            setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        retranslate();
    }

    bool isPresent() const { return m_present; }

    QSize sizeHint() const override
    {
        const QFontMetrics fm(font());
        return {symbolSize + spacing + fm.horizontalAdvance(text()),
                qMax(symbolSize, fm.height()) + 2 * verticalPadding};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

    void paintEvent(QPaintEvent *) override
    {
        if (!m_present)
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor ink = Color::inkMuted().resolve(this);
        if (isDown())
            p.setOpacity(0.7);
        const qreal top = (height() - symbolSize) / 2.0;
        Symbol::paint(p, QRectF(0, top, symbolSize, symbolSize), QStringLiteral("chevron.left"),
                      ink);
        p.setPen(ink);
        p.setFont(font());
        p.drawText(QRect(symbolSize + spacing, 0, width() - symbolSize - spacing, height()),
                   Qt::AlignLeft | Qt::AlignVCenter, text());
    }

    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QAbstractButton::changeEvent(event);
    }

    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QAbstractButton::event(event);
    }

private:
    void retranslate()
    {
        //% "Back"
        setText(qtTrId("onboarding.cta.back"));
        // Absent, it is nothing to assistive tools.
        setAccessibleName(m_present ? text() : QString());
        updateGeometry();
    }

    bool m_present;
};

} // namespace

OnboardingScreenLayout::OnboardingScreenLayout(int currentStep, std::function<void()> onBack,
                                               QWidget *content, QWidget *footer, QWidget *parent)
    : QWidget(parent)
    , m_onBack(std::move(onBack))
    , m_back(new OnboardingBackButton(bool(m_onBack), this))
    , m_progress(new OnboardingProgressIndicator(currentStep, totalSteps, this))
    , m_content(content)
    , m_footer(footer)
{
    setObjectName(QStringLiteral("onboarding.screen"));
    setFixedSize(width, height);
    connect(m_back, &QAbstractButton::clicked, this, [this] {
        if (m_onBack)
            m_onBack();
    });

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *contentBox = new QVBoxLayout;
    contentBox->setContentsMargins(sideMargin, 0, sideMargin, 12);
    contentBox->setSpacing(0);
    content->setParent(this);
    contentBox->addWidget(content);
    column->addLayout(contentBox, 1);

    column->addWidget(m_progress, 0, Qt::AlignHCenter);
    column->addSpacing(12);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(sideMargin, 0, sideMargin, sideMargin);
    bar->setSpacing(12);
    bar->addWidget(m_back, 0, Qt::AlignVCenter);
    bar->addStretch(1);
    footer->setParent(this);
    bar->addWidget(footer, 0, Qt::AlignVCenter);
    column->addLayout(bar);
}

int OnboardingScreenLayout::currentStep() const
{
    return m_progress->currentStep();
}

void OnboardingScreenLayout::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::background().resolve(this));
}

void OnboardingScreenLayout::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && m_onBack) {
        m_back->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool OnboardingScreenLayout::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
