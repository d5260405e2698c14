#pragma once

#include <QStringList>
#include <QWidget>

#include "ui/ThemeColor.h"

namespace halvex {

// A text of at most `maximumLines` lines in one of the kit's fonts and
// colour tokens: wrapped at word boundaries (or anywhere when a word is too
// long), the last line cut with an ellipsis when the text runs on. A single
// line may be cut in the middle instead. Its height follows the width it is
// given. Texts are shown as given, callers localise first.
class ClampedLabel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClampedLabel)
public:
    ClampedLabel(const QString &text, const QFont &font, const ThemeColor &color, int maximumLines,
                 Qt::TextElideMode elide = Qt::ElideRight, QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);
    const ThemeColor &color() const { return m_color; }
    void setColor(const ThemeColor &color);
    int maximumLines() const { return m_maximumLines; }
    void setMaximumLines(int maximumLines);

    // The lines drawn at `width`, the last one cut when the text runs on.
    QStringList lines(int width) const;
    QStringList shownLines() const { return lines(width()); }
    bool isTruncated() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString m_text;
    ThemeColor m_color;
    int m_maximumLines;
    Qt::TextElideMode m_elide;
};

} // namespace halvex
