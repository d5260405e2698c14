#pragma once

#include <QNetworkAccessManager>

namespace testing {

// A network session that counts the requests started through it, at the
// moment they start: "nothing was sent" can be checked at once, without
// waiting for a request that might still arrive.
class CountingNetworkSession final : public QNetworkAccessManager {
public:
    using QNetworkAccessManager::QNetworkAccessManager;

    int started() const { return m_started; }

protected:
    QNetworkReply *createRequest(Operation op, const QNetworkRequest &request,
                                 QIODevice *outgoingData) override
    {
        ++m_started;
        return QNetworkAccessManager::createRequest(op, request, outgoingData);
    }

private:
    int m_started = 0;
};

} // namespace testing
