#pragma once

#include <QString>

namespace halvex {

// A failure of the object store, with the engine's own description so that
// callers can log "<operation> save failed: <description>".
struct StoreError {
    enum class Kind { openFailed, notADatabase, schemaFailed, fetchFailed, saveFailed };

    Kind kind = Kind::fetchFailed;
    QString message;

    const QString &localizedDescription() const { return message; }
};

} // namespace halvex
