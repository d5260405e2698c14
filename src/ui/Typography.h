#pragma once

#include <QFont>

namespace halvex {

enum class FontWeight { light, regular, medium, semibold, bold, heavy };
enum class FontDesign { standard, rounded, monospaced };

// The desktop's font at `size` device-independent pixels (the kit's point),
// in the given weight and design. A rounded design prefers an installed
// rounded family and otherwise keeps the desktop's own.
QFont systemFont(qreal size, FontWeight weight, FontDesign design = FontDesign::standard);

// The nine fonts every view draws with, each built once on first use.
class Typography final {
public:
    static const QFont &rounded96Bold();
    static const QFont &rounded56Heavy();
    static const QFont &rounded48Bold();
    static const QFont &title22Semibold();
    static const QFont &headline17Semibold();
    static const QFont &body13();
    static const QFont &body13Medium();
    static const QFont &caption11();
    static const QFont &caption11Mono();
};

} // namespace halvex
