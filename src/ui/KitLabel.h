#pragma once

#include <QLabel>

#include "ui/ThemeColor.h"

namespace halvex {

// A text in one of the kit's fonts and colour tokens; follows the theme.
// Texts are shown as given (plain text), callers localise first.
class KitLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KitLabel)
public:
    KitLabel(const QString &text, const QFont &font, const ThemeColor &color,
             QWidget *parent = nullptr);

    const ThemeColor &color() const { return m_color; }
    void setColor(const ThemeColor &color);

protected:
    bool event(QEvent *event) override;

private:
    void applyColor();
    ThemeColor m_color;
};

} // namespace halvex
