#include "ui/KitScrollArea.h"

#include <QApplication>
#include <QLayout>
#include <QPointer>
#include <QScrollBar>

#include "ui/Color.h"
#include "ui/Environment.h"

namespace halvex {

namespace {

QString rgba(const QColor &c)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(c.alpha());
}

// Hands a line that is set visible to the area around it.
class LineRevealer final : public QObject {
public:
    explicit LineRevealer(QWidget *line)
        : QObject(line)
        , m_line(line)
    {
        line->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Sent to the line alone when it is shown itself, not with its page.
        if (watched == m_line && event->type() == QEvent::ShowToParent && m_line->isVisible()) {
            for (QWidget *up = m_line->parentWidget(); up; up = up->parentWidget()) {
                if (auto *area = qobject_cast<KitScrollArea *>(up)) {
                    area->reveal(m_line);
                    break;
                }
            }
        }
        return false;
    }

private:
    QWidget *m_line;
};

} // namespace

KitScrollArea::KitScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Whatever holds the area shows through.
    viewport()->setAutoFillBackground(false);
    applyBarStyle();

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        // A press landed on something already in sight; moving it away
        // under the pointer would lose the release.
        if (now && widget() && widget()->isAncestorOf(now) &&
            QGuiApplication::mouseButtons() == Qt::NoButton)
            reveal(now);
    });
}

void KitScrollArea::reveal(QWidget *descendant)
{
    // Once what has just appeared or grown has its place.
    QMetaObject::invokeMethod(
        this,
        [this, target = QPointer<QWidget>(descendant)] {
            QWidget *content = widget();
            if (!target || !content || !content->isAncestorOf(target) || !target->isVisible())
                return;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            if (content->layout())
                content->layout()->activate();
            const int top = -content->y();
            const int height = viewport()->height();
            QRect wanted(target->mapTo(content, QPoint(0, 0)), target->size());
            // The margin only where it leaves room for all of the target.
            if (wanted.height() + 2 * revealMargin <= height)
                wanted.adjust(0, -revealMargin, 0, revealMargin);
            QScrollBar *bar = verticalScrollBar();
            if (wanted.height() > height || wanted.top() < top)
                bar->setValue(wanted.top());
            else if (wanted.bottom() > top + height - 1)
                bar->setValue(wanted.bottom() - height + 1);
        },
        Qt::QueuedConnection);
}

void KitScrollArea::revealWhenShown(QWidget *line)
{
    new LineRevealer(line);
}

void KitScrollArea::applyBarStyle()
{
    // A capsule on no track, kept off the content by the bar's own margin.
    const QColor handle = Color::inkMuted().withOpacity(0.45).resolve(this);
    const QColor active = Color::inkMuted().withOpacity(0.75).resolve(this);
    verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { width: %1px; background: transparent; margin: 0; }"
                       "QScrollBar::handle:vertical { background: %2; border-radius: 3px;"
                       " margin: 2px 0 2px %3px; min-height: 24px; }"
                       "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed"
                       " { background: %4; }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                       " { background: transparent; }")
            .arg(barWidth)
            .arg(rgba(handle))
            .arg(barWidth - 6)
            .arg(rgba(active)));
}

bool KitScrollArea::event(QEvent *event)
{
    if (Environment::isChange(event))
        applyBarStyle();
    return QScrollArea::event(event);
}

void KitScrollArea::showEvent(QShowEvent *event)
{
    QScrollArea::showEvent(event);
    // A page opens at its top, whatever was scrolled while it was built;
    // shown again (a tab or a screen returned to) it keeps its place.
    if (!m_opened) {
        m_opened = true;
        verticalScrollBar()->setValue(0);
    }
}

} // namespace halvex
