#include "kit/InstallID.h"

#include <QStringDecoder>
#include <QUuid>

#include "kit/KeychainBox.h"

namespace fennimar {

namespace {

// Stored bytes that are not UTF-8 are taken as no identity at all.
std::optional<QString> decodeUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString InstallID::current(const QString &bundleId, platform::Keychain &keychain)
{
    KeychainBox box(service(bundleId), keychain);
    if (const auto stored = box.read(account)) {
        if (auto text = decodeUtf8(*stored))
            return *text;
    }
    const QString identity = QUuid::createUuid().toString(QUuid::WithoutBraces).toLower();
    (void)box.write(identity.toUtf8(), account);
    return identity;
}

} // namespace fennimar
