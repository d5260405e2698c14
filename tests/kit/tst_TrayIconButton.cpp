#include <QApplication>
#include <QScreen>
#include <QTest>

#include "OffscreenScreens.h"
#include "kit/TrayIconButton.h"

using fennimar::TrayIconButton;

class tst_TrayIconButton : public QObject {
    Q_OBJECT
private slots:
    void fallbackSitsInTheTopRightCornerOfEachScreen();
};

void tst_TrayIconButton::fallbackSitsInTheTopRightCornerOfEachScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(TrayIconButton::fallbackFrame(*screens.at(0)), QRect(976, 0, 24, 24));
    QCOMPARE(TrayIconButton::fallbackFrame(*screens.at(1)), QRect(1776, 0, 24, 24));
}

int main(int argc, char **argv)
{
    return testing::execOnScreens(argc, argv, R"({"screens": [
        {"name": "primary", "x": 0, "y": 0, "width": 1000, "height": 700, "logicalDpi": 96},
        {"name": "second", "x": 1000, "y": 0, "width": 800, "height": 600, "logicalDpi": 96}]})",
                                  [&] {
                                      tst_TrayIconButton test;
                                      return QTest::qExec(&test, argc, argv);
                                  });
}

#include "tst_TrayIconButton.moc"
