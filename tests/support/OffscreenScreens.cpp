#include "OffscreenScreens.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace testing {

int execOnScreens(int argc, char **argv, const char *screensJson, const std::function<int()> &run)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(screensJson) < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toUtf8());
    QApplication app(argc, argv);
    return run();
}

} // namespace testing
