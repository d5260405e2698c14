#pragma once

#include <QWidget>

namespace halvex {

// A dot in the destructive colour that breathes while it is on screen: it
// swells by 8 % and brightens from 0.7 to full opacity over a second, then
// shrinks and dims back, forever. The swell is a drawing effect: the dot
// takes `diameter` in its layout plus a margin that keeps the swell unclipped.
class BreathDotView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BreathDotView)
    Q_PROPERTY(qreal pulse READ pulse WRITE setPulse)
public:
    explicit BreathDotView(qreal diameter, QWidget *parent = nullptr);

    static constexpr qreal swell = 1.08;
    static constexpr qreal restingOpacity = 0.7;

    qreal diameter() const { return m_diameter; }
    // 0 at rest, 1 fully drawn in; the breath runs between the two.
    qreal pulse() const { return m_pulse; }
    void setPulse(qreal pulse);
    qreal scale() const { return 1.0 + (swell - 1.0) * m_pulse; }
    qreal dotOpacity() const { return restingOpacity + (1.0 - restingOpacity) * m_pulse; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    qreal m_diameter;
    qreal m_pulse = 0.0;
};

} // namespace halvex
