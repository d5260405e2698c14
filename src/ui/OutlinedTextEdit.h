#pragma once

#include <QMargins>
#include <QWidget>

class QPlainTextEdit;

namespace halvex {

// A plain-text editor inside a rounded divider outline: the body font, the
// theme's ink, placeholder and selection colours on a transparent ground,
// and Tab moves the focus on. `padding` lies between the outline and the
// editor. The owner names and sizes it and sets what else the editor needs.
class OutlinedTextEdit final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutlinedTextEdit)
public:
    static constexpr qreal cornerRadius = 8.0;

    explicit OutlinedTextEdit(QMargins padding, QWidget *parent = nullptr);

    QPlainTextEdit *editor() const { return m_editor; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void applyColours();

    QPlainTextEdit *m_editor;
};

} // namespace halvex
