#include "UiTestSupport.h"

#include <QAbstractAnimation>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/KitScrollArea.h"
#include "ui/Motion.h"

namespace testing {

Backdrop::Backdrop(QWidget *content, int margin)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    if (content)
        layout->addWidget(content);
}

void Backdrop::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), halvex::Color::background().resolve(this));
}

QImage render(QWidget *window)
{
    window->show();
    if (window->layout())
        window->layout()->activate();
    QCoreApplication::processEvents();
    return renderWidget(window);
}

QImage renderWidget(QWidget *widget)
{
    // Palette changes reach plain Qt widgets as posted events.
    QCoreApplication::processEvents();
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QColor over(const QColor &top, qreal alpha, const QColor &bottom)
{
    const qreal a = alpha * top.alphaF();
    return QColor::fromRgbF(top.redF() * a + bottom.redF() * (1 - a),
                            top.greenF() * a + bottom.greenF() * (1 - a),
                            top.blueF() * a + bottom.blueF() * (1 - a));
}

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

QString describe(const QColor &c)
{
    return c.name(QColor::HexArgb);
}

bool seek(QObject *target, const char *property, int ms)
{
    QAbstractAnimation *animation = halvex::Motion::runningAnimation(target, property);
    if (!animation)
        return false;
    animation->pause();
    animation->setCurrentTime(ms);
    return true;
}

int countInRow(const QImage &image, int y, const QColor &colour, int tolerance)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += near(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
    return n;
}

namespace {

QString areaName(const QWidget *area)
{
    for (const QWidget *w = area; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            return w == area
                       ? w->objectName()
                       : w->objectName() + u'/' + QLatin1String(area->metaObject()->className());
    }
    return QLatin1String(area->metaObject()->className());
}

} // namespace

bool fullyInView(const QScrollArea *area, const QWidget *descendant)
{
    const QRect r(descendant->mapTo(area->viewport(), QPoint(0, 0)), descendant->size());
    return area->viewport()->rect().contains(r);
}

QStringList scrollAreaFaults(QWidget *window)
{
    QStringList faults;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {QStringLiteral("the window never became active, so nothing takes the focus")};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // Pages that went away may still be deleted while the focus is awaited.
    QList<QPointer<halvex::KitScrollArea>> areas;
    for (halvex::KitScrollArea *area : window->findChildren<halvex::KitScrollArea *>())
        areas << area;
    for (const QPointer<halvex::KitScrollArea> &area : std::as_const(areas)) {
        QWidget *content = area ? area->widget() : nullptr;
        if (!content || !area->isVisible())
            continue;
        const QString name = areaName(area);
        const QWidget *viewport = area->viewport();
        QScrollBar *bar = area->verticalScrollBar();
        if (content->height() > viewport->height() && !bar->isVisible())
            faults << name + QStringLiteral(": %1 of %2 px cut off below, and no bar shows it")
                                 .arg(content->height() - viewport->height())
                                 .arg(content->height());
        if (const QLayout *layout = content->layout()) {
            const int needed = layout->hasHeightForWidth()
                                   ? layout->totalHeightForWidth(content->width())
                                   : layout->totalMinimumSize().height();
            if (content->height() < needed)
                faults << name + QStringLiteral(": squeezed to %1 of the %2 px it needs")
                                     .arg(content->height())
                                     .arg(needed);
        }
        if (content->width() > viewport->width())
            faults << name + QStringLiteral(": %1 px cut off at the right")
                                 .arg(content->width() - viewport->width());

        QWidget *lowest = nullptr;
        int lowestBottom = -1;
        for (QWidget *w : content->findChildren<QWidget *>()) {
            if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
                w->height() > viewport->height())
                continue;
            const int bottom = w->mapTo(content, QPoint(0, w->height())).y();
            if (bottom > lowestBottom) {
                lowest = w;
                lowestBottom = bottom;
            }
        }
        if (lowest) {
            bar->setValue(0);
            lowest->setFocus(Qt::TabFocusReason);
            if (!QTest::qWaitFor([&] { return fullyInView(area, lowest); }, 2000))
                faults << name + QStringLiteral(": the focused %1 \"%2\" stays out of view")
                                     .arg(QLatin1String(lowest->metaObject()->className()),
                                          lowest->objectName());
            lowest->clearFocus();
            // Its reveal may still be on its way.
            QCoreApplication::processEvents();
            bar->setValue(0);
        }
    }
    return faults;
}

} // namespace testing
