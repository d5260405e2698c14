#pragma once

#include <optional>

#include "friction/FrictionPressStyle.h"
#include "ui/ThemeColor.h"

namespace halvex {

// A small text button of the friction panel in a tint its caller picks,
// optionally with a disclosure chevron: pointing down when collapsed, turned
// by half a turn when expanded (the turn eases with the snappy spring). The
// whole padded label takes clicks. It has no disabled look of its own.
class FrictionLinkButton final : public FrictionPressStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrictionLinkButton)
    Q_PROPERTY(qreal chevronTurn READ chevronTurn WRITE setChevronTurn)
public:
    FrictionLinkButton(const QString &title, const ThemeColor &tint,
                       std::optional<bool> trailingChevronExpanded, Action action,
                       QWidget *parent = nullptr);

    static constexpr int verticalPadding = 4;
    static constexpr int horizontalPadding = 8;
    static constexpr int spacing = 4;
    static constexpr int chevronSize = 9;
    static constexpr qreal cornerRadius = 4.0;
    static constexpr qreal restingOpacity = 0.82;
    static constexpr qreal hoverFillOpacity = 0.08;

    const ThemeColor &tint() const { return m_tint; }
    const std::optional<bool> &trailingChevronExpanded() const { return m_expanded; }
    void setTrailingChevronExpanded(std::optional<bool> expanded);
    // 0 pointing down, 1 turned half a turn (up); in between while turning.
    qreal chevronTurn() const { return m_chevronTurn; }
    void setChevronTurn(qreal turn);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    ThemeColor m_tint;
    std::optional<bool> m_expanded;
    qreal m_chevronTurn = 0.0;
};

} // namespace halvex
