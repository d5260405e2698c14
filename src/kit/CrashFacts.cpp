#include "kit/CrashFacts.h"

#include <cmath>

#include <QFileInfo>
#include <QLocale>

#include "platform/LoadedImages.h"
#include "platform/StackTrace.h"
#include "platform/SystemFacts.h"

namespace fennimar::CrashFacts {

namespace {

LaunchFacts &storedFacts()
{
    static LaunchFacts facts;
    return facts;
}

std::optional<QString> nonEmpty(const QString &text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

} // namespace

void captureAtLaunch()
{
    LaunchFacts &facts = storedFacts();
    facts.uptimeAtCapture = platform::SystemFacts::uptimeSeconds();
    facts.deviceModel = platform::SystemFacts::deviceModel();
    facts.osBuild = nonEmpty(platform::SystemFacts::kernelBuild());
    facts.executableBuildId = nonEmpty(QString::fromLatin1(platform::executableBuildId()));
}

const LaunchFacts &launchFacts()
{
    return storedFacts();
}

void applyLaunchFacts(CrashPayload &payload)
{
    applyLaunchFacts(payload, platform::SystemFacts::uptimeSeconds());
}

void applyLaunchFacts(CrashPayload &payload, double uptimeNow)
{
    const LaunchFacts &facts = storedFacts();
    payload.buildUuid = facts.executableBuildId;
    payload.deviceModel = facts.deviceModel;
    payload.osBuild = facts.osBuild;
    const double elapsed = std::max(0.0, uptimeNow - facts.uptimeAtCapture);
    payload.appUptimeMs = qint64(std::trunc(elapsed * 1000.0));
}

void enrich(CrashPayload &payload)
{
    payload.binaryImages = binaryImages(256);
    if (const auto memory = platform::SystemFacts::memoryFigures()) {
        payload.usedMemoryMB = memory->usedMiB;
        payload.freeMemoryMB = memory->freeMiB;
    }
    // Linux keeps no thermal pressure level for a process.
    payload.thermalState = QStringLiteral("unknown");
    payload.threadName = nonEmpty(platform::SystemFacts::currentThreadName());
    payload.locale = QLocale().name();
}

QList<CrashPayload::BinaryImage> binaryImages(int limit)
{
    QList<CrashPayload::BinaryImage> images;
    for (const platform::LoadedImage &loaded : platform::loadedImages(limit)) {
        CrashPayload::BinaryImage image;
        image.name = QFileInfo(loaded.path).fileName();
        image.uuid = QString::fromLatin1(loaded.buildId);
        image.loadAddress = loaded.loadAddress;
        if (loaded.machine)
            image.arch = CrashPayload::archName(*loaded.machine);
        images << image;
    }
    return images;
}

QList<quint64> backtrace(int limit)
{
    QList<quint64> addresses(std::max(limit, 0));
    addresses.resize(platform::StackTrace::capture(addresses.data(), int(addresses.size())));
    return addresses;
}

} // namespace fennimar::CrashFacts
