#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace fennimar {

// The record of one crash, as it is written to the pending-crash folder and
// posted, byte for byte, at the next launch. Absent optional fields are left
// out of the JSON, never written as null.
struct CrashPayload {
    enum class Kind { exception, signal };

    struct BinaryImage {
        QString name;
        // The image's GNU build id in lower-case hex: 20 bytes (40 digits)
        // from the usual linkers, not a UUID. Empty when it has none.
        QString uuid;
        quint64 loadAddress = 0;
        std::optional<QString> arch;

        friend bool operator==(const BinaryImage &, const BinaryImage &) = default;
    };

    QString slug;
    QString version;
    QString build;
    QString osVersion;
    QString installId;
    Kind kind = Kind::signal;
    std::optional<qint32> signal;
    std::optional<QString> exception;
    QStringList frames;
    qint64 occurredAt = 0;
    std::optional<QList<quint64>> returnAddresses;
    std::optional<QList<BinaryImage>> binaryImages;
    std::optional<QString> buildUuid;
    std::optional<QString> threadName;
    std::optional<QString> queueLabel;
    std::optional<qint64> appUptimeMs;
    std::optional<QString> deviceModel;
    std::optional<QString> osBuild;
    std::optional<double> usedMemoryMB;
    std::optional<double> freeMemoryMB;
    std::optional<QString> thermalState;
    std::optional<QString> locale;

    friend bool operator==(const CrashPayload &, const CrashPayload &) = default;

    static constexpr int maxFrames = 64;

    static QString kindRaw(Kind kind);
    static std::optional<Kind> kindFromRaw(const QString &raw);

    // Compact JSON, one key per present field.
    QByteArray encode() const;
    // Nothing when the bytes are not a JSON object, a required key is
    // missing, or a key holds a value of the wrong type.
    static std::optional<CrashPayload> decode(const QByteArray &json);

    // A stack of 65 or more lines keeps its first 64.
    static QStringList cutFrames(QStringList frames);
    // The architecture name of an ELF machine number, for the ones we know.
    static std::optional<QString> archName(quint16 machine);
};

} // namespace fennimar
