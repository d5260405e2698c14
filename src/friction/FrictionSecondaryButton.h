#pragma once

#include <QStringList>

#include "friction/FrictionPressStyle.h"

namespace halvex {

// A quiet outlined button of the friction panel, as wide as its title. Given
// less room, it first gives up some of its side padding; narrower still, it
// takes its full padding back and wraps its title onto more lines, so the
// title always shows whole. The whole button is drawn at 0.4 while disabled
// (by itself or an ancestor); hovering tints it faintly, enabled or not.
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

    // The title on one line with the full padding.
    QSize sizeHint() const override;
    // Room for the longest word; the rest of the title wraps.
    QSize minimumSizeHint() const override;
    // The least width that keeps the title on one line.
    int oneLineWidth() const;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // The title's lines as the button draws them at `width`.
    QStringList titleLines(int width) const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace halvex
