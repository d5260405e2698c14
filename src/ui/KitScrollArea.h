#pragma once

#include <QScrollArea>

namespace halvex {

// The kit's vertical scroller: no frame, the content stretched to the width
// of the area and never scrolled sideways, over the background of whatever
// holds it. Whenever the content is taller than the area a thin bar in the
// theme's colours shows that there is more, taking its own width beside the
// content instead of covering it.
//
// What the user is working on stays in sight: a descendant that takes the
// keyboard focus is scrolled into view (a click needs no help, it landed on
// something already seen), and so is a line marked with revealWhenShown()
// as it appears. The area opens at its top.
class KitScrollArea : public QScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KitScrollArea)
public:
    static constexpr int barWidth = 10;
    // Room kept around what is brought into view, so an outline or a
    // caption right next to it is not cut.
    static constexpr int revealMargin = 16;

    explicit KitScrollArea(QWidget *parent = nullptr);

    // Scrolls no more than needed for all of `descendant`, with the margin
    // where there is room for it, to be in view once the pending layouts
    // have settled; the top of something taller than the area. Nothing for
    // a widget of another area or one no longer shown.
    void reveal(QWidget *descendant);

    // Marks a line (an error, a validation message) that is scrolled into
    // view by its nearest enclosing KitScrollArea whenever it is shown on
    // screen by setting it visible. A line shown with its whole page is left
    // where it is.
    static void revealWhenShown(QWidget *line);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyBarStyle();

    bool m_opened = false;
};

} // namespace halvex
