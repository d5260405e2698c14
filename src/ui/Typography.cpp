#include "ui/Typography.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace halvex {

namespace {

QFont::Weight qtWeight(FontWeight weight)
{
    switch (weight) {
    case FontWeight::light:
        return QFont::Light;
    case FontWeight::regular:
        return QFont::Normal;
    case FontWeight::medium:
        return QFont::Medium;
    case FontWeight::semibold:
        return QFont::DemiBold;
    case FontWeight::bold:
        return QFont::Bold;
    case FontWeight::heavy:
        return QFont::ExtraBold;
    }
    return QFont::Normal;
}

} // namespace

QFont systemFont(qreal size, FontWeight weight, FontDesign design)
{
    QFont font = QGuiApplication::font();
    switch (design) {
    case FontDesign::standard:
        break;
    case FontDesign::rounded: {
        // Rounded faces some desktops ship; the desktop's family closes the list.
        QStringList families{QStringLiteral("Nunito"), QStringLiteral("Varela Round"),
                             QStringLiteral("M PLUS Rounded 1c"), QStringLiteral("Comfortaa")};
        families.append(font.families().isEmpty() ? QStringList{font.family()} : font.families());
        font.setFamilies(families);
        break;
    }
    case FontDesign::monospaced:
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setStyleHint(QFont::Monospace);
        break;
    }
    font.setPixelSize(qMax(1, qRound(size)));
    font.setWeight(qtWeight(weight));
    return font;
}

#define HALVEX_FONT_TOKEN(token, size, weight, design)                                             \
    const QFont &Typography::token()                                                               \
    {                                                                                              \
        static const QFont value = systemFont(size, FontWeight::weight, FontDesign::design);       \
        return value;                                                                              \
    }

HALVEX_FONT_TOKEN(rounded96Bold, 96, bold, rounded)
HALVEX_FONT_TOKEN(rounded56Heavy, 56, heavy, rounded)
HALVEX_FONT_TOKEN(rounded48Bold, 48, bold, rounded)
HALVEX_FONT_TOKEN(title22Semibold, 22, semibold, standard)
HALVEX_FONT_TOKEN(headline17Semibold, 17, semibold, standard)
HALVEX_FONT_TOKEN(body13, 13, regular, standard)
HALVEX_FONT_TOKEN(body13Medium, 13, medium, standard)
HALVEX_FONT_TOKEN(caption11, 11, regular, standard)
HALVEX_FONT_TOKEN(caption11Mono, 11, regular, monospaced)

#undef HALVEX_FONT_TOKEN

} // namespace halvex
