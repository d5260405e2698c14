#pragma once

#include <QString>

namespace halvex {

// Lengths as people count them: in user-perceived characters (grapheme
// clusters), so that a flag, an emoji with its modifiers or a letter with
// its combining marks is one character, never cut in two.
class GraphemeText final {
public:
    GraphemeText() = delete;

    static qsizetype count(const QString &text);
    // The first `limit` characters of `text`; all of it when it is no longer.
    static QString prefix(const QString &text, qsizetype limit);
};

} // namespace halvex
