#pragma once

#include <QByteArray>
#include <QEasingCurve>
#include <QVariant>

class QAbstractAnimation;
class QObject;

namespace halvex {

// One shared animation: a curve over one pass, how often the pass repeats
// (-1 forever), and whether each repeat runs backwards.
struct MotionPreset {
    QEasingCurve curve;
    int durationMs = 0;
    int loopCount = 1;
    bool autoReverse = false;
};

// The three shared animations. Springs are damped-spring easing curves whose
// pass lasts until the swing has settled within a thousandth of its travel.
class Motion final {
public:
    static const MotionPreset &snappySpring(); // response 0.35 s, damping fraction 0.85
    static const MotionPreset &gentleSpring(); // response 0.5 s, damping fraction 0.9
    static const MotionPreset &breathPulse();  // ease-in-out 1 s, forever, reversing

    // The position of a spring of `response` seconds and `dampingFraction`
    // at `seconds` after release, from 0 toward 1; and how long it takes to settle.
    static qreal springPosition(qreal response, qreal dampingFraction, qreal seconds);
    static qreal springSettlingSeconds(qreal response, qreal dampingFraction);

    // The "reduce motion" preference: animations jump to their end at once.
    static bool reduceMotion();
    static void setReduceMotion(bool reduce);

    // Animates `property` of `target` from `from` to `to`, replacing an
    // animation of the same property that is still running. The animation
    // is a child of `target` and deletes itself when it ends. With reduced
    // motion the property is set at once (to `to`, or to `from` for a
    // repeating preset) and nullptr is returned.
    static QAbstractAnimation *animate(QObject *target, const QByteArray &property,
                                       const QVariant &from, const QVariant &to,
                                       const MotionPreset &preset);

    // The animation of `property` of `target` that is still running, if any:
    // tests pause it and set its time instead of waiting.
    static QAbstractAnimation *runningAnimation(const QObject *target, const QByteArray &property);
};

} // namespace halvex
