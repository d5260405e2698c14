#pragma once

#include <QString>

namespace halvex {

// A failure of the object store, with the engine's own description so that
// callers can log "<operation> save failed: <description>".
struct StoreError {
    enum class Kind { openFailed, notADatabase, schemaFailed, fetchFailed, saveFailed };

    Kind kind = Kind::fetchFailed;
    QString message;
    int code = 0; // the engine's result code, when it gave one

    // A failure of the moment (busy, locked, out of memory or disk, I/O)
    // rather than one of what was asked.
    bool isPassing() const
    {
        switch (code & 0xFF) {
        case 5:  // busy
        case 6:  // locked
        case 7:  // out of memory
        case 9:  // interrupted
        case 10: // I/O error
        case 13: // disk full
        case 14: // cannot open
        case 15: // locking protocol
            return true;
        default:
            return false;
        }
    }

    const QString &localizedDescription() const { return message; }
};

} // namespace halvex
