#include <QLabel>
#include <QPaintEvent>
#include <QTest>
#include <QVBoxLayout>

#include "ManualScheduler.h"
#include "friction/BreathDotView.h"
#include "ui/Color.h"
#include "ui/Motion.h"

using namespace halvex;

namespace {

// The dot in a window of its own with a neighbour, on a clock the test moves.
struct Host {
    testing::ManualScheduler scheduler;
    QWidget window;
    QLabel *neighbour = new QLabel(QStringLiteral("12 days without Reddit"), &window);
    BreathDotView *dot = new BreathDotView(32, scheduler, &window);

    Host()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(dot, 0, Qt::AlignHCenter);
        layout->addWidget(neighbour);
        window.resize(240, 120);
    }
};

// Records every paint of a window's widgets, in the window's coordinates.
class PaintSpy final : public QObject {
public:
    explicit PaintSpy(QWidget &window)
        : m_window(window)
    {
        window.installEventFilter(this);
        for (QWidget *child : window.findChildren<QWidget *>())
            child->installEventFilter(this);
    }
    QList<QPair<QWidget *, QRect>> painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *widget = static_cast<QWidget *>(watched);
            const QRect rect = static_cast<QPaintEvent *>(event)->rect();
            painted.append({widget, QRect(widget->mapTo(&m_window, rect.topLeft()), rect.size())});
        }
        return false;
    }

private:
    QWidget &m_window;
};

} // namespace

class tst_BreathDotView : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Motion::setReduceMotion(false); }

    void breathesAtTheRateItsSlowPulseNeeds()
    {
        Host host;
        host.window.show();
        QCOMPARE(host.dot->pulse(), 0.0);
        QCOMPARE(host.scheduler.pendingCount(), 1);

        // One breath, sampled finely: each frame moves the pulse one equal step.
        QList<qreal> frames{host.dot->pulse()};
        QMap<int, qreal> at; // pulse by elapsed milliseconds
        for (int ms = 5; ms <= 2000; ms += 5) {
            host.scheduler.advance(ms == 2000 ? 0.005 + 1e-6 : 0.005); // sums are not exact
            if (host.dot->pulse() != frames.last())
                frames.append(host.dot->pulse());
            at.insert(ms, host.dot->pulse());
        }
        const qreal step = 1.0 / BreathDotView::stepsPerPass;
        QCOMPARE(frames.size(), 2 * BreathDotView::stepsPerPass + 1);
        for (int i = 1; i < frames.size(); ++i)
            QVERIFY(qFuzzyCompare(1.0 + qAbs(frames[i] - frames[i - 1]), 1.0 + step));
        QCOMPARE(at.value(1000), 1.0); // drawn in after a second
        QVERIFY(qAbs(at.value(500) - 0.5) <= step);
        QVERIFY(qAbs(at.value(1500) - 0.5) <= step);
        QCOMPARE(at.value(2000), 0.0); // and out again after two
        // Never woken faster than the eased pulse needs.
        const auto &delays = host.scheduler.requestedDelays();
        QCOMPARE(int(delays.size()), 2 * BreathDotView::stepsPerPass + 1);
        QVERIFY(*std::min_element(delays.begin(), delays.end()) > 1.0 / 25);

        // Out of sight it stops, and it starts from rest when it is back.
        host.scheduler.advance(0.3);
        host.window.hide();
        QCOMPARE(host.scheduler.pendingCount(), 0);
        host.window.show();
        QCOMPARE(host.dot->pulse(), 0.0);
        QCOMPARE(host.scheduler.pendingCount(), 1);
    }

    void reducedMotionHoldsStill()
    {
        Motion::setReduceMotion(true);
        Host host;
        host.window.show();
        host.scheduler.advance(3.0);
        QCOMPARE(host.dot->pulse(), 0.0);
        QVERIFY(host.scheduler.requestedDelays().empty());
    }

    void repaintsOnlyItsOwnRectangle_data()
    {
        QTest::addColumn<bool>("onPlainFill");
        QTest::newRow("on whatever is beneath") << false;
        QTest::newRow("on a plain fill") << true;
    }
    void repaintsOnlyItsOwnRectangle()
    {
        QFETCH(bool, onPlainFill);
        Host host;
        if (onPlainFill)
            host.dot->setBackground(&Color::surface());
        host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        PaintSpy spy(host.window);
        const qreal before = host.dot->pulse();
        host.scheduler.advance(0.5);
        QVERIFY(host.dot->pulse() != before);
        QTRY_VERIFY(!spy.painted.isEmpty());
        const QRect dot = host.dot->geometry();
        for (const auto &[widget, rect] : spy.painted)
            QVERIFY2(dot.contains(rect), qPrintable(widget->metaObject()->className()));
        QVERIFY(std::any_of(spy.painted.begin(), spy.painted.end(),
                            [&](const auto &paint) { return paint.first == host.dot; }));
        // On its own fill, nothing beneath it is painted again.
        if (onPlainFill) {
            for (const auto &[widget, rect] : spy.painted)
                QCOMPARE(widget, host.dot);
            const QImage shown = host.window.grab().toImage();
            QCOMPARE(shown.pixelColor(host.dot->geometry().topLeft()),
                     Color::surface().resolve(host.dot));
        }
    }
};

QTEST_MAIN(tst_BreathDotView)
#include "tst_BreathDotView.moc"
