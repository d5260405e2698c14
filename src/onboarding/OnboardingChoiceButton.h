#pragma once

#include <QAbstractButton>

namespace halvex {

class SelectionLook;

// What the onboarding's choices have in common (the first-streak rows and
// the mode cards): a plain button whose whole rounded rectangle takes clicks,
// outlined in ink at width 2 while selected and in the divider colour at
// width 1 otherwise, easing between the two with the snappy spring. It is
// checkable so assistive tools read the selection, but a click never
// changes it: the owner selects. Shows the pointing hand while enabled.
class OnboardingChoiceButton : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OnboardingChoiceButton)
public:
    static constexpr qreal cornerRadius = 8.0;

    bool isSelected() const;
    void setSelected(bool selected, bool animated = true);

protected:
    explicit OnboardingChoiceButton(QWidget *parent);

    // 0 while not selected, 1 while selected; in between while easing.
    qreal look() const;

    // Draws the outline and, when focus came from the keyboard, the ring.
    void paintFrame(QPainter &painter) const;
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    void nextCheckState() override {}
    bool event(QEvent *event) override;

private:
    SelectionLook *m_look;
};

} // namespace halvex
