#pragma once

#include <QList>

#include "platform/KeystrokeSending.h"

namespace testing {

// A keystroke sender that records what it was asked to post.
class FakeKeystrokeSending final : public platform::KeystrokeSending {
public:
    struct Sent {
        quint16 keyCode;
        qint32 processIdentifier;
        friend bool operator==(const Sent &, const Sent &) = default;
    };

    bool send(quint16 keyCode, qint32 processIdentifier) override
    {
        sent.append({keyCode, processIdentifier});
        return accepts;
    }

    bool accepts = true;
    QList<Sent> sent;
};

} // namespace testing
