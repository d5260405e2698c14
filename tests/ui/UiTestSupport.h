#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include "ui/ThemeColor.h"

class QScrollArea;

namespace testing {

// A window painted in the background token, to hold widgets under test.
class Backdrop final : public QWidget {
public:
    explicit Backdrop(QWidget *content = nullptr, int margin = 10);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Shows `window`, lays it out, and returns what it draws.
QImage render(QWidget *window);
// What `widget` draws, in the coordinates of `widget`.
QImage renderWidget(QWidget *widget);

// `top` at `alpha` over `bottom`.
QColor over(const QColor &top, qreal alpha, const QColor &bottom);
bool near(const QColor &a, const QColor &b, int tolerance = 6);
QString describe(const QColor &c);

// Light-appearance value of a token.
inline QColor light(const halvex::ThemeColor &token)
{
    return token.light();
}

// Pauses the running kit animation of `property` on `target` and sets it
// `ms` into its run, as if that much time had passed. False when none runs.
bool seek(QObject *target, const char *property, int ms);

// How many pixels of row `y` are within `tolerance` of `colour`.
int countInRow(const QImage &image, int y, const QColor &colour, int tolerance = 12);

// Whether all of `descendant` shows in the viewport of `area`.
bool fullyInView(const QScrollArea *area, const QWidget *descendant);

// What hides content in the kit's scroll areas of `window`, shown and laid
// out at the size to judge: one line per fault, none when all is well.
// Each area on screen either holds all of its content or shows its bar,
// gives the content all the height its layout needs, never cuts it at the
// right, and scrolls its lowest widget that takes the keyboard focus into
// full view when that widget is focused with the area at its top. The areas
// are left at their top.
QStringList scrollAreaFaults(QWidget *window);

} // namespace testing

#define QCOMPARE_COLOR(actual, expected)                                                           \
    QVERIFY2(testing::near((actual), (expected)),                                                  \
             qPrintable(testing::describe(actual) + QStringLiteral(" != ") +                       \
                        testing::describe(expected)))
