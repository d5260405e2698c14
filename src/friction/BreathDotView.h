#pragma once

#include <array>
#include <memory>

#include <QImage>
#include <QWidget>

namespace platform {
class ScheduledTimer;
class TimerScheduler;
} // namespace platform

namespace halvex {

class ThemeColor;

// A dot in the destructive colour that breathes while it is on screen: it
// swells by 8 % and brightens from 0.7 to full opacity over a second, then
// shrinks and dims back, forever. The swell is a drawing effect: the dot
// takes `diameter` in its layout plus a margin that keeps the swell unclipped.
//
// A panel may wait for hours, so the breath costs little: the dot repaints
// only itself, and only when the eased pulse has moved by one of
// `stepsPerPass` equal steps (six frames a second on average: each step
// changes the dot by a twentieth of its opacity and under half a pixel,
// which reads as a smooth, slow breath) rather than at the animation
// driver's full rate; each frame costs the process a round trip to the
// display server whatever is drawn. Each step's picture is drawn once and
// then copied, as antialiased filling hands even a small disc to the
// painting threads.
class BreathDotView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BreathDotView)
public:
    explicit BreathDotView(qreal diameter, QWidget *parent = nullptr);
    // `scheduler` times the frames; tests move it themselves.
    BreathDotView(qreal diameter, platform::TimerScheduler &scheduler, QWidget *parent = nullptr);
    ~BreathDotView() override;

    static constexpr qreal swell = 1.08;
    static constexpr qreal restingOpacity = 0.7;
    static constexpr int stepsPerPass = 6;

    qreal diameter() const { return m_diameter; }
    // 0 at rest, 1 fully drawn in; the breath runs between the two.
    qreal pulse() const { return m_pulse; }
    void setPulse(qreal pulse);
    qreal scale() const { return 1.0 + (swell - 1.0) * m_pulse; }
    qreal dotOpacity() const { return restingOpacity + (1.0 - restingOpacity) * m_pulse; }

    // The dot lies on a plain fill of `colour` (null: whatever is beneath):
    // it paints the fill itself, so that a frame repaints nothing but the dot.
    void setBackground(const ThemeColor *colour);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool event(QEvent *event) override;

private:
    void scheduleFrame();
    void nextFrame();
    void drawDot(QPainter &painter, qreal pulse) const;
    // The picture of the dot at step `step` of the pass.
    const QImage &frame(int step);

    qreal m_diameter;
    qreal m_pulse = 0.0;
    platform::TimerScheduler &m_scheduler;
    std::shared_ptr<platform::ScheduledTimer> m_frame;
    // Steps taken in the current breath: up the pass, then back down.
    int m_step = 0;
    std::array<QImage, stepsPerPass + 1> m_frames;
    QColor m_framesColour;
    const ThemeColor *m_background = nullptr;
    QColor m_framesBackground;
};

} // namespace halvex
