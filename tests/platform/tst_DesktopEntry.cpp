#include <QTest>

#include "platform/DesktopEntry.h"

using platform::DesktopEntry;

class tst_DesktopEntry : public QObject {
    Q_OBJECT
private slots:
    void execLine_data();
    void execLine();
    void readsTheMainGroupOnly();
    void textWithoutMainGroupIsNoEntry();
    void shortNameDropsTheKind_data();
    void shortNameDropsTheKind();
};

void tst_DesktopEntry::execLine_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("url field code") << "firefox-esr %u" << QStringList{"firefox-esr"};
    QTest::newRow("several field codes") << "/usr/bin/code --unity-launch %F %i %c %k"
                                         << QStringList{"/usr/bin/code", "--unity-launch"};
    QTest::newRow("quoted program")
        << R"("/opt/My Browser/run" --flag %U)" << QStringList{"/opt/My Browser/run", "--flag"};
    QTest::newRow("escapes inside quotes")
        << R"(sh -c "echo \"hi\" \$HOME")" << QStringList{"sh", "-c", R"(echo "hi" $HOME)"};
    QTest::newRow("literal percent") << "app --zoom=100%%" << QStringList{"app", "--zoom=100%"};
    QTest::newRow("literal percent quoted")
        << R"("/opt/100%% sure/run")" << QStringList{"/opt/100% sure/run"};
    QTest::newRow("code inside an argument") << "app --file=%f" << QStringList{"app", "--file="};
    QTest::newRow("quoted empty argument") << R"(app "" x)" << QStringList{"app", "", "x"};
    QTest::newRow("runs of blanks") << "  app \t -a   -b  " << QStringList{"app", "-a", "-b"};
    QTest::newRow("unterminated quote") << R"(app "broken)" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void tst_DesktopEntry::execLine()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, expected);
    QCOMPARE(DesktopEntry::splitExec(exec), expected);
}

void tst_DesktopEntry::readsTheMainGroupOnly()
{
    const QByteArray text = "# comment\n"
                            "[Desktop Entry]\n"
                            "Type=Application\n"
                            "Name=Text Editor\n"
                            "Name[de]=Texteditor\n"
                            "Exec=gnome-text-editor\\s--new-window %U\n"
                            "StartupWMClass=gnome-text-editor\n"
                            "Icon=org.gnome.TextEditor\n"
                            "NoDisplay=true\n"
                            "\n"
                            "[Desktop Action new-window]\n"
                            "Name=New Window\n"
                            "Exec=gnome-text-editor --other\n"
                            "Icon=/opt/other.png\n"
                            "Hidden=true\n";
    const auto entry = DesktopEntry::parse(text, QStringLiteral("org.gnome.TextEditor"),
                                           QStringLiteral("/x.desktop"));
    QVERIFY(entry);
    QCOMPARE(entry->id(), QStringLiteral("org.gnome.TextEditor"));
    QCOMPARE(entry->type(), QStringLiteral("Application"));
    QCOMPARE(entry->name(), QStringLiteral("Text Editor"));
    QCOMPARE(entry->startupWMClass(), QStringLiteral("gnome-text-editor"));
    QCOMPARE(entry->icon(), QStringLiteral("org.gnome.TextEditor"));
    QCOMPARE(entry->hidden(), false);
    QCOMPARE(entry->noDisplay(), true);
    QCOMPARE(entry->commandLine(), (QStringList{"gnome-text-editor", "--new-window"}));
}

void tst_DesktopEntry::textWithoutMainGroupIsNoEntry()
{
    QVERIFY(!DesktopEntry::parse("[Other]\nExec=x\n", QStringLiteral("x"), QString()));
}

void tst_DesktopEntry::shortNameDropsTheKind_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the kind at the end")
        << QByteArray("Name=Chromium Web Browser\nGenericName=Web Browser\n") << "Chromium";
    QTest::newRow("in other letter case")
        << QByteArray("Name=Brave Web Browser\nGenericName=Web browser\n") << "Brave";
    QTest::newRow("a name of its own")
        << QByteArray("Name=Firefox ESR\nGenericName=Web Browser\n") << "Firefox ESR";
    QTest::newRow("nothing but the kind")
        << QByteArray("Name=Web Browser\nGenericName=Web Browser\n") << "Web Browser";
    QTest::newRow("no kind") << QByteArray("Name=Vivaldi\n") << "Vivaldi";
    QTest::newRow("no name: the id") << QByteArray("GenericName=Web Browser\n") << "browser";
}

void tst_DesktopEntry::shortNameDropsTheKind()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, expected);
    const auto entry =
        DesktopEntry::parse("[Desktop Entry]\n" + lines, QStringLiteral("browser"), QString());
    QVERIFY(entry);
    QCOMPARE(entry->shortName(), expected);
}

QTEST_GUILESS_MAIN(tst_DesktopEntry)
#include "tst_DesktopEntry.moc"
