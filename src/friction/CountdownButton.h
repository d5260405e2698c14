#pragma once

#include <functional>

#include <QAbstractButton>

class QGraphicsDropShadowEffect;

namespace halvex {

// The wide button of the firm countdown. While seconds remain it cannot be
// pressed: it shows the seconds left over a track that fills from the left
// as the countdown advances. With no seconds left, or when not active, it is
// a filled accent button labelled open anyway. It knows nothing of the view
// model: the row hands it the numbers and the tap.
class CountdownButton final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountdownButton)
    Q_PROPERTY(qreal shownProgress READ shownProgress WRITE setShownProgress)
    Q_PROPERTY(qreal readyLook READ readyLook WRITE setReadyLook)
public:
    CountdownButton(int secondsRemaining, int total, bool isActive, std::function<void()> onTap,
                    QWidget *parent = nullptr);

    static constexpr int verticalPadding = 13;
    static constexpr int horizontalPadding = 16;
    static constexpr qreal cornerRadius = 12.0;
    static constexpr qreal trackOpacity = 0.06;
    static constexpr qreal fillOpacity = 0.22;
    static constexpr qreal shadowOpacity = 0.28;
    static constexpr int progressEaseMs = 900;

    // The filled share of the track: how much of `total` has passed while
    // active and at least a second long, clamped to 0…1; otherwise 1.
    static qreal progress(int secondsRemaining, int total, bool isActive);

    void setState(int secondsRemaining, int total, bool isActive);
    int secondsRemaining() const { return m_secondsRemaining; }
    int total() const { return m_total; }
    bool isActive() const { return m_isActive; }
    bool isCounting() const { return m_isActive && m_secondsRemaining >= 1; }
    bool isReady() const { return !isCounting(); }
    // The label as shown now, in the current language.
    QString label() const;

    // The track's fill as drawn now; it eases toward progress().
    qreal shownProgress() const { return m_shownProgress; }
    void setShownProgress(qreal progress);
    // 1 ready, 0 counting; in between while the button springs over.
    qreal readyLook() const { return m_readyLook; }
    void setReadyLook(qreal look);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void updateShadow();

    int m_secondsRemaining;
    int m_total;
    bool m_isActive;
    std::function<void()> m_onTap;
    qreal m_shownProgress;
    qreal m_readyLook;
    QGraphicsDropShadowEffect *m_shadow;
};

} // namespace halvex
