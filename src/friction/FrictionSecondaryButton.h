#pragma once

#include "friction/FrictionPressStyle.h"

namespace halvex {

// A quiet outlined button of the friction panel, as wide as its title. In a
// line too narrow for all its buttons it gives up some of its side padding
// before its title would be cut. The
// whole button is drawn at 0.4 while disabled (by itself or an ancestor);
// hovering tints it faintly, enabled or not.
class FrictionSecondaryButton final : public FrictionPressStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrictionSecondaryButton)
public:
    FrictionSecondaryButton(const QString &title, Action action, QWidget *parent = nullptr);

    static constexpr int verticalPadding = 13;
    static constexpr int horizontalPadding = 16;
    static constexpr int tightHorizontalPadding = 8;
    static constexpr qreal cornerRadius = 12.0;
    static constexpr qreal hoverFillOpacity = 0.06;
    static constexpr qreal disabledOpacity = 0.4;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace halvex
