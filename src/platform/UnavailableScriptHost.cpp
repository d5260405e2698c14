#include "platform/UnavailableScriptHost.h"

namespace platform {

const QString UnavailableScriptHost::message = QStringLiteral("Scripts cannot run on this system");

namespace {
class UnavailableScript final : public Script {
public:
    Expected<ScriptDescriptor, QVariantMap> execute() override
    {
        return unexpected(QVariantMap{
            {QString::fromLatin1(scriptErrorMessageKey), UnavailableScriptHost::message}});
    }
};
} // namespace

std::shared_ptr<Script> UnavailableScriptHost::makeScript(const QString &)
{
    return std::make_shared<UnavailableScript>();
}

} // namespace platform
