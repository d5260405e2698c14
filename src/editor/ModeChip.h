#pragma once

#include <QWidget>

#include "model/Streak.h"

namespace halvex {

// A strictness mode's name in the interface language; the English name when
// the string table has none.
QString modeDisplayName(StrictnessMode mode);
// The same name as the string table alone gives it (the key where it has none).
QString modeTitle(StrictnessMode mode);
// What the mode does when a blocked target comes up, as the string table gives it.
QString modeDescription(StrictnessMode mode);
// The one symbol each mode is drawn with, wherever it is drawn.
QString modeSymbolName(StrictnessMode mode);

// A small capsule that shows a mode, its symbol and name, where the mode is
// only shown (streak rows, the detail sheet). It keeps its natural size.
class ModeChip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModeChip)
public:
    explicit ModeChip(StrictnessMode mode, qreal glyphSize = 10, QWidget *parent = nullptr);

    static constexpr int horizontalPadding = 6;
    static constexpr int verticalPadding = 2;
    static constexpr int spacing = 4;

    StrictnessMode mode() const { return m_mode; }
    void setMode(StrictnessMode mode);
    qreal glyphSize() const { return m_glyphSize; }
    QString text() const { return modeDisplayName(m_mode); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    StrictnessMode m_mode;
    qreal m_glyphSize;
};

} // namespace halvex
