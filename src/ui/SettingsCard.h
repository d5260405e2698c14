#pragma once

#include <QWidget>

namespace halvex {

// A framed group of settings: the content spans the full width at the
// leading edge, 16 in from the sides and `verticalPadding` from top and
// bottom, on a surface-filled rounded rectangle with a divider outline.
class SettingsCard final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsCard)
public:
    static constexpr int horizontalPadding = 16;
    static constexpr qreal cornerRadius = 8.0;

    SettingsCard(qreal verticalPadding, QWidget *content, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    qreal verticalPadding() const { return m_verticalPadding; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    qreal m_verticalPadding;
    QWidget *m_content;
};

} // namespace halvex
