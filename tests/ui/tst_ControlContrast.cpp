// Controls that only their edge shows (radio rings, step dots, an off
// switch, an unticked chip, bar tracks, segmented tracks) stand out from what
// lies behind them by the 3:1 that non-text contrast asks, light and dark,
// and a chosen segment stands apart from the others by as much. A disabled
// filled button is told from an enabled one at a glance: its fill fades
// towards what lies behind and its title dims, yet stays readable. Measured
// on the pixels the controls paint over the colour they really sit on.
#include <cmath>
#include <functional>

#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include "UiTestSupport.h"
#include "editor/ActiveWindowInput.h"
#include "editor/SegmentedControl.h"
#include "friction/FrictionPrimaryButton.h"
#include "menubar/StreakRowProgressLine.h"
#include "onboarding/FirstStreakRow.h"
#include "onboarding/OnboardingProgressIndicator.h"
#include "stats/StreakSummaryRow.h"
#include "stats/UsageRangePicker.h"
#include "stats/UsageSiteRow.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/PrimaryButton.h"
#include "ui/ProgressTrack.h"
#include "ui/ToggleSwitch.h"

using namespace halvex;

namespace {

// WCAG contrast ratio of two opaque colours.
qreal contrast(const QColor &a, const QColor &b)
{
    const auto lum = [](const QColor &c) {
        const auto ch = [](qreal v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
    };
    const qreal l1 = lum(a), l2 = lum(b);
    return (qMax(l1, l2) + 0.05) / (qMin(l1, l2) + 0.05);
}

// A window of the colour the control sits on in the application.
class Host final : public QWidget {
public:
    explicit Host(ThemeColor fill)
        : m_fill(std::move(fill))
    {
        new QVBoxLayout(this);
        layout()->setContentsMargins(8, 8, 8, 8);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), m_fill.resolve(this));
    }

private:
    ThemeColor m_fill;
};

// In the host's coordinates: the strongest pixel of `edge` is held against
// the pixel at `behind`.
struct Probe {
    QRect edge;
    QPoint behind;
};
using Scene = std::function<Probe(QWidget *host)>;

template <typename W> W *place(QWidget *host, W *widget)
{
    host->layout()->addWidget(widget);
    host->resize(360, host->sizeHint().height());
    host->show();
    host->layout()->activate();
    return widget;
}

QRect in(const QWidget *host, const QWidget *widget, const QRect &r)
{
    return {widget->mapTo(host, r.topLeft()), r.size()};
}

QRect in(const QWidget *host, const QWidget *widget)
{
    return in(host, widget, widget->rect());
}

// Two pixels above `r`, in the middle.
QPoint above(const QRect &r)
{
    return {r.center().x(), r.top() - 2};
}

Probe track(const QWidget *host, const QWidget *bar)
{
    const QRect r = in(host, bar);
    return {r, above(r)};
}

// The top two rows of a control, between its rounded corners: its edge and
// what lies just inside, clear of titles and chosen segments.
Probe topEdge(const QWidget *host, const QWidget *control)
{
    const QRect r = in(host, control);
    return {QRect(r.left() + 8, r.top(), r.width() - 16, 2), above(r)};
}

// A few pixels inside the chosen segment's leading end, clear of its title,
// against the same place in the other segment.
Probe chosenSegment(const QWidget *host, const QWidget *control, const QRect &chosen,
                    const QRect &other)
{
    const auto spot = [&](const QRect &segment) {
        return in(host, control, QRect(segment.left() + 3, segment.center().y() - 1, 3, 3));
    };
    return {spot(chosen), spot(other).center()};
}

// Distance of two opaque colours in RGB: how far apart they look, hue included.
qreal distance(const QColor &a, const QColor &b)
{
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// A filled button as it shows: its fill, beside the title and clear of the
// rounded corners, and the title's strongest pixel against that fill.
struct ButtonLook {
    QColor fill, title;
};
using ButtonMaker = std::function<QWidget *(bool enabled)>;

ButtonLook lookOf(const QImage &image, const QWidget *host, const QWidget *button)
{
    const QRect r = in(host, button);
    const QColor fill = image.pixelColor(r.left() + 6, r.center().y());
    QColor title = fill;
    const QRect middle = r.adjusted(r.width() / 4, 4, -r.width() / 4, -4);
    for (int y = middle.top(); y <= middle.bottom(); ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (contrast(pixel, fill) > contrast(title, fill))
                title = pixel;
        }
    }
    return {fill, title};
}

} // namespace

Q_DECLARE_METATYPE(Scene)
Q_DECLARE_METATYPE(ButtonMaker)

class tst_ControlContrast : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Environment::setApplicationAppearance(Appearance::light); }

    void edgeStandsOut_data()
    {
        QTest::addColumn<Appearance>("appearance");
        QTest::addColumn<ThemeColor>("backdrop");
        QTest::addColumn<Scene>("scene");
        for (const Appearance appearance : {Appearance::light, Appearance::dark}) {
            const auto row = [appearance](const char *what, const ThemeColor &backdrop,
                                          Scene scene) {
                QTest::addRow("%s, %s", what, appearance == Appearance::dark ? "dark" : "light")
                    << appearance << backdrop << scene;
            };
            row("radio ring", Color::background(), [](QWidget *host) {
                auto *button = place(host, new FirstStreakRowButton(QStringLiteral("globe")));
                const int size = FirstStreakRowButton::radioSize;
                const QRect ring =
                    in(host, button,
                       QRect(button->width() - FirstStreakRowButton::horizontalPadding - size,
                             (button->height() - size) / 2, size, size)
                           .adjusted(-1, -1, 1, 1));
                return Probe{ring, above(ring)};
            });
            row("step dot", Color::background(), [](QWidget *host) {
                auto *dots = place(host, new OnboardingProgressIndicator(0, 5));
                const int size = OnboardingProgressIndicator::dotSize;
                const QRect second = in(host, dots,
                                        QRect((dots->width() - dots->sizeHint().width()) / 2 +
                                                  size + OnboardingProgressIndicator::spacing,
                                              (dots->height() - size) / 2, size, size));
                return Probe{second, above(second)};
            });
            for (const auto &[card, backdrop] :
                 {std::pair{"window", Color::background()}, std::pair{"card", Color::surface()}}) {
                row(qPrintable(QStringLiteral("switch off on a %1").arg(card)), backdrop,
                    [](QWidget *host) {
                        auto *toggle = place(host, new ToggleSwitch);
                        // The track's far end, which the knob leaves bare.
                        const QRect bare((toggle->width() + ToggleSwitch::trackWidth) / 2 - 10,
                                         toggle->height() / 2 - 2, 6, 4);
                        return Probe{in(host, toggle, bare), above(in(host, toggle))};
                    });
            }
            row("milestone bar at 0 days", Color::surfaceElevated(), [](QWidget *host) {
                auto *line = place(host, StreakRowProgressLine::forRow(std::nullopt, 0, 0));
                return track(host, line->track());
            });
            row("allowance bar with nothing left", Color::surfaceElevated(), [](QWidget *host) {
                // Behind the bar lies the line's green tint.
                auto *line = place(host, StreakRowProgressLine::forRow(0.0, 30, 3));
                return track(host, line->track());
            });
            row("summary bar at 0 days", Color::background(), [](QWidget *host) {
                auto *row = place(
                    host, new StreakSummaryRow(
                              {.name = QStringLiteral("Reading"), .days = 0, .scaleDays = 30}));
                return track(host, row->bar());
            });
            row("usage bar with nothing spent", Color::background(), [](QWidget *host) {
                UsageStreakSummary nothing;
                nothing.streakName = QStringLiteral("News");
                auto *row = place(host, new UsageSiteRow(nothing, 60));
                return track(host, row->findChild<QWidget *>(QStringLiteral("usage.row.bar")));
            });
            row("range picker's track", Color::background(),
                [](QWidget *host) { return topEdge(host, place(host, new UsageRangePicker)); });
            row("segmented control's track", Color::background(), [](QWidget *host) {
                return topEdge(host,
                               place(host, new SegmentedControl({QStringLiteral("Apps"),
                                                                 QStringLiteral("Websites")})));
            });
            row("weekday chip unticked", Color::background(), [](QWidget *host) {
                auto *input = place(
                    host, new ActiveWindowInput({true, 540, 1080, ActiveWindowInput::weekdays}));
                return topEdge(host, input->findChild<QWidget *>(
                                         QStringLiteral("streakEditor.activeWindow.day.7")));
            });
            row("range picker's chosen segment", Color::background(), [](QWidget *host) {
                auto *picker = place(host, new UsageRangePicker);
                const auto geometry = [picker](UsageReportRange range) {
                    return picker->segment(range)->geometry();
                };
                return chosenSegment(host, picker, geometry(UsageReportRange::today),
                                     geometry(UsageReportRange::sevenDays));
            });
            row("segmented control's chosen segment", Color::background(), [](QWidget *host) {
                auto *control = place(host, new SegmentedControl({QStringLiteral("Apps"),
                                                                  QStringLiteral("Websites")}));
                control->setSelectedIndex(1);
                return chosenSegment(host, control, control->segmentRect(1),
                                     control->segmentRect(0));
            });
        }
    }
    void disabledButtonLooksDisabled_data()
    {
        QTest::addColumn<Appearance>("appearance");
        QTest::addColumn<ThemeColor>("backdrop");
        QTest::addColumn<ButtonMaker>("make");
        for (const Appearance appearance : {Appearance::light, Appearance::dark}) {
            const char *theme = appearance == Appearance::dark ? "dark" : "light";
            QTest::addRow("primary button, %s", theme)
                << appearance << Color::background() << ButtonMaker([](bool enabled) {
                       return new PrimaryButton(
                           {.title = QStringLiteral("Continue"), .isEnabled = enabled});
                   });
            QTest::addRow("primary button on a card, %s", theme)
                << appearance << Color::surface() << ButtonMaker([](bool enabled) {
                       return new PrimaryButton({.title = QStringLiteral("Send"),
                                                 .isEnabled = enabled,
                                                 .fullWidth = true});
                   });
            QTest::addRow("friction panel's step back, %s", theme)
                << appearance << Color::surfaceElevated() << ButtonMaker([](bool enabled) {
                       auto *button = new FrictionPrimaryButton(
                           QStringLiteral("Step back"), QStringLiteral("arrow.uturn.backward"), {});
                       button->setEnabled(enabled);
                       return button;
                   });
        }
    }
    void disabledButtonLooksDisabled()
    {
        QFETCH(Appearance, appearance);
        QFETCH(ThemeColor, backdrop);
        QFETCH(ButtonMaker, make);
        Environment::setApplicationAppearance(appearance);
        ButtonLook looks[2];
        QColor behind;
        for (const bool enabled : {true, false}) {
            Host host(backdrop);
            QWidget *button = place(&host, make(enabled));
            const QImage image = testing::renderWidget(&host);
            looks[enabled] = lookOf(image, &host, button);
            behind = image.pixelColor(above(in(&host, button)));
        }
        const ButtonLook &on = looks[true], &off = looks[false];
        const QString seen = QStringLiteral("enabled %1 on %2, disabled %3 on %4, behind %5")
                                 .arg(testing::describe(on.title), testing::describe(on.fill),
                                      testing::describe(off.title), testing::describe(off.fill),
                                      testing::describe(behind));
        // The fill fades: nearer what lies behind than the enabled fill.
        QVERIFY2(distance(off.fill, on.fill) > 2 * distance(off.fill, behind), qPrintable(seen));
        // The title dims against its fill, and can still be read.
        const qreal onTitle = contrast(on.title, on.fill), offTitle = contrast(off.title, off.fill);
        QVERIFY2(offTitle < 0.9 * onTitle && offTitle >= 3.0,
                 qPrintable(seen + QStringLiteral(": titles at %1:1 and %2:1")
                                       .arg(onTitle, 0, 'f', 2)
                                       .arg(offTitle, 0, 'f', 2)));
    }

    void edgeStandsOut()
    {
        QFETCH(Appearance, appearance);
        QFETCH(ThemeColor, backdrop);
        QFETCH(Scene, scene);
        Environment::setApplicationAppearance(appearance);
        Host host(backdrop);
        const Probe probe = scene(&host);
        const QImage image = testing::renderWidget(&host);
        QVERIFY(image.rect().contains(probe.edge) && image.rect().contains(probe.behind));
        const QColor behind = image.pixelColor(probe.behind);
        QColor strongest = behind;
        for (int y = probe.edge.top(); y <= probe.edge.bottom(); ++y) {
            for (int x = probe.edge.left(); x <= probe.edge.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (contrast(pixel, behind) > contrast(strongest, behind))
                    strongest = pixel;
            }
        }
        const qreal ratio = contrast(strongest, behind);
        QVERIFY2(ratio >= 3.0,
                 qPrintable(QStringLiteral("%1 against %2: %3:1")
                                .arg(testing::describe(strongest), testing::describe(behind))
                                .arg(ratio, 0, 'f', 2)));
    }
};

QTEST_MAIN(tst_ControlContrast)
#include "tst_ControlContrast.moc"
