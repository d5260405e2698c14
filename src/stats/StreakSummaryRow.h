#pragma once

#include <QWidget>

#include "model/Streak.h"

namespace halvex {

class KitLabel;
class ProgressTrack;

// One streak in the statistics window's list: name and mode, a bar of its
// day count against the scale all rows share, and the count. It holds no
// state and ignores the mouse, so a press anywhere on it reaches the button
// around it.
class StreakSummaryRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreakSummaryRow)
public:
    struct Options {
        QString name{};
        qint64 days = 0;
        StrictnessMode mode = StrictnessMode::firm;
        bool isPaused = false;
        qint64 scaleDays = 1;
    };
    explicit StreakSummaryRow(Options options, QWidget *parent = nullptr);

    static constexpr int spacing = 12;
    static constexpr int verticalPadding = 4;
    static constexpr int nameWidth = 140;
    static constexpr int countWidth = 72;
    static constexpr int barHeight = 10;

    // The bar's share before the bar clamps it: days over the scale, the
    // scale counted as at least 1.
    static double fillShare(qint64 days, qint64 scaleDays);
    // "Firm", or "Firm, paused".
    static QString subtitle(StrictnessMode mode, bool isPaused);

    const Options &options() const { return m_options; }
    ProgressTrack *bar() const { return m_bar; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    Options m_options;
    KitLabel *m_name;
    KitLabel *m_subtitle;
    ProgressTrack *m_bar;
    KitLabel *m_count;
    KitLabel *m_unit;
};

} // namespace halvex
