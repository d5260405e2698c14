#include "kit/InstallID.h"

#include <memory>

#include <QPromise>
#include <QStringDecoder>
#include <QUuid>

#include "kit/KeychainBox.h"
#include "platform/UserDefaults.h"

namespace fennimar {

using platform::KeychainStatus;

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

QFuture<QString> InstallID::current(const QString &bundleId, platform::Keychain &keychain,
                                    platform::UserDefaults &defaults)
{
    auto identity = std::make_shared<QPromise<QString>>();
    identity->start();
    const auto settle = [identity](const QString &text) {
        identity->addResult(text);
        identity->finish();
    };
    auto box = std::make_shared<KeychainBox>(service(bundleId), keychain);
    const QString key = defaultsKey(bundleId);
    box->lookup(account).then([box, key, settle, &defaults](const KeychainBox::Lookup &stored) {
        std::optional<QString> text = stored ? decodeUtf8(stored.value()) : std::nullopt;
        if (text) {
            settle(*text);
            return;
        }
        if (const std::optional<QString> kept = defaults.stringValue(key)) {
            settle(*kept);
            return;
        }
        const QString made = QUuid::createUuid().toString(QUuid::WithoutBraces).toLower();
        // Bytes that are no text, or no item at all: the keychain has
        // answered, and there is nothing in it worth keeping.
        const bool nothingStored =
            stored || stored.error().osStatus == KeychainStatus::itemNotFound;
        if (nothingStored) {
            box->write(made.toUtf8(), account)
                .then([key, made, settle, &defaults](const KeychainBox::Done &written) {
                    if (!written)
                        defaults.setValue(key, made);
                    settle(made);
                });
            return;
        }
        // No keychain on this desktop: the defaults are the identity's home.
        if (stored.error().osStatus == KeychainStatus::unavailable)
            defaults.setValue(key, made);
        settle(made);
    });
    return identity->future();
}

} // namespace fennimar
