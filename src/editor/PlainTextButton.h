#pragma once

#include <optional>

#include <QAbstractButton>

#include "ui/ThemeColor.h"

namespace halvex {

// A plain button of text with an optional leading symbol: no frame and no
// fill, in one colour, padded above and below; the whole padded rectangle
// takes clicks and shows the pointing hand while enabled.
class PlainTextButton final : public QAbstractButton {
public:
    struct Options {
        QString text{};
        std::optional<QString> symbol{};
        int symbolSize = 13;
        QFont font{};
        ThemeColor color{};
        int verticalPadding = 4;
        int spacing = 4;
    };
    explicit PlainTextButton(Options options, QWidget *parent = nullptr);

    const ThemeColor &color() const { return m_color; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    std::optional<QString> m_symbol;
    int m_symbolSize;
    ThemeColor m_color;
    int m_verticalPadding;
    int m_spacing;
};

} // namespace halvex
