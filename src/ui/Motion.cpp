#include "ui/Motion.h"

#include <cmath>
#include <numbers>

#include <QPointF>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>

namespace halvex {

namespace {

bool g_reduceMotion = false;

// A spring released at 0 toward 1, scaled so that the pass ends exactly at 1.
struct SpringShape {
    SpringShape(qreal response, qreal damping)
        : response(response)
        , damping(damping)
        , settle(Motion::springSettlingSeconds(response, damping))
        , endValue(Motion::springPosition(response, damping, settle))
    {}
    qreal at(qreal progress) const
    {
        if (progress >= 1.0)
            return 1.0;
        if (progress <= 0.0)
            return 0.0;
        return Motion::springPosition(response, damping, progress * settle) / endValue;
    }
    qreal response;
    qreal damping;
    qreal settle;
    qreal endValue;
};

// QEasingCurve takes a plain function, so each spring gets its own.
template <int ResponseMs, int DampingPermille> qreal springEase(qreal progress)
{
    static const SpringShape shape(ResponseMs / 1000.0, DampingPermille / 1000.0);
    return shape.at(progress);
}

template <int ResponseMs, int DampingPermille> MotionPreset makeSpring()
{
    MotionPreset preset;
    preset.curve.setCustomType(&springEase<ResponseMs, DampingPermille>);
    const qreal settle =
        Motion::springSettlingSeconds(ResponseMs / 1000.0, DampingPermille / 1000.0);
    preset.durationMs = int(std::ceil(settle * 1000.0));
    return preset;
}

QString animationName(const QByteArray &property)
{
    return QStringLiteral("halvex.motion.") + QString::fromLatin1(property);
}

QPropertyAnimation *pass(QObject *target, const QByteArray &property, const QVariant &from,
                         const QVariant &to, const MotionPreset &preset)
{
    auto *animation = new QPropertyAnimation(target, property);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setDuration(preset.durationMs);
    animation->setEasingCurve(preset.curve);
    return animation;
}

} // namespace

const MotionPreset &Motion::snappySpring()
{
    static const MotionPreset preset = makeSpring<350, 850>();
    return preset;
}

const MotionPreset &Motion::gentleSpring()
{
    static const MotionPreset preset = makeSpring<500, 900>();
    return preset;
}

const MotionPreset &Motion::breathPulse()
{
    static const MotionPreset preset = [] {
        MotionPreset p;
        p.curve = QEasingCurve(QEasingCurve::BezierSpline);
        p.curve.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
        p.durationMs = 1000;
        p.loopCount = -1;
        p.autoReverse = true;
        return p;
    }();
    return preset;
}

qreal Motion::springPosition(qreal response, qreal dampingFraction, qreal seconds)
{
    const qreal omega = 2.0 * std::numbers::pi / response;
    const qreal decay = dampingFraction * omega;
    if (dampingFraction >= 1.0) // critically damped
        return 1.0 - std::exp(-omega * seconds) * (1.0 + omega * seconds);
    const qreal omegaD = omega * std::sqrt(1.0 - dampingFraction * dampingFraction);
    return 1.0 - std::exp(-decay * seconds) *
                     (std::cos(omegaD * seconds) + decay / omegaD * std::sin(omegaD * seconds));
}

qreal Motion::springSettlingSeconds(qreal response, qreal dampingFraction)
{
    const qreal omega = 2.0 * std::numbers::pi / response;
    if (dampingFraction >= 1.0) // e^-x (1 + x) falls below 1/1000 at x = 9.24
        return 9.24 / omega;
    // The swing is at most the decay envelope times 1/sqrt(1 - damping^2).
    const qreal amplitude = 1.0 / std::sqrt(1.0 - dampingFraction * dampingFraction);
    return std::log(1000.0 * amplitude) / (dampingFraction * omega);
}

bool Motion::reduceMotion()
{
    return g_reduceMotion;
}

void Motion::setReduceMotion(bool reduce)
{
    g_reduceMotion = reduce;
}

QAbstractAnimation *Motion::runningAnimation(const QObject *target, const QByteArray &property)
{
    const auto found = target->findChildren<QAbstractAnimation *>(animationName(property),
                                                                  Qt::FindDirectChildrenOnly);
    for (QAbstractAnimation *animation : found) {
        if (animation->state() != QAbstractAnimation::Stopped)
            return animation;
    }
    return nullptr;
}

QAbstractAnimation *Motion::animate(QObject *target, const QByteArray &property,
                                    const QVariant &from, const QVariant &to,
                                    const MotionPreset &preset)
{
    const QString name = animationName(property);
    const auto running =
        target->findChildren<QAbstractAnimation *>(name, Qt::FindDirectChildrenOnly);
    for (QAbstractAnimation *old : running) {
        old->stop();
        old->deleteLater();
        old->setObjectName(QString());
    }

    const bool repeats = preset.loopCount != 1 || preset.autoReverse;
    if (g_reduceMotion || preset.durationMs <= 0) {
        target->setProperty(property.constData(), repeats ? from : to);
        return nullptr;
    }

    QAbstractAnimation *animation = nullptr;
    if (preset.autoReverse) {
        auto *group = new QSequentialAnimationGroup;
        group->addAnimation(pass(target, property, from, to, preset));
        group->addAnimation(pass(target, property, to, from, preset));
        group->setLoopCount(preset.loopCount);
        animation = group;
    } else {
        auto *single = pass(target, property, from, to, preset);
        single->setLoopCount(preset.loopCount);
        animation = single;
    }
    animation->setParent(target);
    animation->setObjectName(name);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    return animation;
}

} // namespace halvex
