#pragma once

#include <QWidget>

namespace halvex {

class KitLabel;

// The head line of a statistics card: the title on the leading side and a
// short note on the trailing side, the two on one first baseline, at least
// 8 apart. A long title wraps; the note keeps to one line.
class StatsCardHeader final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatsCardHeader)
public:
    explicit StatsCardHeader(QWidget *parent = nullptr);

    static constexpr int spacing = 12;
    static constexpr int minimumGap = 8;

    KitLabel *title() const { return m_title; }
    KitLabel *note() const { return m_note; }

    // How far below the top of a line of `large` text a line of `small`
    // text starts so that both sit on one baseline.
    static int baselineOffset(const QFont &large, const QFont &small);

private:
    KitLabel *m_title;
    KitLabel *m_note;
};

} // namespace halvex
