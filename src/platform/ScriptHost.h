#pragma once

#include <memory>
#include <optional>

#include <QString>
#include <QVariantMap>

#include "platform/Expected.h"

namespace platform {

// A script's result, as far as its callers read it.
struct ScriptDescriptor {
    std::optional<QString> stringValue;
};

// Keys of the error dictionary a failed execution hands back.
inline constexpr const char *scriptErrorNumberKey = "NSAppleScriptErrorNumber";
inline constexpr const char *scriptErrorMessageKey = "NSAppleScriptErrorMessage";

// The error number of an event the user has not allowed us to send.
inline constexpr int scriptErrorNotPermitted = -1743;

// A script object made from source; it keeps its compiled form between runs.
class Script {
public:
    virtual ~Script() = default;
    // Runs the script to its end. Either its result or its error dictionary.
    virtual Expected<ScriptDescriptor, QVariantMap> execute() = 0;
};

// Makes script objects from source text. Called from worker threads.
class ScriptHost {
public:
    virtual ~ScriptHost() = default;
    // Nothing when no script object can be made from the source.
    virtual std::shared_ptr<Script> makeScript(const QString &source) = 0;
};

} // namespace platform
