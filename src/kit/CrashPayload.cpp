#include "kit/CrashPayload.h"

#include <limits>

#include <elf.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace fennimar {

namespace {

// Kept as integers, so that addresses above 2^53 keep their low bits; user
// space addresses never reach 2^63.
QJsonValue unsignedValue(quint64 value)
{
    if (value > quint64(std::numeric_limits<qint64>::max()))
        return QJsonValue(double(value));
    return QJsonValue(qint64(value));
}

template <class T> void put(QJsonObject &object, const char *key, const std::optional<T> &value)
{
    if (value)
        object.insert(QLatin1String(key), QJsonValue(*value));
}

QJsonArray strings(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

// Readers of one key: false when the key is present with a wrong type.
bool readString(const QJsonObject &o, const char *key, std::optional<QString> &out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    if (!v.isString())
        return false;
    out = v.toString();
    return true;
}

bool readInteger(const QJsonObject &o, const char *key, std::optional<qint64> &out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    if (!v.isDouble())
        return false;
    out = v.toInteger();
    return true;
}

bool readDouble(const QJsonObject &o, const char *key, std::optional<double> &out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    if (!v.isDouble())
        return false;
    out = v.toDouble();
    return true;
}

std::optional<quint64> unsignedFrom(const QJsonValue &v)
{
    if (!v.isDouble())
        return std::nullopt;
    const qint64 value = v.toInteger(-1);
    if (value >= 0)
        return quint64(value);
    const double d = v.toDouble();
    if (d >= 0x1p63 && d < 0x1p64)
        return quint64(d);
    return std::nullopt;
}

bool readStringList(const QJsonValue &v, QStringList &out)
{
    if (!v.isArray())
        return false;
    for (const QJsonValue item : v.toArray()) {
        if (!item.isString())
            return false;
        out << item.toString();
    }
    return true;
}

} // namespace

QString CrashPayload::kindRaw(Kind kind)
{
    return kind == Kind::exception ? QStringLiteral("exception") : QStringLiteral("signal");
}

std::optional<CrashPayload::Kind> CrashPayload::kindFromRaw(const QString &raw)
{
    if (raw == u"exception")
        return Kind::exception;
    if (raw == u"signal")
        return Kind::signal;
    return std::nullopt;
}

QByteArray CrashPayload::encode() const
{
    QJsonObject o;
    o.insert(QLatin1String("slug"), slug);
    o.insert(QLatin1String("version"), version);
    o.insert(QLatin1String("build"), build);
    o.insert(QLatin1String("osVersion"), osVersion);
    o.insert(QLatin1String("installId"), installId);
    o.insert(QLatin1String("kind"), kindRaw(kind));
    put(o, "signal", signal);
    put(o, "exception", exception);
    o.insert(QLatin1String("frames"), strings(frames));
    o.insert(QLatin1String("occurredAt"), occurredAt);
    if (returnAddresses) {
        QJsonArray addresses;
        for (const quint64 address : *returnAddresses)
            addresses.append(unsignedValue(address));
        o.insert(QLatin1String("returnAddresses"), addresses);
    }
    if (binaryImages) {
        QJsonArray images;
        for (const BinaryImage &image : *binaryImages) {
            QJsonObject i;
            i.insert(QLatin1String("name"), image.name);
            i.insert(QLatin1String("uuid"), image.uuid);
            i.insert(QLatin1String("loadAddress"), unsignedValue(image.loadAddress));
            put(i, "arch", image.arch);
            images.append(i);
        }
        o.insert(QLatin1String("binaryImages"), images);
    }
    put(o, "buildUuid", buildUuid);
    put(o, "threadName", threadName);
    put(o, "queueLabel", queueLabel);
    put(o, "appUptimeMs", appUptimeMs);
    put(o, "deviceModel", deviceModel);
    put(o, "osBuild", osBuild);
    put(o, "usedMemoryMB", usedMemoryMB);
    put(o, "freeMemoryMB", freeMemoryMB);
    put(o, "thermalState", thermalState);
    put(o, "locale", locale);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<CrashPayload> CrashPayload::decode(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    CrashPayload p;

    std::optional<QString> slug, version, build, osVersion, installId, kind;
    std::optional<qint64> occurredAt, signal;
    if (!readString(o, "slug", slug) || !readString(o, "version", version) ||
        !readString(o, "build", build) || !readString(o, "osVersion", osVersion) ||
        !readString(o, "installId", installId) || !readString(o, "kind", kind) ||
        !readInteger(o, "occurredAt", occurredAt))
        return std::nullopt;
    if (!slug || !version || !build || !osVersion || !installId || !kind || !occurredAt ||
        !kindFromRaw(*kind) || !readStringList(o.value(QLatin1String("frames")), p.frames))
        return std::nullopt;
    p.slug = *slug;
    p.version = *version;
    p.build = *build;
    p.osVersion = *osVersion;
    p.installId = *installId;
    p.kind = *kindFromRaw(*kind);
    p.occurredAt = *occurredAt;

    if (!readInteger(o, "signal", signal) || !readString(o, "exception", p.exception) ||
        !readString(o, "buildUuid", p.buildUuid) || !readString(o, "threadName", p.threadName) ||
        !readString(o, "queueLabel", p.queueLabel) ||
        !readInteger(o, "appUptimeMs", p.appUptimeMs) ||
        !readString(o, "deviceModel", p.deviceModel) || !readString(o, "osBuild", p.osBuild) ||
        !readDouble(o, "usedMemoryMB", p.usedMemoryMB) ||
        !readDouble(o, "freeMemoryMB", p.freeMemoryMB) ||
        !readString(o, "thermalState", p.thermalState) || !readString(o, "locale", p.locale))
        return std::nullopt;
    if (signal)
        p.signal = qint32(*signal);

    const QJsonValue addresses = o.value(QLatin1String("returnAddresses"));
    if (!addresses.isUndefined()) {
        if (!addresses.isArray())
            return std::nullopt;
        p.returnAddresses.emplace();
        for (const QJsonValue item : addresses.toArray()) {
            const std::optional<quint64> address = unsignedFrom(item);
            if (!address)
                return std::nullopt;
            p.returnAddresses->append(*address);
        }
    }
    const QJsonValue images = o.value(QLatin1String("binaryImages"));
    if (!images.isUndefined()) {
        if (!images.isArray())
            return std::nullopt;
        p.binaryImages.emplace();
        for (const QJsonValue item : images.toArray()) {
            const QJsonObject i = item.toObject();
            const QJsonValue name = i.value(QLatin1String("name"));
            const QJsonValue uuid = i.value(QLatin1String("uuid"));
            const std::optional<quint64> address =
                unsignedFrom(i.value(QLatin1String("loadAddress")));
            BinaryImage image;
            if (!name.isString() || !uuid.isString() || !address ||
                !readString(i, "arch", image.arch))
                return std::nullopt;
            image.name = name.toString();
            image.uuid = uuid.toString();
            image.loadAddress = *address;
            p.binaryImages->append(image);
        }
    }
    return p;
}

QStringList CrashPayload::cutFrames(QStringList frames)
{
    if (frames.size() > maxFrames)
        frames.resize(maxFrames);
    return frames;
}

std::optional<QString> CrashPayload::archName(quint16 machine)
{
    switch (machine) {
    case EM_386:
        return QStringLiteral("i386");
    case EM_ARM:
        return QStringLiteral("arm");
    case EM_X86_64:
        return QStringLiteral("x86_64");
    case EM_AARCH64:
        return QStringLiteral("arm64");
    default:
        return std::nullopt;
    }
}

} // namespace fennimar
