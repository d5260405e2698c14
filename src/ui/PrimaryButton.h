#pragma once

#include "ui/ButtonBase.h"

namespace halvex {

// How a primary button is drawn: the accent fill (at 0.55 while the button
// is disabled, by itself, by loading or by an ancestor), 8-point corners,
// 0.85 opacity while pressed, 12/16 side padding and 30 high when compact,
// otherwise the environment's vertical padding above and below.
struct PrimaryButtonStyle {
    bool fullWidth = false;
    bool compact = false;

    static constexpr qreal cornerRadius = 8.0;
    static constexpr qreal compactHeight = 30.0;
    static constexpr qreal disabledFillOpacity = 0.55;
    static constexpr qreal pressedOpacity = 0.85;

    qreal horizontalPadding() const { return compact ? 12.0 : 16.0; }
    // The size around content of `content` size.
    QSize sizeFor(const QSize &content, qreal verticalPadding) const;
    // Draws the body; `enabledLook` runs from 0 (disabled) to 1 (enabled).
    void paintBody(QPainter &painter, const QRectF &rect, const QColor &accent, qreal enabledLook,
                   bool pressed) const;
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
