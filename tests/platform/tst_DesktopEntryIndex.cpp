#include <QTemporaryDir>
#include <QTest>

#include "DesktopFiles.h"
#include "platform/DesktopEntryIndex.h"

using platform::DesktopEntryIndex;

class tst_DesktopEntryIndex : public QObject {
    Q_OBJECT
private slots:
    void idsAndPrecedence();
};

void tst_DesktopEntryIndex::idsAndPrecedence()
{
    QTemporaryDir user;
    QTemporaryDir system;
    QVERIFY(writeDesktopFile(user.path(), "code.desktop",
                             "Type=Application\nName=Code (user)\nExec=code\n"));
    QVERIFY(writeDesktopFile(system.path(), "code.desktop",
                             "Type=Application\nName=Code\nExec=code\n"));
    QVERIFY(writeDesktopFile(user.path(), "steam.desktop", "Type=Application\nHidden=true\n"));
    QVERIFY(writeDesktopFile(system.path(), "steam.desktop",
                             "Type=Application\nName=Steam\nExec=steam\n"));
    QVERIFY(writeDesktopFile(system.path(), "kde/okular.desktop",
                             "Type=Application\nName=Okular\nExec=okular\n"));
    QVERIFY(
        writeDesktopFile(system.path(), "site.desktop", "Type=Link\nName=Site\nURL=https://x\n"));
    QVERIFY(writeDesktopFile(system.path(), "notes.txt", "Type=Application\n"));

    const DesktopEntryIndex index({user.path(), system.path()});
    QStringList ids;
    for (const auto &e : index.entries())
        ids << e.id();
    ids.sort();
    QCOMPARE(ids, (QStringList{"code", "kde-okular"}));
    QCOMPARE(index.entry(QStringLiteral("code"))->name(), QStringLiteral("Code (user)"));
    QCOMPARE(index.entry(QStringLiteral("kde-okular"))->path(),
             system.filePath(QStringLiteral("kde/okular.desktop")));
    QVERIFY(!index.entry(QStringLiteral("steam")));
}

QTEST_GUILESS_MAIN(tst_DesktopEntryIndex)
#include "tst_DesktopEntryIndex.moc"
