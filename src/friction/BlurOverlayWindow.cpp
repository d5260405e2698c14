#include "friction/BlurOverlayWindow.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "friction/StayOnScreen.h"

namespace halvex {

namespace {

// One pass of a box blur along rows (or, on a transposed image, columns).
void boxBlurRows(QImage &image, int radius)
{
    const int w = image.width();
    const int span = 2 * radius + 1;
    QList<QRgb> line(w);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::copy(row, row + w, line.begin());
        int r = 0, g = 0, b = 0;
        const auto at = [&](int x) { return line[qBound(0, x, w - 1)]; };
        for (int x = -radius; x <= radius; ++x) {
            r += qRed(at(x));
            g += qGreen(at(x));
            b += qBlue(at(x));
        }
        for (int x = 0; x < w; ++x) {
            row[x] = qRgb(r / span, g / span, b / span);
            const QRgb out = at(x - radius), in = at(x + radius + 1);
            r += qRed(in) - qRed(out);
            g += qGreen(in) - qGreen(out);
            b += qBlue(in) - qBlue(out);
        }
    }
}

} // namespace

BlurOverlayWindow::BlurOverlayWindow(QScreen *screen, const QImage &screenshot)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput)
    , m_screen(screen)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const QRect frame = screen ? screen->geometry() : QRect(0, 0, 1, 1);
    if (screen)
        setScreen(screen);
    setGeometry(frame);
    m_image = backdrop(screenshot, frame.size());
    // Without a picture only the dim is left, which needs a compositor to
    // let the screen show through; with one, the window is opaque.
    setAttribute(m_image.isNull() ? Qt::WA_TranslucentBackground : Qt::WA_OpaquePaintEvent);
    // Closed or minimised on its own, it would leave the panel over a
    // screen the blocked application shows on plainly.
    StayOnScreen::keep(this);
}

QImage BlurOverlayWindow::backdrop(const QImage &screenshot, const QSize &size)
{
    if (screenshot.isNull())
        return {};
    // Blurred small, dimmed small (a uniform dim is the same either side of
    // scaling), and scaled up once: a few milliseconds for a whole screen.
    constexpr int factor = 8;
    QImage small =
        screenshot.convertToFormat(QImage::Format_RGB32)
            .scaled(qMax(1, screenshot.width() / factor), qMax(1, screenshot.height() / factor),
                    Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (int pass = 0; pass < 2; ++pass) {
        boxBlurRows(small, 2);
        small = small.transformed(QTransform().rotate(90));
        boxBlurRows(small, 2);
        small = small.transformed(QTransform().rotate(-90));
    }
    {
        QPainter p(&small);
        p.fillRect(small.rect(), QColor::fromRgbF(0, 0, 0, dimOpacity));
    }
    QImage result(size, QImage::Format_RGB32);
    QPainter p(&result);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), size), small);
    return result;
}

void BlurOverlayWindow::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    if (m_image.isNull())
        p.fillRect(event->rect(), QColor::fromRgbF(0, 0, 0, dimOpacity));
    else
        p.drawImage(event->rect(), m_image, event->rect());
}

} // namespace halvex
