#include "UiTestSupport.h"

#include <QAbstractAnimation>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include "ui/Color.h"
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

} // namespace testing
