#pragma once

#include <QWidget>

#include "ui/ThemeColor.h"

class QVariantAnimation;

namespace halvex {

// The small indeterminate progress indicator: spokes that turn while it is
// shown. Its turn is a property, so tests can set it instead of waiting.
class ActivityIndicator final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActivityIndicator)
    Q_PROPERTY(int phase READ phase WRITE setPhase)
public:
    static constexpr int smallSize = 16;
    static constexpr int spokes = 8;

    explicit ActivityIndicator(const ThemeColor &tint, QWidget *parent = nullptr);

    const ThemeColor &tint() const { return m_tint; }
    void setTint(const ThemeColor &tint);

    // Which spoke leads, 0 to spokes - 1.
    int phase() const { return m_phase; }
    void setPhase(int phase);
    bool isSpinning() const;

    // Dims the whole indicator, as the label it stands in for would be.
    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

    QSize sizeHint() const override { return {smallSize, smallSize}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool event(QEvent *event) override;

private:
    void retranslate();
    ThemeColor m_tint;
    int m_phase = 0;
    qreal m_opacity = 1.0;
    QVariantAnimation *m_turn;
};

} // namespace halvex
