#pragma once

#include <functional>
#include <optional>

#include <QObject>

#include "platform/RunningApplications.h"

namespace halvex {

// Tells which application is in front. The latest report is kept: current()
// reads it, and subscribe() hands it to a new listener at once, as a
// current-value subject would.
class FrontmostDetecting : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~FrontmostDetecting() override = default;
    Q_DISABLE_COPY_MOVE(FrontmostDetecting)

    using Listener = std::function<void(const std::optional<platform::RunningApplication> &)>;

    // The application reported last; nothing before the first report.
    virtual std::optional<platform::RunningApplication> current() const = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
    // Whether reports are being watched for (between start() and stop()).
    virtual bool isWatching() const = 0;

    // Calls listener with current() now and with every later report, until
    // context is destroyed or the returned connection is broken.
    QMetaObject::Connection subscribe(const QObject *context, Listener listener)
    {
        listener(current());
        return connect(this, &FrontmostDetecting::frontmostChanged, context, std::move(listener));
    }

signals:
    // A different application came to the front, or none is in front.
    void frontmostChanged(const std::optional<platform::RunningApplication> &application);
};

} // namespace halvex
