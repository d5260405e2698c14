#include "ui/Symbol.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include "ui/Environment.h"

namespace halvex {

namespace {

QString pathOf(const QString &name)
{
    return QStringLiteral(":/halvex/icons/") + name + QStringLiteral(".svg");
}

QSvgRenderer *renderer(const QString &name)
{
    // Main thread only, like every view.
    static QHash<QString, QSvgRenderer *> renderers;
    auto found = renderers.constFind(name);
    if (found != renderers.constEnd())
        return found.value();
    QSvgRenderer *r = nullptr;
    if (QFile::exists(pathOf(name))) {
        r = new QSvgRenderer(pathOf(name));
        if (!r->isValid()) {
            delete r;
            r = nullptr;
        }
    }
    renderers.insert(name, r);
    return r;
}

QImage tinted(QSvgRenderer *svg, int pixels, const QColor &color)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    svg->render(&p, QRectF(0, 0, pixels, pixels));
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(image.rect(), color);
    return image;
}

} // namespace

bool Symbol::exists(const QString &name)
{
    return renderer(name) != nullptr;
}

QStringList Symbol::names()
{
    QStringList result;
    const auto files = QDir(QStringLiteral(":/halvex/icons")).entryList({QStringLiteral("*.svg")});
    for (const QString &file : files)
        result.append(file.chopped(4));
    return result;
}

QPixmap Symbol::pixmap(const QString &name, int size, const QColor &color, qreal devicePixelRatio)
{
    QSvgRenderer *svg = renderer(name);
    if (!svg || size <= 0)
        return {};
    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    const QString key = QStringLiteral("halvex.symbol:%1:%2:%3")
                            .arg(name)
                            .arg(pixels)
                            .arg(color.rgba(), 8, 16, QLatin1Char('0'));
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) {
        pm = QPixmap::fromImage(tinted(svg, pixels, color));
        QPixmapCache::insert(key, pm);
    }
    pm.setDevicePixelRatio(devicePixelRatio);
    return pm;
}

void Symbol::paint(QPainter &painter, const QRectF &rect, const QString &name, const QColor &color)
{
    const qreal side = qMin(rect.width(), rect.height());
    if (side <= 0)
        return;
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPixmap pm = pixmap(name, qCeil(side), color, dpr);
    if (pm.isNull())
        return;
    const QRectF target(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    painter.drawPixmap(target, pm, QRectF(pm.rect()));
}

SymbolView::SymbolView(const QString &name, int size, const ThemeColor &color, QWidget *parent)
    : QWidget(parent)
    , m_name(name)
    , m_size(size)
    , m_color(color)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void SymbolView::setName(const QString &name)
{
    m_name = name;
    update();
}

void SymbolView::setColor(const ThemeColor &color)
{
    m_color = color;
    update();
}

void SymbolView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Symbol::paint(p, QRectF(rect()), m_name, m_color.resolve(this));
}

bool SymbolView::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
