#include "ui/BrandMark.h"

#include <QApplication>
#include <QPainter>

namespace halvex {

BrandMark::BrandMark(QWidget *parent)
    : QWidget(parent)
    , m_svg(QStringLiteral(":/halvex/brand/BrandLogo.svg"))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QString());
}

BrandMark *BrandMark::square(int side, QWidget *parent)
{
    auto *mark = new BrandMark(parent);
    mark->setFixedSize(side, side);
    return mark;
}

BrandMark *BrandMark::ofHeight(int height, QWidget *parent)
{
    auto *mark = new BrandMark(parent);
    const QSizeF natural = mark->m_svg.defaultSize();
    const int width =
        natural.height() > 0 ? qRound(height * natural.width() / natural.height()) : height;
    mark->setFixedSize(width, height);
    return mark;
}

void BrandMark::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_svg.isValid())
        m_svg.render(&p, QRectF(rect()));
    else
        QApplication::windowIcon().paint(&p, rect());
}

} // namespace halvex
