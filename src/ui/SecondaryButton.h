#pragma once

#include <optional>

#include "ui/ButtonBase.h"

namespace halvex {

// An outlined neutral action, optionally with a trailing symbol. It dims to
// 0.4 only when disabled itself; inside a disabled ancestor it keeps its
// look but does not react. The whole outlined shape takes clicks.
class SecondaryButton final : public ButtonBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SecondaryButton)
public:
    struct Options {
        QString title{};
        std::optional<QString> trailingSymbol{};
        Action action{};
        bool isEnabled = true;
        bool fullWidth = false;
        bool compact = false;
    };
    explicit SecondaryButton(Options options, QWidget *parent = nullptr);

    static constexpr qreal cornerRadius = 8.0;
    static constexpr qreal compactHeight = 30.0;
    static constexpr qreal disabledOpacity = 0.4;
    static constexpr int symbolSpacing = 6;

    const std::optional<QString> &trailingSymbol() const { return m_trailingSymbol; }
    void setTrailingSymbol(const std::optional<QString> &symbol);
    bool isCompact() const { return m_compact; }
    void setCompact(bool compact);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool wantsEnabledLook() const override { return isOwnEnabled(); }
    bool hitButton(const QPoint &pos) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    qreal horizontalPadding() const { return m_compact ? 12.0 : 16.0; }
    int symbolSize() const;

    std::optional<QString> m_trailingSymbol;
    bool m_compact = false;
};

} // namespace halvex
