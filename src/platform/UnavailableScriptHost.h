#pragma once

#include "platform/ScriptHost.h"

namespace platform {

// This desktop has no scripting bridge into browsers: every script fails
// with a plain message, so callers see an ordinary script failure.
class UnavailableScriptHost final : public ScriptHost {
public:
    static const QString message;

    std::shared_ptr<Script> makeScript(const QString &source) override;
};

} // namespace platform
