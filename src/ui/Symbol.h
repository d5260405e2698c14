#pragma once

#include <QPixmap>
#include <QWidget>

#include "ui/ThemeColor.h"

class QPainter;

namespace halvex {

// The program's own symbols, drawn in one colour, looked up by the dotted
// names the views use ("checkmark.circle.fill", "chevron.left", ...).
class Symbol final {
public:
    static bool exists(const QString &name);
    static QStringList names();

    // The symbol filling a square of `size` pixels in `color`; a null pixmap
    // for an unknown name.
    static QPixmap pixmap(const QString &name, int size, const QColor &color,
                          qreal devicePixelRatio = 1.0);
    // Draws the symbol into `rect` (kept square and centred); nothing for an unknown name.
    static void paint(QPainter &painter, const QRectF &rect, const QString &name,
                      const QColor &color);

    // The square a symbol takes beside text of `fontPixelSize`.
    static int sizeForFont(int fontPixelSize) { return qRound(fontPixelSize * 1.15); }
};

// A widget that shows one symbol in a themed colour. It is decoration:
// clicks pass through to what lies beneath and it never takes focus.
class SymbolView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SymbolView)
public:
    SymbolView(const QString &name, int size, const ThemeColor &color, QWidget *parent = nullptr);

    const QString &name() const { return m_name; }
    void setName(const QString &name);
    const ThemeColor &color() const { return m_color; }
    void setColor(const ThemeColor &color);

    QSize sizeHint() const override { return {m_size, m_size}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString m_name;
    int m_size;
    ThemeColor m_color;
};

} // namespace halvex
