#pragma once

#include <QAbstractButton>

namespace halvex {

// A small on/off switch: a capsule track (accent when on) with a knob that
// slides with the snappy spring. Shows the pointing hand while enabled.
class ToggleSwitch final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToggleSwitch)
    Q_PROPERTY(qreal knobPosition READ knobPosition WRITE setKnobPosition)
public:
    explicit ToggleSwitch(QWidget *parent = nullptr);

    static constexpr int trackWidth = 32;
    static constexpr int trackHeight = 18;

    // 0 with the knob at the off end, 1 at the on end.
    qreal knobPosition() const { return m_knobPosition; }
    void setKnobPosition(qreal position);

    // Room around the track for the focus ring.
    QSize sizeHint() const override { return {trackWidth + 4, trackHeight + 4}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void checkStateSet() override;
    void nextCheckState() override;
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void moveKnob(bool animated);
    qreal m_knobPosition = 0.0;
    bool m_keyboardFocus = false;
};

} // namespace halvex
