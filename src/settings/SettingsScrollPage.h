#pragma once

#include "ui/KitScrollArea.h"

class QVBoxLayout;

namespace halvex {

class KitLabel;

// The frame of a settings section: the kit's vertical scroller over the
// background colour, holding one column 16 in from every side,
// stretched to the full width, with the section's heading on top. Content
// below the heading is added to column(), 16 apart.
class SettingsScrollPage : public KitScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsScrollPage)
public:
    static constexpr int inset = 16;
    static constexpr int spacing = 16;

    explicit SettingsScrollPage(QWidget *parent = nullptr);

    KitLabel *heading() const { return m_heading; }
    QVBoxLayout *column() const { return m_column; }

protected:
    bool event(QEvent *event) override;

private:
    void applyBackground();

    KitLabel *m_heading;
    QVBoxLayout *m_column;
};

} // namespace halvex
