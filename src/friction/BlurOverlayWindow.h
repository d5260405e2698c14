#pragma once

#include <QImage>
#include <QWidget>

class QScreen;

namespace halvex {

// One screen's dimmed, blurred backdrop behind the friction panel: the
// screen as it was just before the panel came up, blurred and darkened with
// black at 0.28. It is drawn from a picture of the screen, so it looks the
// same with or without a compositor. It never takes the focus and lets
// clicks through, and like the panel it refuses to be closed or minimised.
class BlurOverlayWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BlurOverlayWindow)
public:
    // `screenshot` is the screen's picture; a null one leaves just the dim.
    BlurOverlayWindow(QScreen *screen, const QImage &screenshot);

    static constexpr qreal dimOpacity = 0.28;

    // The backdrop made from a picture of a screen: blurred (radius about
    // 1 % of the screen's width), then dimmed, at `size`. Null without a picture.
    static QImage backdrop(const QImage &screenshot, const QSize &size);

    QScreen *targetScreen() const { return m_screen; }
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QScreen *m_screen;
    QImage m_image;
};

} // namespace halvex
