#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace halvex {

// The brand artwork as decoration: it takes no clicks and says nothing to
// assistive tools. Where the artwork is missing it draws the application's
// own icon instead.
class BrandMark final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrandMark)
public:
    // A square of `side` points.
    static BrandMark *square(int side, QWidget *parent = nullptr);
    // `height` points high and as wide as the artwork's aspect ratio asks.
    static BrandMark *ofHeight(int height, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    explicit BrandMark(QWidget *parent);

    QSvgRenderer m_svg;
};

} // namespace halvex
