#include "friction/BreathDotView.h"

#include <array>
#include <cmath>

#include <QPainter>
#include <QPointer>
#include <QShowEvent>

#include "platform/TimerScheduler.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Motion.h"

namespace halvex {

namespace {

using Crossings = std::array<qreal, BreathDotView::stepsPerPass + 1>;

// The moments, as fractions of one pass, at which the eased pulse reaches
// each of its equal steps: frames land where the drawing changes by the
// same amount, few where the curve is flat and more where it is steep.
const Crossings &crossings()
{
    static const Crossings times = [] {
        const QEasingCurve &curve = Motion::breathPulse().curve;
        Crossings t{};
        for (int k = 0; k <= BreathDotView::stepsPerPass; ++k) {
            const qreal level = qreal(k) / BreathDotView::stepsPerPass;
            qreal low = 0.0, high = 1.0;
            for (int i = 0; i < 40; ++i) {
                const qreal mid = (low + high) / 2.0;
                (curve.valueForProgress(mid) < level ? low : high) = mid;
            }
            t[size_t(k)] = (low + high) / 2.0;
        }
        t.front() = 0.0;
        t.back() = 1.0;
        return t;
    }();
    return times;
}

} // namespace

BreathDotView::BreathDotView(qreal diameter, QWidget *parent)
    : BreathDotView(diameter, platform::TimerScheduler::live(), parent)
{}

BreathDotView::BreathDotView(qreal diameter, platform::TimerScheduler &scheduler, QWidget *parent)
    : QWidget(parent)
    , m_diameter(diameter)
    , m_scheduler(scheduler)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

BreathDotView::~BreathDotView()
{
    if (m_frame)
        m_frame->invalidate();
}

void BreathDotView::setPulse(qreal pulse)
{
    if (pulse == m_pulse)
        return;
    m_pulse = pulse;
    update();
}

void BreathDotView::setBackground(const ThemeColor *colour)
{
    m_background = colour;
    setAttribute(Qt::WA_OpaquePaintEvent, colour != nullptr);
    update();
}

QSize BreathDotView::sizeHint() const
{
    const int side = int(std::ceil(m_diameter * swell)) + 1;
    return {side, side};
}

void BreathDotView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Each appearance starts from rest.
    if (!event->spontaneous()) {
        m_step = 0;
        setPulse(0.0);
    }
    if (!Motion::reduceMotion() && !(m_frame && m_frame->isValid()))
        scheduleFrame();
}

void BreathDotView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Nobody sees it breathe: no more frames until it shows again.
    if (m_frame)
        m_frame->invalidate();
    m_frame.reset();
}

void BreathDotView::scheduleFrame()
{
    const Crossings &t = crossings();
    const size_t k = size_t(m_step % stepsPerPass);
    const qreal passSeconds = Motion::breathPulse().durationMs / 1000.0;
    const QPointer<BreathDotView> self(this);
    m_frame = m_scheduler.scheduleOnce((t[k + 1] - t[k]) * passSeconds, [self] {
        if (self)
            self->nextFrame();
    });
}

void BreathDotView::nextFrame()
{
    m_step = (m_step + 1) % (2 * stepsPerPass);
    const int level = m_step <= stepsPerPass ? m_step : 2 * stepsPerPass - m_step;
    setPulse(qreal(level) / stepsPerPass);
    scheduleFrame();
}

bool BreathDotView::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

void BreathDotView::drawDot(QPainter &painter, qreal pulse) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(restingOpacity + (1.0 - restingOpacity) * pulse);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Color::destructive().resolve(this));
    const qreal d = m_diameter * (1.0 + (swell - 1.0) * pulse);
    const QPointF centre = QRectF(rect()).center();
    painter.drawEllipse(centre, d / 2.0, d / 2.0);
}

const QImage &BreathDotView::frame(int step)
{
    const QColor colour = Color::destructive().resolve(this);
    const QColor background = m_background ? m_background->resolve(this) : QColor(Qt::transparent);
    const qreal ratio = devicePixelRatioF();
    if (colour != m_framesColour || background != m_framesBackground ||
        m_frames[0].size() != size() * ratio) {
        m_frames.fill(QImage());
        m_framesColour = colour;
        m_framesBackground = background;
    }
    QImage &image = m_frames[size_t(step)];
    if (image.isNull()) {
        image = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(background);
        QPainter painter(&image);
        drawDot(painter, qreal(step) / stepsPerPass);
    }
    return image;
}

void BreathDotView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const qreal steps = m_pulse * stepsPerPass;
    const int step = qRound(steps);
    if (qAbs(steps - step) < 1e-9 && step >= 0 && step <= stepsPerPass) {
        p.drawImage(QPointF(0, 0), frame(step));
        return;
    }
    if (m_background)
        p.fillRect(rect(), m_background->resolve(this));
    drawDot(p, m_pulse);
}

} // namespace halvex
