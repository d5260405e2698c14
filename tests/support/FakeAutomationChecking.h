#pragma once

#include <functional>

#include <QList>
#include <QSet>

#include "platform/AutomationChecking.h"

namespace testing {

// The system's automation permission service, answering with a set code.
class FakeAutomationChecking final : public platform::AutomationChecking {
public:
    struct Query {
        qint32 processIdentifier;
        quint32 eventClass;
        quint32 eventID;
        bool askUserIfNeeded;
    };

    std::optional<platform::AutomationTarget> address(qint32 processIdentifier) override
    {
        if (unaddressable.contains(processIdentifier))
            return std::nullopt;
        return platform::AutomationTarget{processIdentifier};
    }

    int determinePermission(const platform::AutomationTarget &target, quint32 eventClass,
                            quint32 eventID, bool askUserIfNeeded) override
    {
        queries.append({target.processIdentifier, eventClass, eventID, askUserIfNeeded});
        if (onQuery)
            onQuery(queries.last());
        return code;
    }

    int code = 0;
    QSet<qint32> unaddressable;
    QList<Query> queries;
    std::function<void(const Query &)> onQuery;
};

} // namespace testing
