#include "Screenshots.h"

#include <set>

#include <QDir>

namespace testing::screenshots {

QString directory()
{
    return qEnvironmentVariable("HALVEX_SCREENSHOT_DIR",
                                QDir::tempPath() + QStringLiteral("/halvex-screenshots"));
}

QString save(const QImage &image, const QString &name)
{
    const QString folder = directory();
    if (!QDir().mkpath(folder))
        return {};
    const QString path = folder + u'/' + name + QStringLiteral(".png");
    return !image.isNull() && image.save(path) ? path : QString();
}

int distinctColours(const QImage &image, int step)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += step)
        for (int x = 0; x < image.width(); x += step)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

} // namespace testing::screenshots
