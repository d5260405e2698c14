#include <QTest>

#include "app/DisplaySession.h"

using halvex::DisplaySession;

class tst_DisplaySession : public QObject {
    Q_OBJECT
private slots:
    void inspect_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<bool>("runs");
        QTest::addColumn<bool>("warns");
        QTest::newRow("an X11 session")
            << QStringList{"DISPLAY=:0", "XDG_SESSION_TYPE=x11"} << "xcb" << true << false;
        QTest::newRow("no display")
            << QStringList{"XDG_SESSION_TYPE=tty"} << "xcb" << false << false;
        QTest::newRow("a platform of the user's choice")
            << QStringList{"DISPLAY=:0", "QT_QPA_PLATFORM=offscreen"} << "" << true << false;
        QTest::newRow("Wayland with XWayland")
            << QStringList{"DISPLAY=:0", "XDG_SESSION_TYPE=wayland"} << "xcb" << true << true;
        QTest::newRow("a Wayland display alone")
            << QStringList{"WAYLAND_DISPLAY=wayland-0"} << "xcb" << false << true;
    }
    void inspect()
    {
        QFETCH(QStringList, variables);
        QProcessEnvironment environment;
        for (const QString &variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));

        const DisplaySession session = DisplaySession::inspect(environment);
        QTEST(QString::fromLatin1(session.platformPlugin.value_or(QByteArray())), "plugin");
        QTEST(!session.problem.has_value(), "runs");
        QTEST(session.warning.has_value(), "warns");
    }
};

QTEST_GUILESS_MAIN(tst_DisplaySession)

#include "tst_DisplaySession.moc"
