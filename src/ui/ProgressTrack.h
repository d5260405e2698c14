#pragma once

#include <QWidget>

#include "ui/Color.h"

namespace halvex {

// A thin capsule bar: the track over the full width, its edge drawn in the
// outline colour, and on it the fill over the clamped share of it (below 0
// or not a number: empty; above 1: full). It takes all the width offered and
// exactly `height` of height.
class ProgressTrack final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgressTrack)
public:
    struct Options {
        double progress = 0.0;
        ThemeColor fill{};
        ThemeColor track{};
        qreal height = 4.0;
        // The edge: strong against what lies behind the bar, so that an empty
        // bar still shows how far it reaches.
        ThemeColor outline = Color::inkSubtle();
    };
    explicit ProgressTrack(Options options, QWidget *parent = nullptr);

    static double clamped(double progress);

    double progress() const { return m_options.progress; }
    void setProgress(double progress);
    const ThemeColor &fill() const { return m_options.fill; }
    void setFill(const ThemeColor &fill);
    const ThemeColor &track() const { return m_options.track; }
    void setTrack(const ThemeColor &track);
    qreal barHeight() const { return m_options.height; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    Options m_options;
};

} // namespace halvex
