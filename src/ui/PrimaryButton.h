#pragma once

#include "ui/ButtonBase.h"
#include "ui/ThemeColor.h"

namespace halvex {

// How a primary button is drawn: the accent fill with its title in the
// colour on accent, 8-point corners, 0.85 opacity while pressed, 12/16 side
// padding and 30 high when compact, otherwise the environment's vertical
// padding above and below. Disabled (by itself, by loading or by an
// ancestor) it drops the accent for a faint ink fill and a muted ink title:
// a see-through accent would still read as an enabled button on a dark
// window.
struct PrimaryButtonStyle {
    bool fullWidth = false;
    bool compact = false;

    static constexpr qreal cornerRadius = 8.0;
    static constexpr qreal compactHeight = 30.0;
    static constexpr qreal disabledFillOpacity = 0.10;
    // The title is stronger on a light window, where the fill is paler.
    static constexpr qreal disabledTitleOpacityLight = 0.55;
    static constexpr qreal disabledTitleOpacityDark = 0.45;
    static constexpr qreal pressedOpacity = 0.85;

    static ThemeColor disabledFill();
    static ThemeColor disabledTitle();
    // The fill and the title's colour for `widget` at `enabledLook`, which
    // runs from 0 (disabled) to 1 (enabled).
    static QColor fill(const QWidget *widget, qreal enabledLook);
    static QColor title(const QWidget *widget, qreal enabledLook);

    qreal horizontalPadding() const { return compact ? 12.0 : 16.0; }
    // The size around content of `content` size.
    QSize sizeFor(const QSize &content, qreal verticalPadding) const;
    // Draws the body in `fill`.
    void paintBody(QPainter &painter, const QRectF &rect, const QColor &fill, bool pressed) const;
};

// The filled main action of a screen.
class PrimaryButton final : public ButtonBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrimaryButton)
public:
    struct Options {
        QString title{};
        Action action{};
        bool isEnabled = true;
        bool isLoading = false;
        bool fullWidth = false;
        bool compact = false;
    };
    explicit PrimaryButton(Options options, QWidget *parent = nullptr);

    void setLoading(bool loading) { setLoadingState(loading); }
    bool isCompact() const { return m_style.compact; }
    void setCompact(bool compact);
    const PrimaryButtonStyle &style() const { return m_style; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool wantsEnabledLook() const override { return isClickable(); }
    void paintEvent(QPaintEvent *event) override;

private:
    PrimaryButtonStyle m_style;
};

} // namespace halvex
