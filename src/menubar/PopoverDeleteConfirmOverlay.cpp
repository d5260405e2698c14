#include "menubar/PopoverDeleteConfirmOverlay.h"

#include <QGraphicsDropShadowEffect>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "editor/DeleteConfirmContent.h"
#include "engine/MilestonePlanning.h"
#include "engine/StreakEngine.h"
#include "ui/Color.h"
#include "ui/Environment.h"

namespace halvex {

namespace {

// The card's ground: the background in a rounded rectangle, outlined.
class Card final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(Color::divider().resolve(this), 1));
        p.setBrush(Color::background().resolve(this));
        p.drawRoundedRect(shape, 8, 8);
    }
    // Clicks on the card stay on it: only the dimmed area dismisses.
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }
};

} // namespace

PopoverDeleteConfirmOverlay::PopoverDeleteConfirmOverlay(const QUuid &streakId, qint64 streakDays,
                                                         StreakEngine &engine,
                                                         MilestonePlanning &milestonePlanning,
                                                         platform::TimerScheduler &scheduler,
                                                         QWidget *parent)
    : QWidget(parent)
    , m_streakId(streakId)
    , m_engine(engine)
    , m_milestonePlanning(milestonePlanning)
    , m_card(new Card(this))
    , m_content(new DeleteConfirmContent(streakDays, 16, scheduler))
{
    setObjectName(QStringLiteral("popover.delete.confirm"));
    m_card->setObjectName(QStringLiteral("popover.delete.card"));
    m_card->setFixedSize(cardSize);
    auto *layout = new QVBoxLayout(m_card);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_content);
    auto *shadow = new QGraphicsDropShadowEffect(m_card);
    shadow->setColor(QColor(0, 0, 0, 64));
    shadow->setBlurRadius(32); // twice the radius: Qt's blur reads as a diameter
    shadow->setOffset(0, 6);
    m_card->setGraphicsEffect(shadow);

    auto *centre = new QVBoxLayout(this);
    centre->setContentsMargins(0, 0, 0, 0);
    centre->addWidget(m_card, 0, Qt::AlignCenter);

    connect(m_content, &DeleteConfirmContent::cancelled, this,
            &PopoverDeleteConfirmOverlay::dismissed);
    connect(m_content, &DeleteConfirmContent::confirmed, this,
            &PopoverDeleteConfirmOverlay::confirm);
}

void PopoverDeleteConfirmOverlay::confirm()
{
    emit willDelete();
    m_milestonePlanning.cancelMilestones(m_streakId);
    // Found or not: the overlay closes either way.
    (void)m_engine.deleteStreak(m_streakId);
    emit dismissed();
}

void PopoverDeleteConfirmOverlay::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QColor dim(Qt::black);
    dim.setAlphaF(dimOpacity);
    p.fillRect(rect(), dim);
}

void PopoverDeleteConfirmOverlay::mousePressEvent(QMouseEvent *event)
{
    // The card takes its own clicks; this is the dimmed area around it.
    if (event->button() == Qt::LeftButton)
        emit dismissed();
    event->accept();
}

} // namespace halvex
