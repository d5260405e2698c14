#pragma once

#include <optional>

#include <QAbstractButton>

#include "ui/ThemeColor.h"

namespace halvex {

// A plain button that is only a symbol, centred in a square `frame` that
// takes clicks as a whole. Drawn in its colour, or in the hover colour while
// the pointer is over it when one is set; the pointing hand shows while it
// is enabled. Give it an accessible name: it has no text of its own.
class SymbolButton final : public QAbstractButton {
public:
    SymbolButton(const QString &symbol, int symbolSize, int frame, const ThemeColor &color,
                 QWidget *parent = nullptr);

    const QString &symbol() const { return m_symbol; }
    void setHoverColor(const std::optional<ThemeColor> &color);
    bool isHovering() const { return m_hovering; }
    // The colour it is drawn in now.
    const ThemeColor &currentColor() const;

    QSize sizeHint() const override { return {m_frame, m_frame}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    QString m_symbol;
    int m_symbolSize;
    int m_frame;
    ThemeColor m_color;
    std::optional<ThemeColor> m_hoverColor;
    bool m_hovering = false;
};

} // namespace halvex
