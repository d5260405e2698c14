#pragma once

#include <QWidget>

namespace halvex {

// What the panel shows once the user has opened anyway: the broken streak's
// day count, digit by digit, falls 200 points, tilts by 35° (even positions
// clockwise, odd ones counter-clockwise) and fades, each digit easing in over
// 2 s and starting 0.12 s after its left neighbour, above a short caption.
// The fall starts each time the view appears. Its content is centred inside
// the given margins; falling digits may pass over them.
class ResetAnimationView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResetAnimationView)
    Q_PROPERTY(qreal elapsed READ elapsed WRITE setElapsed)
public:
    explicit ResetAnimationView(int value, QWidget *parent = nullptr);

    static constexpr int fallMs = 2000;
    static constexpr int staggerMs = 120;
    static constexpr qreal fallDistance = 200.0;
    static constexpr qreal tiltDegrees = 35.0;
    static constexpr int digitSpacing = 4;
    static constexpr int captionSpacing = 12;

    // One digit of the value, in its place at a moment of the fall.
    struct DigitPose {
        QChar digit;
        qreal offsetY = 0.0;
        qreal rotationDegrees = 0.0; // clockwise positive
        qreal opacity = 1.0;
    };

    int value() const { return m_value; }
    // The characters of the plain decimal value, each with its position.
    static QList<QPair<int, QChar>> resetDigits(int value);
    // The whole fall: the last digit starts last and takes 2 s.
    static int totalMs(int value);
    static QList<DigitPose> poses(int value, qreal elapsedMs);

    // Milliseconds since the fall started.
    qreal elapsed() const { return m_elapsed; }
    void setElapsed(qreal ms);
    QString caption() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    int m_value;
    qreal m_elapsed = 0.0;
};

} // namespace halvex
