#pragma once

#include "friction/FrictionPressStyle.h"

class QGraphicsDropShadowEffect;

namespace halvex {

// The one emphasised action of the friction panel: a filled accent button
// that takes all the width it is offered, with a symbol before its title.
// Disabled (by itself or by an ancestor) it takes the primary button's
// disabled fill and title and loses its hover glow and shadow; hovering
// brightens the fill and lifts the shadow. Both changes ease with the snappy
// spring.
class FrictionPrimaryButton final : public FrictionPressStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrictionPrimaryButton)
public:
    FrictionPrimaryButton(const QString &title, const QString &systemImage, Action action,
                          QWidget *parent = nullptr);

    static constexpr int verticalPadding = 13;
    static constexpr int horizontalPadding = 16;
    static constexpr int spacing = 8;
    static constexpr int symbolSize = 13;
    static constexpr qreal cornerRadius = 12.0;
    static constexpr qreal hoverOverlayOpacity = 0.12;
    static constexpr qreal shadowOpacity = 0.28;
    static constexpr qreal hoveredShadowOpacity = 0.45;
    static constexpr qreal shadowRadius = 12.0;
    static constexpr qreal hoveredShadowRadius = 18.0;
    static constexpr qreal shadowOffsetY = 6.0;

    const QString &systemImage() const { return m_systemImage; }

    // The shadow as drawn now: its colour's opacity and its blur radius.
    qreal currentShadowOpacity() const;
    qreal currentShadowRadius() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void looksChanged() override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString m_systemImage;
    QGraphicsDropShadowEffect *m_shadow;
};

} // namespace halvex
