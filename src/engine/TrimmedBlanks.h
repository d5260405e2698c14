#pragma once

#include <QString>

namespace halvex {

// `text` without the blanks at either end: spaces, tabs and the other space
// separators (a no-break space among them). Line breaks are no blanks and
// stay.
QString trimmedBlanks(const QString &text);

} // namespace halvex
