#include <QAbstractAnimation>
#include <QPointer>
#include <QTest>

#include "ui/Motion.h"

using namespace halvex;

// Something with a number to animate.
class Dial : public QObject {
    Q_OBJECT
    Q_PROPERTY(qreal value MEMBER value)
public:
    qreal value = 0;
};

using Preset = const MotionPreset &(*)();
Q_DECLARE_METATYPE(Preset)

class tst_Motion : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Motion::setReduceMotion(false); }

    void springs_data()
    {
        QTest::addColumn<Preset>("preset");
        QTest::addColumn<qreal>("response");
        QTest::addColumn<qreal>("damping");
        QTest::newRow("snappy") << Preset(&Motion::snappySpring) << 0.35 << 0.85;
        QTest::newRow("gentle") << Preset(&Motion::gentleSpring) << 0.5 << 0.9;
    }
    void springs()
    {
        QFETCH(Preset, preset);
        QFETCH(qreal, response);
        QFETCH(qreal, damping);
        const QEasingCurve &curve = preset().curve;
        QCOMPARE(curve.valueForProgress(0.0), 0.0);
        QCOMPARE(curve.valueForProgress(1.0), 1.0);
        // Settled: the pass ends where the spring is within a thousandth of rest.
        const qreal seconds = preset().durationMs / 1000.0;
        QVERIFY(qAbs(Motion::springPosition(response, damping, seconds) - 1.0) <= 0.001);
        QVERIFY(qAbs(Motion::springPosition(response, damping, seconds * 0.5) - 1.0) > 0.001);
        // A spring does most of its travel early, and barely overshoots at this damping.
        QVERIFY(curve.valueForProgress(0.4) > 0.85);
        qreal highest = 0;
        for (int i = 0; i <= 100; ++i)
            highest = qMax(highest, curve.valueForProgress(i / 100.0));
        QVERIFY(highest < 1.01);
        QCOMPARE(preset().loopCount, 1);
    }

    void snappyIsQuickerThanGentle()
    {
        QVERIFY(Motion::snappySpring().durationMs < Motion::gentleSpring().durationMs);
    }

    void springAnimationReachesItsTarget()
    {
        Dial dial;
        QAbstractAnimation *spring =
            Motion::animate(&dial, "value", 0.0, 100.0, Motion::snappySpring());
        QCOMPARE(Motion::runningAnimation(&dial, "value"), spring);
        spring->pause();
        spring->setCurrentTime(Motion::snappySpring().durationMs / 3);
        QVERIFY(dial.value > 50 && dial.value < 100);
        spring->setCurrentTime(Motion::snappySpring().durationMs);
        QCOMPARE(dial.value, 100.0);
        QCOMPARE(Motion::runningAnimation(&dial, "value"), nullptr);
    }

    void breathPulseSwingsBackAndForthForever()
    {
        Dial dial;
        QPointer<QAbstractAnimation> pulse =
            Motion::animate(&dial, "value", 0.0, 1.0, Motion::breathPulse());
        QVERIFY(pulse);
        pulse->pause();
        QList<qreal> samples;
        for (int t = 50; t <= 4000; t += 50) {
            pulse->setCurrentTime(t);
            samples.append(dial.value);
        }
        qreal biggestStep = 0;
        for (int i = 1; i < samples.size(); ++i)
            biggestStep = qMax(biggestStep, qAbs(samples[i] - samples[i - 1]));
        QVERIFY2(biggestStep < 0.1, qPrintable(QString::number(biggestStep))); // never jumps
        QVERIFY(samples[19] > 0.98);                     // at 1 s: the far end
        QVERIFY(samples[39] < 0.02);                     // at 2 s: back at the start
        QVERIFY(samples[59] > 0.98);                     // at 3 s: out again
        QVERIFY(samples[29] > 0.4 && samples[29] < 0.6); // halfway back at 1.5 s
        QVERIFY(pulse && pulse->state() != QAbstractAnimation::Stopped);
        QCOMPARE(pulse->totalDuration(), -1);
    }

    void newAnimationReplacesTheRunningOne()
    {
        Dial dial;
        QPointer<QAbstractAnimation> first =
            Motion::animate(&dial, "value", 0.0, 100.0, Motion::gentleSpring());
        first->pause();
        first->setCurrentTime(50);
        QAbstractAnimation *second =
            Motion::animate(&dial, "value", dial.value, -20.0, Motion::gentleSpring());
        QVERIFY(!first || first->state() == QAbstractAnimation::Stopped);
        QCOMPARE(Motion::runningAnimation(&dial, "value"), second);
        second->pause();
        second->setCurrentTime(Motion::gentleSpring().durationMs);
        QCOMPARE(dial.value, -20.0);
    }

    void reducedMotionJumps_data()
    {
        QTest::addColumn<Preset>("preset");
        QTest::addColumn<qreal>("expected");
        QTest::newRow("spring ends at its target") << Preset(&Motion::snappySpring) << 1.0;
        QTest::newRow("a pulse holds still at its start") << Preset(&Motion::breathPulse) << 0.0;
    }
    void reducedMotionJumps()
    {
        QFETCH(Preset, preset);
        QFETCH(qreal, expected);
        Motion::setReduceMotion(true);
        Dial dial;
        dial.value = 0.5;
        QCOMPARE(Motion::animate(&dial, "value", 0.0, 1.0, preset()), nullptr);
        QCOMPARE(dial.value, expected);
    }
};

QTEST_MAIN(tst_Motion)
#include "tst_Motion.moc"
